#include "app/CEntryDlg.h"

#include "app/ChooseFile.h"
#include "app/DataExchange.h"
#include "app/DataPath.h"
#include "app/ElidingLabel.h"
#include "app/extras/Extras.h"
#include "app/ExtrasLoader.h"
#include "app/HelpViewer.h"
#include "app/KeyboardRules.h"
#include "app/MessageBox.h"
#include "app/NameValidator.h"
#include "app/Settings.h"
#include "app/WindowPlacement.h"
#include "entries/Clubs.h"
#include "entries/Entry.h"
#include "messages/Messages.h"
#include "report/Registration.h"

#include <algorithm>

#ifdef Q_OS_WIN
#include <windows.h>
#endif
#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScopeGuard>
#include <QTime>
#include <QTimer>
#include <QToolTip>
#include <QUrl>
#include <QVBoxLayout>

namespace {

#ifdef Q_OS_WIN
constexpr UINT_PTR kAboutCommand = 16; // the system menu command of the about item
#endif

// Both lists come in the entry list's order (German, ignoring case), so they need no sorting at
// every start.
QComboBox* MakeListBox(QWidget* parent, const QStringList& texts)
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

CEntryDlg::CEntryDlg(QWidget* parent) : QDialog(parent)
{
    keys::ShowOpenMenuToAccessibility(QStringLiteral("CEntryDlg"), QStringLiteral("contextMenu"));
    // The application has made the icon already; tests may run the window without it.
    m_hIcon = QApplication::windowIcon().isNull() ? ApplicationIcon() : QApplication::windowIcon();
    BuildControls();
    ConnectControls();
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
    Settings{m_bAutoSave, m_strPath}.Write(QCoreApplication::applicationName());
}

void CEntryDlg::ApplySettings(const Settings& settings)
{
    m_bAutoSave = settings.autoSave;
    m_strPath = settings.path;
}

QWidget* CEntryDlg::GetDlgItem(int id) const
{
    return m_controls.value(id, nullptr);
}

void CEntryDlg::BuildControls()
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

    m_lbEntries->setModel(m_document.Model());

    m_cbClub = MakeListBox(this, lists::Clubs());
    m_cbEvent = MakeListBox(this, lists::Events());
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

    auto* bottom = new QHBoxLayout;
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
    for (int id : std::initializer_list<int>{
             IDC_CLUB, IDC_EVENT, IDC_FIRSTNAME, IDC_NAME, IDC_YEAR, IDC_FEMALE, IDC_MALE, IDC_ADD,
             IDC_NEW, IDC_REMOVE, IDC_LOAD, IDC_SAVE, IDC_AUTOSAVE, IDC_ENTRIES, IDC_SEND, IDHELP})
        tabOrder << GetDlgItem(id);
    tabOrder << m_btnMore << GetDlgItem(IDOK_Exit) << GetDlgItem(IDC_DUMMY);
    for (qsizetype i = 0; i + 1 < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i], tabOrder[i + 1]);

    // The allowed years, where the year is typed.
    const int thisYear = entry::CurrentUtcYear();
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

    BuildCommands();
}

void CEntryDlg::BuildCommands()
{
    const auto command = [this](const QString& text, const QString& name, const QKeySequence& keys,
                                void (CEntryDlg::*handler)()) {
        auto* action = new QAction(text, this);
        action->setObjectName(name);
        action->setShortcut(keys);
        // Dialogs would otherwise not show the shortcut beside the item.
        action->setShortcutVisibleInContextMenu(true);
        connect(action, &QAction::triggered, this, [this, handler] { RunCommand(handler); });
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
    m_menu->addAction(gather);
    m_menu->addSeparator();
    m_menu->addAction(about);
    m_btnMore->setMenu(m_menu);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { m_menu->popup(mapToGlobal(pos)); });

    setAcceptDrops(true);
    UpdateListState();
}

void CEntryDlg::UpdateListState()
{
    // The same words as the totals of the printed registration.
    const EntryDocument::Counts counts = m_document.Totals();
    m_lblCounts->setText(report::TotalsText(counts.total, counts.male));
    QAccessibleEvent changed(m_lblCounts, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);

    UpdateHistory();
    // The row as it is now, and as it was chosen once the fields have renamed it: typing the next
    // child into a selected row shows at once whom it overwrites.
    const int selected = m_lbEntries->GetCurSel();
    QString editing = QStringLiteral("Neuer Teilnehmer");
    if (selected >= 0) {
        const QString now = entry::ShownName(m_lbEntries->GetText(selected));
        editing = QStringLiteral("Eintrag ändern: ") + now;
        const QString was = entry::ShownName(m_selectedAs.text);
        if (was != now)
            editing += QStringLiteral(" (war: %1)").arg(was);
    }
    m_lblEditing->setFullText(editing);
    UpdateStatus();

    const QString reason = messages::PrintBlocked(m_document.PrintBlocker());
    for (QAction* action : {m_actPrint, m_actPdf}) {
        action->setEnabled(reason.isEmpty());
        action->setToolTip(reason.isEmpty() ? action->text().remove(QLatin1Char('&')) : reason);
    }
}

void CEntryDlg::dragEnterEvent(QDragEnterEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls.first().isLocalFile() &&
        urls.first().toLocalFile().endsWith(QStringLiteral(".mdg"), Qt::CaseInsensitive))
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
        if (CommitPendingEdit() && MayDiscardChanges())
            LoadPath(path);
    });
}

void CEntryDlg::ConnectControls()
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
            RunCommand(handler);
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
                UpdateListState();
            });
        }
    };
    connect(&m_document, &EntryDocument::changed, this, listChanged);
    connect(&m_document, &EntryDocument::changed, this, &CEntryDlg::UpdateHistory);
    // An undo named in the status line is stale once anything else has changed the list.
    connect(&m_document, &EntryDocument::changed, this, [this] {
        if (m_bStatusIsHistory) {
            m_bStatusIsHistory = false;
            ShowStatus({});
        }
    });
    connect(&m_document, &EntryDocument::modifiedChanged, this, [this] {
        UpdateHistory();
        UpdateStatus();
    });
    connect(m_lbEntries->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            listChanged);
    // Undoing a load brings its club and event back as well.
    connect(&m_document, &EntryDocument::clubEventRestored, this, [this] {
        m_cbClub->setCurrentIndex(m_cbClub->findText(m_document.Club(), Qt::MatchExactly));
        m_cbEvent->setCurrentIndex(m_cbEvent->findText(m_document.Event(), Qt::MatchExactly));
        // Saving needs both again, as after a load that named neither.
        m_bClubChosen = m_cbClub->currentIndex() >= 0 ? 1 : 0;
        m_bEventChosen = m_cbEvent->currentIndex() >= 0 ? 1 : 0;
        if (m_bClubChosen == 1 && m_bEventChosen == 1)
            EnableEditButtons();
        else
            GetDlgItem(IDC_SAVE)->setEnabled(false);
    });
    // The document holds what is selected, whoever selected it: that is what gets saved.
    connect(m_cbClub, &QComboBox::currentIndexChanged, this,
            [this] { m_document.SetClub(SelectedText(m_cbClub)); });
    connect(m_cbEvent, &QComboBox::currentIndexChanged, this,
            [this] { m_document.SetEvent(SelectedText(m_cbEvent)); });
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
        keys::KeepAltForMnemonics(field);
    keys::MakeAutomaticRadioButtons(m_rbFemale, m_rbMale);
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
            ShowRejectedCharacter(field, validator->LastRejected());
        });
        // A refusal explains the keystroke it refused; once the text was taken it is old news,
        // and screen readers would go on reading it as the field's description.
        connect(field, &QLineEdit::textChanged, field, [field] {
            if (!field->toolTip().isEmpty())
                field->setToolTip(QString());
        });
    }
}

void CEntryDlg::ShowRejectedCharacter(QLineEdit* field, char32_t ch)
{
    if (ch == 0)
        return;
    const QString text = NameValidator::Explanation(ch);
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
        m_bAutoSave = ddx::ClampCheckState(m_bAutoSave);
        m_chkAutoSave->setChecked(m_bAutoSave != 0);
        return true;
    }

    m_strFirstName = m_edFirstName->text();
    m_strName = m_edName->text();
    const std::optional<qint32> year = ddx::ParseWholeNumber(m_edYear->text());
    if (!year) {
        msgbox::Show(this, messages::NotANumber());
        m_edYear->setFocus(Qt::OtherFocusReason);
        m_edYear->selectAll();
        return false;
    }
    m_nYear = *year;
    m_bAutoSave = m_chkAutoSave->isChecked() ? 1 : 0;
    return true;
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
    placement::PlaceOnScreen(*this, QSize(720, 500));
    InitImageList();
    m_lbEntries->m_pImageList = &m_imageList;
    m_nGender = entry::Female;
    ResetGenderButtons();
    m_edFirstName->setFocus(Qt::OtherFocusReason);
    qCInfo(lcData).noquote() << "help" << help::ManualPath()
                             << (QFileInfo::exists(help::ManualPath()) ? "found" : "missing");
}

void CEntryDlg::InitImageList()
{
    m_imageList.Create(35, 32, 2, 0);
    const QString path = DataPath(QStringLiteral("pictures/gender.png"));
    const QImage strip(path);
    const bool loaded = !strip.isNull() && m_imageList.Add(strip) >= 0;
    // Without the pictures the list still works; the rows just keep an empty gap on the left.
    qCInfo(lcData).noquote() << "pictures" << path << (loaded ? "loaded" : "missing");
}

void CEntryDlg::ResetGenderButtons()
{
    m_rbFemale->setChecked(true);
    m_rbMale->setChecked(false);
}

void CEntryDlg::SetFocusToFirstName()
{
    // The fields were just cleared: leaving the year field now is no user's leaving, and its "0"
    // is no refused year.
    const QScopedValueRollback moving(m_bMovingFocus, true);
    m_edFirstName->setFocus(Qt::OtherFocusReason);
    m_edFirstName->selectAll();
}

QString CEntryDlg::SelectedText(const QComboBox* box)
{
    const int index = box->currentIndex();
    return index >= 0 ? box->itemText(index) : QString();
}

void CEntryDlg::OnSelChangeClub()
{
    m_bClubChosen = 1;
    m_document.SetModified(true);
    if (m_bEventChosen == 1)
        EnableEditButtons();
}

void CEntryDlg::OnSelChangeEvent()
{
    m_bEventChosen = 1;
    m_document.SetModified(true);
    if (m_bClubChosen == 1)
        EnableEditButtons();
}

void CEntryDlg::EnableEditButtons()
{
    for (int id : {IDC_ADD, IDC_NEW, IDC_REMOVE, IDC_SAVE})
        GetDlgItem(id)->setEnabled(true);
}

void CEntryDlg::OnOK()
{
    if (m_bModified == 1 && msgbox::Show(this, messages::ExitQuestion(),
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
    if (!m_bClosing && !CommitPendingEdit())
        return;
    if (!m_bClosing && m_bModified == 1 &&
        msgbox::Show(this, messages::ExitQuestion(), msgbox::Buttons::YesNoDefaultNo) !=
            msgbox::Answer::Yes)
        return;
    m_bClosing = true;
    QDialog::reject();
}

void CEntryDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        RequestHelp(event->modifiers());
        return;
    }
    // A command's shortcut while the command is unavailable: say why instead of nothing.
    for (const QAction* action : m_menu->actions()) {
        if (!action->isEnabled() && !action->shortcut().isEmpty() &&
            action->shortcuts().contains(QKeySequence(event->keyCombination()))) {
            const QString why = action == m_actUndo   ? messages::NothingToUndo()
                                : action == m_actRedo ? messages::NothingToRedo()
                                                      : action->toolTip();
            ShowStatus(QString(action->text()).remove(u'&') + QStringLiteral(" – ") + why);
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

void CEntryDlg::OnHelpButton()
{
    RequestHelp(QApplication::keyboardModifiers());
}

void CEntryDlg::RequestHelp(Qt::KeyboardModifiers modifiers)
{
    if (modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier))
        return;
    help::Show();
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

bool CEntryDlg::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == m_cbClub || watched == m_cbEvent) && event->type() == QEvent::FocusOut) {
        // Opening the list takes the focus away for a moment; that is no leaving.
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            SettleChoice(static_cast<QComboBox*>(watched));
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
            !LeaveYearField() && typed && qobject_cast<QPushButton*>(QApplication::focusWidget())) {
            // The press of a button took the focus: the click that follows must not run its
            // command on a refused year that was typed. Only that click: later ones run.
            m_refusedLeaveTo = QApplication::focusWidget();
            QTimer::singleShot(0, this, [this] { m_refusedLeaveTo = nullptr; });
        }
    }
    return QDialog::eventFilter(watched, event);
}

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
    const QString text = entry::DisplayText(m_strName, m_strFirstName);
    const int thisYear = entry::CurrentUtcYear();
    if (!EntryDocument::IsComplete(m_strName, m_strFirstName, m_nYear, m_nGender, thisYear)) {
        msgbox::Show(this,
                     messages::Incomplete() + u'\n' +
                         messages::IncompleteField(m_strName, m_strFirstName, m_nYear, thisYear));
        return;
    }
    if (AddAfterRename(text))
        return;
    // The same child twice is a slip far more often than twins of one name; "Nein" keeps the
    // fields as they are.
    if (m_document.Contains(text, m_nYear) &&
        msgbox::Show(this, messages::AlreadyInList(text, m_nYear),
                     msgbox::Buttons::YesNoDefaultNo) != msgbox::Answer::Yes)
        return;
    m_document.Add(text, entry::MakeCode(m_nYear, m_nGender));
    ClearFieldsForNext();
}

void CEntryDlg::ClearFieldsForNext()
{
    m_strFirstName.clear();
    m_strName.clear();
    m_nYear = 0;
    m_nGender = entry::Female;
    SyncGenderAndUpdate(0);
    SetFocusToFirstName();
    ResetGenderButtons();
}

bool CEntryDlg::AddAfterRename(const QString& text)
{
    // Typing the next child into a selected row renames that row as it is typed; adding it then
    // would leave the old participant gone. Asked only when the name was changed in place.
    const int row = m_lbEntries->GetCurSel();
    if (row < 0 || m_lbEntries->GetText(row) == m_selectedAs.text)
        return false;
    const messages::RenamedQuestion question =
        messages::RenamedInPlace(entry::ShownName(m_selectedAs.text), entry::ShownName(text));
    switch (msgbox::Ask(this, question.text, question.addNew, question.keepChange)) {
    case msgbox::Answer::Yes:
        m_document.RestoreAndAdd(row, m_selectedAs, text, entry::MakeCode(m_nYear, m_nGender));
        break;
    case msgbox::Answer::No:
        m_document.CloseEdit(); // the rename stays, as the one step it already is
        break;
    default:
        return true; // nothing decided: the fields stay as they are
    }
    m_lbEntries->SetCurSel(-1);
    ClearFieldsForNext();
    return true;
}

void CEntryDlg::OnRemove()
{
    const int index = m_lbEntries->GetCurSel();
    if (index == -1) {
        msgbox::Show(this, messages::SelectFirstToRemove());
        return;
    }
    // A withdrawn participant must not stay in the saved file unnoticed: removing is a change.
    m_document.Remove(index);
    m_lbEntries->SetCurSel(-1);
    m_strFirstName.clear();
    m_strName.clear();
    m_nYear = 0;
    SyncGenderAndUpdate(0);
    m_nGender = entry::Female;
    ResetGenderButtons();
}

void CEntryDlg::OnNew()
{
    m_document.CloseEdit();
    m_lbEntries->SetCurSel(-1);
    m_strFirstName.clear();
    m_strName.clear();
    m_nYear = 0;
    SyncGenderAndUpdate(0);
    SetFocusToFirstName();
    m_nGender = entry::Female;
    ResetGenderButtons();
}

void CEntryDlg::OnSelChangeEntries()
{
    m_document.CloseEdit();
    const int index = m_lbEntries->GetCurSel();
    if (index == -1)
        return;
    m_selectedAs = {m_lbEntries->GetText(index), m_lbEntries->GetItemData(index)};
    const entry::Names names = entry::SplitDisplayText(m_lbEntries->GetText(index));
    m_strName = names.name;
    m_strFirstName = names.firstName;
    const qint32 code = m_lbEntries->GetItemData(index);
    m_nGender = entry::GenderOf(code);
    m_nYear = entry::YearOf(code);
    SyncGenderAndUpdate(0);
}

int CEntryDlg::UpdateSelectedEntry(qint32 code)
{
    const int index = m_lbEntries->GetCurSel();
    if (index < 0)
        return 1;
    SyncGenderAndUpdate(1);
    const QString text = entry::DisplayText(m_strName, m_strFirstName);
    // The row stays where it stands, even when its new text would sort elsewhere.
    m_document.UpdateRow(index, text, code);
    m_lbEntries->SetCurSel(index);
    SyncGenderAndUpdate(1);
    return 1;
}

void CEntryDlg::OnChangeName()
{
    UpdateSelectedEntry(-1);
    m_document.SetModified(true);
}

void CEntryDlg::OnKillFocusYear()
{
    LeaveYearField();
}

bool CEntryDlg::LeaveYearField()
{
    m_edYear->setModified(false); // what was typed is dealt with now, one way or the other
    const bool exchanged = SyncGenderAndUpdate(1) != 0;
    const int year = entry::CheckBirthYear(m_nYear);
    if (year != -1) {
        UpdateSelectedEntry(entry::MakeCode(year, m_nGender));
        // A text that is no number was refused by the exchange, with its message.
        return exchanged;
    }
    msgbox::Show(this, messages::BadDate() + u'\n' +
                           messages::YearOutsideWindow(m_nYear, entry::CurrentUtcYear()));
    m_nYear = 0;
    SyncGenderAndUpdate(0);
    return false;
}

bool CEntryDlg::CommitPendingEdit()
{
    for (QComboBox* box : {m_cbClub, m_cbEvent})
        SettleChoice(box);
    // A year typed and not yet taken; a field that the program filled has nothing to take.
    return !m_edYear->isModified() || LeaveYearField();
}

void CEntryDlg::RunCommand(void (CEntryDlg::*handler)())
{
    if (CommitPendingEdit())
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
    UpdateSelectedEntry(year != -1 ? entry::MakeCode(year, m_nGender) : -1);
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
    if (const std::optional<QString> saved =
            commands::SaveEntryFile(this, m_document, m_bAutoSave == 1, m_strPath))
        ShowStatus(StatusOfFile(messages::FileAction::Saved, *saved));
}

void CEntryDlg::OnLoad()
{
    if (!MayDiscardChanges())
        return;
    if (const std::optional<QString> path = commands::ChooseEntryFileToLoad(this, m_strPath))
        LoadPath(*path);
}

bool CEntryDlg::MayDiscardChanges()
{
    // A loaded file replaces the whole list: unsaved changes would be gone without a word.
    return m_bModified != 1 || msgbox::Show(this, messages::DiscardQuestion(),
                                            msgbox::Buttons::YesNoDefaultNo) == msgbox::Answer::Yes;
}

void CEntryDlg::LoadPath(const QString& path)
{
    const auto items = [](const QComboBox* box) {
        QStringList texts;
        for (int i = 0; i < box->count(); ++i)
            texts << box->itemText(i);
        return texts;
    };
    const std::optional<entryfile::HeaderSelection> selection =
        commands::LoadEntryFile(this, m_document, path, items(m_cbClub), items(m_cbEvent));
    if (!selection)
        return;
    // Selecting from code raises no choice notification, as with a combo box's own selection.
    // A club or event that the file does not name in the list is no choice at all: keeping the
    // previous one would save these participants as another club's registration.
    m_cbClub->setCurrentIndex(selection->club);
    m_cbEvent->setCurrentIndex(selection->event);
    m_bClubChosen = selection->club >= 0 ? 1 : 0;
    m_bEventChosen = selection->event >= 0 ? 1 : 0;
    if (selection->enableEditButtons)
        EnableEditButtons();
    else
        GetDlgItem(IDC_SAVE)->setEnabled(false);
    SyncGenderAndUpdate(0);
    const QString fileName = QFileInfo(path).fileName();
    const QString missing = messages::HeaderNotFoundShort(*selection);
    ShowStatus(StatusOfFile(messages::FileAction::Loaded, path) +
               (missing.isEmpty() ? QString() : QStringLiteral(" · ") + missing));
    if (!missing.isEmpty())
        msgbox::Show(this, messages::HeaderNotFound(*selection, fileName));
}

void CEntryDlg::OnImport()
{
    if (const std::optional<QString> done =
            commands::Import(this, m_document, m_folders.memberLists))
        ShowStatus(*done);
}

void CEntryDlg::OnPrint()
{
    if (!SayWhyNot(m_actPrint))
        commands::Print(this, m_document);
}

void CEntryDlg::OnSavePdf()
{
    if (SayWhyNot(m_actPdf))
        return;
    if (const std::optional<QString> saved = commands::SavePdf(this, m_document, m_folders.pdfs))
        ShowStatus(StatusOfFile(messages::FileAction::PdfSaved, *saved));
}

void CEntryDlg::OnUndo()
{
    if (m_document.CanUndo())
        StepThroughHistory(messages::HistoryStep(true, m_document.UndoName()), true);
}

void CEntryDlg::OnRedo()
{
    if (m_document.CanRedo())
        StepThroughHistory(messages::HistoryStep(false, m_document.RedoName()), false);
}

void CEntryDlg::StepThroughHistory(const QString& said, bool back)
{
    // The fields must not go on editing a row that the step may have moved or taken away: they
    // start a new participant, as after "Neu", and keep the focus where it is.
    m_document.CloseEdit();
    m_lbEntries->SetCurSel(-1);
    back ? m_document.Undo() : m_document.Redo();
    m_strFirstName.clear();
    m_strName.clear();
    m_nYear = 0;
    m_nGender = entry::Female;
    SyncGenderAndUpdate(0);
    ShowStatus(said);
    m_bStatusIsHistory = true;
}

QString CEntryDlg::StatusOfFile(messages::FileAction action, const QString& path)
{
    return messages::FileDone(
        action, QFileInfo(path).fileName(),
        QLocale(QLocale::German).toString(QTime::currentTime(), QStringLiteral("HH:mm")));
}

bool CEntryDlg::SayWhyNot(const QAction* command)
{
    const QString why = messages::PrintBlocked(m_document.PrintBlocker());
    if (!why.isEmpty())
        ShowStatus(QString(command->text()).remove(u'&') + QStringLiteral(" – ") + why);
    return !why.isEmpty();
}

void CEntryDlg::UpdateHistory()
{
    // The undo commands name the step they would take; a name's "&" is no mnemonic. Kept up to
    // date at once, as their shortcuts work only while they are enabled.
    const auto named = [](QAction* action, const QString& verb, const QString& step) {
        action->setEnabled(!step.isEmpty());
        action->setText(step.isEmpty() ? verb
                                       : verb + QStringLiteral(": ") +
                                             QString(step).replace(u'&', QStringLiteral("&&")));
    };
    named(m_actUndo, QStringLiteral("&Rückgängig"), m_document.UndoName());
    named(m_actRedo, QStringLiteral("&Wiederholen"), m_document.RedoName());
}

void CEntryDlg::ShowStatus(const QString& text)
{
    m_strStatus = text;
    m_bStatusIsHistory = false;
    UpdateStatus();
}

void CEntryDlg::UpdateStatus()
{
    QStringList parts;
    if (!m_strStatus.isEmpty())
        parts << m_strStatus;
    if (m_bModified == 1)
        parts << messages::UnsavedChanges();
    m_lblStatus->setFullText(parts.join(QStringLiteral(" · ")));
}

void CEntryDlg::SettleChoice(QComboBox* box)
{
    // The field never keeps a text that would not be saved: the one item that the text names
    // (ignoring case) becomes the choice, any other text gives way to the chosen item's.
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
    if (const Extras* extras = LoadExtras(this))
        extras->gather(this, m_folders.gathering, ExtrasSeamsOfTheProgram());
}

void CEntryDlg::OnSend()
{
    commands::SendTestMail(this, m_testMail);
}
