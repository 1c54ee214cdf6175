#pragma once
// A club's member list as member-management programs and spreadsheets export it (CSV), turned
// into participants that the entry list can take. Pure functions over bytes and strings, so the
// rules can be tested as tables without a window; the import preview binds them to its controls.
//
//   bytes --Parse--> Table --mapHeader--> Columns --Evaluate--> one Candidate per row

#include "entries/Entry.h"

#include <array>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

namespace memberlist {

/// The cells of the file: the first non-empty row is the header, every later non-empty row a
/// member. Rows keep the number of cells they had in the file. The members' cells are kept one
/// after another in one string: a file of many tiny cells then takes a few times its size in
/// memory, not forty times as with one string per cell.
class Table
{
public:
    QStringList header;
    QChar separator; ///< ';', ',' or '\t'
    /// Read as Windows-1252: a '?' in a name is then most likely a character that the exporting
    /// program could not write ("Ł" from LibreOffice).
    bool windows1252 = false;

    qsizetype rowCount() const { return static_cast<qsizetype>(m_rowStarts.size()); }
    qsizetype cellCount(qsizetype row) const;
    /// Empty for a column that the row does not reach.
    QStringView cell(qsizetype row, qsizetype column) const;
    /// Room for about this many characters of cells, so that the table does not grow in steps.
    void reserve(qsizetype chars) { m_text.reserve(chars); }
    /// False, and nothing added, when the table would outgrow its 32-bit positions.
    bool appendRow(const QStringList& cells);

private:
    // 32-bit positions: a member list is read from at most 64 MB, so they never run out, and the
    // cells' ends take half the room.
    QString m_text;
    QList<quint32> m_cellEnds;  ///< where each cell ends in m_text
    QList<quint32> m_rowStarts; ///< each row's first cell in m_cellEnds
};

/// More columns than any export has; a row with more is no member list (and would take time and
/// memory for nothing).
inline constexpr qsizetype kMaxColumns = 1000;

enum class ParseError
{
    None,
    NotText,        ///< NUL bytes, or a header without any separator: no CSV
    Empty,          ///< nothing but blank lines
    NoHeader,       ///< the first row names none of the four fields
    NoRows,         ///< a header and nothing below it
    TooMany,        ///< more rows than an entry file may hold
    TooManyColumns, ///< a row with more than kMaxColumns cells
};

struct Parsed
{
    Table table;
    ParseError error = ParseError::None; ///< anything but None: the table is empty
};

/// Decodes the bytes (UTF-8 with or without byte-order mark, UTF-16 with one, otherwise
/// Windows-1252), detects the separator from the header row and splits the file into cells.
/// Quoted cells may hold separators, doubled quotes and line breaks; CR LF and LF both end a row.
Parsed parse(QByteArrayView bytes);

/// A row of any small table that a spreadsheet saved as CSV, with its number as the spreadsheet
/// shows it (from 1, blank rows counted).
struct Row
{
    qsizetype number = 0;
    QStringList cells;
};
/// The non-blank rows by the same rules as parse(), without a header of its own: the separator is
/// the first row's. At most `mostRows`; none for bytes that are no text.
QList<Row> rows(QByteArrayView bytes, qsizetype mostRows);

enum Field : int
{
    FirstName,
    Name,
    Year, ///< a birth year or a whole birth date
    Gender,
};
inline constexpr int kFieldCount = 4;

/// The column of each field, -1 where the file has none.
using Columns = std::array<int, kFieldCount>;

/// Finds the fields by their usual German headers, ignoring case, blanks, dots and hyphens; the
/// first matching column wins.
Columns mapHeader(const QStringList& header);

/// A birth year from "JJJJ", "TT.MM.JJJJ", "T.M.JJJJ" or "JJJJ-MM-TT"; -1 for anything else,
/// impossible dates included. The window of valid years is not checked here.
int parseYear(QStringView text);

/// entry::Female, entry::Male, or -1 for a value that is neither (or none).
int parseGender(QStringView text);

/// Why a row cannot be taken as it is; several can hold at once.
enum Problem : unsigned
{
    NoFirstName = 1u << 0,
    NoName = 1u << 1,
    BadYear = 1u << 2,
    BadCharacter = 1u << 3,
    UnknownGender = 1u << 4, ///< taken once the user picks w or m
    InList = 1u << 5,        ///< same person already in the entry list: starts unchecked
    TwiceInFile = 1u << 6,   ///< same person on an earlier row of the file: starts unchecked
    TooLong = 1u << 7,       ///< name or first name longer than a typed one may be
    CommaInName = 1u << 8,   ///< the list would split the surname at its comma
    LostCharacter = 1u << 9, ///< a '?' in a Windows-1252 list: starts unchecked
    NotAdmitted = 1u << 10,  ///< a year the chosen event does not admit
};
/// Problems that no choice of the user can mend: such a row can never be checked. They are the
/// rules of the window's name fields, so that an import takes nothing that typing would refuse.
inline constexpr unsigned kFatal =
    NoFirstName | NoName | BadYear | BadCharacter | TooLong | CommaInName | NotAdmitted;

/// The birth years the chosen event admits; 0, 0: any the window takes.
struct Admitted
{
    int first = 0;
    int last = 0;
};

/// One row of the member list as the preview shows it.
struct Candidate
{
    QString name;      ///< surname, blanks and line breaks folded
    QString firstName; ///< the same for the first name
    QString yearText;  ///< the cell as it was, shown when it gives no valid year
    QString genderText;
    int year = -1;   ///< valid birth year, or -1
    int gender = -1; ///< entry::Female, entry::Male, or -1 while unknown
    unsigned problems = 0;
    char32_t badCharacter = 0; ///< the first control character, or one Windows-1252 lacks
    bool checked = false;

    bool checkable() const { return (problems & kFatal) == 0 && gender >= 0; }
    QString displayText() const { return entry::displayText(name, firstName); }
    EntryRow row() const { return {displayText(), entry::makeCode(year, gender)}; }
};

/// One candidate per table row. `existing` is the entry list: a row that is the same participant
/// as one of them (entry::sameParticipant) is marked InList. The existing rows are
/// sorted once (in list order already, they only get checked) and each row is looked up by binary
/// search, so ten thousand rows against a long list stay quick.
QList<Candidate> evaluate(const Table& table, const Columns& columns, int currentUtcYear,
                          const QList<EntryRow>& existing, Admitted admitted = {});

/// The user's choice of w or m for a row whose gender was unknown; the row is then checked unless
/// it is a duplicate or cannot be taken at all.
void pickGender(Candidate& candidate, int gender);

} // namespace memberlist
