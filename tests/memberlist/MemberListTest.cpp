// The member list's rules as tables: splitting and decoding, then what each row becomes against
// an entry list.
#include "memberlist/MemberList.h"

#include "messages/Messages.h"

#include <gtest/gtest.h>

using namespace memberlist;
using namespace Qt::StringLiterals;

TEST(MemberList, ParseSplitsDecodesAndRefuses)
{
    const auto cells = [](const Parsed& parsed) { // "a|b/c|d", or "!" and the error's number
        QStringList rows{parsed.table.header.join(u'|')};
        for (qsizetype r = 0; r < parsed.table.rowCount(); ++r) {
            QStringList row;
            for (qsizetype c = 0; c < parsed.table.cellCount(r); ++c)
                row << parsed.table.cell(r, c).toString();
            rows << row.join(u'|');
        }
        return parsed.error != ParseError::None ? QStringLiteral("!%1").arg(int(parsed.error))
                                                : rows.join(u'/');
    };
    const QString nv = QStringLiteral("Name|Vorname/Müller|Jürgen");
    const QStringView utf16 = u"Name;V\nü;‰"; // as Excel's "Unicode text" on this machine
    const std::pair<QByteArray, QString> cases[] = {
        {"Vorname;Name\r\nAnna;Meier\r\n", QStringLiteral("Vorname|Name/Anna|Meier")},
        {"Name,Vorname,X\nA,\"Meier; Dr.\",1", QStringLiteral("Name|Vorname|X/A|Meier; Dr.|1")},
        {"Name\tVorname\nA; B\t\"C, D\"", QStringLiteral("Name|Vorname/A; B|C, D")},
        {"sep=,\r\nName,Vorname;X\nA,B;C", QStringLiteral("Name|Vorname;X/A|B;C")}, // Excel
        {"\"Name\";Vorname\n\"Ott \"\"Bo\"\"\";\"An\r\nna\"\nA \"b\";c",
         QStringLiteral("Name|Vorname/Ott \"Bo\"|An\r\nna/A \"b\"|c")},
        {"\xEF\xBB\xBFName;Vorname\nM\xC3\xBCller;J\xC3\xBCrgen", nv}, // UTF-8, BOM
        {"Name;Vorname\nM\xFCller;J\xFCrgen", nv},                     // Windows-1252
        {"\xFF\xFE" + QByteArray(reinterpret_cast<const char*>(utf16.utf16()), utf16.size() * 2),
         QStringLiteral("Name|V/ü|‰")},
        {"\n ; \nName;Vorname\n\n;;\nM\xC3\xBCller;J\xC3\xBCrgen;\n", nv + u'|'},
        {"\r\n\r\n", QStringLiteral("!2")},                         // empty
        {QByteArray("Name;Vorname\n\0", 14), QStringLiteral("!1")}, // binary
        {"Mitglieder TV Musterstadt\nAnna", QStringLiteral("!1")},  // no separator: no CSV
        {"Nr;Mitglied\n1;Anna", QStringLiteral("!3")},              // no known column
        {"Name;Vorname\r\n;\r\n", QStringLiteral("!4")},            // header only
        // Columns are capped like rows: a header of a million cells is no member list.
        {"Name;Vorname" + QByteArray(998, ';') + "\nA;B",
         QStringLiteral("Name|Vorname") + QString(998, u'|') + u"/A|B"_s},
        {"Name;Vorname" + QByteArray(999, ';') + "\nA;B", QStringLiteral("!6")},
        {"Name;Vorname\nA;B" + QByteArray(999, ';'), QStringLiteral("!6")},
    };
    for (const auto& [bytes, expected] : cases)
        EXPECT_EQ(cells(parse(bytes)), expected) << bytes.toStdString();
}

TEST(MemberList, EvaluateGivesEachRowItsReason)
{
    // cells, reason, year, gender, checkable, checked
    using Case = std::tuple<const char16_t*, const char16_t*, int, int, bool, bool>;
    const Case cases[] = {
        {u"Müller;Jürgen;2010;m", u"", 2010, 1, true, true},
        {u"meier;ANNA;2000;W", u"schon in der Liste", 2000, 0, true, false},
        {u"Meier;Anna;2001;weiblich", u"", 2001, 0, true, true},
        {u"Zorn;Udo;3.4.1990;MALE", u"schon in der Liste", 1990, 1, true, false},
        {u"Ott;Eva;1990-04-03;female", u"", 1990, 0, true, true},
        {u"Ott;Eva;03.04.1990;d", u"Geschlecht unbekannt; doppelt in der Datei", 1990, -1, 0, 0},
        {u"Ott;Eva;31.02.1990;f", u"Jahrgang ungültig", -1, 0, false, false},
        {u"Alt;Erna;1926;w", u"Jahrgang ungültig", -1, 0, false, false},
        {u"Jung;Jan;2025;Männlich", u"", 2025, 1, true, true},
        {u" ;Eva;;", u"Name fehlt; Jahrgang fehlt; Geschlecht fehlt", -1, -1, false, false},
        {u"Kowalski;Łukasz;2000;m", u"Zeichen „Ł“ nicht möglich", 2000, 1, false, false},
        {u"Neu; ;2005;x", u"Vorname fehlt; Geschlecht unbekannt", 2005, -1, false, false},
        // The name fields' rules: nothing an import takes could not have been typed.
        {u"Hohenberg, Freiherr von;Karl;2000;m", u"Komma im Namen nicht möglich", 2000, 1, 0, 0},
        {u"Graf;Karl, Sohn;2000;m", u"", 2000, 1, true, true},
        {u"Esc\x1B;Eva;2000;w", u"Steuerzeichen nicht möglich", 2000, 0, false, false},
        {u"Sub;E\x1Av\x7Fa;2000;w", u"Steuerzeichen nicht möglich", 2000, 0, false, false},
        {u"Tab\tName;Eva;2000;w", u"", 2000, 0, true, true}, // a blank, as a line break is
        {u"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx;Eva;2000;w",
         u"länger als 60 Zeichen", 2000, 0, false, false},
        {u"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx;Eva;2000;w", u"", 2000, 0,
         true, true},
        {u"Kowalski;?ukasz;2000;m", u"", 2000, 1, true, true}, // UTF-8: a real question mark
    };
    // Header names ignore case, blanks, dots and hyphens; the first matching column wins.
    Table table;
    table.header =
        QStringLiteral(" Familien Name ;vor-name;Geb.-Datum;GESCHLECHT;Name").split(u';');
    for (const Case& c : cases)
        table.appendRow(QString::fromUtf16(std::get<0>(c)).split(u';'));
    // Out of order on purpose: a row edited in place can leave the entry list so.
    const QList<EntryRow> list = {{QStringLiteral("Zorn,Udo"), entry::makeCode(1990, 1)},
                                  {QStringLiteral("Meier,Anna"), entry::makeCode(2000, 0)},
                                  {QStringLiteral("Abel,Kai"), entry::makeCode(1990, 1)}};
    QList<Candidate> got = evaluate(table, mapHeader(table.header), 2026, list);
    ASSERT_EQ(got.size(), std::size(cases));
    for (qsizetype i = 0; i < got.size(); ++i) {
        const auto& [cells, why, year, gender, checkable, checked] = cases[i];
        EXPECT_EQ(messages::importReason(got[i]), QString::fromUtf16(why)) << i;
        EXPECT_EQ(std::tuple(got[i].year, got[i].gender, got[i].checkable(), got[i].checked),
                  std::tuple(year, gender, checkable, checked))
            << i;
    }
    // Picking a gender mends only that: a copy stays unchecked, a nameless row uncheckable.
    pickGender(got[5], entry::Male);
    pickGender(got[11], entry::Female);
    EXPECT_EQ(messages::importReason(got[5]), QStringLiteral("doppelt in der Datei"));
    EXPECT_TRUE(got[5].checkable() && !got[5].checked && !got[11].checkable());
    EXPECT_EQ(got[5].row(), (EntryRow{QStringLiteral("Ott,Eva"), entry::makeCode(1990, 1)}));
}

TEST(MemberList, QuestionMarkFromAWindowsListIsMarkedAndUnchecked)
{
    // LibreOffice writes "?" for a character the code page lacks; the row waits for the user.
    const Parsed parsed = parse("Name;Vorname;Jahrgang;Geschlecht\n"
                                "?ukasiewicz;Jan;2000;m\nM\xFCller;Jan;2000;m\n");
    ASSERT_EQ(parsed.error, ParseError::None);
    EXPECT_TRUE(parsed.table.windows1252);
    const QList<Candidate> got = evaluate(parsed.table, mapHeader(parsed.table.header), 2026, {});
    ASSERT_EQ(got.size(), 2);
    EXPECT_EQ(messages::importReason(got[0]), u"Zeichen „?“ – beim Export verloren?"_s);
    EXPECT_TRUE(got[0].checkable() && !got[0].checked);
    EXPECT_TRUE(got[1].checked);
}

TEST(MemberList, YearsTheEventDoesNotAdmitCannotBeTaken)
{
    const Parsed parsed =
        parse("Name;Vorname;Jahrgang;Geschlecht\n"
              "Alt;Eva;2005;w\nJung;Kai;2015;m\nKurz;Ida;2021;w\nNeu;Jo;2022;m\n");
    const QList<Candidate> got =
        evaluate(parsed.table, mapHeader(parsed.table.header), 2026, {}, Admitted{2015, 2021});
    ASSERT_EQ(got.size(), 4);
    EXPECT_EQ(messages::importReason(got[0]), u"Jahrgang für die Veranstaltung nicht zugelassen"_s);
    const bool checkable[] = {false, true, true, false};
    for (qsizetype i = 0; i < got.size(); ++i)
        EXPECT_EQ(got[i].checkable(), checkable[i]) << i;
}

TEST(MemberList, YearsFromEveryDateForm)
{
    const std::pair<const char16_t*, int> cases[] = {
        {u"1990", 1990},       {u" 1990 ", 1990},     {u"24.12.1990", 1990},
        {u"1.2.1990", 1990},   {u"31.1.1990", 1990},  {u"13.01.1990", 1990},
        {u"1990-12-31", 1990}, {u"1990-01-13", 1990}, {u"29.02.2000", 2000},
        {u"2000-02-29", 2000}, {u"29.02.1900", -1},   {u"1900-02-29", -1},
        {u"31.04.1990", -1},   {u"1990-04-31", -1},   {u"01.13.1990", -1},
        {u"1990-13-01", -1},   {u"00.01.1990", -1},   {u"1990-00-10", -1},
        {u"12.24.1990", -1},   {u"1990-31-12", -1},   {u"1990-1-01", -1},
        {u"1990-01-1", -1},    {u"123.1.1990", -1},   {u"1.123.1990", -1},
        {u"1.1.90", -1},       {u"90-01-01", -1},     {u"199", -1},
        {u"19900", -1},        {u"+990", -1},         {u"1990.", -1},
        {u"1.1.1990.", -1},    {u"1990-01-01-", -1},  {u"", -1},
        {u"a990", -1},         {u"1.1.199x", -1},     {u"1990/01/01", -1},
    };
    for (const auto& [text, year] : cases)
        EXPECT_EQ(parseYear(QString::fromUtf16(text)), year)
            << QString::fromUtf16(text).toStdString();
}
