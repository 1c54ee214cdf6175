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
/// Past this many problems the reader only counts: a hostile file of a million broken lines must
/// not cost a million sentences.
inline constexpr qsizetype kMostProblems = 100;
/// The EPC QR code's limits (version 002): beneficiary name and remittance text in characters, the
/// whole payload in bytes (UTF-8), which is what QR version 13 at level M holds.
inline constexpr qsizetype kMostHolderChars = 70;
inline constexpr qsizetype kMostReferenceChars = 140;
inline constexpr qsizetype kMostPayloadBytes = 331;
inline constexpr qint64 kMostTransferCents = 99999999999;
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
        BadUtf16,         ///< marked as UTF-16 but not readable as such
        NotUtf8,          ///< a line that is not UTF-8 in a file that is (BOM or other lines)
        CrLineEnds,       ///< lines that end in CR alone (old Mac files)
        ControlInField,   ///< value: the character, as "U+001B"
        BadVersion,       ///< FORMAT: a version that never existed (0)
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
        HolderTooLong,    ///< more than kMostHolderChars
        ReferenceTooLong, ///< value: the longest reference; field: 3
        PayloadTooLarge,  ///< value: the bytes the code would need
        YearsAdmitNobody, ///< a warning: no year in it is a birth year the window takes
        NoOrganiser,      ///< no VERANSTALTER: line (line 0)
        NoEvent           ///< no VERANSTALTUNG: line (line 0)
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
    QList<Problem> warnings;    ///< what is taken but probably not meant (a range of no birth year)

    bool ok() const { return problems.isEmpty(); }
};

/// Reads an event file; `currentUtcYear` decides which birth years a range can admit.
ReadResult read(QByteArrayView bytes, int currentUtcYear);
ReadResult read(QByteArrayView bytes);

/// A plain e-mail address and nothing else: an ASCII local part of letters, digits and
/// .!$'*+/=^_`{|}~- (not beginning with '-' or '.', no ".."), one '@', and a domain of letters,
/// digits and hyphens in at least two dot-separated labels. Anything a mail program could read as
/// a URL, an option or a second recipient ("file:/etc/passwd#@x.de") is none. Of the characters
/// mail allows before the '@', # % & ? are left out too: some mail programs decode a whole
/// mailto: link before they split it, and there they would start a fragment or a field
/// ("a?attach=/etc/passwd#@x.de"). No organiser's address has them.
bool validEmail(const QString& text);

/// The IBAN's length in SEPA's country `country` ("DE": 22); 0 for a country outside SEPA.
int sepaIbanLength(QStringView country);
/// Why `iban` (upper case, no blanks) is none: IbanCountry, IbanLength, IbanFormat or BadIban.
std::optional<Problem::Kind> ibanProblem(const QString& iban);
/// Where `iban` first breaks its country's pattern: the position (1-based, from the IBAN's
/// start; 0 when it does not) and what belongs there ('n' a digit, 'a' a letter, 'c' either).
struct IbanBreak
{
    int position = 0;
    char expected = 0;
};
IbanBreak ibanFormatBreak(const QString& iban);

/// Why a club's or an event's name cannot go into an entry file's header line as it is (a
/// comma or control character, a character outside Windows-1252, longer than the name limit);
/// nothing when it can. The reader applies it to the file's names, the window to a typed club.
std::optional<Problem::Kind> nameProblem(const QString& name);

/// The entry file's automatic name for an event of this file: the event's own year where it has
/// a date (else `localYear`), left out where the event's name already ends with it; always a
/// safe file name (textfile::safeFileName).
QString automaticName(const Event& event, int localYear, const QString& club);

/// The names of a keyword's fields, as the template explains them.
QStringList fieldNames(const QString& keyword);

/// The GiroCode (EPC QR code, version 002, UTF-8) for paying `cents` to the account with the given
/// payment reference, or why there can be none. Nothing is ever cut: a code whose reference
/// differed from the printed one would be worse than none.
struct GiroCode
{
    enum Refusal
    {
        None,
        NoAmount,         ///< 0 or less
        AmountTooLarge,   ///< more than kMostTransferCents
        HolderTooLong,    ///< more than kMostHolderChars
        ReferenceTooLong, ///< more than kMostReferenceChars
        TooManyBytes,     ///< more than kMostPayloadBytes in all
        LineBreak,        ///< a value with a line break would shift every field after it
    };
    QByteArray payload; ///< empty when refused
    Refusal refusal = None;
};
GiroCode giroCode(const Account& account, qint64 cents, const QString& reference);
/// The payload alone; empty when there can be no code.
QByteArray giroCodePayload(const Account& account, qint64 cents, const QString& reference);

/// An amount of money as German text: "5,50 €".
QString money(qint64 cents);
/// "TT.MM.JJJJ", and "TT.MM.JJJJ HH:MM" for a deadline with a time.
QString dateText(const QDate& date);

/// A commented file with every keyword explained and an example, for an organiser to fill in.
QByteArray templateBytes();

} // namespace invitation
