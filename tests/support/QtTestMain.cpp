// Test main for everything that needs a QApplication. The offscreen platform is forced here, so a
// test run by hand on a desktop gets the same pixels and focus behaviour as CI.
#include <gtest/gtest.h>
#include <QApplication>
#include <QLocale>

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
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zandrel"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
