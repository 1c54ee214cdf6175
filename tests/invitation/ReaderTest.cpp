// The organiser's event file: the example file read whole, each hostile line and encoding refused
// by kind, line and field, and one table of the sentences that say why.
#include "invitation/Reader.h"

#include "ExampleFile.h"
#include "invitation/Template.h"
#include "messages/Invitation.h"
#include "messages/Messages.h"
#include "textfile/Cp1252.h"

#include <gtest/gtest.h>
#include <QStringEncoder>

using namespace Qt::StringLiterals;
using invitation::read;

namespace {

// What the reader says of a problem: line, kind, field (0: the whole line), and the value quoted.
using Found = std::tuple<qsizetype, invitation::Problem::Kind, int, std::string>;
using P = invitation::Problem;

// The lines every event file begins with, and one that ends the head with an event.
const QByteArray kStart = "FORMAT: Zandrel-Ausschreibung 1\nVERANSTALTER: TG; ; a@b.de\n";
const QByteArray kHead = kStart + "VERANSTALTUNG: Fest\n";
const QByteArray kIban = "KONTO: DE02 1203 0000 0000 2020 51; ";

std::vector<Found> found(const QList<invitation::Problem>& problems)
{
    std::vector<Found> all;
    for (const invitation::Problem& p : problems)
        all.emplace_back(p.line, p.kind, p.field, p.value.toStdString());
    return all;
}

QStringList problemsOf(const QByteArray& bytes)
{
    QStringList texts;
    for (const invitation::Problem& p : read(bytes).problems)
        texts.append(messages::invitationProblem(p));
    return texts;
}

} // namespace

TEST(Reader, TheExampleIsReadWhole)
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
              u"Meldegeld Fest (Veranstaltung)"_s);
    EXPECT_EQ(inv.notes.size(), 1);
    EXPECT_EQ(messages::invitationSummary(inv).value(1),
              u"Veranstaltung: Gauturnfest 2027 · 12.06.2027 · Sporthalle Musterstadt · "
              u"Meldeschluss 15.05.2027, 18:00 Uhr · Meldegeld 5,50 € · Nachmeldung 8,00 € · "
              u"Jahrgänge 2009–2020"_s);
    EXPECT_TRUE(messages::invitationSummary(inv).contains(
        u"Verein: TSV 1860 Hintertupfing · Vereinsnummer 1002"_s));

    // Windows-1252 as Notepad's "ANSI" saves it, LF only: the same file.
    QByteArray ansi = cp1252::encode(QString::fromUtf8(kExample));
    ansi.replace("\r\n", "\n");
    ASSERT_TRUE(ansi.contains("4,00 \x80; 2015\x96"));
    ASSERT_TRUE(read(ansi).ok()) << problemsOf(ansi).join(u'\n').toStdString();
    EXPECT_EQ(read(ansi).invitation.events[1].feeCents, 400);
    // Notepad's "Unicode" is UTF-16 with a byte-order mark, either way round.
    for (const auto order : {QStringConverter::Utf16LE, QStringConverter::Utf16BE}) {
        QStringEncoder encoder(order, QStringConverter::Flag::WriteBom);
        const QByteArray utf16 = encoder.encode(QString::fromUtf8(kExample));
        ASSERT_TRUE(read(utf16).ok()) << problemsOf(utf16).join(u'\n').toStdString();
        EXPECT_EQ(read(utf16).invitation.events[1].feeCents, 400);
    }
    // An old end-of-file mark in a comment does not make UTF-8 names Windows-1252.
    const QByteArray marked = "# \x1A\n" + kExample + "VEREIN: TSV M\xC3\xBCller\n";
    ASSERT_TRUE(read(marked).ok()) << problemsOf(marked).join(u'\n').toStdString();
    EXPECT_EQ(read(marked).invitation.clubs.last().name, u"TSV Müller"_s);
    // The template that zandrel-sammeln --vorlage writes opens as it is.
    EXPECT_TRUE(read(invitation::templateBytes()).ok())
        << problemsOf(invitation::templateBytes()).join(u'\n').toStdString();
}

// The one table of the sentences: each kind of problem said with its line, field and value.
TEST(Reader, EveryBrokenLineIsRefusedWithItsReason)
{
    const QByteArray euros = QByteArray("\xE2\x82\xAC").repeated(70);
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
        {kIban + "TG; MG; COBADEF",
         u"Zeile 4, BIC: „COBADEF“ ist keine gültige BIC: Eine BIC hat 8 oder 11 Stellen, diese "
         u"hat 7."},
        {kIban + "TG; MG; C0BADEFF",
         u"Zeile 4, BIC: „C0BADEFF“ ist keine gültige BIC: An Stelle 2 steht „0“; dort gehört ein "
         u"Buchstabe hin."},
        {kIban + "TG; MG; COBADEFF-01",
         u"Zeile 4, BIC: „COBADEFF-01“ ist keine gültige BIC: An Stelle 9 steht „-“; dort gehört "
         u"eine Ziffer oder ein Buchstabe hin."},
        {"VERANSTALTER: TG; ; a@b.de", u"Zeile 4: „VERANSTALTER:“ darf nur einmal vorkommen."},
        {"TERMIN: morgen", u"Zeile 4: Das Schlüsselwort „TERMIN“ gibt es nicht."},
        {"VERANSTALTUG: Fest 2",
         u"Zeile 4: Das Schlüsselwort „VERANSTALTUG“ gibt es nicht; meinten "
         u"Sie „VERANSTALTUNG“?"},
        {"Veranstaltungen: Fest 2", u"Zeile 4: Das Schlüsselwort „Veranstaltungen“ gibt es nicht; "
                                    u"meinten Sie „VERANSTALTUNG“?"},
        {"VERIEN: TV", u"Zeile 4: Das Schlüsselwort „VERIEN“ gibt es nicht; meinten Sie „VEREIN“?"},
        {"KONTEN: X", u"Zeile 4: Das Schlüsselwort „KONTEN“ gibt es nicht."},
        {"VERANSTALT: X", u"Zeile 4: Das Schlüsselwort „VERANSTALT“ gibt es nicht; meinten Sie "
                          u"„VERANSTALTER“?"},
        {"Hallo Vereine", u"Zeile 4: „Hallo Vereine“ beginnt nicht mit einem Schlüsselwort wie "
                          u"„VEREIN:“."},
        {"HINWEIS: " + QByteArray(1000, 'x'), u"Zeile 4: Die Zeile ist länger als 1.000 Zeichen."},
        {"VEREIN: ../../Anderswo/Fest 2027",
         u"Zeile 4, Name: „../../Anderswo/Fest 2027“: Ein Name darf keines der Zeichen / \\ : * ? "
         u"\" < > | enthalten und nicht „.“ oder „..“ sein, denn er wird Teil des Dateinamens der "
         u"Meldung."},
        {"VEREIN: TSV M\xC3\x83\xC2\xBCller",
         u"Zeile 4, Name: „TSV MÃ¼ller“ sieht nach falsch gelesenem UTF-8 aus (gemeint ist wohl "
         u"„TSV Müller“); die Meldedatei gäbe den Namen so nicht zurück."},
        {"VERANSTALTUNG: Fest 2; ; Halle\x1B[2J",
         u"Zeile 4, Ort: Das Steuerzeichen U+001B ist nicht erlaubt; es würde auf Papier, in der "
         u"Mail oder im GiroCode anders erscheinen, als es gemeint ist."},
        {"VERANSTALTUNG: Fest 2\t12.06.2027", u"Zeile 4, Name: Hier steht ein Tabulator; Felder "
                                              u"werden mit „;“ getrennt, Wörter mit Leerzeichen."},
        {"VERANSTALTUNG:\tFest 2;\t12.06.2027\t", {}},
        {"KONTO: DE31 1203 0000 0000 2020; X",
         u"Zeile 4, IBAN: „DE31 1203 0000 0000 2020“ ist keine gültige IBAN: Eine IBAN aus DE hat "
         u"22 Stellen, hier fehlen 2 Stellen."},
        {"KONTO: DE02 1203 0000 0000 2020 5; X", u"Zeile 4, IBAN: „DE02 1203 0000 0000 2020 5“ ist "
                                                 u"keine gültige IBAN: Eine IBAN aus DE hat "
                                                 u"22 Stellen, hier fehlt eine Stelle."},
        {"KONTO: DE48 1203 0000 0000 2020 5100 0000 0000 00; X",
         u"Zeile 4, IBAN: „DE48 1203 0000 0000 2020 5100 0000 0000 00“ ist keine gültige IBAN: "
         u"Eine "
         u"IBAN aus DE hat 22 Stellen, diese ist 12 Stellen zu lang."},
        {"KONTO: DE02 1203 0000 0000 2020 510; X",
         u"Zeile 4, IBAN: „DE02 1203 0000 0000 2020 510“ ist keine gültige IBAN: Eine IBAN aus DE "
         u"hat 22 Stellen, diese ist eine Stelle zu lang."},
        {"KONTO: DE02 1203 0000 0000 2020 5A; X",
         u"Zeile 4, IBAN: „DE02 1203 0000 0000 2020 5A“ ist keine gültige IBAN: An Stelle 22 steht "
         u"„A“; dort gehört eine Ziffer hin."},
        {"KONTO: XX02 1203 0000 0000 2020 51; X",
         u"Zeile 4, IBAN: „XX02 1203 0000 0000 2020 51“ ist keine gültige IBAN: Land XX unbekannt "
         u"(kein SEPA-Land)."},
        {kIban + QByteArray(71, 'H'),
         u"Zeile 4, Kontoinhaber: Der Kontoinhaber hat mehr als 70 Zeichen; so viele trägt kein "
         u"GiroCode."},
        {kIban + "TG; MG {Verein} {Veranstaltung} " + QByteArray(80, 'x'),
         u"Zeile 4, Verwendungszweck: Mit einem Verein mit 60 Zeichen und „Fest“ wird der "
         u"Verwendungszweck 149 Zeichen lang; ein GiroCode trägt höchstens 140. Bitte kürzer "
         u"fassen."},
        {kIban + euros + "; " + QByteArray(80, 'x'),
         u"Zeile 4: So braucht der GiroCode 347 Bytes; er trägt höchstens 331. Bitte "
         u"Kontoinhaber oder Verwendungszweck kürzer fassen."},
    };
    for (const auto& [line, expected] : cases)
        EXPECT_EQ(problemsOf(kHead + line + "\n"),
                  expected ? QStringList{QString::fromUtf16(expected)} : QStringList())
            << line.toStdString();

    const std::pair<QByteArray, QStringList> files[] = {
        {"FORMAT: Zandrel-Ausschreibung 2\nNEU: x\n",
         {u"Zeile 1: Die Ausschreibung hat Version 2 und braucht eine neuere Zandrel-Version."_s}},
        {"# Kopf\nVEREIN: TV\n",
         {u"Zeile 2: Der erste Eintrag muss „FORMAT: Zandrel-Ausschreibung 1“ sein."_s}},
        {"FORMAT: Zandrel-Ausschreibung 1\nVERANSTALTER: TG; ; a b@c.de\n",
         {u"Zeile 2, E-Mail: „a b@c.de“ ist keine einfache E-Mail-Adresse wie "
          u"meldung@turngau-musterland.de."_s,
          u"Es fehlt eine Zeile „VERANSTALTUNG:“."_s}},
        {"FORMAT: Zandrel-Ausschreibung 1\n",
         {u"Die Zeile „VERANSTALTER:“ mit Name und E-Mail fehlt."_s,
          u"Es fehlt eine Zeile „VERANSTALTUNG:“."_s}},
        {QByteArray("FORMAT: Zandrel-Ausschreibung 1\0", 32),
         {u"Die Datei ist keine Textdatei."_s}},
        {"FORMAT: Zandrel-Ausschreibung 1\nVERANSTALTER: M\xC3\xBCnster; ; a@b.de\nVEREIN: "
         "M\xFCller\n",
         {u"Zeile 3: Die Zeile ist nicht UTF-8 wie Zeile 2 (wohl Windows-1252 eingefügt); so "
          u"würden Namen verfälscht. Bitte die ganze Datei als UTF-8 speichern."_s}},
        {"\xEF\xBB\xBF"
         "FORMAT: Zandrel-Ausschreibung 1\nVERANSTALTER: M\xFCnster; ; a@b.de\n",
         {u"Zeile 2: Die Zeile ist nicht UTF-8, obwohl die Datei als UTF-8 gekennzeichnet ist "
          u"(wohl Windows-1252 eingefügt). Bitte die ganze Datei als UTF-8 speichern."_s}},
        {"FORMAT: Zandrel-Ausschreibung 0\n",
         {u"Zeile 1: Version 0 gibt es nicht; erwartet ist „Zandrel-Ausschreibung 1“."_s}},
    };
    for (const auto& [bytes, expected] : files)
        EXPECT_EQ(problemsOf(bytes), expected) << bytes.toStdString();

    // A closed file's reference is measured with its own longest club and event, and says so.
    EXPECT_EQ(problemsOf(kHead + "VEREIN: TV A\nVEREIN: " + QByteArray(60, 'L') + "\n" + kIban +
                         "TG; {Verein} " + QByteArray(80, 'x') + "\n"),
              QStringList{u"Zeile 6, Verwendungszweck: Mit „"_s + QString(60, u'L') +
                          u"“ und „Fest“ wird der Verwendungszweck 141 Zeichen lang; ein GiroCode "
                          u"trägt höchstens 140. Bitte kürzer fassen."_s});
}

// More that an event file from anyone could slip past the reader, by kind, line, field and the
// value quoted: names that would leave the chosen folder, controls in any field, and a reference
// measured as the GiroCode carries it. The limits themselves take the file.
TEST(Reader, HostileLinesAreRefusedWithTheirLineAndReason)
{
    const std::pair<QByteArray, Found> cases[] = {
        {"VERANSTALTUNG: ..", {4, P::NameNotFileName, 1, ".."}},
        {"VERANSTALTUNG: C:\\Fest", {4, P::NameNotFileName, 1, "C:\\Fest"}},
        {"HINWEIS: Bitte \xE2\x80\xAE"
         "nies",
         {4, P::ControlInField, 0, "U+202E"}},
        {"Hallo\x07", {4, P::ControlInField, 0, "U+0007"}},
        {kIban + "Turngau\x07; X", {4, P::ControlInField, 2, "U+0007"}},
        // Measured as it goes out: the club whose "ß" become "ss" is the longer one.
        {"VEREIN: " + QByteArray(35, 'A') + "\nVEREIN: " + QByteArray("\xC3\x9F").repeated(30) +
             "\n" + kIban + "TG; {Verein} " + QByteArray(80, 'x'),
         {6, P::ReferenceTooLong, 3, "141"}},
    };
    for (const auto& [line, expected] : cases)
        EXPECT_EQ(found(read(kHead + line + "\n").problems), std::vector{expected})
            << line.toStdString();
    EXPECT_TRUE(
        read(kHead + "VEREIN: TV A\n" + kIban + "TG; {Verein} " + QByteArray(80, 'x')).ok());
    EXPECT_TRUE(read(kHead + kIban + QByteArray(70, 'H')).ok()) << "70 characters are the most";
}

// What an organiser probably did not mean is taken, but said after "Warnung:", in line and field
// order; the day after each limit says nothing. Today is 9 December 2026.
TEST(Reader, WarningsTakeTheFileAndSayWhatIsProbablyNotMeant)
{
    const QByteArray head = kStart + "VERANSTALTUNG: Alle\n";
    const std::pair<QByteArray, QStringList> cases[] = {
        {"VERANSTALTUNG: Fest; 12.06.2027; ; 13.06.2027",
         {u"Warnung: Zeile 4, Meldeschluss: Der Meldeschluss „13.06.2027“ liegt nach der "
          u"Veranstaltung am 12.06.2027."_s}},
        {"VERANSTALTUNG: Fest; 12.06.2027; ; 12.06.2027 09:00", {}},
        {"VERANSTALTUNG: Fest; 08.12.2026; ; 01.12.2026",
         {u"Warnung: Zeile 4, Datum: „08.12.2026“ liegt in der Vergangenheit: Die Veranstaltung "
          u"ist schon vorbei."_s}},
        {"VERANSTALTUNG: Fest; 09.12.2026; ; 09.12.2026", {}},
        {"VERANSTALTUNG: Fest; ; ; 08.12.2026 18:00",
         {u"Warnung: Zeile 4, Meldeschluss: Der Meldeschluss „08.12.2026 18:00“ ist schon vorbei; "
          u"jede Meldung ist jetzt eine Nachmeldung."_s}},
        {"VERANSTALTUNG: Fest; 12.06.2027; ; ; ; 2009-2028",
         {u"Warnung: Zeile 4, Jahrgänge: „2009-2028“ reicht über das Jahr der Veranstaltung "
          u"(2027) hinaus."_s}},
        {"VERANSTALTUNG: Fest; 12.06.2027; ; ; ; 2009-2027", {}},
        {"VERANSTALTUNG: Fest; ; ; ; ; 1900-1926",
         {u"Warnung: Zeile 4, Jahrgänge: In „1900-1926“ ist kein Kind geboren, das sich melden "
          u"lässt (Jahrgänge 1927–2025)."_s}},
        {"VERANSTALTUNG: Fest; ; ; ; ; 1900-1927", {}},
        {"VERANSTALTUNG: Fest; ; ; ; 5,50; ; 5,49",
         {u"Warnung: Zeile 4, Nachmeldegeld: Das Nachmeldegeld 5,49 € ist niedriger als das "
          u"Meldegeld 5,50 €."_s}},
        {"VERANSTALTUNG: Fest; ; ; ; 5,50; ; 5,50", {}},
        {"VEREIN: TV A; 1001\nVEREIN: TV B; 1002\nVEREIN: SV C; 1001",
         {u"Warnung: Zeile 6, Vereinsnummer: Die Vereinsnummer „1001“ hat schon „TV A“ in Zeile "
          u"4."_s}},
        {"VEREIN: TV A\nVEREIN: TV B", {}},
        {"VERANSTALTUNG: Fest; 12.06.2027; ; 13.06.2027; 5; 2150-2200; 4",
         {u"Warnung: Zeile 4, Meldeschluss: Der Meldeschluss „13.06.2027“ liegt nach der "
          u"Veranstaltung am 12.06.2027."_s,
          u"Warnung: Zeile 4, Jahrgänge: In „2150-2200“ ist kein Kind geboren, das sich melden "
          u"lässt (Jahrgänge 1927–2025)."_s,
          u"Warnung: Zeile 4, Nachmeldegeld: Das Nachmeldegeld 4,00 € ist niedriger als das "
          u"Meldegeld 5,00 €."_s}},
    };
    for (const auto& [lines, expected] : cases) {
        const invitation::ReadResult got = read(head + lines + "\n", 2026, QDate(2026, 12, 9));
        ASSERT_TRUE(got.ok()) << lines.toStdString();
        EXPECT_EQ(messages::invitationWarnings(got, 10), expected) << lines.toStdString();
    }
}

TEST(Reader, FeesAreWholeCentsHoweverTheyAreWritten)
{
    // As organisers copy them from their invitations, with a non-breaking space before the €.
    const std::pair<const char*, std::optional<qint64>> fees[] = {
        {"5", 500},
        {"5,5", 550},
        {"5.50", 550},
        {"5,05 \xE2\x82\xAC", 505},
        {"0,99eur", 99},
        {"12345 EUR", 1234500},
        {"0", 0},
        {"2,50 Euro", 250},
        {"\xE2\x82\xAC 2,50", 250},
        {"2,50\xC2\xA0\xE2\x82\xAC", 250},
        {"EUR 7", 700},
        {"5,-", 500},
        {"5,- \xE2\x82\xAC", 500},
        {"5,\xE2\x80\x93", 500},
        {"\xE2\x82\xAC 5 \xE2\x82\xAC", std::nullopt},
        {"5,-50", std::nullopt},
        {"5 Euros", std::nullopt},
    };
    for (const auto& [fee, cents] : fees) {
        const invitation::ReadResult got =
            read(kStart + "VERANSTALTUNG: Fest; ; ; ; " + fee + "\n");
        ASSERT_EQ(got.ok(), cents.has_value()) << fee;
        if (cents) {
            EXPECT_EQ(got.invitation.events[0].feeCents, cents) << fee;
        }
    }
}

// The account as organisers copy it from their own invitations: "IBAN" before it, blanks of any
// width between its groups, and a BIC after the reference.
TEST(Reader, AccountsAreTakenAsOrganisersCopyThem)
{
    const QByteArray head = kHead + "KONTO: ";
    const std::pair<const char*, QString> accounts[] = {
        {"IBAN DE02 1203 0000 0000 2020 51; TG", {}},
        {"iban: DE02120300000000202051; TG", {}},
        {"DE02\xC2\xA0"
         "1203\xE2\x80\x89"
         "0000\xE2\x80\xAF"
         "0000 2020 51; TG",
         {}},
        {"DE02 1203 0000 0000 2020 51; TG; MG; COBADEFFXXX", u"COBADEFFXXX"_s},
        {"DE02 1203 0000 0000 2020 51; TG; MG; BIC: coba de ff", u"COBADEFF"_s},
        {"DE02 1203 0000 0000 2020 51; TG; ; BIC BYLADEM1001", u"BYLADEM1001"_s},
    };
    for (const auto& [line, bic] : accounts) {
        const invitation::ReadResult got = read(head + line + "\n");
        ASSERT_TRUE(got.ok()) << problemsOf(head + line).join(u'\n').toStdString();
        EXPECT_EQ(std::pair(got.invitation.account->iban, got.invitation.account->bic),
                  std::pair(u"DE02120300000000202051"_s, bic))
            << line;
    }
    EXPECT_EQ(messages::invitationSummary(read(head + std::get<0>(accounts[3])).invitation).last(),
              u"Konto: DE02 1203 0000 0000 2020 51, BIC COBADEFFXXX, TG, Verwendungszweck „MG“"_s);
}

TEST(Reader, EncodingsAreReadWholeOrRefusedByTheirLines)
{
    const QByteArray utf8 = "FORMAT: Zandrel-Ausschreibung 1\n"
                            "VERANSTALTER: Turngau M\xC3\xBCnster; ; a@b.de\n"
                            "VERANSTALTUNG: Fest\n";
    // A line that is not UTF-8 names the line that is (its value); the sentences above say the
    // rest of it.
    const std::pair<QByteArray, std::vector<Found>> files[] = {
        {utf8 + "VEREIN: TSV M\xFCller\nVEREIN: TV Nord\nVEREIN: SG S\xFC"
                "d\n",
         {{4, P::NotUtf8, 0, "2"}, {6, P::NotUtf8, 0, "2"}}},
        {"\xFF\xFE"
         "F\0O\0R",
         {{0, P::BadUtf16, 0, ""}}},
        {QByteArray(utf8).replace('\n', '\r'), {{0, P::CrLineEnds, 0, ""}}},
    };
    for (const auto& [bytes, expected] : files)
        EXPECT_EQ(found(read(bytes).problems), expected) << bytes.toStdString();
    // Windows-1252 throughout is Windows-1252.
    EXPECT_EQ(read(cp1252::encode(QString::fromUtf8(utf8))).invitation.organiser.name,
              u"Turngau Münster"_s);
}

TEST(Reader, AHostileFileCostsAHundredProblemsAndAHundredWarnings)
{
    const invitation::ReadResult many = read(QByteArray(1024 * 1024 - 2, 'x').replace("xx", "x\n"));
    EXPECT_EQ(many.problems.size(), invitation::kMostProblems);
    EXPECT_EQ(many.problems.size() + many.moreProblems, 524287 + 2)
        << "every line, and neither organiser nor event";
    const QStringList shown = messages::invitationProblems(many, 100);
    EXPECT_EQ(shown.size(), 101);
    EXPECT_EQ(shown.last(), u"… und 524.189 weitere."_s);
    // Past the hundredth event one problem, on the first line past, not one for each line.
    QByteArray events = kStart;
    for (int i = 1; i <= invitation::kMaxEvents + 3; ++i)
        events += "VERANSTALTUNG: Fest " + QByteArray::number(i) + "\n";
    EXPECT_EQ(found(read(events).problems), (std::vector<Found>{{103, P::TooManyEvents, 0, ""}}));
    // A hundred warnings at most, and the window shows ten of them.
    QByteArray clubs = kHead;
    for (int i = 0; i <= invitation::kMostProblems + 20; ++i)
        clubs += "VEREIN: TV " + QByteArray::number(i) + "; 7\n";
    const invitation::ReadResult same = read(clubs);
    EXPECT_EQ(std::pair(same.warnings.size(), same.moreWarnings),
              std::pair(qsizetype(100), qsizetype(20)));
    EXPECT_EQ(messages::invitationWarnings(same, 10).last(), u"… und 110 weitere."_s);
}
