#include "app/WindowPlacement.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

#include <algorithm>
#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace placement {

QRect fit(QSize wanted, QSize minimum, QRect available, QMargins frame)
{
    const QSize room = available.size().shrunkBy(frame);
    const QSize size = wanted.boundedTo(room).expandedTo(minimum);
    const QSize outer = size.grownBy(frame);
    // Centred; where the window is larger than the area, its top-left corner stays inside.
    const int left = available.left() + std::max(0, (available.width() - outer.width()) / 2);
    const int top = available.top() + std::max(0, (available.height() - outer.height()) / 2);
    return {QPoint(left + frame.left(), top + frame.top()), size};
}

QMargins frameOf(const QWidget& window)
{
    const QRect client = window.geometry();
    const QRect outer = window.frameGeometry();
    return {client.left() - outer.left(), client.top() - outer.top(),
            outer.right() - client.right(), outer.bottom() - client.bottom()};
}

QRect refit(QRect client, QSize minimum, QRect available, QMargins frame)
{
    if (available.contains(client.marginsAdded(frame)))
        return client;
    return fit(client.size(), minimum, available, frame);
}

namespace {

// The window manager's frame is known only once the window is on the screen (X11 window managers
// add it when they map the window), so the check waits for the first paint and then goes.
class FrameCheck : public QObject
{
public:
    explicit FrameCheck(QWidget& window) : QObject(&window), m_window(window)
    {
        setObjectName(QStringLiteral("frameCheck"));
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &m_window && event->type() == QEvent::Paint) {
            m_window.removeEventFilter(this);
            deleteLater();
            const QRect client = m_window.geometry();
            const QMargins frame = frameOf(m_window);
            if (const QScreen* screen = m_window.screen()) {
                const QRect placed =
                    refit(client, m_window.minimumSizeHint(), screen->availableGeometry(), frame);
                if (placed != client)
                    m_window.setGeometry(placed);
            }
        }
        return false;
    }

private:
    QWidget& m_window;
};

} // namespace

void placeOnScreen(QWidget& window, QSize wanted)
{
    const QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    window.setGeometry(fit(wanted, window.minimumSizeHint(), screen->availableGeometry()));
    // One check, also when the window is placed again before it is shown. (By name: without a
    // meta-object of its own, findChild<FrameCheck*> would take any child for one.)
    if (!window.findChild<QObject*>(QStringLiteral("frameCheck"), Qt::FindDirectChildrenOnly))
        new FrameCheck(window);
}

#ifdef Q_OS_WIN
namespace {
constexpr UINT_PTR kAboutCommand = 16; // the system menu command of the about item
}

void addAboutToSystemMenu(QWidget& window, const QString& text)
{
    if (HMENU menu = GetSystemMenu(reinterpret_cast<HWND>(window.winId()), FALSE)) {
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(menu, MF_STRING, kAboutCommand, reinterpret_cast<LPCWSTR>(text.utf16()));
    }
}

bool isAboutCommand(const void* message)
{
    const auto* msg = static_cast<const MSG*>(message);
    // System menu commands carry flags in their lowest four bits.
    return msg->message == WM_SYSCOMMAND && (msg->wParam & 0xFFF0) == kAboutCommand;
}
#else
void addAboutToSystemMenu(QWidget&, const QString&) {}

bool isAboutCommand(const void*)
{
    return false;
}
#endif

} // namespace placement
