#include "EntryDocument.h"

EntryDocument::EntryDocument(QObject* parent) : QObject(parent)
{
    for (const auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(&m_rows, signal, this, &EntryDocument::changed);
    connect(&m_rows, &QAbstractItemModel::modelReset, this, &EntryDocument::changed);
    connect(&m_rows, &QAbstractItemModel::dataChanged, this, &EntryDocument::changed);
}

QList<EntryRow> EntryDocument::Entries() const
{
    QList<EntryRow> entries;
    entries.reserve(Count());
    for (int i = 0; i < Count(); ++i)
        entries.append({Text(i), Code(i)});
    return entries;
}

void EntryDocument::SetClub(const QString& club)
{
    if (club != m_club) {
        m_club = club;
        Q_EMIT changed();
    }
}

void EntryDocument::SetEvent(const QString& event)
{
    if (event != m_event) {
        m_event = event;
        Q_EMIT changed();
    }
}

bool EntryDocument::IsComplete(const QString& name, const QString& firstName, qint32 year,
                               int gender, int currentUtcYear)
{
    return !firstName.isEmpty() && !name.isEmpty() && gender >= 0 &&
           entry::CheckBirthYear(year, currentUtcYear) != -1;
}

bool EntryDocument::Contains(const QString& text, qint32 year) const
{
    for (int i = 0; i < Count(); ++i) {
        if (entry::SameParticipant(Text(i), entry::YearOf(Code(i)), text, year))
            return true;
    }
    return false;
}

int EntryDocument::Add(const QString& text, qint32 code)
{
    return m_rows.AddSorted(text, code);
}

void EntryDocument::UpdateRow(int row, const QString& text, qint32 code)
{
    if (!IsValidRow(row))
        return;
    const qint32 old = Code(row);
    m_rows.SetRow(row, text, code == -1 ? old : code);
    if (code != -1 && code != old)
        SetModified(true);
}

bool EntryDocument::Remove(int row)
{
    if (!m_rows.Remove(row))
        return false;
    SetModified(true);
    return true;
}

void EntryDocument::Replace(QList<EntryRow> rows)
{
    m_rows.Clear();
    m_rows.AddSorted(std::move(rows));
}

EntryDocument::AddManyResult EntryDocument::AddMany(QList<EntryRow> rows)
{
    if (rows.isEmpty())
        return AddManyResult::Nothing;
    if (Count() + rows.size() > entry::kMaxEntries)
        return AddManyResult::TooMany;
    m_rows.AddSorted(std::move(rows));
    SetModified(true);
    return AddManyResult::Added;
}

EntryDocument::Counts EntryDocument::Totals() const
{
    Counts counts{Count(), 0};
    for (int i = 0; i < Count(); ++i)
        counts.male += entry::GenderOf(Code(i));
    return counts;
}

QString EntryDocument::PrintBlocker() const
{
    if (m_club.isEmpty() || m_event.isEmpty())
        return QStringLiteral("Erst Verein und Veranstaltung wählen.");
    if (Count() == 0)
        return QStringLiteral("Die Meldeliste ist leer.");
    return {};
}

void EntryDocument::SetModified(bool modified)
{
    if (modified != m_modified) {
        m_modified = modified;
        Q_EMIT modifiedChanged(modified);
    }
}
