#include "Entry.h"
#include "EntryFile.h"
#include "TestData.h"

#include <gtest/gtest.h>

using namespace entryfile;
using entryfile::test::kYear;
using entryfile::test::ReadData;

namespace {

qint32 Code(int year, int gender)
{
    return entry::MakeCode(year, gender);
}

Entry E(const char16_t* text, qint32 code)
{
    return {QString::fromUtf16(text), code};
}

HeaderValue Club(const char16_t* value, qsizetype line)
{
    return {HeaderValue::Club, QString::fromUtf16(value), line};
}

HeaderValue Event(const char16_t* value, qsizetype line)
{
    return {HeaderValue::Event, QString::fromUtf16(value), line};
}

const QStringList kClubs = {QStringLiteral("SV Blau-Weiß"), QStringLiteral("TSV Gößweinstein"),
                            QStringLiteral("TV Musterstadt"), QStringLiteral("TV Musterstadt-Süd")};
const QStringList kEvents = {QStringLiteral("Gaubergfest"), QStringLiteral("Gauturnfest"),
                             QStringLiteral("Kinderturnfest"),
                             QStringLiteral("Minitrampolin-Meisterschaften")};

// --- the golden files ---------------------------------------------------------------------------

TEST(EntryFileRead, GoldenFilesReadBackInFileOrder)
{
    const Content example = Read(ReadData("example.mdg"), kYear);
    EXPECT_EQ(example.headers,
              (QList<HeaderValue>{Club(u"TV Musterstadt", 0), Event(u"Gauturnfest", 1)}));
    EXPECT_EQ(example.entries,
              (QList<Entry>{E(u"Meier,Anna", Code(1994, 0)), E(u"Schmidt,Jonas", Code(1996, 1))}));

    const Content umlauts = Read(ReadData("umlauts.mdg"), kYear);
    EXPECT_EQ(umlauts.headers,
              (QList<HeaderValue>{Club(u"TSV Gößweinstein", 0), Event(u"Kinderturnfest", 1)}));
    EXPECT_EQ(umlauts.entries,
              (QList<Entry>{E(u"Müller,Jürgen", Code(1990, 1)), E(u"Weiß,Käthe", Code(2001, 0)),
                            E(u"Šimek,Zoë", Code(2012, 0)), E(u"Œhler,Renée", Code(1999, 1))}));

    const Content longTexts = Read(ReadData("long.mdg"), kYear);
    EXPECT_EQ(longTexts.entries,
              (QList<Entry>{E(u"Schmidt-Rottluff-Oberhausen,Maximilian-Alexander", Code(2010, 1)),
                            E(u"Exakt-Vierzig-Zeichen-Langer-Name,Hannes", Code(2003, 0)),
                            E(u"Alt,Erna", -2)}));
}

TEST(EntryFileRead, FileResavedAsUtf8ReadsTheSameNames)
{
    const Content utf8 = Read(ReadData("umlauts-utf8-bom.mdg"), kYear);
    const Content original = Read(ReadData("umlauts.mdg"), kYear);
    EXPECT_EQ(utf8.entries, original.entries);
    EXPECT_EQ(utf8.headers, original.headers);
    EXPECT_EQ(DetectEncoding(ReadData("umlauts-utf8-bom.mdg")), Encoding::Utf8);
    EXPECT_EQ(DetectEncoding(ReadData("umlauts.mdg")), Encoding::Cp1252);
}

TEST(EntryFileRead, EncodingDetection)
{
    EXPECT_EQ(DetectEncoding(""), Encoding::Cp1252);
    EXPECT_EQ(DetectEncoding("plain ASCII"), Encoding::Cp1252);
    EXPECT_EQ(DetectEncoding("M\xC3\xBCller"), Encoding::Utf8);
    EXPECT_EQ(DetectEncoding("M\xFCller"), Encoding::Cp1252);
    EXPECT_EQ(DetectEncoding("\xEF\xBB\xBF"
                             "ASCII"),
              Encoding::Utf8);
    EXPECT_EQ(DetectEncoding("\xC0\xAF"), Encoding::Cp1252) << "overlong form";
    EXPECT_EQ(DetectEncoding("\xED\xA0\x80"), Encoding::Cp1252) << "surrogate";
    EXPECT_EQ(DetectEncoding("M\xC3"), Encoding::Cp1252) << "cut sequence";
    // Only the bytes before the end-of-file mark count.
    EXPECT_EQ(DetectEncoding("M\xC3\xBC\x1a\xFF"), Encoding::Utf8);

    // Without a BOM a UTF-8 file decodes too, and with one the BOM is not part of the first line.
    const Content noBom = Read("VEREIN: Gr\xC3\xBCn \n", kYear);
    ASSERT_EQ(noBom.headers.size(), 1);
    EXPECT_EQ(noBom.headers[0].value, QStringLiteral("Grün"));
    const Content bomOnly = Read("\xEF\xBB\xBFVEREIN: X", kYear);
    ASSERT_EQ(bomOnly.headers.size(), 1);
    EXPECT_EQ(bomOnly.headers[0].value, QStringLiteral("X"));
    // A byte-order mark inside the file is a character like any other that Windows-1252 lacks.
    const Content joined =
        Read("VERANSTALTUNG:  \xEF\xBB\xBF   Gauturnfest\n\xEF\xBB\xBFM\xC3\xBC,A,w,2000\n", kYear);
    EXPECT_EQ(joined.headers, (QList<HeaderValue>{Event(u"?   Gauturnfest", 0)}));
    EXPECT_EQ(joined.entries, (QList<Entry>{E(u"?Mü,A", Code(2000, 0))}));
    // A UTF-8 letter that Windows-1252 lacks becomes '?', exactly as a save would write it.
    const Content foreign = Read("\xC5\x81ukasz,Jan,m,2000\n", kYear);
    ASSERT_EQ(foreign.entries.size(), 1);
    EXPECT_EQ(foreign.entries[0].text, QStringLiteral("?ukasz,Jan"));
}

// --- round trips --------------------------------------------------------------------------------

TEST(EntryFileRead, RoundTripKeepsTextsCodesAndHeaders)
{
    const QList<Entry> entries = {
        E(u"Meier,Anna", Code(1994, 0)),
        E(u"Schmidt,Jonas", Code(1996, 1)),
        E(u"  Vorne,Blank", Code(1927, 1)),
        E(u"Weiß,Käthe €", Code(2025, 0)),
        E(u"Alt,Erna", -2),
        E(u"Alt,Ernst", -1),
        E(u"Sehr-Langer-Doppelname-Mit-Vielen-Teilen,Friederike", Code(2010, 0)),
        E(u"Komma,Anna,Maria", Code(2000, 0)),
        E(u",", Code(2001, 1)),
    };
    const Content content = Read(Write(kClubs[0], kEvents[3], entries), kYear);
    EXPECT_EQ(content.entries, entries);
    EXPECT_EQ(content.headers, (QList<HeaderValue>{Club(u"SV Blau-Weiß", 0),
                                                   Event(u"Minitrampolin-Meisterschaften", 1)}));
}

TEST(EntryFileRead, YearsOutsideTheWindowReadAsMinusOneAndStayThere)
{
    // 2026: valid years are 1927 to 2025.
    const QByteArray bytes = Write(QString(), QString(),
                                   {{QStringLiteral("A,a"), Code(1926, 0)},
                                    {QStringLiteral("B,b"), Code(1927, 1)},
                                    {QStringLiteral("C,c"), Code(2025, 0)},
                                    {QStringLiteral("D,d"), Code(2026, 1)}});
    const Content first = Read(bytes, kYear);
    EXPECT_EQ(first.entries, (QList<Entry>{E(u"A,a", -2), E(u"B,b", Code(1927, 1)),
                                           E(u"C,c", Code(2025, 0)), E(u"D,d", -1)}));
    const Content second = Read(Write(QString(), QString(), first.entries), kYear);
    EXPECT_EQ(second.entries, first.entries);
    // The window is that of the day of loading: a year later 1927 has dropped out of it.
    EXPECT_EQ(Read(bytes, kYear + 1).entries[1].code, -1);
}

TEST(EntryFileRead, LinesOutOfOrderAndDuplicatesKeepTheirOwnGenderAndYear)
{
    const Content content = Read("VEREIN: TV Musterstadt \r\n"
                                 "VERANSTALTUNG: Gauturnfest \r\n"
                                 "Zeller,Zoe                              ,w,2001\r\n"
                                 "Meier,Anna                              ,w,1994\r\n"
                                 "Meier,Anna                              ,m,2010\r\n"
                                 "Adam,Bert                               ,m,1999\r\n",
                                 kYear);
    EXPECT_EQ(content.entries,
              (QList<Entry>{E(u"Zeller,Zoe", Code(2001, 0)), E(u"Meier,Anna", Code(1994, 0)),
                            E(u"Meier,Anna", Code(2010, 1)), E(u"Adam,Bert", Code(1999, 1))}));
}

// --- the rules of an entry line -----------------------------------------------------------------

TEST(EntryFileRead, EntryLineFields)
{
    auto one = [](const char* line) {
        const Content c = Read(line, kYear);
        return c.entries.size() == 1 ? c.entries[0] : Entry{QStringLiteral("<none>"), 0};
    };
    // Blanks at the end of the text go, blanks at its start stay.
    EXPECT_EQ(one("  A,B   ,w,2000"), E(u"  A,B", Code(2000, 0)));
    // Only a lower-case m is male.
    EXPECT_EQ(one("A,B,M,2000"), E(u"A,B", Code(2000, 0)));
    EXPECT_EQ(one("A,B,m,2000"), E(u"A,B", Code(2000, 1)));
    EXPECT_EQ(one("A,B,male,2000"), E(u"A,B", Code(2000, 1)));
    EXPECT_EQ(one("A,B,,2000"), E(u"A,B", Code(2000, 0)));
    // The year is read like atoi: white space, sign, digits up to the first other character.
    EXPECT_EQ(one("A,B,w,  \t2000xyz"), E(u"A,B", Code(2000, 0)));
    EXPECT_EQ(one("A,B,w,+2000"), E(u"A,B", Code(2000, 0)));
    EXPECT_EQ(one("A,B,w,20x00"), E(u"A,B", -2)) << "20 is outside the window";
    EXPECT_EQ(one("A,B,w,abc"), E(u"A,B", -2)) << "no digits give 0";
    EXPECT_EQ(one("A,B,m,"), E(u"A,B", -1));
    EXPECT_EQ(one("A,B,m,-2000"), E(u"A,B", -1));
    EXPECT_EQ(one("A,B,m,99999999999999999999"), E(u"A,B", -1)) << "no overflow";
    EXPECT_EQ(one("A,B,m,-99999999999999999999"), E(u"A,B", -1));
    EXPECT_EQ(one(",,w,2000"), E(u",", Code(2000, 0))) << "text before the second-last comma";
    EXPECT_EQ(one(",,,"), E(u",", -2));
    // A name with commas: gender and year come from behind the last two commas.
    EXPECT_EQ(one("Komma,Anna,Maria     ,m,2000"), E(u"Komma,Anna,Maria", Code(2000, 1)));
    EXPECT_EQ(one("a,b,c,d,e,f,w,2001"), E(u"a,b,c,d,e,f", Code(2001, 0)));
}

TEST(EntryFileRead, LinesWithOneOrTwoCommasAndPlainLinesAreSkipped)
{
    const Content content = Read("eins,zwei\r\n"
                                 "eins,zwei,drei\r\n"
                                 "irgendein Text\r\n"
                                 "\r\n"
                                 "VEREIN:TV Musterstadt\r\n"  // no blank after the colon
                                 "verein: TV Musterstadt\r\n" // wrong case
                                 "VEREIN, TV Musterstadt\r\n",
                                 kYear);
    EXPECT_TRUE(content.entries.isEmpty());
    EXPECT_TRUE(content.headers.isEmpty());
    EXPECT_TRUE(Read("", kYear).entries.isEmpty());
}

// --- header lines -------------------------------------------------------------------------------

TEST(EntryFileRead, HeaderValuesAreTrimmedOfBlanksOnly)
{
    const Content content = Read("VEREIN:     TV Musterstadt     \r\n"
                                 "VERANSTALTUNG: \tGauturnfest\t \r\n"
                                 "xyz VEREIN: mitten drin\r\n"
                                 "VERANSTALTUNG: \r\n",
                                 kYear);
    EXPECT_EQ(content.headers,
              (QList<HeaderValue>{Club(u"TV Musterstadt", 0), Event(u"\tGauturnfest\t", 1),
                                  Club(u"mitten drin", 2), Event(u"", 3)}));
}

TEST(EntryFileRead, ClubValueIsCutBeforeTheEventIsLookedFor)
{
    // One line naming both: the club value runs to the end of the line, the event is then found
    // inside it.
    const Content both = Read("VEREIN: TV Musterstadt VERANSTALTUNG: Gauturnfest \r\n", kYear);
    EXPECT_EQ(both.headers,
              (QList<HeaderValue>{Club(u"TV Musterstadt VERANSTALTUNG: Gauturnfest", 0),
                                  Event(u"Gauturnfest", 0)}));
    // An event keyword in front of the club keyword is cut away with it.
    const Content front = Read("VERANSTALTUNG: Gauturnfest VEREIN: TV Musterstadt\r\n", kYear);
    EXPECT_EQ(front.headers, (QList<HeaderValue>{Club(u"TV Musterstadt", 0)}));
    // Headers may stand anywhere, also after entries.
    const Content late = Read("A,B,w,2000\r\nVERANSTALTUNG: Gaubergfest\r\n", kYear);
    EXPECT_EQ(late.headers, (QList<HeaderValue>{Event(u"Gaubergfest", 1)}));
    EXPECT_EQ(late.entries.size(), 1);
}

TEST(EntryFileHeaders, FindPrefixIsTheComboBoxSearch)
{
    EXPECT_EQ(FindPrefix(kClubs, QStringLiteral("TV Musterstadt")), 2);
    EXPECT_EQ(FindPrefix(kClubs, QStringLiteral("tv muster")), 2) << "prefix, any case";
    EXPECT_EQ(FindPrefix(kClubs, QStringLiteral("TV MUSTERSTADT-SÜD")), 3);
    EXPECT_EQ(FindPrefix(kClubs, QStringLiteral("sv blau-weiß")), 0);
    EXPECT_EQ(FindPrefix(kClubs, QStringLiteral("TV Musterstadt e.V.")), -1);
    EXPECT_EQ(FindPrefix(kClubs, QStringLiteral("Musterstadt")), -1);
    EXPECT_EQ(FindPrefix(kClubs, QString()), -1) << "an empty value selects nothing";
    EXPECT_EQ(FindPrefix({}, QStringLiteral("X")), -1);
}

TEST(EntryFileHeaders, MatchHeadersSelectsAndEnables)
{
    // The ordinary file, also with the first item of each list.
    HeaderSelection s =
        MatchHeaders({Club(u"SV Blau-Weiß", 0), Event(u"Gaubergfest", 1)}, kClubs, kEvents);
    EXPECT_EQ(s.club, 0);
    EXPECT_EQ(s.event, 0);
    EXPECT_TRUE(s.enableEditButtons);

    // A value that matches nothing leaves the selection and sets its result to -1.
    s = MatchHeaders({Club(u"Unbekannt", 0), Event(u"Gauturnfest", 1)}, kClubs, kEvents);
    EXPECT_EQ(s.club, -1);
    EXPECT_EQ(s.event, 1);
    EXPECT_FALSE(s.enableEditButtons);

    // Empty values (a file saved without a selection) count as not found.
    s = MatchHeaders({Club(u"", 0), Event(u"", 1)}, kClubs, kEvents);
    EXPECT_EQ(s.club, -1);
    EXPECT_EQ(s.event, -1);
    EXPECT_FALSE(s.enableEditButtons);

    // Once both were found at the end of a line, a later miss does not take it back; the later
    // found value is the one selected.
    s = MatchHeaders({Club(u"TV", 0), Event(u"Kinder", 1), Club(u"nichts", 2), Club(u"TSV", 3)},
                     kClubs, kEvents);
    EXPECT_EQ(s.club, 1);
    EXPECT_EQ(s.event, 2);
    EXPECT_TRUE(s.enableEditButtons);

    // Both results are looked at after the whole line: a club found on a line whose event then
    // fails does not enable, although the event had been found on an earlier line.
    s = MatchHeaders({Event(u"Gauturnfest", 0), Club(u"TV Musterstadt", 1), Event(u"nichts", 1)},
                     kClubs, kEvents);
    EXPECT_EQ(s.club, 2);
    EXPECT_EQ(s.event, 1);
    EXPECT_FALSE(s.enableEditButtons);

    // The same values read from a real file.
    s = MatchHeaders(Read(ReadData("example.mdg"), kYear).headers, kClubs, kEvents);
    EXPECT_EQ(s.club, 2);
    EXPECT_EQ(s.event, 1);
    EXPECT_TRUE(s.enableEditButtons);
}

// --- line ends and broken input -----------------------------------------------------------------

TEST(EntryFileRead, LineEnds)
{
    const QList<Entry> two = {E(u"A,a", Code(2000, 0)), E(u"B,b", Code(2001, 1))};
    EXPECT_EQ(Read("A,a,w,2000\r\nB,b,m,2001\r\n", kYear).entries, two) << "CR LF";
    EXPECT_EQ(Read("A,a,w,2000\nB,b,m,2001\n", kYear).entries, two) << "LF";
    EXPECT_EQ(Read("A,a,w,2000\nB,b,m,2001", kYear).entries, two) << "no line end at the end";
    EXPECT_EQ(Read("A,a,w,2000\rB,b,m,2001\r", kYear).entries, two) << "CR only";
    // In a file with LF line ends a stray CR belongs to its line.
    const Content stray = Read("A\r,a,w,2000\nB,b,m,2001\n", kYear);
    EXPECT_EQ(stray.entries, (QList<Entry>{E(u"A\r,a", Code(2000, 0)), two[1]}));
    const Content header = Read("VEREIN: X\r\r\n", kYear);
    EXPECT_EQ(header.headers, (QList<HeaderValue>{Club(u"X\r", 0)}));
}

TEST(EntryFileRead, BadInputGivesAWellDefinedResult)
{
    // 0x1A ends the file, wherever it stands.
    EXPECT_EQ(Read("A,a,w,2000\r\nB,b\x1a,m,2001\r\nC,c,w,2002\r\n", kYear).entries,
              (QList<Entry>{E(u"A,a", Code(2000, 0))}));
    EXPECT_TRUE(Read("\x1a"
                     "A,a,w,2000\r\n",
                     kYear)
                    .entries.isEmpty());

    // NUL bytes are ordinary characters of their line.
    static const char kNul[] = "A\0a,b,w,2000\r\nVEREIN: X\0Y\r\n";
    const Content nul = Read(QByteArrayView(kNul, sizeof kNul - 1), kYear);
    EXPECT_EQ(nul.entries, (QList<Entry>{{QString::fromUtf16(u"A\0a,b", 5), Code(2000, 0)}}));
    EXPECT_EQ(nul.headers,
              (QList<HeaderValue>{{HeaderValue::Club, QString::fromUtf16(u"X\0Y", 3), 1}}));

    // A 10 MB line without a comma is skipped, one with commas is one entry.
    QByteArray big(10 * 1024 * 1024, 'x');
    EXPECT_EQ(Read(big + "\r\nA,a,w,2000", kYear).entries,
              (QList<Entry>{E(u"A,a", Code(2000, 0))}));
    const qsizetype textSize = big.size();
    big[5] = ',';
    big.append(",w,2000");
    const Content longLine = Read(big, kYear);
    ASSERT_EQ(longLine.entries.size(), 1);
    EXPECT_EQ(longLine.entries[0].text.size(), textSize);
    EXPECT_EQ(longLine.entries[0].code, Code(2000, 0));

    // Binary garbage: every byte value, repeated, never crashes and yields only sound codes.
    QByteArray binary;
    for (int round = 0; round < 4; ++round) {
        for (int b = 0; b < 256; ++b) {
            const int value = (b * 37 + round) & 0xFF;
            binary.append(static_cast<char>(value == 0x1A ? 0x1B : value));
        }
    }
    const Content garbage = Read(binary, kYear);
    for (const Entry& e : garbage.entries) {
        const int year = entry::YearOf(e.code);
        EXPECT_TRUE(year == -1 || (year > kYear - 100 && year < kYear)) << e.code;
        EXPECT_FALSE(e.text.contains(QLatin1Char('\n')));
    }
}

} // namespace
