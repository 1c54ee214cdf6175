#include "Messages.h"

#include "Entry.h"

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
        return {QStringLiteral("%1 ist keine gewöhnliche Datei und wird nicht gelesen.").arg(subject)};
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

} // namespace messages
