// The member list's rules as tables: splitting and decoding, the header names, and what each row
// becomes against an entry list.
#include "MemberList.h"

#include <gtest/gtest.h>
#include <QCollator>

using namespace memberlist;

namespace {

/// Header and rows as "a|b/c|d", or the error's number as "!n".
QString Cells(const Parsed& parsed)
{
    if (parsed.error != ParseError::None)
        return QStringLiteral("!%1").arg(int(parsed.error));
    QStringList rows{parsed.table.header.join(u'|')};
    for (const QStringList& row : parsed.table.rows)
        rows << row.join(u'|');
    return rows.join(u'/');
}

QByteArray Utf16(QStringView text)
{
    return {reinterpret_cast<const char*>(text.utf16()), text.size() * 2};
}

} // namespace

TEST(MemberList, ParseSplitsDecodesAndRefuses)
{
    const QString nv = QStringLiteral("Name|Vorname/Müller|Jürgen");
    const std::pair<QByteArray, QString> cases[] = {
        {"Vorname;Name\r\nAnna;Meier\r\n", QStringLiteral("Vorname|Name/Anna|Meier")},
        {"Name,Vorname,X\nA,\"Meier; Dr.\",1", QStringLiteral("Name|Vorname|X/A|Meier; Dr.|1")},
        {"Name\tVorname\nA; B\t\"C, D\"", QStringLiteral("Name|Vorname/A; B|C, D")},
        {"\"Name\";Vorname\n\"Ott \"\"Bo\"\"\";\"An\r\nna\"\nA \"b\";c",
         QStringLiteral("Name|Vorname/Ott \"Bo\"|An\r\nna/A \"b\"|c")},
        {"\xEF\xBB\xBFName;Vorname\nM\xC3\xBCller;J\xC3\xBCrgen", nv}, // UTF-8, BOM
        {"Name;Vorname\nM\xFCller;J\xFCrgen", nv},                     // Windows-1252
        {"\xFF\xFE" + Utf16(u"Name;V\nü;‰"), QStringLiteral("Name|V/ü|‰")},
        {"\n ; \nName;Vorname\n\n;;\nM\xC3\xBCller;J\xC3\xBCrgen;\n", nv + u'|'},
        {"\r\n\r\n", QStringLiteral("!2")},                         // empty
        {QByteArray("Name;Vorname\n\0", 14), QStringLiteral("!1")}, // binary
        {"Mitglieder TV Musterstadt\nAnna", QStringLiteral("!1")},  // no separator: no CSV
        {"Nr;Mitglied\n1;Anna", QStringLiteral("!3")},              // no known column
        {"Name;Vorname\r\n;\r\n", QStringLiteral("!4")},            // header only
    };
    for (const auto& [bytes, expected] : cases) {
        SCOPED_TRACE(bytes.toStdString());
        EXPECT_EQ(Cells(Parse(bytes)), expected);
    }
}

TEST(MemberList, HeaderNamesIgnoreCaseBlanksDotsAndHyphens)
{
    const std::pair<const char16_t*, Columns> cases[] = {
        {u"Vorname;Name;Jahrgang;Geschlecht", {0, 1, 2, 3}},
        {u"NACHNAME;vor-name;Geb.-Datum;x", {1, 0, 2, -1}},
        {u" Familien Name ;Geburtstag;GESCHLECHT;Vor.name", {3, 0, 1, 2}},
        {u"Name;Nachname;Geburtsdatum;Jahrgang", {-1, 0, 2, -1}}, // the first column wins
    };
    for (const auto& [header, expected] : cases)
        EXPECT_EQ(MapHeader(QString::fromUtf16(header).split(u';')), expected)
            << QString::fromUtf16(header).toStdString();
}

TEST(MemberList, EvaluateGivesEachRowItsReason)
{
    struct Case
    {
        const char16_t* cells; // Name;Vorname;Jahrgang;Geschlecht
        const char16_t* reason;
        int year, gender;
        bool checkable, checked;
    };
    const Case cases[] = {
        {u"Müller;Jürgen;2010;m", u"", 2010, 1, true, true},
        {u"meier;ANNA;2000;W", u"schon in der Liste", 2000, 0, true, false},
        {u"Meier;Anna;2001;weiblich", u"", 2001, 0, true, true},
        {u"Zorn;Udo;3.4.1990;MALE", u"schon in der Liste", 1990, 1, true, false},
        {u"Ott;Eva;1990-04-03;female", u"", 1990, 0, true, true},
        {u"Ott;Eva;03.04.1990;d", u"Geschlecht unbekannt; doppelt in der Datei", 1990, -1, false,
         false},
        {u"Ott;Eva;31.02.1990;f", u"Jahrgang ungültig", -1, 0, false, false},
        {u"Alt;Erna;1926;w", u"Jahrgang ungültig", -1, 0, false, false},
        {u"Jung;Jan;2025;Männlich", u"", 2025, 1, true, true},
        {u" ;Eva;;", u"Name fehlt; Jahrgang fehlt; Geschlecht fehlt", -1, -1, false, false},
        {u"Kowalski;Łukasz;2000;m", u"Zeichen „Ł“ nicht möglich", 2000, 1, false, false},
        {u"Neu; ;2005;x", u"Vorname fehlt; Geschlecht unbekannt", 2005, -1, false, false},
    };
    Table table{{QStringLiteral("Name"), QStringLiteral("Vorname"), QStringLiteral("Jahrgang"),
                 QStringLiteral("Geschlecht")},
                {},
                u';'};
    for (const Case& c : cases)
        table.rows << QString::fromUtf16(c.cells).split(u';');
    QCollator order(QLocale(QLocale::German, QLocale::Germany));
    order.setCaseSensitivity(Qt::CaseInsensitive);
    // Out of order on purpose: a row edited in place can leave the entry list so.
    const QList<EntryRow> list = {{QStringLiteral("Zorn,Udo"), entry::MakeCode(1990, 1)},
                                  {QStringLiteral("Meier,Anna"), entry::MakeCode(2000, 0)},
                                  {QStringLiteral("Abel,Kai"), entry::MakeCode(1990, 1)}};
    QList<Candidate> got = Evaluate(table, MapHeader(table.header), 2026, list, order);
    ASSERT_EQ(got.size(), std::size(cases));
    for (qsizetype i = 0; i < got.size(); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(QString::fromUtf16(c.cells).toStdString());
        EXPECT_EQ(Reason(got[i]), QString::fromUtf16(c.reason));
        EXPECT_EQ(got[i].year, c.year);
        EXPECT_EQ(got[i].gender, c.gender);
        EXPECT_EQ(got[i].Checkable(), c.checkable);
        EXPECT_EQ(got[i].checked, c.checked);
    }
    // Picking a gender mends only that: a copy stays unchecked, a nameless row uncheckable.
    PickGender(got[5], entry::Male);
    PickGender(got[11], entry::Female);
    EXPECT_EQ(Reason(got[5]), QStringLiteral("doppelt in der Datei"));
    EXPECT_TRUE(got[5].Checkable() && !got[5].checked && !got[11].Checkable());
    EXPECT_EQ(got[5].Row(), (EntryRow{QStringLiteral("Ott,Eva"), entry::MakeCode(1990, 1)}));
}
