#include "app/CEntryApp.h"

#include "app/CEntryDlg.h"
#include "app/DataPath.h"
#include "app/HelpViewer.h"
#include "app/Settings.h"
#include "i18n/Translations.h"
#include "messages/Messages.h"

#include <QFileInfo>
#include <QTextStream>
#include <QTimer>
#include <QUrl>

CEntryApp::CEntryApp(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(applicationNameFromPath(applicationFilePath()));
    setOrganizationName(QStringLiteral("ZANDREL"));
    setApplicationVersion(QStringLiteral("2.0"));
    setWindowIcon(applicationIcon());
    // Lets Wayland desktops tie the window to the installed desktop entry and its icon.
    setDesktopFileName(QStringLiteral("org.example.zandrel"));
    i18n::installGermanTexts(*this);
}

QString CEntryApp::applicationNameFromPath(const QString& executablePath)
{
    const QString file = QFileInfo(executablePath).fileName();
    const qsizetype dot = file.lastIndexOf(QLatin1Char('.'));
    // A name that is all extension (".zandrel") keeps its name rather than becoming empty.
    return dot > 0 ? file.left(dot) : file;
}

namespace {

CEntryApp::Start finished(const QString& output, int exitCode)
{
    CEntryApp::Start start;
    start.output = output;
    start.exitCode = exitCode;
    return start;
}

} // namespace

CEntryApp::Start CEntryApp::parseArguments(const QStringList& arguments)
{
    const QString usage = messages::usage(
        arguments.isEmpty() ? QStringLiteral("Zandrel") : QFileInfo(arguments.first()).fileName());
    Start start;
    bool optionsEnd = false;
    for (const QString& argument : arguments.mid(1)) {
        if (!optionsEnd && argument == QLatin1String("--")) {
            optionsEnd = true;
        } else if (!optionsEnd &&
                   (argument == QLatin1String("-h") || argument == QLatin1String("--help"))) {
            return finished(usage + messages::commandLineHelp(), 0);
        } else if (!optionsEnd && argument == QLatin1String("--version")) {
            return finished(QStringLiteral("Zandrel 2.0\n"), 0);
        } else if (!optionsEnd && argument.startsWith(QLatin1Char('-')) &&
                   argument != QLatin1String("-")) {
            return finished(messages::unknownOption(argument) + u'\n' + usage, 2);
        } else {
            // File managers may hand over a URL instead of a path.
            const QUrl url(argument);
            const QString path = url.isLocalFile() ? url.toLocalFile() : argument;
            const bool isInvitation = path.endsWith(QLatin1String(".aus"), Qt::CaseInsensitive);
            QString& slot = isInvitation ? start.invitation : start.file;
            if (!slot.isEmpty())
                return finished(messages::onlyOneFileToOpen(isInvitation) + usage, 2);
            slot = path;
        }
    }
    return start;
}

int CEntryApp::InitInstance()
{
    const Start start = parseArguments(arguments());
    if (start.exitCode) {
        QTextStream(*start.exitCode == 0 ? stdout : stderr) << start.output;
        return *start.exitCode;
    }
    {
        CEntryDlg dlg;
        dlg.applySettings(Settings::read(applicationName()));
        dlg.OnInitDialog();
        // Loaded once the window is up, so that a message about the file has the window behind
        // it and the window opens, empty, after a missing or broken file.
        QTimer::singleShot(0, &dlg, [&dlg, start] {
            // The event file first: it brings the lists in which the entry file's club and
            // event are looked up.
            if (!start.invitation.isEmpty())
                dlg.openInvitation(start.invitation, false);
            if (!start.file.isEmpty())
                dlg.loadPath(start.file);
        });
        // Window-modal without a parent blocks nothing else: the help window stays usable.
        dlg.setWindowModality(Qt::WindowModal);
        dlg.exec(); // how it closed makes no difference to the program's end
    }               // the window's destructor writes the settings
    help::destroy();
    return 0;
}
