#include "messages/Sending.h"

#include "messages/Messages.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>

namespace messages {
namespace {

// The sentences of this file, for lupdate and i18n/zandrel_de.ts, under "Sending".
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Sending)
};

} // namespace

QString sendSubject(const QString& club, const QString& event)
{
    return Text::tr("Meldung %1 – %2").arg(club, event);
}

QString sendBody(const SendFacts& facts)
{
    const QLocale german(QLocale::German);
    QStringList lines{Text::tr("Guten Tag,"), QString()};
    lines << Text::tr("anbei die Meldung von %1 für %2: %3 Teilnehmer (%4 weiblich, %5 männlich).")
                 .arg(facts.club, facts.event, german.toString(facts.participants),
                      german.toString(facts.participants - facts.male),
                      german.toString(facts.male));
    if (!facts.feeLine.isEmpty())
        lines << facts.feeLine;
    if (!facts.paymentLine.isEmpty())
        lines << facts.paymentLine;
    if (facts.files.size() == 2) {
        lines << QString()
              << Text::tr("Angehängt sind die Meldedatei %1 und der Meldebogen %2.")
                     .arg(quoted(facts.files.at(0)), quoted(facts.files.at(1)));
    }
    if (!facts.contact.isEmpty())
        lines << QString() << Text::tr("Ansprechpartner: %1").arg(facts.contact);
    lines << QString() << Text::tr("Mit freundlichen Grüßen");
    if (!facts.contactName.isEmpty())
        lines << facts.contactName;
    lines << facts.club;
    return lines.join(u'\n');
}

QString sendStarting()
{
    return Text::tr("Mailprogramm wird geöffnet …");
}

QString sendHanded(const QString& to)
{
    if (to.isEmpty())
        return Text::tr("Ans Mailprogramm übergeben, Empfänger bitte eintragen: Mailprogramm "
                        "geöffnet");
    return Text::tr("An %1 übergeben: Mailprogramm geöffnet").arg(to);
}

QString sendCancelled()
{
    return Text::tr("Mail im Mailprogramm verworfen, nichts gesendet");
}

namespace {

QString whyNotHanded(const NotHanded& notHanded)
{
    if (notHanded.why == NotHanded::NoMailProgram)
        return Text::tr("Es ist kein Mailprogramm als Standard eingerichtet.");
    // Four sentences each, rather than one glued from the program and the system's detail.
    const bool started = notHanded.why == NotHanded::NotTaken;
    const QString program = quoted(notHanded.program);
    if (notHanded.program.isEmpty() && notHanded.detail.isEmpty())
        return started ? Text::tr("Das Mailprogramm hat die Meldung nicht übernommen.")
                       : Text::tr("Das Mailprogramm ließ sich nicht starten.");
    if (notHanded.program.isEmpty())
        return (started ? Text::tr("Das Mailprogramm hat die Meldung nicht übernommen (%1).")
                        : Text::tr("Das Mailprogramm ließ sich nicht starten (%1)."))
            .arg(notHanded.detail);
    if (notHanded.detail.isEmpty())
        return (started ? Text::tr("%1 hat die Meldung nicht übernommen.")
                        : Text::tr("%1 ließ sich nicht starten."))
            .arg(program);
    return (started ? Text::tr("%1 hat die Meldung nicht übernommen (%2).")
                    : Text::tr("%1 ließ sich nicht starten (%2)."))
        .arg(program, notHanded.detail);
}

} // namespace

QString sendFallback(const NotHanded& notHanded, const FallbackOpened& opened, const QString& to,
                     const QString& subject, const QStringList& files)
{
    QStringList names;
    for (const QString& file : files)
        names << quoted(QFileInfo(file).fileName());
    const QString recipient = to.isEmpty() ? Text::tr("den Veranstalter") : to;
    const QString what = opened.mail ? Text::tr("Eine neue Mail an %1 ist geöffnet. Bitte hängen "
                                                "Sie diese zwei Dateien an:")
                                           .arg(recipient)
                                     : Text::tr("Bitte schreiben Sie selbst eine Mail an %1 mit "
                                                "dem Betreff %2 und hängen Sie diese zwei Dateien "
                                                "an:")
                                           .arg(recipient, quoted(subject));
    const QString folder = quoted(shown(QFileInfo(files.value(0)).absolutePath()));
    const QString where = opened.folder ? Text::tr("Der Ordner %1 ist geöffnet.").arg(folder)
                                        : Text::tr("Sie liegen im Ordner %1.").arg(folder);
    QString text = whyNotHanded(notHanded) + QStringLiteral("\n\n") + what + u'\n' +
                   names.join(u'\n') + QStringLiteral("\n\n") + where;
    if (!opened.mail)
        text += u' ' + Text::tr("Mit „Kopieren“ kommen Adresse, Betreff und Text der Mail in die "
                                "Zwischenablage.");
    return text;
}

QString fallbackCopy(const QString& to, const QString& subject, const QString& body)
{
    return Text::tr("An: %1\nBetreff: %2\n\n%3").arg(to, subject, body);
}

QString sendFallbackStatus(const QString& to, const FallbackOpened& opened)
{
    if (!opened.mail)
        return Text::tr("Kein Mailprogramm: Meldung bitte selbst senden");
    return Text::tr("An %1: neue Mail geöffnet, Dateien bitte selbst anhängen")
        .arg(to.isEmpty() ? Text::tr("Veranstalter") : to);
}

} // namespace messages
