#pragma once
// The per-user settings: the two the window has always had, and the organiser's event file that
// was open last. On Windows QSettings' native format is the registry key
// HKEY_CURRENT_USER\Software\ZANDREL\<application name>\settings; on Linux the same values live in
// ~/.config/ZANDREL/<application name>.conf, group [settings].

#include <QString>

/// The club's contact person: on the printed registration and in the mail to the organiser.
struct Contact
{
    QString name;
    QString email;
    QString phone;

    bool isEmpty() const { return name.isEmpty() && email.isEmpty() && phone.isEmpty(); }
    /// "Eva Muster, eva@tv-musterstadt.de, 0711 1234": the parts that are given.
    QString oneLine() const;
};

struct Settings
{
    int autoSave = 0;   ///< check box "Automatische Namen"; any integer is kept as read
    QString path;       ///< folder the file dialogs open in; empty = none remembered
    QString invitation; ///< the event file open at the end, opened again at the start; empty = none
    Contact contact;    ///< the club's contact person

    /// Reads the values for the given application name; missing or unreadable values give the
    /// defaults.
    static Settings read(const QString& applicationName);

    /// Writes the values; a store that cannot be written is ignored, as there is nobody left to
    /// tell when the window has already closed.
    void write(const QString& applicationName) const;
};
