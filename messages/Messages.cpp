#include "messages/Messages.h"

#include "entries/Entry.h"

#include <QDir>
#include <QLocale>

namespace messages {
namespace {

QString Number(qint64 n)
{
    return QLocale(QLocale::German).toString(n);
}

constexpr qint64 kMaxMegabytes = textfile::kMaxFileSize / (1024 * 1024);

} // namespace

QString Shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

Message LoadFailed(textfile::LoadResult result, const QString& subject)
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

Message EntryFileLoadFailed(textfile::LoadResult result, const QString& path)
{
    switch (result) {
    case textfile::LoadResult::CannotOpen:
        return {QStringLiteral("FEHLER: Meldedatei nicht gefunden!")};
    case textfile::LoadResult::ReadFailed:
        // Nothing was changed: the whole file is read before the list is touched.
        return {QStringLiteral("Ein unbekannter Fehler ist beim Zugriff auf %1 aufgetreten.")
                    .arg(Shown(path)),
                true};
    default:
        return LoadFailed(result, Shown(path));
    }
}

QString Refused(entryfile::Content::Refusal refusal, const QString& subject)
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
            .arg(subject, Number(entry::kMaxEntries));
    }
    return {};
}

QString NotAnEntryFile(const QString& subject)
{
    return QStringLiteral("%1 ist keine Meldedatei: Sie enthält weder „VEREIN:“ noch "
                          "„VERANSTALTUNG:“.")
        .arg(subject);
}

QString Unsavable(entryfile::Unloadable why, const QString& path)
{
    QString reason;
    switch (why) {
    case entryfile::Unloadable::None:
        return {};
    case entryfile::Unloadable::TooLarge:
        reason = QStringLiteral("Sie würde größer als %1 MB").arg(kMaxMegabytes);
        break;
    case entryfile::Unloadable::TooMany:
        reason = QStringLiteral("Sie hätte mehr als %1 Einträge").arg(Number(entry::kMaxEntries));
        break;
    case entryfile::Unloadable::NotText:
        reason = QStringLiteral("Sie enthielte Zeichen, die in keiner Textdatei stehen,");
        break;
    }
    return QStringLiteral("%1 wird nicht gespeichert: %2 und ließe sich nicht wieder laden. Die "
                          "Änderungen gelten weiter als ungespeichert.")
        .arg(Shown(path), reason);
}

Message EntryFileSaveFailed(textfile::SaveResult result, const QString& path)
{
    switch (result) {
    case textfile::SaveResult::CannotOpen:
    case textfile::SaveResult::WriteFailed:
        return {QStringLiteral("Meldedatei konnte nicht gespeichert werden!")};
    default:
        return SaveFailed(result, path);
    }
}

Message PdfSaveFailed(textfile::SaveResult result, const QString& path)
{
    switch (result) {
    case textfile::SaveResult::CannotOpen:
        return {QStringLiteral("PDF-Datei konnte nicht gespeichert werden: %1 lässt sich nicht "
                               "anlegen. Fehlt der Ordner, oder ist er schreibgeschützt?")
                    .arg(Shown(path))};
    case textfile::SaveResult::WriteFailed:
        return {QStringLiteral("PDF-Datei konnte nicht gespeichert werden: Beim Schreiben von %1 "
                               "trat ein Fehler auf.")
                    .arg(Shown(path)),
                true};
    default:
        return SaveFailed(result, path);
    }
}

Message SaveFailed(textfile::SaveResult result, const QString& path)
{
    switch (result) {
    case textfile::SaveResult::Ok:
        break;
    case textfile::SaveResult::CannotOpen:
        return {QStringLiteral("%1 lässt sich nicht anlegen. Fehlt der Ordner, oder ist er "
                               "schreibgeschützt?")
                    .arg(Shown(path))};
    case textfile::SaveResult::WriteFailed:
        return {QStringLiteral("Beim Schreiben von %1 trat ein Fehler auf; eine ältere Datei "
                               "dieses Namens ist unverändert.")
                    .arg(Shown(path)),
                true};
    case textfile::SaveResult::NotAFile:
        return {QStringLiteral("%1 ist keine gewöhnliche Datei und wird nicht überschrieben. "
                               "Bitte wählen Sie einen anderen Namen.")
                    .arg(Shown(path))};
    case textfile::SaveResult::DiskFull:
        return {QStringLiteral("Beim Zugriff auf %1 wurde ein voller Datenträger gemeldet.")
                    .arg(Shown(path)),
                true};
    }
    return {};
}

QString MemberListUnusable(memberlist::ParseError error, const QString& path)
{
    const QString file = Shown(path);
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
            .arg(file, Number(entry::kMaxEntries));
    case memberlist::ParseError::TooManyColumns:
        return QStringLiteral("%1 wird nicht importiert: Eine Zeile hat mehr als %2 Spalten.")
            .arg(file, Number(memberlist::kMaxColumns));
    }
    return {};
}

QString ImportTooMany()
{
    return QStringLiteral("Die Liste hätte danach mehr als %1 Einträge; es wurde nichts "
                          "übernommen.")
        .arg(Number(entry::kMaxEntries));
}

namespace {

QString Quote(const QString& text)
{
    return QStringLiteral("„") + text + QStringLiteral("“");
}

} // namespace

QString HeaderNotFound(const entryfile::HeaderSelection& selection, const QString& fileName)
{
    QStringList sentences;
    const auto missing = [&](bool found, const QString& value, const QString& what,
                             const QString& list) {
        if (found)
            return;
        sentences << (value.isEmpty() ? QStringLiteral("%1 nennt %2.").arg(Quote(fileName), list)
                                      : QStringLiteral("%1 %2 aus %3 steht nicht in der Liste.")
                                            .arg(what, Quote(value), Quote(fileName)));
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

QString HeaderNotFoundShort(const entryfile::HeaderSelection& selection)
{
    QStringList parts;
    const auto missing = [&](bool found, const QString& value, const QString& what) {
        if (!found)
            parts << (value.isEmpty() ? what + QStringLiteral(" fehlt")
                                      : what + u' ' + Quote(value) + QStringLiteral(" unbekannt"));
    };
    missing(selection.club >= 0, selection.clubValue, QStringLiteral("Verein"));
    missing(selection.event >= 0, selection.eventValue, QStringLiteral("Veranstaltung"));
    return parts.join(QStringLiteral(" · "));
}

QString ImportColumnsMissing(const QStringList& fields)
{
    return QStringLiteral("In der Kopfzeile fehlt: %1. Bitte die Spalte wählen, die es enthält.")
        .arg(fields.join(QStringLiteral(", ")));
}

QString ImportTakes(qsizetype checked, qsizetype rows)
{
    return QStringLiteral("%1 von %2 Zeilen werden übernommen.").arg(checked).arg(rows);
}

QString Imported(qsizetype count, const QString& fileName)
{
    return QStringLiteral("Importiert: %1 Teilnehmer aus %2").arg(Number(count), fileName);
}

QString YearOutsideWindow(qint32 year, int thisYear)
{
    return QStringLiteral("Jahrgang %1: erlaubt sind %2–%3.")
        .arg(year)
        .arg(thisYear - 99)
        .arg(thisYear - 1);
}

QString IncompleteField(unsigned gaps, qint32 year, int thisYear)
{
    if (gaps & entry::NoFirstName)
        return QStringLiteral("Der Vorname fehlt.");
    if (gaps & entry::NoName)
        return QStringLiteral("Der Name fehlt.");
    if (gaps & entry::YearOutside)
        return YearOutsideWindow(year, thisYear);
    if (gaps & entry::NoGender)
        return QStringLiteral("Das Geschlecht fehlt.");
    return {};
}

RenamedQuestion RenamedInPlace(const QString& before, const QString& now)
{
    return {QStringLiteral("Sie haben %1 in %2 geändert.").arg(Quote(before), Quote(now)),
            QStringLiteral("%1 behalten und %2 neu hinzufügen").arg(Quote(before), Quote(now)),
            QStringLiteral("Änderung behalten")};
}

QString Incomplete()
{
    return QStringLiteral("FEHLER: Teilnehmerdaten unvollständig!");
}

QString SelectFirstToRemove()
{
    return QStringLiteral("Zum Löschen erst einen Eintrag aus der Liste auswählen!");
}

QString BadDate()
{
    return QStringLiteral("FEHLER: Datum falsch!");
}

QString NotANumber()
{
    return QStringLiteral("Geben Sie bitte eine ganze Zahl ein.");
}

QString ExitQuestion()
{
    return QStringLiteral("Beenden ohne Speichern?");
}

QString DiscardQuestion()
{
    return QStringLiteral("Ungespeicherte Änderungen verwerfen?");
}

QString InvalidFileName()
{
    return QStringLiteral("FEHLER: Ungültiger Dateiname!");
}

QString NothingToSave()
{
    return QStringLiteral("Fehler beim Speichern: Meldeliste leer!");
}

QString PdfNotSaved()
{
    return QStringLiteral("PDF-Datei konnte nicht gespeichert werden!");
}

QString AlreadyInList(const QString& text, qint32 year)
{
    // The same child twice is a slip far more often than twins of one name.
    return QStringLiteral("%1 (%2) ist schon in der Liste. Trotzdem hinzufügen?")
        .arg(Quote(text))
        .arg(year);
}

QString NothingToUndo()
{
    return QStringLiteral("Nichts rückgängig zu machen.");
}

QString NothingToRedo()
{
    return QStringLiteral("Nichts zu wiederholen.");
}

QString PrintBlocked(EntryDocument::PrintBlock why)
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

QString FileDone(FileAction action, const QString& fileName, const QString& time)
{
    const QString what = action == FileAction::Saved    ? QStringLiteral("Gespeichert")
                         : action == FileAction::Loaded ? QStringLiteral("Geladen")
                                                        : QStringLiteral("PDF gespeichert");
    return QStringLiteral("%1: %2, %3").arg(what, fileName, time);
}

QString HistoryStep(bool undone, const QString& step)
{
    return (undone ? QStringLiteral("Rückgängig: ") : QStringLiteral("Wiederholt: ")) + step;
}

QString UnsavedChanges()
{
    return QStringLiteral("Ungespeicherte Änderungen");
}

} // namespace messages
