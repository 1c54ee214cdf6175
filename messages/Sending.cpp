#include "messages/Sending.h"

#include "messages/Messages.h"

#include <QFileInfo>
#include <QLocale>

namespace messages {

QString sendSubject(const QString& club, const QString& event)
{
    return QStringLiteral("Meldung %1 – %2").arg(club, event);
}

QString sendBody(const SendFacts& facts)
{
    const QLocale german(QLocale::German);
    QStringList lines{QStringLiteral("Guten Tag,"), QString()};
    lines << QStringLiteral("anbei die Meldung von %1 für %2: %3 Teilnehmer (%4 weiblich, %5 "
                            "männlich).")
                 .arg(facts.club, facts.event, german.toString(facts.participants),
                      german.toString(facts.participants - facts.male),
                      german.toString(facts.male));
    if (!facts.feeLine.isEmpty())
        lines << facts.feeLine;
    if (!facts.paymentLine.isEmpty())
        lines << facts.paymentLine;
    if (facts.files.size() == 2) {
        lines << QString()
              << QStringLiteral("Angehängt sind die Meldedatei %1 und der Meldebogen %2.")
                     .arg(quoted(facts.files.at(0)), quoted(facts.files.at(1)));
    }
    if (!facts.contact.isEmpty())
        lines << QString() << QStringLiteral("Ansprechpartner: ") + facts.contact;
    lines << QString() << QStringLiteral("Mit freundlichen Grüßen");
    if (!facts.contactName.isEmpty())
        lines << facts.contactName;
    lines << facts.club;
    return lines.join(u'\n');
}

QString sendStarting()
{
    return QStringLiteral("Mailprogramm wird geöffnet …");
}

QString sendHanded(const QString& to)
{
    if (to.isEmpty())
        return QStringLiteral("Ans Mailprogramm übergeben, Empfänger bitte eintragen: Mailprogramm "
                              "geöffnet");
    return QStringLiteral("An %1 übergeben: Mailprogramm geöffnet").arg(to);
}

QString sendCancelled()
{
    return QStringLiteral("Mail im Mailprogramm verworfen, nichts gesendet");
}

namespace {

QString whyNotHanded(const mailprogram::Outcome& outcome)
{
    const QString program =
        outcome.program.isEmpty() ? QStringLiteral("Das Mailprogramm") : quoted(outcome.program);
    const QString detail =
        outcome.detail.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(outcome.detail);
    switch (outcome.result) {
    case mailprogram::Result::NoMailProgram:
        return QStringLiteral("Es ist kein Mailprogramm als Standard eingerichtet.");
    case mailprogram::Result::NotStarted:
        return QStringLiteral("%1 ließ sich nicht starten%2.").arg(program, detail);
    case mailprogram::Result::Handed:
    case mailprogram::Result::Cancelled:
    case mailprogram::Result::Failed:
        break;
    }
    return QStringLiteral("%1 hat die Meldung nicht übernommen%2.").arg(program, detail);
}

} // namespace

QString sendFallback(const mailprogram::Outcome& outcome, const mailprogram::Fallback& opened,
                     const QString& to, const QString& subject, const QStringList& files)
{
    QStringList names;
    for (const QString& file : files)
        names << quoted(QFileInfo(file).fileName());
    const QString recipient = to.isEmpty() ? QStringLiteral("den Veranstalter") : to;
    QString what = opened.mailOpened
                       ? QStringLiteral("Eine neue Mail an %1 ist geöffnet. Bitte hängen Sie "
                                        "diese zwei Dateien an:")
                             .arg(recipient)
                       : QStringLiteral("Bitte schreiben Sie selbst eine Mail an %1 mit dem "
                                        "Betreff %2 und hängen Sie diese zwei Dateien an:")
                             .arg(recipient, quoted(subject));
    const QString folder = QFileInfo(files.value(0)).absolutePath();
    const QString where = opened.folderOpened ? QStringLiteral("Der Ordner %1 ist geöffnet.")
                                              : QStringLiteral("Sie liegen im Ordner %1.");
    return whyNotHanded(outcome) + QStringLiteral("\n\n") + what + u'\n' + names.join(u'\n') +
           QStringLiteral("\n\n") + where.arg(quoted(shown(folder)));
}

QString sendFallbackStatus(const QString& to, const mailprogram::Fallback& opened)
{
    if (!opened.mailOpened)
        return QStringLiteral("Kein Mailprogramm: Meldung bitte selbst senden");
    return QStringLiteral("An %1: neue Mail geöffnet, Dateien bitte selbst anhängen")
        .arg(to.isEmpty() ? QStringLiteral("Veranstalter") : to);
}

} // namespace messages
