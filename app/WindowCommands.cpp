#include "app/WindowCommands.h"

#include "entries/EntryDocument.h"
#include "messages/Messages.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <span>

namespace {

struct CommandText
{
    WindowCommands::Command command;
    const char* text;
    const char* objectName;
    QList<QKeySequence> keys;
};

// The menu in its order; a null text is a separator.
const CommandText* commandTable(qsizetype& count)
{
    using C = WindowCommands;
    static const CommandText table[] = {
        {C::Undo,
         QT_TRANSLATE_NOOP("WindowCommands", "&Rückgängig"),
         "actionUndo",
         {QKeySequence(Qt::CTRL | Qt::Key_Z)}},
        {C::Redo,
         QT_TRANSLATE_NOOP("WindowCommands", "&Wiederholen"),
         "actionRedo",
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}},
        {C::Import, nullptr, nullptr, {}},
        {C::Import,
         QT_TRANSLATE_NOOP("WindowCommands", "&Importieren…"),
         "actionImport",
         {QKeySequence(Qt::CTRL | Qt::Key_I)}},
        {C::Print,
         QT_TRANSLATE_NOOP("WindowCommands", "&Drucken…"),
         "actionPrint",
         {QKeySequence(Qt::CTRL | Qt::Key_P)}},
        {C::Pdf,
         QT_TRANSLATE_NOOP("WindowCommands", "Als &PDF speichern…"),
         "actionPdf",
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)}},
        {C::Import, nullptr, nullptr, {}},
        {C::OpenInvitation,
         QT_TRANSLATE_NOOP("WindowCommands", "Ausschreibung ö&ffnen…"),
         "actionOpenInvitation",
         {}},
        {C::CloseInvitation,
         QT_TRANSLATE_NOOP("WindowCommands", "Ausschreibung sc&hließen"),
         "actionCloseInvitation",
         {}},
        {C::Contact, QT_TRANSLATE_NOOP("WindowCommands", "A&nsprechpartner…"), "actionContact", {}},
        // As in mail programs, where Ctrl+Enter sends; Ctrl+M would arrive in a field as Return.
        {C::SendToOrganiser,
         QT_TRANSLATE_NOOP("WindowCommands", "An Veranstalter s&enden…"),
         "actionSendToOrganiser",
         {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)}},
        {C::Import, nullptr, nullptr, {}},
        {C::Gather,
         QT_TRANSLATE_NOOP("WindowCommands", "Meldungen &sammeln…"),
         "actionGather",
         {QKeySequence(Qt::CTRL | Qt::Key_G)}},
        {C::Import, nullptr, nullptr, {}},
        {C::About, QT_TRANSLATE_NOOP("WindowCommands", "Inf&o über Zandrel…"), "actionAbout", {}},
    };
    count = std::size(table);
    return table;
}

} // namespace

WindowCommands::WindowCommands(QWidget* window, QPushButton* more)
    : QObject(window), m_window(window), m_menu(new QMenu(window))
{
    // A menu of the window's own rather than Qt::ActionsContextMenu's throw-away one, so that
    // accessibility clients find it as a child of the window while it is open.
    m_menu->setObjectName(QStringLiteral("contextMenu"));
    m_menu->setAccessibleName(tr("Befehle"));
    m_menu->setToolTipsVisible(true); // a disabled item says why it is disabled
    qsizetype count = 0;
    const CommandText* table = commandTable(count);
    for (const CommandText& entry : std::span(table, count)) {
        if (!entry.text) {
            m_menu->addSeparator();
            continue;
        }
        auto* action = new QAction(tr(entry.text), window);
        action->setObjectName(QString::fromLatin1(entry.objectName));
        action->setShortcuts(entry.keys);
        // Dialogs would otherwise not show the shortcut beside the item.
        action->setShortcutVisibleInContextMenu(true);
        connect(action, &QAction::triggered, this,
                [this, command = entry.command] { Q_EMIT triggered(command); });
        // The shortcut works anywhere in the window. The title-bar menu belongs to the window
        // manager on Linux, so the about item lives here, with no shortcut.
        if (entry.command != About)
            window->addAction(action);
        m_menu->addAction(action);
        m_actions[entry.command] = action;
    }
    m_actions[CloseInvitation]->setEnabled(false);
    more->setMenu(m_menu);

    openMenuByKeyAndMouse();
}

void WindowCommands::openMenuByKeyAndMouse()
{
    // Shift+F10 and the menu key open the commands wherever the focus is.
    auto* menuKey = new QAction(m_window);
    menuKey->setShortcuts({QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)});
    connect(menuKey, &QAction::triggered, this, [this] {
        const QWidget* at = m_window->focusWidget() ? m_window->focusWidget() : m_window;
        m_menu->popup(at->mapToGlobal(QPoint(0, at->height())));
    });
    m_window->addAction(menuKey);
    m_window->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_window, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { m_menu->popup(m_window->mapToGlobal(pos)); });
}

void WindowCommands::showSteps(const QString& undo, const QString& redo)
{
    // A step's "&" is no mnemonic. Kept up to date at once, as the shortcuts work only while
    // the commands are enabled.
    const auto named = [](QAction* action, const QString& verb, const QString& step) {
        action->setEnabled(!step.isEmpty());
        action->setText(step.isEmpty() ? verb
                                       : tr("%1: %2").arg(verb, QString(step).replace(
                                                                    u'&', QStringLiteral("&&"))));
    };
    named(m_actions[Undo], tr("&Rückgängig"), undo);
    named(m_actions[Redo], tr("&Wiederholen"), redo);
}

void WindowCommands::setPrintBlocked(const QString& reason)
{
    for (Command command : {Print, Pdf, SendToOrganiser}) {
        QAction* action = m_actions[command];
        action->setEnabled(reason.isEmpty());
        action->setToolTip(reason.isEmpty() ? action->text().remove(u'&') : reason);
    }
}

QString WindowCommands::whyNot(const QKeyEvent* event) const
{
    const QKeySequence pressed(event->keyCombination());
    for (const QAction* action : m_actions) {
        if (action->isEnabled() || !action->shortcuts().contains(pressed))
            continue;
        const QString why = action == m_actions[Undo]   ? messages::nothingToUndo()
                            : action == m_actions[Redo] ? messages::nothingToRedo()
                                                        : action->toolTip();
        return refusal(action, why);
    }
    return {};
}

QString WindowCommands::refusal(const QAction* action, const QString& why)
{
    return tr("%1 – %2").arg(QString(action->text()).remove(u'&'), why);
}

void WindowCommands::follow(const EntryDocument& document)
{
    const auto steps = [this, &document] { showSteps(document.undoName(), document.redoName()); };
    connect(&document, &EntryDocument::changed, this, steps);
    connect(&document, &EntryDocument::modifiedChanged, this, steps);
}
