#pragma once
// Where a window opens: wholly inside the screen's free area, title bar and frame included, and
// centred there, whatever the screen's size and scale.

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

namespace placement {

/// The frame that a window manager adds around the window, as long as the window is not yet
/// shown and the real one is unknown: a title bar and thin borders.
constexpr QMargins kUsualFrame{4, 30, 4, 4};

/// The window's own area (frame not included) for a window that would like `wanted` and needs
/// `minimum`: no larger than the free area `available` holds with the frame, centred in it. A
/// window that cannot fit keeps its title bar at the top-left of the free area, so that it can
/// still be moved.
QRect fit(QSize wanted, QSize minimum, QRect available, QMargins frame = kUsualFrame);

/// Gives `window` its place on the screen it will open on (the one under the mouse).
void placeOnScreen(QWidget& window, QSize wanted);

/// The about item in the window's title-bar menu, where Windows has one of the program's own;
/// nothing elsewhere. isAboutCommand tells its command among the window's native messages.
void addAboutToSystemMenu(QWidget& window, const QString& text);
bool isAboutCommand(const void* message);

} // namespace placement
