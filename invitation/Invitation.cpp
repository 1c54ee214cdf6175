#include "invitation/Invitation.h"

#include "entries/Entry.h"
#include "textfile/Cp1252.h"
#include "textfile/FileName.h"

#include <algorithm>
#include <array>
#include <QLocale>
#include <QRegularExpression>
#include <QStringDecoder>
#include <set>

namespace invitation {
namespace {

// A field list as the line gives it: trimmed, trailing empty fields dropped.
QStringList fieldsOf(QStringView rest)
{
    QStringList fields;
    for (QStringView field : rest.split(u';'))
        fields.append(field.trimmed().toString());
    while (!fields.isEmpty() && fields.last().isEmpty())
        fields.removeLast();
    return fields;
}

std::optional<QDate> parseDate(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,2})\\.(\\d{1,2})\\.(\\d{4})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return QDate(match.captured(3).toInt(), match.captured(2).toInt(), match.captured(1).toInt());
}

std::optional<qint64> parseFee(const QString& text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{1,5})(?:[,.](\\d{1,2}))?\\s*(?:€|EUR)?$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QString cents = match.captured(2).leftJustified(2, u'0');
    return match.captured(1).toLongLong() * 100 + cents.toLongLong();
}

// SEPA's countries and what follows an IBAN's check digits there, as runs of digits (n), upper
// case letters (a) and either (c). The French overseas departments, Åland and the Channel Islands
// bank under FR, FI and GB.
struct SepaCountry
{
    char code[3];
    const char* bban;
};
constexpr SepaCountry kSepaCountries[] = {
    {"AD", "8n12c"},   {"AL", "8n16c"},    {"AT", "16n"},   {"BE", "12n"},      {"BG", "4a6n8c"},
    {"CH", "5n12c"},   {"CY", "8n16c"},    {"CZ", "20n"},   {"DE", "18n"},      {"DK", "14n"},
    {"EE", "16n"},     {"ES", "20n"},      {"FI", "14n"},   {"FR", "10n11c2n"}, {"GB", "4a14n"},
    {"GI", "4a15c"},   {"GR", "7n16c"},    {"HR", "17n"},   {"HU", "24n"},      {"IE", "4a14n"},
    {"IS", "22n"},     {"IT", "1a10n12c"}, {"LI", "5n12c"}, {"LT", "16n"},      {"LU", "3n13c"},
    {"LV", "4a13c"},   {"MC", "10n11c2n"}, {"MD", "20c"},   {"ME", "18n"},      {"MK", "3n10c2n"},
    {"MT", "4a5n18c"}, {"NL", "4a10n"},    {"NO", "11n"},   {"PL", "24n"},      {"PT", "21n"},
    {"RO", "4a16c"},   {"SE", "20n"},      {"SI", "15n"},   {"SK", "20n"},      {"SM", "1a10n12c"},
    {"VA", "18n"},
};

const SepaCountry* sepaCountry(QStringView code)
{
    for (const SepaCountry& country : kSepaCountries) {
        if (code == QLatin1StringView(country.code))
            return &country;
    }
    return nullptr;
}

// The IBAN's characters one by one, as its country's pattern wants them ('n', 'a' or 'c'), the
// country code and check digits included.
QByteArray ibanPattern(const SepaCountry& country)
{
    QByteArray pattern = "aann";
    int count = 0;
    for (const char* c = country.bban; *c; ++c) {
        if (*c >= '0' && *c <= '9') {
            count = count * 10 + (*c - '0');
            continue;
        }
        pattern += QByteArray(count, *c);
        count = 0;
    }
    return pattern;
}

bool checkDigitsMatch(const QString& iban)
{
    // ISO 13616: the first four characters go to the end, letters count as 10..35, and the whole
    // number is 1 modulo 97.
    const QString moved = iban.mid(4) + iban.left(4);
    int rest = 0;
    for (const QChar ch : moved) {
        const int value = ch.isDigit() ? ch.digitValue() : ch.unicode() - u'A' + 10;
        rest = (value >= 10 ? rest * 100 : rest * 10) + value;
        rest %= 97;
    }
    return rest == 1;
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isAsciiUpper(QChar c)
{
    return c >= u'A' && c <= u'Z';
}

bool hasNonAscii(QByteArrayView bytes)
{
    return std::any_of(bytes.begin(), bytes.end(), [](char c) { return c & 0x80; });
}

// Counts characters as a reader would: a surrogate pair is one.
qsizetype characters(QStringView text)
{
    return text.size() -
           std::count_if(text.begin(), text.end(), [](QChar c) { return c.isLowSurrogate(); });
}

// The EPC lines, with no limit applied.
QByteArray payloadOf(const Account& account, qint64 cents, const QString& reference)
{
    const QString amount =
        QStringLiteral("EUR%1.%2").arg(cents / 100).arg(cents % 100, 2, 10, QLatin1Char('0'));
    const QStringList lines{QStringLiteral("BCD"),
                            QStringLiteral("002"),
                            QStringLiteral("1"), // UTF-8
                            QStringLiteral("SCT"),
                            QString(), // BIC: optional within the EEA since version 002
                            account.holder,
                            account.iban,
                            amount,
                            QString(), // purpose code
                            QString(), // structured creditor reference
                            reference};
    return lines.join(u'\n').toUtf8();
}

QString codePoint(char32_t c)
{
    return QStringLiteral("U+%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper();
}

class Reader
{
public:
    explicit Reader(int currentUtcYear) : m_year(currentUtcYear) {}

    ReadResult result;

    void line(qsizetype number, QStringView text)
    {
        m_line = number;
        m_keyword.clear();
        if (text.size() > kMaxLineChars) {
            problem(Problem::LineTooLong);
            return;
        }
        text = text.trimmed();
        if (text.isEmpty() || text.startsWith(u'#'))
            return;
        const qsizetype colon = text.indexOf(u':');
        static const QRegularExpression keywordPattern(QStringLiteral("^[A-Za-zÄÖÜäöü]+$"));
        const QString keyword = colon < 0 ? QString() : text.first(colon).trimmed().toString();
        if (colon < 0 || !keywordPattern.match(keyword).hasMatch()) {
            // The refused text is quoted back to the organiser: never with a control in it.
            if (const char32_t control = entry::firstControl(text))
                problem(Problem::ControlInField, 0, codePoint(control));
            else
                problem(Problem::NoKeyword, 0, text.left(40).toString());
            return;
        }
        const QString key = keyword.toUpper();
        m_keyword = key;
        const QStringView rest = text.mid(colon + 1);
        // Every value goes onto paper, into a mail or a GiroCode: no control or bidirectional
        // character in any field, whatever the keyword. Blanks and tabs around a field are
        // trimmed and reach nothing.
        const bool oneField = key == u"FORMAT" || key == u"HINWEIS";
        const QStringList fields =
            oneField ? QStringList{rest.trimmed().toString()} : fieldsOf(rest);
        for (qsizetype i = 0; i < fields.size(); ++i) {
            if (const char32_t control = entry::firstControl(fields[i])) {
                problem(Problem::ControlInField, oneField ? 0 : int(i + 1), codePoint(control));
                m_stop = !m_formatSeen;
                m_formatSeen = true;
                return;
            }
        }
        if (!m_formatSeen) {
            m_formatSeen = true;
            if (key != u"FORMAT") {
                problem(Problem::NoFormatFirst);
                m_stop = true;
                return;
            }
            format(fields.value(0));
            return;
        }
        if (key == u"FORMAT")
            problem(Problem::Repeated, 0, key);
        else if (key == u"VERANSTALTER")
            organiser(fields);
        else if (key == u"VERANSTALTUNG")
            event(fields);
        else if (key == u"VEREIN")
            club(fields);
        else if (key == u"KONTO")
            account(fields);
        else if (key == u"HINWEIS")
            note(fields.value(0));
        else
            problem(Problem::UnknownKeyword, 0, keyword);
    }

    void finish()
    {
        if (m_stop)
            return;
        if (result.invitation.account)
            references();
        m_line = 0;
        m_keyword.clear();
        if (!m_organiserSeen)
            problem(Problem::NoOrganiser);
        if (result.invitation.events.isEmpty() && m_eventLines == 0)
            problem(Problem::NoEvent);
    }

    bool stopped() const { return m_stop; }

    /// A problem of the whole file or of line `line`, found before the lines are read.
    void fileProblem(const Problem& p) { add(p); }

private:
    void add(const Problem& p)
    {
        if (result.problems.size() < kMostProblems)
            result.problems.append(p);
        else
            ++result.moreProblems;
    }

    void problem(Problem::Kind kind, int field = 0, const QString& value = {},
                 const QStringList& details = {})
    {
        add({m_line, kind, m_keyword, field, value, details});
    }

    // The payment reference is filled in per club and event: the longest one this file can give
    // (in characters and in bytes) must fit the GiroCode, or every club with a long name would
    // get a form without one. An open file takes any club, so a club of the longest name counts.
    void references()
    {
        const Invitation& inv = result.invitation;
        const auto longest = [](const QStringList& names, auto measure) {
            return *std::max_element(
                names.begin(), names.end(),
                [&measure](const QString& a, const QString& b) { return measure(a) < measure(b); });
        };
        const auto chars = [](const QString& t) { return characters(t); };
        const auto bytes = [](const QString& t) { return t.toUtf8().size(); };
        const QStringList clubs =
            inv.isOpen() ? QStringList{QString(entry::kMostNameChars, u'W')} : inv.clubNames();
        const QStringList events = inv.eventNames();
        if (events.isEmpty())
            return;
        m_line = m_accountLine;
        m_keyword = QStringLiteral("KONTO");
        const Account& account = *inv.account;
        for (const bool byBytes : {false, true}) {
            const QString club = byBytes ? longest(clubs, bytes) : longest(clubs, chars);
            const QString event = byBytes ? longest(events, bytes) : longest(events, chars);
            const QString reference = account.referenceFor(club, event);
            const GiroCode code = giroCode(account, kMostTransferCents, reference);
            // Without a placeholder the names change nothing and go unmentioned.
            const QStringList details = reference == account.reference
                                            ? QStringList()
                                            : QStringList{inv.isOpen() ? QString() : club, event};
            if (code.refusal == GiroCode::ReferenceTooLong) {
                problem(Problem::ReferenceTooLong, 3, QString::number(characters(reference)),
                        details);
                return;
            }
            if (code.refusal == GiroCode::TooManyBytes) {
                problem(Problem::PayloadTooLarge, 0,
                        QString::number(payloadOf(account, kMostTransferCents, reference).size()),
                        details);
                return;
            }
        }
    }

    bool tooMany(const QStringList& fields, qsizetype most)
    {
        if (fields.size() <= most)
            return false;
        problem(Problem::TooManyFields, static_cast<int>(most + 1), fields[most]);
        return true;
    }

    // Counts one more line of a kind; past `most` the line is dropped, and only the first one
    // dropped is reported, not each of thousands.
    bool pastLimit(qsizetype& lines, qsizetype most, Problem::Kind tooMany)
    {
        if (++lines <= most)
            return false;
        if (lines == most + 1)
            problem(tooMany);
        return true;
    }

    bool required(const QStringList& fields, int field)
    {
        if (fields.value(field - 1).isEmpty()) {
            problem(Problem::FieldMissing, field);
            return false;
        }
        return true;
    }

    // A club's or an event's name goes into the entry file's header line as it is: it must be
    // a header line there (no comma), fit Windows-1252 and the name limit, and hold no control.
    bool validName(const QString& name, int field)
    {
        const std::optional<Problem::Kind> why = nameProblem(name);
        if (!why)
            return true;
        problem(*why, field,
                *why == Problem::NameNotEncodable
                    ? QString::fromUcs4(std::array{cp1252::firstUnencodable(name)}.data(), 1)
                    : name);
        return false;
    }

    void format(const QString& value)
    {
        static const QRegularExpression pattern(QStringLiteral("^(.*\\S)\\s+(\\d{1,6})$"));
        const QRegularExpressionMatch match = pattern.match(value);
        if (!match.hasMatch() ||
            match.captured(1).compare(QStringView(kFormatName), Qt::CaseInsensitive) != 0) {
            problem(Problem::OtherFormat, 0, value);
            m_stop = true;
        } else if (match.captured(2).toInt() > kFormatVersion) {
            problem(Problem::NewerVersion, 0, match.captured(2));
            m_stop = true;
        } else if (match.captured(2).toInt() < 1) {
            problem(Problem::BadVersion, 0, match.captured(2));
            m_stop = true;
        }
    }

    void organiser(const QStringList& fields)
    {
        if (m_organiserSeen) {
            problem(Problem::Repeated, 0, QStringLiteral("VERANSTALTER"));
            return;
        }
        m_organiserSeen = true;
        if (tooMany(fields, 4))
            return;
        Organiser& o = result.invitation.organiser;
        if (required(fields, 1))
            o.name = fields[0];
        o.contact = fields.value(1);
        if (required(fields, 3)) {
            if (validEmail(fields[2]))
                o.email = fields[2];
            else
                problem(Problem::BadEmail, 3, fields[2]);
        }
        o.phone = fields.value(3);
    }

    void event(const QStringList& fields)
    {
        if (pastLimit(m_eventLines, kMaxEvents, Problem::TooManyEvents))
            return;
        if (tooMany(fields, 7) || !required(fields, 1) || !validName(fields[0], 1))
            return;
        Event e;
        e.name = fields[0];
        e.line = m_line;
        bool good = true;
        if (!fields.value(1).isEmpty())
            good &= date(fields[1], 2, e.date);
        e.place = fields.value(2);
        if (!fields.value(3).isEmpty())
            good &= deadline(fields[3], e);
        if (!fields.value(4).isEmpty())
            good &= fee(fields[4], 5, e.feeCents);
        if (!fields.value(5).isEmpty())
            good &= years(fields[5], e);
        if (!fields.value(6).isEmpty())
            good &= fee(fields[6], 7, e.lateFeeCents);
        if (!m_eventNames.insert(e.name.toCaseFolded()).second) {
            problem(Problem::DuplicateEvent, 1, e.name);
            return;
        }
        if (good)
            result.invitation.events.append(e);
    }

    bool date(const QString& text, int field, QDate& out)
    {
        const std::optional<QDate> parsed = parseDate(text);
        if (!parsed) {
            problem(Problem::BadDate, field, text);
            return false;
        }
        if (!parsed->isValid()) {
            problem(Problem::NoSuchDate, field, text);
            return false;
        }
        out = *parsed;
        return true;
    }

    bool deadline(const QString& text, Event& e)
    {
        static const QRegularExpression pattern(
            QStringLiteral("^(\\S+)(?:\\s+(\\d{1,2}):(\\d{2})(?:\\s*Uhr)?)?$"));
        const QRegularExpressionMatch match = pattern.match(text);
        if (!match.hasMatch()) {
            problem(Problem::BadDeadline, 4, text);
            return false;
        }
        if (!match.captured(2).isEmpty()) {
            e.deadlineTime = QTime(match.captured(2).toInt(), match.captured(3).toInt());
            if (!e.deadlineTime.isValid()) {
                problem(Problem::BadDeadline, 4, text);
                return false;
            }
        }
        const std::optional<QDate> parsed = parseDate(match.captured(1));
        if (!parsed) {
            problem(Problem::BadDeadline, 4, text);
            return false;
        }
        if (!parsed->isValid()) {
            problem(Problem::NoSuchDate, 4, match.captured(1));
            return false;
        }
        e.deadlineDate = *parsed;
        return true;
    }

    bool fee(const QString& text, int field, std::optional<qint64>& out)
    {
        out = parseFee(text);
        if (!out)
            problem(Problem::BadFee, field, text);
        return out.has_value();
    }

    bool years(const QString& text, Event& e)
    {
        static const QRegularExpression pattern(
            QStringLiteral("^(\\d{4})(?:\\s*[-–]\\s*(\\d{4}))?$"));
        const QRegularExpressionMatch match = pattern.match(text);
        const int first = match.captured(1).toInt();
        const int last = match.captured(2).isEmpty() ? first : match.captured(2).toInt();
        if (!match.hasMatch() || first < 1900 || last > 2200 || first > last) {
            problem(Problem::BadYears, 6, text);
            return false;
        }
        e.firstYear = first;
        e.lastYear = last;
        // Taken, as the organiser may have meant next year's file, but said: no child the window
        // takes is born in such a range.
        const int oldest = m_year - 99;
        const int youngest = m_year - 1;
        if (last < oldest || first > youngest)
            result.warnings.append({m_line,
                                    Problem::YearsAdmitNobody,
                                    m_keyword,
                                    6,
                                    text,
                                    {QString::number(oldest), QString::number(youngest)}});
        return true;
    }

    void club(const QStringList& fields)
    {
        if (pastLimit(m_clubLines, kMaxClubs, Problem::TooManyClubs))
            return;
        if (tooMany(fields, 2) || !required(fields, 1) || !validName(fields[0], 1))
            return;
        if (!m_clubNames.insert(fields[0].toCaseFolded()).second) {
            problem(Problem::DuplicateClub, 1, fields[0]);
            return;
        }
        result.invitation.clubs.append({fields[0], fields.value(1), m_line});
    }

    void account(const QStringList& fields)
    {
        if (result.invitation.account || m_accountSeen) {
            problem(Problem::Repeated, 0, QStringLiteral("KONTO"));
            return;
        }
        m_accountSeen = true;
        if (tooMany(fields, 3) || !required(fields, 1))
            return;
        QString iban = fields[0].toUpper();
        iban.remove(u' ');
        if (const auto why = ibanProblem(iban)) {
            problem(*why, 1, fields[0]);
            return;
        }
        if (!required(fields, 2))
            return;
        if (characters(fields[1]) > kMostHolderChars) {
            problem(Problem::HolderTooLong, 2, fields[1]);
            return;
        }
        m_accountLine = m_line;
        result.invitation.account = Account{iban, fields[1], fields.value(2)};
    }

    void note(const QString& text)
    {
        if (!text.isEmpty())
            result.invitation.notes.append(text);
    }

    int m_year;
    qsizetype m_line = 0;
    qsizetype m_accountLine = 0;
    QString m_keyword;
    bool m_formatSeen = false;
    bool m_stop = false;
    bool m_organiserSeen = false;
    bool m_accountSeen = false;
    qsizetype m_eventLines = 0;
    qsizetype m_clubLines = 0;
    std::set<QString> m_eventNames;
    std::set<QString> m_clubNames;
};

} // namespace

bool validEmail(const QString& text)
{
    static const QRegularExpression plain(
        QStringLiteral("^[A-Za-z0-9!$'*+/=^_`{|}~][A-Za-z0-9.!$'*+/=^_`{|}~-]{0,63}"
                       "@(?:[A-Za-z0-9](?:[A-Za-z0-9-]{0,61}[A-Za-z0-9])?\\.)+"
                       "[A-Za-z0-9](?:[A-Za-z0-9-]{0,61}[A-Za-z0-9])?$"));
    const qsizetype at = text.indexOf(u'@');
    // A dot may part the local part's words, but neither end it nor come twice.
    return text.size() <= 254 && plain.match(text).hasMatch() && !text.first(at).endsWith(u'.') &&
           !text.first(at).contains(QStringLiteral(".."));
}

std::optional<Problem::Kind> nameProblem(const QString& name)
{
    if (name.contains(u',') || entry::firstControl(name) != 0)
        return Problem::BadName;
    // The entry file's reader finds its header words anywhere in a header line, and the writer
    // puts a blank after the value: a name holding one, even at its end, would come back cut.
    const QString written = name + u' ';
    if (written.contains(u"VEREIN: ") || written.contains(u"VERANSTALTUNG: "))
        return Problem::HeaderInName;
    // Club and event make the entry file's proposed name: "../x" or "C:\\x" would place it
    // elsewhere than in the folder the dialog shows.
    static const QString kNotInFileNames = QStringLiteral("/\\:*?\"<>|");
    const QString trimmed = name.trimmed();
    if (std::any_of(name.begin(), name.end(),
                    [](QChar c) { return kNotInFileNames.contains(c); }) ||
        trimmed == u"." || trimmed == u"..")
        return Problem::NameNotFileName;
    if (!cp1252::canEncode(name))
        return Problem::NameNotEncodable;
    if (name.size() > entry::kMostNameChars)
        return Problem::NameTooLong;
    // "TSV MÃ¼ller" is "TSV Müller" read in the wrong encoding, and an entry file would give back
    // the latter: its Windows-1252 bytes are valid UTF-8.
    const QByteArray bytes = cp1252::encode(name);
    if (hasNonAscii(bytes) && bytes.isValidUtf8())
        return Problem::NameMisdecoded;
    return std::nullopt;
}

int sepaIbanLength(QStringView country)
{
    const SepaCountry* found = sepaCountry(country);
    return found ? int(ibanPattern(*found).size()) : 0;
}

IbanBreak ibanFormatBreak(const QString& iban)
{
    const SepaCountry* country = sepaCountry(QStringView(iban).left(2));
    const QByteArray pattern = country ? ibanPattern(*country) : QByteArray("aann");
    for (qsizetype i = 0; i < iban.size() && i < pattern.size(); ++i) {
        const QChar c = iban.at(i);
        const char want = pattern.at(i);
        const bool fits = want == 'n'   ? isAsciiDigit(c)
                          : want == 'a' ? isAsciiUpper(c)
                                        : isAsciiDigit(c) || isAsciiUpper(c);
        if (!fits)
            return {int(i + 1), want};
    }
    return {};
}

std::optional<Problem::Kind> ibanProblem(const QString& iban)
{
    if (iban.size() < 4 || ibanFormatBreak(iban.left(4)).position != 0)
        return Problem::IbanFormat;
    if (!sepaCountry(QStringView(iban).left(2)))
        return Problem::IbanCountry;
    if (iban.size() != sepaIbanLength(QStringView(iban).left(2)))
        return Problem::IbanLength;
    if (ibanFormatBreak(iban).position != 0)
        return Problem::IbanFormat;
    if (!checkDigitsMatch(iban))
        return Problem::BadIban;
    return std::nullopt;
}

QString automaticName(const Event& event, int localYear, const QString& club)
{
    const QString year = QString::number(event.date.isValid() ? event.date.year() : localYear);
    const QString named = event.name.trimmed();
    const bool yearInName =
        named.endsWith(year) && (named.size() == year.size() ||
                                 !named.at(named.size() - year.size() - 1).isLetterOrNumber());
    // A safe file name whatever the names are: the proposal is where the save goes on Return.
    return textfile::safeFileName((yearInName ? named : named + u' ' + year) + u' ' + club,
                                  QStringLiteral(".mdg"));
}

bool Event::deadlinePassed(const QDateTime& now) const
{
    if (!deadlineDate.isValid())
        return false;
    if (!deadlineTime.isValid())
        return now.date() > deadlineDate;
    return now > QDateTime(deadlineDate, deadlineTime, now.timeSpec());
}

std::optional<qint64> Event::feeAt(const QDateTime& now) const
{
    if (lateFeeCents && deadlinePassed(now))
        return lateFeeCents;
    return feeCents;
}

QString Account::ibanGrouped() const
{
    QString grouped;
    for (qsizetype i = 0; i < iban.size(); i += 4) {
        if (i > 0)
            grouped += u' ';
        grouped += iban.mid(i, 4);
    }
    return grouped;
}

QString Account::referenceFor(const QString& club, const QString& event) const
{
    QString text = reference;
    // One pass, so that a club named "{Veranstaltung}" stays that name.
    static const QRegularExpression placeholder(QStringLiteral("\\{(Verein|Veranstaltung)\\}"),
                                                QRegularExpression::CaseInsensitiveOption);
    QString filled;
    qsizetype at = 0;
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(text)) {
        filled += QStringView(text).mid(at, match.capturedStart() - at);
        filled += match.captured(1).compare(u"Verein", Qt::CaseInsensitive) == 0 ? club : event;
        at = match.capturedEnd();
    }
    filled += QStringView(text).mid(at);
    return filled;
}

const Event* Invitation::event(const QString& name) const
{
    for (const Event& e : events) {
        if (e.name.compare(name, Qt::CaseInsensitive) == 0)
            return &e;
    }
    return nullptr;
}

const Club* Invitation::club(const QString& name) const
{
    for (const Club& c : clubs) {
        if (c.name.compare(name, Qt::CaseInsensitive) == 0)
            return &c;
    }
    return nullptr;
}

QStringList Invitation::eventNames() const
{
    QStringList names;
    for (const Event& e : events)
        names.append(e.name);
    return names;
}

QStringList Invitation::clubNames() const
{
    QStringList names;
    for (const Club& c : clubs)
        names.append(c.name);
    return names;
}

namespace {

// The file's text as its editor wrote it. Organisers use any editor: UTF-16 with a byte-order
// mark (Notepad's "Unicode"), UTF-8 (with a mark, or valid throughout), or Windows-1252 ("ANSI").
// A file with UTF-8 lines and lines that are not was pasted together from two sources; either
// reading would garble the names of one, and a garbled club name is a club the organiser's
// gathering does not know. So such lines are refused, each with its number.
std::optional<QString> decodeFile(QByteArrayView bytes, Reader& reader)
{
    const bool little = bytes.startsWith("\xFF\xFE");
    if (little || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder decoder(little ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
        QString text = decoder(bytes.sliced(2));
        if (decoder.hasError() || bytes.size() % 2 != 0) {
            const qsizetype bad = text.indexOf(QChar::ReplacementCharacter);
            reader.fileProblem(
                {bad < 0 ? 0 : text.first(bad).count(u'\n') + 1, Problem::BadUtf16, {}, 0, {}, {}});
            return std::nullopt;
        }
        if (text.contains(QChar(0))) {
            reader.fileProblem({0, Problem::NotText, {}, 0, {}, {}});
            return std::nullopt;
        }
        return text;
    }
    if (bytes.contains('\0')) {
        reader.fileProblem({0, Problem::NotText, {}, 0, {}, {}});
        return std::nullopt;
    }
    const bool marked = bytes.startsWith("\xEF\xBB\xBF");
    if (marked)
        bytes = bytes.sliced(3);
    if (bytes.isValidUtf8())
        return QString::fromUtf8(bytes);
    qsizetype utf8Line = 0;
    QList<qsizetype> otherLines;
    qsizetype number = 0;
    for (qsizetype start = 0; start <= bytes.size();) {
        ++number;
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        const QByteArrayView line = bytes.sliced(start, end - start);
        start = end + 1;
        if (!hasNonAscii(line))
            continue;
        if (!line.isValidUtf8())
            otherLines.append(number);
        else if (utf8Line == 0)
            utf8Line = number;
    }
    if (!marked && utf8Line == 0)
        return cp1252::decode(bytes);
    for (const qsizetype line : otherLines)
        reader.fileProblem(
            {line, Problem::NotUtf8, {}, 0, marked ? QString() : QString::number(utf8Line), {}});
    return std::nullopt;
}

} // namespace

ReadResult read(QByteArrayView bytes, int currentUtcYear)
{
    Reader reader(currentUtcYear);
    if (bytes.size() > kMaxFileBytes) {
        reader.fileProblem({0, Problem::TooLarge, {}, 0, {}, {}});
        return reader.result;
    }
    const std::optional<QString> decoded = decodeFile(bytes, reader);
    if (!decoded)
        return reader.result;
    QStringView text = *decoded;
    if (text.startsWith(QChar(0xFEFF)))
        text = text.mid(1);
    // Lines that end in CR alone come from old Mac editors; read as one line, the file would be
    // refused for reasons that are not its fault.
    const qsizetype feeds = text.count(u'\n');
    const qsizetype returns = text.count(u'\r');
    if (returns > 0 && returns - text.count(u"\r\n") >= std::max<qsizetype>(feeds, 1)) {
        reader.fileProblem({0, Problem::CrLineEnds, {}, 0, {}, {}});
        return reader.result;
    }
    qsizetype number = 0;
    for (QStringView line : text.split(u'\n')) {
        ++number;
        if (line.endsWith(u'\r'))
            line.chop(1);
        reader.line(number, line);
        if (reader.stopped())
            break;
    }
    reader.finish();
    return reader.result;
}

ReadResult read(QByteArrayView bytes)
{
    return read(bytes, entry::currentUtcYear());
}

GiroCode giroCode(const Account& account, qint64 cents, const QString& reference)
{
    GiroCode code;
    if (cents <= 0)
        code.refusal = GiroCode::NoAmount;
    else if (cents > kMostTransferCents)
        code.refusal = GiroCode::AmountTooLarge;
    else if (account.holder.contains(u'\n') || account.holder.contains(u'\r') ||
             reference.contains(u'\n') || reference.contains(u'\r'))
        code.refusal = GiroCode::LineBreak;
    else if (characters(account.holder) > kMostHolderChars)
        code.refusal = GiroCode::HolderTooLong;
    else if (characters(reference) > kMostReferenceChars)
        code.refusal = GiroCode::ReferenceTooLong;
    if (code.refusal != GiroCode::None)
        return code;
    code.payload = payloadOf(account, cents, reference);
    if (code.payload.size() > kMostPayloadBytes) {
        code.payload.clear();
        code.refusal = GiroCode::TooManyBytes;
    }
    return code;
}

QByteArray giroCodePayload(const Account& account, qint64 cents, const QString& reference)
{
    return giroCode(account, cents, reference).payload;
}

QString money(qint64 cents)
{
    // Whole cents, no floating point: 0.1 + 0.2 must never print as 0,30000000000000004 €.
    const QString sign = cents < 0 ? QStringLiteral("-") : QString();
    const qint64 amount = cents < 0 ? -cents : cents;
    return sign + QLocale(QLocale::German).toString(amount / 100) + u',' +
           QStringLiteral("%1").arg(amount % 100, 2, 10, QLatin1Char('0')) + QStringLiteral(" €");
}

QString dateText(const QDate& date)
{
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

QStringList fieldNames(const QString& keyword)
{
    if (keyword == u"VERANSTALTER")
        return {QStringLiteral("Name"), QStringLiteral("Ansprechpartner"), QStringLiteral("E-Mail"),
                QStringLiteral("Telefon")};
    if (keyword == u"VERANSTALTUNG")
        return {QStringLiteral("Name"),         QStringLiteral("Datum"),
                QStringLiteral("Ort"),          QStringLiteral("Meldeschluss"),
                QStringLiteral("Meldegeld"),    QStringLiteral("Jahrgänge"),
                QStringLiteral("Nachmeldegeld")};
    if (keyword == u"VEREIN")
        return {QStringLiteral("Name"), QStringLiteral("Vereinsnummer")};
    if (keyword == u"KONTO")
        return {QStringLiteral("IBAN"), QStringLiteral("Kontoinhaber"),
                QStringLiteral("Verwendungszweck")};
    return {};
}

QByteArray templateBytes()
{
    // UTF-8 with a byte-order mark, so that Notepad keeps it UTF-8 when the organiser saves.
    return QByteArrayLiteral("\xEF\xBB\xBF") + QStringLiteral(R"(# Ausschreibung für Zandrel
#
# Diese Datei sagt Zandrel, welche Vereine für welche Veranstaltungen melden können, bis wann,
# für welche Jahrgänge und zu welchem Meldegeld. Schreiben Sie sie mit einem beliebigen
# Texteditor; Zandrel liest UTF-8 und Windows-1252 ("ANSI").
#
# Jede Zeile ist ein Eintrag:   SCHLÜSSELWORT: Feld; Feld; ...
# Leerzeichen um die Felder zählen nicht; ein leeres Feld (;;) heißt "nicht angegeben", leere
# Felder am Ende dürfen fehlen. Zeilen mit # am Anfang und leere Zeilen werden übergangen.
# Prüfen Sie die Datei mit:   zandrel-sammeln --pruefe DATEI.aus
#
# FORMAT: Zandrel-Ausschreibung 1
#   Muss der erste Eintrag sein.
#
# VERANSTALTER: Name; Ansprechpartner; E-Mail für die Meldungen; Telefon
#   Genau einmal. Name und E-Mail sind Pflicht.
#
# VERANSTALTUNG: Name; Datum; Ort; Meldeschluss; Meldegeld; Jahrgänge; Nachmeldegeld
#   Einmal je Veranstaltung (höchstens 100). Nur der Name ist Pflicht; er steht genau so in
#   den Meldedateien (höchstens 60 Zeichen, kein Komma).
#   Datum TT.MM.JJJJ. Meldeschluss TT.MM.JJJJ (bis Ende des Tages) oder TT.MM.JJJJ HH:MM.
#   Meldegeld je Teilnehmer: 5,50 oder 5 oder 5,50 €. Jahrgänge: 2009-2020.
#   Nachmeldegeld je Teilnehmer nach dem Meldeschluss.
#
# VEREIN: Name; Vereinsnummer
#   Einmal je Verein (höchstens 10.000); der Name steht genau so in den Meldedateien.
#   Ohne jede VEREIN-Zeile ist die Ausschreibung offen: jeder Verein kann melden.
#
# KONTO: IBAN; Kontoinhaber; Verwendungszweck
#   Höchstens einmal. Im Verwendungszweck werden {Verein} und {Veranstaltung} ersetzt.
#
# HINWEIS: Text
#   Beliebig oft; erscheint im Fenster und auf der gedruckten Meldung.

FORMAT: Zandrel-Ausschreibung 1
VERANSTALTER: Turngau Musterland; Erika Muster; meldung@turngau-musterland.de; 07123 45678
VERANSTALTUNG: Gauturnfest 2027; 12.06.2027; Sporthalle Musterstadt; 15.05.2027 18:00; 5,50; 2009-2020; 8,00
VERANSTALTUNG: Kinderturnfest 2027; 03.07.2027; Talhausen; 01.06.2027; 4,00; 2015-2021
VEREIN: TV Musterstadt; 1001
VEREIN: TSV 1860 Hintertupfing; 1002
KONTO: DE02 1203 0000 0000 2020 51; Turngau Musterland e. V.; Meldegeld {Veranstaltung} {Verein}
HINWEIS: Je 10 Kinder bitte eine erwachsene Begleitperson melden.
)")
                                                   .replace(u'\n', QStringLiteral("\r\n"))
                                                   .toUtf8();
}

} // namespace invitation
