#include "messages/Messages.h"

#include "entries/Entry.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace messages {
namespace {

QString number(qint64 n)
{
    return QLocale(QLocale::German).toString(n);
}

constexpr qint64 kMaxMegabytes = textfile::kMaxFileSize / (1024 * 1024);

} // namespace

QString quoted(const QString& text)
{
    return QStringLiteral("„") + text + QStringLiteral("“");
}

QString money(qint64 cents)
{
    // Whole cents, no floating point: 0.1 + 0.2 must never print as 0,30000000000000004 €.
    const QString sign = cents < 0 ? QStringLiteral("-") : QString();
    const qint64 amount = cents < 0 ? -cents : cents;
    return sign + QLocale(QLocale::German).toString(amount / 100) + u',' +
           QStringLiteral("%1").arg(amount % 100, 2, 10, QLatin1Char('0')) + QStringLiteral(" €");
}

QString dateText(const QDate& date)
{
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

Message loadFailed(textfile::LoadResult result, const QString& subject)
{
    switch (result) {
    case textfile::LoadResult::Ok:
        break;
    case textfile::LoadResult::CannotOpen:
        return {QStringLiteral("%1 lässt sich nicht öffnen.").arg(subject)};
    case textfile::LoadResult::NotAFile:
        return {
            QStringLiteral("%1 ist keine gewöhnliche Datei und wird nicht gelesen.").arg(subject)};
    case textfile::LoadResult::ReadFailed:
        return {QStringLiteral("%1 lässt sich nicht lesen.").arg(subject), true};
    case textfile::LoadResult::TooLarge:
        return {QStringLiteral("%1 ist größer als %2 MB und wird nicht gelesen: So groß ist "
                               "keine Meldedatei und keine Mitgliederliste.")
                    .arg(subject)
                    .arg(kMaxMegabytes),
                true};
    }
    return {};
}

Message entryFileLoadFailed(textfile::LoadResult result, const QString& path)
{
    switch (result) {
    case textfile::LoadResult::CannotOpen:
        return {QStringLiteral("FEHLER: Meldedatei nicht gefunden!")};
    case textfile::LoadResult::ReadFailed:
        // Nothing was changed: the whole file is read before the list is touched.
        return {QStringLiteral("Ein unbekannter Fehler ist beim Zugriff auf %1 aufgetreten.")
                    .arg(shown(path)),
                true};
    default:
        return loadFailed(result, shown(path));
    }
}

QString refused(entryfile::Content::Refusal refusal, const QString& subject)
{
    switch (refusal) {
    case entryfile::Content::Refusal::None:
        break;
    case entryfile::Content::Refusal::NotText:
        return QStringLiteral("%1 ist keine Meldedatei: Sie enthält Zeichen, die in keiner "
                              "Textdatei stehen.")
            .arg(subject);
    case entryfile::Content::Refusal::TooMany:
        return QStringLiteral("%1 wird nicht geladen: Sie enthält mehr als %2 Einträge und ist "
                              "keine Meldedatei eines Vereins.")
            .arg(subject, number(entry::kMaxEntries));
    }
    return {};
}

QString notAnEntryFile(const QString& subject)
{
    return QStringLiteral("%1 ist keine Meldedatei: Sie enthält weder „VEREIN:“ noch "
                          "„VERANSTALTUNG:“.")
        .arg(subject);
}

QString unsavable(entryfile::Unloadable why, const QString& path)
{
    QString reason;
    switch (why) {
    case entryfile::Unloadable::None:
        return {};
    case entryfile::Unloadable::TooLarge:
        reason = QStringLiteral("Sie würde größer als %1 MB").arg(kMaxMegabytes);
        break;
    case entryfile::Unloadable::TooMany:
        reason = QStringLiteral("Sie hätte mehr als %1 Einträge").arg(number(entry::kMaxEntries));
        break;
    case entryfile::Unloadable::NotText:
        reason = QStringLiteral("Sie enthielte Zeichen, die in keiner Textdatei stehen,");
        break;
    }
    return QStringLiteral("%1 wird nicht gespeichert: %2 und ließe sich nicht wieder laden. Die "
                          "Änderungen gelten weiter als ungespeichert.")
        .arg(shown(path), reason);
}

Message entryFileSaveFailed(textfile::SaveResult result, const QString& path)
{
    switch (result) {
    case textfile::SaveResult::CannotOpen:
    case textfile::SaveResult::WriteFailed:
        return {QStringLiteral("Meldedatei konnte nicht gespeichert werden!")};
    default:
        return saveFailed(result, path);
    }
}

Message pdfSaveFailed(textfile::SaveResult result, const QString& path)
{
    switch (result) {
    case textfile::SaveResult::CannotOpen:
        return {QStringLiteral("PDF-Datei konnte nicht gespeichert werden: %1 lässt sich nicht "
                               "anlegen. Fehlt der Ordner, oder ist er schreibgeschützt?")
                    .arg(shown(path))};
    case textfile::SaveResult::WriteFailed:
        return {QStringLiteral("PDF-Datei konnte nicht gespeichert werden: Beim Schreiben von %1 "
                               "trat ein Fehler auf.")
                    .arg(shown(path)),
                true};
    default:
        return saveFailed(result, path);
    }
}

Message saveFailed(textfile::SaveResult result, const QString& path)
{
    switch (result) {
    case textfile::SaveResult::Ok:
        break;
    case textfile::SaveResult::CannotOpen:
        return {QStringLiteral("%1 lässt sich nicht anlegen. Fehlt der Ordner, oder ist er "
                               "schreibgeschützt?")
                    .arg(shown(path))};
    case textfile::SaveResult::WriteFailed:
        return {QStringLiteral("Beim Schreiben von %1 trat ein Fehler auf; eine ältere Datei "
                               "dieses Namens ist unverändert.")
                    .arg(shown(path)),
                true};
    case textfile::SaveResult::NotAFile:
        return {QStringLiteral("%1 ist keine gewöhnliche Datei und wird nicht überschrieben. "
                               "Bitte wählen Sie einen anderen Namen.")
                    .arg(shown(path))};
    case textfile::SaveResult::DiskFull:
        return {QStringLiteral("Beim Zugriff auf %1 wurde ein voller Datenträger gemeldet.")
                    .arg(shown(path)),
                true};
    }
    return {};
}

QString memberListUnusable(memberlist::ParseError error, const QString& path)
{
    const QString file = shown(path);
    switch (error) {
    case memberlist::ParseError::None:
        break;
    case memberlist::ParseError::NotText:
        return QStringLiteral("%1 ist keine Mitgliederliste: Eine CSV-Datei trennt ihre Spalten "
                              "durch Semikolon, Komma oder Tabulator.")
            .arg(file);
    case memberlist::ParseError::Empty:
        return QStringLiteral("%1 ist leer.").arg(file);
    case memberlist::ParseError::NoHeader:
        return QStringLiteral("In %1 fehlt die Kopfzeile: Die erste Zeile muss die Spalten "
                              "benennen, etwa „Vorname“, „Name“, „Jahrgang“ und „Geschlecht“.")
            .arg(file);
    case memberlist::ParseError::NoRows:
        return QStringLiteral("%1 enthält keine Mitglieder, nur die Kopfzeile.").arg(file);
    case memberlist::ParseError::TooMany:
        return QStringLiteral("%1 wird nicht importiert: Die Datei enthält mehr als %2 Zeilen.")
            .arg(file, number(entry::kMaxEntries));
    case memberlist::ParseError::TooManyColumns:
        return QStringLiteral("%1 wird nicht importiert: Eine Zeile hat mehr als %2 Spalten.")
            .arg(file, number(memberlist::kMaxColumns));
    }
    return {};
}

QString importTooMany()
{
    return QStringLiteral("Die Liste hätte danach mehr als %1 Einträge; es wurde nichts "
                          "übernommen.")
        .arg(number(entry::kMaxEntries));
}

QString headerNotFound(const entryfile::HeaderSelection& selection, const QString& fileName)
{
    QStringList sentences;
    const auto missing = [&](bool found, const QString& value, const QString& what,
                             const QString& list) {
        if (found)
            return;
        sentences << (value.isEmpty() ? QStringLiteral("%1 nennt %2.").arg(quoted(fileName), list)
                                      : QStringLiteral("%1 %2 aus %3 steht nicht in der Liste.")
                                            .arg(what, quoted(value), quoted(fileName)));
    };
    missing(selection.club >= 0, selection.clubValue, QStringLiteral("Der Verein"),
            QStringLiteral("keinen Verein"));
    missing(selection.event >= 0, selection.eventValue, QStringLiteral("Die Veranstaltung"),
            QStringLiteral("keine Veranstaltung"));
    if (sentences.isEmpty())
        return {};
    const QString choose = selection.club < 0 && selection.event < 0
                               ? QStringLiteral("Verein und Veranstaltung")
                           : selection.club < 0 ? QStringLiteral("den Verein")
                                                : QStringLiteral("die Veranstaltung");
    sentences << QStringLiteral("Die Teilnehmer sind geladen; wählen Sie bitte %1, bevor Sie "
                                "speichern.")
                     .arg(choose);
    return sentences.join(u' ');
}

QString headerNotFoundShort(const entryfile::HeaderSelection& selection)
{
    QStringList parts;
    const auto missing = [&](bool found, const QString& value, const QString& what) {
        if (!found)
            parts << (value.isEmpty() ? what + QStringLiteral(" fehlt")
                                      : what + u' ' + quoted(value) + QStringLiteral(" unbekannt"));
    };
    missing(selection.club >= 0, selection.clubValue, QStringLiteral("Verein"));
    missing(selection.event >= 0, selection.eventValue, QStringLiteral("Veranstaltung"));
    return parts.join(QStringLiteral(" · "));
}

QString importColumnsMissing(const QStringList& fields)
{
    return QStringLiteral("In der Kopfzeile fehlt: %1. Bitte die Spalte wählen, die es enthält.")
        .arg(fields.join(QStringLiteral(", ")));
}

QString importTakes(qsizetype checked, qsizetype rows)
{
    return QStringLiteral("%1 von %2 Zeilen werden übernommen.").arg(checked).arg(rows);
}

QString imported(qsizetype count, const QString& fileName)
{
    return QStringLiteral("Importiert: %1 Teilnehmer aus %2").arg(number(count), fileName);
}

QString yearOutsideWindow(qint32 year, int thisYear)
{
    return QStringLiteral("Jahrgang %1: erlaubt sind %2–%3.")
        .arg(year)
        .arg(thisYear - 99)
        .arg(thisYear - 1);
}

QString incompleteField(unsigned gaps, qint32 year, int thisYear)
{
    if (gaps & entry::NoFirstName)
        return QStringLiteral("Der Vorname fehlt.");
    if (gaps & entry::NoName)
        return QStringLiteral("Der Name fehlt.");
    if (gaps & entry::YearOutside)
        return yearOutsideWindow(year, thisYear);
    if (gaps & entry::NoGender)
        return QStringLiteral("Das Geschlecht fehlt.");
    return {};
}

RenamedQuestion renamedInPlace(const QString& before, const QString& now)
{
    return {QStringLiteral("Sie haben %1 in %2 geändert.").arg(quoted(before), quoted(now)),
            QStringLiteral("%1 behalten und %2 neu hinzufügen").arg(quoted(before), quoted(now)),
            QStringLiteral("Änderung behalten")};
}

QString incomplete()
{
    return QStringLiteral("FEHLER: Teilnehmerdaten unvollständig!");
}

QString selectFirstToRemove()
{
    return QStringLiteral("Zum Löschen erst einen Eintrag aus der Liste auswählen!");
}

QString badDate()
{
    return QStringLiteral("FEHLER: Datum falsch!");
}

QString notANumber()
{
    return QStringLiteral("Geben Sie bitte eine ganze Zahl ein.");
}

QString exitQuestion()
{
    return QStringLiteral("Beenden ohne Speichern?");
}

QString discardQuestion()
{
    return QStringLiteral("Ungespeicherte Änderungen verwerfen?");
}

QString invalidFileName()
{
    return QStringLiteral("FEHLER: Ungültiger Dateiname!");
}

QString nothingToSave()
{
    return QStringLiteral("Fehler beim Speichern: Meldeliste leer!");
}

QString pdfNotSaved()
{
    return QStringLiteral("PDF-Datei konnte nicht gespeichert werden!");
}

QString alreadyInList(const QString& text, qint32 year)
{
    // The same child twice is a slip far more often than twins of one name.
    return QStringLiteral("%1 (%2) ist schon in der Liste. Trotzdem hinzufügen?")
        .arg(quoted(text))
        .arg(year);
}

QString nothingToUndo()
{
    return QStringLiteral("Nichts rückgängig zu machen.");
}

QString nothingToRedo()
{
    return QStringLiteral("Nichts zu wiederholen.");
}

QString printBlocked(EntryDocument::PrintBlock why)
{
    switch (why) {
    case EntryDocument::PrintBlock::None:
        break;
    case EntryDocument::PrintBlock::NoClubOrEvent:
        return QStringLiteral("Erst Verein und Veranstaltung wählen.");
    case EntryDocument::PrintBlock::Empty:
        return QStringLiteral("Die Meldeliste ist leer.");
    }
    return {};
}

QString fileDone(FileAction action, const QString& path, const QTime& at)
{
    const QString fileName = QFileInfo(path).fileName();
    const QString time = QLocale(QLocale::German).toString(at, QStringLiteral("HH:mm"));
    const QString what = action == FileAction::Saved    ? QStringLiteral("Gespeichert")
                         : action == FileAction::Loaded ? QStringLiteral("Geladen")
                                                        : QStringLiteral("PDF gespeichert");
    return QStringLiteral("%1: %2, %3").arg(what, fileName, time);
}

QString historyStep(bool undone, const QString& step)
{
    return (undone ? QStringLiteral("Rückgängig: ") : QStringLiteral("Wiederholt: ")) + step;
}

QString unsavedChanges()
{
    return QStringLiteral("Ungespeicherte Änderungen");
}

QString importReason(const memberlist::Candidate& c)
{
    QStringList reasons;
    if (c.problems & memberlist::NoName)
        reasons << QStringLiteral("Name fehlt");
    if (c.problems & memberlist::NoFirstName)
        reasons << QStringLiteral("Vorname fehlt");
    if (c.problems & memberlist::BadYear)
        reasons << (c.yearText.isEmpty() ? QStringLiteral("Jahrgang fehlt")
                                         : QStringLiteral("Jahrgang ungültig"));
    if (c.problems & memberlist::TooLong)
        reasons << QStringLiteral("länger als %1 Zeichen").arg(entry::kMostNameChars);
    if (c.problems & memberlist::CommaInName)
        reasons << QStringLiteral("Komma im Namen nicht möglich");
    if ((c.problems & memberlist::BadCharacter) &&
        entry::firstControl(QString::fromUcs4(&c.badCharacter, 1)))
        reasons << QStringLiteral("Steuerzeichen nicht möglich");
    else if (c.problems & memberlist::BadCharacter)
        reasons << QStringLiteral("Zeichen „%1“ nicht möglich")
                       .arg(QString::fromUcs4(&c.badCharacter, 1));
    if (c.problems & memberlist::LostCharacter)
        reasons << QStringLiteral("Zeichen „?“ – beim Export verloren?");
    if (c.problems & memberlist::UnknownGender)
        reasons << (c.genderText.isEmpty() ? QStringLiteral("Geschlecht fehlt")
                                           : QStringLiteral("Geschlecht unbekannt"));
    if (c.problems & memberlist::InList)
        reasons << QStringLiteral("schon in der Liste");
    if (c.problems & memberlist::NotAdmitted)
        reasons << QStringLiteral("Jahrgang für die Veranstaltung nicht zugelassen");
    if (c.problems & memberlist::TwiceInFile)
        reasons << QStringLiteral("doppelt in der Datei");
    return reasons.join(QStringLiteral("; "));
}

QString printFailed()
{
    return QStringLiteral("Die Meldung konnte nicht gedruckt werden!");
}

QString usage(const QString& program)
{
    return QStringLiteral("Aufruf: %1 [DATEI.mdg] [AUSSCHREIBUNG.aus]\n").arg(program);
}

QString commandLineHelp()
{
    return QStringLiteral("Startet Zandrel; mit DATEI ist diese Meldedatei geladen, wie mit "
                          "\"Laden\", mit AUSSCHREIBUNG gelten deren Vereine und "
                          "Veranstaltungen.\n");
}

QString unknownCommandLineOption(const QString& option)
{
    return QStringLiteral("Unbekannte Option: %1\n").arg(option);
}

QString onlyOneFileToOpen(bool invitation)
{
    return invitation ? QStringLiteral("Nur eine Ausschreibung kann geöffnet werden.\n")
                      : QStringLiteral("Nur eine Meldedatei kann geöffnet werden.\n");
}

QString notFullyInstalled(const QString& modulePath)
{
    return QStringLiteral("Zandrel ist nicht vollständig installiert: %1 fehlt oder lässt sich "
                          "nicht laden.")
        .arg(shown(modulePath));
}

QString helpMissing(const QString& helpPath)
{
    return QStringLiteral("<h1>Hilfe nicht gefunden</h1><p>Die Hilfedatei <tt>%1</tt> fehlt. "
                          "Bitte installieren Sie Zandrel neu.</p>")
        .arg(helpPath.toHtmlEscaped());
}

QString contactHasControl(const QString& field)
{
    return QStringLiteral("Das Feld „%1“ enthält ein Steuerzeichen; bitte neu eingeben.")
        .arg(field);
}

QString contactEmailInvalid(const QString& email)
{
    return QStringLiteral("„%1“ ist keine einfache E-Mail-Adresse wie eva@tv-musterstadt.de: "
                          "genau ein @, davor Buchstaben ohne Umlaute, Ziffern und Zeichen wie . _ "
                          "- + (nicht zu Beginn), danach ein Name mit Punkt.")
        .arg(email);
}

} // namespace messages
