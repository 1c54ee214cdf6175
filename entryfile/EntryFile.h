#pragma once
// The entry file (".mdg", "Meldedatei"): one club's registration for one event as Windows-1252
// text lines with CR LF. Writing and reading are pure functions over bytes, so they can be tested
// and fuzzed without a window; the main window binds them to its buttons and controls.
//
//   VEREIN: <club> \r\n
//   VERANSTALTUNG: <event> \r\n
//   <display text, blank-filled to 40 bytes>,<m|w>,<year, right-aligned in 4 columns>\r\n  (per
//   entry)

#include "entries/Entry.h"
#include "textfile/SafeFile.h"
#include "textfile/TextEncoding.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace entryfile {

/// The two header lines and one entry line per entry, in the given order, CR LF, Windows-1252.
/// A character that Windows-1252 cannot hold is written as '?'. A line feed or a 0x1A inside a
/// value is written as a blank: either would otherwise split the line or cut off the rest of the
/// file when it is read back.
QByteArray write(const QString& club, const QString& event, const QList<EntryRow>& entries);

/// A value found behind "VEREIN: " or "VERANSTALTUNG: ". One line can carry a club value and then
/// an event value; `line` (counted from 0) tells which values belong to the same line.
struct HeaderValue
{
    enum Kind
    {
        Club,
        Event
    };
    Kind kind = Club;
    QString value;
    qsizetype line = 0;

    friend bool operator==(const HeaderValue&, const HeaderValue&) = default;
};

/// A file with more entries than a list may hold is refused rather than loaded.
inline constexpr qsizetype kMaxEntries = entry::kMaxEntries;
/// A real file has two header lines; thousands mean it is no entry file.
inline constexpr qsizetype kMaxHeaderValues = 1000;

struct Content
{
    enum class Refusal
    {
        None,
        NotText, ///< NUL bytes: a binary file, or UTF-16 without its byte-order mark
        TooMany, ///< more than kMaxEntries entries or kMaxHeaderValues header values
    };
    QList<HeaderValue> headers;      ///< in file order
    QList<EntryRow> entries;         ///< in file order; codes carry CheckBirthYear's verdict
    Refusal refusal = Refusal::None; ///< anything but None: headers and entries are empty
    QList<qsizetype> entryLines;     ///< the line of each entry, counted from 1, for reports
    /// The year as the file writes it ("1890"), by entry index, for the entries whose year is no
    /// valid birth year: a report can then say what is wrong.
    QHash<qsizetype, QString> invalidYears;
};

/// Reads a whole entry file. Never fails: lines that are neither header nor entry lines are
/// skipped, so any bytes give a well-defined result.
///  - 0x1A ends the file; LF ends a line, a CR right before it is dropped. A file without any LF
///    but with CRs (old Mac line ends) has its lines ended by CR.
///  - Lines without a comma are header lines, lines with one or two commas are skipped, lines with
///    three or more are entry lines: gender letter and year stand behind the last two commas, the
///    display text is everything before them (blanks at its right end removed).
///  - A file that starts with a UTF-16 byte-order mark is decoded as UTF-16 (a Windows editor's
///    "Unicode"). A file that is valid UTF-8 and holds non-ASCII bytes is decoded as UTF-8 (a BOM
///    is skipped), every other file as Windows-1252.
///  - A file with NUL bytes, or with more entries or header values than the limits above, is
///    refused: see Content::refusal.
Content read(QByteArrayView bytes, int currentUtcYear);

/// Whether the content is an entry file at all: one is always written with its two header lines,
/// even when club and event are empty, so a file without any "VEREIN:" or "VERANSTALTUNG:" value
/// (the gathered CSV list, any other text) is none, whatever its lines look like.
bool isEntryFile(const Content& content);

/// Why a save of these entry file bytes would give a file that loading refuses; None when it
/// loads. A save must not report success for a file that cannot be opened again.
enum class Unloadable
{
    None,
    TooLarge, ///< more than textfile::kMaxFileSize bytes
    NotText,  ///< the reader would refuse it as binary
    TooMany,  ///< more entries or header values than the reader takes
};
Unloadable checkLoadable(QByteArrayView bytes);

/// The item a file's club or event names: the item equal to the value (ignoring case), else the
/// one item that begins with it, ignoring case; -1 when none, or when several begin with it and
/// none is equal. An empty value names nothing, so a file saved without a club or an event
/// selects no item. A registration must never be saved under a club or event that its file did
/// not name: the first of several items that merely begin alike would be such a guess.
int findItem(const QStringList& items, const QString& value);

/// What the header values of a file do to the window's two drop-down lists. The last value of
/// each kind is the file's: a file written by the program has one of each.
struct HeaderSelection
{
    int club = -1;  ///< the item the file names in the club list, -1: none (the choice is cleared)
    int event = -1; ///< the same for the event list
    QString clubValue;  ///< the file's club as written; empty when it has none
    QString eventValue; ///< the file's event as written
};

HeaderSelection matchHeaders(const QList<HeaderValue>& headers, const QStringList& clubs,
                             const QStringList& events);

/// Saving a registration to `path` as one operation: the bytes, the check that loading would take
/// them, and the safe write (the old file stays as it was on any failure).
struct Saved
{
    Unloadable unloadable = Unloadable::None; ///< not None: nothing was written
    textfile::SaveResult write = textfile::SaveResult::Ok;
    bool ok() const { return unloadable == Unloadable::None && write == textfile::SaveResult::Ok; }
};
Saved save(const QString& path, const QString& club, const QString& event,
           const QList<EntryRow>& entries);

/// Loading an entry file as one operation: read from disk, refused as the reader refuses, or not
/// an entry file at all; when `ok`, the content and what its headers select in the two lists.
struct Loaded
{
    enum class Failure
    {
        None,
        NotRead,    ///< see `read`
        Refused,    ///< see `content.refusal`
        NoEntryFile ///< no "VEREIN:" or "VERANSTALTUNG:" line
    } failure = Failure::None;
    textfile::LoadResult read = textfile::LoadResult::Ok;
    Content content;
    HeaderSelection selection;
    bool ok() const { return failure == Failure::None; }
};
Loaded load(const QString& path, const QStringList& clubs, const QStringList& events,
            int currentUtcYear);

/// The name the save proposes while automatic naming is on: "<event> <year> <club>.mdg", made a
/// safe file name (textfile::safeFileName). A usual name stays exactly as it is; one with "/",
/// "..", a drive or a device name in it still names a file right in the folder the dialog shows.
QString automaticName(const QString& event, int localYear, const QString& club);

/// The calendar year of the local time (the birth-year check uses UTC instead).
int currentLocalYear();

} // namespace entryfile
