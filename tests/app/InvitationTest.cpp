// The organiser's event file in the window: its lists replace the built-in ones, the chosen
// event's line, years and fee follow, a broken file changes nothing, and the file comes back at
// the next start.
#include "app/ElidingLabel.h"
#include "DialogFixture.h"
#include "entries/Clubs.h"
#include "entryfile/EntryFile.h"
#include "invitation/Template.h"
#include "PdfReading.h"
#include "textfile/SafeFile.h"

#include <algorithm>
#include <QAction>
#include <QDeadlineTimer>
#include <QLabel>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

QStringList itemsOf(const QComboBox* box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

} // namespace

class InvitationTest : public DialogTest
{
protected:
    QString write(const char* name, const QByteArray& bytes)
    {
        QString path = m_dir.filePath(QString::fromUtf8(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return path;
    }
    void openInvitation(const QString& path)
    {
        m_fileAnswers.emplace_back(path);
        m_dlg->findChild<QAction*>(u"actionOpenInvitation"_s)->trigger();
    }
    QString text(const char* name) const
    {
        return m_dlg->findChild<QLabel*>(QString::fromUtf8(name))->text();
    }
};

TEST_F(InvitationTest, TheEventFileBringsItsListsYearsAndFee)
{
    const QString path = write("fest.aus", "FORMAT: Zandrel-Ausschreibung 1\n"
                                           "VERANSTALTER: Turngau; ; m@turngau.de\n"
                                           "VERANSTALTUNG: Kinderturnfest 2099; 03.07.2099; "
                                           "Talhausen; 01.06.2099; 4,00; 2015-2021\n"
                                           "VEREIN: TV Musterstadt; 1001\n"
                                           "VEREIN: TSV 1860 Hintertupfing\n");
    open(1);
    choose(Id::IDC_CLUB, u"TV Musterstadt"_s);
    choose(Id::IDC_EVENT, u"Gauturnfest"_s);
    // The chosen event is not in the file: asked, then only that choice goes.
    m_messages.answers.push_back(msgbox::Answer::Yes);
    openInvitation(path);
    EXPECT_EQ(m_messages.texts, QStringList{u"„Gauturnfest“ steht nicht in der Ausschreibung. Die "
                                            u"Auswahl wird aufgehoben; die Teilnehmer bleiben."_s});
    EXPECT_EQ(itemsOf(item<QComboBox>(Id::IDC_CLUB)),
              (QStringList{u"TSV 1860 Hintertupfing"_s, u"TV Musterstadt"_s}));
    EXPECT_EQ(ClubEventChooser::selectedText(item<QComboBox>(Id::IDC_CLUB)), u"TV Musterstadt"_s);
    EXPECT_EQ(ClubEventChooser::selectedText(item<QComboBox>(Id::IDC_EVENT)), QString());

    choose(Id::IDC_EVENT, u"Kinderturnfest 2099"_s);
    EXPECT_EQ(m_dlg->findChild<ElidingLabel*>(u"labelEventInfo"_s)->text(),
              u"03.07.2099 · Talhausen · Meldeschluss 01.06.2099 · Jahrgänge 2015–2021"_s);
    // Refused on leaving the field, and so not added, in the event's words and range: also a
    // year outside the program's hundred years names the event's.
    for (const int year : {2005, 1800}) {
        m_messages.texts.clear();
        addParticipant(u"Meier"_s, u"Anna"_s, year);
        EXPECT_EQ(
            m_messages.texts.value(0),
            u"Jahrgang %1 ist für „Kinderturnfest 2099“ nicht zugelassen: 2015–2021."_s.arg(year));
    }
    edit(Id::IDC_YEAR)->clear();
    m_messages.texts.clear();
    addParticipant(u"Meier"_s, u"Anna"_s, 2016);
    addParticipant(u"Abel"_s, u"Kai"_s, 2017, true);
    EXPECT_EQ(rows().size(), 2);
    QCoreApplication::processEvents();
    EXPECT_TRUE(text("labelCounts").endsWith(u" · Meldegeld 8,00 €"_s))
        << text("labelCounts").toStdString();
    // The automatic name takes the event's year from its name, not twice.
    m_fileAnswers.emplace_back(std::nullopt);
    click(Id::IDC_SAVE);
    EXPECT_EQ(m_fileRequests.last().proposedName, u"Kinderturnfest 2099 TV Musterstadt.mdg"_s);
    m_fileAnswers.emplace_back(std::nullopt);
    m_dlg->findChild<QAction*>(u"actionPdf"_s)->trigger();
    EXPECT_EQ(m_fileRequests.last().proposedName, u"Kinderturnfest 2099 TV Musterstadt.pdf"_s);
    EXPECT_EQ(m_dlg->currentSettings().invitation, path);

    // A loaded file keeps a child the event does not admit, marked and counted.
    m_dlg->loadPath(
        write("alt.mdg", entryfile::write(u"TV Musterstadt"_s, u"Kinderturnfest 2099"_s,
                                          {{u"Alt,Eva"_s, entry::makeCode(2005, 0)},
                                           {u"Jung,Kai"_s, entry::makeCode(2016, 1)}})));
    QCoreApplication::processEvents();
    EXPECT_TRUE(text("labelCounts").endsWith(u" · Meldegeld 4,00 € · 1 nicht zugelassen"_s))
        << text("labelCounts").toStdString();
    EXPECT_TRUE(model()
                    ->index(0)
                    .data(Qt::AccessibleTextRole)
                    .toString()
                    .endsWith(u"2005, für die Veranstaltung nicht zugelassen"_s));

    // Closed: the built-in lists again, the club kept, since they have it too.
    m_messages.answers.push_back(msgbox::Answer::Yes);
    m_dlg->findChild<QAction*>(u"actionCloseInvitation"_s)->trigger();
    EXPECT_EQ(itemsOf(item<QComboBox>(Id::IDC_CLUB)), lists::clubs());
    EXPECT_EQ(ClubEventChooser::selectedText(item<QComboBox>(Id::IDC_CLUB)), u"TV Musterstadt"_s);
    EXPECT_TRUE(m_dlg->currentSettings().invitation.isEmpty());
}

TEST_F(InvitationTest, ABrokenFileChangesNothingAndAnOpenEventTakesATypedClub)
{
    const QString broken = write("kaputt.aus", "FORMAT: Zandrel-Ausschreibung 1\n"
                                               "VERANSTALTER: Turngau; ; m@turngau.de\n"
                                               "VERANSTALTUNG: Fest; 31.02.2099\n");
    // The last session's file is gone: the built-in lists, and the status line says so.
    m_dlg = std::make_unique<CEntryDlg>();
    m_dlg->applySettings({0, {}, m_dir.filePath(u"weg.aus"_s), {}});
    m_dlg->OnInitDialog();
    EXPECT_TRUE(m_dlg->findChild<ElidingLabel*>(u"labelStatus"_s)
                    ->text()
                    .startsWith(u"Eingebaute Listen: die letzte Ausschreibung ließ sich nicht"_s));
    m_dlg->show();
    m_dlg->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_dlg.get()));
    openInvitation(broken);
    EXPECT_EQ(m_messages.texts,
              QStringList{u"Die Ausschreibung "_s + QDir::toNativeSeparators(broken) +
                          u" wird nicht verwendet:\nZeile 3, Datum: „31.02.2099“ "
                          u"gibt es nicht."_s});
    EXPECT_EQ(itemsOf(item<QComboBox>(Id::IDC_CLUB)), lists::clubs());

    openInvitation(write("offen.aus", "FORMAT: Zandrel-Ausschreibung 1\n"
                                      "VERANSTALTER: Turngau; ; m@turngau.de\n"
                                      "VERANSTALTUNG: Fest\n"));
    auto* club = item<QComboBox>(Id::IDC_CLUB);
    EXPECT_EQ(club->count(), 0);
    // A typed club makes the proposed file name: none that would leave the chosen folder.
    m_messages.texts.clear();
    QTest::mouseClick(club->lineEdit(), Qt::LeftButton);
    QTest::keyClicks(club->lineEdit(), u"../../Anderswo"_s);
    QTest::keyClick(club->lineEdit(), Qt::Key_Tab);
    EXPECT_EQ(ClubEventChooser::selectedText(club), QString());
    EXPECT_TRUE(m_messages.texts.value(0).startsWith(
        u"Der Verein „../../Anderswo“ kann so nicht gemeldet werden: „../../Anderswo“: Ein Name "
        u"darf keines der Zeichen / \\ : * ? \" < > | enthalten"_s))
        << m_messages.texts.join(u'\n').toStdString();
    club->lineEdit()->clear();
    QTest::mouseClick(club->lineEdit(), Qt::LeftButton);
    QTest::keyClicks(club->lineEdit(), u"SV Neuland"_s);
    QTest::keyClick(club->lineEdit(), Qt::Key_Tab);
    EXPECT_EQ(ClubEventChooser::selectedText(club), u"SV Neuland"_s);
}

TEST_F(InvitationTest, TheContactPersonIsCheckedAndKept)
{
    open();
    m_onDialog = [](QDialog& dialog) {
        dialog.findChild<QLineEdit*>(u"contactName"_s)->setText(u" Eva Muster "_s);
        auto* email = dialog.findChild<QLineEdit*>(u"contactEmail"_s);
        // Refused, the dialog staying open: what a mail program could take for a file or option.
        for (const QString& refused :
             {u"eva muster@tv.de"_s, u"file:/etc/passwd#@x.de"_s, u"-eva@tv.de"_s}) {
            email->setText(refused);
            dialog.accept();
        }
        email->setText(u"eva@tv-musterstadt.de"_s);
        dialog.accept();
        return dialog.result();
    };
    m_dlg->findChild<QAction*>(u"actionContact"_s)->trigger();
    const QString rule =
        u"“ ist keine einfache E-Mail-Adresse wie eva@tv-musterstadt.de: genau ein "
        u"@, davor Buchstaben ohne Umlaute, Ziffern und Zeichen wie . _ - + "
        u"(nicht zu Beginn), danach ein Name mit Punkt."_s;
    EXPECT_EQ(m_messages.texts,
              (QStringList{u"„eva muster@tv.de"_s + rule, u"„file:/etc/passwd#@x.de"_s + rule,
                           u"„-eva@tv.de"_s + rule}));
    EXPECT_EQ(m_dlg->currentSettings().contact.oneLine(), u"Eva Muster, eva@tv-musterstadt.de"_s);
}

#ifndef Q_OS_WIN
// A code that cannot be made for this club (its umlauts become two letters each) is not printed,
// and the form says why beside the fee lines instead of carrying a cut reference.
TEST_F(InvitationTest, AFormWithoutItsGiroCodeSaysWhy)
{
    open();
    openInvitation(write("offen.aus", "FORMAT: Zandrel-Ausschreibung 1\n"
                                      "VERANSTALTER: Turngau; ; m@turngau.de\n"
                                      "VERANSTALTUNG: Fest; ; ; ; 5,50\n"
                                      "KONTO: DE02 1203 0000 0000 2020 51; " +
                                          QString(70, u'€').toUtf8() + "; {Verein}\n"));
    auto* club = item<QComboBox>(Id::IDC_CLUB);
    QTest::mouseClick(club->lineEdit(), Qt::LeftButton);
    QTest::keyClicks(club->lineEdit(), u"TSV "_s + QString(56, u'Ü'));
    QTest::keyClick(club->lineEdit(), Qt::Key_Tab);
    choose(Id::IDC_EVENT, u"Fest"_s);
    addParticipant(u"Meier"_s, u"Anna"_s, 2016);
    QCoreApplication::processEvents();
    m_fileAnswers.emplace_back(m_dir.filePath(u"m.pdf"_s));
    m_dlg->findChild<QAction*>(u"actionPdf"_s)->trigger();
    QProcess reader;
    reader.start(u"pdftotext"_s, {m_dir.filePath(u"m.pdf"_s), u"-"_s});
    ASSERT_TRUE(reader.waitForFinished());
    const QString text = QString::fromUtf8(reader.readAllStandardOutput()).simplified();
    EXPECT_TRUE(text.contains(u"Kein GiroCode: Kontoinhaber und Verwendungszweck sind zusammen zu "
                              u"lang; bitte genau wie oben angegeben überweisen."_s))
        << text.toStdString();
    EXPECT_FALSE(text.contains(u"Banking-App"_s));
}
#endif

#ifndef Q_OS_WIN
// What a treasurer copies from paper, by hand or by a banking app's photo transfer, stands whole on
// one line: the account, the organiser's address and the reference, which is exactly what the
// GiroCode beside it carries. Nothing on the form is ever cut short.
TEST_F(InvitationTest, TheFormKeepsWhatPeopleCopyWhole)
{
    const QString club = u"Turn- und Sportverein Musterstadt-Beispielhausen von 1860 eV"_s;
    const QString reference = u"Meldegeld Fest 2099 "_s + club; // 80 characters
    open();
    openInvitation(write("fest.aus", "FORMAT: Zandrel-Ausschreibung 1\n"
                                     "VERANSTALTER: Turngau Musterland; Erika Muster; "
                                     "meldung@turngau-musterland.de\n"
                                     "VERANSTALTUNG: Fest 2099; 12.06.2099; Talhausen; ; 5,50\n"
                                     "VEREIN: " +
                                         club.toUtf8() +
                                         "\nKONTO: DE02 1203 0000 0000 2020 51; Turngau "
                                         "Musterland e. V.; Meldegeld {Veranstaltung} {Verein}\n"));
    ASSERT_TRUE(m_messages.texts.isEmpty()) << m_messages.texts.join(u'\n').toStdString();
    choose(Id::IDC_CLUB, club);
    choose(Id::IDC_EVENT, u"Fest 2099"_s);
    addParticipant(u"Meier"_s, u"Anna"_s, 2016);
    addParticipant(u"Abel"_s, u"Kai"_s, 2017, true);
    QCoreApplication::processEvents();
    const QString pdf = m_dir.filePath(u"m.pdf"_s);
    m_fileAnswers.emplace_back(pdf);
    m_dlg->findChild<QAction*>(u"actionPdf"_s)->trigger();
    QProcess reader;
    reader.start(u"pdftotext"_s, {u"-layout"_s, pdf, u"-"_s});
    ASSERT_TRUE(reader.waitForFinished());
    const QString text = QString::fromUtf8(reader.readAllStandardOutput());
    const QStringList lines = text.split(u'\n');
    for (const QString& whole :
         {u"DE02 1203 0000 0000 2020 51"_s, u"meldung@turngau-musterland.de"_s, reference})
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(),
                                [&](const QString& line) { return line.contains(whole); }))
            << whole.toStdString() << "\n"
            << text.toStdString();
    EXPECT_FALSE(text.contains(u'…')) << text.toStdString();
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString code = QString::fromStdString(giroCodeOnPaper(file.readAll(), 150));
    EXPECT_EQ(code.section(u'\n', -1), reference);
}
#endif

#ifndef Q_OS_WIN
// Ended by the system (a session that ends, a shutdown): the program never reaches its way out,
// and still the event file it had open is the one the next start opens. (Windows keeps the
// settings in the registry, one key for all test programs; the writing is the same code there.)
TEST(RememberedEventFile, OutlivesAProgramEndedBySigterm)
{
    QTemporaryDir home;
    const QString aus = home.filePath(u"fest.aus"_s);
    ASSERT_EQ(textfile::saveFile(aus, "FORMAT: Zandrel-Ausschreibung 1\n"
                                      "VERANSTALTER: Turngau; ; m@turngau.de\n"
                                      "VERANSTALTUNG: Fest 2099; 03.07.2099\n"),
              textfile::SaveResult::Ok);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"XDG_CONFIG_HOME"_s, home.path());
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(ZANDREL_PROGRAM), {aus});
    ASSERT_TRUE(program.waitForStarted());
    const QString stored = home.filePath(u"ZANDREL/Zandrel.conf"_s);
    const auto remembered = [&] {
        return QSettings(stored, QSettings::IniFormat).value(u"settings/invitation"_s).toString();
    };
    QDeadlineTimer deadline(20000);
    while (remembered() != aus && !deadline.hasExpired() && program.state() == QProcess::Running)
        program.waitForFinished(50);
    program.terminate();
    ASSERT_TRUE(program.waitForFinished());
    EXPECT_EQ(program.exitStatus(), QProcess::CrashExit) << "ended by the signal";
    EXPECT_EQ(remembered(), aus);
}
#endif

// The event's facts stand whole under "Veranstaltung" at the window's first width, with the
// longest event of the template, and choosing it never widens the window.
TEST_F(InvitationTest, TheEventLineShowsEveryFactAndKeepsTheWidth)
{
    open();
    const QByteArray bytes = invitation::templateBytes();
    openInvitation(write("Ausschreibung Gauturnfest 2027.aus", bytes));
    const int width = m_dlg->width();
    choose(Id::IDC_EVENT, u"Gauturnfest 2027"_s);
    QCoreApplication::processEvents();
    const auto* info = m_dlg->findChild<ElidingLabel*>(u"labelEventInfo"_s);
    EXPECT_TRUE(info->text().contains(u"2009–2020"_s)) << info->text().toStdString();
    EXPECT_EQ(info->shownText().replace(u'\n', u' '), info->text()) << width;
    const auto* status = m_dlg->findChild<ElidingLabel*>(u"labelStatus"_s);
    EXPECT_TRUE(status->text().startsWith(u"Ausschreibung: Ausschreibung Gauturnfest 2027.aus"_s))
        << status->text().toStdString();
    EXPECT_EQ(status->shownText().replace(u'\n', u' '), status->text()) << width;
    EXPECT_EQ(m_dlg->width(), width);
    EXPECT_LE(m_dlg->height(), 600 - 70) << "a 1024×600 screen holds it with its title and taskbar";
}
