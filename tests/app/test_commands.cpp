// What the window offers beyond its buttons: counts, the duplicate question, the context menu as
// accessibility clients see it, and opening a file from the command line or by dropping it.
#include "app/CEntryApp.h"
#include "DialogFixture.h"
#include "entryfile/EntryFile.h"
#include "textfile/SafeFile.h"

#include <QAccessible>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>

namespace {

TEST_F(DialogTest, CountsFollowTheListAndADuplicateNeedsAYes)
{
    Open();
    const auto counts = [this] {
        QCoreApplication::processEvents(); // the label follows on the next pass of the event loop
        return dlg->findChild<QLabel*>(QStringLiteral("labelCounts"))->text();
    };
    EXPECT_EQ(counts(), QStringLiteral("0 Teilnehmer · 0 weiblich · 0 männlich"));
    AddParticipant(QStringLiteral("Meier"), QStringLiteral("Anna"), 1994);
    AddParticipant(QStringLiteral("Huber"), QStringLiteral("Max"), 1995, true);
    EXPECT_EQ(counts(), QStringLiteral("2 Teilnehmer · 1 weiblich · 1 männlich"));

    AddParticipant(QStringLiteral("MEIER"), QStringLiteral("anna"), 1994); // "Nein": nothing added
    EXPECT_EQ(messages.texts, QStringList{QStringLiteral("„MEIER,anna“ (1994) ist schon in der "
                                                         "Liste. Trotzdem hinzufügen?")});
    EXPECT_EQ(Edit(Id::IDC_NAME)->text(), QStringLiteral("MEIER"));
    EXPECT_EQ(List()->GetCount(), 2);
    LeaveYear(QStringLiteral("1993")); // another year is another child
    Click(Id::IDC_ADD);
    EXPECT_EQ(messages.texts.size(), 1);
    EXPECT_EQ(counts(), QStringLiteral("3 Teilnehmer · 2 weiblich · 1 männlich"));
    ClickRow(0);
    Click(Id::IDC_REMOVE);
    EXPECT_EQ(counts(), QStringLiteral("2 Teilnehmer · 2 weiblich · 0 männlich"));
}

TEST_F(DialogTest, OpenContextMenuIsAChildOfTheWindowForAccessibilityClients)
{
    Open();
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(dlg.get());
    const int closedCount = window->childCount();
    QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(10, 10),
                              dlg->mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(dlg.get(), &request);
    auto* menu = dlg->findChild<QMenu*>(QStringLiteral("contextMenu"));
    ASSERT_TRUE(menu && menu->isVisible());

    ASSERT_EQ(window->childCount(), closedCount + 1);
    QAccessibleInterface* shown = window->child(closedCount);
    EXPECT_EQ(shown->role(), QAccessible::PopupMenu);
    EXPECT_EQ(shown->text(QAccessible::Name), QStringLiteral("Befehle"));
    EXPECT_EQ(window->indexOfChild(shown), closedCount);
    QStringList items;
    for (int i = 0; i < shown->childCount(); ++i)
        items << shown->child(i)->text(QAccessible::Name);
    EXPECT_EQ(items, (QStringList{QStringLiteral("Rückgängig"), QStringLiteral("Wiederholen"),
                                  QString(), QStringLiteral("Importieren…"),
                                  QStringLiteral("Drucken…"), QStringLiteral("Als PDF speichern…"),
                                  QString(), QStringLiteral("Meldungen sammeln…"), QString(),
                                  QStringLiteral("Info über Zandrel...")}));
    menu->close();
    EXPECT_EQ(window->childCount(), closedCount);
}

TEST_F(DialogTest, FileDroppedOrNamedAtStartLoadsAsLaden)
{
    const QString file = dir.filePath(QStringLiteral("b.mdg"));
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("VEREIN: TV Musterstadt\r\nVERANSTALTUNG: Gauturnfest\r\nZahn,Eva,w,1990\r\n");
    out.close();
    Open();
    AddParticipant(QStringLiteral("Meier"), QStringLiteral("Anna"), 1994);
    const auto drop = [&](const QString& path) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(dlg.get(), &enter);
        QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
        if (enter.isAccepted())
            QApplication::sendEvent(dlg.get(), &dropped);
        QCoreApplication::processEvents();
        return enter.isAccepted();
    };
    EXPECT_FALSE(drop(dir.filePath(QStringLiteral("b.txt"))));
    EXPECT_TRUE(drop(file)); // unsaved changes: "Nein" keeps them
    EXPECT_EQ(messages.texts, QStringList{QStringLiteral("Ungespeicherte Änderungen verwerfen?")});
    messages.answers = {msgbox::Answer::Yes};
    drop(file);
    EXPECT_EQ(Rows(), QStringList{QStringLiteral("Zahn,Eva/3980")});

    dlg->LoadPath(dir.filePath(QStringLiteral("fehlt.mdg"))); // the start with a missing file
    EXPECT_EQ(messages.texts.last(), QStringLiteral("FEHLER: Meldedatei nicht gefunden!"));
    EXPECT_EQ(List()->GetCount(), 1);
}

TEST_F(DialogTest, GatherWritesTheFoldersListAndReportsWhatItSkipped)
{
    const QString folder = dir.filePath(QStringLiteral("meldungen"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString clubs[] = {QStringLiteral("TV Musterstadt"),
                             QStringLiteral("TSV Beispielhausen")};
    for (const QString& club : clubs)
        ASSERT_EQ(textfile::SaveFile(folder + u'/' + club + QStringLiteral(".mdg"),
                                     entryfile::Write(club, QStringLiteral("Gauturnfest"),
                                                      {{club.right(4) + QStringLiteral(",Eva"),
                                                        entry::MakeCode(2001, entry::Female)}})),
                  textfile::SaveResult::Ok);
    ASSERT_EQ(textfile::SaveFile(folder + QStringLiteral("/kaputt.mdg"), QByteArray("\0\0", 2)),
              textfile::SaveResult::Ok);
    QString report;
    onDialog = [&](QDialog& d) {
        report = d.findChild<QPlainTextEdit*>(QStringLiteral("gatherReport"))->toPlainText();
        return 0;
    };
    Open();
    fileAnswers = {folder, dir.filePath(QStringLiteral("liste"))};
    QTest::keyClick(dlg.get(), Qt::Key_G, Qt::ControlModifier);
    ASSERT_EQ(fileRequests.size(), 2);
    EXPECT_TRUE(fileRequests[0].chooseFolder);
    EXPECT_EQ(fileRequests[1].folder, folder);
    EXPECT_TRUE(
        report.startsWith(QStringLiteral("2 Teilnehmer aus 2 Dateien in ") +
                          QDir::toNativeSeparators(dir.filePath(QStringLiteral("liste.xlsx")))))
        << report.toStdString();
    // Relative to the chosen folder, not the long path the file dialog gave.
    EXPECT_TRUE(report.contains(QStringLiteral("\nkaputt.mdg: "))) << report.toStdString();
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("liste.xlsx"))).size() > 0);
}

TEST(Shell, CommandLineNamesAtMostOneFile)
{
    const QString self = QStringLiteral("/usr/bin/Zandrel");
    const struct
    {
        QStringList arguments;
        QString file;
        int exitCode; // -1: the window starts
    } cases[] = {
        {{self}, {}, -1},
        {{self, QStringLiteral("a b.mdg")}, QStringLiteral("a b.mdg"), -1},
        {{self, QStringLiteral("file:///tmp/a%20b.mdg")}, QStringLiteral("/tmp/a b.mdg"), -1},
        {{self, QStringLiteral("--"), QStringLiteral("-x.mdg")}, QStringLiteral("-x.mdg"), -1},
        {{self, QStringLiteral("--help")}, {}, 0},
        {{self, QStringLiteral("-x")}, {}, 2},
        {{self, QStringLiteral("a.mdg"), QStringLiteral("b.mdg")}, {}, 2},
    };
    for (const auto& c : cases) {
        const CEntryApp::Start start = CEntryApp::ParseArguments(c.arguments);
        EXPECT_EQ(start.file, c.file) << c.arguments.join(u' ').toStdString();
        EXPECT_EQ(start.exitCode.value_or(-1), c.exitCode) << c.arguments.join(u' ').toStdString();
    }
}

} // namespace
