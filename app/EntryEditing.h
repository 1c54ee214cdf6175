#pragma once
// Editing the entry list through the fields: adding the participant typed, editing the selected
// row in place as it is typed, removing it, and the year field's verdict when it is left. The
// fields are the ParticipantEditor's, the rows the document's, the rules the context's; this
// joins them with the questions and messages that each step may need.

#include "entries/Entry.h"

#include <QObject>
#include <QPointer>

class CIconListBox;
class EntryDocument;
class ParticipantEditor;
class QWidget;
class RegistrationContext;

class EntryEditing : public QObject
{
    Q_OBJECT

public:
    EntryEditing(QWidget* window, EntryDocument& document, const RegistrationContext& context,
                 ParticipantEditor* editor, CIconListBox* list);

    /// "Hinzu": the participant typed into the list, after the rules and any question.
    void add();
    /// "Entfernen": the selected row; a message when none is selected.
    void remove();
    /// The fields start a new participant: the row being edited is closed and unselected. After
    /// "Hinzu" (`keepGender`) the gender stays as it was.
    void startNew(bool focusFirstName, bool keepGender = false);
    /// The user selected a row: the fields show it.
    void rowSelected();
    /// The user typed a name or chose a gender: the selected row follows at once.
    void nameEdited();
    void genderChosen(int gender);
    /// Leaving the year field: the year into the selected row, or refused with the message;
    /// true when it was taken.
    bool leaveYear();
    /// Before any command: a typed year not yet dealt with is taken or refused. false: refused.
    bool commitYear();
    /// Whether a click of `button` must not run its command: the press that took the focus from
    /// the year field towards it found a typed year refused. Only that click.
    bool clickRefused(const QWidget* button);
    /// Undo (`back`) or redo one step; what the status line says of it, empty when there was
    /// nothing to take back or make again.
    QString step(bool back);
    /// The line above the fields, for the selection as it is now.
    void showEditing();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool addAfterRename(const QString& text, qint32 code);
    void updateSelected(qint32 code);

    QWidget* m_window;
    EntryDocument& m_document;
    const RegistrationContext& m_context;
    ParticipantEditor* m_editor;
    CIconListBox* m_list;
    EntryRow m_selectedAs; // the selected row as it was when it was selected
    QPointer<QWidget> m_refusedLeaveTo;
    QString m_refusedYear; ///< the year text last refused, while the field still shows it
};
