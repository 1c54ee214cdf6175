#include "messages/Gathering.h"

#include "messages/Messages.h"

#include <QDir>
#include <QLocale>

namespace messages {
namespace {

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
    return QStringLiteral("Die Datei");
}

QString folderUnreadable()
{
    return QStringLiteral("Der Ordner lässt sich nicht lesen; seine Meldedateien fehlen.");
}

QString folderHasNoEntryFile()
{
    return QStringLiteral("Der Ordner enthält keine Meldedatei (.mdg).");
}

QString notFound(bool entryFileName)
{
    return entryFileName ? QStringLiteral("Datei nicht gefunden.")
                         : QStringLiteral("Ordner nicht gefunden.");
}

QString clubMissing()
{
    return QStringLiteral("Der Verein fehlt.");
}

QString clubUnknown(const QString& club)
{
    return QStringLiteral("Der Verein %1 steht nicht in der Vereinsliste.").arg(quoted(club));
}

QString eventMissing()
{
    return QStringLiteral("Die Veranstaltung fehlt.");
}

QString eventUnknown(const QString& event)
{
    return QStringLiteral("Die Veranstaltung %1 steht nicht in der Veranstaltungsliste.")
        .arg(quoted(event));
}

QString noYear(const QString& entryText)
{
    return QStringLiteral("Kein Jahrgang bei %1.").arg(quoted(entryText));
}

QString invalidYear(const QString& yearText, const QString& entryText)
{
    return QStringLiteral("Ungültiger Jahrgang %1 bei %2.")
        .arg(quoted(cut(yearText)), quoted(entryText));
}

QString yearNotAdmitted(const QString& who, const QString& event, int firstYear, int lastYear)
{
    const QString years = firstYear == lastYear
                              ? QStringLiteral("Jahrgang ") + QString::number(firstYear)
                              : QStringLiteral("Jahrgänge ") + QString::number(firstYear) + u'–' +
                                    QString::number(lastYear);
    return QStringLiteral("%1 ist für %2 nicht zugelassen: %3.").arg(who, quoted(event), years);
}

QString superseded(const QString& club, const QString& event, const QString& newerPath)
{
    return QStringLiteral("Noch eine Meldung von %1 für %2: %3 ist neuer und zählt, diese Datei "
                          "nicht.")
        .arg(quoted(club), quoted(event), quoted(newerPath));
}

QString participant(const QString& firstName, const QString& name, qint32 year)
{
    return QStringLiteral("%1 (%2)").arg(quoted(firstName + u' ' + name),
                                         year < 0 ? QStringLiteral("ohne gültigen Jahrgang")
                                                  : QString::number(year));
}

QString repeatedInFile(const QString& who, qsizetype firstLine)
{
    return QStringLiteral("%1 steht schon in Zeile %2.").arg(who, QString::number(firstLine));
}

QString alsoRegisteredBy(const QString& who, const QString& club, const QString& path,
                         qsizetype line)
{
    return QStringLiteral("%1 ist auch von %2 gemeldet (%3, Zeile %4).")
        .arg(who, quoted(club), path, QString::number(line));
}

QString listNotWritten(const QString& path)
{
    return QStringLiteral("Die Datei %1 lässt sich nicht schreiben.")
        .arg(QDir::toNativeSeparators(path));
}

QString listNotWritten(const QString& path, const QString& why)
{
    return QStringLiteral("Die Datei %1 lässt sich nicht schreiben: %2")
        .arg(QDir::toNativeSeparators(path), why);
}

QString workbookFailed(WorkbookStep step)
{
    switch (step) {
    case WorkbookStep::ScratchSpace:
        return QStringLiteral("kein Platz für Zwischendateien.");
    case WorkbookStep::Create:
        return QStringLiteral("die Arbeitsmappe lässt sich nicht anlegen.");
    case WorkbookStep::Overview:
        return QStringLiteral("die Übersicht lässt sich nicht anlegen.");
    case WorkbookStep::Vanished:
        return QStringLiteral("die Arbeitsmappe ist verschwunden.");
    case WorkbookStep::Save:
        break;
    }
    return QStringLiteral("Speichern fehlgeschlagen.");
}

QString sheetNotCreated(const QString& sheet)
{
    return QStringLiteral("die Tabelle %1 lässt sich nicht anlegen.").arg(quoted(sheet));
}

QString cellCut(const QString& where, qsizetype cellChars)
{
    return QStringLiteral("%1: länger als %2 Zeichen, in der Arbeitsmappe gekürzt (die CSV-Liste "
                          "hat den ganzen Text).")
        .arg(where, QLocale(QLocale::German).toString(cellChars));
}

QString inOverviewRow(qsizetype row)
{
    return QStringLiteral("Übersicht, Zeile %1").arg(row);
}

QString inSheetRow(const QString& sheet, qsizetype row)
{
    return QStringLiteral("Tabelle %1, Zeile %2").arg(quoted(sheet), QString::number(row));
}

QString inFileHeader(const QString& path)
{
    return QStringLiteral("Verein, Veranstaltung oder Dateiname von %1").arg(path);
}

QString listWritten(qsizetype participants, qsizetype files, const QString& path)
{
    return QStringLiteral("%1 Teilnehmer aus %2 Dateien in %3 geschrieben.")
        .arg(QString::number(participants), QString::number(files), path);
}

QString listNotSaved(const QString& why)
{
    // The reasons come with or without their own full stop; the sentence ends with one, not two.
    QString text = QStringLiteral("Die Liste wurde nicht gespeichert: %1").arg(why);
    if (!text.endsWith(u'.'))
        text += u'.';
    return text;
}

QString wouldOverwriteEntryFile()
{
    return QStringLiteral("die Liste würde eine der Meldedateien überschreiben");
}

QString optionNeedsOneFileName(const QString& option)
{
    return QStringLiteral("%1 braucht genau einen Dateinamen.").arg(option);
}

QString unknownOption(const QString& option)
{
    return QStringLiteral("Unbekannte Option %1.").arg(option);
}

QString nothingToGather()
{
    return QStringLiteral("Keine Meldedatei und kein Ordner angegeben.");
}

QString wrongListSuffix(const QString& path)
{
    return QStringLiteral("Die Liste muss auf .xlsx oder .csv enden: %1").arg(path);
}

QString wouldOverwriteEntryFile(const QString& path)
{
    return QStringLiteral("Die Liste würde eine der Meldedateien überschreiben: %1").arg(path);
}

QString readingProgress(qsizetype done, qsizetype total)
{
    return QStringLiteral("Lese Meldedateien: %1 von %2 …").arg(done).arg(total);
}

QString optionStandsAlone(const QString& option)
{
    return QStringLiteral("%1 steht allein, mit genau einem Dateinamen.").arg(option);
}

QString templateExists(const QString& path)
{
    return QStringLiteral("Die Datei %1 gibt es schon; sie wird nicht überschrieben.").arg(path);
}

QString templateNotWritten(const QString& path)
{
    return QStringLiteral("Die Vorlage %1 lässt sich nicht schreiben.").arg(path);
}

QString templateWritten(const QString& path)
{
    return QStringLiteral("Vorlage %1 geschrieben. Nach dem Ausfüllen prüft sie "
                          "„zandrel-sammeln --pruefe %2“.")
        .arg(path, path);
}

QString wouldOverwriteInvitation(const QString& path)
{
    return QStringLiteral("Die Liste würde die Ausschreibung überschreiben: %1").arg(path);
}

QString feesWritten(const QString& path)
{
    return QStringLiteral("Meldegeld in %1 geschrieben.").arg(path);
}

QString confirmationGreeting(const QString& club)
{
    return club.isEmpty() ? QStringLiteral("Guten Tag,") : QStringLiteral("Hallo %1,").arg(club);
}

QString confirmationReceived(const QString& event, const QString& fileName, const QString& modified)
{
    const QString forEvent = event.isEmpty() ? QString() : QStringLiteral(" für ") + quoted(event);
    if (modified.isEmpty())
        return QStringLiteral("vielen Dank für Ihre Meldung%1: Die Datei %2 ist bei uns "
                              "eingegangen.")
            .arg(forEvent, quoted(fileName));
    return QStringLiteral("vielen Dank für Ihre Meldung%1: Die Datei %2 vom %3 ist bei uns "
                          "eingegangen.")
        .arg(forEvent, quoted(fileName), modified);
}

QString confirmationReplaces(const QString& fileName, const QString& modified)
{
    if (modified.isEmpty())
        return QStringLiteral("Sie ersetzt Ihre frühere Datei %1; diese zählt nicht mehr.")
            .arg(quoted(fileName));
    return QStringLiteral("Sie ersetzt Ihre frühere Datei %1 vom %2; diese zählt nicht mehr.")
        .arg(quoted(fileName), modified);
}

QString confirmationParticipants(qsizetype count)
{
    if (count == 0)
        return QStringLiteral("Die Datei enthält keine Teilnehmer.");
    if (count == 1)
        return QStringLiteral("Gemeldet ist 1 Teilnehmer:");
    return QStringLiteral("Gemeldet sind %1 Teilnehmer:").arg(QString::number(count));
}

QString confirmationNothingFound()
{
    return QStringLiteral("Bei der Prüfung ist uns nichts aufgefallen.");
}

QString confirmationFindings()
{
    return QStringLiteral("Bei der Prüfung ist uns aufgefallen:");
}

QString confirmationFee(qsizetype participants, const QString& fee, const QString& amount)
{
    return QStringLiteral("Meldegeld: %1 Teilnehmer × %2 = %3")
        .arg(QString::number(participants), fee, amount);
}

QString confirmationNotCharged(qsizetype withNotes)
{
    if (withNotes == 1)
        return QStringLiteral("1 Teilnehmer mit Hinweis ist darin nicht enthalten; dazu melden wir "
                              "uns, sobald der Hinweis geklärt ist.");
    return QStringLiteral("%1 Teilnehmer mit Hinweis sind darin nicht enthalten; dazu melden wir "
                          "uns, sobald die Hinweise geklärt sind.")
        .arg(QString::number(withNotes));
}

QString confirmationNoFee(const QString& event)
{
    if (event.isEmpty())
        return QStringLiteral("Ohne Veranstaltung lässt sich kein Meldegeld berechnen.");
    return QStringLiteral("Für %1 steht kein Meldegeld in der Ausschreibung.").arg(quoted(event));
}

QString confirmationPayment(const QString& holder, const QString& iban, const QString& reference)
{
    if (reference.isEmpty())
        return QStringLiteral("Bitte überweisen Sie den Betrag auf dieses Konto:\n"
                              "Kontoinhaber: %1\nIBAN: %2")
            .arg(holder, iban);
    return QStringLiteral("Bitte überweisen Sie den Betrag auf dieses Konto:\n"
                          "Kontoinhaber: %1\nIBAN: %2\nVerwendungszweck: %3")
        .arg(holder, iban, reference);
}

QString confirmationClosing()
{
    return QStringLiteral("Mit freundlichen Grüßen");
}

QString confirmationsWritten(qsizetype count, const QString& folder)
{
    if (count == 1)
        return QStringLiteral("1 Eingangsbestätigung in %1 geschrieben.").arg(folder);
    return QStringLiteral("%1 Eingangsbestätigungen in %2 geschrieben.")
        .arg(QString::number(count), folder);
}

QString confirmationExists(const QString& path)
{
    return QStringLiteral("Die Eingangsbestätigung %1 gibt es schon; sie wird nicht "
                          "überschrieben.")
        .arg(path);
}

QString confirmationNotWritten(const QString& path)
{
    return QStringLiteral("Die Eingangsbestätigung %1 lässt sich nicht schreiben.").arg(path);
}

QString confirmationFolderNotMade(const QString& folder)
{
    return QStringLiteral("Der Ordner %1 lässt sich nicht anlegen; keine Eingangsbestätigung "
                          "geschrieben.")
        .arg(folder);
}

QString confirmationsNeedInvitation()
{
    return QStringLiteral("--bestaetigungen geht nur mit --ausschreibung: Meldegeld und Konto "
                          "stehen dort.");
}

QString optionNeedsOneFolder()
{
    return QStringLiteral("--bestaetigungen braucht genau einen Ordner.");
}

} // namespace messages
