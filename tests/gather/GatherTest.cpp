// Gathering: collation keys against the window's collator, the checks on a folder of real files,
// the CSV and workbook read back, and the command's exit statuses.
#include "Gather.h"

#include "EntryListModel.h"
#include "Entry.h"
#include "EntryFile.h"
#include "SafeFile.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#ifdef Q_OS_WIN
#include <private/qzipreader_p.h>
#include <windows.h>
#endif

using gather::Problem;
using namespace Qt::StringLiterals;

namespace {

constexpr int kYear = 2026;

TEST(CollationKeys, OrderExactlyAsTheListsCollator)
{
    const QStringList names = {
        u"Müller,Jürgen"_s,
        u"Muller,Jurgen"_s,
        u"Mueller,Juergen"_s,
        u"müller,jürgen"_s,
        u"MÜLLER,JÜRGEN"_s,
        u"Weiß,Käthe"_s,
        u"Weiss,Käthe"_s,
        u"Weis,Käthe"_s,
        u"Öztürk,Ömer"_s,
        u"Oztürk,Omer"_s,
        u"Zoë,Émile"_s,
        u"Zoe,Emile"_s,
        u"Meyer-Lüdenscheidt,A"_s,
        u"Meyer Lüdenscheidt,A"_s,
        u"Meyerlüdenscheidt,A"_s,
        u"Ångström,Å"_s,
        u"Abel,a"_s,
        u"abel,A"_s,
        u""_s,
        u"\u200B"_s,
        u"Œhler,Renée"_s,
        u"Ohler,Renee"_s,
        u"Šimek,Zoë"_s,
        u"Simek,Zoe"_s,
        u"de la Cruz,Ana"_s,
        u"De La Cruz,ana"_s,
        u"O'Brien,Seán"_s,
        u"1. FC,Anna"_s,
        u"10. FC,Anna"_s,
        u"2. FC,Anna"_s,
    };
    EntryListModel model;
    CollationKeys keys;
    for (const QString& name : names)
        keys.Add(name);
    for (qsizetype a = 0; a < names.size(); ++a) {
        for (qsizetype b = 0; b < names.size(); ++b) {
            const int byCollator = model.Collator().compare(names[a], names[b]);
            const int byKeys = keys.Key(a).compare(keys.Key(b));
            EXPECT_EQ(byCollator < 0, byKeys < 0)
                << names[a].toStdString() << " / " << names[b].toStdString();
            EXPECT_EQ(byCollator == 0, byKeys == 0)
                << names[a].toStdString() << " / " << names[b].toStdString();
        }
    }
    // The bulk add must land every row where single adds would, equal texts in the given order.
    QList<EntryRow> rows;
    for (qsizetype i = 0; i < names.size(); ++i)
        rows.append({names[i], entry::MakeCode(1990, static_cast<int>(i % 2))});
    EntryListModel oneByOne;
    for (const EntryRow& row : std::as_const(rows))
        oneByOne.AddSorted(row.text, row.code);
    model.AddSorted(rows);
    for (int i = 0; i < model.Count(); ++i)
        EXPECT_EQ(std::pair(model.Text(i), model.Code(i)),
                  std::pair(oneByOne.Text(i), oneByOne.Code(i)));
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
        EXPECT_EQ(gather::SheetNames(names, {u"Übersicht"_s}), expected)
            << names.join(u'|').toStdString();
}

EntryRow E(const char16_t* text, int year, int gender)
{
    return {QString::fromUtf16(text), entry::MakeCode(year, gender)};
}

// A folder as the organiser gets it, with one of each problem planted.
struct Folder
{
    QTemporaryDir dir;
    // As the report shows them: with the platform's separators.
    QString Path(const char* name) const
    {
        return QDir::toNativeSeparators(dir.filePath(QString::fromUtf8(name)));
    }
    void Save(const char* name, const QString& club, const QString& event, QList<EntryRow> rows,
              int ageInDays = 1)
    {
        ASSERT_EQ(textfile::SaveFile(Path(name), entryfile::Write(club, event, rows)),
                  textfile::SaveResult::Ok);
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.setFileTime(QDateTime::currentDateTime().addDays(-ageInDays),
                         QFileDevice::FileModificationTime);
    }
    Folder()
    {
        Save("a.mdg", u"TV Musterstadt"_s, u"Gauturnfest"_s,
             {E(u"Schmidt,Jonas", 1996, 1), E(u"Meier,Anna", 1994, 0), E(u"Ärger,Bernd", 1850, 1),
              E(u"meier,anna", 1994, 0)});
        Save("b.mdg", u"SG Mühlbach"_s, u"Gauturnfest"_s, {E(u"Meier,Anna", 1994, 0)});
        Save("c.mdg", u"FC Nirgendwo"_s, u""_s, {E(u"Zorn,Eva", 2000, 0)});
        Save("old.mdg", u"Skiclub Hochalm"_s, u"Gaubergfest"_s, {E(u"Alt,Otto", 1990, 1)}, 3);
        Save("new.mdg", u"Skiclub Hochalm"_s, u"Gaubergfest"_s, {E(u"Neu,Nina", 1991, 0)}, 2);
        Save("d.mdg", u"Skiclub Hochalm"_s, u"Kinderturnfest"_s, {E(u"Meier,Anna", 1994, 0)});
        QFile binary(Path("binary.mdg"));
        EXPECT_TRUE(binary.open(QIODevice::WriteOnly) && binary.write("VEREIN: \0\1", 10) == 10);
        dir.filePath(QStringLiteral("empty"));
        QDir(dir.path()).mkdir(QStringLiteral("empty"));
    }
    gather::Result Run() const
    {
        return gather::Run({{dir.path(), Path("missing.mdg")},
                            false,
                            {u"TV Musterstadt"_s, u"SG Mühlbach"_s, u"Skiclub Hochalm"_s},
                            {u"Gauturnfest"_s, u"Gaubergfest"_s, u"Kinderturnfest"_s},
                            kYear,
                            {}});
    }
};

TEST(Gather, ReportsEveryPlantedProblemWithFileAndLine)
{
    Folder folder;
    const gather::Result result = folder.Run();
    const std::tuple<Problem::Kind, const char*, qsizetype> expected[] = {
        {Problem::InvalidYear, "a.mdg", 5},      {Problem::DuplicateInFile, "a.mdg", 6},
        {Problem::DuplicateInClubs, "b.mdg", 3}, {Problem::NotEntryFile, "binary.mdg", 0},
        {Problem::ClubUnknown, "c.mdg", 1},      {Problem::EventMissing, "c.mdg", 2},
        {Problem::Superseded, "old.mdg", 0},     {Problem::CannotRead, "missing.mdg", 0},
    };
    ASSERT_EQ(result.problems.size(), std::size(expected))
        << gather::ReportLines(result).join(u'\n').toStdString();
    for (qsizetype i = 0; i < result.problems.size(); ++i) {
        const auto& [kind, name, line] = expected[i];
        EXPECT_EQ(result.problems[i].kind, kind) << i;
        EXPECT_EQ(result.problems[i].path, folder.Path(name)) << i;
        EXPECT_EQ(result.problems[i].line, line) << i;
    }
    EXPECT_TRUE(gather::ReportLines(result)[6].contains(folder.Path("new.mdg")));
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
    const QList<gather::Count> counts = gather::Counts(result);
    ASSERT_EQ(counts.size(), 5);
    EXPECT_EQ(std::tuple(counts[3].club, counts[3].total, counts[3].female, counts[3].male),
              std::tuple(u"TV Musterstadt"_s, 4, 2, 2));
}

TEST(Gather, CsvQuotesWhatASpreadsheetWouldSplit)
{
    gather::Result result;
    result.files = {{u"x;y.mdg"_s, {}, {}, {}, true}};
    result.rows = {{u"TV \"Eins\""_s, u"Fest"_s, u"Groß"_s, u"=Jö()"_s, -1, entry::Male, 0}};
    EXPECT_EQ(gather::CsvBytes(result),
              "\xEF\xBB\xBFVerein;Veranstaltung;Name;Vorname;Jahrgang;Geschlecht;Datei\r\n"
              "\"TV \"\"Eins\"\"\";Fest;Gro\xC3\x9F;\"'=J\xC3\xB6()\";;m;\"x;y.mdg\"\r\n");
}

QString Unzip(const QString& path, const char* member)
{
#ifdef Q_OS_WIN
    // No unzip command on Windows: Qt's own reader of the format.
    return QString::fromUtf8(QZipReader(path).fileData(QString::fromUtf8(member)));
#else
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), path, QString::fromUtf8(member)});
    unzip.waitForFinished();
    return QString::fromUtf8(unzip.readAllStandardOutput());
#endif
}

TEST(Gather, CommandWritesTheWorkbookAndTellsByItsExitStatus)
{
    Folder folder;
    const QString list = folder.Path("liste.xlsx");
    const auto run = [](const QStringList& args, QString* err = nullptr) {
        QProcess command;
        command.start(QStringLiteral(ZANDREL_SAMMELN), args);
        command.waitForFinished();
        if (err)
            *err = QString::fromUtf8(command.readAllStandardError());
        return command.exitCode();
    };
    QString err;
    EXPECT_EQ(run({u"-o"_s, list, folder.dir.path()}, &err), 1);
    EXPECT_EQ(err.count(u'\n'), 7 + 1) << err.toStdString(); // problems, then the written line
    EXPECT_EQ(run({u"-o"_s, list, folder.dir.path()}), 1) << "an earlier list is no input file";
    EXPECT_EQ(run({folder.Path("a.mdg"), folder.Path("b.mdg")}), 0);
    // A list name that is an input file under another name must leave the file alone.
#ifdef Q_OS_WIN
    // QFile::link makes a shortcut (.lnk) there, a file of its own; a hard link is the same file.
    ASSERT_TRUE(CreateHardLinkW(reinterpret_cast<LPCWSTR>(folder.Path("a.xlsx").utf16()),
                                reinterpret_cast<LPCWSTR>(folder.Path("a.mdg").utf16()), nullptr));
#else
    ASSERT_TRUE(QFile::link(folder.Path("a.mdg"), folder.Path("a.xlsx")));
#endif
    const qint64 size = QFileInfo(folder.Path("a.mdg")).size();
    for (const QStringList& wrong : {QStringList{},
                                     {u"-x"_s, folder.dir.path()},
                                     {u"-o"_s, folder.Path("l.txt"), folder.dir.path()},
                                     {u"-o"_s, folder.Path("a.xlsx"), folder.Path("a.mdg")}})
        EXPECT_EQ(run(wrong), 2) << wrong.join(u' ').toStdString();
    EXPECT_EQ(QFileInfo(folder.Path("a.mdg")).size(), size);

    const QString book = Unzip(list, "xl/workbook.xml");
    EXPECT_TRUE(book.contains(u"<sheet name=\"Übersicht\" sheetId=\"1\""_s)) << book.toStdString();
    EXPECT_TRUE(book.contains(u"<sheet name=\"Gauturnfest\" sheetId=\"4\""_s));
    const QString overview = Unzip(list, "xl/worksheets/sheet1.xml");
    EXPECT_TRUE(overview.contains(u"<autoFilter ref=\"A1:E6\"/>"_s)) << overview.toStdString();
    const QString sheet = Unzip(list, "xl/worksheets/sheet4.xml");
    EXPECT_TRUE(sheet.contains(u"state=\"frozen\""_s));
    EXPECT_TRUE(sheet.contains(u"<autoFilter ref=\"A1:G6\"/>"_s));
    EXPECT_TRUE(sheet.contains(u"<c r=\"A1\" s=\"1\" t=\"inlineStr\"><is><t>Verein</t>"_s));
    const QRegularExpression cell(u"<c r=\"([A-G])(\\d+)\"[^>]*>(?:<is><t>|<v>)([^<]*)<"_s);
    QStringList texts;
    for (const auto& m : cell.globalMatch(sheet))
        if (m.captured(1) == u"C"_s || m.captured(1) == u"E"_s)
            texts.append(m.captured(3));
    EXPECT_EQ(texts,
              QStringList({u"Name"_s, u"Jahrgang"_s, u"Meier"_s, u"1994"_s, u"Ärger"_s, u"Meier"_s,
                           u"1994"_s, u"meier"_s, u"1994"_s, u"Schmidt"_s, u"1996"_s}));
    EXPECT_TRUE(sheet.contains(u"<col min=\"7\" max=\"7\" width=\""_s));
}

} // namespace
