#pragma once
// An event file as an organiser writes it: a comment, two events (one with a euro sign and an en
// dash), two clubs, an account with placeholders, a note. The reader's and the events' tests share
// it.
#include <QByteArray>

inline const QByteArray kExample =
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
