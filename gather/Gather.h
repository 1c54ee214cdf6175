#pragma once
// Gathering the clubs' registrations for the organiser: every entry file of a folder (one per club
// and event) becomes one list of all participants, checked on the way. The command
// zandrel-sammeln is a thin main over these functions; a window can call them just the same.

#include "invitation/Invitation.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace gather {

struct Options
{
    QStringList paths; ///< entry files and folders, as the user gave them
    /// More of them as the system spells them (the command's arguments: on Linux any bytes, not
    /// always valid UTF-8); read after `paths`.
    std::vector<std::filesystem::path> systemPaths;
    /// Where set, the report and the list's "Datei" column show the files below this folder
    /// relative to it (the window's report, for the folder the user chose).
    QString relativeTo;
    bool recursive = false; ///< also look into the folders' sub-folders
    QStringList clubs;      ///< the program's club list: a file's club must be one of them
    QStringList events;     ///< the program's event list
    int currentUtcYear = 0; ///< birth years are checked against it as the program does
    /// The organiser's event file: where given, its clubs and events take the place of `clubs`
    /// and `events` (an open one, without clubs, takes any club), and each event's birth years
    /// are checked.
    std::optional<invitation::Invitation> invitation;
    /// The day each file reached the organiser, as the organiser knows it (by the paths as given or
    /// found); more are read from a receipt table (kReceiptTable) in each folder gathered. Only a
    /// known receipt date makes a file late: see Receipt.
    QHash<QString, QDate> receipts;
    /// Called after each file with the number of files read so far and the total.
    std::function<void(qsizetype done, qsizetype total)> progress;
};

struct Problem
{
    enum Kind
    {
        CannotRead,   ///< missing, unreadable (also a sub-folder), a pipe, too large
        NotEntryFile, ///< binary, too many lines, or neither header nor entry lines
        NoFiles,      ///< a folder without any entry file
        ClubMissing,
        ClubUnknown, ///< not in the program's club list
        EventMissing,
        EventUnknown,
        InvalidYear,
        YearNotAdmitted,  ///< a valid year outside the event file's years for the event
        DuplicateInFile,  ///< the same participant twice in one file
        DuplicateInClubs, ///< the same participant in two clubs' files for one event
        Superseded,       ///< an older file for the same club and event: not counted
        LateEntry,        ///< received after the deadline: the late fee, explained
        ReceiptUnknown,   ///< possibly late, but when it came is not known: the normal fee
        ReceiptTable,     ///< a line of a receipt table that cannot be used
    };
    Kind kind = CannotRead;
    QString path;
    qsizetype line = 0; ///< counted from 1; 0 when the problem is the whole file
    QString message;    ///< German, without the path and line
    /// The finding as the club reads it in its confirmation, where that must differ from
    /// `message` (which may name another club's file in the organiser's folder).
    QString forClub{};
};

/// Whether a row is billed, as the club's own form billed it: everybody whose birth year the
/// event admits, in a file whose club and event the event file knows.
enum class Billing
{
    Billed,
    InQuestion, ///< billed, but registered twice: the organiser has to settle it ("zu klären")
    NotBilled,  ///< no valid admitted year, or a club or event the event file does not know
};

struct Row
{
    QString club;
    QString event;
    QString name;
    QString firstName;
    int year = -1;       ///< -1: not a valid birth year
    QString yearText;    ///< the year as the file writes it, where it is no valid birth year
    int gender = 0;      ///< entry::Female or entry::Male
    qsizetype file = 0;  ///< index into Result::files
    QStringList notes{}; ///< what the report says about the row (or its whole file), in German
    Billing billing = Billing::Billed;
};

/// When a file reached the organiser, as far as the late fee is concerned. A file's time on disk
/// is when it was copied there (from a mail, a stick, a zip), not when the club sent it: on its
/// own it never makes a file late.
struct Receipt
{
    enum Kind
    {
        Given,    ///< the organiser's receipt date
        OnDisk,   ///< no date given, but the file was on the organiser's disk before the deadline
        Unknown,  ///< no date given, and the file's time is after the deadline (or not known)
        NotAsked, ///< the event has no late fee, or the file no event of the event file
    };
    Kind kind = NotAsked;
    QDate date;        ///< the receipt date where Given
    bool late = false; ///< Given and after the deadline's day: the late fee applies
};

struct File
{
    QString path; ///< as shown to people: control characters and broken bytes escaped
    std::filesystem::path systemPath; ///< as the system spells it, to open the file by
    QString club; ///< as the lists spell it when the file's club was found there
    QString event;
    QDateTime modified;
    bool counted = false; ///< read, and not replaced by a newer file for the same club and event
    Receipt receipt{};
};

struct Result
{
    QList<File> files; ///< every file looked at, in the order found
    QList<Row> rows;   ///< the counted files' participants: event, club, then the list's order
    QList<Problem> problems; ///< in the order found
    qsizetype skipped = 0;   ///< files (and folders) that could not be read or are no entry files
    std::optional<invitation::Invitation> invitation; ///< the one the files were checked against

    bool allRead() const { return skipped == 0; }
    /// Whether a file may be late but its receipt date is not known (Receipt::Unknown).
    bool receiptsUnknown() const;
    /// The files whose participants are in the list.
    qsizetype filesCounted() const;
};

/// Reads, checks and sorts. Input files are only read, never changed.
Result run(const Options& options);

/// Participants per event and club, in the order of the rows.
struct Count
{
    QString event;
    QString club;
    qsizetype total = 0;
    qsizetype female = 0;
    qsizetype male = 0;
    qsizetype withNotes = 0; ///< rows the report says something about
};
QList<Count> counts(const Result& result);

/// What a club owes for an event, by the event file: one per club and event, in the order of the
/// rows. It is what the club's own form asked (Billing): a participant registered twice is in the
/// amount, and also in `inQuestionCents`, until the organiser settles it.
struct Fee
{
    QString club;
    QString clubNumber;
    QString event;
    qsizetype participants = 0; ///< rows billed (also those in question)
    qsizetype notBilled = 0;
    qsizetype inQuestion = 0;
    std::optional<qint64> feeCents{}; ///< per participant, by the file's receipt
    qint64 amountCents = 0;
    qint64 inQuestionCents = 0; ///< the part of the amount for participants registered twice
    QString reference{};        ///< the payment reference; empty without an account
    QString note{};      ///< why the fee is what it is (late fee, receipt unknown), in German
    qsizetype file = -1; ///< the counted file it bills, an index into Result::files

    Fee& operator+=(const Fee& other);
};
/// Empty without an event file.
QList<Fee> fees(const Result& result);
/// The fee of the counted file `file` before its rows are counted: the club, the event, the fee
/// per participant by the file's receipt and why.
Fee feeOfFile(const Result& result, qsizetype file);
/// The sum of all, for the sum rows.
Fee total(const QList<Fee>& fees);

/// A receipt date as people and spreadsheets write it: "30.11.2026", "1.12.2026", "2026-11-30",
/// perhaps with a time after it; invalid for anything else.
QDate receiptDate(QString text);

/// The name of the receipt table that a gathered folder may hold: one line per entry file,
/// "<file name>;<TT.MM.JJJJ>", as a spreadsheet saves it.
inline constexpr char16_t kReceiptTable[] = u"Eingang.csv";

/// One line per problem: "<path>, Zeile <n>: <message>", control characters shown as "\x1B".
QStringList reportLines(const Result& result);

/// The text with every control character (C0, DEL, C1) written as "\xHH": a name or file name
/// from a club's file must not drive the terminal (clear it, set its title) or split a line.
QString printable(const QString& text);

/// A path as the system spells it, for people: where it is no valid UTF-8, each broken byte is
/// shown as "\xHH".
QString shownPath(const std::filesystem::path& path);

/// The counts as a plain text table with a total line, for a terminal.
QString summaryTable(const Result& result);
/// The fees (fees()) as a plain text table with a sum row: event, club, participants charged,
/// those with notes and the amount. Empty without an event file.
QString feeTable(const Result& result);

/// The list as CSV for a German spreadsheet: UTF-8 with byte-order mark, ';', CR LF, quoted where
/// needed.
QByteArray csvBytes(const Result& result);

/// Sheet names Excel accepts, one per name and in its order: at most 31 characters, none of
/// []:*?/\, no apostrophe at either end, never empty, and unique without regard to case (also
/// among the names in `taken`).
QStringList sheetNames(const QStringList& names, const QStringList& taken = {});

/// Whether writing the list to `path` would replace one of the files it was gathered from (also
/// through a link): the organiser's registrations must never be overwritten by the list.
bool isInputFile(const Result& result, const QString& path);
/// Whether both names lead to the same existing file (also through a link).
bool sameFile(const QString& a, const QString& b);

/// Writes the file safely: an existing file is replaced only by a complete new one. On failure
/// `error` says why, in German.
bool writeCsv(const QString& path, const Result& result, QString* error);

/// The fees as CSV, by the same rules as the list, with a sum row; amounts as "5,50".
QByteArray feesCsvBytes(const Result& result);
/// Where the fees go beside the CSV list `listPath`: "liste.csv" → "liste-Meldegeld.csv".
QString feesCsvPath(const QString& listPath);
/// Writes feesCsvBytes() safely, as writeCsv does.
bool writeFeesCsv(const QString& path, const Result& result, QString* error);
/// Writing the list, as the command and the window both do it: a workbook or, by the name's suffix,
/// a CSV file, which with an event file has its fees beside it (feesCsvPath()). Nothing is written
/// where it would replace one of the entry files gathered or the event file at `invitationPath`.
struct ListWritten
{
    enum Status
    {
        Done,    ///< everything written (texts may have been cut: `cut`)
        Failed,  ///< not written, or only the list without its fees: `error`
        Refused, ///< nothing written, as it would replace an input: `error`
    };
    Status status = Failed;
    QStringList done; ///< one German sentence per file written, in order
    QStringList cut;  ///< one per text the workbook had to cut
    QString error;    ///< German, a whole sentence
};
ListWritten writeList(const Result& result, const QString& path,
                      const QString& invitationPath = {});

/// What a sheet can hold: Excel's rows per sheet and characters per cell.
struct SheetLimits
{
    qsizetype rows = 1048576;
    qsizetype cellChars = 32767;
};

/// A confirmation of receipt for one counted file (one club's registration for one event), as a
/// club reads it in a mail: greeting, the file, its participants, what the check found, the fee
/// with the organiser's account, and the organiser's name.
struct Confirmation
{
    /// "Eingangsbestätigung <Veranstaltung> – <Verein>.txt", a name that any system can hold;
    /// unique within the list (regardless of case), with " (2)" and so on where two would clash.
    QString fileName;
    QString text; ///< lines end with CR LF; no control character inside a line
};
/// One per counted file, in the order found. Empty without an event file.
QList<Confirmation> confirmations(const Result& result);
/// Writes each one into `folder`, made where missing. A file that is already there is never
/// replaced, not even one that appears meanwhile: each is created exclusively. `problems` gets
/// one German line for each confirmation (or the folder) that was not written. Returns how many
/// were written.
qsizetype writeConfirmations(const QString& folder, const QList<Confirmation>& confirmations,
                             QStringList* problems);

/// A workbook with the sheet "Übersicht" (counts per club and event, with a sum row), with an
/// event file the sheet "Meldegeld" (fees(), with a sum row), and one sheet per event. An event
/// with more participants than a sheet has rows goes on in further sheets ("Gauturnfest (2)"). A
/// text longer than a cell holds is cut, with one line in `notes` for each; without `notes` such a
/// list is not written at all.
bool writeXlsx(const QString& path, const Result& result, QString* error,
               QStringList* notes = nullptr, const SheetLimits& limits = {});

/// Removes the half-made workbook of a writeXlsx that is under way, if any. Only calls that a
/// signal handler may make: the command calls it when it is interrupted (Ctrl+C).
void removeScratchFiles();

} // namespace gather
