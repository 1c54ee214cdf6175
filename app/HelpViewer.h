#pragma once
// The help window: one German manual page, shown in a window of its own that no other window owns,
// so it stays usable while the main window (and its message boxes) run.

#include <QSize>
#include <QString>

class QColor;
class QTextBrowser;

namespace help {

/// Path of the manual page.
QString manualPath();

/// Opens the manual at its first topic; creates the window on first use, raises it afterwards.
void show();
/// The same for the page at path; where that page is missing or empty, the window says so.
/// Returns the browser inside the window.
QTextBrowser* show(const QString& path);

/// The size the window would like; it opens smaller where the screen's free area is smaller.
constexpr QSize kWantedSize{640, 720};

/// Closes and deletes the window (at program end).
void destroy();

/// Where the manual is looked for, and whether it is there: a line in the log at the start.
void logManualPath();

/// WCAG's contrast ratio of two colours, in either order: 1 (none) to 21 (black on white). The
/// manual's text keeps at least 4.5 against whatever it stands on.
double contrast(const QColor& a, const QColor& b);

} // namespace help
