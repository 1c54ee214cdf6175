#pragma once
// Every result that a user must read, turned into German in one place: the loads and saves of
// files, the entry file reader's refusals and the member list's parse errors. The window, the
// import and the gathering say the same sentence where they report the same thing; the limits in
// the sentences come from the constants that enforce them.

#include "entries/EntryDocument.h"
#include "entryfile/EntryFile.h"
#include "memberlist/MemberList.h"
#include "textfile/SafeFile.h"

#include <QString>

namespace messages {

struct Message
{
    QString text;
    bool stop = false; ///< shown with the stop icon (nothing was changed, but something is wrong)
};

/// A path as messages show it: with the platform's separators.
QString Shown(const QString& path);

/// Why a file could not be read. `subject` starts the sentence: the shown path, or "Die Datei"
/// where the path stands beside the message anyway (the gathering's report).
Message LoadFailed(textfile::LoadResult result, const QString& subject);

/// "Laden" of an entry file: the window's own sentences where it has them.
Message EntryFileLoadFailed(textfile::LoadResult result, const QString& path);

/// Why an entry file's content was refused; subject as for LoadFailed.
QString Refused(entryfile::Content::Refusal refusal, const QString& subject);

/// A file that is no entry file although nothing in it was refused: it has neither "VEREIN:" nor
/// "VERANSTALTUNG:" (a CSV list, any other text); subject as for LoadFailed.
QString NotAnEntryFile(const QString& subject);

/// Why the entry file bytes are not saved: the load would refuse the file they make.
QString Unsavable(entryfile::Unloadable why, const QString& path);

/// Why saving a file failed: the entry file with the window's own sentence for a file that could
/// not be written, the PDF saying why, and any other file.
Message EntryFileSaveFailed(textfile::SaveResult result, const QString& path);
Message PdfSaveFailed(textfile::SaveResult result, const QString& path);
Message SaveFailed(textfile::SaveResult result, const QString& path);

/// Why a file gives no member list; empty for ParseError::None.
QString MemberListUnusable(memberlist::ParseError error, const QString& path);

/// The import preview: columns the header lacks, and how many rows the import would take.
QString ImportColumnsMissing(const QStringList& fields);
QString ImportTakes(qsizetype checked, qsizetype rows);

/// The status line after an import.
QString Imported(qsizetype count, const QString& fileName);

/// An import that would make the list longer than a load accepts.
QString ImportTooMany();

/// A loaded file's club or event that no list item is: the choice was cleared, so the file cannot
/// be saved under a club or event it did not name. Empty when the file named both. `fileName` is
/// the file as the status line shows it.
QString HeaderNotFound(const entryfile::HeaderSelection& selection, const QString& fileName);
/// The same in a few words for the status line.
QString HeaderNotFoundShort(const entryfile::HeaderSelection& selection);

/// The second line of a refused participant: the first field, in the window's order, that one of
/// `gaps` (entry::Gap) names, and why. Empty without gaps. `thisYear` is the current UTC year.
QString IncompleteField(unsigned gaps, qint32 year, int thisYear);
/// A year that the year field refused, with the allowed range.
QString YearOutsideWindow(qint32 year, int thisYear);

/// "Hinzu" while the selected row was renamed in the fields: keep the old participant and add the
/// new one, or keep the change. `before` and `now` as the editing label shows them.
struct RenamedQuestion
{
    QString text;
    QString addNew;     ///< the default answer
    QString keepChange; ///< the other answer
};
RenamedQuestion RenamedInPlace(const QString& before, const QString& now);

// The window's own sentences, word for word as the program has always said them.
QString Incomplete();          ///< "Hinzu" with a field missing or a year outside the window
QString SelectFirstToRemove(); ///< "Entfernen" with no row selected
QString BadDate();             ///< the year field left with a year outside the window
QString NotANumber();          ///< the year field holds no whole number
QString ExitQuestion();        ///< leaving with unsaved changes
QString DiscardQuestion();     ///< a load would replace unsaved changes
QString InvalidFileName();     ///< the file dialog gave no usable name
QString NothingToSave();       ///< "Speichern" with an empty list
QString PdfNotSaved();         ///< the PDF could not be made at all
/// "Hinzu" for a participant the list already holds.
QString AlreadyInList(const QString& text, qint32 year);
/// A command's shortcut while it cannot run: why.
QString NothingToUndo();
QString NothingToRedo();
QString PrintBlocked(EntryDocument::PrintBlock why);

/// The status line: what the last action was, and whether anything is unsaved.
enum class FileAction
{
    Saved,
    Loaded,
    PdfSaved
};
QString FileDone(FileAction action, const QString& fileName, const QString& time);
QString HistoryStep(bool undone, const QString& step);
QString UnsavedChanges();

} // namespace messages
