#include "invitation/Invitation.h"

#include "entries/Entry.h"
#include "textfile/Cp1252.h"
#include "textfile/TextEncoding.h"

#include <array>
#include <QLocale>
#include <QRegularExpression>
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

bool validIban(const QString& iban)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Z]{2}\\d{2}[A-Z0-9]{11,30}$"));
    if (!pattern.match(iban).hasMatch())
        return false;
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

class Reader
{
public:
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
            problem(Problem::NoKeyword, 0, text.left(40).toString());
            return;
        }
        const QString key = keyword.toUpper();
        m_keyword = key;
        const QStringView rest = text.mid(colon + 1);
        if (!m_formatSeen) {
            m_formatSeen = true;
            if (key != u"FORMAT") {
                problem(Problem::NoFormatFirst);
                m_stop = true;
                return;
            }
            format(rest.trimmed().toString());
            return;
        }
        if (key == u"FORMAT")
            problem(Problem::Repeated, 0, key);
        else if (key == u"VERANSTALTER")
            organiser(fieldsOf(rest));
        else if (key == u"VERANSTALTUNG")
            event(fieldsOf(rest));
        else if (key == u"VEREIN")
            club(fieldsOf(rest));
        else if (key == u"KONTO")
            account(fieldsOf(rest));
        else if (key == u"HINWEIS")
            note(rest.trimmed().toString());
        else
            problem(Problem::UnknownKeyword, 0, keyword);
    }

    void finish()
    {
        if (m_stop)
            return;
        if (!m_organiserSeen)
            result.problems.append({0, Problem::NoOrganiser, {}, 0, {}});
        if (result.invitation.events.isEmpty() && m_eventLines == 0)
            result.problems.append({0, Problem::NoEvent, {}, 0, {}});
    }

    bool stopped() const { return m_stop; }

private:
    void problem(Problem::Kind kind, int field = 0, const QString& value = {})
    {
        result.problems.append({m_line, kind, m_keyword, field, value});
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
        if (!validIban(iban)) {
            problem(Problem::BadIban, 1, fields[0]);
            return;
        }
        if (!required(fields, 2))
            return;
        result.invitation.account = Account{iban, fields[1], fields.value(2)};
    }

    void note(const QString& text)
    {
        if (!text.isEmpty())
            result.invitation.notes.append(text);
    }

    qsizetype m_line = 0;
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
    static const QString kForbidden = QStringLiteral("<>,;?&%\"'");
    if (text.count(u'@') != 1 || text.startsWith(u'@') || text.endsWith(u'@'))
        return false;
    for (const QChar ch : text) {
        if (ch.isSpace() || ch.category() == QChar::Other_Control || kForbidden.contains(ch))
            return false;
    }
    return true;
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
    if (!cp1252::canEncode(name))
        return Problem::NameNotEncodable;
    if (name.size() > entry::kMostNameChars)
        return Problem::NameTooLong;
    return std::nullopt;
}

QString automaticName(const Event& event, int localYear, const QString& club)
{
    const QString year = QString::number(event.date.isValid() ? event.date.year() : localYear);
    const QString named = event.name.trimmed();
    const bool yearInName =
        named.endsWith(year) && (named.size() == year.size() ||
                                 !named.at(named.size() - year.size() - 1).isLetterOrNumber());
    return (yearInName ? named : named + u' ' + year) + u' ' + club + QStringLiteral(".mdg");
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

ReadResult read(QByteArrayView bytes)
{
    Reader reader;
    if (bytes.size() > kMaxFileBytes) {
        reader.result.problems.append({0, Problem::TooLarge, {}, 0, {}});
        return reader.result;
    }
    if (bytes.contains('\0')) {
        reader.result.problems.append({0, Problem::NotText, {}, 0, {}});
        return reader.result;
    }
    QString text = textfile::decode(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    qsizetype number = 0;
    for (QStringView line : QStringView(text).split(u'\n')) {
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

QByteArray giroCodePayload(const Account& account, qint64 cents, const QString& reference)
{
    constexpr qint64 kMostCents = 99999999999;
    if (cents <= 0 || cents > kMostCents)
        return {};
    // The fields have a length limit each (name 70, reference 140 characters) and are one line
    // each: a line break in a value would shift every field after it.
    const auto field = [](const QString& text, qsizetype most) {
        QString line = text.simplified();
        if (line.size() > most)
            line.truncate(line.at(most - 1).isHighSurrogate() ? most - 1 : most);
        return line;
    };
    const QString amount =
        QStringLiteral("EUR%1.%2").arg(cents / 100).arg(cents % 100, 2, 10, QLatin1Char('0'));
    const QStringList lines{QStringLiteral("BCD"),
                            QStringLiteral("002"),
                            QStringLiteral("1"), // UTF-8
                            QStringLiteral("SCT"),
                            QString(), // BIC: optional within the EEA since version 002
                            field(account.holder, 70),
                            account.iban,
                            amount,
                            QString(), // purpose code
                            QString(), // structured creditor reference
                            field(reference, 140)};
    return lines.join(u'\n').toUtf8();
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
