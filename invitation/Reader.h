#pragma once
// Reading the organiser's event file (".aus", "Ausschreibung"). A text file that an organiser
// writes in any editor, one record per line:
//
//   KEYWORD: field; field; ...
//
// Blanks around fields are trimmed, an empty field is "not given", trailing empty fields may be
// left out, lines starting with '#' and empty lines are ignored. The reader refuses nothing
// silently: every line it cannot take is a Problem with its line number, and a file with any
// problem is not used at all. Qt Core only: the window and zandrel-sammeln both read it.

#include "invitation/Invitation.h"
#include "textfile/SafeFile.h"

#include <QByteArrayView>

namespace invitation {

inline constexpr qsizetype kMaxFileBytes = 1024 * 1024;
inline constexpr qsizetype kMaxLineChars = 1000;
inline constexpr qsizetype kMaxEvents = 100;
inline constexpr qsizetype kMaxClubs = 10000;
inline constexpr int kFormatVersion = 1;
/// Past this many problems the reader only counts: a hostile file of a million broken lines must
/// not cost a million sentences.
inline constexpr qsizetype kMostProblems = 100;
/// The first record's value, before the version number.
inline constexpr char16_t kFormatName[] = u"Zandrel-Ausschreibung";

/// Why a line (or the file) is refused. `keyword` is the line's keyword (upper case), `field`
/// the field for the problems that concern one (1-based, 0 for the whole line), `value` the text
/// that was refused.
struct Problem
{
    enum Kind
    {
        TooLarge,         ///< more than kMaxFileBytes
        NotText,          ///< a NUL byte: no text file
        BadUtf16,         ///< marked as UTF-16 but not readable as such
        NotUtf8,          ///< a line that is not UTF-8 in a file that is (BOM or other lines)
        CrLineEnds,       ///< lines that end in CR alone (old Mac files)
        ControlInField,   ///< value: the character, as "U+001B"
        TabInField,       ///< a tab inside a field, as between fields of a copied table
        BadVersion,       ///< FORMAT: a version that never existed (0)
        LineTooLong,      ///< more than kMaxLineChars characters
        NoFormatFirst,    ///< the first record is not FORMAT:
        OtherFormat,      ///< FORMAT: names another kind of file
        NewerVersion,     ///< FORMAT: a version this program does not know
        NoKeyword,        ///< a line without "KEYWORD:"
        UnknownKeyword,   ///< value: the keyword; details: the one probably meant, if any
        Repeated,         ///< a second FORMAT:, VERANSTALTER: or KONTO:
        TooManyFields,    ///< more fields than the keyword has
        FieldMissing,     ///< a required field is empty
        BadName,          ///< a club or event name: control character or comma
        HeaderInName,     ///< a club or event name holding "VEREIN: " or "VERANSTALTUNG: "
        NameNotEncodable, ///< a club or event name that the entry file cannot hold
        NameTooLong,      ///< longer than entry::kMostNameChars
        NameNotFileName,  ///< a character a file name cannot hold, or "." / ".."
        NameMisdecoded,   ///< its Windows-1252 bytes are UTF-8: an entry file would change it
        BadEmail,
        BadDate,     ///< not TT.MM.JJJJ
        NoSuchDate,  ///< TT.MM.JJJJ, but not a day of the calendar
        BadDeadline, ///< neither TT.MM.JJJJ nor TT.MM.JJJJ HH:MM
        BadFee,
        BadYears,
        DuplicateEvent,
        DuplicateClub,
        TooManyEvents,
        TooManyClubs,
        BadIban,          ///< the check digits do not match
        IbanCountry,      ///< value: the IBAN; its country is none of SEPA's
        IbanLength,       ///< value: the IBAN; too short or too long for its country
        IbanFormat,       ///< value: the IBAN; a letter where its country has digits, or so
        BadBic,           ///< value: the BIC as written; not 8 or 11 characters of its pattern
        HolderTooLong,    ///< more than kMostHolderChars
        ReferenceTooLong, ///< value: the longest reference; field: 3
        PayloadTooLarge,  ///< value: the bytes the code would need
        // Warnings: the file is taken as it is, but the organiser probably meant otherwise.
        YearsAdmitNobody,    ///< no year in it is a birth year the window takes
        YearsAfterEvent,     ///< details: the event's year, which the range reaches past
        EventPast,           ///< the event's date is before today
        DeadlinePast,        ///< the deadline's day is before today, the event's is not
        DeadlineAfterEvent,  ///< details: the event's date
        LateFeeBelowFee,     ///< value: the late fee as written; details: both in cents
        DuplicateClubNumber, ///< details: the club that has it already and its line
        NoOrganiser,         ///< no VERANSTALTER: line (line 0)
        NoEvent              ///< no VERANSTALTUNG: line (line 0)
    };
    qsizetype line = 0;
    Kind kind = NotText;
    QString keyword;
    int field = 0;
    QString value;
    QStringList details; ///< what a sentence needs besides the value (the longest club and event)

    friend bool operator==(const Problem&, const Problem&) = default;
};

struct ReadResult
{
    Invitation invitation;      ///< what was read; only to be used when there are no problems
    QList<Problem> problems;    ///< in line order, at most kMostProblems
    qsizetype moreProblems = 0; ///< found after the first kMostProblems, counted only
    QList<Problem> warnings;    ///< what is taken but probably not meant; at most kMostProblems
    qsizetype moreWarnings = 0; ///< found after the first kMostProblems, counted only

    bool ok() const { return problems.isEmpty(); }
};

/// Reads an event file; `currentUtcYear` decides which birth years a range can admit, `today`
/// (the local date) which dates have passed.
ReadResult read(QByteArrayView bytes, int currentUtcYear, const QDate& today);
/// The same for this year and this day.
ReadResult read(QByteArrayView bytes);

/// An event file read from disk: why it could not be loaded, or what its reading found. The
/// window and zandrel-sammeln say it each in their own way, and keep `read.invitation` when ok().
struct LoadedFile
{
    textfile::LoadResult load = textfile::LoadResult::Ok;
    ReadResult read;

    bool ok() const { return load == textfile::LoadResult::Ok && read.ok(); }
};
LoadedFile load(const QString& path);

/// Why a club's or an event's name cannot go into an entry file's header line as it is (a
/// comma or control character, a character outside Windows-1252, longer than the name limit);
/// nothing when it can. The reader applies it to the file's names, the window to a typed club.
std::optional<Problem::Kind> nameProblem(const QString& name);

} // namespace invitation
