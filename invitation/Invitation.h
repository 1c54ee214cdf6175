#pragma once
// The organiser's event file (".aus", "Ausschreibung"): the region's clubs, the events with their
// dates, deadlines, fees and birth years, the organiser's address and account. A text file that an
// organiser writes in any editor, one record per line:
//
//   KEYWORD: field; field; ...
//
// Blanks around fields are trimmed, an empty field is "not given", trailing empty fields may be
// left out, lines starting with '#' and empty lines are ignored. The reader refuses nothing
// silently: every line it cannot take is a Problem with its line number, and a file with any
// problem is not used at all. Qt Core only: the window and zandrel-sammeln both read it.

#include <optional>
#include <QByteArrayView>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTime>

namespace invitation {

inline constexpr qsizetype kMaxFileBytes = 1024 * 1024;
inline constexpr qsizetype kMaxLineChars = 1000;
inline constexpr qsizetype kMaxEvents = 100;
inline constexpr qsizetype kMaxClubs = 10000;
inline constexpr int kFormatVersion = 1;
/// The first record's value, before the version number.
inline constexpr char16_t kFormatName[] = u"Zandrel-Ausschreibung";

struct Organiser
{
    QString name;
    QString contact;
    QString email;
    QString phone;
};

struct Event
{
    QString name; ///< exactly the entry file's VERANSTALTUNG: text
    QDate date;   ///< invalid when not given
    QString place;
    QDate deadlineDate; ///< invalid when not given
    QTime deadlineTime; ///< invalid when the deadline is the end of deadlineDate
    std::optional<qint64> feeCents;
    std::optional<qint64> lateFeeCents;
    int firstYear = 0; ///< 0 when the event admits any year the window admits
    int lastYear = 0;
    qsizetype line = 0;

    bool hasYears() const { return firstYear > 0; }
    bool admitsYear(int year) const
    {
        return !hasYears() || (year >= firstYear && year <= lastYear);
    }
    /// Whether the deadline has passed at `now` (local time); false without a deadline.
    bool deadlinePassed(const QDateTime& now) const;
    /// The fee per participant at `now`: the late fee after the deadline, where there is one.
    std::optional<qint64> feeAt(const QDateTime& now) const;
};

struct Club
{
    QString name;   ///< exactly the entry file's VEREIN: text
    QString number; ///< the organiser's club number; may be empty
    qsizetype line = 0;
};

struct Account
{
    QString iban; ///< without blanks, upper case, check digits verified
    QString holder;
    QString reference; ///< with {Verein} and {Veranstaltung} still in it

    /// The IBAN in groups of four, as it is printed on paper.
    QString ibanGrouped() const;
    /// The payment reference for a club's registration for an event.
    QString referenceFor(const QString& club, const QString& event) const;
};

struct Invitation
{
    Organiser organiser;
    QList<Event> events; ///< in file order
    QList<Club> clubs;   ///< in file order; empty for an open event: any club may register
    std::optional<Account> account;
    QStringList notes; ///< the HINWEIS: lines, in file order

    bool isOpen() const { return clubs.isEmpty(); }
    /// The event or club of that name (as the entry file matches: ignoring case); null if none.
    const Event* event(const QString& name) const;
    const Club* club(const QString& name) const;
    QStringList eventNames() const;
    QStringList clubNames() const;
};

/// Why a line (or the file) is refused. `keyword` is the line's keyword (upper case), `field`
/// the field for the problems that concern one (1-based, 0 for the whole line), `value` the text
/// that was refused.
struct Problem
{
    enum Kind
    {
        TooLarge,         ///< more than kMaxFileBytes
        NotText,          ///< a NUL byte: no text file
        LineTooLong,      ///< more than kMaxLineChars characters
        NoFormatFirst,    ///< the first record is not FORMAT:
        OtherFormat,      ///< FORMAT: names another kind of file
        NewerVersion,     ///< FORMAT: a version this program does not know
        NoKeyword,        ///< a line without "KEYWORD:"
        UnknownKeyword,   ///< value: the keyword
        Repeated,         ///< a second FORMAT:, VERANSTALTER: or KONTO:
        TooManyFields,    ///< more fields than the keyword has
        FieldMissing,     ///< a required field is empty
        BadName,          ///< a club or event name: control character or comma
        HeaderInName,     ///< a club or event name holding "VEREIN: " or "VERANSTALTUNG: "
        NameNotEncodable, ///< a club or event name that the entry file cannot hold
        NameTooLong,      ///< longer than entry::kMostNameChars
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
        BadIban,
        NoOrganiser, ///< no VERANSTALTER: line (line 0)
        NoEvent      ///< no VERANSTALTUNG: line (line 0)
    };
    qsizetype line = 0;
    Kind kind = NotText;
    QString keyword;
    int field = 0;
    QString value;

    friend bool operator==(const Problem&, const Problem&) = default;
};

struct ReadResult
{
    Invitation invitation;   ///< what was read; only to be used when there are no problems
    QList<Problem> problems; ///< in line order

    bool ok() const { return problems.isEmpty(); }
};

ReadResult read(QByteArrayView bytes);

/// An e-mail address as a mail program takes it from a file or a field: one '@' with text on both
/// sides, no blanks or control characters, none of <>,;?&%"' (which would split or extend it).
bool validEmail(const QString& text);

/// Why a club's or an event's name cannot go into an entry file's header line as it is (a
/// comma or control character, a character outside Windows-1252, longer than the name limit);
/// nothing when it can. The reader applies it to the file's names, the window to a typed club.
std::optional<Problem::Kind> nameProblem(const QString& name);

/// The entry file's automatic name for an event of this file: the event's own year where it has
/// a date (else `localYear`), left out where the event's name already ends with it.
QString automaticName(const Event& event, int localYear, const QString& club);

/// The names of a keyword's fields, as the template explains them.
QStringList fieldNames(const QString& keyword);

/// The GiroCode (EPC QR code, version 002, UTF-8) for paying `cents` to the account with the given
/// payment reference: the lines a banking app reads. Empty for an amount a transfer cannot have
/// (0 or less, more than 999 999 999,99 €).
QByteArray giroCodePayload(const Account& account, qint64 cents, const QString& reference);

/// An amount of money as German text: "5,50 €".
QString money(qint64 cents);
/// "TT.MM.JJJJ", and "TT.MM.JJJJ HH:MM" for a deadline with a time.
QString dateText(const QDate& date);

/// A commented file with every keyword explained and an example, for an organiser to fill in.
QByteArray templateBytes();

} // namespace invitation
