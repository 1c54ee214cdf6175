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

} // namespace invitation
