#include "app/CEntryDlg.h"

#include "app/ChooseFile.h"
#include "app/DataPath.h"
#include "app/extras/Extras.h"
#include "app/ExtrasLoader.h"
#include "app/HelpViewer.h"
#include "app/KeyboardRules.h"
#include "app/MessageBox.h"
#include "app/Settings.h"
#include "app/WindowPlacement.h"
#include "entries/Entry.h"
#include "messages/Invitation.h"
#include "messages/Messages.h"

#include <algorithm>

#ifdef Q_OS_WIN
#include <windows.h>
#endif
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QTimer>

namespace {

#ifdef Q_OS_WIN
constexpr UINT_PTR kAboutCommand = 16; // the system menu command of the about item
#endif

} // namespace

CEntryDlg::CEntryDlg(QWidget* parent) : QDialog(parent)
{
    keys::showOpenMenuToAccessibility(QStringLiteral("CEntryDlg"), QStringLiteral("contextMenu"));
    // The application has made the icon already; tests may run the window without it.
    m_hIcon = QApplication::windowIcon().isNull() ? applicationIcon() : QApplication::windowIcon();
    buildControls();
    connectControls();
}

CEntryDlg::~CEntryDlg()
{
    // The base class destroys the controls after this object is gone; focus moves and selection
    // changes they raise on the way out must not reach the handlers any more.
    for (QWidget* watched :
         std::initializer_list<QWidget*>{m_edYear, m_cbClub, m_cbEvent, m_lbEntries})
        watched->removeEventFilter(this);
    for (QObject* child : findChildren<QObject*>())
        disconnect(child, nullptr, this, nullptr);
    // The settings are written whatever way the window was closed.
    currentSettings().write(QCoreApplication::applicationName());
}

void CEntryDlg::applySettings(const Settings& settings)
{
    m_bAutoSave = settings.autoSave;
    m_strPath = settings.path;
    m_strInvitation = settings.invitation;
    m_contact = settings.contact;
}

QWidget* CEntryDlg::GetDlgItem(int id) const
{
    return m_controls.value(id, nullptr);
}

void CEntryDlg::OnInitDialog()
{
    UpdateData(false);
#ifdef Q_OS_WIN
    // On Windows the title-bar menu is the program's own: the about item goes there as well.
    if (HMENU menu = GetSystemMenu(reinterpret_cast<HWND>(winId()), FALSE)) {
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(menu, MF_STRING, kAboutCommand,
                    reinterpret_cast<LPCWSTR>(QStringLiteral("Inf&o über Zandrel...").utf16()));
    }
#endif
    setWindowIcon(m_hIcon);
    // Centred in the free area of the screen, and wholly on it, also on a netbook.
    placement::placeOnScreen(*this, QSize(720, 500));
    InitImageList();
    m_lbEntries->m_pImageList = &m_imageList;
    m_nGender = entry::Female;
    resetGenderButtons();
    m_edFirstName->setFocus(Qt::OtherFocusReason);
    // The event file of the last session; when it is gone or broken, the built-in lists.
    if (const QString last = std::exchange(m_strInvitation, QString()); !last.isEmpty())
        openInvitation(last, true);
    qCInfo(lcData).noquote() << "help" << help::manualPath()
                             << (QFileInfo::exists(help::manualPath()) ? "found" : "missing");
}

void CEntryDlg::InitImageList()
{
    m_imageList.Create(35, 32, 2, 0);
    const QString path = dataPath(QStringLiteral("pictures/gender.png"));
    const QImage strip(path);
    const bool loaded = !strip.isNull() && m_imageList.Add(strip) >= 0;
    // Without the pictures the list still works; the rows just keep an empty gap on the left.
    qCInfo(lcData).noquote() << "pictures" << path << (loaded ? "loaded" : "missing");
}

void CEntryDlg::resetGenderButtons()
{
    m_rbFemale->setChecked(true);
    m_rbMale->setChecked(false);
}

void CEntryDlg::setFocusToFirstName()
{
    // The fields were just cleared: leaving the year field now is no user's leaving, and its "0"
    // is no refused year.
    const QScopedValueRollback moving(m_bMovingFocus, true);
    m_edFirstName->setFocus(Qt::OtherFocusReason);
    m_edFirstName->selectAll();
}

QStringList CEntryDlg::itemsOf(const QComboBox* box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

QString CEntryDlg::selectedText(const QComboBox* box)
{
    const int index = box->currentIndex();
    return index >= 0 ? box->itemText(index) : QString();
}

void CEntryDlg::OnSelChangeClub()
{
    m_document.chooseClub(selectedText(m_cbClub));
    followChoice();
}

void CEntryDlg::OnSelChangeEvent()
{
    m_document.chooseEvent(selectedText(m_cbEvent));
    followChoice();
}

void CEntryDlg::followChoice()
{
    // The buttons follow the document's rule; "Speichern" is the one that can go off again (a
    // load or an undo that leaves club or event unchosen).
    m_bClubChosen = m_document.club().isEmpty() ? 0 : 1;
    m_bEventChosen = m_document.event().isEmpty() ? 0 : 1;
    if (m_document.canEdit())
        EnableEditButtons();
    else
        GetDlgItem(IDC_SAVE)->setEnabled(false);
    updateEventInfo();
}

void CEntryDlg::EnableEditButtons()
{
    for (int id : {IDC_ADD, IDC_NEW, IDC_REMOVE, IDC_SAVE})
        GetDlgItem(id)->setEnabled(true);
}

void CEntryDlg::OnOK()
{
    if (m_bModified == 1 && msgbox::show(this, messages::exitQuestion(),
                                         msgbox::Buttons::YesNoDefaultNo) != msgbox::Answer::Yes)
        return;
    if (!UpdateData(true))
        return;
    m_bClosing = true;
    accept();
}

void CEntryDlg::reject()
{
    // Escape, the close box and Alt+F4 end here. Leaving with unsaved participants must not happen
    // by a slip of the finger, so the same question as on "Beenden" comes first, after a typed
    // year has counted as a change.
    if (!m_bClosing && !commitPendingEdit())
        return;
    if (!m_bClosing && m_bModified == 1 &&
        msgbox::show(this, messages::exitQuestion(), msgbox::Buttons::YesNoDefaultNo) !=
            msgbox::Answer::Yes)
        return;
    m_bClosing = true;
    QDialog::reject();
}

void CEntryDlg::OnHelpButton()
{
    requestHelp(QApplication::keyboardModifiers());
}

void CEntryDlg::requestHelp(Qt::KeyboardModifiers modifiers)
{
    if (modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier))
        return;
    help::show();
}

#ifdef Q_OS_WIN
bool CEntryDlg::nativeEvent(const QByteArray& eventType, void* message, qintptr* result)
{
    const auto* msg = static_cast<const MSG*>(message);
    // System menu commands carry flags in their lowest four bits.
    if (msg->message == WM_SYSCOMMAND && (msg->wParam & 0xFFF0) == kAboutCommand) {
        OnAbout();
        *result = 0;
        return true;
    }
    return QDialog::nativeEvent(eventType, message, result);
}
#endif

// ---- entry editing -------------------------------------------------------------------------

int CEntryDlg::SyncGenderAndUpdate(int direction)
{
    if (m_nGender == entry::Male) {
        m_rbMale->setChecked(true);
        m_rbFemale->setChecked(false);
    } else {
        m_rbMale->setChecked(false);
        m_rbFemale->setChecked(true);
    }
    return UpdateData(direction != 0) ? 1 : 0;
}

void CEntryDlg::OnAdd()
{
    SyncGenderAndUpdate(1);
    const QString text = entry::displayText(m_strName, m_strFirstName);
    const int thisYear = entry::currentUtcYear();
    if (const unsigned gaps =
            entry::gaps({m_strName, m_strFirstName, m_nYear, m_nGender}, thisYear)) {
        msgbox::show(this, messages::incomplete() + u'\n' +
                               messages::incompleteField(gaps, m_nYear, thisYear));
        return;
    }
    if (const QString refused = refusedForEvent(m_nYear); !refused.isEmpty()) {
        msgbox::show(this, messages::incomplete() + u'\n' + refused);
        return;
    }
    if (addAfterRename(text))
        return;
    // The same child twice is a slip far more often than twins of one name; "Nein" keeps the
    // fields as they are.
    if (m_document.contains(text, m_nYear) &&
        msgbox::show(this, messages::alreadyInList(text, m_nYear),
                     msgbox::Buttons::YesNoDefaultNo) != msgbox::Answer::Yes)
        return;
    m_document.Add(text, entry::makeCode(m_nYear, m_nGender));
    clearFields(true);
}

void CEntryDlg::clearFields(bool focusFirstName)
{
    m_strFirstName.clear();
    m_strName.clear();
    m_nYear = 0;
    m_nGender = entry::Female;
    SyncGenderAndUpdate(0);
    if (focusFirstName)
        setFocusToFirstName();
    resetGenderButtons();
}

bool CEntryDlg::addAfterRename(const QString& text)
{
    // Typing the next child into a selected row renames that row as it is typed; adding it then
    // would leave the old participant gone. Asked only when the name was changed in place.
    const int row = m_lbEntries->GetCurSel();
    if (row < 0 || m_lbEntries->GetText(row) == m_selectedAs.text)
        return false;
    const messages::RenamedQuestion question =
        messages::renamedInPlace(entry::shownName(m_selectedAs.text), entry::shownName(text));
    switch (msgbox::ask(this, question.text, question.addNew, question.keepChange)) {
    case msgbox::Answer::Yes:
        m_document.restoreAndAdd(row, m_selectedAs, text, entry::makeCode(m_nYear, m_nGender));
        break;
    case msgbox::Answer::No:
        m_document.closeEdit(); // the rename stays, as the one step it already is
        break;
    default:
        return true; // nothing decided: the fields stay as they are
    }
    m_lbEntries->SetCurSel(-1);
    clearFields(true);
    return true;
}

void CEntryDlg::OnRemove()
{
    const int index = m_lbEntries->GetCurSel();
    if (index == -1) {
        msgbox::show(this, messages::selectFirstToRemove());
        return;
    }
    // A withdrawn participant must not stay in the saved file unnoticed: removing is a change.
    m_document.remove(index);
    m_lbEntries->SetCurSel(-1);
    clearFields(false);
}

void CEntryDlg::OnNew()
{
    m_document.closeEdit();
    m_lbEntries->SetCurSel(-1);
    clearFields(true);
}

void CEntryDlg::OnSelChangeEntries()
{
    m_document.closeEdit();
    const int index = m_lbEntries->GetCurSel();
    if (index == -1)
        return;
    m_selectedAs = {m_lbEntries->GetText(index), m_lbEntries->GetItemData(index)};
    const entry::Names names = entry::splitDisplayText(m_lbEntries->GetText(index));
    m_strName = names.name;
    m_strFirstName = names.firstName;
    const qint32 code = m_lbEntries->GetItemData(index);
    m_nGender = entry::genderOf(code);
    m_nYear = entry::yearOf(code);
    SyncGenderAndUpdate(0);
}

int CEntryDlg::UpdateSelectedEntry(qint32 code)
{
    const int index = m_lbEntries->GetCurSel();
    if (index < 0)
        return 1;
    SyncGenderAndUpdate(1);
    const QString text = entry::displayText(m_strName, m_strFirstName);
    // The row stays where it stands, even when its new text would sort elsewhere.
    m_document.updateRow(index, text, code);
    m_lbEntries->SetCurSel(index);
    SyncGenderAndUpdate(1);
    return 1;
}

void CEntryDlg::OnChangeName()
{
    UpdateSelectedEntry(-1);
    m_document.markChanged();
}

void CEntryDlg::OnKillFocusYear()
{
    leaveYearField();
}

bool CEntryDlg::leaveYearField()
{
    m_edYear->setModified(false); // what was typed is dealt with now, one way or the other
    const bool exchanged = SyncGenderAndUpdate(1) != 0;
    const int year = entry::CheckBirthYear(m_nYear);
    const QString refused = year != -1 ? refusedForEvent(year) : QString();
    if (year != -1 && refused.isEmpty()) {
        UpdateSelectedEntry(entry::makeCode(year, m_nGender));
        // A text that is no number was refused by the exchange, with its message.
        return exchanged;
    }
    msgbox::show(this, messages::badDate() + u'\n' +
                           (refused.isEmpty()
                                ? messages::yearOutsideWindow(m_nYear, entry::currentUtcYear())
                                : refused));
    m_nYear = 0;
    SyncGenderAndUpdate(0);
    return false;
}

bool CEntryDlg::commitPendingEdit()
{
    for (QComboBox* box : {m_cbClub, m_cbEvent})
        settleChoice(box);
    // A year typed and not yet taken; a field that the program filled has nothing to take.
    return !m_edYear->isModified() || leaveYearField();
}

void CEntryDlg::runCommand(void (CEntryDlg::*handler)())
{
    if (commitPendingEdit())
        (this->*handler)();
}

void CEntryDlg::OnFemale()
{
    OnGenderClicked(m_rbFemale, entry::Female);
}

void CEntryDlg::OnMale()
{
    OnGenderClicked(m_rbMale, entry::Male);
}

void CEntryDlg::OnGenderClicked(const QRadioButton* button, int gender)
{
    if (!button->isChecked())
        return;
    m_nGender = gender;
    // Without a valid year in the member the row keeps its whole code, old gender included,
    // until a valid year is entered.
    const int year = entry::CheckBirthYear(m_nYear);
    UpdateSelectedEntry(year != -1 ? entry::makeCode(year, m_nGender) : -1);
}

void CEntryDlg::OnAbout()
{
    CInfoDlg about(this);
    about.exec();
}

// ---- files and commands ---------------------------------------------------------------------

void CEntryDlg::OnSave()
{
    SyncGenderAndUpdate(1); // takes the check box into m_bAutoSave; its result does not matter
    if (const std::optional<QString> saved = commands::saveEntryFile(
            this, m_document, m_bAutoSave == 1 ? automaticName() : QString(), m_strPath))
        showStatus(statusOfFile(messages::FileAction::Saved, *saved));
}

void CEntryDlg::OnLoad()
{
    if (!mayDiscardChanges())
        return;
    if (const std::optional<QString> path = commands::chooseEntryFileToLoad(this, m_strPath))
        loadPath(*path);
}

bool CEntryDlg::mayDiscardChanges()
{
    // A loaded file replaces the whole list: unsaved changes would be gone without a word.
    return m_bModified != 1 || msgbox::show(this, messages::discardQuestion(),
                                            msgbox::Buttons::YesNoDefaultNo) == msgbox::Answer::Yes;
}

void CEntryDlg::loadPath(const QString& path)
{
    std::optional<entryfile::HeaderSelection> selection =
        commands::loadEntryFile(this, m_document, path, itemsOf(m_cbClub), itemsOf(m_cbEvent));
    if (!selection)
        return;
    // An open event takes the file's club as it is, as it would take it typed.
    if (m_invitation && m_invitation->isOpen() && selection->club < 0 &&
        !selection->clubValue.isEmpty() && !invitation::nameProblem(selection->clubValue)) {
        m_cbClub->addItem(selection->clubValue);
        selection->club = m_cbClub->count() - 1;
    }
    // Selecting from code raises no choice notification, as with a combo box's own selection.
    // A club or event that the file does not name in the list is no choice at all: keeping the
    // previous one would save these participants as another club's registration.
    m_cbClub->setCurrentIndex(selection->club);
    m_cbEvent->setCurrentIndex(selection->event);
    followChoice();
    SyncGenderAndUpdate(0);
    const QString fileName = QFileInfo(path).fileName();
    const QString missing = m_invitation ? messages::notInInvitation(*selection)
                                         : messages::headerNotFoundShort(*selection);
    showStatus(statusOfFile(messages::FileAction::Loaded, path) +
               (missing.isEmpty() ? QString() : QStringLiteral(" · ") + missing));
    if (!missing.isEmpty())
        msgbox::show(this, messages::headerNotFound(*selection, fileName));
}

void CEntryDlg::OnImport()
{
    if (const std::optional<QString> done = commands::import(
            this, m_document, m_folders.memberLists,
            chosenEvent() ? memberlist::Admitted{chosenEvent()->firstYear, chosenEvent()->lastYear}
                          : memberlist::Admitted{}))
        showStatus(*done);
}

void CEntryDlg::OnPrint()
{
    if (!sayWhyNot(m_actPrint))
        commands::print(this, m_document, paperExtras());
}

void CEntryDlg::OnSavePdf()
{
    if (sayWhyNot(m_actPdf))
        return;
    if (const std::optional<QString> saved =
            commands::savePdf(this, m_document, m_folders.pdfs, paperExtras()))
        showStatus(statusOfFile(messages::FileAction::PdfSaved, *saved));
}

void CEntryDlg::OnUndo()
{
    if (m_document.canUndo())
        stepThroughHistory(messages::historyStep(true, m_document.undoName()), true);
}

void CEntryDlg::OnRedo()
{
    if (m_document.canRedo())
        stepThroughHistory(messages::historyStep(false, m_document.redoName()), false);
}

void CEntryDlg::stepThroughHistory(const QString& said, bool back)
{
    // The fields must not go on editing a row that the step may have moved or taken away: they
    // start a new participant, as after "Neu", and keep the focus where it is.
    m_document.closeEdit();
    m_lbEntries->SetCurSel(-1);
    back ? m_document.undo() : m_document.redo();
    clearFields(false);
    showStatus(said);
    m_bStatusIsHistory = true;
}

void CEntryDlg::settleChoice(QComboBox* box)
{
    // The field never keeps a text that would not be saved: the one item that the text names
    // (ignoring case) becomes the choice, any other text gives way to the chosen item's.
    if (box == m_cbClub && takeTypedClub())
        return;
    const QString typed = box->currentText();
    const int chosen = box->currentIndex();
    if (chosen >= 0 && box->itemText(chosen) == typed)
        return;
    const int named =
        typed.trimmed().isEmpty() ? -1 : box->findText(typed.trimmed(), Qt::MatchFixedString);
    if (named >= 0 && named != chosen) {
        box->setCurrentIndex(named);
        box == m_cbClub ? OnSelChangeClub() : OnSelChangeEvent();
        return;
    }
    box->setEditText(chosen >= 0 ? box->itemText(chosen) : QString());
}

void CEntryDlg::OnGather()
{
    if (const Extras* extras = loadExtras(this))
        extras->gather(this, m_folders.gathering, extrasSeamsOfTheProgram());
}

void CEntryDlg::OnSend()
{
    commands::sendTestMail(this, m_testMail);
}
