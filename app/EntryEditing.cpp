#include "app/EntryEditing.h"

#include "app/CIconListBox.h"
#include "app/MessageBox.h"
#include "app/ParticipantEditor.h"
#include "app/RegistrationContext.h"
#include "entries/EntryDocument.h"
#include "messages/Messages.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

EntryEditing::EntryEditing(QWidget* window, EntryDocument& document,
                           const RegistrationContext& context, ParticipantEditor* editor,
                           CIconListBox* list)
    : QObject(window), m_window(window), m_document(document), m_context(context), m_editor(editor),
      m_list(list)
{
    m_list->installEventFilter(this);
    connect(m_editor, &ParticipantEditor::yearLeft, this, [this](bool typed) {
        // Where the focus was going: a refusal puts it back into the year.
        QWidget* to = QApplication::focusWidget();
        if (leaveYear() || !typed || !qobject_cast<QPushButton*>(to))
            return;
        m_refusedLeaveTo = to;
        QTimer::singleShot(0, this, [this] { m_refusedLeaveTo = nullptr; });
    });
}

bool EntryEditing::clickRefused(const QWidget* button)
{
    return button && std::exchange(m_refusedLeaveTo, nullptr) == button;
}

bool EntryEditing::eventFilter(QObject* watched, QEvent* event)
{
    // Delete in the list removes the selected row, as "Entfernen" does.
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete &&
        static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
        remove();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void EntryEditing::add()
{
    const std::optional<qint32> year = m_editor->takeYear();
    if (!year)
        return;
    const entry::Participant typed = m_editor->participant();
    const QString text = entry::displayText(typed.name, typed.firstName);
    const qint32 code = entry::makeCode(*year, typed.gender);
    const RegistrationContext::AddCheck check = m_context.checkAdd(typed, entry::currentUtcYear());
    if (check.verdict == RegistrationContext::AddCheck::Incomplete ||
        check.verdict == RegistrationContext::AddCheck::NotAdmitted) {
        msgbox::show(m_window, check.message);
        return;
    }
    if (addAfterRename(text, code))
        return;
    // "Nein" keeps the fields as they are.
    if (check.verdict == RegistrationContext::AddCheck::Duplicate &&
        msgbox::show(m_window, check.message, msgbox::Buttons::YesNoDefaultNo) !=
            msgbox::Answer::Yes)
        return;
    m_document.Add(text, code);
    startNew(true, true);
}

bool EntryEditing::addAfterRename(const QString& text, qint32 code)
{
    // Typing the next child into a selected row renames that row as it is typed; adding it then
    // would leave the old participant gone. Asked only when the name was changed in place.
    const int row = m_list->GetCurSel();
    if (row < 0 || m_list->GetText(row) == m_selectedAs.text)
        return false;
    const messages::RenamedQuestion question =
        messages::renamedInPlace(entry::shownName(m_selectedAs.text), entry::shownName(text));
    switch (msgbox::ask(m_window, question.text, question.addNew, question.keepChange)) {
    case msgbox::Answer::Yes:
        m_document.restoreAndAdd(row, m_selectedAs, text, code);
        break;
    case msgbox::Answer::No:
        break; // the rename stays, as the one step it already is
    default:
        return true; // nothing decided: the fields stay as they are
    }
    startNew(true);
    return true;
}

void EntryEditing::startNew(bool focusFirstName, bool keepGender)
{
    m_document.closeEdit();
    m_list->SetCurSel(-1);
    m_editor->clear(keepGender);
    if (focusFirstName)
        m_editor->focusFirstName();
}

void EntryEditing::remove()
{
    const int index = m_list->GetCurSel();
    if (index == -1) {
        msgbox::show(m_window, messages::selectFirstToRemove());
        return;
    }
    // A withdrawn participant must not stay in the saved file unnoticed: removing is a change.
    m_document.remove(index);
    startNew(false);
}

void EntryEditing::rowSelected()
{
    m_document.closeEdit();
    const int index = m_list->GetCurSel();
    if (index == -1)
        return;
    m_selectedAs = {m_list->GetText(index), m_list->GetItemData(index)};
    const entry::Names names = entry::splitDisplayText(m_selectedAs.text);
    m_editor->show({names.name, names.firstName, entry::yearOf(m_selectedAs.code),
                    entry::genderOf(m_selectedAs.code)});
}

void EntryEditing::updateSelected(qint32 code)
{
    // The row stays where it stands, even when its new text would sort elsewhere.
    if (const int index = m_list->GetCurSel(); index >= 0) {
        const entry::Participant typed = m_editor->participant();
        m_document.updateRow(index, entry::displayText(typed.name, typed.firstName), code);
        m_list->SetCurSel(index);
    }
}

void EntryEditing::nameEdited()
{
    updateSelected(-1);
    m_document.markChanged();
}

bool EntryEditing::leaveYear()
{
    // A refused year left again untouched has had its message: "Hinzu" says the rest.
    const bool retyped = m_editor->isYearPending();
    m_editor->setYearDealtWith(); // what was typed is dealt with now, one way or the other
    if (!retyped && !m_refusedYear.isNull() && m_editor->yearText() == m_refusedYear)
        return false;
    m_refusedYear.clear();
    // An empty field is a year not yet typed, no wrong one: "Hinzu" asks for it.
    if (m_editor->yearText().trimmed().isEmpty())
        return true;
    const std::optional<qint32> typed = m_editor->takeYear();
    // A text that is no number was refused with its message; the last year still counts.
    const qint32 year = typed.value_or(m_editor->lastYear());
    const int thisYear = entry::currentUtcYear();
    const RegistrationContext::Year verdict = m_context.checkYear(year, thisYear);
    if (verdict == RegistrationContext::Year::Ok) {
        updateSelected(entry::makeCode(year, m_editor->participant().gender));
        return typed.has_value();
    }
    msgbox::show(m_window, m_context.yearRefusal(verdict, year, thisYear));
    // Back to the year, the refused text selected to be typed over; a row being corrected keeps
    // its year, and the field shows that.
    const int selected = m_list->GetCurSel();
    if (selected < 0)
        m_refusedYear = m_editor->yearText();
    m_editor->refuseYear(selected >= 0
                             ? std::optional<qint32>(entry::yearOf(m_list->GetItemData(selected)))
                             : std::nullopt);
    return false;
}

void EntryEditing::genderChosen(int gender)
{
    // Without a valid year the row keeps its whole code, old gender included, until a valid
    // year is entered.
    const int year = entry::CheckBirthYear(m_editor->lastYear());
    updateSelected(year != -1 ? entry::makeCode(year, gender) : -1);
}

bool EntryEditing::commitYear()
{
    // A field that the program filled has nothing to take.
    return !m_editor->isYearPending() || leaveYear();
}

void EntryEditing::showEditing()
{
    // The row as it is now, and as it was chosen once the fields have renamed it: typing the next
    // child into a selected row shows at once whom it overwrites.
    const int selected = m_list->GetCurSel();
    if (selected < 0)
        m_editor->showEditing({}, {});
    else
        m_editor->showEditing(entry::shownName(m_list->GetText(selected)),
                              entry::shownName(m_selectedAs.text));
}

QString EntryEditing::step(bool back)
{
    if (!(back ? m_document.canUndo() : m_document.canRedo()))
        return {};
    QString said =
        messages::historyStep(back, back ? m_document.undoName() : m_document.redoName());
    // The fields must not go on editing a row that the step may have moved or taken away: they
    // start a new participant, as after "Neu", and keep the focus where it is.
    startNew(false);
    back ? m_document.undo() : m_document.redo();
    return said;
}
