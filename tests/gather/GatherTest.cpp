// Gathering: the checks on a folder of real files, the CSV and workbook read back, and the
// command's exit statuses.
#include "gather/Gather.h"

#include "entries/Entry.h"
#include "entries/EntryListModel.h"
#include "entryfile/EntryFile.h"
#include "invitation/Template.h"
#include "messages/Gathering.h"
#include "messages/Invitation.h"
#include "tests/support/PrintQString.h"
#include "textfile/SafeFile.h"

#include <fstream>
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <unistd.h>
#ifdef Q_OS_WIN
#include <private/qzipreader_p.h>
#include <windows.h>
#endif

using gather::Problem;
using namespace Qt::StringLiterals;

namespace {

constexpr int kYear = 2026;
constexpr char kEventFileStart[] = "FORMAT: Zandrel-Ausschreibung 1\nVERANSTALTER: TG; ; a@b.de\n";

EntryRow e(const char16_t* text, int year, int gender)
{
    return {QString::fromUtf16(text), entry::makeCode(year, gender)};
}

// A file of the test's own, whose path it gives back.
QString put(const QString& path, const QByteArray& bytes)
{
    EXPECT_EQ(textfile::saveFile(path, bytes), textfile::SaveResult::Ok) << path.toStdString();
    return path;
}

// An entry file as a club sent it, stored when the organiser saved the mail.
void putEntryFile(const QString& path, const QString& club, const QString& event,
                  const QList<EntryRow>& rows, const QDateTime& stored)
{
    put(path, entryfile::write(club, event, rows));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite) &&
                file.setFileTime(stored, QFileDevice::FileModificationTime));
}

// Each part somewhere in the text.
void expectAllIn(const QString& text, const QStringList& parts)
{
    for (const QString& part : parts)
        EXPECT_TRUE(text.contains(part)) << part.toStdString() << "\nnot in\n"
                                         << text.toStdString();
}

// The command as the organiser runs it: its stderr, and its stdout where asked for.
QString sammeln(const QStringList& args, int* status, QString* out = nullptr)
{
    QProcess command;
    command.start(QStringLiteral(ZANDREL_SAMMELN), args);
    command.waitForFinished();
    *status = command.exitCode();
    // A Windows console program ends its lines with CR LF; the words are what is checked.
    const auto text = [](const QByteArray& bytes) {
        return QString::fromUtf8(bytes).replace(u"\r\n"_s, u"\n"_s);
    };
    if (out)
        *out = text(command.readAllStandardOutput());
    return text(command.readAllStandardError());
}

int exitStatus(const QStringList& args)
{
    int status = -1;
    sammeln(args, &status);
    return status;
}

QString unzip(const QString& path, const QString& member)
{
#ifdef Q_OS_WIN
    // No unzip command on Windows: Qt's own reader of the format.
    return QString::fromUtf8(QZipReader(path).fileData(member));
#else
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), path, member});
    unzip.waitForFinished();
    return QString::fromUtf8(unzip.readAllStandardOutput());
#endif
}

QString sheetXml(const QString& path, int sheet)
{
    return unzip(path, QStringLiteral("xl/worksheets/sheet%1.xml").arg(sheet));
}

TEST(Gather, SheetNamesAreValidAndUnique)
{
    const QString longName = QString(40, u'x');
    const std::pair<QStringList, QStringList> cases[] = {
        {{u"Gauturnfest"_s}, {u"Gauturnfest"_s}},
        {{u"a/b[c]:d*e?f\\g"_s}, {u"a_b_c__d_e_f_g"_s}},
        {{longName}, {QString(31, u'x')}},
        {{longName, longName}, {QString(31, u'x'), QString(27, u'x') + u" (2)"_s}},
        {{u"Fest"_s, u"FEST"_s, u"fest"_s}, {u"Fest"_s, u"FEST (2)"_s, u"fest (3)"_s}},
        {{u"übersicht"_s}, {u"übersicht (2)"_s}}, // "Übersicht" is taken below
        {{u"'Fest'"_s, u""_s, u"History"_s}, {u"Fest"_s, u"Tabelle"_s, u"History (2)"_s}},
    };
    for (const auto& [names, expected] : cases)
        EXPECT_EQ(gather::sheetNames(names, {u"Übersicht"_s}), expected)
            << names.join(u'|').toStdString();
}

// A folder as the organiser gets it, with one of each problem planted.
struct Folder
{
    QTemporaryDir dir;
    // As the report shows them: with the platform's separators.
    QString path(const char* name) const
    {
        return QDir::toNativeSeparators(dir.filePath(QString::fromUtf8(name)));
    }
    void save(const char* name, const QString& club, const QString& event,
              const QList<EntryRow>& rows, int ageInDays = 1)
    {
        putEntryFile(path(name), club, event, rows,
                     QDateTime::currentDateTime().addDays(-ageInDays));
    }
    Folder()
    {
        save("a.mdg", u"TV Musterstadt"_s, u"Gauturnfest"_s,
             {e(u"Schmidt,Jonas", 1996, 1), e(u"Meier,Anna", 1994, 0), e(u"Ärger,Bernd", 1850, 1),
              e(u"meier,anna", 1994, 0)});
        save("b.mdg", u"SG Mühlbach"_s, u"Gauturnfest"_s, {e(u"Meier,Anna", 1994, 0)});
        save("c.mdg", u"FC Nirgendwo"_s, u""_s, {e(u"Zorn,Eva", 2000, 0)});
        save("old.mdg", u"Skiclub Hochalm"_s, u"Gaubergfest"_s, {e(u"Alt,Otto", 1990, 1)}, 3);
        save("new.mdg", u"Skiclub Hochalm"_s, u"Gaubergfest"_s, {e(u"Neu,Nina", 1991, 0)}, 2);
        save("d.mdg", u"Skiclub Hochalm"_s, u"Kinderturnfest"_s, {e(u"Meier,Anna", 1994, 0)});
        put(path("binary.mdg"), QByteArray("VEREIN: \0\1", 10));
        QDir(dir.path()).mkdir(QStringLiteral("empty"));
    }
    gather::Options options() const
    {
        gather::Options options;
        options.paths = {dir.path(), path("missing.mdg")};
        options.clubs = {u"TV Musterstadt"_s, u"SG Mühlbach"_s, u"Skiclub Hochalm"_s};
        options.events = {u"Gauturnfest"_s, u"Gaubergfest"_s, u"Kinderturnfest"_s};
        options.currentUtcYear = kYear;
        return options;
    }
    gather::Result run() const { return gather::run(options()); }
};

TEST(Gather, ReportsEveryPlantedProblemWithFileAndLine)
{
    Folder folder;
    const gather::Result result = folder.run();
    const std::tuple<Problem::Kind, const char*, qsizetype> expected[] = {
        {Problem::DuplicateInClubs, "a.mdg", 4},  {Problem::InvalidYear, "a.mdg", 5},
        {Problem::DuplicateInFile, "a.mdg", 6},   {Problem::DuplicateInClubs, "b.mdg", 3},
        {Problem::NotEntryFile, "binary.mdg", 0}, {Problem::ClubUnknown, "c.mdg", 1},
        {Problem::EventMissing, "c.mdg", 2},      {Problem::Superseded, "old.mdg", 0},
        {Problem::CannotRead, "missing.mdg", 0},
    };
    std::vector<std::tuple<Problem::Kind, QString, qsizetype>> got, want;
    for (const Problem& p : result.problems)
        got.emplace_back(p.kind, p.path, p.line);
    for (const auto& [kind, name, line] : expected)
        want.emplace_back(kind, folder.path(name), line);
    EXPECT_EQ(got, want);
    EXPECT_TRUE(gather::reportLines(result).value(7).contains(folder.path("new.mdg")));
    EXPECT_EQ(result.skipped, 2);
    // Event, club, then the list's order; the replaced file's participant is gone.
    QStringList rows;
    for (const gather::Row& row : result.rows)
        rows.append(row.event + u'|' + row.club + u'|' + row.name + u',' + row.firstName + u'|' +
                    QString::number(row.year));
    EXPECT_EQ(rows, QStringList({u"|FC Nirgendwo|Zorn,Eva|2000"_s,
                                 u"Gaubergfest|Skiclub Hochalm|Neu,Nina|1991"_s,
                                 u"Gauturnfest|SG Mühlbach|Meier,Anna|1994"_s,
                                 u"Gauturnfest|TV Musterstadt|Ärger,Bernd|-1"_s,
                                 u"Gauturnfest|TV Musterstadt|Meier,Anna|1994"_s,
                                 u"Gauturnfest|TV Musterstadt|meier,anna|1994"_s,
                                 u"Gauturnfest|TV Musterstadt|Schmidt,Jonas|1996"_s,
                                 u"Kinderturnfest|Skiclub Hochalm|Meier,Anna|1994"_s}));
    const QList<gather::Count> counts = gather::counts(result);
    ASSERT_EQ(counts.size(), 5);
    EXPECT_EQ(std::tuple(counts[3].club, counts[3].total, counts[3].female, counts[3].male),
              std::tuple(u"TV Musterstadt"_s, 4, 2, 2));
}

// A club's name or a path is text, never a placeholder, a reason's own full stop is not doubled,
// and one reads apart from two.
TEST(Gather, ReportSentencesTakeTheirValuesAsTheyAreAndTheirCounts)
{
    const QString who = messages::participant(u"Anna"_s, u"Meier"_s, 2010);
    const entryfile::HeaderSelection oneMissing{-1, 0, u"TV A"_s, u"Fest"_s};
    const entryfile::HeaderSelection twoMissing{-1, -1, u"TV A"_s, u"Fest"_s};
    const std::pair<QString, QString> cases[] = {
        {messages::alsoRegisteredBy(who, u"TV %1 Nord"_s, u"%2.mdg"_s, 3),
         u"„Anna Meier“ (2010) ist auch von „TV %1 Nord“ gemeldet (%2.mdg, Zeile 3): zu klären."_s},
        {messages::alsoRegisteredBy(who, {u"TV %1"_s, u"SV %2"_s}),
         u"„Anna Meier“ (2010) ist auch von „TV %1“ und „SV %2“ gemeldet: zu klären."_s},
        {messages::repeatedInFile(messages::participant(u"%1"_s, u"X"_s, -1), 7),
         u"„%1 X“ (ohne gültigen Jahrgang) steht schon in Zeile 7."_s},
        {messages::listNotSaved(messages::listNotWritten(u"liste.csv"_s)),
         u"Die Liste wurde nicht gespeichert: Die Datei liste.csv lässt sich nicht schreiben."_s},
        {messages::listNotSaved(messages::wouldOverwriteEntryFile()),
         u"Die Liste wurde nicht gespeichert: die Liste würde eine der Meldedateien "
         u"überschreiben."_s},
        {messages::listWritten(12, 3, u"%1.xlsx"_s),
         u"12 Teilnehmer aus 3 Dateien in %1.xlsx geschrieben."_s},
        {messages::yearNotAdmitted(who, u"Fest %1"_s, 2015, 2021),
         u"„Anna Meier“ (2010) ist für „Fest %1“ nicht zugelassen: Jahrgänge 2015–2021."_s},
        {messages::yearNotAdmitted(who, u"Fest"_s, 2015, 2015),
         u"„Anna Meier“ (2010) ist für „Fest“ nicht zugelassen: Jahrgang 2015."_s},
        // The words that change with a count come from the translation (i18n/zandrel_de.ts),
        // which the programs load at start and this test's main too: without it one would read
        // like two. The confirmation below says the singular of the rest, and the command the
        // plural of the confirmations written.
        {messages::confirmationParticipants(1), u"Gemeldet ist 1 Teilnehmer:"_s},
        {messages::confirmationParticipants(2), u"Gemeldet sind 2 Teilnehmer:"_s},
        {messages::confirmationNotCharged(2),
         u"2 Teilnehmer sind darin nicht enthalten (siehe oben); dazu melden wir uns, sobald das "
         u"geklärt ist."_s},
        {messages::confirmationsWritten(1, u"B"_s), u"1 Eingangsbestätigung in B geschrieben."_s},
        {messages::notInInvitation(oneMissing), u"„TV A“ steht nicht in der Ausschreibung."_s},
        {messages::notInInvitation(twoMissing),
         u"„TV A“ und „Fest“ stehen nicht in der Ausschreibung."_s},
        {messages::listWritten(1, 1, u"l.xlsx"_s),
         u"1 Teilnehmer aus 1 Datei in l.xlsx geschrieben."_s},
    };
    for (const auto& [got, expected] : cases)
        EXPECT_EQ(got, expected);
}

TEST(Gather, CsvQuotesWhatASpreadsheetWouldSplit)
{
    gather::Result result;
    result.files = {{u"x;y.mdg"_s, {}, {}, {}, {}, true}};
    result.rows = {{u"TV \"Eins\""_s,
                    u"Fest"_s,
                    u"Groß"_s,
                    u"=Jö()"_s,
                    -1,
                    u"1890"_s,
                    entry::Male,
                    0,
                    {u"a"_s, u"b"_s}}};
    // Every start that a spreadsheet takes for a formula (or that hides one behind a tab or CR)
    // stays text, and so does the quote it is wrapped in.
    for (const QString& start : {u"+"_s, u"-"_s, u"@"_s, u"\t"_s, u"\r"_s})
        result.rows.append({start + u"1+1"_s, u"F"_s, u"N"_s, u"V"_s, 2000, {}, entry::Female, 0});
    EXPECT_EQ(
        gather::csvBytes(result),
        "\xEF\xBB\xBFVerein;Veranstaltung;Name;Vorname;Jahrgang;Geschlecht;Datei;Hinweis\r\n"
        "\"TV \"\"Eins\"\"\";Fest;Gro\xC3\x9F;\"'=J\xC3\xB6()\";1890;m;\"x;y.mdg\";\"a; b\"\r\n"
        "\"'+1+1\";F;N;V;2000;w;\"x;y.mdg\";\r\n"
        "\"'-1+1\";F;N;V;2000;w;\"x;y.mdg\";\r\n"
        "\"'@1+1\";F;N;V;2000;w;\"x;y.mdg\";\r\n"
        "\"'\t1+1\";F;N;V;2000;w;\"x;y.mdg\";\r\n"
        "\"'\r1+1\";F;N;V;2000;w;\"x;y.mdg\";\r\n");
}

TEST(Gather, CommandWritesTheWorkbookAndTellsByItsExitStatus)
{
    Folder folder;
    const QString list = folder.path("liste.xlsx");
    int status = -1;
    const QString err = sammeln({u"-o"_s, list, folder.dir.path()}, &status);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(err.count(u'\n'), 8 + 1) << err.toStdString(); // problems, then the written line
    EXPECT_EQ(exitStatus({u"-o"_s, list, folder.dir.path()}), 1) << "an earlier list is no input";
    EXPECT_EQ(exitStatus({folder.path("a.mdg"), folder.path("b.mdg")}), 0);
    // A list name that is an input file under another name must leave the file alone.
#ifdef Q_OS_WIN
    // QFile::link makes a shortcut (.lnk) there, a file of its own; a hard link is the same file.
    ASSERT_TRUE(CreateHardLinkW(reinterpret_cast<LPCWSTR>(folder.path("a.xlsx").utf16()),
                                reinterpret_cast<LPCWSTR>(folder.path("a.mdg").utf16()), nullptr));
#else
    ASSERT_TRUE(QFile::link(folder.path("a.mdg"), folder.path("a.xlsx")));
#endif
    const qint64 size = QFileInfo(folder.path("a.mdg")).size();
    for (const QStringList& wrong : {QStringList{},
                                     {u"-x"_s, folder.dir.path()},
                                     {u"-o"_s, folder.path("l.txt"), folder.dir.path()},
                                     {u"-o"_s, folder.path("a.xlsx"), folder.path("a.mdg")}})
        EXPECT_EQ(exitStatus(wrong), 2) << wrong.join(u' ').toStdString();
    EXPECT_EQ(QFileInfo(folder.path("a.mdg")).size(), size);

    expectAllIn(unzip(list, u"xl/workbook.xml"_s),
                {u"<sheet name=\"Übersicht\" sheetId=\"1\""_s,
                 u"<sheet name=\"Gauturnfest\" sheetId=\"4\""_s});
    const QString sheet = sheetXml(list, 4);
    expectAllIn(sheet, {u"state=\"frozen\""_s, u"<autoFilter ref=\"A1:H6\"/>"_s,
                        u"<c r=\"A1\" s=\"1\" t=\"inlineStr\"><is><t>Verein</t>"_s,
                        u"<col min=\"7\" max=\"7\" width=\""_s});
    const QRegularExpression cell(u"<c r=\"([A-H])(\\d+)\"[^>]*>(?:<is><t>|<v>)([^<]*)<"_s);
    QStringList texts;
    for (const auto& m : cell.globalMatch(sheet))
        if (m.captured(1) == u"C"_s || m.captured(1) == u"E"_s || m.captured(1) == u"H"_s)
            texts.append(m.captured(3));
    EXPECT_EQ(texts, QStringList(
                         {u"Name"_s, u"Jahrgang"_s, u"Hinweis"_s, u"Meier"_s, u"1994"_s,
                          u"„Anna Meier“ (1994) ist auch von „TV Musterstadt“ gemeldet ("_s +
                              folder.path("a.mdg") + u", Zeile 4): zu klären."_s,
                          u"Ärger"_s, u"1850"_s, u"Ungültiger Jahrgang „1850“ bei „Ärger,Bernd“."_s,
                          u"Meier"_s, u"1994"_s,
                          u"„Anna Meier“ (1994) ist auch von „SG Mühlbach“ gemeldet ("_s +
                              folder.path("b.mdg") + u", Zeile 3): zu klären."_s,
                          u"meier"_s, u"1994"_s, u"„anna meier“ (1994) steht schon in Zeile 4."_s,
                          u"Schmidt"_s, u"1996"_s}));
}

TEST(Gather, EveryFileOfTheFolderIsReadOrReported)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "Linux only: a FIFO, a name of bytes that are no UTF-8 and a name with a line "
                    "break cannot be made in a Windows folder";
#else
    Folder folder;
    QDir dir(folder.dir.path());
    const std::filesystem::path base = QFileInfo(dir.path()).filesystemFilePath();
    // A name from a zip made on Windows: Windows-1252 bytes, no valid UTF-8.
    {
        std::ofstream(base / "Gauturnfest 2026 SG M\xfchlbach.mdg", std::ios::binary)
            << entryfile::write(u"SG Mühlbach"_s, u"Kinderturnfest"_s,
                                {e(u"Zahn,Zoe", 2000, 0), e(u"Alt,Otto", 1890, 1)})
                   .toStdString();
    }
    ASSERT_EQ(::mkfifo(folder.path("pipe.mdg").toLocal8Bit().constData(), 0600), 0);
    ASSERT_TRUE(dir.mkpath(u"ordner.mdg"_s) && dir.mkpath(u"unten"_s));
    folder.save("unten/tief.mdg", u"\x1B]0;Titel\x07TV"_s, u"Fest\x1B[2J\x7F"_s,
                {e(u"Tief,Tom", 2001, 1)});
    folder.save("zeile\numbruch.mdg", u"TV Musterstadt"_s, u"Gaubergfest"_s,
                {e(u"Neu,Nina", 1991, 0)});

    gather::Options options = folder.options();
    options.paths = {dir.path()};
    options.recursive = true;
    const gather::Result result = gather::run(options);
    const QString report = gather::reportLines(result).join(u'\n');
    const QString odd = folder.path("Gauturnfest 2026 SG M\\xFChlbach.mdg");
    qsizetype rowsOfOdd = 0;
    for (const gather::Row& row : result.rows)
        rowsOfOdd += result.files[row.file].path == odd;
    EXPECT_EQ(rowsOfOdd, 2) << report.toStdString();
    expectAllIn(report, {odd + u", Zeile 4: Ungültiger Jahrgang „1890“"_s,
                         folder.path("pipe.mdg") + u": Die Datei ist keine gewöhnliche Datei"_s,
                         folder.path("zeile\\x0Aumbruch.mdg"), u"\\x1B]0;Titel\\x07TV"_s});
    EXPECT_FALSE(report.contains(u"ordner.mdg"_s)) << "a folder is no file";
    EXPECT_EQ(report.count(u'\n') + 1, result.problems.size()) << "one line per problem";
    for (const QChar c : report + gather::summaryTable(result))
        EXPECT_TRUE(c == u'\n' ||
                    (c.unicode() >= 0x20 && (c.unicode() < 0x7F || c.unicode() > 0x9F)))
            << int(c.unicode());
    EXPECT_TRUE(gather::csvBytes(result).contains(";1890;m;"));
    // The window's report names the files below the chosen folder relative to it.
    options.relativeTo = dir.path();
    const gather::Result relative = gather::run(options);
    EXPECT_EQ(relative.files.constFirst().path, u"Gauturnfest 2026 SG M\\xFChlbach.mdg"_s);
    EXPECT_TRUE(gather::reportLines(relative).contains(
        u"pipe.mdg: Die Datei ist keine gewöhnliche Datei und wird nicht gelesen."_s));
    // Files given by the bytes the system has for them are read, too.
    options.paths.clear();
    options.systemPaths = {base / "Gauturnfest 2026 SG M\xfchlbach.mdg"};
    EXPECT_EQ(gather::run(options).rows.size(), 2);
    // Qt's own removal of the folder cannot name the file either.
    std::filesystem::remove(base / "Gauturnfest 2026 SG M\xfchlbach.mdg");
#endif
}

TEST(Gather, CommandReportsUnreadableFoldersMistypedNamesAndWhatItCounted)
{
    Folder folder;
    QString err;
#ifndef Q_OS_WIN // a folder's owner cannot lock himself out by its mode bits there
    const QString locked = folder.path("gesperrt");
    ASSERT_TRUE(QDir(folder.dir.path()).mkdir(u"gesperrt"_s));
    folder.save("gesperrt/x.mdg", u"TV Musterstadt"_s, u"Gauturnfest"_s, {e(u"Weg,Wim", 2001, 1)});
    ::chmod(locked.toLocal8Bit().constData(), 0);
    ::chmod(folder.dir.path().toLocal8Bit().constData(), 0755);
    // Root reads every folder; the command then runs as nobody, for whom the lock holds.
    QStringList args{QStringLiteral(ZANDREL_SAMMELN), u"-r"_s, folder.dir.path()};
    if (::geteuid() == 0)
        args =
            QStringList{u"setpriv"_s, u"--reuid=65534"_s, u"--regid=65534"_s, u"--clear-groups"_s} +
            args;
    QProcess command;
    command.start(args.takeFirst(), args);
    command.waitForFinished();
    err = QString::fromUtf8(command.readAllStandardError());
    EXPECT_EQ(command.exitCode(), 1);
    EXPECT_TRUE(err.contains(locked + u": Der Ordner lässt sich nicht lesen"_s))
        << err.toStdString();
    ::chmod(locked.toLocal8Bit().constData(), 0700);
#endif

    int status = 0;
    QString out;
    err = sammeln({folder.path("meldungn")}, &status, &out);
    EXPECT_EQ(std::tuple(status, err, out),
              std::tuple(1, folder.path("meldungn") + u": Ordner nicht gefunden.\n"_s, QString()))
        << "and no table of nothing";
    // The written line counts the files in the list: not the unreadable, not the replaced one.
    const QString list = folder.path("liste.csv");
    err = sammeln({u"-o"_s, list, folder.dir.path()}, &status);
    EXPECT_TRUE(err.endsWith(u"8 Teilnehmer aus 5 Dateien in "_s + list + u" geschrieben.\n"_s))
        << err.toStdString();
    EXPECT_EQ(sammeln({u"--version"_s}, &status, &out), QString());
    EXPECT_EQ(std::pair(status, out), std::pair(0, u"zandrel-sammeln 2.0.0\n"_s));
}

TEST(Gather, WorkbookGoesOnInFurtherSheetsAndCutsOnlyWithANote)
{
    Folder folder;
    const QString list = folder.path("liste.xlsx");
    gather::Options options;
    options.paths = {folder.path("a.mdg")};
    options.currentUtcYear = kYear;
    const gather::Result result = gather::run(options);
    ASSERT_EQ(result.rows.size(), 4);
    // Two participants per sheet, six characters per cell: the same rules as Excel's limits.
    const gather::SheetLimits small{3, 6};
    QString error;
    QStringList notes;
    EXPECT_FALSE(gather::writeXlsx(list, result, &error, nullptr, small)) << "no silent cut";
    EXPECT_TRUE(error.contains(u"länger als 6 Zeichen"_s)) << error.toStdString();
    ASSERT_TRUE(gather::writeXlsx(list, result, &error, &notes, small)) << error.toStdString();
    const QString book = unzip(list, u"xl/workbook.xml"_s);
    expectAllIn(book, {u"<sheet name=\"Gauturnfest\" sheetId=\"2\""_s,
                       u"<sheet name=\"Gauturnfest (2)\" sheetId=\"3\""_s});
    EXPECT_FALSE(book.contains(u"sheetId=\"4\""_s));
    QString names;
    for (int sheet : {2, 3}) {
        static const QRegularExpression name(u"<c r=\"C[2-9]\"[^>]*><is><t>([^<]*)<"_s);
        for (const auto& m : name.globalMatch(sheetXml(list, sheet)))
            names += m.captured(1) + u'|';
    }
    EXPECT_EQ(names, u"Ärger|Meier|meier|Schmid|"_s);
    // Club, event and path of the file (a note each, not one per row), club and event in the
    // overview, each row's note on its unknown club, and Schmidt.
    EXPECT_EQ(notes.size(), 10) << notes.join(u'\n').toStdString();
    EXPECT_TRUE(notes.last().startsWith(u"Tabelle „Gauturnfest (2)“, Zeile 3: länger als 6"_s))
        << notes.last().toStdString();
    EXPECT_TRUE(sheetXml(list, 2).contains(u"<t>TV Mus</t>"_s));

    // The overview ends with the sums, below its filtered range.
    ASSERT_TRUE(gather::writeXlsx(list, folder.run(), &error));
    // Participants, women, men, and rows with a note.
    expectAllIn(sheetXml(list, 1), {u"<autoFilter ref=\"A1:F6\"/>"_s,
                                    u"<c r=\"A7\" s=\"1\" t=\"inlineStr\"><is><t>Summe</t>"_s,
                                    u"<f>SUM(C2:C6)</f><v>8</v>"_s, u"<f>SUM(D2:D6)</f><v>6</v>"_s,
                                    u"<f>SUM(E2:E6)</f><v>2</v>"_s, u"<c r=\"F5\"><v>3</v></c>"_s,
                                    u"<f>SUM(F2:F6)</f><v>5</v>"_s});
}

TEST(Gather, CommandMakesAndChecksEventFiles)
{
    QTemporaryDir dir;
    const QString aus = dir.filePath(u"fest.aus"_s);
    const QString bad =
        put(dir.filePath(u"bad.aus"_s), kEventFileStart + "VERANSTALTUNG: Fest; 31.02.2027\n"_ba);
    // Taken as it is, but said.
    const QString warned = put(dir.filePath(u"alt.aus"_s),
                               kEventFileStart + "VERANSTALTUNG: Fest; ; ; 01.01.2020\n"_ba);
    // Arguments, exit status, and a piece of stdout or stderr.
    const std::tuple<QStringList, int, QString, QString> cases[] = {
        {{u"--pruefe"_s, warned},
         0,
         u"Veranstaltung: Fest"_s,
         QDir::toNativeSeparators(warned) + u": Warnung: Zeile 3, Meldeschluss: Der Meldeschluss "
                                            u"„01.01.2020“ ist schon vorbei"_s},
        {{u"--vorlage"_s, aus},
         0,
         u"Vorlage "_s + QDir::toNativeSeparators(aus) + u" geschrieben."_s,
         {}},
        {{u"--vorlage"_s, aus}, 1, {}, u"gibt es schon; sie wird nicht überschrieben."_s},
        {{u"--pruefe"_s, aus},
         0,
         u"Vereine: 2\nVerein: TV Musterstadt · Vereinsnummer 1001\n"_s,
         {}},
        {{u"--pruefe"_s, bad},
         1,
         {},
         QDir::toNativeSeparators(bad) + u": Zeile 3, Datum: „31.02.2027“ gibt es nicht.\n"_s},
        {{u"--pruefe"_s, dir.filePath(u"nix.aus"_s)}, 1, {}, u"nix.aus: Die Datei"_s},
        {{u"--pruefe"_s}, 2, {}, u"--pruefe steht allein"_s},
        {{u"--vorlage"_s, aus, aus}, 2, {}, u"--vorlage steht allein"_s},
        {{u"-r"_s, u"--pruefe"_s, aus}, 2, {}, u"--pruefe steht allein"_s},
        {{u"--ausschreibung"_s, bad, dir.path()},
         2,
         {},
         QDir::toNativeSeparators(bad) + u": Zeile 3, Datum"_s},
        {{u"--ausschreibung"_s}, 2, {}, u"--ausschreibung braucht genau einen Dateinamen"_s},
        {{u"--bestaetigungen"_s, dir.path(), dir.path()}, 2, {}, u"nur mit --ausschreibung"_s},
        {{u"--vorlage"_s, dir.filePath(u"l.csv"_s)}, 0, u"l.csv"_s, {}},
        {{u"--ausschreibung"_s, dir.filePath(u"l.csv"_s), u"-o"_s, dir.filePath(u"l.csv"_s), bad},
         2,
         {},
         u"würde die Ausschreibung überschreiben"_s},
    };
    for (const auto& [args, status, out, err] : cases) {
        int got = -1;
        QString printed;
        const QString errors = sammeln(args, &got, &printed);
        EXPECT_EQ(got, status) << args.join(u' ').toStdString();
        EXPECT_TRUE(printed.contains(out) && errors.contains(err)) << errors.toStdString();
    }
    QByteArray bytes;
    ASSERT_EQ(textfile::loadFile(aus, bytes), textfile::LoadResult::Ok);
    EXPECT_EQ(bytes, invitation::templateBytes()) << "the second --vorlage left it alone";

    // A hostile file of half a million broken lines: a hundred of them, and how many more.
    const QString many =
        put(dir.filePath(u"viele.aus"_s), QByteArray(1024 * 1024, 'x').replace("xx", "x\n"));
    int status = -1;
    const QStringList lines =
        sammeln({u"--pruefe"_s, many}, &status).split(u'\n', Qt::SkipEmptyParts);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(lines.size(), 101);
    EXPECT_TRUE(lines.last().endsWith(u": … und 524.190 weitere."_s)) << lines.last().toStdString();
}

// Fest admits 2010-2015, its deadline is long past, and its late fee is 8,00 instead of 5,50.
// All files are stored after the deadline but one, as an organiser stores mails days later: only
// a receipt date the organiser gives makes one late.
TEST(Gather, EventFileChecksYearsAndNotesAndCountsTheFees)
{
    QTemporaryDir dir;
    const auto path = [&dir](const QString& name) { return dir.filePath(name); };
    const QByteArray open =
        kEventFileStart +
        "VERANSTALTUNG: Fest; ; ; 01.01.2020; 5,50; 2010-2015; 8,00\n"
        "KONTO: DE02 1203 0000 0000 2020 51; TG; MG {Verein} {Veranstaltung}\n"_ba;
    put(path(u"open.aus"_s), open);
    put(path(u"fest.aus"_s), open + "VEREIN: TV A; 17\nVEREIN: SV B\nVEREIN: SG D\n");
    const QString in = dir.path() + u"/m"_s;
    ASSERT_TRUE(QDir().mkdir(in));
    const std::tuple<const char*, QString, QList<EntryRow>, int> entries[] = {
        {"a.mdg",
         u"TV A"_s,
         {e(u"Meier,Anna", 2012, 0), e(u"Roth,Ben", 2005, 1), e(u"Zorn,Carl", 2011, 1),
          e(u"Zorn,Carl", 2011, 1)},
         1},
        {"b.mdg", u"SV B"_s, {e(u"Dorn,Dora", 2013, 0)}, 3000},
        {"c.mdg", u"TV C"_s, {e(u"Ernst,Eva", 2012, 0)}, 1},
        {"d.mdg", u"SG D"_s, {e(u"Fink,Finn", 2012, 1)}, 1}};
    for (const auto& [name, club, rows, ageInDays] : entries)
        putEntryFile(in + u'/' + QString::fromUtf8(name), club, u"Fest"_s, rows,
                     QDateTime::currentDateTime().addDays(-ageInDays));
    const QString csv = path(u"liste.csv"_s);
    int status = -1;
    QString err = sammeln({u"--ausschreibung"_s, path(u"fest.aus"_s), u"--eingang"_s,
                           in + u"/a.mdg=02.01.2020"_s, u"-o"_s, csv, in},
                          &status);
    EXPECT_EQ(status, 0) << err.toStdString();
    expectAllIn(err, {u"„Ben Roth“ (2005) ist für „Fest“ nicht zugelassen: Jahrgänge 2010–2015."_s,
                      u"a.mdg: Nachmeldung (Eingang 02.01.2020, Meldeschluss 01.01.2020): 8,00 € "
                      u"statt 5,50 €\n"_s,
                      u"d.mdg: Eingang unbekannt: Nachmeldung prüfen\n"_s});
    EXPECT_FALSE(err.contains(u"b.mdg:"_s)) << "stored before the deadline: in time";
    QByteArray list;
    ASSERT_EQ(textfile::loadFile(csv, list), textfile::LoadResult::Ok);
    EXPECT_TRUE(list.contains(";Roth;Ben;2005;m;"_ba));
    EXPECT_TRUE(list.contains("c.mdg;Der Verein \xE2\x80\x9ETV C\xE2\x80\x9C steht nicht in der "
                              "Ausschreibung. Meinten Sie \xE2\x80\x9ETV A\xE2\x80\x9C?\r\n"_ba));
    QByteArray fees;
    ASSERT_EQ(textfile::loadFile(path(u"liste-Meldegeld.csv"_s), fees), textfile::LoadResult::Ok);
    // TV A: Ben is not admitted, Carl twice is billed twice and once of it is in question.
    EXPECT_TRUE(fees.startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(
        QString::fromUtf8(fees).toStdString(),
        QString(u"Verein;Vereinsnummer;Veranstaltung;Teilnehmer;nicht berechnet;"
                u"Meldegeld je Teilnehmer;Betrag;davon zu klären;Verwendungszweck;Hinweis\r\n"
                u"SG D;;Fest;1;0;5,50;5,50;0,00;MG SG D Fest;Eingang unbekannt: Nachmeldung "
                u"prüfen\r\n"
                u"SV B;;Fest;1;0;5,50;5,50;0,00;MG SV B Fest;\r\n"
                u"TV A;17;Fest;3;1;8,00;24,00;8,00;MG TV A Fest;Nachmeldung (Eingang 02.01.2020, "
                u"Meldeschluss 01.01.2020): 8,00 € statt 5,50 €\r\n"
                u"TV C;;Fest;0;1;5,50;0,00;0,00;MG TV C Fest;Der Verein „TV C“ steht nicht in der "
                u"Ausschreibung. Meinten Sie „TV A“?\r\n"
                u"Summe;;;5;2;;35,00;8,00;;\r\n"_s)
            .toStdString());
    for (const QString& wrong : {u"a.mdg"_s, u"a.mdg=32.01.2020"_s, u"=01.01.2020"_s})
        EXPECT_EQ(
            exitStatus({u"--ausschreibung"_s, path(u"fest.aus"_s), u"--eingang"_s, wrong, in}), 2)
            << wrong.toStdString();
    // The workbook has the same fees as numbers; an open event file takes any club.
    const QString book = path(u"liste.xlsx"_s);
    sammeln({u"--ausschreibung"_s, path(u"open.aus"_s), u"-o"_s, book, in}, &status);
    EXPECT_TRUE(
        unzip(book, u"xl/workbook.xml"_s).contains(u"<sheet name=\"Meldegeld\" sheetId=\"2\""_s));
    expectAllIn(sheetXml(book, 2),
                {u"<f>SUM(G2:G5)</f><v>33</v>"_s, u"<f>SUM(H2:H5)</f><v>5.5</v>"_s});
    // Not admitted, twice in a file, and three files stored after the deadline without a date,
    // with how to give the dates.
    err = sammeln({u"--ausschreibung"_s, path(u"open.aus"_s), in}, &status);
    EXPECT_EQ(err.count(u'\n'), 6);
    EXPECT_TRUE(err.endsWith(u"Geben Sie es mit --eingang DATEI=TT.MM.JJJJ an oder in einer "
                             u"Tabelle Eingang.csv (Datei;Eingang) im Ordner der Meldungen.\n"_s))
        << err.toStdString();
}

// Each club's confirmation as a mail would carry it; a second file of a club gets none, an
// existing one is never replaced, and two clubs whose names give one file name get two files
// (an open event file takes their entry files, though it could not name such clubs itself).
TEST(Gather, CommandWritesOneConfirmationPerClubAndNeverReplacesOne)
{
    QTemporaryDir dir;
    const auto path = [&dir](const QString& name) { return dir.filePath(name); };
    put(path(u"fest.aus"_s),
        kEventFileStart + "VERANSTALTUNG: Fest; ; ; 01.03.2026 18:00; 5,50; 2010-2015; 8,00\n"
                          "KONTO: DE02120300000000202051; TG; MG {Verein}\n"_ba);
    ASSERT_TRUE(QDir().mkdir(path(u"m"_s)));
    const EntryRow zorn = e(u"Zorn,Carl", 2011, 1);
    const std::tuple<QString, QString, QList<EntryRow>, int> entries[] = {
        {u"a.mdg"_s, u"TV A"_s, {zorn, e(u"Roth,Ben", 2005, 1), zorn}, 2},
        {u"a-alt.mdg"_s, u"TV A"_s, {e(u"Alt,Otto", 2012, 1)}, 1},
        {u"b.mdg"_s, u"SV B/C"_s, {}, 2},
        {u"c.mdg"_s, u"SV B:C"_s, {e(u"Kurz,Ida", 2012, 0)}, 1}};
    for (const auto& [name, club, rows, day] : entries)
        putEntryFile(path(u"m/"_s + name), club, u"Fest"_s, rows,
                     QDateTime(QDate(2026, 3, day), QTime(9, 30)));
    // The organiser's receipt dates, as a German spreadsheet saves them: a.mdg came a day late,
    // c.mdg on the deadline's day, which is in time.
    put(path(u"m/Eingang.csv"_s), "Datei;Eingang\r\na.mdg;02.03.2026\r\na-alt.mdg;1.3.2026\r\n"
                                  "x.mdg;01.03.2026\r\nc.mdg;01.03.2026\r\nb.mdg;morgen\r\n");
    const QString out = path(u"neu/b"_s);
    const QStringList args = {
        u"--ausschreibung"_s, path(u"fest.aus"_s), u"--bestaetigungen"_s, out, u"-o"_s,
        path(u"l.csv"_s),     path(u"m"_s)};
    int status = -1;
    QString err = sammeln(args, &status);
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(err.endsWith(u"3 Eingangsbestätigungen in "_s + QDir::toNativeSeparators(out) +
                             u" geschrieben.\n"_s));
    const QString table = QDir::toNativeSeparators(path(u"m/Eingang.csv"_s));
    EXPECT_TRUE(err.contains(table +
                             u", Zeile 4: Eine Datei „x.mdg“ gibt es in diesem Ordner "
                             u"nicht.\n"_s +
                             table + u", Zeile 6: „morgen“ ist kein Datum wie 30.11.2026"_s))
        << err.toStdString();
    const QString tvA = uR"(Guten Tag,

vielen Dank für Ihre Meldung für „Fest“: Die Datei „a.mdg“ ist am 02.03.2026 bei uns eingegangen.
Sie ersetzt Ihre frühere Datei „a-alt.mdg“ vom 01.03.2026; diese zählt nicht mehr.

Gemeldet sind 3 Teilnehmer:
Roth, Ben, 2005, m
Zorn, Carl, 2011, m
Zorn, Carl, 2011, m

Bei der Prüfung ist uns aufgefallen:
- Nachmeldung (Eingang 02.03.2026, Meldeschluss 01.03.2026): 8,00 € statt 5,50 €
- „Ben Roth“ (2005) ist für „Fest“ nicht zugelassen: Jahrgänge 2010–2015.
- „Carl Zorn“ (2011) steht schon in Zeile 3.

Meldegeld: 2 Teilnehmer × 8,00 € = 16,00 €
Davon sind 8,00 € für 1 doppelt gemeldeten Teilnehmer noch zu klären (siehe oben); bitte überweisen Sie den ganzen Betrag, wir verrechnen, was sich erledigt.
1 Teilnehmer ist darin nicht enthalten (siehe oben); dazu melden wir uns, sobald das geklärt ist.

Bitte überweisen Sie den Betrag auf dieses Konto:
Kontoinhaber: TG
IBAN: DE02 1203 0000 0000 2020 51
Verwendungszweck: MG TV A

Mit freundlichen Grüßen
TG
)"_s;
    const auto text = [&](const QString& name) {
        QFile file(out + u"/Eingangsbestätigung Fest – "_s + name + u".txt"_s);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    };
    EXPECT_EQ(text(u"TV A"_s), QString(tvA).replace(u"\n"_s, u"\r\n"_s));
    // b.mdg has no receipt date and was stored after the deadline: in time, with a word.
    const std::pair<QString, QString> files[] = {
        {u"SV B_C"_s,
         u"Guten Tag,\r\n\r\nvielen Dank für Ihre Meldung für „Fest“: Die Datei „b.mdg“ ist bei "
         u"uns eingegangen.\r\n\r\nDie Datei enthält keine Teilnehmer.\r\n\r\nBei der Prüfung "
         u"ist uns aufgefallen:\r\n- Eingang unbekannt: Nachmeldung prüfen\r\n"_s},
        {u"SV B_C (2)"_s,
         u"Guten Tag,\r\n\r\nvielen Dank für Ihre Meldung für „Fest“: Die Datei „c.mdg“ ist am "
         u"01.03.2026 bei uns eingegangen.\r\n"_s}};
    for (const auto& [name, start] : files)
        EXPECT_TRUE(text(name).startsWith(start)) << text(name).toStdString();
    // With nothing to pay there is no account to pay it to.
    EXPECT_TRUE(text(u"SV B_C (2)"_s).contains(u"Meldegeld: 1 Teilnehmer × 5,50 € = 5,50 €"_s));
    EXPECT_FALSE(text(u"SV B_C"_s).contains(u"IBAN"_s)) << text(u"SV B_C"_s).toStdString();
    put(out + u"/Eingangsbestätigung Fest – TV A.txt"_s, "edited");
    err = sammeln(args, &status);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(err.count(u"gibt es schon; sie wird nicht überschrieben."_s), 3);
    EXPECT_EQ(text(u"TV A"_s), u"edited"_s);
}

} // namespace
