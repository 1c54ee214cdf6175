#pragma once
// The application: reads the settings, runs the main window, and ends when it closes.

#include <optional>
#include <QApplication>

class CEntryApp : public QApplication
{
    Q_OBJECT
public:
    CEntryApp(int& argc, char** argv);

    /// Runs the program; returns the process exit code.
    int InitInstance();

    /// The executable's base name: the file name without folder and without the part from its
    /// last "." on.
    static QString applicationNameFromPath(const QString& executablePath);

    /// What the command line asks for: an entry file to open, or a text to print and the exit
    /// code to end with (help, version, wrong use).
    struct Start
    {
        QString file;
        QString output;
        std::optional<int> exitCode;
        QString invitation; ///< an organiser's event file (.aus) to open first
    };
    static Start parseArguments(const QStringList& arguments);
};
