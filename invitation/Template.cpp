#include "invitation/Template.h"

#include <QCoreApplication>

namespace invitation {
namespace {

// The fields as a refused line names them, for lupdate and i18n/zandrel_de.ts under "Template".
// (The template below is a file in the event file's format, whose words are its keywords.)
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Template)
};

} // namespace

QStringList fieldNames(const QString& keyword)
{
    if (keyword == u"VERANSTALTER")
        return {Text::tr("Name"), Text::tr("Ansprechpartner"), Text::tr("E-Mail"),
                Text::tr("Telefon")};
    if (keyword == u"VERANSTALTUNG")
        return {Text::tr("Name"),         Text::tr("Datum"),     Text::tr("Ort"),
                Text::tr("Meldeschluss"), Text::tr("Meldegeld"), Text::tr("Jahrgänge"),
                Text::tr("Nachmeldegeld")};
    if (keyword == u"VEREIN")
        return {Text::tr("Name"), Text::tr("Vereinsnummer")};
    if (keyword == u"KONTO")
        return {Text::tr("IBAN"), Text::tr("Kontoinhaber"), Text::tr("Verwendungszweck"),
                Text::tr("BIC")};
    return {};
}

QByteArray templateBytes()
{
    // UTF-8 with a byte-order mark, so that Notepad keeps it UTF-8 when the organiser saves.
    return QByteArrayLiteral("\xEF\xBB\xBF") + QStringLiteral(R"(# Ausschreibung für Zandrel
#
# Diese Datei sagt Zandrel, welche Vereine für welche Veranstaltungen melden können, bis wann,
# für welche Jahrgänge und zu welchem Meldegeld. Schreiben Sie sie mit einem beliebigen
# Texteditor; Zandrel liest UTF-8 und Windows-1252 ("ANSI").
#
# Jede Zeile ist ein Eintrag:   SCHLÜSSELWORT: Feld; Feld; ...
# Leerzeichen um die Felder zählen nicht; ein leeres Feld (;;) heißt "nicht angegeben", leere
# Felder am Ende dürfen fehlen. Zeilen mit # am Anfang und leere Zeilen werden übergangen.
# Prüfen Sie die Datei mit:   zandrel-sammeln --pruefe DATEI.aus
#
# FORMAT: Zandrel-Ausschreibung 1
#   Muss der erste Eintrag sein.
#
# VERANSTALTER: Name; Ansprechpartner; E-Mail für die Meldungen; Telefon
#   Genau einmal. Name und E-Mail sind Pflicht.
#
# VERANSTALTUNG: Name; Datum; Ort; Meldeschluss; Meldegeld; Jahrgänge; Nachmeldegeld
#   Einmal je Veranstaltung (höchstens 100). Nur der Name ist Pflicht; er steht genau so in
#   den Meldedateien (höchstens 60 Zeichen, kein Komma).
#   Datum TT.MM.JJJJ. Meldeschluss TT.MM.JJJJ (bis Ende des Tages) oder TT.MM.JJJJ HH:MM.
#   Meldegeld je Teilnehmer: 5,50 oder 5 oder 5,- oder 5,50 € oder 5,50 Euro. Jahrgänge:
#   2009-2020.
#   Nachmeldegeld je Teilnehmer nach dem Meldeschluss.
#
# VEREIN: Name; Vereinsnummer
#   Einmal je Verein (höchstens 10.000); der Name steht genau so in den Meldedateien.
#   Ohne jede VEREIN-Zeile ist die Ausschreibung offen: jeder Verein kann melden.
#
# KONTO: IBAN; Kontoinhaber; Verwendungszweck; BIC
#   Höchstens einmal. Im Verwendungszweck werden {Verein} und {Veranstaltung} ersetzt;
#   Umlaute und ß werden dort zu ae, oe, ue und ss, wie es eine Überweisung verlangt.
#   Die BIC darf fehlen.
#
# HINWEIS: Text
#   Beliebig oft; erscheint im Fenster und auf der gedruckten Meldung.

FORMAT: Zandrel-Ausschreibung 1
VERANSTALTER: Turngau Musterland; Erika Muster; meldung@turngau-musterland.de; 07123 45678
VERANSTALTUNG: Gauturnfest 2027; 12.06.2027; Sporthalle Musterstadt; 15.05.2027 18:00; 5,50; 2009-2020; 8,00
VERANSTALTUNG: Kinderturnfest 2027; 03.07.2027; Talhausen; 01.06.2027; 4,00; 2015-2021
VEREIN: TV Musterstadt; 1001
VEREIN: TSV 1860 Hintertupfing; 1002
KONTO: DE02 1203 0000 0000 2020 51; Turngau Musterland e. V.; Meldegeld {Veranstaltung} {Verein}
HINWEIS: Je 10 Kinder bitte eine erwachsene Begleitperson melden.
)")
                                                   .replace(u'\n', QStringLiteral("\r\n"))
                                                   .toUtf8();
}

} // namespace invitation
