// Test main for everything that needs a QApplication. The offscreen platform is forced here
// rather than left to the caller, so a developer running a test binary by hand on a desktop
// gets the same pixels and the same focus behaviour as CI.
#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // A fixed locale keeps collation and number formatting independent of the machine.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zandrel"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
