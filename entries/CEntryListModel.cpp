#include "CEntryListModel.h"

#include <algorithm>
#include <QLocale>

CEntryListModel::CEntryListModel(QObject* parent)
    : QAbstractListModel(parent), m_collator(QLocale(QLocale::German, QLocale::Germany))
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
    if (Count() != 0) {
        // Rows already there (perhaps out of order after an in-place rewrite) decide where each
        // new one lands, exactly as for single adds.
        for (const EntryRow& row : std::as_const(rows))
            AddSorted(row.text, row.code);
        return;
    }
    if (rows.isEmpty())
        return;
    // Into an empty list, adding one by one after any equal texts is a stable sort.
    std::stable_sort(rows.begin(), rows.end(), [this](const EntryRow& a, const EntryRow& b) {
        return m_collator.compare(a.text, b.text) < 0;
    });
    beginInsertRows(QModelIndex(), 0, static_cast<int>(rows.size()) - 1);
    m_arrRows = std::move(rows);
    endInsertRows();
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
