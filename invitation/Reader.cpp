#include "invitation/Reader.h"

#include "entries/Entry.h"
#include "entries/Nearest.h"
#include "invitation/GiroCode.h"
#include "invitation/Iban.h"
#include "textfile/Cp1252.h"
#include "textfile/EmailAddress.h"

#include <algorithm>
#include <array>
#include <map>
#include <QRegularExpression>
#include <QStringDecoder>
#include <set>
#include <vector>

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

// A fee as organisers write it in their invitations: "5,50", "5.50", "5", "5,-" (or "5,--",
// "5,–"), with "€", "EUR" or "Euro" before or after it, parted by a blank of any width or not at
// all. Digits stay ASCII: a fee is money, not text.
std::optional<qint64> parseFee(const QString& text)
{
    static const QRegularExpression pattern(
        QStringLiteral(
            "^(?:(€|EUR|Euro)[\\s\\x{00A0}\\x{2009}\\x{202F}]*)?(\\d{1,5})"
            "(?:[,.](?:(\\d{1,2})|--?|–))?[\\s\\x{00A0}\\x{2009}\\x{202F}]*(€|EUR|Euro)?$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(text);
    // One currency, not "€ 5 €".
    if (!match.hasMatch() || (!match.captured(1).isEmpty() && !match.captured(4).isEmpty()))
        return std::nullopt;
    const QString cents = match.captured(3).leftJustified(2, u'0');
    return match.captured(2).toLongLong() * 100 + cents.toLongLong();
}

bool hasNonAscii(QByteArrayView bytes)
{
    return std::any_of(bytes.begin(), bytes.end(), [](char c) { return c & 0x80; });
}

QString codePoint(char32_t c)
{
    return QStringLiteral("U+%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper();
}

// The keyword an unknown one was probably meant to be, where one is near enough.
QString meantKeyword(const QString& unknown)
{
    static const QStringList kKeywords = {
        QStringLiteral("FORMAT"), QStringLiteral("VERANSTALTER"), QStringLiteral("VERANSTALTUNG"),
        QStringLiteral("VEREIN"), QStringLiteral("KONTO"),        QStringLiteral("HINWEIS")};
    return nearest::closest(unknown, kKeywords);
}

Problem::Kind ibanProblem(IbanFault fault)
{
    switch (fault) {
    case IbanFault::Format:
        return Problem::IbanFormat;
    case IbanFault::Country:
        return Problem::IbanCountry;
    case IbanFault::Length:
        return Problem::IbanLength;
    case IbanFault::CheckDigits:
        break;
    }
    return Problem::BadIban;
}

class Reader
{
public:
    Reader(int currentUtcYear, const QDate& today) : m_year(currentUtcYear), m_today(today) {}

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
                controlProblem(control, 0);
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
                controlProblem(control, oneField ? 0 : int(i + 1));
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
        else if (const QString meant = meantKeyword(key); !meant.isEmpty())
            problem(Problem::UnknownKeyword, 0, keyword, {meant});
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

    // As many as problems at most: ten thousand clubs of one number are one mistake, not a list
    // the window would have to show.
    void warning(Problem::Kind kind, int field, const QString& value,
                 const QStringList& details = {})
    {
        if (result.warnings.size() < kMostProblems)
            result.warnings.append({m_line, kind, m_keyword, field, value, details});
        else
            ++result.moreWarnings;
    }

    // The payment reference is filled in per club and event: the longest one this file can give
    // must fit the GiroCode, or every club with a long name would get a form without one. The
    // names are measured in it, as it goes out: in SEPA's characters ("ß" is "ss"), where its
    // bytes are its characters, and with blanks beside them fallen together. So the club that
    // makes it longest with one event, then the event that makes it longest with that club. An
    // open file takes any club, so a club of the longest name counts.
    void references()
    {
        const Invitation& inv = result.invitation;
        const QStringList clubs =
            inv.isOpen() ? QStringList{QString(entry::kMostNameChars, u'W')} : inv.clubNames();
        const QStringList events = inv.eventNames();
        if (events.isEmpty())
            return;
        m_line = m_accountLine;
        m_keyword = QStringLiteral("KONTO");
        const Account& account = *inv.account;
        const auto longest = [](const QStringList& names, auto length) {
            QString most = names.first();
            qsizetype mostLength = length(most);
            for (const QString& name : names) {
                if (const qsizetype l = length(name); l > mostLength) {
                    most = name;
                    mostLength = l;
                }
            }
            return most;
        };
        const QString club = longest(clubs, [&](const QString& c) {
            return account.referenceFor(c, events.first()).size();
        });
        const QString event =
            longest(events, [&](const QString& e) { return account.referenceFor(club, e).size(); });
        const QString reference = account.referenceFor(club, event);
        const GiroCode code = giroCode(account, kMostTransferCents, reference);
        // Without a placeholder the names change nothing and go unmentioned.
        const QStringList details = reference == account.referenceFor({}, {})
                                        ? QStringList()
                                        : QStringList{inv.isOpen() ? QString() : club, event};
        if (code.refusal == GiroCode::ReferenceTooLong)
            problem(Problem::ReferenceTooLong, 3, QString::number(codePoints(reference)), details);
        else if (code.refusal == GiroCode::TooManyBytes)
            problem(Problem::PayloadTooLarge, 0, QString::number(code.bytes), details);
    }

    // A tab between fields is refused by name, not taken as a separator: it also lines up columns,
    // and "Fest<Tab><Tab>12.06.2027", two tabs for the look, would put the date in the place's
    // field without a word. Said so, the organiser writes the ';' once and nothing is misread.
    void controlProblem(char32_t control, int field)
    {
        problem(control == u'\t' ? Problem::TabInField : Problem::ControlInField, field,
                codePoint(control));
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
            if (textfile::validEmail(fields[2]))
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
        if (!good)
            return;
        eventWarnings(e, fields);
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
        return true;
    }

    // What an event line may well hold by mistake: taken as written, as the organiser may have
    // meant it (next year's file written early, a late fee waived), but said, in field order.
    void eventWarnings(const Event& e, const QStringList& fields)
    {
        // A file of a past event is last year's, copied; its deadline has passed as well, and
        // saying so twice would only hide the point.
        const bool past = e.date.isValid() && e.date < m_today;
        if (past)
            warning(Problem::EventPast, 2, fields[1]);
        if (e.deadlineDate.isValid() && e.date.isValid() && e.deadlineDate > e.date)
            warning(Problem::DeadlineAfterEvent, 4, fields[3], {fields[1]});
        else if (!past && e.deadlineDate.isValid() && e.deadlineDate < m_today)
            warning(Problem::DeadlinePast, 4, fields[3]);
        if (e.hasYears()) {
            const int oldest = m_year - 99;
            const int youngest = m_year - 1;
            if (e.lastYear < oldest || e.firstYear > youngest)
                warning(Problem::YearsAdmitNobody, 6, fields[5],
                        {QString::number(oldest), QString::number(youngest)});
            else if (e.date.isValid() && e.lastYear > e.date.year())
                warning(Problem::YearsAfterEvent, 6, fields[5], {QString::number(e.date.year())});
        }
        if (e.feeCents && e.lateFeeCents && *e.lateFeeCents < *e.feeCents)
            warning(Problem::LateFeeBelowFee, 7, fields[6],
                    {QString::number(*e.lateFeeCents), QString::number(*e.feeCents)});
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
        // The organiser's sheets tell clubs apart by their numbers: one number for two clubs is
        // a copied line whose number was not changed.
        const QString number = fields.value(1);
        if (!number.isEmpty()) {
            const auto [at, added] =
                m_clubNumbers.emplace(number.toCaseFolded(), result.invitation.clubs.size());
            if (!added) {
                const Club& first = result.invitation.clubs.at(at->second);
                warning(Problem::DuplicateClubNumber, 2, number,
                        {first.name, QString::number(first.line)});
            }
        }
        result.invitation.clubs.append({fields[0], number, m_line});
    }

    void account(const QStringList& fields)
    {
        if (result.invitation.account || m_accountSeen) {
            problem(Problem::Repeated, 0, QStringLiteral("KONTO"));
            return;
        }
        m_accountSeen = true;
        if (tooMany(fields, 4) || !required(fields, 1))
            return;
        const QString iban = compactIban(fields[0]);
        if (const auto fault = ibanFault(iban)) {
            problem(ibanProblem(*fault), 1, fields[0]);
            return;
        }
        if (!required(fields, 2))
            return;
        if (codePoints(fields[1]) > kMostHolderChars) {
            problem(Problem::HolderTooLong, 2, fields[1]);
            return;
        }
        // Within SEPA the IBAN is enough; a BIC given goes into the GiroCode, and a wrong one would
        // send the transfer back.
        const QString bic = compactBic(fields.value(3));
        if (!bic.isEmpty() && !validBic(bic)) {
            problem(Problem::BadBic, 4, fields[3]);
            return;
        }
        m_accountLine = m_line;
        result.invitation.account = Account{iban, fields[1], fields.value(2), bic};
    }

    void note(const QString& text)
    {
        if (!text.isEmpty())
            result.invitation.notes.append(text);
    }

    int m_year;
    QDate m_today;
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
    std::map<QString, qsizetype> m_clubNumbers; ///< case-folded, to the first club that has it
};

} // namespace

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

ReadResult read(QByteArrayView bytes, int currentUtcYear, const QDate& today)
{
    Reader reader(currentUtcYear, today);
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
    return read(bytes, entry::currentUtcYear(), QDate::currentDate());
}

LoadedFile load(const QString& path)
{
    LoadedFile loaded;
    QByteArray bytes;
    loaded.load = textfile::loadFile(path, bytes);
    if (loaded.load == textfile::LoadResult::Ok)
        loaded.read = read(bytes);
    return loaded;
}

} // namespace invitation
