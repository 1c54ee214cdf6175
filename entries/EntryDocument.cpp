#include "entries/EntryDocument.h"

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

void EntryDocument::ChooseClub(const QString& club)
{
    SetClub(club);
    SetModified(true);
}

void EntryDocument::ChooseEvent(const QString& event)
{
    SetEvent(event);
    SetModified(true);
}

void EntryDocument::SetEvent(const QString& event)
{
    if (event != m_event) {
        m_event = event;
        Q_EMIT changed();
    }
}

bool EntryDocument::Contains(const QString& text, qint32 year) const
{
    for (int i = 0; i < Count(); ++i) {
        if (entry::SameParticipant(Text(i), entry::YearOf(Code(i)), text, year))
            return true;
    }
    return false;
}

namespace {

// The steps' names as the undo and redo commands show them.
QString Named(const char16_t* what, const QString& text)
{
    return QString::fromUtf16(what) + QStringLiteral(" „") + text + QStringLiteral("“");
}

} // namespace

template <typename Change> void EntryDocument::Changing(Change change)
{
    const bool was = IsModified();
    change();
    if (IsModified() != was)
        Q_EMIT modifiedChanged(!was);
}

EntryDocument::Step EntryDocument::MakeStep(QString name, int row)
{
    Step step;
    step.name = std::move(name);
    step.row = row;
    return step;
}

void EntryDocument::Push(Step step)
{
    Changing([&] {
        // A step that can no longer be redone takes the saved state with it.
        if (m_savedAt > m_done)
            m_savedAt = -1;
        m_steps.resize(static_cast<size_t>(m_done));
        m_steps.push_back(std::move(step));
        ++m_done;
    });
}

void EntryDocument::Apply(const Step& step, bool forward)
{
    if (step.row < 0) {
        m_rows.SetRows(forward ? step.rowsAfter : step.rowsBefore);
        if (step.load) {
            m_club = forward ? step.clubAfter : step.clubBefore;
            m_event = forward ? step.eventAfter : step.eventBefore;
            Q_EMIT clubEventRestored();
        }
        return;
    }
    const EntryRow& from = forward ? step.before : step.after;
    const EntryRow& to = forward ? step.after : step.before;
    if (from.text.isNull())
        m_rows.Insert(step.row, to.text, to.code);
    else if (to.text.isNull())
        m_rows.Remove(step.row);
    else
        m_rows.SetRow(step.row, to.text, to.code);
}

void EntryDocument::Undo()
{
    if (!CanUndo())
        return;
    m_editOpen = false;
    Changing([&] { Apply(m_steps[static_cast<size_t>(--m_done)], false); });
}

void EntryDocument::Redo()
{
    if (!CanRedo())
        return;
    m_editOpen = false;
    Changing([&] { Apply(m_steps[static_cast<size_t>(m_done++)], true); });
}

int EntryDocument::Add(const QString& text, qint32 code)
{
    const int row = m_rows.AddSorted(text, code);
    Step step = MakeStep(Named(u"Hinzufügen von", text), row);
    step.after = {text, code};
    m_editOpen = false;
    Push(std::move(step));
    return row;
}

void EntryDocument::UpdateRow(int row, const QString& text, qint32 code)
{
    if (!IsValidRow(row))
        return;
    const EntryRow before{Text(row), Code(row)};
    const EntryRow after{text, code == -1 ? before.code : code};
    if (after == before)
        return;
    m_rows.SetRow(row, after.text, after.code);
    Step* open = m_editOpen && m_done == static_cast<qsizetype>(m_steps.size()) && m_done > 0
                     ? &m_steps[static_cast<size_t>(m_done - 1)]
                     : nullptr;
    if (open && open->row == row && !open->before.text.isNull() && !open->after.text.isNull()) {
        // The same row typed on: one step, from the row as it was before the first keystroke.
        Changing([&] {
            open->after = after;
            if (m_savedAt == m_done)
                m_savedAt = -1;
        });
        return;
    }
    Step step = MakeStep(Named(u"Ändern von", before.text), row);
    step.before = before;
    step.after = after;
    Push(std::move(step));
    m_editOpen = true;
}

int EntryDocument::RestoreAndAdd(int row, const EntryRow& original, const QString& text,
                                 qint32 code)
{
    if (!IsValidRow(row))
        return Add(text, code);
    const bool renameOnTop = m_editOpen && m_done == static_cast<qsizetype>(m_steps.size()) &&
                             m_done > 0 && m_steps.back().row == row &&
                             m_steps.back().before == original;
    if (renameOnTop) {
        // The rename never happened: its step goes, and the add below is the one step.
        Changing([&] {
            m_rows.SetRow(row, original.text, original.code);
            m_steps.pop_back();
            --m_done;
        });
        return Add(text, code);
    }
    // The rename is older than the open step: one step over the whole list.
    Step step = MakeStep(Named(u"Hinzufügen von", text));
    step.rowsBefore = Entries();
    m_rows.SetRow(row, original.text, original.code);
    const int added = m_rows.AddSorted(text, code);
    step.rowsAfter = Entries();
    m_editOpen = false;
    Push(std::move(step));
    return added;
}

bool EntryDocument::Remove(int row)
{
    if (!IsValidRow(row))
        return false;
    Step step = MakeStep(Named(u"Entfernen von", Text(row)), row);
    step.before = {Text(row), Code(row)};
    m_rows.Remove(row);
    m_editOpen = false;
    Push(std::move(step));
    return true;
}

void EntryDocument::Load(QList<EntryRow> rows, const QString& club, const QString& event,
                         const QString& fileName)
{
    Step step = MakeStep(Named(u"Laden von", fileName));
    step.load = true;
    step.rowsBefore = Entries();
    step.clubBefore = m_club;
    step.eventBefore = m_event;
    m_rows.Clear();
    m_rows.AddSorted(std::move(rows));
    m_club = club;
    m_event = event;
    step.rowsAfter = Entries();
    step.clubAfter = club;
    step.eventAfter = event;
    m_editOpen = false;
    Push(std::move(step));
    SetModified(false);
    Q_EMIT changed();
}

EntryDocument::AddManyResult EntryDocument::AddMany(QList<EntryRow> rows, const QString& fileName)
{
    if (rows.isEmpty())
        return AddManyResult::Nothing;
    if (Count() + rows.size() > entry::kMaxEntries)
        return AddManyResult::TooMany;
    Step step = MakeStep(Named(u"Import aus", fileName));
    step.rowsBefore = Entries();
    m_rows.AddSorted(std::move(rows));
    step.rowsAfter = Entries();
    m_editOpen = false;
    Push(std::move(step));
    return AddManyResult::Added;
}

EntryDocument::Counts EntryDocument::Totals() const
{
    Counts counts{Count(), 0};
    for (int i = 0; i < Count(); ++i)
        counts.male += entry::GenderOf(Code(i));
    return counts;
}

EntryDocument::PrintBlock EntryDocument::PrintBlocker() const
{
    if (m_club.isEmpty() || m_event.isEmpty())
        return PrintBlock::NoClubOrEvent;
    if (Count() == 0)
        return PrintBlock::Empty;
    return PrintBlock::None;
}

void EntryDocument::SetModified(bool modified)
{
    Changing([&] {
        m_changedBesideRows = modified;
        if (!modified)
            m_savedAt = m_done;
    });
}
