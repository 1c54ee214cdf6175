// Test main for everything that needs a QApplication. The offscreen platform is forced here
// rather than left to the caller, so a developer running a test binary by hand on a desktop
// gets the same pixels and the same focus behaviour as CI.
#include <cstdio>
#include <gtest/gtest.h>
#include <QApplication>
#include <QLocale>

namespace {

QtMessageHandler g_previousHandler = nullptr;

// The offscreen platform warns about window features it simply does not have; those lines would
// only bury real warnings in the test output.
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (g_previousHandler)
        g_previousHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // A fixed locale keeps collation and number formatting independent of the machine.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    g_previousHandler = qInstallMessageHandler(QuietMessages);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zandrel"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
