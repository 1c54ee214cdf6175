#include "messages/Invitation.h"

#include "entries/Entry.h"
#include "invitation/Iban.h"
#include "invitation/Template.h"
#include "messages/Messages.h"
#include "textfile/Cp1252.h"

#include <algorithm>
#include <QDir>
#include <QLocale>

namespace messages {
namespace {

QString deadlineText(const invitation::Event& event)
{
    QString text = messages::dateText(event.deadlineDate);
    if (event.deadlineTime.isValid())
        text += QStringLiteral(", ") + event.deadlineTime.toString(QStringLiteral("HH:mm")) +
                QStringLiteral(" Uhr");
    return text;
}

QString yearsText(const invitation::Event& event)
{
    return event.firstYear == event.lastYear
               ? QString::number(event.firstYear)
               : QStringLiteral("%1–%2").arg(event.firstYear).arg(event.lastYear);
}

// "„Zandrel-Ausschreibung 1“"
QString expectedFormat()
{
    return quoted(QString::fromUtf16(invitation::kFormatName) + u' ' +
                  QString::number(invitation::kFormatVersion));
}

QString compactIban(const QString& written)
{
    return written.toUpper().remove(u' ');
}

// "Mit „TV Musterstadt“ und „Gauturnfest 2027“", for an open file "Mit einem Verein mit 60
// Zeichen und …", and "So" where the reference names neither.
QString withLongestNames(const QStringList& clubAndEvent)
{
    if (clubAndEvent.isEmpty())
        return QStringLiteral("So");
    const QString club = clubAndEvent.value(0);
    return QStringLiteral("Mit ") +
           (club.isEmpty()
                ? QStringLiteral("einem Verein mit %1 Zeichen").arg(entry::kMostNameChars)
                : quoted(club)) +
           QStringLiteral(" und ") + quoted(clubAndEvent.value(1));
}

QString why(const invitation::Problem& p)
{
    using P = invitation::Problem;
    switch (p.kind) {
    case P::TooLarge:
        return QStringLiteral("Die Datei ist größer als 1 MB; so groß ist keine Ausschreibung.");
    case P::NotText:
        return QStringLiteral("Die Datei ist keine Textdatei.");
    case P::BadUtf16:
        return QStringLiteral("Die Datei ist als UTF-16 („Unicode“) gekennzeichnet, lässt sich so "
                              "aber nicht lesen. Bitte als UTF-8 speichern.");
    case P::NotUtf8:
        return p.value.isEmpty()
                   ? QStringLiteral("Die Zeile ist nicht UTF-8, obwohl die Datei als UTF-8 "
                                    "gekennzeichnet ist (wohl Windows-1252 eingefügt). Bitte die "
                                    "ganze Datei als UTF-8 speichern.")
                   : QStringLiteral("Die Zeile ist nicht UTF-8 wie Zeile %1 (wohl Windows-1252 "
                                    "eingefügt); so würden Namen verfälscht. Bitte die ganze "
                                    "Datei als UTF-8 speichern.")
                         .arg(p.value);
    case P::CrLineEnds:
        return QStringLiteral("Die Zeilen enden nur mit CR (altes Mac-Format). Bitte mit "
                              "Windows- oder Unix-Zeilenenden speichern.");
    case P::ControlInField:
        return QStringLiteral("Das Steuerzeichen %1 ist nicht erlaubt; es würde auf Papier, in der "
                              "Mail oder im GiroCode anders erscheinen, als es gemeint ist.")
            .arg(p.value);
    case P::BadVersion:
        return QStringLiteral("Version %1 gibt es nicht; erwartet ist %2.")
            .arg(p.value, expectedFormat());
    case P::LineTooLong:
        return QStringLiteral("Die Zeile ist länger als %1 Zeichen.")
            .arg(QLocale(QLocale::German).toString(invitation::kMaxLineChars));
    case P::NoFormatFirst:
        return QStringLiteral("Der erste Eintrag muss „FORMAT: %1 %2“ sein.")
            .arg(QString::fromUtf16(invitation::kFormatName))
            .arg(invitation::kFormatVersion);
    case P::OtherFormat:
        return QStringLiteral("%1 ist kein Format, das Zandrel kennt; erwartet ist %2.")
            .arg(quoted(p.value), expectedFormat());
    case P::NewerVersion:
        return QStringLiteral("Die Ausschreibung hat Version %1 und braucht eine neuere "
                              "Zandrel-Version.")
            .arg(p.value);
    case P::NoKeyword:
        return QStringLiteral("%1 beginnt nicht mit einem Schlüsselwort wie „VEREIN:“.")
            .arg(quoted(p.value));
    case P::UnknownKeyword:
        return QStringLiteral("Das Schlüsselwort %1 gibt es nicht.").arg(quoted(p.value));
    case P::Repeated:
        return QStringLiteral("%1 darf nur einmal vorkommen.").arg(quoted(p.value + u':'));
    case P::TooManyFields:
        return QStringLiteral("%1 hat nur %2 Felder; %3 ist zu viel.")
            .arg(quoted(p.keyword + u':'), QString::number(p.field - 1), quoted(p.value));
    case P::FieldMissing:
        return QStringLiteral("Das Feld fehlt.");
    case P::BadName:
        return QStringLiteral("%1: Ein Name darf kein Komma und kein Steuerzeichen enthalten.")
            .arg(quoted(p.value));
    case P::HeaderInName:
        return QStringLiteral("%1: Ein Name darf „VEREIN: “ und „VERANSTALTUNG: “ nicht enthalten; "
                              "die Meldedatei gäbe ihn sonst verstümmelt zurück.")
            .arg(quoted(p.value));
    case P::NameNotEncodable:
        return QStringLiteral("Das Zeichen %1 kann die Meldedatei nicht speichern.")
            .arg(quoted(p.value));
    case P::NameTooLong:
        return QStringLiteral("%1 ist länger als %2 Zeichen.")
            .arg(quoted(p.value), QString::number(entry::kMostNameChars));
    case P::NameNotFileName:
        return QStringLiteral("%1: Ein Name darf keines der Zeichen / \\ : * ? \" < > | "
                              "enthalten und nicht „.“ oder „..“ sein, denn er wird Teil des "
                              "Dateinamens der Meldung.")
            .arg(quoted(p.value));
    case P::NameMisdecoded:
        return QStringLiteral("%1 sieht nach falsch gelesenem UTF-8 aus (gemeint ist wohl %2); die "
                              "Meldedatei gäbe den Namen so nicht zurück.")
            .arg(quoted(p.value), quoted(QString::fromUtf8(cp1252::encode(p.value))));
    case P::BadEmail:
        return QStringLiteral("%1 ist keine einfache E-Mail-Adresse wie "
                              "meldung@turngau-musterland.de.")
            .arg(quoted(p.value));
    case P::BadDate:
        return QStringLiteral("%1 ist kein Datum in der Form TT.MM.JJJJ.").arg(quoted(p.value));
    case P::NoSuchDate:
        return QStringLiteral("%1 gibt es nicht.").arg(quoted(p.value));
    case P::BadDeadline:
        return QStringLiteral("%1 ist kein Meldeschluss in der Form TT.MM.JJJJ oder TT.MM.JJJJ "
                              "HH:MM.")
            .arg(quoted(p.value));
    case P::BadFee:
        return QStringLiteral("%1 ist kein Betrag wie 5,50.").arg(quoted(p.value));
    case P::BadYears:
        return QStringLiteral("%1 sind keine Jahrgänge wie 2009-2020.").arg(quoted(p.value));
    case P::DuplicateEvent:
        return QStringLiteral("Die Veranstaltung %1 steht schon weiter oben.").arg(quoted(p.value));
    case P::DuplicateClub:
        return QStringLiteral("Der Verein %1 steht schon weiter oben.").arg(quoted(p.value));
    case P::TooManyEvents:
        return QStringLiteral("Mehr als %1 Veranstaltungen sind nicht möglich.")
            .arg(invitation::kMaxEvents);
    case P::TooManyClubs:
        return QStringLiteral("Mehr als %1 Vereine sind nicht möglich.")
            .arg(QLocale(QLocale::German).toString(invitation::kMaxClubs));
    case P::BadIban:
        return QStringLiteral("%1 ist keine gültige IBAN (die Prüfziffern stimmen nicht).")
            .arg(quoted(p.value));
    case P::IbanCountry:
        return QStringLiteral("%1 ist keine gültige IBAN: Land %2 unbekannt (kein SEPA-Land).")
            .arg(quoted(p.value), compactIban(p.value).left(2));
    case P::IbanLength: {
        const QString iban = compactIban(p.value);
        const qsizetype want = invitation::sepaIbanLength(QStringView(iban).left(2));
        const qsizetype off = want - iban.size();
        const QString what = off == 1    ? QStringLiteral("fehlt eine Stelle")
                             : off > 1   ? QStringLiteral("fehlen %1 Stellen").arg(off)
                             : off == -1 ? QStringLiteral("ist eine Stelle zu viel")
                                         : QStringLiteral("sind %1 Stellen zu viel").arg(-off);
        return QStringLiteral("%1 ist keine gültige IBAN: Eine IBAN aus %2 hat %3 Stellen, hier "
                              "%4.")
            .arg(quoted(p.value), iban.left(2), QString::number(want), what);
    }
    case P::IbanFormat: {
        const QString iban = compactIban(p.value);
        const invitation::IbanBreak at = invitation::ibanFormatBreak(iban);
        if (at.position == 0) // shorter than country and check digits
            return QStringLiteral("%1 ist keine IBAN.").arg(quoted(p.value));
        const QString wanted = at.expected == 'n' ? QStringLiteral("eine Ziffer")
                               : at.expected == 'a'
                                   ? QStringLiteral("ein Buchstabe")
                                   : QStringLiteral("eine Ziffer oder ein Buchstabe");
        return QStringLiteral("%1 ist keine gültige IBAN: An Stelle %2 steht %3; dort gehört %4 "
                              "hin.")
            .arg(quoted(p.value), QString::number(at.position),
                 quoted(iban.mid(at.position - 1, 1)), wanted);
    }
    case P::HolderTooLong:
        return QStringLiteral("Der Kontoinhaber hat mehr als %1 Zeichen; so viele trägt kein "
                              "GiroCode.")
            .arg(invitation::kMostHolderChars);
    case P::ReferenceTooLong:
        return QStringLiteral("%1 wird der Verwendungszweck %2 Zeichen lang; ein GiroCode trägt "
                              "höchstens %3. Bitte kürzer fassen.")
            .arg(withLongestNames(p.details), p.value,
                 QString::number(invitation::kMostReferenceChars));
    case P::PayloadTooLarge:
        return QStringLiteral("%1 braucht der GiroCode %2 Bytes; er trägt höchstens %3. Bitte "
                              "Kontoinhaber oder Verwendungszweck kürzer fassen.")
            .arg(withLongestNames(p.details), p.value,
                 QString::number(invitation::kMostPayloadBytes));
    case P::YearsAdmitNobody:
        return QStringLiteral("In %1 ist kein Kind geboren, das sich melden lässt (Jahrgänge "
                              "%2–%3).")
            .arg(quoted(p.value), p.details.value(0), p.details.value(1));
    case P::NoOrganiser:
        return QStringLiteral("Die Zeile „VERANSTALTER:“ mit Name und E-Mail fehlt.");
    case P::NoEvent:
        return QStringLiteral("Es fehlt eine Zeile „VERANSTALTUNG:“.");
    }
    return {};
}

} // namespace

QString invitationProblem(const invitation::Problem& problem)
{
    QString where;
    if (problem.line > 0)
        where = QStringLiteral("Zeile %1").arg(problem.line);
    const QStringList fields = invitation::fieldNames(problem.keyword);
    if (problem.field > 0 && problem.field <= fields.size() &&
        problem.kind != invitation::Problem::TooManyFields)
        where += QStringLiteral(", ") + fields[problem.field - 1];
    return where.isEmpty() ? why(problem) : where + QStringLiteral(": ") + why(problem);
}

QString invitationRefused(const QString& path, const invitation::ReadResult& read)
{
    constexpr qsizetype kShown = 10;
    QStringList lines{QStringLiteral("Die Ausschreibung %1 wird nicht verwendet:")
                          .arg(QDir::toNativeSeparators(path))};
    lines.append(invitationProblems(read, kShown));
    return lines.join(u'\n');
}

QStringList invitationProblems(const invitation::ReadResult& read, qsizetype most)
{
    QStringList lines;
    for (qsizetype i = 0; i < read.problems.size() && i < most; ++i)
        lines.append(invitationProblem(read.problems[i]));
    const qsizetype more = read.moreProblems + std::max<qsizetype>(0, read.problems.size() - most);
    if (more > 0)
        lines.append(
            QStringLiteral("… und %1 weitere.").arg(QLocale(QLocale::German).toString(more)));
    return lines;
}

QString invitationWarning(const invitation::Problem& warning)
{
    return QStringLiteral("Warnung: ") + invitationProblem(warning);
}

QStringList invitationSummary(const invitation::Invitation& inv)
{
    QStringList lines;
    const invitation::Organiser& o = inv.organiser;
    QStringList who{o.name};
    for (const QString& part : {o.contact, o.email, o.phone}) {
        if (!part.isEmpty())
            who.append(part);
    }
    lines.append(QStringLiteral("Veranstalter: ") + who.join(QStringLiteral(", ")));
    for (const invitation::Event& e : inv.events) {
        QStringList parts{e.name};
        if (e.date.isValid())
            parts.append(messages::dateText(e.date));
        if (!e.place.isEmpty())
            parts.append(e.place);
        if (e.deadlineDate.isValid())
            parts.append(QStringLiteral("Meldeschluss ") + deadlineText(e));
        if (e.feeCents)
            parts.append(QStringLiteral("Meldegeld ") + messages::money(*e.feeCents));
        if (e.lateFeeCents)
            parts.append(QStringLiteral("Nachmeldung ") + messages::money(*e.lateFeeCents));
        if (e.hasYears())
            parts.append(QStringLiteral("Jahrgänge ") + yearsText(e));
        lines.append(QStringLiteral("Veranstaltung: ") + parts.join(QStringLiteral(" · ")));
    }
    lines.append(inv.isOpen() ? QStringLiteral("Vereine: offen, jeder Verein kann melden")
                              : QStringLiteral("Vereine: %1")
                                    .arg(QLocale(QLocale::German).toString(inv.clubs.size())));
    if (inv.account)
        lines.append(
            QStringLiteral("Konto: %1, %2, Verwendungszweck „%3“")
                .arg(inv.account->ibanGrouped(), inv.account->holder, inv.account->reference));
    for (const QString& note : inv.notes)
        lines.append(QStringLiteral("Hinweis: ") + note);
    return lines;
}

QString eventInfo(const invitation::Event& event, const QDateTime& now)
{
    QStringList parts;
    if (event.date.isValid())
        parts.append(messages::dateText(event.date));
    if (!event.place.isEmpty())
        parts.append(event.place);
    if (event.deadlinePassed(now))
        parts.append(
            QStringLiteral("Meldeschluss war am %1; Nachmeldung").arg(deadlineText(event)));
    else if (event.deadlineDate.isValid())
        parts.append(QStringLiteral("Meldeschluss ") + deadlineText(event));
    if (event.hasYears())
        parts.append(QStringLiteral("Jahrgänge ") + yearsText(event));
    return parts.join(QStringLiteral(" · "));
}

QString yearNotAdmitted(int year, const invitation::Event& event)
{
    return QStringLiteral("%1 ist für %2 nicht zugelassen: Jahrgänge %3.")
        .arg(QString::number(year), quoted(event.name), yearsText(event));
}

QString notInInvitation(const entryfile::HeaderSelection& selection)
{
    QStringList missing;
    if (selection.club < 0 && !selection.clubValue.isEmpty())
        missing << quoted(selection.clubValue);
    if (selection.event < 0 && !selection.eventValue.isEmpty())
        missing << quoted(selection.eventValue);
    if (missing.isEmpty())
        return {};
    return QStringLiteral("%1 %2 nicht in der Ausschreibung.")
        .arg(missing.join(QStringLiteral(" und ")),
             missing.size() == 1 ? QStringLiteral("steht") : QStringLiteral("stehen"));
}

QString invitationOpened(const QString& fileName)
{
    return QStringLiteral("Ausschreibung: %1").arg(fileName);
}

QString invitationClosed()
{
    return QStringLiteral("Ausschreibung geschlossen; es gelten die eingebauten Listen");
}

QString invitationNotReopened(const QString& why)
{
    return QStringLiteral("Eingebaute Listen: die letzte Ausschreibung ließ sich nicht öffnen (%1)")
        .arg(why);
}

namespace {

Question clearChoice(const QStringList& missing, const QString& where, const QString& yes)
{
    QStringList quotedNames;
    for (const QString& name : missing)
        quotedNames << quoted(name);
    return {QStringLiteral("%1 %2 nicht %3. Die Auswahl wird aufgehoben; die Teilnehmer "
                           "bleiben.")
                .arg(quotedNames.join(QStringLiteral(" und ")),
                     missing.size() == 1 ? QStringLiteral("steht") : QStringLiteral("stehen"),
                     where),
            yes, QStringLiteral("Abbrechen")};
}

} // namespace

Question choiceNotInInvitation(const QStringList& missing)
{
    return clearChoice(missing, QStringLiteral("in der Ausschreibung"),
                       QStringLiteral("Ausschreibung öffnen"));
}

Question choiceNotBuiltIn(const QStringList& missing)
{
    return clearChoice(missing, QStringLiteral("in den eingebauten Listen"),
                       QStringLiteral("Ausschreibung schließen"));
}

QString typedClubRefused(const QString& typed, invitation::Problem::Kind why)
{
    invitation::Problem problem;
    problem.kind = why;
    const char32_t unencodable = cp1252::firstUnencodable(typed);
    problem.value =
        why == invitation::Problem::NameNotEncodable ? QString::fromUcs4(&unencodable, 1) : typed;
    return QStringLiteral("Der Verein %1 kann so nicht gemeldet werden: %2")
        .arg(quoted(typed), invitationProblem(problem));
}

QString feeLine(qsizetype participants, qint64 fee)
{
    return QStringLiteral("Meldegeld: %1 Teilnehmer × %2 = %3")
        .arg(QLocale(QLocale::German).toString(participants), messages::money(fee),
             messages::money(fee * participants));
}

QString paymentLine(const invitation::Account& account, const QString& club, const QString& event)
{
    return QStringLiteral("Überweisung an %1, IBAN %2, Verwendungszweck: %3")
        .arg(account.holder, account.ibanGrouped(), account.referenceFor(club, event));
}

QStringList printedDetails(const invitation::Invitation& inv, const invitation::Event& event,
                           const QString& club, qsizetype participants, const QDateTime& now)
{
    QStringList lines;
    QStringList who{inv.organiser.name};
    for (const QString& part : {inv.organiser.contact, inv.organiser.email, inv.organiser.phone}) {
        if (!part.isEmpty())
            who << part;
    }
    lines << QStringLiteral("Veranstalter: ") + who.join(QStringLiteral(", "));
    QStringList when;
    if (event.date.isValid())
        when << messages::dateText(event.date);
    if (!event.place.isEmpty())
        when << event.place;
    if (!when.isEmpty())
        lines << event.name + QStringLiteral(": ") + when.join(QStringLiteral(", "));
    if (event.deadlinePassed(now))
        lines << QStringLiteral("Meldeschluss war am %1; Nachmeldung").arg(deadlineText(event));
    else if (event.deadlineDate.isValid())
        lines << QStringLiteral("Meldeschluss ") + deadlineText(event);
    if (const auto fee = event.feeAt(now))
        lines << feeLine(participants, *fee);
    if (inv.account)
        lines << paymentLine(*inv.account, club, event.name);
    for (const QString& note : inv.notes)
        lines << QStringLiteral("Hinweis: ") + note;
    return lines;
}

QString noGiroCode(invitation::GiroCode::Refusal why)
{
    using G = invitation::GiroCode;
    const QString lead = QStringLiteral("Kein GiroCode: ");
    switch (why) {
    case G::None:
    case G::NoAmount:
        return {};
    case G::AmountTooLarge:
        return lead + QStringLiteral("Der Betrag ist für eine Überweisung zu hoch.");
    case G::HolderTooLong:
        return lead + QStringLiteral("Der Kontoinhaber hat mehr als %1 Zeichen.")
                          .arg(invitation::kMostHolderChars);
    case G::ReferenceTooLong:
        return lead + QStringLiteral("Der Verwendungszweck hat mehr als %1 Zeichen; bitte genau "
                                     "wie oben angegeben überweisen.")
                          .arg(invitation::kMostReferenceChars);
    case G::TooManyBytes:
        return lead + QStringLiteral("Kontoinhaber und Verwendungszweck sind zusammen zu lang; "
                                     "bitte genau wie oben angegeben überweisen.");
    case G::LineBreak:
        return lead + QStringLiteral("Kontoinhaber oder Verwendungszweck enthält einen "
                                     "Zeilenumbruch.");
    }
    return {};
}

QString notAdmittedInCounts(qsizetype rows)
{
    return QStringLiteral("%1 nicht zugelassen").arg(rows);
}

QString feeInCounts(qint64 cents)
{
    return QStringLiteral("Meldegeld ") + messages::money(cents);
}

} // namespace messages
