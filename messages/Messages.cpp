#include "messages/Messages.h"

#include "entries/Entry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace messages {
namespace {

// The sentences of this file, for lupdate and i18n/zandrel_de.ts, under "Messages".
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Messages)
};

QString number(qint64 n)
{
    return QLocale(QLocale::German).toString(n);
}

constexpr qint64 kMaxMegabytes = textfile::kMaxFileSize / (1024 * 1024);

} // namespace

QString quoted(const QString& text)
{
    return Text::tr("„%1“").arg(text);
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
        return {Text::tr("%1 lässt sich nicht öffnen.").arg(subject)};
    case textfile::LoadResult::NotAFile:
        return {Text::tr("%1 ist keine gewöhnliche Datei und wird nicht gelesen.").arg(subject)};
    case textfile::LoadResult::ReadFailed:
        return {Text::tr("%1 lässt sich nicht lesen.").arg(subject), true};
    case textfile::LoadResult::TooLarge:
        return {Text::tr("%1 ist größer als %2 MB und wird nicht gelesen: So groß ist keine "
                         "Meldedatei und keine Mitgliederliste.")
                    .arg(subject, QString::number(kMaxMegabytes)),
                true};
    }
    return {};
}

Message entryFileLoadFailed(textfile::LoadResult result, const QString& path)
{
    switch (result) {
    case textfile::LoadResult::CannotOpen:
        return {Text::tr("FEHLER: Meldedatei nicht gefunden!")};
    case textfile::LoadResult::ReadFailed:
        // Nothing was changed: the whole file is read before the list is touched.
        return {Text::tr("Ein unbekannter Fehler ist beim Zugriff auf %1 aufgetreten.")
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
        return Text::tr("%1 ist keine Meldedatei: Sie enthält Zeichen, die in keiner Textdatei "
                        "stehen.")
            .arg(subject);
    case entryfile::Content::Refusal::TooMany:
        return Text::tr("%1 wird nicht geladen: Sie enthält mehr als %2 Einträge und ist keine "
                        "Meldedatei eines Vereins.")
            .arg(subject, number(entry::kMaxEntries));
    }
    return {};
}

QString notAnEntryFile(const QString& subject)
{
    return Text::tr("%1 ist keine Meldedatei: Sie enthält weder „VEREIN:“ noch „VERANSTALTUNG:“.")
        .arg(subject);
}

QString unsavable(entryfile::Unloadable why, const QString& path)
{
    switch (why) {
    case entryfile::Unloadable::None:
        break;
    case entryfile::Unloadable::TooLarge:
        return Text::tr("%1 wird nicht gespeichert: Sie würde größer als %2 MB und ließe sich "
                        "nicht wieder laden. Die Änderungen gelten weiter als ungespeichert.")
            .arg(shown(path), QString::number(kMaxMegabytes));
    case entryfile::Unloadable::TooMany:
        return Text::tr("%1 wird nicht gespeichert: Sie hätte mehr als %2 Einträge und ließe sich "
                        "nicht wieder laden. Die Änderungen gelten weiter als ungespeichert.")
            .arg(shown(path), number(entry::kMaxEntries));
    case entryfile::Unloadable::NotText:
        return Text::tr("%1 wird nicht gespeichert: Sie enthielte Zeichen, die in keiner Textdatei "
                        "stehen, und ließe sich nicht wieder laden. Die Änderungen gelten weiter "
                        "als ungespeichert.")
            .arg(shown(path));
    }
    return {};
}

Message entryFileSaveFailed(textfile::SaveResult result, const QString& path)
{
    switch (result) {
    case textfile::SaveResult::CannotOpen:
    case textfile::SaveResult::WriteFailed:
        return {Text::tr("Meldedatei konnte nicht gespeichert werden!")};
    default:
        return saveFailed(result, path);
    }
}

Message pdfSaveFailed(textfile::SaveResult result, const QString& path)
{
    switch (result) {
    case textfile::SaveResult::CannotOpen:
        return {Text::tr("PDF-Datei konnte nicht gespeichert werden: %1 lässt sich nicht anlegen. "
                         "Fehlt der Ordner, oder ist er schreibgeschützt?")
                    .arg(shown(path))};
    case textfile::SaveResult::WriteFailed:
        return {Text::tr("PDF-Datei konnte nicht gespeichert werden: Beim Schreiben von %1 trat "
                         "ein Fehler auf.")
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
        return {Text::tr("%1 lässt sich nicht anlegen. Fehlt der Ordner, oder ist er "
                         "schreibgeschützt?")
                    .arg(shown(path))};
    case textfile::SaveResult::WriteFailed:
        return {Text::tr("Beim Schreiben von %1 trat ein Fehler auf; eine ältere Datei dieses "
                         "Namens ist unverändert.")
                    .arg(shown(path)),
                true};
    case textfile::SaveResult::NotAFile:
        return {Text::tr("%1 ist keine gewöhnliche Datei und wird nicht überschrieben. Bitte "
                         "wählen Sie einen anderen Namen.")
                    .arg(shown(path))};
    case textfile::SaveResult::DiskFull:
        return {
            Text::tr("Beim Zugriff auf %1 wurde ein voller Datenträger gemeldet.").arg(shown(path)),
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
        return Text::tr("%1 ist keine Mitgliederliste: Eine CSV-Datei trennt ihre Spalten durch "
                        "Semikolon, Komma oder Tabulator.")
            .arg(file);
    case memberlist::ParseError::Empty:
        return Text::tr("%1 ist leer.").arg(file);
    case memberlist::ParseError::NoHeader:
        return Text::tr("In %1 fehlt die Kopfzeile: Die erste Zeile muss die Spalten benennen, "
                        "etwa „Vorname“, „Name“, „Jahrgang“ und „Geschlecht“.")
            .arg(file);
    case memberlist::ParseError::NoRows:
        return Text::tr("%1 enthält keine Mitglieder, nur die Kopfzeile.").arg(file);
    case memberlist::ParseError::TooMany:
        return Text::tr("%1 wird nicht importiert: Die Datei enthält mehr als %2 Zeilen.")
            .arg(file, number(entry::kMaxEntries));
    case memberlist::ParseError::TooManyColumns:
        return Text::tr("%1 wird nicht importiert: Eine Zeile hat mehr als %2 Spalten.")
            .arg(file, number(memberlist::kMaxColumns));
    }
    return {};
}

QString importTooMany()
{
    return Text::tr("Die Liste hätte danach mehr als %1 Einträge; es wurde nichts übernommen.")
        .arg(number(entry::kMaxEntries));
}

QString headerNotFound(const entryfile::HeaderSelection& selection, const QString& fileName)
{
    QStringList sentences;
    if (selection.club < 0)
        sentences << (selection.clubValue.isEmpty()
                          ? Text::tr("%1 nennt keinen Verein.").arg(quoted(fileName))
                          : Text::tr("Der Verein %1 aus %2 steht nicht in der Liste.")
                                .arg(quoted(selection.clubValue), quoted(fileName)));
    if (selection.event < 0)
        sentences << (selection.eventValue.isEmpty()
                          ? Text::tr("%1 nennt keine Veranstaltung.").arg(quoted(fileName))
                          : Text::tr("Die Veranstaltung %1 aus %2 steht nicht in der Liste.")
                                .arg(quoted(selection.eventValue), quoted(fileName)));
    if (sentences.isEmpty())
        return {};
    sentences << (selection.club < 0 && selection.event < 0
                      ? Text::tr("Die Teilnehmer sind geladen; wählen Sie bitte Verein und "
                                 "Veranstaltung, bevor Sie speichern.")
                  : selection.club < 0
                      ? Text::tr("Die Teilnehmer sind geladen; wählen Sie bitte den Verein, bevor "
                                 "Sie speichern.")
                      : Text::tr("Die Teilnehmer sind geladen; wählen Sie bitte die "
                                 "Veranstaltung, bevor Sie speichern."));
    return sentences.join(u' ');
}

QString headerNotFoundShort(const entryfile::HeaderSelection& selection)
{
    QStringList parts;
    if (selection.club < 0)
        parts << (selection.clubValue.isEmpty()
                      ? Text::tr("Verein fehlt")
                      : Text::tr("Verein %1 unbekannt").arg(quoted(selection.clubValue)));
    if (selection.event < 0)
        parts << (selection.eventValue.isEmpty()
                      ? Text::tr("Veranstaltung fehlt")
                      : Text::tr("Veranstaltung %1 unbekannt").arg(quoted(selection.eventValue)));
    return parts.join(QStringLiteral(" · "));
}

QString memberField(memberlist::Field field)
{
    switch (field) {
    case memberlist::FirstName:
        return Text::tr("Vorname");
    case memberlist::Name:
        return Text::tr("Name");
    case memberlist::Year:
        return Text::tr("Jahrgang");
    case memberlist::Gender:
        break;
    }
    return Text::tr("Geschlecht");
}

QString importColumnsMissing(const QStringList& fields)
{
    return Text::tr("In der Kopfzeile fehlt: %1. Bitte die Spalte wählen, die es enthält.")
        .arg(fields.join(QStringLiteral(", ")));
}

QString importTakes(qsizetype checked, qsizetype rows)
{
    return Text::tr("%1 von %2 Zeilen werden übernommen.")
        .arg(QString::number(checked), QString::number(rows));
}

QString imported(qsizetype count, const QString& fileName)
{
    return Text::tr("Importiert: %1 Teilnehmer aus %2").arg(number(count), fileName);
}

QString yearOutsideWindow(qint32 year, int thisYear)
{
    return Text::tr("Jahrgang %1: erlaubt sind %2–%3.")
        .arg(QString::number(year), QString::number(thisYear - 99), QString::number(thisYear - 1));
}

QString incompleteField(unsigned gaps, qint32 year, int thisYear)
{
    if (gaps & entry::NoFirstName)
        return Text::tr("Der Vorname fehlt.");
    if (gaps & entry::NoName)
        return Text::tr("Der Name fehlt.");
    // The empty field reads as year 0: that is a year not typed yet, not a wrong one.
    if ((gaps & entry::YearOutside) && year == 0)
        return Text::tr("Der Jahrgang fehlt.");
    if (gaps & entry::YearOutside)
        return yearOutsideWindow(year, thisYear);
    if (gaps & entry::NoGender)
        return Text::tr("Das Geschlecht fehlt.");
    return {};
}

RenamedQuestion renamedInPlace(const QString& before, const QString& now)
{
    return {Text::tr("Sie haben %1 in %2 geändert.").arg(quoted(before), quoted(now)),
            Text::tr("%1 behalten und %2 neu hinzufügen").arg(quoted(before), quoted(now)),
            Text::tr("Änderung behalten")};
}

QString incomplete()
{
    return Text::tr("FEHLER: Teilnehmerdaten unvollständig!");
}

QString selectFirstToRemove()
{
    return Text::tr("Zum Löschen erst einen Eintrag aus der Liste auswählen!");
}

QString typedClubNotChosen(const QString& typed, const QStringList& holding)
{
    if (holding.isEmpty())
        return Text::tr("Kein Verein heißt %1 oder enthält es; bitte einen aus der Liste wählen.")
            .arg(quoted(typed));
    return Text::tr("%1 steht in %n Vereinen (%2); bitte einen wählen.", nullptr,
                    static_cast<int>(holding.size()))
        .arg(quoted(typed), holding.join(QStringLiteral(", ")));
}

QString typedEventNotChosen(const QString& typed, const QStringList& holding)
{
    if (holding.isEmpty())
        return Text::tr("Keine Veranstaltung heißt %1 oder enthält es; bitte eine aus der Liste "
                        "wählen.")
            .arg(quoted(typed));
    return Text::tr("%1 steht in %n Veranstaltungen (%2); bitte eine wählen.", nullptr,
                    static_cast<int>(holding.size()))
        .arg(quoted(typed), holding.join(QStringLiteral(", ")));
}

QString badDate()
{
    return Text::tr("FEHLER: Datum falsch!");
}

QString notANumber()
{
    return Text::tr("Geben Sie bitte eine ganze Zahl ein.");
}

QString exitQuestion()
{
    return Text::tr("Beenden ohne Speichern?");
}

QString discardQuestion()
{
    return Text::tr("Ungespeicherte Änderungen verwerfen?");
}

QString invalidFileName()
{
    return Text::tr("FEHLER: Ungültiger Dateiname!");
}

QString nothingToSave()
{
    return Text::tr("Fehler beim Speichern: Meldeliste leer!");
}

QString pdfNotSaved()
{
    return Text::tr("PDF-Datei konnte nicht gespeichert werden!");
}

QString alreadyInList(const QString& text, qint32 year)
{
    // The same child twice is a slip far more often than twins of one name.
    return Text::tr("%1 (%2) ist schon in der Liste. Trotzdem hinzufügen?")
        .arg(quoted(text), QString::number(year));
}

QString nothingToUndo()
{
    return Text::tr("Nichts rückgängig zu machen.");
}

QString nothingToRedo()
{
    return Text::tr("Nichts zu wiederholen.");
}

QString printBlocked(PrintBlock why)
{
    switch (why) {
    case PrintBlock::None:
        break;
    case PrintBlock::NoClubOrEvent:
        return Text::tr("Erst Verein und Veranstaltung wählen.");
    case PrintBlock::Empty:
        return Text::tr("Die Meldeliste ist leer.");
    }
    return {};
}

QString fileDone(FileAction action, const QString& path, const QTime& at)
{
    const QString fileName = QFileInfo(path).fileName();
    const QString time = QLocale(QLocale::German).toString(at, QStringLiteral("HH:mm"));
    switch (action) {
    case FileAction::Saved:
        return Text::tr("Gespeichert: %1, %2").arg(fileName, time);
    case FileAction::Loaded:
        return Text::tr("Geladen: %1, %2").arg(fileName, time);
    case FileAction::PdfSaved:
        break;
    }
    return Text::tr("PDF gespeichert: %1, %2").arg(fileName, time);
}

QString historyStep(bool undone, const QString& step)
{
    return (undone ? Text::tr("Rückgängig: %1") : Text::tr("Wiederholt: %1")).arg(step);
}

QString unsavedChanges()
{
    return Text::tr("Ungespeicherte Änderungen");
}

QString importReason(const memberlist::Candidate& c)
{
    QStringList reasons;
    if (c.problems & memberlist::NoName)
        reasons << Text::tr("Name fehlt");
    if (c.problems & memberlist::NoFirstName)
        reasons << Text::tr("Vorname fehlt");
    if (c.problems & memberlist::BadYear)
        reasons << (c.yearText.isEmpty() ? Text::tr("Jahrgang fehlt")
                                         : Text::tr("Jahrgang ungültig"));
    if (c.problems & memberlist::TooLong)
        reasons << Text::tr("länger als %1 Zeichen").arg(entry::kMostNameChars);
    if (c.problems & memberlist::CommaInName)
        reasons << Text::tr("Komma im Namen nicht möglich");
    if ((c.problems & memberlist::BadCharacter) &&
        entry::firstControl(QString::fromUcs4(&c.badCharacter, 1)))
        reasons << Text::tr("Steuerzeichen nicht möglich");
    else if (c.problems & memberlist::BadCharacter)
        reasons
            << Text::tr("Zeichen „%1“ nicht möglich").arg(QString::fromUcs4(&c.badCharacter, 1));
    if (c.problems & memberlist::LostCharacter)
        reasons << Text::tr("Zeichen „?“ – beim Export verloren?");
    if (c.problems & memberlist::UnknownGender)
        reasons << (c.genderText.isEmpty() ? Text::tr("Geschlecht fehlt")
                                           : Text::tr("Geschlecht unbekannt"));
    if (c.problems & memberlist::InList)
        reasons << Text::tr("schon in der Liste");
    if (c.problems & memberlist::NotAdmitted)
        reasons << Text::tr("Jahrgang für die Veranstaltung nicht zugelassen");
    if (c.problems & memberlist::TwiceInFile)
        reasons << Text::tr("doppelt in der Datei");
    return reasons.join(QStringLiteral("; "));
}

QString printFailed()
{
    return Text::tr("Die Meldung konnte nicht gedruckt werden!");
}

QString usage(const QString& program)
{
    return Text::tr("Aufruf: %1 [DATEI.mdg] [AUSSCHREIBUNG.aus]\n").arg(program);
}

QString commandLineHelp()
{
    return Text::tr("Startet Zandrel; mit DATEI ist diese Meldedatei geladen, wie mit \"Laden\", "
                    "mit AUSSCHREIBUNG gelten deren Vereine und Veranstaltungen.\n");
}

QString unknownOption(const QString& option)
{
    return Text::tr("Unbekannte Option %1.").arg(option);
}

QString onlyOneFileToOpen(bool invitation)
{
    return invitation ? Text::tr("Nur eine Ausschreibung kann geöffnet werden.\n")
                      : Text::tr("Nur eine Meldedatei kann geöffnet werden.\n");
}

QString notFullyInstalled(const QString& modulePath)
{
    return Text::tr("Zandrel ist nicht vollständig installiert: %1 fehlt oder lässt sich nicht "
                    "laden.")
        .arg(shown(modulePath));
}

QString helpMissing(const QString& helpPath)
{
    return Text::tr("<h1>Hilfe nicht gefunden</h1><p>Die Hilfedatei <tt>%1</tt> fehlt. Bitte "
                    "installieren Sie Zandrel neu.</p>")
        .arg(helpPath.toHtmlEscaped());
}

QString contactHasControl(const QString& field)
{
    return Text::tr("Das Feld „%1“ enthält ein Steuerzeichen; bitte neu eingeben.").arg(field);
}

QString contactEmailInvalid(const QString& email)
{
    return Text::tr("„%1“ ist keine einfache E-Mail-Adresse wie eva@tv-musterstadt.de: genau ein "
                    "@, davor Buchstaben ohne Umlaute, Ziffern und Zeichen wie . _ - + (nicht zu "
                    "Beginn), danach ein Name mit Punkt.")
        .arg(email);
}

} // namespace messages
