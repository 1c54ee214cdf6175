#include "app/ImportModel.h"

#include "entries/Entry.h"
#include "messages/Messages.h"

using memberlist::Candidate;

void ImportModel::reset(QList<Candidate> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

bool ImportModel::genderOpen(int row) const
{
    return memberlist::parseGender(m_rows[row].genderText) < 0;
}

void ImportModel::pickGender(const QModelIndexList& rows, int gender)
{
    for (const QModelIndex& row : rows) {
        if (genderOpen(row.row()))
            memberlist::pickGender(m_rows[row.row()], gender);
    }
    changedAll();
}

void ImportModel::setChecked(const QModelIndexList& rows, bool checked)
{
    for (const QModelIndex& row : rows) {
        Candidate& c = m_rows[row.row()];
        c.checked = c.checkable() && checked;
    }
    changedAll();
}

int ImportModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int ImportModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumns;
}

QVariant ImportModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case Participant:
        return tr("Teilnehmer");
    case Year:
        return tr("Jahrgang");
    case Gender:
        return tr("Geschlecht");
    case Reason:
        return tr("Hinweis");
    default:
        return QString();
    }
}

QVariant ImportModel::data(const QModelIndex& index, int role) const
{
    const Candidate& c = m_rows[index.row()];
    if (role == Qt::CheckStateRole && index.column() == Participant)
        return c.checked ? Qt::Checked : Qt::Unchecked;
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    switch (index.column()) {
    case Participant:
        return c.displayText();
    case Year:
        return c.year >= 0 ? QString::number(c.year) : c.yearText;
    case Gender:
        if (c.gender >= 0)
            return c.gender == entry::Male ? QStringLiteral("m") : QStringLiteral("w");
        return c.genderText;
    default:
        return messages::importReason(c);
    }
}

Qt::ItemFlags ImportModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == Participant && m_rows[index.row()].checkable())
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

bool ImportModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    Candidate& c = m_rows[index.row()];
    if (role != Qt::CheckStateRole || index.column() != Participant || !c.checkable())
        return false;
    c.checked = value.toInt() == Qt::Checked;
    Q_EMIT dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

void ImportModel::changedAll()
{
    if (!m_rows.isEmpty())
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, kColumns - 1));
}
