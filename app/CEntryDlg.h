#pragma once
// The program's one working window. It composes its parts — club and event, the editing buffer,
// the entry list, the status line, the commands — and routes each user action to the document
// (m_document, which the list shows), the registration's context (m_context) or a command, and
// shows the result. The rules themselves live below the window.

#include "app/CIconListBox.h"
#include "app/CImageList.h"
#include "app/CInfoDlg.h"
#include "app/ClubEventChooser.h"
#include "app/EntryEditing.h"
#include "app/HelpViewer.h"
#include "app/RegistrationContext.h"
#include "app/Settings.h"
#include "app/WindowCommands.h"
#include "app/WindowFrame.h"
#include "entries/EntryDocument.h"
#include "mail/TestMail.h"

#include <QApplication>
#include <QDialog>
#include <QIcon>
#include <QTimer>

class ParticipantEditor;
class StatusLine;

class CEntryDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CEntryDlg(QWidget* parent = nullptr);
    ~CEntryDlg() override;

    // Handlers of the controls' notifications.
    void OnInitDialog();
    void OnSelChangeClub() { m_document.chooseClub(m_chooser->club()), followChoice(); }
    void OnSelChangeEvent() { m_document.chooseEvent(m_chooser->event()), followChoice(); }
    void EnableEditButtons();
    void OnOK();
    void OnHelpButton() { requestHelp(QApplication::keyboardModifiers()); }
    void OnAbout() { CInfoDlg(this).exec(); }
    void OnAdd();
    void OnRemove() { m_editing->remove(); }
    void OnNew() { m_editing->startNew(true); }
    void OnSelChangeEntries() { m_editing->rowSelected(); }
    void OnChangeName() { m_editing->nameEdited(); }
    void OnKillFocusYear() { m_editing->leaveYear(); }
    void OnFemale() { m_editing->genderChosen(entry::Female); }
    void OnMale() { m_editing->genderChosen(entry::Male); }
    void OnDummy() {}
    void OnSave();
    void OnLoad();
    void OnSend() { commands::sendTestMail(this, m_testMail); }

    // Commands beyond the buttons: each in the window's context menu.
    void OnImport();  ///< Ctrl+I: participants from a club's member list (CSV), after a preview
    void OnPrint();   ///< Ctrl+P: the registration in a print preview
    void OnSavePdf(); ///< the same pages as a PDF file
    /// Ctrl+G: for the organiser, all clubs' entry files of a folder as one list
    void OnGather() { commands::gather(this, m_folders.gathering, m_context); }
    void OnUndo() { stepThroughHistory(true); }  ///< Ctrl+Z: takes back the last change
    void OnRedo() { stepThroughHistory(false); } ///< Ctrl+Shift+Z, Ctrl+Y: makes it again
    void OnOpenInvitation();  ///< the organiser's event file: its clubs, events, years and fees
    void OnCloseInvitation(); ///< back to the lists built into the program
    /// The club's contact person, for the form and the organiser.
    void OnContact();
    void OnSendToOrganiser(); ///< Ctrl+Enter: saved, as PDF, handed to the user's mail program

    /// Opens an organiser's event file. At the start (the last one, opened again) a file that is
    /// gone or broken only leaves a word in the status line; otherwise a message says why, and a
    /// chosen club or event that the file lacks is only cleared after asking. true: it is open.
    bool openInvitation(const QString& path, bool atStart);
    /// Loads an entry file without asking for it, with the messages and rules of "Laden": the
    /// command line and a file dropped on the window. Does not ask about unsaved changes.
    void loadPath(const QString& path);

    /// The participants in list order.
    QList<EntryRow> entries() const { return m_document.entries(); }
    /// Help request as the window receives it; with Shift, Ctrl or Alt held it shows nothing.
    void requestHelp(Qt::KeyboardModifiers modifiers)
    {
        if (!(modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)))
            help::show();
    }

    /// The stored settings the window starts with (before OnInitDialog) and hands back.
    void applySettings(const Settings& settings);
    Settings currentSettings() const;
    /// Writes the settings now: the event file and the contact person are remembered as soon as
    /// they change, not only when the window closes normally (a session that ends, or a program
    /// that the system ends, never passes through the destructor).
    void rememberSettings() const;
    /// Points the hidden test-mail action elsewhere; tests use loopback servers.
    void setTestMailSettings(const TestMailSettings& settings) { m_testMail = settings; }
    /// Whether there are unsaved changes (1) or not (0).
    qint32 modified() const { return m_document.isModified() ? 1 : 0; }

protected:
    void reject() override;
    void keyPressEvent(QKeyEvent* event) override;
#ifdef Q_OS_WIN
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;
#endif

private:
    void connectParts();
    void connectButtons();
    void InitImageList();
    void followChoice();
    void updateListState();
    bool mayLoseChanges(const QString& question);
    /// Before any command: what leaving the field being edited would do (a typed year taken or
    /// refused, a typed club or event settled). false: refused; the command must not run.
    bool commitPendingEdit();
    void runCommand(void (CEntryDlg::*handler)())
    {
        if (commitPendingEdit())
            (this->*handler)();
    }
    void run(WindowCommands::Command command);
    void stepThroughHistory(bool back);
    bool sayWhyNot(WindowCommands::Command command);
    void useLists();
    bool autoSaveChecked();

    EntryDocument m_document;
    RememberedFolders m_folders;
    RegistrationContext m_context{m_document};
    QString& m_strPath = m_folders.entryFiles; // the stored folder, setting "path"
    qint32 m_bAutoSave = 0;                    // setting "autoSave", taken from the check box
    QString m_strInvitation;                   // setting "invitation" until OnInitDialog opens it
    QIcon m_hIcon;
    CImageList m_imageList;
    TestMailSettings m_testMail = defaultTestMailSettings();

    ClubEventChooser* m_chooser = nullptr;
    ParticipantEditor* m_editor = nullptr;
    CIconListBox* m_lbEntries = nullptr;
    StatusLine* m_status = nullptr;
    WindowCommands* m_commands = nullptr;
    WindowFrame m_frame;
    EntryEditing* m_editing = nullptr;

    QTimer m_listState;      // one update of counts and commands per pass of the event loop
    bool m_bClosing = false; // the user already agreed to leave
};
