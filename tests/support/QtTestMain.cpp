// Test main for everything that needs a QApplication, and with ZANDREL_TEST_CORE for the tests of
// Qt Core code, which need a QCoreApplication for the translation. The offscreen platform is
// forced here, so a test run by hand on a desktop gets the same pixels and focus behaviour as CI.
#include "i18n/Translations.h"

#include <gtest/gtest.h>
#include <QLocale>
#ifdef ZANDREL_TEST_CORE
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#else
#include <QApplication>
using TestApplication = QApplication;
#endif

static QtMessageHandler g_next = nullptr;

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The system's language must not decide either: under C, whatever Qt writes with the system's
    // locale instead of the program's German one comes out in English, and a test sees it.
    qputenv("LC_ALL", "C.UTF-8");
    // The offscreen platform's notices about window features it lacks would bury real warnings.
    g_next = qInstallMessageHandler([](QtMsgType t, const QMessageLogContext& c, const QString& m) {
        if (!m.startsWith(QLatin1String("This plugin does not support")))
            g_next(t, c, m);
    });
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TestApplication app(argc, argv);
    TestApplication::setApplicationName(QStringLiteral("Zandrel"));
    // The programs' own translation, as both programs load it; a test of a sentence with a count
    // would otherwise see its plural for one.
    if (!i18n::installGermanTexts(app)) {
        std::fputs("The program's translation (zandrel_de.qm) is not built in.\n", stderr);
        return 1;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
