<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="de">
<context>
    <name>CEntryDlg</name>
    <message>
        <source>Zandrel (Version 2.0)</source>
        <translation>Zandrel (Version 2.0)</translation>
    </message>
</context>
<context>
    <name>CInfoDlg</name>
    <message>
        <source>Info über Zandrel</source>
        <translation>Info über Zandrel</translation>
    </message>
    <message>
        <source>Programmsymbol</source>
        <translation>Programmsymbol</translation>
    </message>
    <message>
        <source>Zandrel Version 1.0</source>
        <translation>Zandrel Version 1.0</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ChooseFile</name>
    <message>
        <source>Meldedatei (*.mdg)</source>
        <translation>Meldedatei (*.mdg)</translation>
    </message>
    <message>
        <source>Speichern…</source>
        <translation>Speichern…</translation>
    </message>
    <message>
        <source>Laden…</source>
        <translation>Laden…</translation>
    </message>
</context>
<context>
    <name>ClubEventChooser</name>
    <message>
        <source>Verein</source>
        <translation>Verein</translation>
    </message>
    <message>
        <source>Veranstaltung</source>
        <translation>Veranstaltung</translation>
    </message>
    <message>
        <source>&amp;Verein</source>
        <translation>&amp;Verein</translation>
    </message>
    <message>
        <source>Veranstal&amp;tung</source>
        <translation>Veranstal&amp;tung</translation>
    </message>
</context>
<context>
    <name>ContactDialog</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Telefon</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Ansprechpartner des Vereins</source>
        <translation>Ansprechpartner des Vereins</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;E-Mail:</source>
        <translation>&amp;E-Mail:</translation>
    </message>
    <message>
        <source>&amp;Telefon:</source>
        <translation>&amp;Telefon:</translation>
    </message>
</context>
<context>
    <name>EntryDocument</name>
    <message>
        <source>Hinzufügen von „%1“</source>
        <translation>Hinzufügen von „%1“</translation>
    </message>
    <message>
        <source>Ändern von „%1“</source>
        <translation>Ändern von „%1“</translation>
    </message>
    <message>
        <source>Entfernen von „%1“</source>
        <translation>Entfernen von „%1“</translation>
    </message>
    <message>
        <source>Laden von „%1“</source>
        <translation>Laden von „%1“</translation>
    </message>
    <message>
        <source>Import aus „%1“</source>
        <translation>Import aus „%1“</translation>
    </message>
</context>
<context>
    <name>EntryListModel</name>
    <message>
        <source>männlich</source>
        <translation>männlich</translation>
    </message>
    <message>
        <source>weiblich</source>
        <translation>weiblich</translation>
    </message>
    <message>
        <source>Jahrgang ungültig</source>
        <translation>Jahrgang ungültig</translation>
    </message>
    <message>
        <source>%1, für die Veranstaltung nicht zugelassen</source>
        <translation>%1, für die Veranstaltung nicht zugelassen</translation>
    </message>
</context>
<context>
    <name>GatherCommand</name>
    <message>
        <source>Meldungen sammeln – Bericht</source>
        <translation>Meldungen sammeln – Bericht</translation>
    </message>
    <message>
        <source>Bericht</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Meldungen sammeln: Ordner wählen ...</source>
        <translation>Meldungen sammeln: Ordner wählen ...</translation>
    </message>
    <message>
        <source>Teilnehmerliste speichern ...</source>
        <translation>Teilnehmerliste speichern ...</translation>
    </message>
    <message>
        <source>Teilnehmer.xlsx</source>
        <translation>Teilnehmer.xlsx</translation>
    </message>
    <message>
        <source>Excel-Arbeitsmappe (*.xlsx);;CSV-Datei (*.csv)</source>
        <translation>Excel-Arbeitsmappe (*.xlsx);;CSV-Datei (*.csv)</translation>
    </message>
    <message>
        <source>Hinweise:</source>
        <translation>Hinweise:</translation>
    </message>
    <message>
        <source>&amp;Eingangsbestätigungen schreiben…</source>
        <translation>&amp;Eingangsbestätigungen schreiben…</translation>
    </message>
    <message>
        <source>Eingangsbestätigungen: Ordner wählen ...</source>
        <translation>Eingangsbestätigungen: Ordner wählen ...</translation>
    </message>
    <message>
        <source>Geprüft mit der Ausschreibung %1.</source>
        <translation>Geprüft mit der Ausschreibung %1.</translation>
    </message>
    <message>
        <source>Meldegeld:</source>
        <translation>Meldegeld:</translation>
    </message>
</context>
<context>
    <name>GatherOutput</name>
    <message>
        <source>Verein</source>
        <translation>Verein</translation>
    </message>
    <message>
        <source>Veranstaltung</source>
        <translation>Veranstaltung</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Vorname</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>Jahrgang</source>
        <translation>Jahrgang</translation>
    </message>
    <message>
        <source>Geschlecht</source>
        <translation>Geschlecht</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Hinweis</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Teilnehmer</source>
        <translation>Teilnehmer</translation>
    </message>
    <message>
        <source>weiblich</source>
        <translation>weiblich</translation>
    </message>
    <message>
        <source>männlich</source>
        <translation>männlich</translation>
    </message>
    <message>
        <source>mit Hinweis</source>
        <translation>mit Hinweis</translation>
    </message>
    <message>
        <source>Vereinsnummer</source>
        <translation>Vereinsnummer</translation>
    </message>
    <message>
        <source>Meldegeld je Teilnehmer</source>
        <translation>Meldegeld je Teilnehmer</translation>
    </message>
    <message>
        <source>Betrag</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Verwendungszweck</source>
        <translation>Verwendungszweck</translation>
    </message>
    <message>
        <source>Übersicht</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Meldegeld</source>
        <translation>Meldegeld</translation>
    </message>
    <message>
        <source>Summe</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Tabelle</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>nicht berechnet</source>
        <translation>nicht berechnet</translation>
    </message>
    <message>
        <source>davon zu klären</source>
        <translation>davon zu klären</translation>
    </message>
</context>
<context>
    <name>Gathering</name>
    <message>
        <source>Die Datei</source>
        <translation>Die Datei</translation>
    </message>
    <message>
        <source>(ohne Verein)</source>
        <translation>(ohne Verein)</translation>
    </message>
    <message>
        <source>(ohne Veranstaltung)</source>
        <translation>(ohne Veranstaltung)</translation>
    </message>
    <message>
        <source>Der Ordner lässt sich nicht lesen; seine Meldedateien fehlen.</source>
        <translation>Der Ordner lässt sich nicht lesen; seine Meldedateien fehlen.</translation>
    </message>
    <message>
        <source>Der Ordner enthält keine Meldedatei (.mdg).</source>
        <translation>Der Ordner enthält keine Meldedatei (.mdg).</translation>
    </message>
    <message>
        <source>Datei nicht gefunden.</source>
        <translation>Datei nicht gefunden.</translation>
    </message>
    <message>
        <source>Ordner nicht gefunden.</source>
        <translation>Ordner nicht gefunden.</translation>
    </message>
    <message>
        <source>Der Verein fehlt.</source>
        <translation>Der Verein fehlt.</translation>
    </message>
    <message>
        <source>Der Verein %1 steht nicht in der Vereinsliste.</source>
        <translation>Der Verein %1 steht nicht in der Vereinsliste.</translation>
    </message>
    <message>
        <source>Die Veranstaltung fehlt.</source>
        <translation>Die Veranstaltung fehlt.</translation>
    </message>
    <message>
        <source>Die Veranstaltung %1 steht nicht in der Veranstaltungsliste.</source>
        <translation>Die Veranstaltung %1 steht nicht in der Veranstaltungsliste.</translation>
    </message>
    <message>
        <source>Kein Jahrgang bei %1.</source>
        <translation>Kein Jahrgang bei %1.</translation>
    </message>
    <message>
        <source>Ungültiger Jahrgang %1 bei %2.</source>
        <translation>Ungültiger Jahrgang %1 bei %2.</translation>
    </message>
    <message>
        <source>%1 ist für %2 nicht zugelassen: Jahrgang %3.</source>
        <translation>%1 ist für %2 nicht zugelassen: Jahrgang %3.</translation>
    </message>
    <message>
        <source>%1 ist für %2 nicht zugelassen: Jahrgänge %3–%4.</source>
        <translation>%1 ist für %2 nicht zugelassen: Jahrgänge %3–%4.</translation>
    </message>
    <message>
        <source>Noch eine Meldung von %1 für %2: %3 ist neuer und zählt, diese Datei nicht.</source>
        <translation>Noch eine Meldung von %1 für %2: %3 ist neuer und zählt, diese Datei nicht.</translation>
    </message>
    <message>
        <source>%1 (ohne gültigen Jahrgang)</source>
        <translation>%1 (ohne gültigen Jahrgang)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 steht schon in Zeile %2.</source>
        <translation>%1 steht schon in Zeile %2.</translation>
    </message>
    <message>
        <source>%1, Zeile %2</source>
        <translation>%1, Zeile %2</translation>
    </message>
    <message>
        <source>Die Datei %1 lässt sich nicht schreiben.</source>
        <translation>Die Datei %1 lässt sich nicht schreiben.</translation>
    </message>
    <message>
        <source>Die Datei %1 lässt sich nicht schreiben: %2</source>
        <translation>Die Datei %1 lässt sich nicht schreiben: %2</translation>
    </message>
    <message>
        <source>kein Platz für Zwischendateien.</source>
        <translation>kein Platz für Zwischendateien.</translation>
    </message>
    <message>
        <source>die Arbeitsmappe lässt sich nicht anlegen.</source>
        <translation>die Arbeitsmappe lässt sich nicht anlegen.</translation>
    </message>
    <message>
        <source>die Übersicht lässt sich nicht anlegen.</source>
        <translation>die Übersicht lässt sich nicht anlegen.</translation>
    </message>
    <message>
        <source>die Arbeitsmappe ist verschwunden.</source>
        <translation>die Arbeitsmappe ist verschwunden.</translation>
    </message>
    <message>
        <source>Speichern fehlgeschlagen.</source>
        <translation>Speichern fehlgeschlagen.</translation>
    </message>
    <message>
        <source>die Tabelle %1 lässt sich nicht anlegen.</source>
        <translation>die Tabelle %1 lässt sich nicht anlegen.</translation>
    </message>
    <message>
        <source>%1: länger als %2 Zeichen, in der Arbeitsmappe gekürzt (die CSV-Liste hat den ganzen Text).</source>
        <translation>%1: länger als %2 Zeichen, in der Arbeitsmappe gekürzt (die CSV-Liste hat den ganzen Text).</translation>
    </message>
    <message>
        <source>Übersicht, Zeile %1</source>
        <translation>Übersicht, Zeile %1</translation>
    </message>
    <message>
        <source>Tabelle %1, Zeile %2</source>
        <translation>Tabelle %1, Zeile %2</translation>
    </message>
    <message>
        <source>Verein, Veranstaltung oder Dateiname von %1</source>
        <translation>Verein, Veranstaltung oder Dateiname von %1</translation>
    </message>
    <message>
        <source>Die Liste wurde nicht gespeichert: %1</source>
        <translation>Die Liste wurde nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>die Liste würde eine der Meldedateien überschreiben</source>
        <translation>die Liste würde eine der Meldedateien überschreiben</translation>
    </message>
    <message>
        <source>%1 braucht genau einen Dateinamen.</source>
        <translation>%1 braucht genau einen Dateinamen.</translation>
    </message>
    <message>
        <source>Keine Meldedatei und kein Ordner angegeben.</source>
        <translation>Keine Meldedatei und kein Ordner angegeben.</translation>
    </message>
    <message>
        <source>Die Liste muss auf .xlsx oder .csv enden: %1</source>
        <translation>Die Liste muss auf .xlsx oder .csv enden: %1</translation>
    </message>
    <message>
        <source>Lese Meldedateien: %1 von %2 …</source>
        <translation>Lese Meldedateien: %1 von %2 …</translation>
    </message>
    <message>
        <source>%1 steht allein, mit genau einem Dateinamen.</source>
        <translation>%1 steht allein, mit genau einem Dateinamen.</translation>
    </message>
    <message>
        <source>Die Datei %1 gibt es schon; sie wird nicht überschrieben.</source>
        <translation>Die Datei %1 gibt es schon; sie wird nicht überschrieben.</translation>
    </message>
    <message>
        <source>Die Vorlage %1 lässt sich nicht schreiben.</source>
        <translation>Die Vorlage %1 lässt sich nicht schreiben.</translation>
    </message>
    <message>
        <source>Vorlage %1 geschrieben. Nach dem Ausfüllen prüft sie „zandrel-sammeln --pruefe %2“.</source>
        <translation>Vorlage %1 geschrieben. Nach dem Ausfüllen prüft sie „zandrel-sammeln --pruefe %2“.</translation>
    </message>
    <message>
        <source>Die Liste würde die Ausschreibung überschreiben: %1</source>
        <translation>Die Liste würde die Ausschreibung überschreiben: %1</translation>
    </message>
    <message>
        <source>Meldegeld in %1 geschrieben.</source>
        <translation>Meldegeld in %1 geschrieben.</translation>
    </message>
    <message>
        <source>Eingangsbestätigung %1 – %2</source>
        <translation>Eingangsbestätigung %1 – %2</translation>
    </message>
    <message>
        <source>Guten Tag,</source>
        <translation>Guten Tag,</translation>
    </message>
    <message>
        <source>vielen Dank für Ihre Meldung: Die Datei %1 ist bei uns eingegangen.</source>
        <translation>vielen Dank für Ihre Meldung: Die Datei %1 ist bei uns eingegangen.</translation>
    </message>
    <message>
        <source>vielen Dank für Ihre Meldung für %1: Die Datei %2 ist bei uns eingegangen.</source>
        <translation>vielen Dank für Ihre Meldung für %1: Die Datei %2 ist bei uns eingegangen.</translation>
    </message>
    <message>
        <source>Sie ersetzt Ihre frühere Datei %1; diese zählt nicht mehr.</source>
        <translation>Sie ersetzt Ihre frühere Datei %1; diese zählt nicht mehr.</translation>
    </message>
    <message>
        <source>Sie ersetzt Ihre frühere Datei %1 vom %2; diese zählt nicht mehr.</source>
        <translation>Sie ersetzt Ihre frühere Datei %1 vom %2; diese zählt nicht mehr.</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Teilnehmer.</source>
        <translation>Die Datei enthält keine Teilnehmer.</translation>
    </message>
    <message numerus="yes">
        <source>Gemeldet sind %n Teilnehmer:</source>
        <translation>
            <numerusform>Gemeldet ist %n Teilnehmer:</numerusform>
            <numerusform>Gemeldet sind %n Teilnehmer:</numerusform>
        </translation>
    </message>
    <message>
        <source>Bei der Prüfung ist uns nichts aufgefallen.</source>
        <translation>Bei der Prüfung ist uns nichts aufgefallen.</translation>
    </message>
    <message>
        <source>Bei der Prüfung ist uns aufgefallen:</source>
        <translation>Bei der Prüfung ist uns aufgefallen:</translation>
    </message>
    <message>
        <source>Meldegeld: %1 Teilnehmer × %2 = %3</source>
        <translation>Meldegeld: %1 Teilnehmer × %2 = %3</translation>
    </message>
    <message>
        <source>Ohne Veranstaltung lässt sich kein Meldegeld berechnen.</source>
        <translation>Ohne Veranstaltung lässt sich kein Meldegeld berechnen.</translation>
    </message>
    <message>
        <source>Für %1 steht kein Meldegeld in der Ausschreibung.</source>
        <translation>Für %1 steht kein Meldegeld in der Ausschreibung.</translation>
    </message>
    <message>
        <source>Bitte überweisen Sie den Betrag auf dieses Konto:
Kontoinhaber: %1
IBAN: %2</source>
        <translation>Bitte überweisen Sie den Betrag auf dieses Konto:
Kontoinhaber: %1
IBAN: %2</translation>
    </message>
    <message>
        <source>Bitte überweisen Sie den Betrag auf dieses Konto:
Kontoinhaber: %1
IBAN: %2
Verwendungszweck: %3</source>
        <translation>Bitte überweisen Sie den Betrag auf dieses Konto:
Kontoinhaber: %1
IBAN: %2
Verwendungszweck: %3</translation>
    </message>
    <message>
        <source>Mit freundlichen Grüßen</source>
        <translation>Mit freundlichen Grüßen</translation>
    </message>
    <message numerus="yes">
        <source>%n Eingangsbestätigungen in %1 geschrieben.</source>
        <translation>
            <numerusform>%n Eingangsbestätigung in %1 geschrieben.</numerusform>
            <numerusform>%n Eingangsbestätigungen in %1 geschrieben.</numerusform>
        </translation>
    </message>
    <message>
        <source>Die Eingangsbestätigung %1 gibt es schon; sie wird nicht überschrieben.</source>
        <translation>Die Eingangsbestätigung %1 gibt es schon; sie wird nicht überschrieben.</translation>
    </message>
    <message>
        <source>Die Eingangsbestätigung %1 lässt sich nicht schreiben.</source>
        <translation>Die Eingangsbestätigung %1 lässt sich nicht schreiben.</translation>
    </message>
    <message>
        <source>Der Ordner %1 lässt sich nicht anlegen; keine Eingangsbestätigung geschrieben.</source>
        <translation>Der Ordner %1 lässt sich nicht anlegen; keine Eingangsbestätigung geschrieben.</translation>
    </message>
    <message>
        <source>--bestaetigungen geht nur mit --ausschreibung: Meldegeld und Konto stehen dort.</source>
        <translation>--bestaetigungen geht nur mit --ausschreibung: Meldegeld und Konto stehen dort.</translation>
    </message>
    <message>
        <source>--bestaetigungen braucht genau einen Ordner.</source>
        <translation>--bestaetigungen braucht genau einen Ordner.</translation>
    </message>
    <message numerus="yes">
        <source>%1 Teilnehmer aus %n Dateien in %2 geschrieben.</source>
        <translation>
            <numerusform>%1 Teilnehmer aus %n Datei in %2 geschrieben.</numerusform>
            <numerusform>%1 Teilnehmer aus %n Dateien in %2 geschrieben.</numerusform>
        </translation>
    </message>
    <message>
        <source>Der Verein %1 steht nicht in der Ausschreibung.</source>
        <translation>Der Verein %1 steht nicht in der Ausschreibung.</translation>
    </message>
    <message>
        <source>Meinten Sie %1?</source>
        <translation>Meinten Sie %1?</translation>
    </message>
    <message>
        <source>Nachmeldung (Eingang %1, Meldeschluss %2): %3 statt %4</source>
        <translation>Nachmeldung (Eingang %1, Meldeschluss %2): %3 statt %4</translation>
    </message>
    <message>
        <source>Eingang unbekannt: Nachmeldung prüfen</source>
        <translation>Eingang unbekannt: Nachmeldung prüfen</translation>
    </message>
    <message>
        <source>Die Eingangstabelle lässt sich nicht lesen; ohne sie ist der Eingang der Dateien unbekannt.</source>
        <translation>Die Eingangstabelle lässt sich nicht lesen; ohne sie ist der Eingang der Dateien unbekannt.</translation>
    </message>
    <message>
        <source>%1 ist kein Datum wie 30.11.2026; diese Zeile zählt nicht.</source>
        <translation>%1 ist kein Datum wie 30.11.2026; diese Zeile zählt nicht.</translation>
    </message>
    <message>
        <source>Eine Datei %1 gibt es in diesem Ordner nicht.</source>
        <translation>Eine Datei %1 gibt es in diesem Ordner nicht.</translation>
    </message>
    <message>
        <source>%1 steht schon in Zeile %2; es zählt das Datum dort.</source>
        <translation>%1 steht schon in Zeile %2; es zählt das Datum dort.</translation>
    </message>
    <message>
        <source>%1 ist auch von %2 gemeldet (%3, Zeile %4): zu klären.</source>
        <translation>%1 ist auch von %2 gemeldet (%3, Zeile %4): zu klären.</translation>
    </message>
    <message>
        <source>%1 ist auch von %2 gemeldet: zu klären.</source>
        <translation>%1 ist auch von %2 gemeldet: zu klären.</translation>
    </message>
    <message>
        <source> und </source>
        <translation> und </translation>
    </message>
    <message>
        <source>vielen Dank für Ihre Meldung: Die Datei %1 ist am %2 bei uns eingegangen.</source>
        <translation>vielen Dank für Ihre Meldung: Die Datei %1 ist am %2 bei uns eingegangen.</translation>
    </message>
    <message>
        <source>vielen Dank für Ihre Meldung für %1: Die Datei %2 ist am %3 bei uns eingegangen.</source>
        <translation>vielen Dank für Ihre Meldung für %1: Die Datei %2 ist am %3 bei uns eingegangen.</translation>
    </message>
    <message numerus="yes">
        <source>%n Teilnehmer sind darin nicht enthalten (siehe oben); dazu melden wir uns, sobald das geklärt ist.</source>
        <translation>
            <numerusform>%n Teilnehmer ist darin nicht enthalten (siehe oben); dazu melden wir uns, sobald das geklärt ist.</numerusform>
            <numerusform>%n Teilnehmer sind darin nicht enthalten (siehe oben); dazu melden wir uns, sobald das geklärt ist.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Davon sind %1 für %n doppelt gemeldete Teilnehmer noch zu klären (siehe oben); bitte überweisen Sie den ganzen Betrag, wir verrechnen, was sich erledigt.</source>
        <translation>
            <numerusform>Davon sind %1 für %n doppelt gemeldeten Teilnehmer noch zu klären (siehe oben); bitte überweisen Sie den ganzen Betrag, wir verrechnen, was sich erledigt.</numerusform>
            <numerusform>Davon sind %1 für %n doppelt gemeldete Teilnehmer noch zu klären (siehe oben); bitte überweisen Sie den ganzen Betrag, wir verrechnen, was sich erledigt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Das Meldegeld berechnen wir, sobald geklärt ist, für welchen Verein und welche Veranstaltung Ihre Meldung gilt.</source>
        <translation>Das Meldegeld berechnen wir, sobald geklärt ist, für welchen Verein und welche Veranstaltung Ihre Meldung gilt.</translation>
    </message>
    <message>
        <source>Aufruf: zandrel-sammeln [-r] [--ausschreibung DATEI.aus [--bestaetigungen ORDNER]]
                        [--eingang DATEI=TT.MM.JJJJ ...]
                        [-o LISTE.xlsx|LISTE.csv] DATEI.mdg|ORDNER ...
        zandrel-sammeln --vorlage DATEI.aus
        zandrel-sammeln --pruefe DATEI.aus
Sammelt die Meldedateien der Vereine zu einer Teilnehmerliste.
  -o DATEI  schreibt die Liste als Excel-Arbeitsmappe (.xlsx) oder CSV-Datei (.csv);
            ohne -o erscheint eine Übersicht je Veranstaltung und Verein
  -r        liest auch die Unterordner der genannten Ordner
  --ausschreibung DATEI
            prüft Vereine, Veranstaltungen und Jahrgänge nach der Ausschreibung
            und berechnet das Meldegeld
  --eingang DATEI=TT.MM.JJJJ
            der Tag, an dem die Meldedatei eingegangen ist; nur danach kostet eine
            Datei nach dem Meldeschluss das Nachmeldegeld. Ein Ordner kann die Tage
            auch in einer Tabelle Eingang.csv halten (Datei;Eingang)
  --bestaetigungen ORDNER
            schreibt je Verein und Veranstaltung eine Eingangsbestätigung zum
            Verschicken in den ORDNER; vorhandene Dateien bleiben unverändert
  --vorlage DATEI
            legt eine neue Ausschreibung zum Ausfüllen an
  --pruefe DATEI
            zeigt, was in einer Ausschreibung steht, oder was daran falsch ist
  -h        zeigt diese Hilfe
  --version zeigt die Version
</source>
        <translation>Aufruf: zandrel-sammeln [-r] [--ausschreibung DATEI.aus [--bestaetigungen ORDNER]]
                        [--eingang DATEI=TT.MM.JJJJ ...]
                        [-o LISTE.xlsx|LISTE.csv] DATEI.mdg|ORDNER ...
        zandrel-sammeln --vorlage DATEI.aus
        zandrel-sammeln --pruefe DATEI.aus
Sammelt die Meldedateien der Vereine zu einer Teilnehmerliste.
  -o DATEI  schreibt die Liste als Excel-Arbeitsmappe (.xlsx) oder CSV-Datei (.csv);
            ohne -o erscheint eine Übersicht je Veranstaltung und Verein
  -r        liest auch die Unterordner der genannten Ordner
  --ausschreibung DATEI
            prüft Vereine, Veranstaltungen und Jahrgänge nach der Ausschreibung
            und berechnet das Meldegeld
  --eingang DATEI=TT.MM.JJJJ
            der Tag, an dem die Meldedatei eingegangen ist; nur danach kostet eine
            Datei nach dem Meldeschluss das Nachmeldegeld. Ein Ordner kann die Tage
            auch in einer Tabelle Eingang.csv halten (Datei;Eingang)
  --bestaetigungen ORDNER
            schreibt je Verein und Veranstaltung eine Eingangsbestätigung zum
            Verschicken in den ORDNER; vorhandene Dateien bleiben unverändert
  --vorlage DATEI
            legt eine neue Ausschreibung zum Ausfüllen an
  --pruefe DATEI
            zeigt, was in einer Ausschreibung steht, oder was daran falsch ist
  -h        zeigt diese Hilfe
  --version zeigt die Version
</translation>
    </message>
    <message>
        <source>--eingang braucht eine Datei und ihr Eingangsdatum, etwa „--eingang a.mdg=30.11.2026“, nicht %1.</source>
        <translation>--eingang braucht eine Datei und ihr Eingangsdatum, etwa „--eingang a.mdg=30.11.2026“, nicht %1.</translation>
    </message>
    <message>
        <source>Ohne Eingangsdatum kostet keine Meldung das Nachmeldegeld. Geben Sie es mit --eingang DATEI=TT.MM.JJJJ an oder in einer Tabelle Eingang.csv (Datei;Eingang) im Ordner der Meldungen.</source>
        <translation>Ohne Eingangsdatum kostet keine Meldung das Nachmeldegeld. Geben Sie es mit --eingang DATEI=TT.MM.JJJJ an oder in einer Tabelle Eingang.csv (Datei;Eingang) im Ordner der Meldungen.</translation>
    </message>
    <message>
        <source>Ohne Eingangsdatum kostet keine Meldung das Nachmeldegeld. Legen Sie eine Tabelle Eingang.csv (Datei;Eingang, eine Zeile je Meldedatei) in den Ordner der Meldungen und sammeln Sie noch einmal.</source>
        <translation>Ohne Eingangsdatum kostet keine Meldung das Nachmeldegeld. Legen Sie eine Tabelle Eingang.csv (Datei;Eingang, eine Zeile je Meldedatei) in den Ordner der Meldungen und sammeln Sie noch einmal.</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Zandrel – Hilfe</source>
        <translation>Zandrel – Hilfe</translation>
    </message>
    <message>
        <source>Handbuch</source>
        <translation>Handbuch</translation>
    </message>
</context>
<context>
    <name>ImportCommand</name>
    <message>
        <source>Mitgliederliste (*.csv *.txt)</source>
        <translation>Mitgliederliste (*.csv *.txt)</translation>
    </message>
    <message>
        <source>Importieren…</source>
        <translation>Importieren…</translation>
    </message>
</context>
<context>
    <name>ImportDialog</name>
    <message>
        <source>&amp;weiblich</source>
        <translation>&amp;weiblich</translation>
    </message>
    <message>
        <source>&amp;männlich</source>
        <translation>&amp;männlich</translation>
    </message>
    <message>
        <source>Importieren – %1</source>
        <translation>Importieren – %1</translation>
    </message>
    <message>
        <source>Mitgliederliste importieren</source>
        <translation>Mitgliederliste importieren</translation>
    </message>
    <message>
        <source>Spalte für %1</source>
        <translation>Spalte für %1</translation>
    </message>
    <message>
        <source>(keine)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Spalte %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Mitglieder der Liste</source>
        <translation>Mitglieder der Liste</translation>
    </message>
    <message>
        <source>Geschlecht der gewählten Zeilen:</source>
        <translation>Geschlecht der gewählten Zeilen:</translation>
    </message>
    <message>
        <source>Geschlecht der gewählten Zeilen: %1</source>
        <translation>Geschlecht der gewählten Zeilen: %1</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Angehakte Zeilen übernehmen</source>
        <translation>Angehakte Zeilen übernehmen</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Abbrechen ohne Änderung</source>
        <translation>Abbrechen ohne Änderung</translation>
    </message>
</context>
<context>
    <name>ImportModel</name>
    <message>
        <source>Teilnehmer</source>
        <translation>Teilnehmer</translation>
    </message>
    <message>
        <source>Jahrgang</source>
        <translation>Jahrgang</translation>
    </message>
    <message>
        <source>Geschlecht</source>
        <translation>Geschlecht</translation>
    </message>
    <message>
        <source>Hinweis</source>
        <translation>Hinweis</translation>
    </message>
</context>
<context>
    <name>Invitation</name>
    <message>
        <source>%1, %2 Uhr</source>
        <translation>%1, %2 Uhr</translation>
    </message>
    <message>
        <source>%1 und %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>So wird der Verwendungszweck %1 Zeichen lang; ein GiroCode trägt höchstens %2. Bitte kürzer fassen.</source>
        <translation>So wird der Verwendungszweck %1 Zeichen lang; ein GiroCode trägt höchstens %2. Bitte kürzer fassen.</translation>
    </message>
    <message>
        <source>Mit einem Verein mit %1 Zeichen und %2 wird der Verwendungszweck %3 Zeichen lang; ein GiroCode trägt höchstens %4. Bitte kürzer fassen.</source>
        <translation>Mit einem Verein mit %1 Zeichen und %2 wird der Verwendungszweck %3 Zeichen lang; ein GiroCode trägt höchstens %4. Bitte kürzer fassen.</translation>
    </message>
    <message>
        <source>Mit %1 und %2 wird der Verwendungszweck %3 Zeichen lang; ein GiroCode trägt höchstens %4. Bitte kürzer fassen.</source>
        <translation>Mit %1 und %2 wird der Verwendungszweck %3 Zeichen lang; ein GiroCode trägt höchstens %4. Bitte kürzer fassen.</translation>
    </message>
    <message>
        <source>So braucht der GiroCode %1 Bytes; er trägt höchstens %2. Bitte Kontoinhaber oder Verwendungszweck kürzer fassen.</source>
        <translation>So braucht der GiroCode %1 Bytes; er trägt höchstens %2. Bitte Kontoinhaber oder Verwendungszweck kürzer fassen.</translation>
    </message>
    <message>
        <source>Mit einem Verein mit %1 Zeichen und %2 braucht der GiroCode %3 Bytes; er trägt höchstens %4. Bitte Kontoinhaber oder Verwendungszweck kürzer fassen.</source>
        <translation>Mit einem Verein mit %1 Zeichen und %2 braucht der GiroCode %3 Bytes; er trägt höchstens %4. Bitte Kontoinhaber oder Verwendungszweck kürzer fassen.</translation>
    </message>
    <message>
        <source>Mit %1 und %2 braucht der GiroCode %3 Bytes; er trägt höchstens %4. Bitte Kontoinhaber oder Verwendungszweck kürzer fassen.</source>
        <translation>Mit %1 und %2 braucht der GiroCode %3 Bytes; er trägt höchstens %4. Bitte Kontoinhaber oder Verwendungszweck kürzer fassen.</translation>
    </message>
    <message numerus="yes">
        <source>%1 ist keine gültige IBAN: Eine IBAN aus %2 hat %3 Stellen, hier fehlen %n Stellen.</source>
        <translation>
            <numerusform>%1 ist keine gültige IBAN: Eine IBAN aus %2 hat %3 Stellen, hier fehlt eine Stelle.</numerusform>
            <numerusform>%1 ist keine gültige IBAN: Eine IBAN aus %2 hat %3 Stellen, hier fehlen %n Stellen.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 ist keine IBAN.</source>
        <translation>%1 ist keine IBAN.</translation>
    </message>
    <message>
        <source>%1 ist keine gültige IBAN: An Stelle %2 steht %3; dort gehört eine Ziffer hin.</source>
        <translation>%1 ist keine gültige IBAN: An Stelle %2 steht %3; dort gehört eine Ziffer hin.</translation>
    </message>
    <message>
        <source>%1 ist keine gültige IBAN: An Stelle %2 steht %3; dort gehört ein Buchstabe hin.</source>
        <translation>%1 ist keine gültige IBAN: An Stelle %2 steht %3; dort gehört ein Buchstabe hin.</translation>
    </message>
    <message>
        <source>%1 ist keine gültige IBAN: An Stelle %2 steht %3; dort gehört eine Ziffer oder ein Buchstabe hin.</source>
        <translation>%1 ist keine gültige IBAN: An Stelle %2 steht %3; dort gehört eine Ziffer oder ein Buchstabe hin.</translation>
    </message>
    <message>
        <source>Die Datei ist größer als 1 MB; so groß ist keine Ausschreibung.</source>
        <translation>Die Datei ist größer als 1 MB; so groß ist keine Ausschreibung.</translation>
    </message>
    <message>
        <source>Die Datei ist keine Textdatei.</source>
        <translation>Die Datei ist keine Textdatei.</translation>
    </message>
    <message>
        <source>Die Datei ist als UTF-16 („Unicode“) gekennzeichnet, lässt sich so aber nicht lesen. Bitte als UTF-8 speichern.</source>
        <translation>Die Datei ist als UTF-16 („Unicode“) gekennzeichnet, lässt sich so aber nicht lesen. Bitte als UTF-8 speichern.</translation>
    </message>
    <message>
        <source>Die Zeile ist nicht UTF-8, obwohl die Datei als UTF-8 gekennzeichnet ist (wohl Windows-1252 eingefügt). Bitte die ganze Datei als UTF-8 speichern.</source>
        <translation>Die Zeile ist nicht UTF-8, obwohl die Datei als UTF-8 gekennzeichnet ist (wohl Windows-1252 eingefügt). Bitte die ganze Datei als UTF-8 speichern.</translation>
    </message>
    <message>
        <source>Die Zeile ist nicht UTF-8 wie Zeile %1 (wohl Windows-1252 eingefügt); so würden Namen verfälscht. Bitte die ganze Datei als UTF-8 speichern.</source>
        <translation>Die Zeile ist nicht UTF-8 wie Zeile %1 (wohl Windows-1252 eingefügt); so würden Namen verfälscht. Bitte die ganze Datei als UTF-8 speichern.</translation>
    </message>
    <message>
        <source>Die Zeilen enden nur mit CR (altes Mac-Format). Bitte mit Windows- oder Unix-Zeilenenden speichern.</source>
        <translation>Die Zeilen enden nur mit CR (altes Mac-Format). Bitte mit Windows- oder Unix-Zeilenenden speichern.</translation>
    </message>
    <message>
        <source>Das Steuerzeichen %1 ist nicht erlaubt; es würde auf Papier, in der Mail oder im GiroCode anders erscheinen, als es gemeint ist.</source>
        <translation>Das Steuerzeichen %1 ist nicht erlaubt; es würde auf Papier, in der Mail oder im GiroCode anders erscheinen, als es gemeint ist.</translation>
    </message>
    <message>
        <source>Version %1 gibt es nicht; erwartet ist %2.</source>
        <translation>Version %1 gibt es nicht; erwartet ist %2.</translation>
    </message>
    <message>
        <source>Die Zeile ist länger als %1 Zeichen.</source>
        <translation>Die Zeile ist länger als %1 Zeichen.</translation>
    </message>
    <message>
        <source>Der erste Eintrag muss „FORMAT: %1 %2“ sein.</source>
        <translation>Der erste Eintrag muss „FORMAT: %1 %2“ sein.</translation>
    </message>
    <message>
        <source>%1 ist kein Format, das Zandrel kennt; erwartet ist %2.</source>
        <translation>%1 ist kein Format, das Zandrel kennt; erwartet ist %2.</translation>
    </message>
    <message>
        <source>Die Ausschreibung hat Version %1 und braucht eine neuere Zandrel-Version.</source>
        <translation>Die Ausschreibung hat Version %1 und braucht eine neuere Zandrel-Version.</translation>
    </message>
    <message>
        <source>%1 beginnt nicht mit einem Schlüsselwort wie „VEREIN:“.</source>
        <translation>%1 beginnt nicht mit einem Schlüsselwort wie „VEREIN:“.</translation>
    </message>
    <message>
        <source>Das Schlüsselwort %1 gibt es nicht.</source>
        <translation>Das Schlüsselwort %1 gibt es nicht.</translation>
    </message>
    <message>
        <source>%1 darf nur einmal vorkommen.</source>
        <translation>%1 darf nur einmal vorkommen.</translation>
    </message>
    <message>
        <source>%1 hat nur %2 Felder; %3 ist zu viel.</source>
        <translation>%1 hat nur %2 Felder; %3 ist zu viel.</translation>
    </message>
    <message>
        <source>Das Feld fehlt.</source>
        <translation>Das Feld fehlt.</translation>
    </message>
    <message>
        <source>%1: Ein Name darf kein Komma und kein Steuerzeichen enthalten.</source>
        <translation>%1: Ein Name darf kein Komma und kein Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>%1: Ein Name darf „VEREIN: “ und „VERANSTALTUNG: “ nicht enthalten; die Meldedatei gäbe ihn sonst verstümmelt zurück.</source>
        <translation>%1: Ein Name darf „VEREIN: “ und „VERANSTALTUNG: “ nicht enthalten; die Meldedatei gäbe ihn sonst verstümmelt zurück.</translation>
    </message>
    <message>
        <source>Das Zeichen %1 kann die Meldedatei nicht speichern.</source>
        <translation>Das Zeichen %1 kann die Meldedatei nicht speichern.</translation>
    </message>
    <message>
        <source>%1 ist länger als %2 Zeichen.</source>
        <translation>%1 ist länger als %2 Zeichen.</translation>
    </message>
    <message>
        <source>%1: Ein Name darf keines der Zeichen / \ : * ? &quot; &lt; &gt; | enthalten und nicht „.“ oder „..“ sein, denn er wird Teil des Dateinamens der Meldung.</source>
        <translation>%1: Ein Name darf keines der Zeichen / \ : * ? &quot; &lt; &gt; | enthalten und nicht „.“ oder „..“ sein, denn er wird Teil des Dateinamens der Meldung.</translation>
    </message>
    <message>
        <source>%1 sieht nach falsch gelesenem UTF-8 aus (gemeint ist wohl %2); die Meldedatei gäbe den Namen so nicht zurück.</source>
        <translation>%1 sieht nach falsch gelesenem UTF-8 aus (gemeint ist wohl %2); die Meldedatei gäbe den Namen so nicht zurück.</translation>
    </message>
    <message>
        <source>%1 ist keine einfache E-Mail-Adresse wie meldung@turngau-musterland.de.</source>
        <translation>%1 ist keine einfache E-Mail-Adresse wie meldung@turngau-musterland.de.</translation>
    </message>
    <message>
        <source>%1 ist kein Datum in der Form TT.MM.JJJJ.</source>
        <translation>%1 ist kein Datum in der Form TT.MM.JJJJ.</translation>
    </message>
    <message>
        <source>%1 gibt es nicht.</source>
        <translation>%1 gibt es nicht.</translation>
    </message>
    <message>
        <source>%1 ist kein Meldeschluss in der Form TT.MM.JJJJ oder TT.MM.JJJJ HH:MM.</source>
        <translation>%1 ist kein Meldeschluss in der Form TT.MM.JJJJ oder TT.MM.JJJJ HH:MM.</translation>
    </message>
    <message>
        <source>%1 ist kein Betrag wie 5,50.</source>
        <translation>%1 ist kein Betrag wie 5,50.</translation>
    </message>
    <message>
        <source>%1 sind keine Jahrgänge wie 2009-2020.</source>
        <translation>%1 sind keine Jahrgänge wie 2009-2020.</translation>
    </message>
    <message>
        <source>Die Veranstaltung %1 steht schon weiter oben.</source>
        <translation>Die Veranstaltung %1 steht schon weiter oben.</translation>
    </message>
    <message>
        <source>Der Verein %1 steht schon weiter oben.</source>
        <translation>Der Verein %1 steht schon weiter oben.</translation>
    </message>
    <message>
        <source>Mehr als %1 Veranstaltungen sind nicht möglich.</source>
        <translation>Mehr als %1 Veranstaltungen sind nicht möglich.</translation>
    </message>
    <message>
        <source>Mehr als %1 Vereine sind nicht möglich.</source>
        <translation>Mehr als %1 Vereine sind nicht möglich.</translation>
    </message>
    <message>
        <source>%1 ist keine gültige IBAN (die Prüfziffern stimmen nicht).</source>
        <translation>%1 ist keine gültige IBAN (die Prüfziffern stimmen nicht).</translation>
    </message>
    <message>
        <source>%1 ist keine gültige IBAN: Land %2 unbekannt (kein SEPA-Land).</source>
        <translation>%1 ist keine gültige IBAN: Land %2 unbekannt (kein SEPA-Land).</translation>
    </message>
    <message>
        <source>Der Kontoinhaber hat mehr als %1 Zeichen; so viele trägt kein GiroCode.</source>
        <translation>Der Kontoinhaber hat mehr als %1 Zeichen; so viele trägt kein GiroCode.</translation>
    </message>
    <message>
        <source>In %1 ist kein Kind geboren, das sich melden lässt (Jahrgänge %2–%3).</source>
        <translation>In %1 ist kein Kind geboren, das sich melden lässt (Jahrgänge %2–%3).</translation>
    </message>
    <message>
        <source>Die Zeile „VERANSTALTER:“ mit Name und E-Mail fehlt.</source>
        <translation>Die Zeile „VERANSTALTER:“ mit Name und E-Mail fehlt.</translation>
    </message>
    <message>
        <source>Es fehlt eine Zeile „VERANSTALTUNG:“.</source>
        <translation>Es fehlt eine Zeile „VERANSTALTUNG:“.</translation>
    </message>
    <message>
        <source>Zeile %1, %2: %3</source>
        <translation>Zeile %1, %2: %3</translation>
    </message>
    <message>
        <source>Zeile %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Die Ausschreibung %1 wird nicht verwendet:</source>
        <translation>Die Ausschreibung %1 wird nicht verwendet:</translation>
    </message>
    <message>
        <source>… und %1 weitere.</source>
        <translation>… und %1 weitere.</translation>
    </message>
    <message>
        <source>Warnung: %1</source>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <source>Veranstalter: %1</source>
        <translation>Veranstalter: %1</translation>
    </message>
    <message>
        <source>Meldeschluss %1</source>
        <translation>Meldeschluss %1</translation>
    </message>
    <message>
        <source>Meldeschluss war am %1; Nachmeldung</source>
        <translation>Meldeschluss war am %1; Nachmeldung</translation>
    </message>
    <message>
        <source>Jahrgänge %1</source>
        <translation>Jahrgänge %1</translation>
    </message>
    <message>
        <source>Hinweis: %1</source>
        <translation>Hinweis: %1</translation>
    </message>
    <message>
        <source>Nachmeldung %1</source>
        <translation>Nachmeldung %1</translation>
    </message>
    <message>
        <source>Veranstaltung: %1</source>
        <translation>Veranstaltung: %1</translation>
    </message>
    <message>
        <source>Vereine: offen, jeder Verein kann melden</source>
        <translation>Vereine: offen, jeder Verein kann melden</translation>
    </message>
    <message>
        <source>Vereine: %1</source>
        <translation>Vereine: %1</translation>
    </message>
    <message>
        <source>Konto: %1, %2, Verwendungszweck „%3“</source>
        <translation>Konto: %1, %2, Verwendungszweck „%3“</translation>
    </message>
    <message numerus="yes">
        <source>%1 stehen nicht in der Ausschreibung.</source>
        <translation>
            <numerusform>%1 steht nicht in der Ausschreibung.</numerusform>
            <numerusform>%1 stehen nicht in der Ausschreibung.</numerusform>
        </translation>
    </message>
    <message>
        <source>Ausschreibung: %1</source>
        <translation>Ausschreibung: %1</translation>
    </message>
    <message>
        <source>Ausschreibung geschlossen; es gelten die eingebauten Listen</source>
        <translation>Ausschreibung geschlossen; es gelten die eingebauten Listen</translation>
    </message>
    <message>
        <source>Eingebaute Listen: die letzte Ausschreibung ließ sich nicht öffnen (%1)</source>
        <translation>Eingebaute Listen: die letzte Ausschreibung ließ sich nicht öffnen (%1)</translation>
    </message>
    <message numerus="yes">
        <source>%1 stehen nicht in der Ausschreibung. Die Auswahl wird aufgehoben; die Teilnehmer bleiben.</source>
        <translation>
            <numerusform>%1 steht nicht in der Ausschreibung. Die Auswahl wird aufgehoben; die Teilnehmer bleiben.</numerusform>
            <numerusform>%1 stehen nicht in der Ausschreibung. Die Auswahl wird aufgehoben; die Teilnehmer bleiben.</numerusform>
        </translation>
    </message>
    <message>
        <source>Ausschreibung öffnen</source>
        <translation>Ausschreibung öffnen</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Abbrechen</translation>
    </message>
    <message numerus="yes">
        <source>%1 stehen nicht in den eingebauten Listen. Die Auswahl wird aufgehoben; die Teilnehmer bleiben.</source>
        <translation>
            <numerusform>%1 steht nicht in den eingebauten Listen. Die Auswahl wird aufgehoben; die Teilnehmer bleiben.</numerusform>
            <numerusform>%1 stehen nicht in den eingebauten Listen. Die Auswahl wird aufgehoben; die Teilnehmer bleiben.</numerusform>
        </translation>
    </message>
    <message>
        <source>Ausschreibung schließen</source>
        <translation>Ausschreibung schließen</translation>
    </message>
    <message>
        <source>Der Verein %1 kann so nicht gemeldet werden: %2</source>
        <translation>Der Verein %1 kann so nicht gemeldet werden: %2</translation>
    </message>
    <message>
        <source>Meldegeld: %1 Teilnehmer × %2 = %3</source>
        <translation>Meldegeld: %1 Teilnehmer × %2 = %3</translation>
    </message>
    <message>
        <source>Überweisung an %1, IBAN %2, Verwendungszweck: %3</source>
        <translation>Überweisung an %1, IBAN %2, Verwendungszweck: %3</translation>
    </message>
    <message>
        <source>Kein GiroCode: Der Betrag ist für eine Überweisung zu hoch.</source>
        <translation>Kein GiroCode: Der Betrag ist für eine Überweisung zu hoch.</translation>
    </message>
    <message>
        <source>Kein GiroCode: Der Kontoinhaber hat mehr als %1 Zeichen.</source>
        <translation>Kein GiroCode: Der Kontoinhaber hat mehr als %1 Zeichen.</translation>
    </message>
    <message>
        <source>Kein GiroCode: Der Verwendungszweck hat mehr als %1 Zeichen; bitte genau wie oben angegeben überweisen.</source>
        <translation>Kein GiroCode: Der Verwendungszweck hat mehr als %1 Zeichen; bitte genau wie oben angegeben überweisen.</translation>
    </message>
    <message>
        <source>Kein GiroCode: Kontoinhaber und Verwendungszweck sind zusammen zu lang; bitte genau wie oben angegeben überweisen.</source>
        <translation>Kein GiroCode: Kontoinhaber und Verwendungszweck sind zusammen zu lang; bitte genau wie oben angegeben überweisen.</translation>
    </message>
    <message>
        <source>Kein GiroCode: Kontoinhaber oder Verwendungszweck enthält einen Zeilenumbruch.</source>
        <translation>Kein GiroCode: Kontoinhaber oder Verwendungszweck enthält einen Zeilenumbruch.</translation>
    </message>
    <message>
        <source>%1 nicht zugelassen</source>
        <translation>%1 nicht zugelassen</translation>
    </message>
    <message>
        <source>Meldegeld %1</source>
        <translation>Meldegeld %1</translation>
    </message>
    <message>
        <source>Jahrgang %1 ist für %2 nicht zugelassen: %3.</source>
        <translation>Jahrgang %1 ist für %2 nicht zugelassen: %3.</translation>
    </message>
    <message numerus="yes">
        <source>%1 ist keine gültige IBAN: Eine IBAN aus %2 hat %3 Stellen, diese ist %n Stellen zu lang.</source>
        <translation>
            <numerusform>%1 ist keine gültige IBAN: Eine IBAN aus %2 hat %3 Stellen, diese ist eine Stelle zu lang.</numerusform>
            <numerusform>%1 ist keine gültige IBAN: Eine IBAN aus %2 hat %3 Stellen, diese ist %n Stellen zu lang.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 ist keine gültige BIC: Eine BIC hat 8 oder 11 Stellen, diese hat %n.</source>
        <translation>
            <numerusform>%1 ist keine gültige BIC: Eine BIC hat 8 oder 11 Stellen, diese hat eine.</numerusform>
            <numerusform>%1 ist keine gültige BIC: Eine BIC hat 8 oder 11 Stellen, diese hat %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 ist keine gültige BIC: An Stelle %2 steht %3; dort gehört ein Buchstabe hin.</source>
        <translation>%1 ist keine gültige BIC: An Stelle %2 steht %3; dort gehört ein Buchstabe hin.</translation>
    </message>
    <message>
        <source>%1 ist keine gültige BIC: An Stelle %2 steht %3; dort gehört eine Ziffer oder ein Buchstabe hin.</source>
        <translation>%1 ist keine gültige BIC: An Stelle %2 steht %3; dort gehört eine Ziffer oder ein Buchstabe hin.</translation>
    </message>
    <message>
        <source>Hier steht ein Tabulator; Felder werden mit „;“ getrennt, Wörter mit Leerzeichen.</source>
        <translation>Hier steht ein Tabulator; Felder werden mit „;“ getrennt, Wörter mit Leerzeichen.</translation>
    </message>
    <message>
        <source>Das Schlüsselwort %1 gibt es nicht; meinten Sie %2?</source>
        <translation>Das Schlüsselwort %1 gibt es nicht; meinten Sie %2?</translation>
    </message>
    <message>
        <source>%1 reicht über das Jahr der Veranstaltung (%2) hinaus.</source>
        <translation>%1 reicht über das Jahr der Veranstaltung (%2) hinaus.</translation>
    </message>
    <message>
        <source>%1 liegt in der Vergangenheit: Die Veranstaltung ist schon vorbei.</source>
        <translation>%1 liegt in der Vergangenheit: Die Veranstaltung ist schon vorbei.</translation>
    </message>
    <message>
        <source>Der Meldeschluss %1 ist schon vorbei; jede Meldung ist jetzt eine Nachmeldung.</source>
        <translation>Der Meldeschluss %1 ist schon vorbei; jede Meldung ist jetzt eine Nachmeldung.</translation>
    </message>
    <message>
        <source>Der Meldeschluss %1 liegt nach der Veranstaltung am %2.</source>
        <translation>Der Meldeschluss %1 liegt nach der Veranstaltung am %2.</translation>
    </message>
    <message>
        <source>Das Nachmeldegeld %1 ist niedriger als das Meldegeld %2.</source>
        <translation>Das Nachmeldegeld %1 ist niedriger als das Meldegeld %2.</translation>
    </message>
    <message>
        <source>Die Vereinsnummer %1 hat schon %2 in Zeile %3.</source>
        <translation>Die Vereinsnummer %1 hat schon %2 in Zeile %3.</translation>
    </message>
    <message>
        <source>Verein: %1</source>
        <translation>Verein: %1</translation>
    </message>
    <message>
        <source>Vereinsnummer %1</source>
        <translation>Vereinsnummer %1</translation>
    </message>
    <message>
        <source>Konto: %1, BIC %2, %3, Verwendungszweck „%4“</source>
        <translation>Konto: %1, BIC %2, %3, Verwendungszweck „%4“</translation>
    </message>
    <message>
        <source>Überweisung an %1, IBAN %2, BIC %3, Verwendungszweck: %4</source>
        <translation>Überweisung an %1, IBAN %2, BIC %3, Verwendungszweck: %4</translation>
    </message>
</context>
<context>
    <name>MailProgram</name>
    <message>
        <source>Exit-Code %1</source>
        <translation>Exit-Code %1</translation>
    </message>
    <message>
        <source>MAPI-Fehler %1</source>
        <translation>MAPI-Fehler %1</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>&amp;Kopieren</source>
        <translation>&amp;Kopieren</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>„%1“</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>%1 lässt sich nicht öffnen.</source>
        <translation>%1 lässt sich nicht öffnen.</translation>
    </message>
    <message>
        <source>%1 ist keine gewöhnliche Datei und wird nicht gelesen.</source>
        <translation>%1 ist keine gewöhnliche Datei und wird nicht gelesen.</translation>
    </message>
    <message>
        <source>%1 lässt sich nicht lesen.</source>
        <translation>%1 lässt sich nicht lesen.</translation>
    </message>
    <message>
        <source>%1 ist größer als %2 MB und wird nicht gelesen: So groß ist keine Meldedatei und keine Mitgliederliste.</source>
        <translation>%1 ist größer als %2 MB und wird nicht gelesen: So groß ist keine Meldedatei und keine Mitgliederliste.</translation>
    </message>
    <message>
        <source>FEHLER: Meldedatei nicht gefunden!</source>
        <translation>FEHLER: Meldedatei nicht gefunden!</translation>
    </message>
    <message>
        <source>Ein unbekannter Fehler ist beim Zugriff auf %1 aufgetreten.</source>
        <translation>Ein unbekannter Fehler ist beim Zugriff auf %1 aufgetreten.</translation>
    </message>
    <message>
        <source>%1 ist keine Meldedatei: Sie enthält Zeichen, die in keiner Textdatei stehen.</source>
        <translation>%1 ist keine Meldedatei: Sie enthält Zeichen, die in keiner Textdatei stehen.</translation>
    </message>
    <message>
        <source>%1 wird nicht geladen: Sie enthält mehr als %2 Einträge und ist keine Meldedatei eines Vereins.</source>
        <translation>%1 wird nicht geladen: Sie enthält mehr als %2 Einträge und ist keine Meldedatei eines Vereins.</translation>
    </message>
    <message>
        <source>%1 ist keine Meldedatei: Sie enthält weder „VEREIN:“ noch „VERANSTALTUNG:“.</source>
        <translation>%1 ist keine Meldedatei: Sie enthält weder „VEREIN:“ noch „VERANSTALTUNG:“.</translation>
    </message>
    <message>
        <source>%1 wird nicht gespeichert: Sie würde größer als %2 MB und ließe sich nicht wieder laden. Die Änderungen gelten weiter als ungespeichert.</source>
        <translation>%1 wird nicht gespeichert: Sie würde größer als %2 MB und ließe sich nicht wieder laden. Die Änderungen gelten weiter als ungespeichert.</translation>
    </message>
    <message>
        <source>%1 wird nicht gespeichert: Sie hätte mehr als %2 Einträge und ließe sich nicht wieder laden. Die Änderungen gelten weiter als ungespeichert.</source>
        <translation>%1 wird nicht gespeichert: Sie hätte mehr als %2 Einträge und ließe sich nicht wieder laden. Die Änderungen gelten weiter als ungespeichert.</translation>
    </message>
    <message>
        <source>%1 wird nicht gespeichert: Sie enthielte Zeichen, die in keiner Textdatei stehen, und ließe sich nicht wieder laden. Die Änderungen gelten weiter als ungespeichert.</source>
        <translation>%1 wird nicht gespeichert: Sie enthielte Zeichen, die in keiner Textdatei stehen, und ließe sich nicht wieder laden. Die Änderungen gelten weiter als ungespeichert.</translation>
    </message>
    <message>
        <source>Meldedatei konnte nicht gespeichert werden!</source>
        <translation>Meldedatei konnte nicht gespeichert werden!</translation>
    </message>
    <message>
        <source>PDF-Datei konnte nicht gespeichert werden: %1 lässt sich nicht anlegen. Fehlt der Ordner, oder ist er schreibgeschützt?</source>
        <translation>PDF-Datei konnte nicht gespeichert werden: %1 lässt sich nicht anlegen. Fehlt der Ordner, oder ist er schreibgeschützt?</translation>
    </message>
    <message>
        <source>PDF-Datei konnte nicht gespeichert werden: Beim Schreiben von %1 trat ein Fehler auf.</source>
        <translation>PDF-Datei konnte nicht gespeichert werden: Beim Schreiben von %1 trat ein Fehler auf.</translation>
    </message>
    <message>
        <source>%1 lässt sich nicht anlegen. Fehlt der Ordner, oder ist er schreibgeschützt?</source>
        <translation>%1 lässt sich nicht anlegen. Fehlt der Ordner, oder ist er schreibgeschützt?</translation>
    </message>
    <message>
        <source>Beim Schreiben von %1 trat ein Fehler auf; eine ältere Datei dieses Namens ist unverändert.</source>
        <translation>Beim Schreiben von %1 trat ein Fehler auf; eine ältere Datei dieses Namens ist unverändert.</translation>
    </message>
    <message>
        <source>%1 ist keine gewöhnliche Datei und wird nicht überschrieben. Bitte wählen Sie einen anderen Namen.</source>
        <translation>%1 ist keine gewöhnliche Datei und wird nicht überschrieben. Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>Beim Zugriff auf %1 wurde ein voller Datenträger gemeldet.</source>
        <translation>Beim Zugriff auf %1 wurde ein voller Datenträger gemeldet.</translation>
    </message>
    <message>
        <source>%1 ist keine Mitgliederliste: Eine CSV-Datei trennt ihre Spalten durch Semikolon, Komma oder Tabulator.</source>
        <translation>%1 ist keine Mitgliederliste: Eine CSV-Datei trennt ihre Spalten durch Semikolon, Komma oder Tabulator.</translation>
    </message>
    <message>
        <source>%1 ist leer.</source>
        <translation>%1 ist leer.</translation>
    </message>
    <message>
        <source>In %1 fehlt die Kopfzeile: Die erste Zeile muss die Spalten benennen, etwa „Vorname“, „Name“, „Jahrgang“ und „Geschlecht“.</source>
        <translation>In %1 fehlt die Kopfzeile: Die erste Zeile muss die Spalten benennen, etwa „Vorname“, „Name“, „Jahrgang“ und „Geschlecht“.</translation>
    </message>
    <message>
        <source>%1 enthält keine Mitglieder, nur die Kopfzeile.</source>
        <translation>%1 enthält keine Mitglieder, nur die Kopfzeile.</translation>
    </message>
    <message>
        <source>%1 wird nicht importiert: Die Datei enthält mehr als %2 Zeilen.</source>
        <translation>%1 wird nicht importiert: Die Datei enthält mehr als %2 Zeilen.</translation>
    </message>
    <message>
        <source>%1 wird nicht importiert: Eine Zeile hat mehr als %2 Spalten.</source>
        <translation>%1 wird nicht importiert: Eine Zeile hat mehr als %2 Spalten.</translation>
    </message>
    <message>
        <source>Die Liste hätte danach mehr als %1 Einträge; es wurde nichts übernommen.</source>
        <translation>Die Liste hätte danach mehr als %1 Einträge; es wurde nichts übernommen.</translation>
    </message>
    <message>
        <source>%1 nennt keinen Verein.</source>
        <translation>%1 nennt keinen Verein.</translation>
    </message>
    <message>
        <source>Der Verein %1 aus %2 steht nicht in der Liste.</source>
        <translation>Der Verein %1 aus %2 steht nicht in der Liste.</translation>
    </message>
    <message>
        <source>%1 nennt keine Veranstaltung.</source>
        <translation>%1 nennt keine Veranstaltung.</translation>
    </message>
    <message>
        <source>Die Veranstaltung %1 aus %2 steht nicht in der Liste.</source>
        <translation>Die Veranstaltung %1 aus %2 steht nicht in der Liste.</translation>
    </message>
    <message>
        <source>Die Teilnehmer sind geladen; wählen Sie bitte Verein und Veranstaltung, bevor Sie speichern.</source>
        <translation>Die Teilnehmer sind geladen; wählen Sie bitte Verein und Veranstaltung, bevor Sie speichern.</translation>
    </message>
    <message>
        <source>Die Teilnehmer sind geladen; wählen Sie bitte den Verein, bevor Sie speichern.</source>
        <translation>Die Teilnehmer sind geladen; wählen Sie bitte den Verein, bevor Sie speichern.</translation>
    </message>
    <message>
        <source>Die Teilnehmer sind geladen; wählen Sie bitte die Veranstaltung, bevor Sie speichern.</source>
        <translation>Die Teilnehmer sind geladen; wählen Sie bitte die Veranstaltung, bevor Sie speichern.</translation>
    </message>
    <message>
        <source>Verein fehlt</source>
        <translation>Verein fehlt</translation>
    </message>
    <message>
        <source>Verein %1 unbekannt</source>
        <translation>Verein %1 unbekannt</translation>
    </message>
    <message>
        <source>Veranstaltung fehlt</source>
        <translation>Veranstaltung fehlt</translation>
    </message>
    <message>
        <source>Veranstaltung %1 unbekannt</source>
        <translation>Veranstaltung %1 unbekannt</translation>
    </message>
    <message>
        <source>Vorname</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Jahrgang</source>
        <translation>Jahrgang</translation>
    </message>
    <message>
        <source>Geschlecht</source>
        <translation>Geschlecht</translation>
    </message>
    <message>
        <source>In der Kopfzeile fehlt: %1. Bitte die Spalte wählen, die es enthält.</source>
        <translation>In der Kopfzeile fehlt: %1. Bitte die Spalte wählen, die es enthält.</translation>
    </message>
    <message>
        <source>%1 von %2 Zeilen werden übernommen.</source>
        <translation>%1 von %2 Zeilen werden übernommen.</translation>
    </message>
    <message>
        <source>Importiert: %1 Teilnehmer aus %2</source>
        <translation>Importiert: %1 Teilnehmer aus %2</translation>
    </message>
    <message>
        <source>Jahrgang %1: erlaubt sind %2–%3.</source>
        <translation>Jahrgang %1: erlaubt sind %2–%3.</translation>
    </message>
    <message>
        <source>Der Vorname fehlt.</source>
        <translation>Der Vorname fehlt.</translation>
    </message>
    <message>
        <source>Der Name fehlt.</source>
        <translation>Der Name fehlt.</translation>
    </message>
    <message>
        <source>Das Geschlecht fehlt.</source>
        <translation>Das Geschlecht fehlt.</translation>
    </message>
    <message>
        <source>Sie haben %1 in %2 geändert.</source>
        <translation>Sie haben %1 in %2 geändert.</translation>
    </message>
    <message>
        <source>%1 behalten und %2 neu hinzufügen</source>
        <translation>%1 behalten und %2 neu hinzufügen</translation>
    </message>
    <message>
        <source>Änderung behalten</source>
        <translation>Änderung behalten</translation>
    </message>
    <message>
        <source>FEHLER: Teilnehmerdaten unvollständig!</source>
        <translation>FEHLER: Teilnehmerdaten unvollständig!</translation>
    </message>
    <message>
        <source>Zum Löschen erst einen Eintrag aus der Liste auswählen!</source>
        <translation>Zum Löschen erst einen Eintrag aus der Liste auswählen!</translation>
    </message>
    <message>
        <source>FEHLER: Datum falsch!</source>
        <translation>FEHLER: Datum falsch!</translation>
    </message>
    <message>
        <source>Geben Sie bitte eine ganze Zahl ein.</source>
        <translation>Geben Sie bitte eine ganze Zahl ein.</translation>
    </message>
    <message>
        <source>Beenden ohne Speichern?</source>
        <translation>Beenden ohne Speichern?</translation>
    </message>
    <message>
        <source>Ungespeicherte Änderungen verwerfen?</source>
        <translation>Ungespeicherte Änderungen verwerfen?</translation>
    </message>
    <message>
        <source>FEHLER: Ungültiger Dateiname!</source>
        <translation>FEHLER: Ungültiger Dateiname!</translation>
    </message>
    <message>
        <source>Fehler beim Speichern: Meldeliste leer!</source>
        <translation>Fehler beim Speichern: Meldeliste leer!</translation>
    </message>
    <message>
        <source>PDF-Datei konnte nicht gespeichert werden!</source>
        <translation>PDF-Datei konnte nicht gespeichert werden!</translation>
    </message>
    <message>
        <source>%1 (%2) ist schon in der Liste. Trotzdem hinzufügen?</source>
        <translation>%1 (%2) ist schon in der Liste. Trotzdem hinzufügen?</translation>
    </message>
    <message>
        <source>Nichts rückgängig zu machen.</source>
        <translation>Nichts rückgängig zu machen.</translation>
    </message>
    <message>
        <source>Nichts zu wiederholen.</source>
        <translation>Nichts zu wiederholen.</translation>
    </message>
    <message>
        <source>Erst Verein und Veranstaltung wählen.</source>
        <translation>Erst Verein und Veranstaltung wählen.</translation>
    </message>
    <message>
        <source>Die Meldeliste ist leer.</source>
        <translation>Die Meldeliste ist leer.</translation>
    </message>
    <message>
        <source>Gespeichert: %1, %2</source>
        <translation>Gespeichert: %1, %2</translation>
    </message>
    <message>
        <source>Geladen: %1, %2</source>
        <translation>Geladen: %1, %2</translation>
    </message>
    <message>
        <source>PDF gespeichert: %1, %2</source>
        <translation>PDF gespeichert: %1, %2</translation>
    </message>
    <message>
        <source>Rückgängig: %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Wiederholt: %1</source>
        <translation>Wiederholt: %1</translation>
    </message>
    <message>
        <source>Ungespeicherte Änderungen</source>
        <translation>Ungespeicherte Änderungen</translation>
    </message>
    <message>
        <source>Name fehlt</source>
        <translation>Name fehlt</translation>
    </message>
    <message>
        <source>Vorname fehlt</source>
        <translation>Vorname fehlt</translation>
    </message>
    <message>
        <source>Jahrgang fehlt</source>
        <translation>Jahrgang fehlt</translation>
    </message>
    <message>
        <source>Jahrgang ungültig</source>
        <translation>Jahrgang ungültig</translation>
    </message>
    <message>
        <source>länger als %1 Zeichen</source>
        <translation>länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>Komma im Namen nicht möglich</source>
        <translation>Komma im Namen nicht möglich</translation>
    </message>
    <message>
        <source>Steuerzeichen nicht möglich</source>
        <translation>Steuerzeichen nicht möglich</translation>
    </message>
    <message>
        <source>Zeichen „%1“ nicht möglich</source>
        <translation>Zeichen „%1“ nicht möglich</translation>
    </message>
    <message>
        <source>Zeichen „?“ – beim Export verloren?</source>
        <translation>Zeichen „?“ – beim Export verloren?</translation>
    </message>
    <message>
        <source>Geschlecht fehlt</source>
        <translation>Geschlecht fehlt</translation>
    </message>
    <message>
        <source>Geschlecht unbekannt</source>
        <translation>Geschlecht unbekannt</translation>
    </message>
    <message>
        <source>schon in der Liste</source>
        <translation>schon in der Liste</translation>
    </message>
    <message>
        <source>Jahrgang für die Veranstaltung nicht zugelassen</source>
        <translation>Jahrgang für die Veranstaltung nicht zugelassen</translation>
    </message>
    <message>
        <source>doppelt in der Datei</source>
        <translation>doppelt in der Datei</translation>
    </message>
    <message>
        <source>Die Meldung konnte nicht gedruckt werden!</source>
        <translation>Die Meldung konnte nicht gedruckt werden!</translation>
    </message>
    <message>
        <source>Aufruf: %1 [DATEI.mdg] [AUSSCHREIBUNG.aus]
</source>
        <translation>Aufruf: %1 [DATEI.mdg] [AUSSCHREIBUNG.aus]
</translation>
    </message>
    <message>
        <source>Startet Zandrel; mit DATEI ist diese Meldedatei geladen, wie mit &quot;Laden&quot;, mit AUSSCHREIBUNG gelten deren Vereine und Veranstaltungen.
</source>
        <translation>Startet Zandrel; mit DATEI ist diese Meldedatei geladen, wie mit &quot;Laden&quot;, mit AUSSCHREIBUNG gelten deren Vereine und Veranstaltungen.
</translation>
    </message>
    <message>
        <source>Unbekannte Option %1.</source>
        <translation>Unbekannte Option %1.</translation>
    </message>
    <message>
        <source>Nur eine Ausschreibung kann geöffnet werden.
</source>
        <translation>Nur eine Ausschreibung kann geöffnet werden.
</translation>
    </message>
    <message>
        <source>Nur eine Meldedatei kann geöffnet werden.
</source>
        <translation>Nur eine Meldedatei kann geöffnet werden.
</translation>
    </message>
    <message>
        <source>Zandrel ist nicht vollständig installiert: %1 fehlt oder lässt sich nicht laden.</source>
        <translation>Zandrel ist nicht vollständig installiert: %1 fehlt oder lässt sich nicht laden.</translation>
    </message>
    <message>
        <source>&lt;h1&gt;Hilfe nicht gefunden&lt;/h1&gt;&lt;p&gt;Die Hilfedatei &lt;tt&gt;%1&lt;/tt&gt; fehlt. Bitte installieren Sie Zandrel neu.&lt;/p&gt;</source>
        <translation>&lt;h1&gt;Hilfe nicht gefunden&lt;/h1&gt;&lt;p&gt;Die Hilfedatei &lt;tt&gt;%1&lt;/tt&gt; fehlt. Bitte installieren Sie Zandrel neu.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Das Feld „%1“ enthält ein Steuerzeichen; bitte neu eingeben.</source>
        <translation>Das Feld „%1“ enthält ein Steuerzeichen; bitte neu eingeben.</translation>
    </message>
    <message>
        <source>„%1“ ist keine einfache E-Mail-Adresse wie eva@tv-musterstadt.de: genau ein @, davor Buchstaben ohne Umlaute, Ziffern und Zeichen wie . _ - + (nicht zu Beginn), danach ein Name mit Punkt.</source>
        <translation>„%1“ ist keine einfache E-Mail-Adresse wie eva@tv-musterstadt.de: genau ein @, davor Buchstaben ohne Umlaute, Ziffern und Zeichen wie . _ - + (nicht zu Beginn), danach ein Name mit Punkt.</translation>
    </message>
    <message>
        <source>Der Jahrgang fehlt.</source>
        <translation>Der Jahrgang fehlt.</translation>
    </message>
    <message>
        <source>Kein Verein heißt %1 oder enthält es; bitte einen aus der Liste wählen.</source>
        <translation>Kein Verein heißt %1 oder enthält es; bitte einen aus der Liste wählen.</translation>
    </message>
    <message numerus="yes">
        <source>%1 steht in %n Vereinen (%2); bitte einen wählen.</source>
        <translation>
            <numerusform>%1 steht in einem Verein (%2); bitte ihn wählen.</numerusform>
            <numerusform>%1 steht in %n Vereinen (%2); bitte einen wählen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Keine Veranstaltung heißt %1 oder enthält es; bitte eine aus der Liste wählen.</source>
        <translation>Keine Veranstaltung heißt %1 oder enthält es; bitte eine aus der Liste wählen.</translation>
    </message>
    <message numerus="yes">
        <source>%1 steht in %n Veranstaltungen (%2); bitte eine wählen.</source>
        <translation>
            <numerusform>%1 steht in einer Veranstaltung (%2); bitte sie wählen.</numerusform>
            <numerusform>%1 steht in %n Veranstaltungen (%2); bitte eine wählen.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>NameValidator</name>
    <message>
        <source>Zeilenumbrüche, Tabulatoren und Steuerzeichen sind in Namen nicht erlaubt.</source>
        <translation>Zeilenumbrüche, Tabulatoren und Steuerzeichen sind in Namen nicht erlaubt.</translation>
    </message>
    <message>
        <source>Ein Komma ist im Namen nicht möglich: Die Liste trennt Name und Vorname am ersten Komma. Im Vornamen ist ein Komma erlaubt.</source>
        <translation>Ein Komma ist im Namen nicht möglich: Die Liste trennt Name und Vorname am ersten Komma. Im Vornamen ist ein Komma erlaubt.</translation>
    </message>
    <message>
        <source>Das Zeichen „%1“ kann nicht in der Meldedatei gespeichert werden. Erlaubt sind die Zeichen des westeuropäischen Zeichensatzes (Windows-1252), zum Beispiel Umlaute, ß und Buchstaben mit Akzent.</source>
        <translation>Das Zeichen „%1“ kann nicht in der Meldedatei gespeichert werden. Erlaubt sind die Zeichen des westeuropäischen Zeichensatzes (Windows-1252), zum Beispiel Umlaute, ß und Buchstaben mit Akzent.</translation>
    </message>
</context>
<context>
    <name>ParticipantEditor</name>
    <message>
        <source>&amp;Geschlecht</source>
        <translation>&amp;Geschlecht</translation>
    </message>
    <message>
        <source>&amp;weiblich</source>
        <translation>&amp;weiblich</translation>
    </message>
    <message>
        <source>&amp;männlich</source>
        <translation>&amp;männlich</translation>
    </message>
    <message>
        <source>Vorname</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Jahrgang</source>
        <translation>Jahrgang</translation>
    </message>
    <message>
        <source>Geschlecht</source>
        <translation>Geschlecht</translation>
    </message>
    <message>
        <source>weiblich</source>
        <translation>weiblich</translation>
    </message>
    <message>
        <source>männlich</source>
        <translation>männlich</translation>
    </message>
    <message>
        <source>Erlaubt sind die Jahrgänge %1 bis %2.</source>
        <translation>Erlaubt sind die Jahrgänge %1 bis %2.</translation>
    </message>
    <message>
        <source>V&amp;orname</source>
        <translation>V&amp;orname</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>&amp;Jahrgang</source>
        <translation>&amp;Jahrgang</translation>
    </message>
    <message>
        <source>Neuer Teilnehmer</source>
        <translation>Neuer Teilnehmer</translation>
    </message>
    <message>
        <source>Eintrag ändern: %1</source>
        <translation>Eintrag ändern: %1</translation>
    </message>
    <message>
        <source>Eintrag ändern: %1 (war: %2)</source>
        <translation>Eintrag ändern: %1 (war: %2)</translation>
    </message>
</context>
<context>
    <name>PrintCommands</name>
    <message>
        <source>Meldung.pdf</source>
        <translation>Meldung.pdf</translation>
    </message>
    <message>
        <source>PDF-Datei (*.pdf)</source>
        <translation>PDF-Datei (*.pdf)</translation>
    </message>
    <message>
        <source>Als PDF speichern…</source>
        <translation>Als PDF speichern…</translation>
    </message>
</context>
<context>
    <name>PrintPreview</name>
    <message>
        <source>Druckvorschau – Meldung</source>
        <translation>Druckvorschau – Meldung</translation>
    </message>
</context>
<context>
    <name>QShortcut</name>
    <message>
        <source>Return</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Eingabe</translation>
    </message>
</context>
<context>
    <name>Registration</name>
    <message>
        <source>Seite %1 von %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Nr.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Jahrgang</source>
        <translation>Jahrgang</translation>
    </message>
    <message>
        <source>Geschlecht</source>
        <translation>Geschlecht</translation>
    </message>
    <message>
        <source>männlich</source>
        <translation>männlich</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Vorname</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>Verein: %1</source>
        <translation>Verein: %1</translation>
    </message>
    <message>
        <source>Ansprechpartner: %1</source>
        <translation>Ansprechpartner: %1</translation>
    </message>
    <message>
        <source>Veranstaltung: %1</source>
        <translation>Veranstaltung: %1</translation>
    </message>
    <message>
        <source>Gedruckt am %1</source>
        <translation>Gedruckt am %1</translation>
    </message>
    <message>
        <source>Mit der Banking-App scannen</source>
        <translation>Mit der Banking-App scannen</translation>
    </message>
    <message>
        <source>Meldung</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>weiblich</source>
        <translation>weiblich</translation>
    </message>
    <message>
        <source>Ort, Datum</source>
        <translation>Ort, Datum</translation>
    </message>
    <message>
        <source>Unterschrift</source>
        <translation>Unterschrift</translation>
    </message>
    <message>
        <source>%1 Teilnehmer · %2 weiblich · %3 männlich</source>
        <translation>%1 Teilnehmer · %2 weiblich · %3 männlich</translation>
    </message>
    <message>
        <source>Meldung %1 – %2</source>
        <translation>Meldung %1 – %2</translation>
    </message>
</context>
<context>
    <name>Sending</name>
    <message>
        <source>Meldung %1 – %2</source>
        <translation>Meldung %1 – %2</translation>
    </message>
    <message>
        <source>Guten Tag,</source>
        <translation>Guten Tag,</translation>
    </message>
    <message>
        <source>anbei die Meldung von %1 für %2: %3 Teilnehmer (%4 weiblich, %5 männlich).</source>
        <translation>anbei die Meldung von %1 für %2: %3 Teilnehmer (%4 weiblich, %5 männlich).</translation>
    </message>
    <message>
        <source>Angehängt sind die Meldedatei %1 und der Meldebogen %2.</source>
        <translation>Angehängt sind die Meldedatei %1 und der Meldebogen %2.</translation>
    </message>
    <message>
        <source>Ansprechpartner: %1</source>
        <translation>Ansprechpartner: %1</translation>
    </message>
    <message>
        <source>Mit freundlichen Grüßen</source>
        <translation>Mit freundlichen Grüßen</translation>
    </message>
    <message>
        <source>Mailprogramm wird geöffnet …</source>
        <translation>Mailprogramm wird geöffnet …</translation>
    </message>
    <message>
        <source>Ans Mailprogramm übergeben, Empfänger bitte eintragen: Mailprogramm geöffnet</source>
        <translation>Ans Mailprogramm übergeben, Empfänger bitte eintragen: Mailprogramm geöffnet</translation>
    </message>
    <message>
        <source>An %1 übergeben: Mailprogramm geöffnet</source>
        <translation>An %1 übergeben: Mailprogramm geöffnet</translation>
    </message>
    <message>
        <source>Mail im Mailprogramm verworfen, nichts gesendet</source>
        <translation>Mail im Mailprogramm verworfen, nichts gesendet</translation>
    </message>
    <message>
        <source>Es ist kein Mailprogramm als Standard eingerichtet.</source>
        <translation>Es ist kein Mailprogramm als Standard eingerichtet.</translation>
    </message>
    <message>
        <source>Das Mailprogramm hat die Meldung nicht übernommen.</source>
        <translation>Das Mailprogramm hat die Meldung nicht übernommen.</translation>
    </message>
    <message>
        <source>Das Mailprogramm ließ sich nicht starten.</source>
        <translation>Das Mailprogramm ließ sich nicht starten.</translation>
    </message>
    <message>
        <source>Das Mailprogramm hat die Meldung nicht übernommen (%1).</source>
        <translation>Das Mailprogramm hat die Meldung nicht übernommen (%1).</translation>
    </message>
    <message>
        <source>Das Mailprogramm ließ sich nicht starten (%1).</source>
        <translation>Das Mailprogramm ließ sich nicht starten (%1).</translation>
    </message>
    <message>
        <source>%1 hat die Meldung nicht übernommen.</source>
        <translation>%1 hat die Meldung nicht übernommen.</translation>
    </message>
    <message>
        <source>%1 ließ sich nicht starten.</source>
        <translation>%1 ließ sich nicht starten.</translation>
    </message>
    <message>
        <source>%1 hat die Meldung nicht übernommen (%2).</source>
        <translation>%1 hat die Meldung nicht übernommen (%2).</translation>
    </message>
    <message>
        <source>%1 ließ sich nicht starten (%2).</source>
        <translation>%1 ließ sich nicht starten (%2).</translation>
    </message>
    <message>
        <source>den Veranstalter</source>
        <translation>den Veranstalter</translation>
    </message>
    <message>
        <source>Eine neue Mail an %1 ist geöffnet. Bitte hängen Sie diese zwei Dateien an:</source>
        <translation>Eine neue Mail an %1 ist geöffnet. Bitte hängen Sie diese zwei Dateien an:</translation>
    </message>
    <message>
        <source>Bitte schreiben Sie selbst eine Mail an %1 mit dem Betreff %2 und hängen Sie diese zwei Dateien an:</source>
        <translation>Bitte schreiben Sie selbst eine Mail an %1 mit dem Betreff %2 und hängen Sie diese zwei Dateien an:</translation>
    </message>
    <message>
        <source>Der Ordner %1 ist geöffnet.</source>
        <translation>Der Ordner %1 ist geöffnet.</translation>
    </message>
    <message>
        <source>Sie liegen im Ordner %1.</source>
        <translation>Sie liegen im Ordner %1.</translation>
    </message>
    <message>
        <source>Kein Mailprogramm: Meldung bitte selbst senden</source>
        <translation>Kein Mailprogramm: Meldung bitte selbst senden</translation>
    </message>
    <message>
        <source>An %1: neue Mail geöffnet, Dateien bitte selbst anhängen</source>
        <translation>An %1: neue Mail geöffnet, Dateien bitte selbst anhängen</translation>
    </message>
    <message>
        <source>Veranstalter</source>
        <translation>Veranstalter</translation>
    </message>
    <message>
        <source>Mit „Kopieren“ kommen Adresse, Betreff und Text der Mail in die Zwischenablage.</source>
        <translation>Mit „Kopieren“ kommen Adresse, Betreff und Text der Mail in die Zwischenablage.</translation>
    </message>
    <message>
        <source>An: %1
Betreff: %2

%3</source>
        <translation>An: %1
Betreff: %2

%3</translation>
    </message>
</context>
<context>
    <name>Template</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Ansprechpartner</source>
        <translation>Ansprechpartner</translation>
    </message>
    <message>
        <source>E-Mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Telefon</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Meldeschluss</source>
        <translation>Meldeschluss</translation>
    </message>
    <message>
        <source>Meldegeld</source>
        <translation>Meldegeld</translation>
    </message>
    <message>
        <source>Jahrgänge</source>
        <translation>Jahrgänge</translation>
    </message>
    <message>
        <source>Nachmeldegeld</source>
        <translation>Nachmeldegeld</translation>
    </message>
    <message>
        <source>Vereinsnummer</source>
        <translation>Vereinsnummer</translation>
    </message>
    <message>
        <source>IBAN</source>
        <translation>IBAN</translation>
    </message>
    <message>
        <source>Kontoinhaber</source>
        <translation>Kontoinhaber</translation>
    </message>
    <message>
        <source>Verwendungszweck</source>
        <translation>Verwendungszweck</translation>
    </message>
    <message>
        <source>BIC</source>
        <translation>BIC</translation>
    </message>
</context>
<context>
    <name>WindowCommands</name>
    <message>
        <source>&amp;Rückgängig</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Wiederholen</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Importieren…</source>
        <translation>&amp;Importieren…</translation>
    </message>
    <message>
        <source>&amp;Drucken…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>Als &amp;PDF speichern…</source>
        <translation>Als &amp;PDF speichern…</translation>
    </message>
    <message>
        <source>Ausschreibung ö&amp;ffnen…</source>
        <translation>Ausschreibung ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Ausschreibung sc&amp;hließen</source>
        <translation>Ausschreibung sc&amp;hließen</translation>
    </message>
    <message>
        <source>A&amp;nsprechpartner…</source>
        <translation>A&amp;nsprechpartner…</translation>
    </message>
    <message>
        <source>An Veranstalter s&amp;enden…</source>
        <translation>An Veranstalter s&amp;enden…</translation>
    </message>
    <message>
        <source>Meldungen &amp;sammeln…</source>
        <translation>Meldungen &amp;sammeln…</translation>
    </message>
    <message>
        <source>Befehle</source>
        <translation>Befehle</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>Inf&amp;o über Zandrel…</source>
        <translation>Inf&amp;o über Zandrel…</translation>
    </message>
</context>
<context>
    <name>WindowFrame</name>
    <message>
        <source>&amp;Automatische</source>
        <translation>&amp;Automatische</translation>
    </message>
    <message>
        <source>Namen</source>
        <translation>Namen</translation>
    </message>
    <message>
        <source>Hin&amp;zu</source>
        <translation>Hin&amp;zu</translation>
    </message>
    <message>
        <source>Ne&amp;u</source>
        <translation>Ne&amp;u</translation>
    </message>
    <message>
        <source>Neuen Teilnehmer beginnen: Auswahl aufheben und Felder leeren</source>
        <translation>Neuen Teilnehmer beginnen: Auswahl aufheben und Felder leeren</translation>
    </message>
    <message>
        <source>&amp;Entfernen</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>&amp;Laden</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Automatische Namen</source>
        <translation>Automatische Namen</translation>
    </message>
    <message>
        <source>Meldeliste</source>
        <translation>Meldeliste</translation>
    </message>
    <message>
        <source>An Veranstalter sen&amp;den…</source>
        <translation>An Veranstalter sen&amp;den…</translation>
    </message>
    <message>
        <source>An Veranstalter senden</source>
        <translation>An Veranstalter senden</translation>
    </message>
    <message>
        <source>Senden</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Weitere Be&amp;fehle</source>
        <translation>Weitere Be&amp;fehle</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Gemeldete Te&amp;ilnehmer</source>
        <translation>Gemeldete Te&amp;ilnehmer</translation>
    </message>
</context>
<context>
    <name>commands</name>
    <message>
        <source>Ausschreibung (*.aus)</source>
        <translation>Ausschreibung (*.aus)</translation>
    </message>
    <message>
        <source>Ausschreibung öffnen…</source>
        <translation>Ausschreibung öffnen…</translation>
    </message>
</context>
</TS>
