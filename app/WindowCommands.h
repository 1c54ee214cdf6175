#pragma once
// The window's commands beyond its buttons: each an action with its shortcut, all of them in the
// window's context menu (also behind "Weitere Befehle", Shift+F10 and the menu key). A shortcut
// of a command that cannot run now says why instead of doing nothing.

#include <QObject>
#include <QString>

class EntryDocument;
class QAction;
class QKeyEvent;
class QMenu;
class QPushButton;
class QWidget;

class WindowCommands : public QObject
{
    Q_OBJECT

public:
    enum Command
    {
        Undo,
        Redo,
        Import,
        Print,
        Pdf,
        OpenInvitation,
        CloseInvitation,
        Contact,
        SendToOrganiser,
        Gather,
        About,
    };
    Q_ENUM(Command)

    /// The actions in `window`; "Weitere Befehle" (`more`) opens their menu.
    WindowCommands(QWidget* window, QPushButton* more);

    QAction* action(Command command) const { return m_actions[command]; }

    /// The undo commands name the step they would take; none: disabled.
    void showSteps(const QString& undo, const QString& redo);
    /// The print commands (and sending, which prints) run only without a reason against them,
    /// which their tooltips give.
    void setPrintBlocked(const QString& reason);
    /// What a key press for a disabled command says instead; empty for any other key.
    QString whyNot(const QKeyEvent* event) const;
    /// "Drucken… – why": a command that did not run, and why.
    static QString refusal(const QAction* action, const QString& why);

    /// Keeps the undo commands' names as the document's history changes.
    void follow(const EntryDocument& document);

Q_SIGNALS:
    void triggered(WindowCommands::Command command);

private:
    /// Shift+F10 and the menu key open the menu wherever the focus is; so does a right click.
    void openMenuByKeyAndMouse();

    QWidget* m_window;
    QMenu* m_menu;
    QAction* m_actions[About + 1] = {};
};
