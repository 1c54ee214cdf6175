#pragma once
// The help window: one German manual page, shown in a window of its own that no other window owns,
// so it stays usable while the main window (and its message boxes) run.

#include <QSize>
#include <QString>

class QTextBrowser;

namespace help {

/// Path of the manual page.
QString ManualPath();

/// Opens the manual at its first topic; creates the window on first use, raises it afterwards.
void Show();
/// The same for the page at path; where that page is missing or empty, the window says so.
/// Returns the window.
QTextBrowser* Show(const QString& path);

/// The size the window opens with on a screen whose free area is `available`: 640 × 720, but no
/// more than nine tenths of that area either way, which leaves room for the frame and a panel.
QSize WindowSize(QSize available);

/// Closes and deletes the window (at program end).
void Destroy();

} // namespace help
