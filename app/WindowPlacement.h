#pragma once
// Where a window opens: wholly inside the screen's free area, title bar and frame included, and
// centred there, whatever the screen's size and scale.

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

namespace placement {

/// The frame that a window manager adds around the window, as long as the window is not yet
/// shown and the real one is unknown. Generous on purpose, so that the window fits with any of the
/// common ones: openbox's (left 1, top 20, right 1, bottom 5), KWin's and Mutter's title bars of
/// up to 37 pixels, and Windows' 8-pixel borders below a 31-pixel title bar.
constexpr QMargins kUsualFrame{8, 38, 8, 8};

/// The window's own area (frame not included) for a window that would like `wanted` and needs
/// `minimum`: no larger than the free area `available` holds with the frame, centred in it. A
/// window that cannot fit keeps its title bar at the top-left of the free area, so that it can
/// still be moved.
QRect fit(QSize wanted, QSize minimum, QRect available, QMargins frame = kUsualFrame);

/// The frame around `window` as the window manager drew it (none before it is shown).
QMargins frameOf(const QWidget& window);

/// The window's own area `client` once its real `frame` is known: unchanged while the frame lies
/// wholly inside `available`, otherwise fitted again with that frame (`fit`, at most its size).
QRect refit(QRect client, QSize minimum, QRect available, QMargins frame);

/// Gives `window` its place on the screen it will open on (the one under the mouse): by the usual
/// frame before it is shown, and once more by the window manager's real one when it is first
/// painted, should that frame reach past the screen's free area.
void placeOnScreen(QWidget& window, QSize wanted);

/// The about item in the window's title-bar menu, where Windows has one of the program's own;
/// nothing elsewhere. isAboutCommand tells its command among the window's native messages.
void addAboutToSystemMenu(QWidget& window, const QString& text);
bool isAboutCommand(const void* message);

} // namespace placement
