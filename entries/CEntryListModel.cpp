#include "CEntryListModel.h"

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

void CEntryListModel::Append(QList<EntryRow> rows)
{
    if (rows.isEmpty())
        return;
    const int first = Count();
    beginInsertRows(QModelIndex(), first, first + static_cast<int>(rows.size()) - 1);
    if (m_arrRows.isEmpty())
        m_arrRows = std::move(rows);
    else
        m_arrRows.append(rows);
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
