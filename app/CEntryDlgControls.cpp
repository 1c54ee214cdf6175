// The window's controls: building them in the layout and tab order the window has always had,
// their commands and shortcuts, the wiring of each notification to its handler, and the data
// exchange between the fields and the members. The handlers themselves are in CEntryDlg.cpp.

#include "app/CEntryDlg.h"
#include "app/DataExchange.h"
#include "app/ElidingLabel.h"
#include "app/KeyboardRules.h"
#include "app/MessageBox.h"
#include "app/NameValidator.h"
#include "entries/Clubs.h"
#include "entries/Entry.h"
#include "messages/Messages.h"

#include <algorithm>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTimer>
#include <QToolTip>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// Both lists come in the entry list's order (German, ignoring case), so they need no sorting at
// every start.
QComboBox* makeListBox(QWidget* parent, const QStringList& texts)
{
    auto* box = new QComboBox(parent);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert); // typing never adds an item
    box->addItems(texts);
    box->setCurrentIndex(-1);
    box->setMaxVisibleItems(12);
    return box;
}

} // namespace

void CEntryDlg::buildControls()
{
    setWindowTitle(QStringLiteral("Zandrel (Version 2.0)"));
    setObjectName(QStringLiteral("CEntryDlg"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setSizeGripEnabled(true);

    const auto add = [this](int id, QWidget* w, const QString& accessibleName) {
        w->setObjectName(QStringLiteral("ctl%1").arg(id));
        w->setAccessibleName(accessibleName);
        m_controls.insert(id, w);
    };
    // A label's mnemonic (Alt+letter) moves the focus to the control it names.
    const auto label = [this](const QString& text, QWidget* buddy = nullptr) {
        auto* l = new QLabel(text, this);
        l->setBuddy(buddy);
        return l;
    };

    // Left column: club and event, the editing buffer, its buttons, load and save.
    m_edFirstName = new QLineEdit(this);
    m_edName = new QLineEdit(this);
    m_edYear = new QLineEdit(this);
    add(IDC_FIRSTNAME, m_edFirstName, QStringLiteral("Vorname"));
    add(IDC_NAME, m_edName, QStringLiteral("Name"));
    add(IDC_YEAR, m_edYear, QStringLiteral("Jahrgang"));
    m_edFirstName->setValidator(new NameValidator(m_edFirstName, NameValidator::FirstName));
    m_edName->setValidator(new NameValidator(m_edName, NameValidator::Surname));

    auto* gender = new QGroupBox(QStringLiteral("&Geschlecht"), this);
    add(IDC_GENDER_GROUP, gender, QStringLiteral("Geschlecht"));
    m_rbFemale = new QRadioButton(QStringLiteral("&weiblich"), gender);
    m_rbMale = new QRadioButton(QStringLiteral("&männlich"), gender);
    add(IDC_FEMALE, m_rbFemale, QStringLiteral("weiblich"));
    add(IDC_MALE, m_rbMale, QStringLiteral("männlich"));
    auto* genderLayout = new QVBoxLayout(gender);
    genderLayout->addWidget(m_rbFemale);
    genderLayout->addWidget(m_rbMale);

    // Every control has a mnemonic of its own; the accessible name is the text without it.
    const auto button = [&](int id, const QString& text) {
        auto* b = new QPushButton(text, this);
        add(id, b, QString(text).remove(u'&'));
        return b;
    };
    QPushButton* btnAdd = button(IDC_ADD, QStringLiteral("Hin&zu"));
    QPushButton* btnNew = button(IDC_NEW, QStringLiteral("Ne&u"));
    btnNew->setToolTip(QStringLiteral("Neuen Teilnehmer beginnen: Auswahl aufheben und Felder "
                                      "leeren"));
    QPushButton* btnRemove = button(IDC_REMOVE, QStringLiteral("&Entfernen"));
    QPushButton* btnLoad = button(IDC_LOAD, QStringLiteral("&Laden"));
    QPushButton* btnSave = button(IDC_SAVE, QStringLiteral("&Speichern"));
    btnSave->setEnabled(false);
    QPushButton* btnExit = button(IDOK_Exit, QStringLiteral("&Beenden"));
    QPushButton* btnHelp = button(IDHELP, QStringLiteral("&Hilfe"));
    QPushButton* btnSend = button(IDC_SEND, QStringLiteral("Senden"));
    btnSend->setEnabled(false);
    btnSend->setVisible(false);
    // Enter outside a focused button goes to this hidden default button, which does nothing: so
    // Enter in a field neither adds an entry nor closes the window.
    QPushButton* btnDummy = button(IDC_DUMMY, QStringLiteral("dummy"));
    btnDummy->setDefault(true);
    btnDummy->setVisible(false);

    m_chkAutoSave = new QCheckBox(this);
    add(IDC_AUTOSAVE, m_chkAutoSave, QStringLiteral("Automatische Namen"));

    m_lbEntries = new CIconListBox(this);
    add(IDC_ENTRIES, m_lbEntries, QStringLiteral("Meldeliste"));
    m_lbEntries->setMinimumWidth(360);

    m_lbEntries->setModel(m_document.model());

    m_cbClub = makeListBox(this, lists::clubs());
    m_cbEvent = makeListBox(this, lists::events());
    add(IDC_CLUB, m_cbClub, QStringLiteral("Verein"));
    add(IDC_EVENT, m_cbEvent, QStringLiteral("Veranstaltung"));
    // The field inside each list is what takes the focus: a screen reader names it as its list.
    m_cbClub->lineEdit()->setAccessibleName(m_cbClub->accessibleName());
    m_cbEvent->lineEdit()->setAccessibleName(m_cbEvent->accessibleName());

    auto* left = new QGridLayout;
    left->setColumnStretch(1, 1);
    int row = 0;
    left->addWidget(label(QStringLiteral("&Verein"), m_cbClub), row++, 0, 1, 2);
    left->addWidget(m_cbClub, row++, 0, 1, 2);
    left->addWidget(label(QStringLiteral("Veranstal&tung"), m_cbEvent), row++, 0, 1, 2);
    left->addWidget(m_cbEvent, row++, 0, 1, 2);
    // The chosen event as the organiser's event file describes it; hidden without one.
    m_lblEventInfo = new ElidingLabel(this, 2);
    m_lblEventInfo->setObjectName(QStringLiteral("labelEventInfo"));
    m_lblEventInfo->setVisible(false);
    left->addWidget(m_lblEventInfo, row++, 0, 1, 2);
    left->setRowMinimumHeight(row++, 12);
    // Says whether the fields edit the selected participant or make a new one.
    // One line whose width never moves the other controls: it changes with every keystroke
    // in a selected row, and a new layout of the whole window each time would be felt.
    // Two lines, so that the row's name as it was still shows beside a long new one.
    m_lblEditing = new ElidingLabel(this, 2);
    m_lblEditing->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    m_lblEditing->setObjectName(QStringLiteral("labelEditing"));
    left->addWidget(m_lblEditing, row++, 0, 1, 2);
    left->addWidget(label(QStringLiteral("V&orname"), m_edFirstName), row, 0);
    left->addWidget(m_edFirstName, row++, 1);
    left->addWidget(label(QStringLiteral("&Name"), m_edName), row, 0);
    left->addWidget(m_edName, row++, 1);
    left->addWidget(label(QStringLiteral("&Jahrgang"), m_edYear), row, 0);
    left->addWidget(m_edYear, row++, 1);
    left->addWidget(gender, row++, 0, 1, 1);
    left->setRowMinimumHeight(row++, 8);
    left->addWidget(btnAdd, row, 0);
    left->addWidget(btnNew, row++, 1);
    auto* removeRow = new QHBoxLayout;
    removeRow->addStretch();
    removeRow->addWidget(btnRemove);
    removeRow->addStretch();
    left->addLayout(removeRow, row++, 0, 1, 2);
    left->setRowStretch(row++, 1);
    left->addWidget(btnLoad, row, 0);
    left->addWidget(btnSave, row++, 1);
    auto* autoSaveLabel = new QVBoxLayout;
    autoSaveLabel->setSpacing(0);
    autoSaveLabel->addWidget(label(QStringLiteral("&Automatische"), m_chkAutoSave));
    autoSaveLabel->addWidget(label(QStringLiteral("Namen")));
    auto* autoSaveRow = new QHBoxLayout;
    autoSaveRow->addStretch();
    autoSaveRow->addWidget(m_chkAutoSave);
    autoSaveRow->addLayout(autoSaveLabel);
    left->addLayout(autoSaveRow, row++, 0, 1, 2);

    // The event file's way to the organiser, as a button while one is open.
    m_btnSendToOrganiser = new QPushButton(QStringLiteral("An Veranstalter sen&den…"), this);
    m_btnSendToOrganiser->setObjectName(QStringLiteral("buttonSendToOrganiser"));
    m_btnSendToOrganiser->setAccessibleName(QStringLiteral("An Veranstalter senden"));
    m_btnSendToOrganiser->setVisible(false);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_btnSendToOrganiser);
    bottom->addWidget(btnSend);
    bottom->addWidget(btnDummy);
    bottom->addStretch();
    bottom->addWidget(btnHelp);
    // The context menu's commands, for those who would never right-click the window.
    m_btnMore = new QPushButton(QStringLiteral("Weitere Be&fehle"), this);
    m_btnMore->setObjectName(QStringLiteral("buttonMore"));
    m_btnMore->setAccessibleName(QStringLiteral("Weitere Befehle"));
    bottom->addWidget(m_btnMore);
    bottom->addWidget(btnExit);
    auto* right = new QVBoxLayout;
    right->addWidget(m_lbEntries, 1);
    right->addLayout(bottom);

    auto* top = new QHBoxLayout(this);
    top->addLayout(left, 0);
    top->addSpacing(12);
    top->addLayout(right, 1);

    // Tab order: the order of the controls in the window, club and event first. Of the two
    // gender buttons only the checked one takes the Tab (see UpdateGenderTabStop).
    QList<QWidget*> tabOrder;
    // A list of int: on Windows, <windows.h> makes IDHELP the plain number 9.
    for (int id : std::initializer_list<int>{IDC_CLUB, IDC_EVENT, IDC_FIRSTNAME, IDC_NAME, IDC_YEAR,
                                             IDC_FEMALE, IDC_MALE, IDC_ADD, IDC_NEW, IDC_REMOVE,
                                             IDC_LOAD, IDC_SAVE, IDC_AUTOSAVE, IDC_ENTRIES})
        tabOrder << GetDlgItem(id);
    tabOrder << m_btnSendToOrganiser << GetDlgItem(IDC_SEND) << GetDlgItem(IDHELP);
    tabOrder << m_btnMore << GetDlgItem(IDOK_Exit) << GetDlgItem(IDC_DUMMY);
    for (qsizetype i = 0; i + 1 < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i], tabOrder[i + 1]);

    // The allowed years, where the year is typed.
    const int thisYear = entry::currentUtcYear();
    m_edYear->setToolTip(QStringLiteral("%1–%2").arg(thisYear - 99).arg(thisYear - 1));
    m_edYear->setAccessibleDescription(QStringLiteral("Erlaubt sind die Jahrgänge %1 bis %2.")
                                           .arg(thisYear - 99)
                                           .arg(thisYear - 1));

    // Under the list: how many participants, as the fees are charged per head, and beside it
    // what the last file action did and whether anything is unsaved.
    m_lblCounts = new QLabel(this);
    m_lblCounts->setObjectName(QStringLiteral("labelCounts"));
    // A long club or file name must not widen the window off the screen: the line is cut where
    // it is drawn, and read whole by screen readers.
    m_lblStatus = new ElidingLabel(this, 1, 8);
    m_lblStatus->setObjectName(QStringLiteral("labelStatus"));
    m_lblStatus->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* under = new QHBoxLayout;
    under->addWidget(m_lblCounts);
    under->addStretch();
    under->addWidget(m_lblStatus, 1);
    right->insertLayout(1, under);

    buildCommands();
}

void CEntryDlg::buildCommands()
{
    const auto command = [this](const QString& text, const QString& name, const QKeySequence& keys,
                                void (CEntryDlg::*handler)()) {
        auto* action = new QAction(text, this);
        action->setObjectName(name);
        action->setShortcut(keys);
        // Dialogs would otherwise not show the shortcut beside the item.
        action->setShortcutVisibleInContextMenu(true);
        connect(action, &QAction::triggered, this, [this, handler] { runCommand(handler); });
        addAction(action); // the shortcut works anywhere in the window
        return action;
    };
    m_actImport = command(QStringLiteral("&Importieren…"), QStringLiteral("actionImport"),
                          QKeySequence(Qt::CTRL | Qt::Key_I), &CEntryDlg::OnImport);
    m_actPrint = command(QStringLiteral("&Drucken…"), QStringLiteral("actionPrint"),
                         QKeySequence(Qt::CTRL | Qt::Key_P), &CEntryDlg::OnPrint);
    m_actPdf = command(QStringLiteral("Als &PDF speichern…"), QStringLiteral("actionPdf"),
                       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), &CEntryDlg::OnSavePdf);
    auto* gather = command(QStringLiteral("Meldungen &sammeln…"), QStringLiteral("actionGather"),
                           QKeySequence(Qt::CTRL | Qt::Key_G), &CEntryDlg::OnGather);
    auto* openInvitation =
        command(QStringLiteral("Ausschreibung ö&ffnen…"), QStringLiteral("actionOpenInvitation"),
                QKeySequence(), &CEntryDlg::OnOpenInvitation);
    m_actCloseInvitation =
        command(QStringLiteral("Ausschreibung sc&hließen"), QStringLiteral("actionCloseInvitation"),
                QKeySequence(), &CEntryDlg::OnCloseInvitation);
    m_actCloseInvitation->setEnabled(false);
    auto* contact = command(QStringLiteral("A&nsprechpartner…"), QStringLiteral("actionContact"),
                            QKeySequence(), &CEntryDlg::OnContact);
    m_actSendToOrganiser =
        command(QStringLiteral("An Veranstalter s&enden…"), QStringLiteral("actionSendToOrganiser"),
                QKeySequence(Qt::CTRL | Qt::Key_Return), &CEntryDlg::OnSendToOrganiser);
    // As in mail programs, where Ctrl+Enter sends; Ctrl+M would arrive in a field as a Return.
    m_actSendToOrganiser->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
    connect(m_btnSendToOrganiser, &QAbstractButton::clicked, this,
            [this] { runCommand(&CEntryDlg::OnSendToOrganiser); });
    // The title-bar menu belongs to the window manager on Linux, so the about item lives in the
    // window's context menu instead.
    auto* about = new QAction(QStringLiteral("Inf&o über Zandrel..."), this);
    about->setObjectName(QStringLiteral("actionAbout"));
    connect(about, &QAction::triggered, this, &CEntryDlg::OnAbout);

    // A menu of the window's own rather than Qt::ActionsContextMenu's throw-away one, so that
    // accessibility clients find it as a child of the window while it is open.
    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("contextMenu"));
    m_menu->setAccessibleName(QStringLiteral("Befehle"));
    m_menu->setToolTipsVisible(true); // a disabled item says why it is disabled
    m_actUndo = command(QStringLiteral("&Rückgängig"), QStringLiteral("actionUndo"),
                        QKeySequence(Qt::CTRL | Qt::Key_Z), &CEntryDlg::OnUndo);
    m_actRedo = command(QStringLiteral("&Wiederholen"), QStringLiteral("actionRedo"),
                        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), &CEntryDlg::OnRedo);
    m_actRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    // Shift+F10 and the menu key open the commands wherever the focus is.
    auto* menuKey = new QAction(this);
    menuKey->setShortcuts({QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)});
    connect(menuKey, &QAction::triggered, this, [this] {
        const QWidget* at = focusWidget() ? focusWidget() : this;
        m_menu->popup(at->mapToGlobal(QPoint(0, at->height())));
    });
    addAction(menuKey);
    m_menu->addActions({m_actUndo, m_actRedo});
    m_menu->addSeparator();
    m_menu->addActions({m_actImport, m_actPrint, m_actPdf});
    m_menu->addSeparator();
    m_menu->addActions({openInvitation, m_actCloseInvitation, contact, m_actSendToOrganiser});
    m_menu->addSeparator();
    m_menu->addAction(gather);
    m_menu->addSeparator();
    m_menu->addAction(about);
    m_btnMore->setMenu(m_menu);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { m_menu->popup(mapToGlobal(pos)); });

    setAcceptDrops(true);
    updateListState();
}

void CEntryDlg::connectControls()
{
    // While a data exchange runs, the notifications it causes reach no handler.
    const auto dispatch = [this](void (CEntryDlg::*handler)()) {
        return [this, handler] {
            if (m_nExchangeDepth == 0)
                (this->*handler)();
        };
    };
    const auto clicked = [&](int id, void (CEntryDlg::*handler)()) {
        connect(static_cast<QPushButton*>(GetDlgItem(id)), &QAbstractButton::clicked, this,
                dispatch(handler));
    };
    // A command by mnemonic, Enter or Space keeps the focus where it is: what leaving the field
    // would have done comes first, so that the command sees what the window shows.
    const auto command = [&](int id, void (CEntryDlg::*handler)()) {
        auto* button = static_cast<QPushButton*>(GetDlgItem(id));
        connect(button, &QAbstractButton::clicked, this, [this, handler, button] {
            if (m_nExchangeDepth != 0)
                return;
            if (m_refusedLeaveTo == button) {
                m_refusedLeaveTo = nullptr;
                return;
            }
            runCommand(handler);
        });
    };
    command(IDC_ADD, &CEntryDlg::OnAdd);
    command(IDC_REMOVE, &CEntryDlg::OnRemove);
    command(IDC_SEND, &CEntryDlg::OnSend);
    command(IDC_SAVE, &CEntryDlg::OnSave);
    command(IDC_LOAD, &CEntryDlg::OnLoad);
    connect(m_lbEntries, &CIconListBox::selChange, this, dispatch(&CEntryDlg::OnSelChangeEntries));
    // Counts and the print commands follow the list. One update per pass of the event loop: a
    // bulk add changes the list row by row.
    const auto listChanged = [this] {
        if (!m_bListStatePending) {
            m_bListStatePending = true;
            QTimer::singleShot(0, this, [this] {
                m_bListStatePending = false;
                updateListState();
            });
        }
    };
    connect(&m_document, &EntryDocument::changed, this, listChanged);
    connect(&m_document, &EntryDocument::changed, this, &CEntryDlg::updateHistory);
    // An undo named in the status line is stale once anything else has changed the list.
    connect(&m_document, &EntryDocument::changed, this, [this] {
        if (m_bStatusIsHistory) {
            m_bStatusIsHistory = false;
            showStatus({});
        }
    });
    connect(&m_document, &EntryDocument::modifiedChanged, this, [this] {
        updateHistory();
        updateStatus();
    });
    connect(m_lbEntries->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            listChanged);
    // Undoing a load brings its club and event back as well.
    connect(&m_document, &EntryDocument::clubEventRestored, this, [this] {
        m_cbClub->setCurrentIndex(m_cbClub->findText(m_document.club(), Qt::MatchExactly));
        m_cbEvent->setCurrentIndex(m_cbEvent->findText(m_document.event(), Qt::MatchExactly));
        followChoice();
    });
    // The document holds what is selected, whoever selected it: that is what gets saved.
    connect(m_cbClub, &QComboBox::currentIndexChanged, this,
            [this] { m_document.setClub(selectedText(m_cbClub)); });
    connect(m_cbEvent, &QComboBox::currentIndexChanged, this,
            [this] { m_document.setEvent(selectedText(m_cbEvent)); });
    // activated is the user's choice from the list; setting a selection from code raises nothing.
    connect(m_cbClub, &QComboBox::activated, this, dispatch(&CEntryDlg::OnSelChangeClub));
    connect(m_cbEvent, &QComboBox::activated, this, dispatch(&CEntryDlg::OnSelChangeEvent));
    connect(m_edFirstName, &QLineEdit::textChanged, this, dispatch(&CEntryDlg::OnChangeName));
    connect(m_edName, &QLineEdit::textChanged, this, dispatch(&CEntryDlg::OnChangeName));
    for (QWidget* watched :
         std::initializer_list<QWidget*>{m_edYear, m_cbClub, m_cbEvent, m_lbEntries})
        watched->installEventFilter(this);
    for (QLineEdit* field :
         {m_edFirstName, m_edName, m_edYear, m_cbClub->lineEdit(), m_cbEvent->lineEdit()})
        keys::keepAltForMnemonics(field);
    keys::makeAutomaticRadioButtons(m_rbFemale, m_rbMale);
    connect(m_rbFemale, &QAbstractButton::clicked, this, dispatch(&CEntryDlg::OnFemale));
    connect(m_rbMale, &QAbstractButton::clicked, this, dispatch(&CEntryDlg::OnMale));
    command(IDC_NEW, &CEntryDlg::OnNew);
    clicked(IDC_DUMMY, &CEntryDlg::OnDummy);
    // Help shows nothing of the fields: it runs whatever they hold.
    clicked(IDHELP, &CEntryDlg::OnHelpButton);
    command(IDOK_Exit, &CEntryDlg::OnOK);

    for (QLineEdit* field : {m_edFirstName, m_edName}) {
        connect(field, &QLineEdit::inputRejected, this, [this, field] {
            const auto* validator = static_cast<const NameValidator*>(field->validator());
            showRejectedCharacter(field, validator->lastRejected());
        });
        // A refusal explains the keystroke it refused; once the text was taken it is old news,
        // and screen readers would go on reading it as the field's description.
        connect(field, &QLineEdit::textChanged, field, [field] {
            if (!field->toolTip().isEmpty())
                field->setToolTip(QString());
        });
    }
}

void CEntryDlg::showRejectedCharacter(QLineEdit* field, char32_t ch)
{
    if (ch == 0)
        return;
    const QString text = NameValidator::explanation(ch);
    field->setToolTip(text);
    QToolTip::showText(field->mapToGlobal(QPoint(0, field->height())), text, field);
}

bool CEntryDlg::UpdateData(bool saveAndValidate)
{
    ++m_nExchangeDepth;
    const auto done = qScopeGuard([this] { --m_nExchangeDepth; });

    if (!saveAndValidate) {
        // A longer name from a file must fit whole, or the next exchange back would cut it short
        // in the list and in the saved file; typing still cannot make it longer.
        m_edFirstName->setMaxLength(std::max(entry::kMostNameChars, int(m_strFirstName.size())));
        m_edName->setMaxLength(std::max(entry::kMostNameChars, int(m_strName.size())));
        if (m_edFirstName->text() != m_strFirstName)
            m_edFirstName->setText(m_strFirstName);
        if (m_edName->text() != m_strName)
            m_edName->setText(m_strName);
        m_edYear->setText(QString::number(m_nYear));
        m_bAutoSave = ddx::clampCheckState(m_bAutoSave);
        m_chkAutoSave->setChecked(m_bAutoSave != 0);
        return true;
    }

    m_strFirstName = m_edFirstName->text();
    m_strName = m_edName->text();
    const std::optional<qint32> year = ddx::parseWholeNumber(m_edYear->text());
    if (!year) {
        msgbox::show(this, messages::notANumber());
        m_edYear->setFocus(Qt::OtherFocusReason);
        m_edYear->selectAll();
        return false;
    }
    m_nYear = *year;
    m_bAutoSave = m_chkAutoSave->isChecked() ? 1 : 0;
    return true;
}

void CEntryDlg::dragEnterEvent(QDragEnterEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return;
    const QString path = urls.first().toLocalFile();
    if (path.endsWith(QStringLiteral(".mdg"), Qt::CaseInsensitive) ||
        path.endsWith(QStringLiteral(".aus"), Qt::CaseInsensitive))
        event->acceptProposedAction();
}

void CEntryDlg::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return;
    event->acceptProposedAction();
    const QString path = urls.first().toLocalFile();
    // Asked after the drop has finished, so that the file manager is not kept waiting.
    QTimer::singleShot(0, this, [this, path] {
        if (!commitPendingEdit())
            return;
        if (path.endsWith(QStringLiteral(".aus"), Qt::CaseInsensitive))
            openInvitation(path, false);
        else if (mayDiscardChanges())
            loadPath(path);
    });
}

void CEntryDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        requestHelp(event->modifiers());
        return;
    }
    // A command's shortcut while the command is unavailable: say why instead of nothing.
    for (const QAction* action : m_menu->actions()) {
        if (!action->isEnabled() && !action->shortcut().isEmpty() &&
            action->shortcuts().contains(QKeySequence(event->keyCombination()))) {
            const QString why = action == m_actUndo   ? messages::nothingToUndo()
                                : action == m_actRedo ? messages::nothingToRedo()
                                                      : action->toolTip();
            showStatus(QString(action->text()).remove(u'&') + QStringLiteral(" – ") + why);
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

bool CEntryDlg::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == m_cbClub || watched == m_cbEvent) && event->type() == QEvent::FocusOut) {
        // Opening the list takes the focus away for a moment; that is no leaving.
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            settleChoice(static_cast<QComboBox*>(watched));
    }
    if (watched == m_lbEntries && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete &&
        static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
        OnRemove();
        return true;
    }
    if (watched == m_edYear && event->type() == QEvent::FocusOut && m_nExchangeDepth == 0 &&
        !m_bMovingFocus) {
        // Only a move of the focus inside the window counts as leaving the field: a message box or
        // another window taking the focus does not, or every error box would trigger the next.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const bool typed = m_edYear->isModified();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            !leaveYearField() && typed && qobject_cast<QPushButton*>(QApplication::focusWidget())) {
            // The press of a button took the focus: the click that follows must not run its
            // command on a refused year that was typed. Only that click: later ones run.
            m_refusedLeaveTo = QApplication::focusWidget();
            QTimer::singleShot(0, this, [this] { m_refusedLeaveTo = nullptr; });
        }
    }
    return QDialog::eventFilter(watched, event);
}
