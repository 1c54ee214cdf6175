#include "entries/Entry.h"

#include "entries/Collation.h"

#include <QDateTime>

namespace entry {

QString displayText(const QString& name, const QString& firstName)
{
    return name + QLatin1Char(',') + firstName;
}

char32_t firstControl(QStringView text)
{
    for (const QChar c : text) {
        const char16_t ch = c.unicode();
        if (ch < 0x20 || (ch >= 0x7F && ch <= 0x9F) || ch == 0x061C || ch == 0x200E ||
            ch == 0x200F || (ch >= 0x2028 && ch <= 0x202E) || (ch >= 0x2066 && ch <= 0x2069))
            return ch;
    }
    return 0;
}

unsigned gaps(const Participant& participant, int currentUtcYear)
{
    const auto when = [](bool holds, Gap gap) { return holds ? unsigned(gap) : 0u; };
    return when(participant.firstName.isEmpty(), NoFirstName) |
           when(participant.name.isEmpty(), NoName) | when(participant.gender < 0, NoGender) |
           when(CheckBirthYear(participant.year, currentUtcYear) == -1, YearOutside);
}

QString shownName(const QString& text)
{
    const Names names = splitDisplayText(text);
    return names.name + QStringLiteral(", ") + names.firstName;
}

Names splitDisplayText(const QString& text)
{
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    if (comma < 0)
        return {QString(), text};
    QString name = text.left(comma);
    qsizetype end = name.size();
    while (end > 0 && name.at(end - 1).isSpace())
        --end;
    name.truncate(end);
    return {name, text.mid(comma + 1)};
}

bool sameParticipant(const QString& textA, qint32 yearA, const QString& textB, qint32 yearB)
{
    static const QCollator order = collation::listCollator();
    return yearA == yearB && order.compare(textA, textB) == 0;
}

QByteArray participantKey(QStringView text, qint32 year)
{
    // The collation key holds no NUL but its last byte, so the year behind it cannot run into it.
    QByteArray key = collation::key(text);
    key.append(reinterpret_cast<const char*>(&year), sizeof year);
    return key;
}

int currentUtcYear()
{
    return QDateTime::currentDateTimeUtc().date().year();
}

int CheckBirthYear(int year)
{
    return CheckBirthYear(year, currentUtcYear());
}

} // namespace entry
