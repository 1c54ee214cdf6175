#pragma once
// The program's one working window: club and event, the four fields of the editing buffer, the
// entry list, load and save. The participants live in the document (m_document), which the list
// shows; the handlers read the fields, call the document or a command, and show the result.

#include "app/CIconListBox.h"
#include "app/CImageList.h"
#include "app/CInfoDlg.h"
#include "app/Commands.h"
#include "app/Settings.h"
#include "entries/EntryDocument.h"
#include "invitation/Reader.h"
#include "mail/TestMail.h"
#include "messages/Messages.h"

#include <optional>
#include <QDialog>
#include <QHash>
#include <QIcon>
#include <QPointer>
#include <QString>

class ElidingLabel;
class QAction;
class QCheckBox;
class QComboBox;
class QDragEnterEvent;
class QDropEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

class CEntryDlg : public QDialog
{
    Q_OBJECT

public:
    // Control ids, kept from the window's original layout; tests and code find controls by them.
    enum ControlId : int
    {
        IDOK_Exit = 1,
        IDHELP = 9,
        IDC_ENTRIES = 1004,
        IDC_FIRSTNAME = 1005,
        IDC_NAME = 1006,
        IDC_YEAR = 1007,
        IDC_ADD = 1008,
        IDC_REMOVE = 1009,
        IDC_FEMALE = 1010,
        IDC_MALE = 1011,
        IDC_GENDER_GROUP = 1012,
        IDC_SAVE = 1013,
        IDC_LOAD = 1014,
        IDC_SEND = 1015,
        IDC_NEW = 1016,
        IDC_CLUB = 1017,
        IDC_EVENT = 1018,
        IDC_DUMMY = 1020,
        IDC_AUTOSAVE = 1022,
    };

    explicit CEntryDlg(QWidget* parent = nullptr);
    ~CEntryDlg() override;

    /// The control with the given id, or null.
    QWidget* GetDlgItem(int id) const;

    /// Moves fields 1005-1007 and check box 1022 between controls and members. true: controls
    /// into members (can fail at the year field); false: members into controls. Notifications that
    /// the exchange itself causes reach no handler.
    bool UpdateData(bool saveAndValidate = true);

    // Handlers of the controls' notifications.
    void OnInitDialog();
    void OnSelChangeClub();
    void OnSelChangeEvent();
    /// The chosen flags and the buttons after any change of club or event.
    void followChoice();
    void EnableEditButtons();
    void OnOK();
    void OnDummy() {}
    void OnHelpButton();
    void OnAbout();
    void OnAdd();
    void OnRemove();
    void OnNew();
    void OnSelChangeEntries();
    void OnChangeName();
    void OnKillFocusYear();
    void OnFemale();
    void OnMale();
    void OnSave();
    void OnLoad();
    void OnSend();

    // Commands beyond the buttons: each in the window's context menu with its own shortcut.
    void OnImport();  ///< Ctrl+I: participants from a club's member list (CSV), after a preview
    void OnPrint();   ///< Ctrl+P: the registration in a print preview
    void OnSavePdf(); ///< the same pages as a PDF file
    void OnGather();  ///< Ctrl+G: for the organiser, all clubs' entry files of a folder as one list
    void OnUndo();    ///< Ctrl+Z: takes back the last change of the list
    void OnRedo();    ///< Ctrl+Shift+Z, Ctrl+Y: makes it again
    void OnOpenInvitation();  ///< the organiser's event file: its clubs, events, years and fees
    void OnCloseInvitation(); ///< back to the lists built into the program
    void OnContact();         ///< the club's contact person, for the form and the organiser
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

    int SyncGenderAndUpdate(int direction);
    int UpdateSelectedEntry(qint32 code);
    void InitImageList();

    /// Help request as the window receives it; with Shift, Ctrl or Alt held it shows nothing.
    void requestHelp(Qt::KeyboardModifiers modifiers);

    /// Text of the selected item of a drop-down list, empty when none is selected.
    static QString selectedText(const QComboBox* box);
    /// Every item of a drop-down list, in its order.
    static QStringList itemsOf(const QComboBox* box);

    /// The stored settings the window starts with (before OnInitDialog) and hands back.
    void applySettings(const Settings& settings);
    Settings currentSettings() const
    {
        return {m_bAutoSave, m_strPath, m_strInvitation, m_contact};
    }

    /// Points the hidden test-mail action elsewhere; tests use loopback servers.
    void setTestMailSettings(const TestMailSettings& settings) { m_testMail = settings; }

    /// Whether there are unsaved changes (1) or not (0); for tests.
    qint32 modified() const { return m_bModified; }

protected:
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
#ifdef Q_OS_WIN
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;
#endif

private:
    void buildControls();
    void buildCommands();
    /// Enables the print commands (with the reason in their tooltips) and rewrites the counts
    /// under the list; runs on every change of the list or of the club and event choice.
    void updateListState();
    /// Asks before unsaved changes are replaced by a loaded file; true: go on.
    bool mayDiscardChanges();
    void connectControls();
    void setFocusToFirstName();
    /// Before any command: what leaving the field being edited would do (a typed year written
    /// into the selected row or refused, a typed club or event settled). false: refused, with
    /// its message; the command must not run.
    bool commitPendingEdit();
    /// Leaving the year field: the year into the selected row, or refused with the message;
    /// true when it was taken.
    bool leaveYearField();
    /// Runs a command once the pending edit is committed.
    void runCommand(void (CEntryDlg::*handler)());
    /// "Hinzu" while the selected row was renamed in the fields: asks whether the old participant
    /// stays; true when the add is dealt with (or cancelled) here.
    bool addAfterRename(const QString& text);
    /// Empties the fields for the next participant ("weiblich", year 0), as every command that
    /// leaves the selected row does; with the caret in "Vorname" where the user goes on typing.
    void clearFields(bool focusFirstName);
    void resetGenderButtons();
    void OnGenderClicked(const QRadioButton* button, int gender);
    void showRejectedCharacter(QLineEdit* field, char32_t ch);
    void stepThroughHistory(const QString& said, bool back);
    /// The status line beside the counts: the last file action (or why a command could not run)
    /// and whether anything is unsaved.
    void showStatus(const QString& text);
    void updateStatus();
    void updateHistory();
    /// Whether the print command cannot run now; then the status line says why.
    bool sayWhyNot(const QAction* command);
    static QString statusOfFile(messages::FileAction action, const QString& path);
    /// The open event file's entry for the chosen event; null without one.
    const invitation::Event* chosenEvent() const;
    /// The club and event lists of the open event file, or the built-in ones.
    void useLists();
    /// The line under the event field: the chosen event's date, place and deadline.
    void updateEventInfo();
    /// Why the chosen event does not admit the year; empty when it does.
    QString refusedForEvent(int year) const;
    /// What the printed registration adds beyond the document: the open event file's lines and
    /// GiroCode, the contact person, the automatic name.
    commands::PaperExtras paperExtras() const;
    /// The name "Speichern" proposes while automatic names are on.
    QString automaticName() const;
    /// The participants the fee is charged for.
    qsizetype billedCount() const;
    /// What "An Veranstalter senden…" needs beyond the document.
    commands::Sending sending() const;
    /// An open event: the club typed into the field becomes the choice. true when it did.
    bool takeTypedClub();
    /// Leaving a club or event field: it shows the chosen item's text again (see there).
    void settleChoice(QComboBox* box);

    // The registration being edited, and the folders the file dialogs open in.
    EntryDocument m_document;
    RememberedFolders m_folders;

    // The change flag lives in the document; the window reads it under its own name.
    class ModifiedFlag
    {
    public:
        explicit ModifiedFlag(const EntryDocument& document) : m_document(document) {}
        operator qint32() const { return m_document.isModified() ? 1 : 0; }

    private:
        const EntryDocument& m_document;
    };

    // State, named as the rest of the program knows it.
    QString& m_strPath = m_folders.entryFiles; // the stored folder, setting "path"
    QComboBox* m_cbClub = nullptr;
    QComboBox* m_cbEvent = nullptr;
    CIconListBox* m_lbEntries = nullptr;
    QString m_strFirstName;
    QString m_strName;
    qint32 m_nYear = 0;
    qint32 m_bAutoSave = 0;
    QIcon m_hIcon;
    CImageList m_imageList;
    const ModifiedFlag m_bModified{m_document};
    qint32 m_bEventChosen = 0;
    qint32 m_bClubChosen = 0;
    qint32 m_nGender = 0;
    TestMailSettings m_testMail = defaultTestMailSettings();

    QLineEdit* m_edFirstName = nullptr;
    QLineEdit* m_edName = nullptr;
    QLineEdit* m_edYear = nullptr;
    QRadioButton* m_rbFemale = nullptr;
    QRadioButton* m_rbMale = nullptr;
    QCheckBox* m_chkAutoSave = nullptr;
    QLabel* m_lblCounts = nullptr;
    ElidingLabel* m_lblStatus = nullptr;
    ElidingLabel* m_lblEditing = nullptr;
    ElidingLabel* m_lblEventInfo = nullptr;
    QAction* m_actCloseInvitation = nullptr;
    QAction* m_actSendToOrganiser = nullptr;
    QPushButton* m_btnSendToOrganiser = nullptr; // shown while an event file is open
    std::optional<invitation::Invitation> m_invitation;
    QString m_strInvitation; // the open event file, setting "invitation"
    Contact m_contact;       // the club's contact person
    QPushButton* m_btnMore = nullptr;
    QAction* m_actUndo = nullptr;
    QAction* m_actRedo = nullptr;
    QString m_strStatus;    // the last file action, shown in m_lblStatus
    int m_nEditingRow = -2; // the row m_lblEditing names (-1: none, -2: not yet shown)
    QAction* m_actImport = nullptr;
    QAction* m_actPrint = nullptr;
    QAction* m_actPdf = nullptr;
    QMenu* m_menu = nullptr;          // the window's context menu
    bool m_bListStatePending = false; // an updateListState is queued
    QHash<int, QWidget*> m_controls;
    int m_nExchangeDepth = 0; // > 0 while UpdateData runs: notifications are not dispatched
    bool m_bClosing = false;  // the user already agreed to leave
    // The year field was left towards this button and refused: its click must not run.
    QPointer<QWidget> m_refusedLeaveTo;
    bool m_bMovingFocus = false;     // the program itself moves the focus out of cleared fields
    EntryRow m_selectedAs;           // the selected row as it was when it was selected
    bool m_bStatusIsHistory = false; // the status names an undo or redo step
};
