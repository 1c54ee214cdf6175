// The organiser's event file: the example file read whole, and each kind of broken line as a
// table of the line and the sentence that refuses it.
#include "invitation/Invitation.h"

#include "messages/Invitation.h"
#include "textfile/Cp1252.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using invitation::read;

namespace {

const QByteArray kExample =
    "# Ausschreibung f\xC3\xBCr Zandrel\r\n"
    "FORMAT: Zandrel-Ausschreibung 1\r\n"
    "VERANSTALTER: Turngau Musterland; Erika Muster; meldung@turngau-musterland.de; 07123 45678\r\n"
    "VERANSTALTUNG: Gauturnfest 2027; 12.06.2027; Sporthalle Musterstadt; 15.05.2027 18:00; "
    "5,50; 2009-2020; 8,00\r\n"
    "VERANSTALTUNG: Kinderturnfest 2027; 03.07.2027; Talhausen; 01.06.2027; 4,00 \xE2\x82\xAC; "
    "2015\xE2\x80\x93"
    "2021\r\n"
    "VEREIN: TV Musterstadt; 1001\r\n"
    "VEREIN: TSV 1860 Hintertupfing; 1002\r\n"
    "KONTO: DE02 1203 0000 0000 2020 51; Turngau Musterland e. V.; Meldegeld {Veranstaltung} "
    "{Verein}\r\n"
    "HINWEIS: Je 10 Kinder bitte eine erwachsene Begleitperson melden.\r\n";

QStringList problemsOf(const QByteArray& bytes)
{
    QStringList texts;
    for (const invitation::Problem& p : read(bytes).problems)
        texts.append(messages::invitationProblem(p));
    return texts;
}

} // namespace

TEST(Invitation, TheExampleIsReadWhole)
{
    const invitation::ReadResult got = read(kExample);
    ASSERT_TRUE(got.ok()) << problemsOf(kExample).join(u'\n').toStdString();
    const invitation::Invitation& inv = got.invitation;
    EXPECT_EQ(inv.organiser.email, u"meldung@turngau-musterland.de"_s);
    EXPECT_EQ(inv.eventNames(), (QStringList{u"Gauturnfest 2027"_s, u"Kinderturnfest 2027"_s}));
    EXPECT_EQ(inv.clubNames(), (QStringList{u"TV Musterstadt"_s, u"TSV 1860 Hintertupfing"_s}));
    EXPECT_EQ(inv.club(u"tv musterstadt"_s)->number, u"1001"_s);
    const invitation::Event& fest = inv.events[0];
    EXPECT_EQ(std::tuple(fest.feeCents, fest.lateFeeCents, fest.firstYear, fest.lastYear),
              std::tuple(std::optional<qint64>(550), std::optional<qint64>(800), 2009, 2020));
    const invitation::Event& kids = inv.events[1];
    EXPECT_EQ(std::tuple(kids.feeCents, kids.firstYear, kids.lastYear, kids.line),
              std::tuple(std::optional<qint64>(400), 2015, 2021, qsizetype(5)));
    ASSERT_TRUE(inv.account);
    EXPECT_EQ(inv.account->ibanGrouped(), u"DE02 1203 0000 0000 2020 51"_s);
    // A club named like a placeholder stays its name.
    EXPECT_EQ(inv.account->referenceFor(u"{Veranstaltung}"_s, u"Fest"_s),
              u"Meldegeld Fest {Veranstaltung}"_s);
    EXPECT_EQ(inv.notes.size(), 1);
    EXPECT_EQ(messages::invitationSummary(inv).value(1),
              u"Veranstaltung: Gauturnfest 2027 · 12.06.2027 · Sporthalle Musterstadt · "
              u"Meldeschluss 15.05.2027, 18:00 Uhr · Meldegeld 5,50 € · Nachmeldung 8,00 € · "
              u"Jahrgänge 2009–2020"_s);

    // Windows-1252 as Notepad's "ANSI" saves it, LF only: the same file.
    QByteArray ansi = cp1252::encode(QString::fromUtf8(kExample));
    ansi.replace("\r\n", "\n");
    ASSERT_TRUE(ansi.contains("4,00 \x80; 2015\x96"));
    ASSERT_TRUE(read(ansi).ok()) << problemsOf(ansi).join(u'\n').toStdString();
    EXPECT_EQ(read(ansi).invitation.events[1].feeCents, 400);
    // The template that zandrel-sammeln --vorlage writes opens as it is.
    EXPECT_TRUE(read(invitation::templateBytes()).ok())
        << problemsOf(invitation::templateBytes()).join(u'\n').toStdString();
}

TEST(Invitation, DeadlineEndsAtItsTimeOrAtTheEndOfTheDay)
{
    const invitation::Invitation inv = read(kExample).invitation;
    const invitation::Event& fest = inv.events[0];
    const invitation::Event& kids = inv.events[1];
    const auto at = [](int d, int m, int h, int min) {
        return QDateTime(QDate(2027, m, d), QTime(h, min));
    };
    const std::tuple<const invitation::Event*, QDateTime, bool> cases[] = {
        {&fest, at(15, 5, 18, 0), false},
        {&fest, at(15, 5, 18, 1), true},
        {&kids, at(1, 6, 23, 59), false},
        {&kids, at(2, 6, 0, 0), true},
    };
    for (const auto& [event, now, passed] : cases)
        EXPECT_EQ(event->deadlinePassed(now), passed) << now.toString().toStdString();
    EXPECT_EQ(fest.feeAt(at(16, 5, 9, 0)), 800);
    EXPECT_EQ(kids.feeAt(at(16, 6, 9, 0)), 400) << "no late fee: the fee stays";
    EXPECT_EQ(messages::eventInfo(fest, at(16, 5, 9, 0)),
              u"12.06.2027 · Sporthalle Musterstadt · Meldeschluss war am 15.05.2027, 18:00 Uhr; "
              u"Nachmeldung · Jahrgänge 2009–2020"_s);
    EXPECT_EQ(invitation::money(123456), u"1.234,56 €"_s);
    // On paper after the deadline: the late fee, and the reference filled in for the club.
    const QStringList paper =
        messages::printedDetails(inv, fest, u"TV Musterstadt"_s, 12, at(16, 5, 9, 0));
    EXPECT_TRUE(paper.contains(u"Meldegeld: 12 Teilnehmer × 8,00 € = 96,00 €"_s))
        << paper.join(u'|').toStdString();
    EXPECT_TRUE(paper.contains(u"Überweisung an Turngau Musterland e. V., IBAN DE02 1203 0000 "
                               u"0000 2020 51, Verwendungszweck: Meldegeld Gauturnfest 2027 TV "
                               u"Musterstadt"_s));
}

TEST(Invitation, EveryBrokenLineIsRefusedWithItsReason)
{
    const QByteArray head = "FORMAT: Zandrel-Ausschreibung 1\n"
                            "VERANSTALTER: TG; ; a@b.de\n"
                            "VERANSTALTUNG: Fest\n";
    const std::pair<QByteArray, const char16_t*> cases[] = {
        {"VERANSTALTUNG: Fest 2; 31.02.2027", u"Zeile 4, Datum: „31.02.2027“ gibt es nicht."},
        {"VERANSTALTUNG: Fest 2; 1.2.27", u"Zeile 4, Datum: „1.2.27“ ist kein Datum in der Form "
                                          u"TT.MM.JJJJ."},
        {"VERANSTALTUNG: Fest 2; ; ; 15.05.2027 25:00",
         u"Zeile 4, Meldeschluss: „15.05.2027 25:00“ ist kein Meldeschluss in der Form TT.MM.JJJJ "
         u"oder TT.MM.JJJJ HH:MM."},
        {"VERANSTALTUNG: Fest 2; ; ; ; 5,5x",
         u"Zeile 4, Meldegeld: „5,5x“ ist kein Betrag wie 5,50."},
        {"VERANSTALTUNG: Fest 2; ; ; ; ; 2020-2009",
         u"Zeile 4, Jahrgänge: „2020-2009“ sind keine Jahrgänge wie 2009-2020."},
        {"VERANSTALTUNG: fest",
         u"Zeile 4, Name: Die Veranstaltung „fest“ steht schon weiter oben."},
        {"VERANSTALTUNG: ; 01.01.2027", u"Zeile 4, Name: Das Feld fehlt."},
        {"VEREIN: TV, Nord",
         u"Zeile 4, Name: „TV, Nord“: Ein Name darf kein Komma und kein Steuerzeichen enthalten."},
        {"VERANSTALTUNG: FestVEREIN: ",
         u"Zeile 4, Name: „FestVEREIN:“: Ein Name darf „VEREIN: “ und „VERANSTALTUNG: “ nicht "
         u"enthalten; die Meldedatei gäbe ihn sonst verstümmelt zurück."},
        {"VEREIN: TV \xF0\x9F\x98\x80",
         u"Zeile 4, Name: Das Zeichen „😀“ kann die Meldedatei nicht speichern."},
        {"VEREIN: " + QByteArray(61, 'x'),
         u"Zeile 4, Name: „xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx“ ist "
         u"länger als 60 Zeichen."},
        {"VEREIN: A; 1; extra", u"Zeile 4: „VEREIN:“ hat nur 2 Felder; „extra“ ist zu viel."},
        {"KONTO: DE02 1203 0000 0000 2020 52; X",
         u"Zeile 4, IBAN: „DE02 1203 0000 0000 2020 52“ ist keine gültige IBAN (die Prüfziffern "
         u"stimmen nicht)."},
        {"KONTO: ; X", u"Zeile 4, IBAN: Das Feld fehlt."},
        {"VERANSTALTER: TG; ; a@b.de", u"Zeile 4: „VERANSTALTER:“ darf nur einmal vorkommen."},
        {"TERMIN: morgen", u"Zeile 4: Das Schlüsselwort „TERMIN“ gibt es nicht."},
        {"Hallo Vereine", u"Zeile 4: „Hallo Vereine“ beginnt nicht mit einem Schlüsselwort wie "
                          u"„VEREIN:“."},
        {"HINWEIS: " + QByteArray(1000, 'x'), u"Zeile 4: Die Zeile ist länger als 1.000 Zeichen."},
    };
    for (const auto& [line, expected] : cases)
        EXPECT_EQ(problemsOf(head + line + "\n"), QStringList{QString::fromUtf16(expected)})
            << line.toStdString();

    const std::pair<QByteArray, QStringList> files[] = {
        {"FORMAT: Zandrel-Ausschreibung 2\nNEU: x\n",
         {u"Zeile 1: Die Ausschreibung hat Version 2 und braucht eine neuere Zandrel-Version."_s}},
        {"# Kopf\nVEREIN: TV\n",
         {u"Zeile 2: Der erste Eintrag muss „FORMAT: Zandrel-Ausschreibung 1“ sein."_s}},
        {"FORMAT: Zandrel-Ausschreibung 1\nVERANSTALTER: TG; ; a b@c.de\n",
         {u"Zeile 2, E-Mail: „a b@c.de“ ist keine E-Mail-Adresse."_s,
          u"Es fehlt eine Zeile „VERANSTALTUNG:“."_s}},
        {"FORMAT: Zandrel-Ausschreibung 1\n",
         {u"Die Zeile „VERANSTALTER:“ mit Name und E-Mail fehlt."_s,
          u"Es fehlt eine Zeile „VERANSTALTUNG:“."_s}},
        {QByteArray("FORMAT: Zandrel-Ausschreibung 1\0", 32),
         {u"Die Datei ist keine Textdatei."_s}},
    };
    for (const auto& [bytes, expected] : files)
        EXPECT_EQ(problemsOf(bytes), expected) << bytes.toStdString();
}
