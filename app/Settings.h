#pragma once
// The per-user settings: the two the window has always had, and the organiser's event file that
// was open last. On Windows QSettings' native format is the registry key
// HKEY_CURRENT_USER\Software\ZANDREL\<application name>\settings; on Linux the same values live in
// ~/.config/ZANDREL/<application name>.conf, group [settings].

#include <QString>

struct Settings
{
    int autoSave = 0;   ///< check box "Automatische Namen"; any integer is kept as read
    QString path;       ///< folder the file dialogs open in; empty = none remembered
    QString invitation; ///< the event file open at the end, opened again at the start; empty = none

    /// Reads the values for the given application name; missing or unreadable values give the
    /// defaults.
    static Settings read(const QString& applicationName);

    /// Writes the values; a store that cannot be written is ignored, as there is nobody left to
    /// tell when the window has already closed.
    void write(const QString& applicationName) const;
};
