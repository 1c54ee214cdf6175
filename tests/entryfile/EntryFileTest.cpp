// The entry file's bytes: golden files, the reader's rules as tables, round trips, Windows-1252.
#include "entryfile/EntryFile.h"

#include "tests/support/PrintQString.h"
#include "textfile/Cp1252.h"
#include "textfile/SafeFile.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QStringEncoder>

using namespace entryfile;
using namespace textfile;
using namespace Qt::StringLiterals;

namespace {

constexpr int kYear = 2026; // valid birth years: 1927 to 2025

QByteArray golden(const char* name)
{
    QFile file(QStringLiteral(ZANDREL_TEST_DATA_DIR "/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

EntryRow e(const char16_t* text, int year, int gender)
{
    return {QString::fromUtf16(text), entry::makeCode(year, gender)}; // year -1: invalid
}

HeaderValue club(const char16_t* value, qsizetype line)
{
    return {HeaderValue::Club, QString::fromUtf16(value), line};
}

HeaderValue event(const char16_t* value, qsizetype line)
{
    return {HeaderValue::Event, QString::fromUtf16(value), line};
}

TEST(EntryFile, GoldenFilesAreWrittenByteForByteAndReadBack)
{
    // file, club, event, entries with the codes they read back with
    const std::tuple<const char*, const char16_t*, const char16_t*, QList<EntryRow>> goldenFiles[] =
        {
            {"example.mdg",
             u"TV Musterstadt",
             u"Gauturnfest",
             {e(u"Meier,Anna", 1994, 0), e(u"Schmidt,Jonas", 1996, 1)}},
            {"umlauts.mdg",
             u"TSV Gößweinstein",
             u"Kinderturnfest",
             {e(u"Müller,Jürgen", 1990, 1), e(u"Weiß,Käthe", 2001, 0), e(u"Šimek,Zoë", 2012, 0),
              e(u"Œhler,Renée", 1999, 1)}},
            {"long.mdg",
             u"SV Blau-Weiß",
             u"Minitrampolin-Meisterschaften",
             {e(u"Schmidt-Rottluff-Oberhausen,Maximilian-Alexander", 2010, 1),
              e(u"Exakt-Vierzig-Zeichen-Langer-Name,Hannes", 2003, 0), e(u"Alt,Erna", -1, 0)}},
        };
    for (const auto& [name, club16, event16, entries] : goldenFiles) {
        SCOPED_TRACE(name);
        const QString club = QString::fromUtf16(club16), event = QString::fromUtf16(event16);
        EXPECT_EQ(entryfile::write(club, event, entries), golden(name));
        const Content got = entryfile::read(golden(name), kYear);
        EXPECT_EQ(got.entries, entries);
        EXPECT_EQ(got.headers, (QList<HeaderValue>{{HeaderValue::Club, club, 0},
                                                   {HeaderValue::Event, event, 1}}));
    }
    // The same file as a text editor saves it in UTF-8 with a byte-order mark.
    EXPECT_EQ(entryfile::read(golden("umlauts-utf8-bom.mdg"), kYear).entries,
              std::get<3>(goldenFiles[1]));
}

TEST(EntryFile, LineLayout)
{
    const auto line = [](const QString& text, qint32 code) {
        return entryfile::write(QString(), QString(), {{text, code}})
            .mid(29); // after the empty headers
    };
    const QByteArray ab = "A,B" + QByteArray(37, ' ');
    EXPECT_EQ(line(QStringLiteral("A,B"), entry::makeCode(7, 0)), ab + ",w,   7\r\n");
    EXPECT_EQ(line(QStringLiteral("A,B"), -1), ab + ",m,2147483647\r\n") << "taken unsigned";
    // A line feed or 0x1A would split the line or end the file; outside Windows-1252 is '?'.
    EXPECT_EQ(line(QStringLiteral("X\nY,Z\x1a"), 4001),
              "X Y,Z " + QByteArray(34, ' ') + ",m,2000\r\n");
    EXPECT_EQ(line(QStringLiteral("Öz,Ayşe 😀"), 4000),
              "\xD6z,Ay?e ?" + QByteArray(31, ' ') + ",w,2000\r\n");
    EXPECT_EQ(entryfile::write(QStringLiteral("A\nB"), QString(), {}),
              QByteArray("VEREIN: A B \r\nVERANSTALTUNG:  \r\n"));
}

TEST(EntryFile, EntryLineRules)
{
    const std::pair<const char*, EntryRow> rows[] = {
        // text "<none>": no entry
        {"  A,B   ,w,2000", e(u"  A,B", 2000, 0)}, // blanks go at the end only
        {"A,B,M,2000", e(u"A,B", 2000, 0)},        // only a lower-case m is male
        {"A,B,male,2000", e(u"A,B", 2000, 1)},
        {"A,B,w,  \t2000xyz", e(u"A,B", 2000, 0)}, // the year is read like atoi
        {"A,B,w,20x00", {QStringLiteral("A,B"), -2}},
        {"A,B,m,99999999999999999999", {QStringLiteral("A,B"), -1}},
        {"Komma,Anna,Maria     ,m,2000", e(u"Komma,Anna,Maria", 2000, 1)},
        {",,,", {QStringLiteral(","), -2}},
        {"eins,zwei,drei", {QStringLiteral("<none>"), 0}},
        {"VEREIN:TV Musterstadt", {QStringLiteral("<none>"), 0}},
    };
    for (const auto& [line, expected] : rows) {
        const Content c = entryfile::read(line, kYear);
        EXPECT_EQ(c.entries.value(0, {QStringLiteral("<none>"), 0}), expected) << line;
        EXPECT_LE(c.entries.size(), 1);
    }
}

TEST(EntryFile, HeadersLineEndsAndEndOfFile)
{
    const Content c = entryfile::read("VEREIN:     TV Musterstadt VERANSTALTUNG: Gauturnfest   \n"
                                      "A,a,w,2000\rB,b,m,2001\r\n"
                                      "xyz VERANSTALTUNG: \tKinder\t\r\n"
                                      "C,c,w,2002\x1a"
                                      "D,d,w,2003\r\n",
                                      kYear);
    EXPECT_EQ(c.headers, (QList<HeaderValue>{club(u"TV Musterstadt VERANSTALTUNG: Gauturnfest", 0),
                                             event(u"Gauturnfest", 0), event(u"\tKinder\t", 2)}));
    EXPECT_EQ(c.entries, (QList<EntryRow>{e(u"A,a,w,2000\rB,b", 2001, 1), e(u"C,c", 2002, 0)}));
    EXPECT_EQ(entryfile::read("A,a,w,2000\rB,b,m,2001\r", kYear).entries.size(), 2)
        << "CR alone (old Mac)";
    EXPECT_EQ(
        entryfile::read("\xEF\xBB\xBF\xC5\x81ukasz,J\xC3\xBC,m,2000\n", kYear).entries[0].text,
        QStringLiteral("?ukasz,Jü")); // folded as a save would, after a BOM
}

TEST(EntryFile, Utf16ReadsLikeTheOriginalAndTheLimitIsInclusive)
{
    const QByteArray original = golden("umlauts.mdg");
    for (const auto encoding : {QStringEncoder::Utf16LE, QStringEncoder::Utf16BE}) {
        QStringEncoder utf16(encoding, QStringEncoder::Flag::WriteBom);
        const QByteArray bytes = utf16(cp1252::decode(original));
        EXPECT_EQ(entryfile::read(bytes, kYear).entries, entryfile::read(original, kYear).entries);
    }
    EXPECT_EQ(entryfile::read(QByteArray(",,,\n").repeated(kMaxEntries), kYear).entries.size(),
              kMaxEntries);
}

TEST(EntryFile, RoundTripKeepsTextsAndCodes)
{
    const QList<EntryRow> entries = {e(u"  Vorne,Blank", 1927, 1), e(u"Weiß,Käthe €", 2025, 0),
                                     e(u"Komma,Anna,Maria", 2000, 0), e(u",", -1, 1)};
    EXPECT_EQ(
        entryfile::read(entryfile::write(QStringLiteral("X"), QStringLiteral("Y"), entries), kYear)
            .entries,
        entries);
    // A year that left the window since the save reads as invalid.
    EXPECT_EQ(entryfile::read(entryfile::write({}, {}, {entries[0]}), kYear + 1).entries[0].code,
              -1);
}

TEST(EntryFile, AFileSelectsOnlyTheClubItNames)
{
    const QStringList clubs = {QStringLiteral("TV Hasenweiler"), QStringLiteral("TV Musterstadt"),
                               QStringLiteral("TV Muster"), QStringLiteral("SC Wiesenbach")};
    const struct
    {
        const char16_t* value;
        int item;
    } cases[] = {
        {u"SC Wiesenbach", 3},
        {u"sc wiesenBACH", 3},           // case does not count
        {u"TV Muster", 2},               // the equal item, though another begins with it
        {u"TV Musters", 1},              // the one item that begins with it
        {u"TV", -1},                     // several begin with it: no guess
        {u"TSV 1860 Hintertupfing", -1}, // in no list item
        {u"", -1},                       // saved before a club was chosen
        {u"SC Wiesenbach e. V.", -1},    // longer than any item
    };
    for (const auto& [value, item] : cases)
        EXPECT_EQ(findItem(clubs, QString::fromUtf16(value)), item)
            << QString::fromUtf16(value).toStdString();

    // The last value of each kind is the file's, found or not.
    const QStringList events = {QStringLiteral("Gaubergfest"), QStringLiteral("Gauturnfest")};
    HeaderSelection s = matchHeaders(
        {club(u"TV Musterstadt", 0), event(u"gauturn", 1), club(u"TSV 1860", 2)}, clubs, events);
    EXPECT_EQ(QList<int>({s.club, s.event}), QList<int>({-1, 1}));
    EXPECT_EQ(s.clubValue, QStringLiteral("TSV 1860"));
    s = matchHeaders({club(u"tv musterstadt", 0), event(u"Gauturnfest", 1)}, clubs, events);
    EXPECT_EQ(QList<int>({s.club, s.event}), QList<int>({1, 1}));
}

TEST(EntryFile, AFileWithoutHeaderValuesIsNoEntryFile)
{
    const std::pair<QByteArray, bool> cases[] = {
        {entryfile::write({}, {}, {}), true}, // saved before club and event were chosen
        {"VEREIN: TV\r\n", true},
        {"\xEF\xBB\xBFVerein;Veranstaltung;Name\r\nTV;Fest;Meier\r\n", false}, // gathered CSV
        {"Name,Vorname,Jahrgang,Geschlecht\nMeier,Anna,2000,w\n", false},
        {"", false},
        {QByteArray("VEREIN: \0", 9), false},
    };
    for (const auto& [bytes, expected] : cases)
        EXPECT_EQ(isEntryFile(entryfile::read(bytes, kYear)), expected) << bytes.toStdString();
}

TEST(EntryFile, SaveCanAskWhetherTheLoadWouldTakeTheFile)
{
    const std::pair<QByteArray, Unloadable> cases[] = {
        {entryfile::write(QStringLiteral("TV"), QStringLiteral("Fest"),
                          {e(u"Meier,Anna", 2000, 0)}),
         Unloadable::None},
        {QByteArray(kMaxFileSize, 'x'), Unloadable::None},
        {QByteArray(kMaxFileSize + 1, 'x'), Unloadable::TooLarge},
        {QByteArray("VEREIN: \0", 9), Unloadable::NotText},
        {QByteArray(",,,\n").repeated(kMaxEntries), Unloadable::None},
        {QByteArray(",,,\n").repeated(kMaxEntries + 1), Unloadable::TooMany},
    };
    for (const auto& [bytes, expected] : cases)
        EXPECT_EQ(checkLoadable(bytes), expected) << bytes.left(20).toStdString();
}

// The rules of the name itself are textfile::safeFileName's (tests/textfile); here they hold for
// the words an automatic name is made of.
TEST(EntryFile, AutomaticNameIsOneFileRightInTheFolderWhateverTheWords)
{
    const struct
    {
        const char* why;
        QString event;
        QString club;
        QString name;
    } cases[] = {
        {"a usual name", u"Gauturnfest"_s, u"TV Musterstadt"_s,
         u"Gauturnfest 2027 TV Musterstadt.mdg"_s},
        {"€, quotes and a dot at the club's end", u"Fest „5 €“"_s, u"TV e.V."_s,
         u"Fest „5 €“ 2027 TV e.V..mdg"_s},
        {"parent folders", u"../../Anderswo/Fest"_s, u"TV A"_s,
         u"___.._Anderswo_Fest 2027 TV A.mdg"_s},
        {"a Windows path", u"C:\\Windows\\x"_s, u"TV A"_s, u"C__Windows_x 2027 TV A.mdg"_s},
        {"what Windows refuses", u"a:b*c?"_s, u"<d>|\"e\""_s, u"a_b_c_ 2027 _d___e_.mdg"_s},
        {"control characters", u"Fest\nx\u007F\u0085"_s, u"TV\tA"_s, u"Fest_x__ 2027 TV_A.mdg"_s},
        {"a right-to-left override", u"Fest\u202Efdp"_s, u"\u2066TV"_s, u"Fest_fdp 2027 _TV.mdg"_s},
        {"a hidden file", u"."_s, u"TV A"_s, u"_ 2027 TV A.mdg"_s},
        {"cut at 255 bytes, not in a €", QString(300, u'€'), u"TV A"_s,
         QString(83, u'€') + u".mdg"_s},
        {"cut at 255 bytes, not in an ä", QString(300, u'ä'), u"TV A"_s,
         QString(125, u'ä') + u".mdg"_s},
    };
    for (const auto& c : cases)
        EXPECT_EQ(automaticName(c.event, 2027, c.club), c.name) << c.why;
}

} // namespace
