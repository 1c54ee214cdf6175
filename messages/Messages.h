#pragma once
// Every result that a user must read, turned into German in one place: the loads and saves of
// files, the entry file reader's refusals and the member list's parse errors. The window, the
// import and the gathering say the same sentence where they report the same thing; the limits in
// the sentences come from the constants that enforce them. Each sentence goes through Qt's
// translation (i18n/zandrel_de.ts), which gives a sentence with a count its singular and plural.

#include "entryfile/EntryFile.h"
#include "memberlist/MemberList.h"
#include "textfile/SafeFile.h"

#include <QDate>
#include <QString>
#include <QTime>

namespace messages {

struct Message
{
    QString text;
    bool stop = false; ///< shown with the stop icon (nothing was changed, but something is wrong)
};

/// A value inside a sentence, in German quotation marks: „TV Musterstadt“.
QString quoted(const QString& text);
/// An amount of money as German text: "5,50 €".
QString money(qint64 cents);
/// "TT.MM.JJJJ".
QString dateText(const QDate& date);

/// A path as messages show it: with the platform's separators.
QString shown(const QString& path);

/// Why a file could not be read. `subject` starts the sentence: the shown path, or "Die Datei"
/// where the path stands beside the message anyway (the gathering's report).
Message loadFailed(textfile::LoadResult result, const QString& subject);

/// "Laden" of an entry file: the window's own sentences where it has them.
Message entryFileLoadFailed(textfile::LoadResult result, const QString& path);

/// Why an entry file's content was refused; subject as for LoadFailed.
QString refused(entryfile::Content::Refusal refusal, const QString& subject);

/// A file that is no entry file although nothing in it was refused: it has neither "VEREIN:" nor
/// "VERANSTALTUNG:" (a CSV list, any other text); subject as for LoadFailed.
QString notAnEntryFile(const QString& subject);

/// Why the entry file bytes are not saved: the load would refuse the file they make.
QString unsavable(entryfile::Unloadable why, const QString& path);

/// Why saving a file failed: the entry file with the window's own sentence for a file that could
/// not be written, the PDF saying why, and any other file.
Message entryFileSaveFailed(textfile::SaveResult result, const QString& path);
Message pdfSaveFailed(textfile::SaveResult result, const QString& path);
Message saveFailed(textfile::SaveResult result, const QString& path);

/// Why a file gives no member list; empty for ParseError::None.
QString memberListUnusable(memberlist::ParseError error, const QString& path);

/// Why a row of the member list cannot be taken as it is, reasons joined by "; "; empty when it
/// can.
QString importReason(const memberlist::Candidate& candidate);

/// A column of the member list by what it holds: "Vorname", "Name", "Jahrgang", "Geschlecht".
QString memberField(memberlist::Field field);

/// The import preview: columns the header lacks, and how many rows the import would take.
QString importColumnsMissing(const QStringList& fields);
QString importTakes(qsizetype checked, qsizetype rows);

/// The status line after an import.
QString imported(qsizetype count, const QString& fileName);

/// An import that would make the list longer than a load accepts.
QString importTooMany();

/// A loaded file's club or event that no list item is: the choice was cleared, so the file cannot
/// be saved under a club or event it did not name. Empty when the file named both. `fileName` is
/// the file as the status line shows it.
QString headerNotFound(const entryfile::HeaderSelection& selection, const QString& fileName);
/// The same in a few words for the status line.
QString headerNotFoundShort(const entryfile::HeaderSelection& selection);

/// The second line of a refused participant: the first field, in the window's order, that one of
/// `gaps` (entry::Gap) names, and why. Empty without gaps. `thisYear` is the current UTC year.
QString incompleteField(unsigned gaps, qint32 year, int thisYear);
/// A year that the year field refused, with the allowed range.
QString yearOutsideWindow(qint32 year, int thisYear);

/// "Hinzu" while the selected row was renamed in the fields: keep the old participant and add the
/// new one, or keep the change. `before` and `now` as the editing label shows them.
struct RenamedQuestion
{
    QString text;
    QString addNew;     ///< the default answer
    QString keepChange; ///< the other answer
};
RenamedQuestion renamedInPlace(const QString& before, const QString& now);

// The window's own sentences, word for word as the program has always said them.
QString incomplete();          ///< "Hinzu" with a field missing or a year outside the window
QString selectFirstToRemove(); ///< "Entfernen" with no row selected
/// Typed text in "Verein" or "Veranstaltung" that names no item; `holding` are the items that
/// contain it (none, or more than one).
QString typedClubNotChosen(const QString& typed, const QStringList& holding);
QString typedEventNotChosen(const QString& typed, const QStringList& holding);
QString badDate();         ///< the year field left with a year outside the window
QString notANumber();      ///< the year field holds no whole number
QString exitQuestion();    ///< leaving with unsaved changes
QString discardQuestion(); ///< a load would replace unsaved changes
QString invalidFileName(); ///< the file dialog gave no usable name
QString nothingToSave();   ///< "Speichern" with an empty list
QString pdfNotSaved();     ///< the PDF could not be made at all
QString printFailed();     ///< the printer refused the registration
/// "Hinzu" for a participant the list already holds.
QString alreadyInList(const QString& text, qint32 year);
/// A command's shortcut while it cannot run: why.
QString nothingToUndo();
QString nothingToRedo();
/// Why the registration cannot be printed or sent yet (the document's printBlocker()).
enum class PrintBlock
{
    None,
    NoClubOrEvent,
    Empty
};
QString printBlocked(PrintBlock why);

/// The status line: what the last action was, and whether anything is unsaved.
enum class FileAction
{
    Saved,
    Loaded,
    PdfSaved
};
/// "Gespeichert: a.mdg, 14:03": the file at `path`, at the time `at`.
QString fileDone(FileAction action, const QString& path, const QTime& at);
QString historyStep(bool undone, const QString& step);
QString unsavedChanges();

/// A part of the installation that is missing: the extras module (print, gathering), and the
/// manual (as the page the help window shows instead).
QString notFullyInstalled(const QString& modulePath);
QString helpMissing(const QString& helpPath);

/// The contact person's fields: a control character in the field named `field`, an address a mail
/// program cannot take.
QString contactHasControl(const QString& field);
QString contactEmailInvalid(const QString& email);

/// The program's command line: the usage line for `program`, what -h adds to it, and why the
/// arguments were refused (each a line of its own, ending in a line break).
QString usage(const QString& program);
QString commandLineHelp();
QString onlyOneFileToOpen(bool invitation);
/// An option neither the window program nor zandrel-sammeln knows (one sentence, no line break).
QString unknownOption(const QString& option);

} // namespace messages
