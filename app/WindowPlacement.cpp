#include "app/WindowPlacement.h"

#include <algorithm>
#include <QCursor>
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

void placeOnScreen(QWidget& window, QSize wanted)
{
    const QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    window.setGeometry(fit(wanted, window.minimumSizeHint(), screen->availableGeometry()));
}

} // namespace placement
