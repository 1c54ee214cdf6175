#include "entries/EntryListModel.h"

#include <algorithm>
#include <QCoreApplication>
#include <QStringList>

namespace {

// What a screen reader says, for lupdate and i18n/zandrel_de.ts under "EntryListModel".
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(EntryListModel)
};

// What a screen reader says for a row: the text of the row reads "Meier,Anna" as one word and
// leaves out gender and year, which the row shows only as a picture and beside the name.
QString spokenText(const QString& text, qint32 code)
{
    const entry::Names names = entry::splitDisplayText(text);
    QStringList parts;
    for (const QString& part : {names.name, names.firstName}) {
        if (!part.isEmpty())
            parts << part;
    }
    parts << (entry::genderOf(code) == entry::Male ? Text::tr("männlich") : Text::tr("weiblich"));
    const qint32 year = entry::yearOf(code);
    parts << (year < 0 ? Text::tr("Jahrgang ungültig") : QString::number(year));
    return parts.join(QStringLiteral(", "));
}

} // namespace

void EntryListModel::setAdmittedYears(int first, int last)
{
    if (first == m_firstAdmitted && last == m_lastAdmitted)
        return;
    m_firstAdmitted = first;
    m_lastAdmitted = last;
    if (!m_rows.isEmpty())
        Q_EMIT dataChanged(index(0), index(count() - 1), {NotAdmittedRole, Qt::AccessibleTextRole});
}

bool EntryListModel::isAdmitted(qint32 code) const
{
    const qint32 year = entry::yearOf(code);
    return m_firstAdmitted <= 0 || year < 0 || (year >= m_firstAdmitted && year <= m_lastAdmitted);
}

EntryListModel::EntryListModel(QObject* parent)
    : QAbstractListModel(parent), m_collator(collation::listCollator())
{
}

int EntryListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant EntryListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.column() != 0 || !isValidRow(index.row()))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return text(index.row());
    case Qt::AccessibleTextRole:
        if (isAdmitted(code(index.row())))
            return spokenText(text(index.row()), code(index.row()));
        return Text::tr("%1, für die Veranstaltung nicht zugelassen")
            .arg(spokenText(text(index.row()), code(index.row())));
    case EntryCodeRole:
        return code(index.row());
    case NotAdmittedRole:
        return !isAdmitted(code(index.row()));
    default:
        return {};
    }
}

Qt::ItemFlags EntryListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    // Rows are chosen, never edited in place and never dragged: the fields of the window edit them.
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

int EntryListModel::insert(int row, const QString& text, qint32 code)
{
    if (row < 0 || row > count())
        return -1;
    beginInsertRows(QModelIndex(), row, row);
    m_rows.insert(row, EntryRow{text, code});
    endInsertRows();
    return row;
}

int EntryListModel::addSorted(const QString& text, qint32 code)
{
    // Upper bound: the first row that sorts after text, so equal texts keep the order in which
    // they were added (a file loads back in its own order).
    int low = 0;
    int high = count();
    while (low < high) {
        const int mid = low + (high - low) / 2;
        if (m_collator.compare(text, this->text(mid)) < 0)
            high = mid;
        else
            low = mid + 1;
    }
    return insert(low, text, code);
}

void EntryListModel::addSorted(QList<EntryRow> rows)
{
    if (rows.isEmpty())
        return;
    const auto less = [this](const QString& a, const QString& b) {
        return m_collator.compare(a, b) < 0;
    };
    if (count() != 0 &&
        !std::is_sorted(m_rows.cbegin(), m_rows.cend(), [&](const EntryRow& a, const EntryRow& b) {
            return less(a.text, b.text);
        })) {
        // Rows out of order (after an in-place rewrite) decide where each new one lands, exactly
        // as for single adds.
        for (const EntryRow& row : std::as_const(rows))
            addSorted(row.text, row.code);
        return;
    }
    // Adding one by one after any equal texts is a stable sort of the new rows, made with one
    // collation key per row, then merged behind the equal rows already there.
    CollationKeys keys;
    keys.reserve(rows.size());
    for (const EntryRow& row : std::as_const(rows))
        keys.Add(row.text);
    const std::vector<quint32> order = keys.order();
    const int oldCount = count();
    if (oldCount == 0) {
        QList<EntryRow> sorted;
        sorted.reserve(rows.size());
        for (const quint32 i : order)
            sorted.append(std::move(rows[i]));
        beginInsertRows(QModelIndex(), 0, static_cast<int>(sorted.size()) - 1);
        m_rows = std::move(sorted);
        endInsertRows();
        return;
    }
    // Into a list that holds rows already: the new rows are appended, then all rows take their
    // merged places in one layout change, so that a view keeps its selection on the same row.
    QList<int> newPlace(oldCount + rows.size()); // by current row
    int at = 0;
    qsizetype old = 0;
    for (const quint32 i : order) {
        while (old < oldCount && !less(rows[i].text, m_rows[old].text))
            newPlace[old++] = at++;
        newPlace[oldCount + i] = at++;
    }
    while (old < oldCount)
        newPlace[old++] = at++;
    beginInsertRows(QModelIndex(), oldCount, oldCount + static_cast<int>(rows.size()) - 1);
    m_rows.append(std::move(rows));
    endInsertRows();

    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    QList<EntryRow> merged(m_rows.size());
    for (qsizetype r = 0; r < m_rows.size(); ++r)
        merged[newPlace[r]] = std::move(m_rows[r]);
    m_rows = std::move(merged);
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    to.reserve(from.size());
    for (const QModelIndex& index : from)
        to.append(this->index(newPlace[index.row()]));
    changePersistentIndexList(from, to);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

bool EntryListModel::remove(int row)
{
    if (!isValidRow(row))
        return false;
    beginRemoveRows(QModelIndex(), row, row);
    m_rows.remove(row);
    endRemoveRows();
    return true;
}

void EntryListModel::setRows(QList<EntryRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void EntryListModel::clear()
{
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

bool EntryListModel::setRow(int row, const QString& text, qint32 code)
{
    if (!isValidRow(row))
        return false;
    EntryRow& target = m_rows[row];
    if (target.text != text || target.code != code) {
        target = EntryRow{text, code};
        const QModelIndex changed = index(row);
        Q_EMIT dataChanged(changed, changed);
    }
    return true;
}

bool EntryListModel::setCode(int row, qint32 code)
{
    if (!isValidRow(row))
        return false;
    if (m_rows.at(row).code != code) {
        m_rows[row].code = code;
        // The picture and the year follow the code, so the row has to be drawn again, and a screen
        // reader's text of it changes as well.
        const QModelIndex changed = index(row);
        Q_EMIT dataChanged(changed, changed, {EntryCodeRole, Qt::AccessibleTextRole});
    }
    return true;
}
