#include "CEntryListModel.h"

#include <algorithm>
#include <cstring>
#include <QLocale>
#include <unicode/ucol.h>

namespace {

// The locale of the list's order; CollationKeys opens its ICU collator for the same locale.
QLocale ListLocale()
{
    return QLocale(QLocale::German, QLocale::Germany);
}

// The first eight bytes of a key as one number, so that most comparisons in a sort are decided
// without following a pointer into the key buffer. A key has no NUL but its last byte, so padding
// a short key with zeros keeps the order.
quint64 KeyPrefix(QByteArrayView key)
{
    quint64 prefix = 0;
    for (qsizetype i = 0; i < 8; ++i)
        prefix = (prefix << 8) | (i < key.size() ? static_cast<quint8>(key[i]) : 0u);
    return prefix;
}

} // namespace

CollationKeys::CollationKeys()
{
    // QCollator on ICU opens the collator of the locale's name and sets exactly these attributes
    // for a case-insensitive comparison (secondary strength ignores case, not accents); any other
    // setting would give keys that disagree with the list's single adds.
    UErrorCode status = U_ZERO_ERROR;
    m_collator = ucol_open(ListLocale().name().toLatin1().constData(), &status);
    ucol_setAttribute(m_collator, UCOL_NORMALIZATION_MODE, UCOL_ON, &status);
    ucol_setAttribute(m_collator, UCOL_STRENGTH, UCOL_SECONDARY, &status);
    ucol_setAttribute(m_collator, UCOL_NUMERIC_COLLATION, UCOL_OFF, &status);
    ucol_setAttribute(m_collator, UCOL_ALTERNATE_HANDLING, UCOL_NON_IGNORABLE, &status);
    if (U_FAILURE(status))
        qFatal("Kein ICU-Collator für %s: %s", qPrintable(ListLocale().name()),
               u_errorName(status));
}

CollationKeys::~CollationKeys()
{
    ucol_close(m_collator);
}

void CollationKeys::Reserve(qsizetype count, qsizetype bytesEach)
{
    m_ends.reserve(static_cast<size_t>(count));
    m_bytes.reserve(count * bytesEach);
}

void CollationKeys::Add(QStringView text)
{
    // QCollator puts an empty text before every other one, even before a text that holds only
    // characters the collator ignores (whose ICU key equals the empty text's); the first byte
    // keeps that rule.
    const qsizetype start = m_bytes.size();
    m_bytes.append(text.isEmpty() ? '\x01' : '\x02');
    const auto length = static_cast<int32_t>(std::min<qsizetype>(text.size(), INT32_MAX));
    const auto* chars = reinterpret_cast<const UChar*>(text.utf16());
    // Most keys fit into a guess of a little more than the text; the rest are made again.
    qsizetype room = 16 + text.size() + text.size() / 2;
    for (;;) {
        m_bytes.resize(start + 1 + room);
        const int32_t size = ucol_getSortKey(m_collator, chars, length,
                                             reinterpret_cast<uint8_t*>(m_bytes.data()) + start + 1,
                                             static_cast<int32_t>(room));
        if (size <= room) {
            m_bytes.resize(start + 1 + size);
            break;
        }
        room = size;
    }
    m_ends.push_back(m_bytes.size());
}

QByteArrayView CollationKeys::Key(qsizetype i) const
{
    const qsizetype start = i == 0 ? 0 : m_ends[static_cast<size_t>(i - 1)];
    return QByteArrayView(m_bytes).sliced(start, m_ends[static_cast<size_t>(i)] - start);
}

std::vector<quint32> CollationKeys::Order(std::span<const quint32> major) const
{
    struct Item
    {
        quint32 major;
        quint32 number;
        quint64 prefix;
    };
    std::vector<Item> items(m_ends.size());
    for (size_t i = 0; i < items.size(); ++i) {
        items[i] = {major.empty() ? 0u : major[i], static_cast<quint32>(i),
                    KeyPrefix(Key(static_cast<qsizetype>(i)))};
    }
    // The number decides between equal keys, so the plain (unstable) sort gives a stable order.
    std::sort(items.begin(), items.end(), [this](const Item& a, const Item& b) {
        if (a.major != b.major)
            return a.major < b.major;
        if (a.prefix != b.prefix)
            return a.prefix < b.prefix;
        const QByteArrayView ka = Key(a.number);
        const QByteArrayView kb = Key(b.number);
        if (ka.size() > 8 && kb.size() > 8) {
            const size_t common = static_cast<size_t>(std::min(ka.size(), kb.size()) - 8);
            // Only the last byte of a key is NUL, so keys that agree this far are the same key.
            if (const int c = std::memcmp(ka.data() + 8, kb.data() + 8, common); c != 0)
                return c < 0;
        }
        return a.number < b.number;
    });
    std::vector<quint32> order(items.size());
    for (size_t i = 0; i < items.size(); ++i)
        order[i] = items[i].number;
    return order;
}

CEntryListModel::CEntryListModel(QObject* parent)
    : QAbstractListModel(parent), m_collator(ListLocale())
{
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
}

int CEntryListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Count();
}

QVariant CEntryListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.column() != 0 || !IsValidRow(index.row()))
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return Text(index.row());
    case EntryCodeRole:
        return Code(index.row());
    default:
        return {};
    }
}

Qt::ItemFlags CEntryListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    // Rows are chosen, never edited in place and never dragged: the fields of the window edit them.
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

int CEntryListModel::Insert(int row, const QString& text, qint32 code)
{
    if (row < 0 || row > Count())
        return -1;
    beginInsertRows(QModelIndex(), row, row);
    m_arrRows.insert(row, EntryRow{text, code});
    endInsertRows();
    return row;
}

int CEntryListModel::AddSorted(const QString& text, qint32 code)
{
    // Upper bound: the first row that sorts after text, so equal texts keep the order in which
    // they were added (a file loads back in its own order).
    int low = 0;
    int high = Count();
    while (low < high) {
        const int mid = low + (high - low) / 2;
        if (m_collator.compare(text, Text(mid)) < 0)
            high = mid;
        else
            low = mid + 1;
    }
    return Insert(low, text, code);
}

void CEntryListModel::AddSorted(QList<EntryRow> rows)
{
    if (rows.isEmpty())
        return;
    if (Count() != 0) {
        AddSortedToRows(std::move(rows));
        return;
    }
    // Into an empty list, adding one by one after any equal texts is a stable sort, made with one
    // collation key per row.
    CollationKeys keys;
    keys.Reserve(rows.size());
    for (const EntryRow& row : std::as_const(rows))
        keys.Add(row.text);
    QList<EntryRow> sorted;
    sorted.reserve(rows.size());
    for (const quint32 i : keys.Order())
        sorted.append(std::move(rows[i]));
    beginInsertRows(QModelIndex(), 0, static_cast<int>(sorted.size()) - 1);
    m_arrRows = std::move(sorted);
    endInsertRows();
}

void CEntryListModel::AddSortedToRows(QList<EntryRow> rows)
{
    const qsizetype have = Count();
    CollationKeys keys;
    keys.Reserve(have + rows.size());
    for (const EntryRow& row : std::as_const(m_arrRows))
        keys.Add(row.text);
    for (const EntryRow& row : std::as_const(rows))
        keys.Add(row.text);
    bool inOrder = true;
    for (qsizetype i = 1; i < have && inOrder; ++i)
        inOrder = keys.Key(i - 1).compare(keys.Key(i)) <= 0;
    if (!inOrder) {
        // Rows out of order after an in-place rewrite decide where each new one lands, exactly as
        // for single adds; only a sorted list can be merged with.
        for (const EntryRow& row : std::as_const(rows))
            AddSorted(row.text, row.code);
        return;
    }
    // One sort of old and new rows together lands every row where single adds would (the old
    // rows come first among equal texts, the new ones in their given order), without a search
    // with the slow collator per row. The rows are appended first, so that the list's watchers
    // see them arrive, then moved into place as a layout change that carries the selection along.
    const std::vector<quint32> order = keys.Order();
    beginInsertRows(QModelIndex(), static_cast<int>(have),
                    static_cast<int>(have + rows.size()) - 1);
    m_arrRows.append(std::move(rows));
    endInsertRows();

    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> newRow(order.size());
    QList<EntryRow> sorted;
    sorted.reserve(m_arrRows.size());
    for (size_t k = 0; k < order.size(); ++k) {
        newRow[order[k]] = static_cast<int>(k);
        sorted.append(std::move(m_arrRows[order[k]]));
    }
    m_arrRows = std::move(sorted);
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    to.reserve(from.size());
    for (const QModelIndex& old : from)
        to.append(index(newRow[static_cast<size_t>(old.row())]));
    changePersistentIndexList(from, to);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

bool CEntryListModel::Remove(int row)
{
    if (!IsValidRow(row))
        return false;
    beginRemoveRows(QModelIndex(), row, row);
    m_arrRows.remove(row);
    endRemoveRows();
    return true;
}

void CEntryListModel::Clear()
{
    beginResetModel();
    m_arrRows.clear();
    endResetModel();
}

bool CEntryListModel::SetCode(int row, qint32 code)
{
    if (!IsValidRow(row))
        return false;
    if (m_arrRows.at(row).code != code) {
        m_arrRows[row].code = code;
        // The picture follows bit 0 of the code, so the row has to be drawn again.
        const QModelIndex changed = index(row);
        Q_EMIT dataChanged(changed, changed, {EntryCodeRole});
    }
    return true;
}
