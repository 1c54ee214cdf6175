#pragma once
// A participant lives only as one row of the entry list: its display text ("Surname,First name")
// and its 32-bit entry code (birth year times two plus the gender bit). These helpers are the one
// place that knows both forms; the window, the list and the entry file all go through them.

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <QtGlobal>

namespace entry {

enum Gender : int
{
    Female = 0,
    Male = 1
};

/// More participants than any club registers: a list never holds more, so a file with more is
/// refused rather than loaded, and an import that would pass it is refused as a whole.
inline constexpr qsizetype kMaxEntries = 100000;

/// The most characters a typed name or first name may have; an import keeps to it as well.
inline constexpr int kMostNameChars = 60;

/// The first C0 or C1 control character (line breaks and tabs included), DEL, line or paragraph
/// separator, or bidirectional formatting character (U+200E/F, U+202A–U+202E, U+2066–U+2069) in
/// text, 0 when there is none: none of them belongs in a name or on paper, some (0x1A) would
/// change the saved file, and the bidirectional ones make text read otherwise than it is.
char32_t firstControl(QStringView text);

/// Surname, one comma, first name; nothing added or removed.
QString displayText(const QString& name, const QString& firstName);

struct Names
{
    QString name;      ///< before the first comma, trailing white space removed
    QString firstName; ///< everything after the first comma, untouched
};

/// Splits a display text at its first comma. Without a comma the surname is empty and the whole
/// text is the first name.
Names splitDisplayText(const QString& text);

/// One participant as the fields, a member list or a file give it.
struct Participant
{
    QString name;
    QString firstName;
    qint32 year = 0;
    int gender = 0; ///< Female, Male, or negative while unknown
};

/// What keeps a participant from the list, as bits: the one completeness rule of the window and
/// the import. Only the empty text counts as empty: a name of blanks is a name.
enum Gap : unsigned
{
    NoFirstName = 1u << 0,
    NoName = 1u << 1,
    NoGender = 1u << 2,
    YearOutside = 1u << 3, ///< outside the window of CheckBirthYear
};
unsigned gaps(const Participant& participant, int currentUtcYear);

/// A display text as people read a name: "Meier, Anna" for "Meier,Anna".
QString shownName(const QString& text);

/// The one rule for "the same participant", for the window's question before adding, the import
/// and the gathering alike: the display texts are equal in the list's order (German, ignoring
/// case, so "meier,anna" is "Meier,Anna" but "Muller" is not "Müller") and the years agree.
bool sameParticipant(const QString& textA, qint32 yearA, const QString& textB, qint32 yearB);

/// A value that two participants share exactly when sameParticipant holds for them, for tables
/// that look participants up instead of comparing them pairwise.
QByteArray participantKey(QStringView text, qint32 year);

/// (year << 1) | gender bit. Only the low bit of gender is used.
constexpr qint32 makeCode(qint32 year, int gender) noexcept
{
    // Written with unsigned arithmetic so that a year of -1 (a year read from a file outside the
    // window) gives the codes -2 and -1 without relying on signed overflow.
    return static_cast<qint32>((static_cast<quint32>(year) << 1) |
                               static_cast<quint32>(gender & 1));
}

/// The birth year: the code shifted right, keeping its sign.
constexpr qint32 yearOf(qint32 code) noexcept
{
    return code >> 1;
}

/// 1 for male, 0 for female; also the index of the row's picture.
constexpr int genderOf(qint32 code) noexcept
{
    return code & 1;
}

/// The year of the current date in UTC.
int currentUtcYear();

/// A birth year is valid when currentYear - 100 < year < currentYear. Returns the year, or -1.
constexpr int CheckBirthYear(int year, int currentYear) noexcept
{
    return (currentYear - 100 < year && year < currentYear) ? year : -1;
}

/// CheckBirthYear against the current UTC year.
int CheckBirthYear(int year);

} // namespace entry

/// One participant as the list and the entry file hold it: the display text and the entry code.
struct EntryRow
{
    QString text;
    qint32 code = -1;

    friend bool operator==(const EntryRow&, const EntryRow&) = default;
};
// Rows are moved with memmove when the list opens a gap for a sorted add; element-wise moves made
// adding into a list of a hundred thousand entries several times slower.
Q_DECLARE_TYPEINFO(EntryRow, Q_RELOCATABLE_TYPE);
