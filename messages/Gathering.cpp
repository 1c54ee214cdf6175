#include "messages/Gathering.h"

#include "messages/Messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>

namespace messages {
namespace {

// The sentences of this file, for lupdate and i18n/zandrel_de.ts, under "Gathering".
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Gathering)
};

// A value for a report line, which a garbled file could otherwise fill with a whole line's bytes.
// (Values go in with one arg() call each: a "%1" in a club's name must stay text.)
QString cut(const QString& text)
{
    constexpr qsizetype kMost = 40;
    if (text.size() <= kMost)
        return text;
    qsizetype keep = kMost;
    if (text.at(keep - 1).isHighSurrogate())
        --keep;
    return text.first(keep) + u'…';
}

} // namespace

QString theFile()
{
    return Text::tr("Die Datei");
}

QString withoutClub()
{
    return Text::tr("(ohne Verein)");
}

QString withoutEvent()
{
    return Text::tr("(ohne Veranstaltung)");
}

QString folderUnreadable()
{
    return Text::tr("Der Ordner lässt sich nicht lesen; seine Meldedateien fehlen.");
}

QString folderHasNoEntryFile()
{
    return Text::tr("Der Ordner enthält keine Meldedatei (.mdg).");
}

QString notFound(bool entryFileName)
{
    return entryFileName ? Text::tr("Datei nicht gefunden.") : Text::tr("Ordner nicht gefunden.");
}

QString clubMissing()
{
    return Text::tr("Der Verein fehlt.");
}

QString clubUnknown(const QString& club, ClubList list, const QString& closest)
{
    QString text = list == ClubList::Invitation
                       ? Text::tr("Der Verein %1 steht nicht in der Ausschreibung.")
                       : Text::tr("Der Verein %1 steht nicht in der Vereinsliste.");
    text = text.arg(quoted(club));
    if (!closest.isEmpty())
        text += u' ' + Text::tr("Meinten Sie %1?").arg(quoted(closest));
    return text;
}

QString lateEntry(const QString& received, const QString& deadline, const QString& lateFee,
                  const QString& fee)
{
    return Text::tr("Nachmeldung (Eingang %1, Meldeschluss %2): %3 statt %4")
        .arg(received, deadline, lateFee, fee);
}

QString receiptUnknown()
{
    return Text::tr("Eingang unbekannt: Nachmeldung prüfen");
}

QString receiptsHowTo(bool command)
{
    if (command)
        return Text::tr("Ohne Eingangsdatum kostet keine Meldung das Nachmeldegeld. Geben Sie es "
                        "mit --eingang DATEI=TT.MM.JJJJ an oder in einer Tabelle Eingang.csv "
                        "(Datei;Eingang) im Ordner der Meldungen.");
    return Text::tr("Ohne Eingangsdatum kostet keine Meldung das Nachmeldegeld. Legen Sie eine "
                    "Tabelle Eingang.csv (Datei;Eingang, eine Zeile je Meldedatei) in den Ordner "
                    "der Meldungen und sammeln Sie noch einmal.");
}

QString receiptTableUnreadable()
{
    return Text::tr("Die Eingangstabelle lässt sich nicht lesen; ohne sie ist der Eingang der "
                    "Dateien unbekannt.");
}

QString receiptNoDate(const QString& text)
{
    return Text::tr("%1 ist kein Datum wie 30.11.2026; diese Zeile zählt nicht.").arg(quoted(text));
}

QString receiptNoFile(const QString& fileName)
{
    return Text::tr("Eine Datei %1 gibt es in diesem Ordner nicht.").arg(quoted(fileName));
}

QString receiptTwice(const QString& fileName, qsizetype firstLine)
{
    return Text::tr("%1 steht schon in Zeile %2; es zählt das Datum dort.")
        .arg(quoted(fileName), QString::number(firstLine));
}

QString eventMissing()
{
    return Text::tr("Die Veranstaltung fehlt.");
}

QString eventUnknown(const QString& event)
{
    return Text::tr("Die Veranstaltung %1 steht nicht in der Veranstaltungsliste.")
        .arg(quoted(event));
}

QString noYear(const QString& entryText)
{
    return Text::tr("Kein Jahrgang bei %1.").arg(quoted(entryText));
}

QString invalidYear(const QString& yearText, const QString& entryText)
{
    return Text::tr("Ungültiger Jahrgang %1 bei %2.").arg(quoted(cut(yearText)), quoted(entryText));
}

QString yearNotAdmitted(const QString& who, const QString& event, int firstYear, int lastYear)
{
    if (firstYear == lastYear)
        return Text::tr("%1 ist für %2 nicht zugelassen: Jahrgang %3.")
            .arg(who, quoted(event), QString::number(firstYear));
    return Text::tr("%1 ist für %2 nicht zugelassen: Jahrgänge %3–%4.")
        .arg(who, quoted(event), QString::number(firstYear), QString::number(lastYear));
}

QString superseded(const QString& club, const QString& event, const QString& newerPath)
{
    return Text::tr("Noch eine Meldung von %1 für %2: %3 ist neuer und zählt, diese Datei nicht.")
        .arg(quoted(club), quoted(event), quoted(newerPath));
}

QString participant(const QString& firstName, const QString& name, qint32 year)
{
    const QString who = quoted(firstName + u' ' + name);
    if (year < 0)
        return Text::tr("%1 (ohne gültigen Jahrgang)").arg(who);
    return Text::tr("%1 (%2)").arg(who, QString::number(year));
}

QString repeatedInFile(const QString& who, qsizetype firstLine)
{
    return Text::tr("%1 steht schon in Zeile %2.").arg(who, QString::number(firstLine));
}

QString alsoRegisteredBy(const QString& who, const QString& club, const QString& path,
                         qsizetype line)
{
    return Text::tr("%1 ist auch von %2 gemeldet (%3, Zeile %4): zu klären.")
        .arg(who, quoted(club), path, QString::number(line));
}

QString alsoRegisteredBy(const QString& who, const QStringList& clubs)
{
    QStringList names;
    for (const QString& club : clubs)
        names.append(quoted(club));
    return Text::tr("%1 ist auch von %2 gemeldet: zu klären.")
        .arg(who, names.join(Text::tr(" und ")));
}

QString inLine(const QString& path, qsizetype line)
{
    return Text::tr("%1, Zeile %2").arg(path, QString::number(line));
}

QString listNotWritten(const QString& path)
{
    return Text::tr("Die Datei %1 lässt sich nicht schreiben.").arg(QDir::toNativeSeparators(path));
}

QString listNotWritten(const QString& path, const QString& why)
{
    QString text = Text::tr("Die Datei %1 lässt sich nicht schreiben: %2")
                       .arg(QDir::toNativeSeparators(path), why);
    if (!text.endsWith(u'.'))
        text += u'.';
    return text;
}

QString workbookFailed(WorkbookStep step)
{
    switch (step) {
    case WorkbookStep::ScratchSpace:
        return Text::tr("kein Platz für Zwischendateien.");
    case WorkbookStep::Create:
        return Text::tr("die Arbeitsmappe lässt sich nicht anlegen.");
    case WorkbookStep::Overview:
        return Text::tr("die Übersicht lässt sich nicht anlegen.");
    case WorkbookStep::Vanished:
        return Text::tr("die Arbeitsmappe ist verschwunden.");
    case WorkbookStep::Save:
        break;
    }
    return Text::tr("Speichern fehlgeschlagen.");
}

QString sheetNotCreated(const QString& sheet)
{
    return Text::tr("die Tabelle %1 lässt sich nicht anlegen.").arg(quoted(sheet));
}

QString cellCut(const QString& where, qsizetype cellChars)
{
    return Text::tr("%1: länger als %2 Zeichen, in der Arbeitsmappe gekürzt (die CSV-Liste hat "
                    "den ganzen Text).")
        .arg(where, QLocale(QLocale::German).toString(cellChars));
}

QString inOverviewRow(qsizetype row)
{
    return Text::tr("Übersicht, Zeile %1").arg(row);
}

QString inSheetRow(const QString& sheet, qsizetype row)
{
    return Text::tr("Tabelle %1, Zeile %2").arg(quoted(sheet), QString::number(row));
}

QString inFileHeader(const QString& path)
{
    return Text::tr("Verein, Veranstaltung oder Dateiname von %1").arg(path);
}

QString listWritten(qsizetype participants, qsizetype files, const QString& path)
{
    return Text::tr("%1 Teilnehmer aus %n Dateien in %2 geschrieben.", nullptr,
                    static_cast<int>(files))
        .arg(QString::number(participants), path);
}

QString listNotSaved(const QString& why)
{
    // The reasons come with or without their own full stop; the sentence ends with one, not two.
    QString text = Text::tr("Die Liste wurde nicht gespeichert: %1").arg(why);
    if (!text.endsWith(u'.'))
        text += u'.';
    return text;
}

QString wouldOverwriteEntryFile()
{
    return Text::tr("die Liste würde eine der Meldedateien überschreiben");
}

QString gatherUsage()
{
    return Text::tr(
        "Aufruf: zandrel-sammeln [-r] [--ausschreibung DATEI.aus [--bestaetigungen ORDNER]]\n"
        "                        [--eingang DATEI=TT.MM.JJJJ ...]\n"
        "                        [-o LISTE.xlsx|LISTE.csv] DATEI.mdg|ORDNER ...\n"
        "        zandrel-sammeln --vorlage DATEI.aus\n"
        "        zandrel-sammeln --pruefe DATEI.aus\n"
        "Sammelt die Meldedateien der Vereine zu einer Teilnehmerliste.\n"
        "  -o DATEI  schreibt die Liste als Excel-Arbeitsmappe (.xlsx) oder CSV-Datei (.csv);\n"
        "            ohne -o erscheint eine Übersicht je Veranstaltung und Verein\n"
        "  -r        liest auch die Unterordner der genannten Ordner\n"
        "  --ausschreibung DATEI\n"
        "            prüft Vereine, Veranstaltungen und Jahrgänge nach der Ausschreibung\n"
        "            und berechnet das Meldegeld\n"
        "  --eingang DATEI=TT.MM.JJJJ\n"
        "            der Tag, an dem die Meldedatei eingegangen ist; nur danach kostet eine\n"
        "            Datei nach dem Meldeschluss das Nachmeldegeld. Ein Ordner kann die Tage\n"
        "            auch in einer Tabelle Eingang.csv halten (Datei;Eingang)\n"
        "  --bestaetigungen ORDNER\n"
        "            schreibt je Verein und Veranstaltung eine Eingangsbestätigung zum\n"
        "            Verschicken in den ORDNER; vorhandene Dateien bleiben unverändert\n"
        "  --vorlage DATEI\n"
        "            legt eine neue Ausschreibung zum Ausfüllen an\n"
        "  --pruefe DATEI\n"
        "            zeigt, was in einer Ausschreibung steht, oder was daran falsch ist\n"
        "  -h        zeigt diese Hilfe\n"
        "  --version zeigt die Version\n");
}

QString receiptOptionWrong(const QString& given)
{
    return Text::tr("--eingang braucht eine Datei und ihr Eingangsdatum, etwa "
                    "„--eingang a.mdg=30.11.2026“, nicht %1.")
        .arg(quoted(given));
}

QString optionNeedsOneFileName(const QString& option)
{
    return Text::tr("%1 braucht genau einen Dateinamen.").arg(option);
}

QString nothingToGather()
{
    return Text::tr("Keine Meldedatei und kein Ordner angegeben.");
}

QString wrongListSuffix(const QString& path)
{
    return Text::tr("Die Liste muss auf .xlsx oder .csv enden: %1").arg(path);
}

QString readingProgress(qsizetype done, qsizetype total)
{
    return Text::tr("Lese Meldedateien: %1 von %2 …")
        .arg(QString::number(done), QString::number(total));
}

QString optionStandsAlone(const QString& option)
{
    return Text::tr("%1 steht allein, mit genau einem Dateinamen.").arg(option);
}

QString templateExists(const QString& path)
{
    return Text::tr("Die Datei %1 gibt es schon; sie wird nicht überschrieben.").arg(path);
}

QString templateNotWritten(const QString& path)
{
    return Text::tr("Die Vorlage %1 lässt sich nicht schreiben.").arg(path);
}

QString templateWritten(const QString& path)
{
    return Text::tr("Vorlage %1 geschrieben. Nach dem Ausfüllen prüft sie "
                    "„zandrel-sammeln --pruefe %2“.")
        .arg(path, path);
}

QString wouldOverwriteInvitation(const QString& path)
{
    return Text::tr("Die Liste würde die Ausschreibung überschreiben: %1").arg(path);
}

QString feesWritten(const QString& path)
{
    return Text::tr("Meldegeld in %1 geschrieben.").arg(path);
}

QString confirmationName(const QString& event, const QString& club)
{
    return Text::tr("Eingangsbestätigung %1 – %2").arg(event, club);
}

QString confirmationGreeting()
{
    return Text::tr("Guten Tag,");
}

QString confirmationReceived(const QString& event, const QString& fileName, const QString& received)
{
    if (event.isEmpty() && received.isEmpty())
        return Text::tr("vielen Dank für Ihre Meldung: Die Datei %1 ist bei uns eingegangen.")
            .arg(quoted(fileName));
    if (event.isEmpty())
        return Text::tr("vielen Dank für Ihre Meldung: Die Datei %1 ist am %2 bei uns "
                        "eingegangen.")
            .arg(quoted(fileName), received);
    if (received.isEmpty())
        return Text::tr("vielen Dank für Ihre Meldung für %1: Die Datei %2 ist bei uns "
                        "eingegangen.")
            .arg(quoted(event), quoted(fileName));
    return Text::tr("vielen Dank für Ihre Meldung für %1: Die Datei %2 ist am %3 bei uns "
                    "eingegangen.")
        .arg(quoted(event), quoted(fileName), received);
}

QString confirmationReplaces(const QString& fileName, const QString& received)
{
    if (received.isEmpty())
        return Text::tr("Sie ersetzt Ihre frühere Datei %1; diese zählt nicht mehr.")
            .arg(quoted(fileName));
    return Text::tr("Sie ersetzt Ihre frühere Datei %1 vom %2; diese zählt nicht mehr.")
        .arg(quoted(fileName), received);
}

QString confirmationParticipants(qsizetype count)
{
    if (count == 0)
        return Text::tr("Die Datei enthält keine Teilnehmer.");
    return Text::tr("Gemeldet sind %n Teilnehmer:", nullptr, static_cast<int>(count));
}

QString confirmationNothingFound()
{
    return Text::tr("Bei der Prüfung ist uns nichts aufgefallen.");
}

QString confirmationFindings()
{
    return Text::tr("Bei der Prüfung ist uns aufgefallen:");
}

QString confirmationFee(qsizetype participants, const QString& fee, const QString& amount)
{
    return Text::tr("Meldegeld: %1 Teilnehmer × %2 = %3")
        .arg(QString::number(participants), fee, amount);
}

QString confirmationNotCharged(qsizetype notBilled)
{
    return Text::tr("%n Teilnehmer sind darin nicht enthalten (siehe oben); dazu melden wir uns, "
                    "sobald das geklärt ist.",
                    nullptr, static_cast<int>(notBilled));
}

QString confirmationInQuestion(qsizetype inQuestion, const QString& amount)
{
    return Text::tr("Davon sind %1 für %n doppelt gemeldete Teilnehmer noch zu klären (siehe "
                    "oben); bitte überweisen Sie den ganzen Betrag, wir verrechnen, was sich "
                    "erledigt.",
                    nullptr, static_cast<int>(inQuestion))
        .arg(amount);
}

QString confirmationFeeOpen()
{
    return Text::tr("Das Meldegeld berechnen wir, sobald geklärt ist, für welchen Verein und "
                    "welche Veranstaltung Ihre Meldung gilt.");
}

QString confirmationNoFee(const QString& event)
{
    if (event.isEmpty())
        return Text::tr("Ohne Veranstaltung lässt sich kein Meldegeld berechnen.");
    return Text::tr("Für %1 steht kein Meldegeld in der Ausschreibung.").arg(quoted(event));
}

QString confirmationPayment(const QString& holder, const QString& iban, const QString& reference)
{
    if (reference.isEmpty())
        return Text::tr("Bitte überweisen Sie den Betrag auf dieses Konto:\n"
                        "Kontoinhaber: %1\nIBAN: %2")
            .arg(holder, iban);
    return Text::tr("Bitte überweisen Sie den Betrag auf dieses Konto:\n"
                    "Kontoinhaber: %1\nIBAN: %2\nVerwendungszweck: %3")
        .arg(holder, iban, reference);
}

QString confirmationClosing()
{
    return Text::tr("Mit freundlichen Grüßen");
}

QString confirmationsWritten(qsizetype count, const QString& folder)
{
    return Text::tr("%n Eingangsbestätigungen in %1 geschrieben.", nullptr, static_cast<int>(count))
        .arg(folder);
}

QString confirmationExists(const QString& path)
{
    return Text::tr("Die Eingangsbestätigung %1 gibt es schon; sie wird nicht überschrieben.")
        .arg(path);
}

QString confirmationNotWritten(const QString& path)
{
    return Text::tr("Die Eingangsbestätigung %1 lässt sich nicht schreiben.").arg(path);
}

QString confirmationFolderNotMade(const QString& folder)
{
    return Text::tr("Der Ordner %1 lässt sich nicht anlegen; keine Eingangsbestätigung "
                    "geschrieben.")
        .arg(folder);
}

QString confirmationsNeedInvitation()
{
    return Text::tr("--bestaetigungen geht nur mit --ausschreibung: Meldegeld und Konto stehen "
                    "dort.");
}

QString optionNeedsOneFolder()
{
    return Text::tr("--bestaetigungen braucht genau einen Ordner.");
}

} // namespace messages
