// What the window offers beyond its buttons: counts, the duplicate question, the context menu as
// accessibility clients see it, and opening a file from the command line or by dropping it.
#include "app/CEntryApp.h"
#include "DialogFixture.h"
#include "entryfile/EntryFile.h"
#include "textfile/SafeFile.h"

#include <QAccessible>
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#ifdef Q_OS_WIN
#include <private/qzipreader_p.h>
#endif

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
                                  QStringLiteral("Info über Zandrel…")}));
    menu->close();
    // The menu names the keys as a German keyboard does.
    EXPECT_EQ(m_dlg->findChild<QAction*>(QStringLiteral("actionSendToOrganiser"))
                  ->shortcut()
                  .toString(QKeySequence::NativeText),
              QStringLiteral("Strg+Eingabe"));
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

// The workbook's sheets and their names, without the file's own dates.
QString sheetsOf(const QString& workbook)
{
#ifdef Q_OS_WIN
    // No unzip command on Windows: Qt's own reader of the format.
    QZipReader zip(workbook);
    QString text;
    for (const QZipReader::FileInfo& member : zip.fileInfoList()) {
        if (member.filePath == QStringLiteral("xl/workbook.xml") ||
            member.filePath.startsWith(QStringLiteral("xl/worksheets/")))
            text += member.filePath + u'\n' + QString::fromUtf8(zip.fileData(member.filePath));
    }
    return text;
#else
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"),
                {QStringLiteral("-c"), workbook, QStringLiteral("xl/workbook.xml"),
                 QStringLiteral("xl/worksheets/*")});
    unzip.waitForFinished();
    // unzip names the archive on its first line; the members follow, each under its name.
    return QString::fromUtf8(unzip.readAllStandardOutput()).section(u'\n', 1);
#endif
}

// With the organiser's event file open, the window gathers as zandrel-sammeln --ausschreibung
// does: the same workbook with its "Meldegeld" sheet, the fees in the report, and the same
// confirmations, written into the folder the user chooses from the report.
TEST_F(DialogTest, GatherWithAnEventFileWritesWhatTheCommandWrites)
{
    const QString folder = m_dir.filePath(QStringLiteral("meldungen"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString aus = m_dir.filePath(QStringLiteral("fest.aus"));
    ASSERT_EQ(textfile::saveFile(aus, "FORMAT: Zandrel-Ausschreibung 1\n"
                                      "VERANSTALTER: Turngau; ; m@turngau.de\n"
                                      "VERANSTALTUNG: Fest; ; ; ; 5,50; 2010-2015\n"
                                      "VEREIN: TV A; 17\nVEREIN: SV B\n"
                                      "KONTO: DE02120300000000202051; Turngau; MG {Verein}\n"),
              textfile::SaveResult::Ok);
    const std::pair<QString, QList<EntryRow>> files[] = {
        {QStringLiteral("TV A"),
         {{QStringLiteral("Zorn,Carl"), entry::makeCode(2011, entry::Male)},
          {QStringLiteral("Roth,Ben"), entry::makeCode(2005, entry::Male)}}},
        {QStringLiteral("SV B"), {{QStringLiteral("Kurz,Ida"), entry::makeCode(2012, 0)}}}};
    for (const auto& [club, rows] : files)
        ASSERT_EQ(textfile::saveFile(folder + u'/' + club + QStringLiteral(".mdg"),
                                     entryfile::write(club, QStringLiteral("Fest"), rows)),
                  textfile::SaveResult::Ok);
    open();
    m_fileAnswers = {aus};
    m_dlg->findChild<QAction*>(QStringLiteral("actionOpenInvitation"))->trigger();

    const QString list = m_dir.filePath(QStringLiteral("fenster.xlsx"));
    const QString confirmations = m_dir.filePath(QStringLiteral("fenster"));
    QString report;
    m_onDialog = [&](QDialog& d) {
        m_fileAnswers = {confirmations};
        auto* button = d.findChild<QPushButton*>(QStringLiteral("writeConfirmations"));
        EXPECT_NE(button, nullptr);
        if (button)
            QTest::mouseClick(button, Qt::LeftButton);
        report = d.findChild<QPlainTextEdit*>(QStringLiteral("gatherReport"))->toPlainText();
        return 0;
    };
    m_fileAnswers = {folder, list};
    QTest::keyClick(m_dlg.get(), Qt::Key_G, Qt::ControlModifier);
    EXPECT_TRUE(report.contains(QStringLiteral("„Ben Roth“ (2005) ist für „Fest“ nicht "
                                               "zugelassen")))
        << report.toStdString();
    // The fee per club, without the participant the event does not admit.
    const QRegularExpression feeRow(QStringLiteral("\nFest +TV A +1 +1 +5,50 € +0,00 € *\n"));
    EXPECT_TRUE(report.contains(feeRow)) << report.toStdString();
    EXPECT_TRUE(
        report.contains(QRegularExpression(QStringLiteral("\nSumme +2 +1 +11,00 € +0,00 € *\n"))));
    EXPECT_TRUE(report.endsWith(QStringLiteral("2 Eingangsbestätigungen in ") +
                                QDir::toNativeSeparators(confirmations) +
                                QStringLiteral(" geschrieben.")))
        << report.toStdString();

    // The command over the same files, named as the window's report names them.
    QProcess command;
    command.setWorkingDirectory(folder);
    command.start(QStringLiteral(ZANDREL_SAMMELN),
                  {QStringLiteral("--ausschreibung"), aus, QStringLiteral("--bestaetigungen"),
                   m_dir.filePath(QStringLiteral("befehl")), QStringLiteral("-o"),
                   m_dir.filePath(QStringLiteral("befehl.xlsx")), QStringLiteral("SV B.mdg"),
                   QStringLiteral("TV A.mdg")});
    ASSERT_TRUE(command.waitForFinished());
    const QString sheets = sheetsOf(list);
    EXPECT_TRUE(sheets.contains(QStringLiteral("<sheet name=\"Meldegeld\"")))
        << sheets.toStdString();
    EXPECT_EQ(sheets, sheetsOf(m_dir.filePath(QStringLiteral("befehl.xlsx"))));
    QDir byWindow(confirmations);
    QDir byCommand(m_dir.filePath(QStringLiteral("befehl")));
    ASSERT_EQ(byWindow.entryList(QDir::Files), byCommand.entryList(QDir::Files));
    for (const QString& name : byWindow.entryList(QDir::Files)) {
        QFile a(byWindow.filePath(name));
        QFile b(byCommand.filePath(name));
        ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        EXPECT_EQ(a.readAll(), b.readAll()) << name.toStdString();
    }
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
