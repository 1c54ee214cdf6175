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
    open();
    const auto counts = [this] {
        QCoreApplication::processEvents(); // the label follows on the next pass of the event loop
        return m_dlg->findChild<QLabel*>(QStringLiteral("labelCounts"))->text();
    };
    EXPECT_EQ(counts(), QStringLiteral("0 Teilnehmer · 0 weiblich · 0 männlich"));
    addParticipant(QStringLiteral("Meier"), QStringLiteral("Anna"), 1994);
    addParticipant(QStringLiteral("Huber"), QStringLiteral("Max"), 1995, true);
    EXPECT_EQ(counts(), QStringLiteral("2 Teilnehmer · 1 weiblich · 1 männlich"));

    addParticipant(QStringLiteral("MEIER"), QStringLiteral("anna"), 1994); // "Nein": nothing added
    EXPECT_EQ(m_messages.texts, QStringList{QStringLiteral("„MEIER,anna“ (1994) ist schon in der "
                                                           "Liste. Trotzdem hinzufügen?")});
    EXPECT_EQ(edit(Id::IDC_NAME)->text(), QStringLiteral("MEIER"));
    EXPECT_EQ(list()->GetCount(), 2);
    leaveYear(QStringLiteral("1993")); // another year is another child
    click(Id::IDC_ADD);
    EXPECT_EQ(m_messages.texts.size(), 1);
    EXPECT_EQ(counts(), QStringLiteral("3 Teilnehmer · 2 weiblich · 1 männlich"));
    clickRow(0);
    click(Id::IDC_REMOVE);
    EXPECT_EQ(counts(), QStringLiteral("2 Teilnehmer · 2 weiblich · 0 männlich"));
}

TEST_F(DialogTest, OpenContextMenuIsAChildOfTheWindowForAccessibilityClients)
{
    open();
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(m_dlg.get());
    const int closedCount = window->childCount();
    QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(10, 10),
                              m_dlg->mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(m_dlg.get(), &request);
    auto* menu = m_dlg->findChild<QMenu*>(QStringLiteral("contextMenu"));
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
                                  QString(), QStringLiteral("Ausschreibung öffnen…"),
                                  QStringLiteral("Ausschreibung schließen"),
                                  QStringLiteral("Ansprechpartner…"),
                                  QStringLiteral("An Veranstalter senden…"), QString(),
                                  QStringLiteral("Meldungen sammeln…"), QString(),
                                  QStringLiteral("Info über Zandrel...")}));
    menu->close();
    EXPECT_EQ(window->childCount(), closedCount);
}

TEST_F(DialogTest, FileDroppedOrNamedAtStartLoadsAsLaden)
{
    const QString file = m_dir.filePath(QStringLiteral("b.mdg"));
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("VEREIN: TV Musterstadt\r\nVERANSTALTUNG: Gauturnfest\r\nZahn,Eva,w,1990\r\n");
    out.close();
    open();
    addParticipant(QStringLiteral("Meier"), QStringLiteral("Anna"), 1994);
    const auto drop = [&](const QString& path) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(m_dlg.get(), &enter);
        QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
        if (enter.isAccepted())
            QApplication::sendEvent(m_dlg.get(), &dropped);
        QCoreApplication::processEvents();
        return enter.isAccepted();
    };
    EXPECT_FALSE(drop(m_dir.filePath(QStringLiteral("b.txt"))));
    EXPECT_TRUE(drop(file)); // unsaved changes: "Nein" keeps them
    EXPECT_EQ(m_messages.texts,
              QStringList{QStringLiteral("Ungespeicherte Änderungen verwerfen?")});
    m_messages.answers = {msgbox::Answer::Yes};
    drop(file);
    EXPECT_EQ(rows(), QStringList{QStringLiteral("Zahn,Eva/3980")});

    m_dlg->loadPath(m_dir.filePath(QStringLiteral("fehlt.mdg"))); // the start with a missing file
    EXPECT_EQ(m_messages.texts.last(), QStringLiteral("FEHLER: Meldedatei nicht gefunden!"));
    EXPECT_EQ(list()->GetCount(), 1);
}

TEST_F(DialogTest, GatherWritesTheFoldersListAndReportsWhatItSkipped)
{
    const QString folder = m_dir.filePath(QStringLiteral("meldungen"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString clubs[] = {QStringLiteral("TV Musterstadt"),
                             QStringLiteral("TSV Beispielhausen")};
    for (const QString& club : clubs)
        ASSERT_EQ(textfile::saveFile(folder + u'/' + club + QStringLiteral(".mdg"),
                                     entryfile::write(club, QStringLiteral("Gauturnfest"),
                                                      {{club.right(4) + QStringLiteral(",Eva"),
                                                        entry::makeCode(2001, entry::Female)}})),
                  textfile::SaveResult::Ok);
    ASSERT_EQ(textfile::saveFile(folder + QStringLiteral("/kaputt.mdg"), QByteArray("\0\0", 2)),
              textfile::SaveResult::Ok);
    QString report;
    m_onDialog = [&](QDialog& d) {
        report = d.findChild<QPlainTextEdit*>(QStringLiteral("gatherReport"))->toPlainText();
        return 0;
    };
    open();
    m_fileAnswers = {folder, m_dir.filePath(QStringLiteral("liste"))};
    QTest::keyClick(m_dlg.get(), Qt::Key_G, Qt::ControlModifier);
    ASSERT_EQ(m_fileRequests.size(), 2);
    EXPECT_TRUE(m_fileRequests[0].chooseFolder);
    EXPECT_EQ(m_fileRequests[1].folder, folder);
    EXPECT_TRUE(
        report.startsWith(QStringLiteral("2 Teilnehmer aus 2 Dateien in ") +
                          QDir::toNativeSeparators(m_dir.filePath(QStringLiteral("liste.xlsx")))))
        << report.toStdString();
    // Relative to the chosen folder, not the long path the file dialog gave.
    EXPECT_TRUE(report.contains(QStringLiteral("\nkaputt.mdg: "))) << report.toStdString();
    EXPECT_TRUE(QFileInfo(m_dir.filePath(QStringLiteral("liste.xlsx"))).size() > 0);
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
        const CEntryApp::Start start = CEntryApp::parseArguments(c.arguments);
        EXPECT_EQ(start.file, c.file) << c.arguments.join(u' ').toStdString();
        EXPECT_EQ(start.exitCode.value_or(-1), c.exitCode) << c.arguments.join(u' ').toStdString();
    }
}

} // namespace
