#include "app/KeyboardRules.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>

namespace keys {
namespace {

class FieldKeys : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const auto* field = static_cast<QLineEdit*>(watched);
        const Qt::KeyboardModifiers mods = key->modifiers();
        if (event->type() == QEvent::KeyPress && (mods & Qt::AltModifier) &&
            !(mods & Qt::ControlModifier) && !key->text().isEmpty())
            return true;
        const bool undo = key->matches(QKeySequence::Undo);
        const bool redo = key->matches(QKeySequence::Redo) ||
                          key->keyCombination() == QKeyCombination(Qt::CTRL | Qt::Key_Y);
        if (event->type() == QEvent::ShortcutOverride &&
            ((undo && !field->isUndoAvailable()) || (redo && !field->isRedoAvailable()))) {
            event->ignore(); // not the field's: the window's shortcut takes it
            return true;
        }
        return false;
    }
};

class RadioKeys : public QObject
{
public:
    RadioKeys(QRadioButton* first, QRadioButton* second)
        : QObject(first), m_first(first), m_second(second)
    {
        for (QRadioButton* button : {first, second}) {
            button->installEventFilter(this);
            connect(button, &QAbstractButton::toggled, this, &RadioKeys::updateTabStops);
        }
        updateTabStops();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool back = key == Qt::Key_Up || key == Qt::Key_Left;
        if (!back && key != Qt::Key_Down && key != Qt::Key_Right)
            return false;
        // No wrapping round: ↑ on the first stays there. With two buttons a wrap would turn the
        // key meant to stay on "weiblich" into "männlich".
        QRadioButton* to = back ? m_first : m_second;
        if (to != watched) {
            to->setFocus(Qt::TabFocusReason);
            if (!to->isChecked())
                to->click(); // as the user's click: the window's handler runs
        }
        return true;
    }

private:
    void updateTabStops()
    {
        for (QRadioButton* button : {m_first, m_second})
            button->setFocusPolicy(button->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    }

    QRadioButton* m_first;
    QRadioButton* m_second;
};

QString g_windowClass;
QString g_menuName;

// Qt leaves popup menus out of the application's accessible tree: a screen reader walking the
// window would never find its open context menu. This view of the window adds the open menu as
// its last child, so clients see it, its name and its items, for as long as it is open.
class WindowWithMenu : public QAccessibleWidget
{
public:
    explicit WindowWithMenu(QWidget* window) : QAccessibleWidget(window, QAccessible::Dialog) {}

    int childCount() const override
    {
        return QAccessibleWidget::childCount() + (openMenu() ? 1 : 0);
    }
    QAccessibleInterface* child(int index) const override
    {
        QMenu* menu = openMenu();
        if (menu && index == QAccessibleWidget::childCount())
            return QAccessible::queryAccessibleInterface(menu);
        return QAccessibleWidget::child(index);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        QMenu* menu = openMenu();
        if (menu && child && child->object() == menu)
            return QAccessibleWidget::childCount();
        return QAccessibleWidget::indexOfChild(child);
    }

private:
    QMenu* openMenu() const
    {
        auto* menu = widget()->findChild<QMenu*>(g_menuName, Qt::FindDirectChildrenOnly);
        return menu && menu->isVisible() ? menu : nullptr;
    }
};

QAccessibleInterface* accessibleWindow(const QString& className, QObject* object)
{
    if (className == g_windowClass && object && object->isWidgetType())
        return new WindowWithMenu(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

void keepAltForMnemonics(QLineEdit* field)
{
    field->installEventFilter(new FieldKeys(field));
}

void makeAutomaticRadioButtons(QRadioButton* first, QRadioButton* second)
{
    new RadioKeys(first, second);
}

void showOpenMenuToAccessibility(const QString& windowClass, const QString& menuName)
{
    if (!g_windowClass.isEmpty())
        return;
    g_windowClass = windowClass;
    g_menuName = menuName;
    QAccessible::installFactory(accessibleWindow);
}

} // namespace keys
