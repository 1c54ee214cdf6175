#include "Entry.h"

#include <QDateTime>

namespace entry {

QString DisplayText(const QString& name, const QString& firstName)
{
    return name + QLatin1Char(',') + firstName;
}

Names SplitDisplayText(const QString& text)
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

int CurrentUtcYear()
{
    return QDateTime::currentDateTimeUtc().date().year();
}

int CheckBirthYear(int year)
{
    return CheckBirthYear(year, CurrentUtcYear());
}

} // namespace entry
