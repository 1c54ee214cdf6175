#pragma once
// The organiser's event file as the program keeps it once read: the region's clubs, the events
// with their dates, deadlines, fees and birth years, the organiser's address and account. Reading
// it (invitation/Reader.h), its GiroCode (GiroCode.h) and its template (Template.h) live beside.

#include <optional>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTime>

namespace invitation {

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
    QString bic;       ///< upper case, without blanks; empty when not given

    /// The IBAN in groups of four, as it is printed on paper.
    QString ibanGrouped() const;
    /// The payment reference for a club's registration for an event, in SEPA's basic character
    /// set (sepaText): the same string in the GiroCode, on paper, in the mail and on the sheets.
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

/// `text` in SEPA's basic character set (a-z A-Z 0-9 / - ? : ( ) . , ' + and the blank), which
/// every bank passes on unchanged: "ä" as "ae", "ß" as "ss", other accented letters without their
/// accent, "&" as "+", "€" as "EUR", quotes and dashes as "'" and "-", anything else a blank;
/// blanks not doubled, none at either end.
QString sepaText(const QString& text);

/// The entry file's automatic name for an event of this file: the event's own year where it has
/// a date (else `localYear`), left out where the event's name already ends with it; always a
/// safe file name (textfile::safeFileName).
QString automaticName(const Event& event, int localYear, const QString& club);

} // namespace invitation
