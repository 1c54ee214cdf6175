#include "invitation/Invitation.h"

#include "textfile/FileName.h"

#include <QRegularExpression>

namespace invitation {

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
    // Banks pass on only SEPA's basic characters; others arrive as "?", dropped or as the
    // transfer refused, and the organiser's bank statement would not match the sheet.
    return sepaText(filled);
}

namespace {

bool isSepaBasic(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') ||
           QStringView(u"/-?:().,'+ ").contains(c);
}

// What stands for a character outside the set after decomposition has taken the accents off:
// letters that have none to take, and signs with a near one in the set.
const char16_t* sepaStandIn(char16_t c)
{
    struct StandIn
    {
        char16_t from;
        const char16_t* to;
    };
    static constexpr StandIn kStandIns[] = {
        {u'Æ', u"AE"}, {u'æ', u"ae"}, {u'Œ', u"OE"}, {u'œ', u"oe"}, {u'Ø', u"O"},   {u'ø', u"o"},
        {u'Ł', u"L"},  {u'ł', u"l"},  {u'Đ', u"D"},  {u'đ', u"d"},  {u'Ð', u"D"},   {u'ð', u"d"},
        {u'Þ', u"Th"}, {u'þ', u"th"}, {u'ı', u"i"},  {u'&', u"+"},  {u'€', u"EUR"}, {u';', u","},
        {u'"', u"'"},  {u'„', u"'"},  {u'“', u"'"},  {u'”', u"'"},  {u'‚', u"'"},   {u'‘', u"'"},
        {u'’', u"'"},  {u'«', u"'"},  {u'»', u"'"},  {u'‹', u"'"},  {u'›', u"'"},   {u'`', u"'"},
        {u'´', u"'"},  {u'–', u"-"},  {u'—', u"-"},  {u'‐', u"-"},  {u'‑', u"-"},   {u'_', u"-"},
        {u'{', u"("},  {u'[', u"("},  {u'}', u")"},  {u']', u")"},  {u'⁄', u"/"},   {u'\\', u"/"},
    };
    for (const StandIn& s : kStandIns) {
        if (s.from == c)
            return s.to;
    }
    return nullptr;
}

} // namespace

QString sepaText(const QString& text)
{
    // The umlauts before the decomposition, which would leave "ä" an "a"; composed first, so
    // that an "a" with a combining diaeresis (as macOS writes file names) is an "ä" too.
    QString spelt;
    for (const QChar c : text.normalized(QString::NormalizationForm_C)) {
        switch (c.unicode()) {
        case u'ä':
            spelt += u"ae";
            break;
        case u'ö':
            spelt += u"oe";
            break;
        case u'ü':
            spelt += u"ue";
            break;
        case u'Ä':
            spelt += u"Ae";
            break;
        case u'Ö':
            spelt += u"Oe";
            break;
        case u'Ü':
            spelt += u"Ue";
            break;
        case u'ß':
            spelt += u"ss";
            break;
        case u'ẞ':
            spelt += u"SS";
            break;
        default:
            spelt += c;
        }
    }
    QString basic;
    for (const QChar c : spelt.normalized(QString::NormalizationForm_KD)) {
        if (c.isMark())
            continue;
        if (isSepaBasic(c))
            basic += c;
        else if (const char16_t* standIn = sepaStandIn(c.unicode()))
            basic += QStringView(standIn);
        else
            basic += u' ';
    }
    return basic.simplified();
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

} // namespace invitation
