#include "app/CEntryDlg.h"

#include "app/DataExchange.h"
#include "app/DataPath.h"
#include "app/FileDrop.h"
#include "app/KeyboardRules.h"
#include "app/MessageBox.h"
#include "app/ParticipantEditor.h"
#include "app/StatusLine.h"
#include "app/WindowPlacement.h"
#include "entries/Clubs.h"
#include "messages/Invitation.h"
#include "messages/Messages.h"
#include "report/Registration.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

CEntryDlg::CEntryDlg(QWidget* parent) : QDialog(parent)
{
    keys::showOpenMenuToAccessibility(QStringLiteral("CEntryDlg"), QStringLiteral("contextMenu"));
    // The application has made the icon already; tests may run the window without it.
    m_hIcon = QApplication::windowIcon().isNull() ? applicationIcon() : QApplication::windowIcon();
    setWindowTitle(tr("Zandrel (Version 2.0)"));
    setObjectName(QStringLiteral("CEntryDlg"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setSizeGripEnabled(true);
    m_chooser = new ClubEventChooser(this, lists::clubs(), lists::events());
    m_editor = new ParticipantEditor(this);
    m_status = new StatusLine(this);
    m_frame = WindowFrame::build(this, *m_chooser, *m_editor, *m_status);
    m_lbEntries = m_frame.list;
    m_lbEntries->setModel(m_document.model());
    m_commands = new WindowCommands(this, m_frame.more);
    m_editing = new EntryEditing(this, m_document, m_context, m_editor, m_lbEntries);
    connectParts();
    updateListState();
}

CEntryDlg::~CEntryDlg()
{
    // The base class destroys the controls after this object is gone; focus moves and selection
    // changes they raise on the way out must not reach the handlers any more.
    for (QObject* child : findChildren<QObject*>())
        disconnect(child, nullptr, this, nullptr);
    // The settings are written whatever way the window was closed.
    rememberSettings();
}

void CEntryDlg::applySettings(const Settings& settings)
{
    m_bAutoSave = settings.autoSave;
    m_strPath = settings.path;
    m_context.contact = settings.contact;
    m_strInvitation = settings.invitation; // opened again by OnInitDialog
}

Settings CEntryDlg::currentSettings() const
{
    const QString& invitation =
        m_context.invitation() ? m_context.invitationPath() : m_strInvitation;
    return {m_bAutoSave, m_strPath, invitation, m_context.contact};
}

void CEntryDlg::rememberSettings() const
{
    currentSettings().write(QCoreApplication::applicationName());
}

void CEntryDlg::OnInitDialog()
{
    m_bAutoSave = ddx::clampCheckState(m_bAutoSave);
    m_frame.autoSave->setChecked(m_bAutoSave != 0);
    m_editor->clear();
    placement::addAboutToSystemMenu(*this, m_commands->action(WindowCommands::About)->text());
    setWindowIcon(m_hIcon);
    // Centred in the free area of the screen, and wholly on it, also on a netbook.
    placement::placeOnScreen(*this, QSize(720, 500));
    InitImageList();
    m_lbEntries->m_pImageList = &m_imageList;
    m_editor->focusFirstName();
    // The event file of the last session; when it is gone or broken, the built-in lists.
    if (const QString last = std::exchange(m_strInvitation, QString()); !last.isEmpty())
        openInvitation(last, true);
    help::logManualPath();
}

void CEntryDlg::InitImageList()
{
    // Without the pictures the list still works; the rows just keep an empty gap on the left.
    loadGenderPictures(m_imageList);
}

void CEntryDlg::followChoice()
{
    // The buttons follow the document's rule; "Speichern" is the one that can go off again (a
    // load or an undo that leaves club or event unchosen).
    if (m_document.canEdit())
        EnableEditButtons();
    else
        m_frame.save->setEnabled(false);
    const invitation::Event* event = m_context.chosenEvent();
    m_chooser->showEventInfo(event ? messages::eventInfo(*event, QDateTime::currentDateTime())
                                   : QString());
    // The list marks the children that the event does not admit.
    m_document.model()->setAdmittedYears(m_context.admitted().first, m_context.admitted().last);
}

void CEntryDlg::EnableEditButtons()
{
    for (QPushButton* button : {m_frame.add, m_frame.newEntry, m_frame.remove, m_frame.save})
        button->setEnabled(true);
}

bool CEntryDlg::autoSaveChecked()
{
    m_bAutoSave = m_frame.autoSave->isChecked() ? 1 : 0;
    return m_bAutoSave == 1;
}

void CEntryDlg::OnOK()
{
    if (!mayLoseChanges(messages::exitQuestion()) || !m_editor->takeYear())
        return;
    autoSaveChecked();
    m_bClosing = true;
    accept();
}

void CEntryDlg::reject()
{
    // Escape, the close box and Alt+F4 end here. Leaving with unsaved participants must not happen
    // by a slip of the finger, so the same question as on "Beenden" comes first, after a typed
    // year has counted as a change.
    if (!m_bClosing && (!commitPendingEdit() || !mayLoseChanges(messages::exitQuestion())))
        return;
    m_bClosing = true;
    QDialog::reject();
}

#ifdef Q_OS_WIN
bool CEntryDlg::nativeEvent(const QByteArray& eventType, void* message, qintptr* result)
{
    if (!placement::isAboutCommand(message))
        return QDialog::nativeEvent(eventType, message, result);
    OnAbout();
    *result = 0;
    return true;
}
#endif

void CEntryDlg::OnAdd()
{
    autoSaveChecked();
    m_editing->add();
}

bool CEntryDlg::commitPendingEdit()
{
    m_chooser->settle();
    return m_editing->commitYear();
}

void CEntryDlg::OnSave()
{
    const QString proposed = autoSaveChecked() ? m_context.automaticName() : QString();
    if (const std::optional<QString> saved =
            commands::saveEntryFile(this, m_document, proposed, m_strPath))
        m_status->sayDone(messages::FileAction::Saved, *saved);
}

void CEntryDlg::OnLoad()
{
    if (!mayLoseChanges(messages::discardQuestion()))
        return;
    if (const std::optional<QString> path = commands::chooseEntryFileToLoad(this, m_strPath))
        loadPath(*path);
}

bool CEntryDlg::mayLoseChanges(const QString& question)
{
    // A loaded file replaces the whole list, and leaving ends it: unsaved changes would be gone
    // without a word.
    return modified() != 1 ||
           msgbox::show(this, question, msgbox::Buttons::YesNoDefaultNo) == msgbox::Answer::Yes;
}

void CEntryDlg::loadPath(const QString& path)
{
    // An open event takes the file's club as it is, as it would take it typed.
    const std::optional<QString> loaded = commands::loadEntryFile(
        this, m_document, path,
        {m_chooser->clubs(), m_chooser->events(), m_context.invitation().has_value()},
        [this](const QString& club) { return m_context.takesClub(club); });
    if (!loaded)
        return;
    // A club or event that the file does not name in the list is no choice at all: keeping the
    // previous one would save these participants as another club's registration.
    m_chooser->setLists(m_context.clubs(), m_chooser->events());
    m_chooser->selectTexts(m_document.club(), m_document.event());
    followChoice();
    m_status->say(*loaded);
}

void CEntryDlg::OnImport()
{
    if (const std::optional<QString> done =
            commands::import(this, m_document, m_folders.memberLists, m_context.admitted()))
        m_status->say(*done);
}

void CEntryDlg::OnPrint()
{
    if (!sayWhyNot(WindowCommands::Print))
        commands::print(this, m_document, m_context.paperExtras(QDateTime::currentDateTime()));
}

void CEntryDlg::OnSavePdf()
{
    if (sayWhyNot(WindowCommands::Pdf))
        return;
    if (const std::optional<QString> saved = commands::savePdf(
            this, m_document, m_folders.pdfs, m_context.paperExtras(QDateTime::currentDateTime())))
        m_status->sayDone(messages::FileAction::PdfSaved, *saved);
}

bool CEntryDlg::sayWhyNot(WindowCommands::Command command)
{
    const QString why = messages::printBlocked(m_document.printBlocker());
    if (!why.isEmpty())
        m_status->say(WindowCommands::refusal(m_commands->action(command), why));
    return !why.isEmpty();
}

void CEntryDlg::stepThroughHistory(bool back)
{
    if (const QString said = m_editing->step(back); !said.isEmpty())
        m_status->sayStep(said);
}

void CEntryDlg::OnSendToOrganiser()
{
    if (sayWhyNot(WindowCommands::SendToOrganiser))
        return;
    // The check box decides the proposed name, as for "Speichern".
    const bool automatic = autoSaveChecked();
    commands::sendToOrganiser(this, m_document,
                              m_context.sending(automatic, QDateTime::currentDateTime()), m_strPath,
                              m_status->sayer());
}

bool CEntryDlg::openInvitation(const QString& path, bool atStart)
{
    const bool opened = commands::openInvitation(this, m_context, path, atStart, m_status->sayer());
    if (opened)
        useLists();
    return opened;
}

void CEntryDlg::OnOpenInvitation()
{
    if (commands::chooseAndOpenInvitation(this, m_context, m_folders.invitations,
                                          m_status->sayer()))
        useLists();
}

void CEntryDlg::OnCloseInvitation()
{
    if (commands::closeInvitation(this, m_context, m_status->sayer()))
        useLists();
}

void CEntryDlg::OnContact()
{
    commands::editContact(this, m_context.contact);
    rememberSettings();
}

void CEntryDlg::useLists()
{
    const ClubEventChooser::Dropped dropped =
        m_chooser->setLists(m_context.clubs(), m_context.events());
    if (dropped.club)
        m_document.chooseClub(QString());
    if (dropped.event)
        m_document.chooseEvent(QString());
    m_commands->action(WindowCommands::CloseInvitation)
        ->setEnabled(m_context.invitation().has_value());
    m_frame.sendToOrganiser->setVisible(m_context.invitation().has_value());
    followChoice();
    updateListState();
    // The event file that is open now is the one the next start opens again.
    rememberSettings();
}

void CEntryDlg::updateListState()
{
    m_status->showCounts(m_document.totals(), m_context.bill(QDateTime::currentDateTime()));
    m_commands->showSteps(m_document.undoName(), m_document.redoName());
    m_editing->showEditing();
    m_commands->setPrintBlocked(messages::printBlocked(m_document.printBlocker()));
}

void CEntryDlg::connectButtons()
{
    // A command by mnemonic, Enter or Space keeps the focus where it is: what leaving the field
    // would have done comes first, so that the command sees what the window shows.
    const auto command = [this](QPushButton* button, void (CEntryDlg::*handler)()) {
        connect(button, &QAbstractButton::clicked, this, [this, handler, button] {
            if (!m_editing->clickRefused(button))
                runCommand(handler);
        });
    };
    command(m_frame.add, &CEntryDlg::OnAdd);
    command(m_frame.remove, &CEntryDlg::OnRemove);
    command(m_frame.newEntry, &CEntryDlg::OnNew);
    command(m_frame.load, &CEntryDlg::OnLoad);
    command(m_frame.save, &CEntryDlg::OnSave);
    command(m_frame.send, &CEntryDlg::OnSend);
    command(m_frame.exit, &CEntryDlg::OnOK);
    command(m_frame.sendToOrganiser, &CEntryDlg::OnSendToOrganiser);
    // Help shows nothing of the fields: it runs whatever they hold.
    connect(m_frame.help, &QAbstractButton::clicked, this, &CEntryDlg::OnHelpButton);
    connect(m_frame.dummy, &QAbstractButton::clicked, this, &CEntryDlg::OnDummy);
}

void CEntryDlg::connectParts()
{
    connectButtons();
    connect(m_commands, &WindowCommands::triggered, this, &CEntryDlg::run);
    connect(m_lbEntries, &CIconListBox::selChange, this, &CEntryDlg::OnSelChangeEntries);
    connect(m_editor, &ParticipantEditor::nameEdited, this, &CEntryDlg::OnChangeName);
    connect(m_editor, &ParticipantEditor::submitted, this, &CEntryDlg::OnAdd);
    connect(m_editor, &ParticipantEditor::genderChosen, this,
            [this](int gender) { gender == entry::Male ? OnMale() : OnFemale(); });
    m_chooser->follow(m_document);
    connect(m_chooser, &ClubEventChooser::clubChosen, this, &CEntryDlg::OnSelChangeClub);
    connect(m_chooser, &ClubEventChooser::eventChosen, this, &CEntryDlg::OnSelChangeEvent);
    connect(m_chooser, &ClubEventChooser::notChosen, this, m_status->sayer());
    // An open event takes a typed club as it will be saved; one the entry file cannot hold is
    // refused with its reason.
    m_chooser->setTypedClubRule([this](const QString& typed) {
        if (const QString why = m_context.typedClubRefusal(typed); !why.isEmpty())
            msgbox::show(this, why);
        return m_context.takesClub(typed);
    });
    // Counts and the print commands follow the list; one update per pass of the event loop, as
    // a bulk add changes the list row by row.
    m_listState.setSingleShot(true);
    connect(&m_listState, &QTimer::timeout, this, &CEntryDlg::updateListState);
    const auto listChanged = [this] { m_listState.start(0); };
    connect(&m_document, &EntryDocument::changed, this, listChanged);
    connect(m_lbEntries->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            listChanged);
    m_status->follow(m_document);
    m_commands->follow(m_document);
    connect(&m_document, &EntryDocument::clubEventRestored, this, &CEntryDlg::followChoice);
    new FileDrop(this, [this](const QString& path) {
        if (!commitPendingEdit())
            return;
        if (path.endsWith(QStringLiteral(".aus"), Qt::CaseInsensitive))
            openInvitation(path, false);
        else if (mayLoseChanges(messages::discardQuestion()))
            loadPath(path);
    });
}

void CEntryDlg::run(WindowCommands::Command command)
{
    static constexpr void (CEntryDlg::*handlers[])() = {&CEntryDlg::OnUndo,
                                                        &CEntryDlg::OnRedo,
                                                        &CEntryDlg::OnImport,
                                                        &CEntryDlg::OnPrint,
                                                        &CEntryDlg::OnSavePdf,
                                                        &CEntryDlg::OnOpenInvitation,
                                                        &CEntryDlg::OnCloseInvitation,
                                                        &CEntryDlg::OnContact,
                                                        &CEntryDlg::OnSendToOrganiser,
                                                        &CEntryDlg::OnGather,
                                                        &CEntryDlg::OnAbout};
    // The about box shows nothing of the fields.
    if (command == WindowCommands::About)
        OnAbout();
    else
        runCommand(handlers[command]);
}

void CEntryDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1)
        return requestHelp(event->modifiers());
    // A command's shortcut while the command is unavailable: say why instead of nothing.
    if (const QString why = m_commands->whyNot(event); !why.isEmpty())
        return m_status->say(why);
    QDialog::keyPressEvent(event);
}
