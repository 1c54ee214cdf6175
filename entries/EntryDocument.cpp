#include "entries/EntryDocument.h"

#include <QCoreApplication>

EntryDocument::EntryDocument(QObject* parent) : QObject(parent)
{
    for (const auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(&m_rows, signal, this, &EntryDocument::changed);
    connect(&m_rows, &QAbstractItemModel::modelReset, this, &EntryDocument::changed);
    connect(&m_rows, &QAbstractItemModel::dataChanged, this, &EntryDocument::changed);
}

QList<EntryRow> EntryDocument::entries() const
{
    QList<EntryRow> entries;
    entries.reserve(count());
    for (int i = 0; i < count(); ++i)
        entries.append({text(i), code(i)});
    return entries;
}

void EntryDocument::setClub(const QString& club)
{
    if (club != m_club) {
        m_club = club;
        Q_EMIT changed();
    }
}

void EntryDocument::chooseClub(const QString& club)
{
    setClub(club);
    setModified(true);
}

void EntryDocument::chooseEvent(const QString& event)
{
    setEvent(event);
    setModified(true);
}

void EntryDocument::setEvent(const QString& event)
{
    if (event != m_event) {
        m_event = event;
        Q_EMIT changed();
    }
}

bool EntryDocument::contains(const QString& text, qint32 year) const
{
    for (int i = 0; i < count(); ++i) {
        if (entry::sameParticipant(this->text(i), entry::yearOf(this->code(i)), text, year))
            return true;
    }
    return false;
}

namespace {

// The steps' names as the undo and redo commands show them, for lupdate and
// i18n/zandrel_de.ts under "EntryDocument".
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(EntryDocument)
};

} // namespace

template <typename Change> void EntryDocument::changing(Change change)
{
    const bool was = isModified();
    change();
    if (isModified() != was)
        Q_EMIT modifiedChanged(!was);
}

EntryDocument::Step EntryDocument::makeStep(QString name, int row)
{
    Step step;
    step.name = std::move(name);
    step.row = row;
    return step;
}

void EntryDocument::push(Step step)
{
    changing([&] {
        // A step that can no longer be redone takes the saved state with it.
        if (m_savedAt > m_done)
            m_savedAt = -1;
        m_steps.resize(static_cast<size_t>(m_done));
        m_steps.push_back(std::move(step));
        ++m_done;
    });
}

void EntryDocument::apply(const Step& step, bool forward)
{
    if (step.row < 0) {
        m_rows.setRows(forward ? step.rowsAfter : step.rowsBefore);
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
        m_rows.insert(step.row, to.text, to.code);
    else if (to.text.isNull())
        m_rows.remove(step.row);
    else
        m_rows.setRow(step.row, to.text, to.code);
}

void EntryDocument::undo()
{
    if (!canUndo())
        return;
    m_editOpen = false;
    changing([&] { apply(m_steps[static_cast<size_t>(--m_done)], false); });
}

void EntryDocument::redo()
{
    if (!canRedo())
        return;
    m_editOpen = false;
    changing([&] { apply(m_steps[static_cast<size_t>(m_done++)], true); });
}

int EntryDocument::Add(const QString& text, qint32 code)
{
    const int row = m_rows.addSorted(text, code);
    Step step = makeStep(Text::tr("Hinzufügen von „%1“").arg(text), row);
    step.after = {text, code};
    m_editOpen = false;
    push(std::move(step));
    return row;
}

void EntryDocument::updateRow(int row, const QString& text, qint32 code)
{
    if (!isValidRow(row))
        return;
    const EntryRow before{this->text(row), this->code(row)};
    const EntryRow after{text, code == -1 ? before.code : code};
    if (after == before)
        return;
    m_rows.setRow(row, after.text, after.code);
    Step* open = m_editOpen && m_done == static_cast<qsizetype>(m_steps.size()) && m_done > 0
                     ? &m_steps[static_cast<size_t>(m_done - 1)]
                     : nullptr;
    if (open && open->row == row && !open->before.text.isNull() && !open->after.text.isNull()) {
        // The same row typed on: one step, from the row as it was before the first keystroke.
        changing([&] {
            open->after = after;
            if (m_savedAt == m_done)
                m_savedAt = -1;
        });
        return;
    }
    Step step = makeStep(Text::tr("Ändern von „%1“").arg(before.text), row);
    step.before = before;
    step.after = after;
    push(std::move(step));
    m_editOpen = true;
}

int EntryDocument::restoreAndAdd(int row, const EntryRow& original, const QString& text,
                                 qint32 code)
{
    if (!isValidRow(row))
        return Add(text, code);
    const bool renameOnTop = m_editOpen && m_done == static_cast<qsizetype>(m_steps.size()) &&
                             m_done > 0 && m_steps.back().row == row &&
                             m_steps.back().before == original;
    if (renameOnTop) {
        // The rename never happened: its step goes, and the add below is the one step.
        changing([&] {
            m_rows.setRow(row, original.text, original.code);
            m_steps.pop_back();
            --m_done;
        });
        return Add(text, code);
    }
    // The rename is older than the open step: one step over the whole list.
    Step step = makeStep(Text::tr("Hinzufügen von „%1“").arg(text));
    step.rowsBefore = entries();
    m_rows.setRow(row, original.text, original.code);
    const int added = m_rows.addSorted(text, code);
    step.rowsAfter = entries();
    m_editOpen = false;
    push(std::move(step));
    return added;
}

bool EntryDocument::remove(int row)
{
    if (!isValidRow(row))
        return false;
    Step step = makeStep(Text::tr("Entfernen von „%1“").arg(text(row)), row);
    step.before = {text(row), code(row)};
    m_rows.remove(row);
    m_editOpen = false;
    push(std::move(step));
    return true;
}

void EntryDocument::load(QList<EntryRow> rows, const QString& club, const QString& event,
                         const QString& fileName)
{
    Step step = makeStep(Text::tr("Laden von „%1“").arg(fileName));
    step.load = true;
    step.rowsBefore = entries();
    step.clubBefore = m_club;
    step.eventBefore = m_event;
    m_rows.clear();
    m_rows.addSorted(std::move(rows));
    m_club = club;
    m_event = event;
    step.rowsAfter = entries();
    step.clubAfter = club;
    step.eventAfter = event;
    m_editOpen = false;
    push(std::move(step));
    setModified(false);
    Q_EMIT changed();
}

EntryDocument::AddManyResult EntryDocument::addMany(QList<EntryRow> rows, const QString& fileName)
{
    if (rows.isEmpty())
        return AddManyResult::Nothing;
    if (count() + rows.size() > entry::kMaxEntries)
        return AddManyResult::TooMany;
    Step step = makeStep(Text::tr("Import aus „%1“").arg(fileName));
    step.rowsBefore = entries();
    m_rows.addSorted(std::move(rows));
    step.rowsAfter = entries();
    m_editOpen = false;
    push(std::move(step));
    return AddManyResult::Added;
}

EntryDocument::Counts EntryDocument::totals() const
{
    Counts counts{count(), 0};
    for (int i = 0; i < count(); ++i)
        counts.male += entry::genderOf(code(i));
    return counts;
}

EntryDocument::PrintBlock EntryDocument::printBlocker() const
{
    if (m_club.isEmpty() || m_event.isEmpty())
        return PrintBlock::NoClubOrEvent;
    if (count() == 0)
        return PrintBlock::Empty;
    return PrintBlock::None;
}

void EntryDocument::setModified(bool modified)
{
    changing([&] {
        m_changedBesideRows = modified;
        if (!modified)
            m_savedAt = m_done;
    });
}
