#include "CEntryApp.h"

#include "CEntryDlg.h"
#include "DataPath.h"
#include "HelpViewer.h"
#include "Settings.h"

#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>

CEntryApp::CEntryApp(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(ApplicationNameFromPath(applicationFilePath()));
    setOrganizationName(QStringLiteral("ZANDREL"));
    setApplicationVersion(QStringLiteral("2.0"));
    setWindowIcon(ApplicationIcon());
    // Lets Wayland desktops tie the window to the installed desktop entry and its icon.
    setDesktopFileName(QStringLiteral("org.example.zandrel"));
    InstallGermanTexts(*this, m_qtTranslator);
}

QString CEntryApp::ApplicationNameFromPath(const QString& executablePath)
{
    const QString file = QFileInfo(executablePath).fileName();
    const qsizetype dot = file.lastIndexOf(QLatin1Char('.'));
    // A name that is all extension (".zandrel") keeps its name rather than becoming empty.
    return dot > 0 ? file.left(dot) : file;
}

void CEntryApp::InstallGermanTexts(QCoreApplication& app, QTranslator& translator)
{
    const QLocale german(QLocale::German, QLocale::Germany);
    QLocale::setDefault(german);
    if (translator.load(german, QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&translator);
}

int CEntryApp::InitInstance()
{
    {
        CEntryDlg dlg;
        dlg.ApplySettings(CSettings::Read(applicationName()));
        dlg.OnInitDialog();
        // Window-modal without a parent blocks nothing else: the help window stays usable.
        dlg.setWindowModality(Qt::WindowModal);
        dlg.exec(); // how it closed makes no difference to the program's end
    }               // the window's destructor writes the settings
    help::Destroy();
    return 0;
}
