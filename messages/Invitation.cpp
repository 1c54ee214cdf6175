#include "messages/Invitation.h"

#include "entries/Entry.h"
#include "invitation/Iban.h"
#include "invitation/Template.h"
#include "messages/Messages.h"
#include "textfile/Cp1252.h"

#include <algorithm>
#include <QCoreApplication>
#include <QDir>
#include <QLocale>

namespace messages {
namespace {

// The sentences of this file, for lupdate and i18n/zandrel_de.ts, under "Invitation".
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Invitation)
};

QString deadlineText(const invitation::Event& event)
{
    QString date = messages::dateText(event.deadlineDate);
    if (!event.deadlineTime.isValid())
        return date;
    return Text::tr("%1, %2 Uhr").arg(date, event.deadlineTime.toString(QStringLiteral("HH:mm")));
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

// The names, one or two of them: "„TV Musterstadt“ und „Gauturnfest 2027“".
QString listed(const QStringList& names)
{
    if (names.size() < 2)
        return names.value(0);
    return Text::tr("%1 und %2")
        .arg(names.first(names.size() - 1).join(QStringLiteral(", ")), names.last());
}

// A payment reference too long for a GiroCode, with the longest names that make it so: a club and
// an event ("Mit „TV Musterstadt“ und „Gauturnfest 2027“ …"), for an open file any club of the
// longest name, and none where the reference names neither.
QString referenceTooLong(const invitation::Problem& p)
{
    const QString most = QString::number(invitation::kMostReferenceChars);
    if (p.details.isEmpty())
        return Text::tr("So wird der Verwendungszweck %1 Zeichen lang; ein GiroCode trägt "
                        "höchstens %2. Bitte kürzer fassen.")
            .arg(p.value, most);
    if (p.details.value(0).isEmpty())
        return Text::tr("Mit einem Verein mit %1 Zeichen und %2 wird der Verwendungszweck %3 "
                        "Zeichen lang; ein GiroCode trägt höchstens %4. Bitte kürzer fassen.")
            .arg(QString::number(entry::kMostNameChars), quoted(p.details.value(1)), p.value, most);
    return Text::tr("Mit %1 und %2 wird der Verwendungszweck %3 Zeichen lang; ein GiroCode trägt "
                    "höchstens %4. Bitte kürzer fassen.")
        .arg(quoted(p.details.value(0)), quoted(p.details.value(1)), p.value, most);
}

// The same for the GiroCode's whole payload.
QString payloadTooLarge(const invitation::Problem& p)
{
    const QString most = QString::number(invitation::kMostPayloadBytes);
    if (p.details.isEmpty())
        return Text::tr("So braucht der GiroCode %1 Bytes; er trägt höchstens %2. Bitte "
                        "Kontoinhaber oder Verwendungszweck kürzer fassen.")
            .arg(p.value, most);
    if (p.details.value(0).isEmpty())
        return Text::tr("Mit einem Verein mit %1 Zeichen und %2 braucht der GiroCode %3 Bytes; er "
                        "trägt höchstens %4. Bitte Kontoinhaber oder Verwendungszweck kürzer "
                        "fassen.")
            .arg(QString::number(entry::kMostNameChars), quoted(p.details.value(1)), p.value, most);
    return Text::tr("Mit %1 und %2 braucht der GiroCode %3 Bytes; er trägt höchstens %4. Bitte "
                    "Kontoinhaber oder Verwendungszweck kürzer fassen.")
        .arg(quoted(p.details.value(0)), quoted(p.details.value(1)), p.value, most);
}

QString ibanLength(const invitation::Problem& p)
{
    const QString iban = invitation::compactIban(p.value);
    const QString country = iban.left(2);
    const qsizetype want = invitation::sepaIbanLength(QStringView(iban).left(2));
    const auto off = static_cast<int>(want - iban.size());
    if (off > 0)
        return Text::tr("%1 ist keine gültige IBAN: Eine IBAN aus %2 hat %3 Stellen, hier fehlen "
                        "%n Stellen.",
                        nullptr, off)
            .arg(quoted(p.value), country, QString::number(want));
    return Text::tr("%1 ist keine gültige IBAN: Eine IBAN aus %2 hat %3 Stellen, diese ist %n "
                    "Stellen zu lang.",
                    nullptr, -off)
        .arg(quoted(p.value), country, QString::number(want));
}

QString ibanFormat(const invitation::Problem& p)
{
    const QString iban = invitation::compactIban(p.value);
    const invitation::IbanBreak at = invitation::ibanFormatBreak(iban);
    if (at.position == 0) // shorter than country and check digits
        return Text::tr("%1 ist keine IBAN.").arg(quoted(p.value));
    const QString value = quoted(p.value);
    const QString position = QString::number(at.position);
    const QString found = quoted(iban.mid(at.position - 1, 1));
    if (at.expected == 'n')
        return Text::tr("%1 ist keine gültige IBAN: An Stelle %2 steht %3; dort gehört eine "
                        "Ziffer hin.")
            .arg(value, position, found);
    if (at.expected == 'a')
        return Text::tr("%1 ist keine gültige IBAN: An Stelle %2 steht %3; dort gehört ein "
                        "Buchstabe hin.")
            .arg(value, position, found);
    return Text::tr("%1 ist keine gültige IBAN: An Stelle %2 steht %3; dort gehört eine Ziffer "
                    "oder ein Buchstabe hin.")
        .arg(value, position, found);
}

QString bicProblem(const invitation::Problem& p)
{
    const QString bic = invitation::compactBic(p.value);
    const QString value = quoted(p.value);
    if (bic.size() != 8 && bic.size() != 11)
        return Text::tr("%1 ist keine gültige BIC: Eine BIC hat 8 oder 11 Stellen, diese hat %n.",
                        nullptr, static_cast<int>(bic.size()))
            .arg(value);
    const invitation::IbanBreak at = invitation::bicFormatBreak(bic);
    const QString position = QString::number(at.position);
    const QString found = quoted(bic.mid(at.position - 1, 1));
    if (at.expected == 'a')
        return Text::tr("%1 ist keine gültige BIC: An Stelle %2 steht %3; dort gehört ein "
                        "Buchstabe hin.")
            .arg(value, position, found);
    return Text::tr("%1 ist keine gültige BIC: An Stelle %2 steht %3; dort gehört eine Ziffer "
                    "oder ein Buchstabe hin.")
        .arg(value, position, found);
}

QString why(const invitation::Problem& p)
{
    using P = invitation::Problem;
    switch (p.kind) {
    case P::TooLarge:
        return Text::tr("Die Datei ist größer als 1 MB; so groß ist keine Ausschreibung.");
    case P::NotText:
        return Text::tr("Die Datei ist keine Textdatei.");
    case P::BadUtf16:
        return Text::tr("Die Datei ist als UTF-16 („Unicode“) gekennzeichnet, lässt sich so "
                        "aber nicht lesen. Bitte als UTF-8 speichern.");
    case P::NotUtf8:
        return p.value.isEmpty()
                   ? Text::tr("Die Zeile ist nicht UTF-8, obwohl die Datei als UTF-8 "
                              "gekennzeichnet ist (wohl Windows-1252 eingefügt). Bitte die "
                              "ganze Datei als UTF-8 speichern.")
                   : Text::tr("Die Zeile ist nicht UTF-8 wie Zeile %1 (wohl Windows-1252 "
                              "eingefügt); so würden Namen verfälscht. Bitte die ganze "
                              "Datei als UTF-8 speichern.")
                         .arg(p.value);
    case P::CrLineEnds:
        return Text::tr("Die Zeilen enden nur mit CR (altes Mac-Format). Bitte mit "
                        "Windows- oder Unix-Zeilenenden speichern.");
    case P::ControlInField:
        return Text::tr("Das Steuerzeichen %1 ist nicht erlaubt; es würde auf Papier, in der "
                        "Mail oder im GiroCode anders erscheinen, als es gemeint ist.")
            .arg(p.value);
    case P::TabInField:
        return Text::tr("Hier steht ein Tabulator; Felder werden mit „;“ getrennt, Wörter mit "
                        "Leerzeichen.");
    case P::BadVersion:
        return Text::tr("Version %1 gibt es nicht; erwartet ist %2.")
            .arg(p.value, expectedFormat());
    case P::LineTooLong:
        return Text::tr("Die Zeile ist länger als %1 Zeichen.")
            .arg(QLocale(QLocale::German).toString(invitation::kMaxLineChars));
    case P::NoFormatFirst:
        return Text::tr("Der erste Eintrag muss „FORMAT: %1 %2“ sein.")
            .arg(QString::fromUtf16(invitation::kFormatName),
                 QString::number(invitation::kFormatVersion));
    case P::OtherFormat:
        return Text::tr("%1 ist kein Format, das Zandrel kennt; erwartet ist %2.")
            .arg(quoted(p.value), expectedFormat());
    case P::NewerVersion:
        return Text::tr("Die Ausschreibung hat Version %1 und braucht eine neuere "
                        "Zandrel-Version.")
            .arg(p.value);
    case P::NoKeyword:
        return Text::tr("%1 beginnt nicht mit einem Schlüsselwort wie „VEREIN:“.")
            .arg(quoted(p.value));
    case P::UnknownKeyword:
        if (!p.details.isEmpty())
            return Text::tr("Das Schlüsselwort %1 gibt es nicht; meinten Sie %2?")
                .arg(quoted(p.value), quoted(p.details.value(0)));
        return Text::tr("Das Schlüsselwort %1 gibt es nicht.").arg(quoted(p.value));
    case P::Repeated:
        return Text::tr("%1 darf nur einmal vorkommen.").arg(quoted(p.value + u':'));
    case P::TooManyFields:
        return Text::tr("%1 hat nur %2 Felder; %3 ist zu viel.")
            .arg(quoted(p.keyword + u':'), QString::number(p.field - 1), quoted(p.value));
    case P::FieldMissing:
        return Text::tr("Das Feld fehlt.");
    case P::BadName:
        return Text::tr("%1: Ein Name darf kein Komma und kein Steuerzeichen enthalten.")
            .arg(quoted(p.value));
    case P::HeaderInName:
        return Text::tr("%1: Ein Name darf „VEREIN: “ und „VERANSTALTUNG: “ nicht enthalten; "
                        "die Meldedatei gäbe ihn sonst verstümmelt zurück.")
            .arg(quoted(p.value));
    case P::NameNotEncodable:
        return Text::tr("Das Zeichen %1 kann die Meldedatei nicht speichern.").arg(quoted(p.value));
    case P::NameTooLong:
        return Text::tr("%1 ist länger als %2 Zeichen.")
            .arg(quoted(p.value), QString::number(entry::kMostNameChars));
    case P::NameNotFileName:
        return Text::tr("%1: Ein Name darf keines der Zeichen / \\ : * ? \" < > | "
                        "enthalten und nicht „.“ oder „..“ sein, denn er wird Teil des "
                        "Dateinamens der Meldung.")
            .arg(quoted(p.value));
    case P::NameMisdecoded:
        return Text::tr("%1 sieht nach falsch gelesenem UTF-8 aus (gemeint ist wohl %2); die "
                        "Meldedatei gäbe den Namen so nicht zurück.")
            .arg(quoted(p.value), quoted(QString::fromUtf8(cp1252::encode(p.value))));
    case P::BadEmail:
        return Text::tr("%1 ist keine einfache E-Mail-Adresse wie "
                        "meldung@turngau-musterland.de.")
            .arg(quoted(p.value));
    case P::BadDate:
        return Text::tr("%1 ist kein Datum in der Form TT.MM.JJJJ.").arg(quoted(p.value));
    case P::NoSuchDate:
        return Text::tr("%1 gibt es nicht.").arg(quoted(p.value));
    case P::BadDeadline:
        return Text::tr("%1 ist kein Meldeschluss in der Form TT.MM.JJJJ oder TT.MM.JJJJ "
                        "HH:MM.")
            .arg(quoted(p.value));
    case P::BadFee:
        return Text::tr("%1 ist kein Betrag wie 5,50.").arg(quoted(p.value));
    case P::BadYears:
        return Text::tr("%1 sind keine Jahrgänge wie 2009-2020.").arg(quoted(p.value));
    case P::DuplicateEvent:
        return Text::tr("Die Veranstaltung %1 steht schon weiter oben.").arg(quoted(p.value));
    case P::DuplicateClub:
        return Text::tr("Der Verein %1 steht schon weiter oben.").arg(quoted(p.value));
    case P::TooManyEvents:
        return Text::tr("Mehr als %1 Veranstaltungen sind nicht möglich.")
            .arg(invitation::kMaxEvents);
    case P::TooManyClubs:
        return Text::tr("Mehr als %1 Vereine sind nicht möglich.")
            .arg(QLocale(QLocale::German).toString(invitation::kMaxClubs));
    case P::BadIban:
        return Text::tr("%1 ist keine gültige IBAN (die Prüfziffern stimmen nicht).")
            .arg(quoted(p.value));
    case P::IbanCountry:
        return Text::tr("%1 ist keine gültige IBAN: Land %2 unbekannt (kein SEPA-Land).")
            .arg(quoted(p.value), invitation::compactIban(p.value).left(2));
    case P::IbanLength:
        return ibanLength(p);
    case P::IbanFormat:
        return ibanFormat(p);
    case P::BadBic:
        return bicProblem(p);
    case P::HolderTooLong:
        return Text::tr("Der Kontoinhaber hat mehr als %1 Zeichen; so viele trägt kein "
                        "GiroCode.")
            .arg(invitation::kMostHolderChars);
    case P::ReferenceTooLong:
        return referenceTooLong(p);
    case P::PayloadTooLarge:
        return payloadTooLarge(p);
    case P::YearsAdmitNobody:
        return Text::tr("In %1 ist kein Kind geboren, das sich melden lässt (Jahrgänge "
                        "%2–%3).")
            .arg(quoted(p.value), p.details.value(0), p.details.value(1));
    case P::YearsAfterEvent:
        return Text::tr("%1 reicht über das Jahr der Veranstaltung (%2) hinaus.")
            .arg(quoted(p.value), p.details.value(0));
    case P::EventPast:
        return Text::tr("%1 liegt in der Vergangenheit: Die Veranstaltung ist schon vorbei.")
            .arg(quoted(p.value));
    case P::DeadlinePast:
        return Text::tr("Der Meldeschluss %1 ist schon vorbei; jede Meldung ist jetzt eine "
                        "Nachmeldung.")
            .arg(quoted(p.value));
    case P::DeadlineAfterEvent:
        return Text::tr("Der Meldeschluss %1 liegt nach der Veranstaltung am %2.")
            .arg(quoted(p.value), p.details.value(0));
    case P::LateFeeBelowFee:
        return Text::tr("Das Nachmeldegeld %1 ist niedriger als das Meldegeld %2.")
            .arg(messages::money(p.details.value(0).toLongLong()),
                 messages::money(p.details.value(1).toLongLong()));
    case P::DuplicateClubNumber:
        return Text::tr("Die Vereinsnummer %1 hat schon %2 in Zeile %3.")
            .arg(quoted(p.value), quoted(p.details.value(0)), p.details.value(1));
    case P::NoOrganiser:
        return Text::tr("Die Zeile „VERANSTALTER:“ mit Name und E-Mail fehlt.");
    case P::NoEvent:
        return Text::tr("Es fehlt eine Zeile „VERANSTALTUNG:“.");
    }
    return {};
}

} // namespace

QString invitationProblem(const invitation::Problem& problem)
{
    const QStringList fields = invitation::fieldNames(problem.keyword);
    const QString field = problem.field > 0 && problem.field <= fields.size() &&
                                  problem.kind != invitation::Problem::TooManyFields
                              ? fields[problem.field - 1]
                              : QString();
    if (problem.line > 0 && !field.isEmpty())
        return Text::tr("Zeile %1, %2: %3").arg(QString::number(problem.line), field, why(problem));
    if (problem.line > 0)
        return Text::tr("Zeile %1: %2").arg(QString::number(problem.line), why(problem));
    if (!field.isEmpty())
        return Text::tr("%1: %2").arg(field, why(problem));
    return why(problem);
}

QString invitationRefused(const QString& path, const invitation::ReadResult& read)
{
    constexpr qsizetype kShown = 10;
    QStringList lines{
        Text::tr("Die Ausschreibung %1 wird nicht verwendet:").arg(QDir::toNativeSeparators(path))};
    lines.append(invitationProblems(read, kShown));
    return lines.join(u'\n');
}

namespace {

QStringList firstOf(const QList<invitation::Problem>& found, qsizetype counted, qsizetype most,
                    QString (*say)(const invitation::Problem&))
{
    QStringList lines;
    for (qsizetype i = 0; i < found.size() && i < most; ++i)
        lines.append(say(found[i]));
    const qsizetype more = counted + std::max<qsizetype>(0, found.size() - most);
    if (more > 0)
        lines.append(Text::tr("… und %1 weitere.").arg(QLocale(QLocale::German).toString(more)));
    return lines;
}

} // namespace

QStringList invitationProblems(const invitation::ReadResult& read, qsizetype most)
{
    return firstOf(read.problems, read.moreProblems, most, invitationProblem);
}

QString invitationWarning(const invitation::Problem& warning)
{
    return Text::tr("Warnung: %1").arg(invitationProblem(warning));
}

QStringList invitationWarnings(const invitation::ReadResult& read, qsizetype most)
{
    return firstOf(read.warnings, read.moreWarnings, most, invitationWarning);
}

namespace {

QString organiserLine(const invitation::Organiser& o)
{
    QStringList who{o.name};
    for (const QString& part : {o.contact, o.email, o.phone}) {
        if (!part.isEmpty())
            who.append(part);
    }
    return Text::tr("Veranstalter: %1").arg(who.join(QStringLiteral(", ")));
}

QString deadlineLine(const invitation::Event& event)
{
    return Text::tr("Meldeschluss %1").arg(deadlineText(event));
}

QString deadlinePassedLine(const invitation::Event& event)
{
    return Text::tr("Meldeschluss war am %1; Nachmeldung").arg(deadlineText(event));
}

QString yearsLine(const invitation::Event& event)
{
    return Text::tr("Jahrgänge %1").arg(yearsText(event));
}

QString noteLine(const QString& note)
{
    return Text::tr("Hinweis: %1").arg(note);
}

} // namespace

QStringList invitationSummary(const invitation::Invitation& inv)
{
    QStringList lines{organiserLine(inv.organiser)};
    for (const invitation::Event& e : inv.events) {
        QStringList parts{e.name};
        if (e.date.isValid())
            parts.append(messages::dateText(e.date));
        if (!e.place.isEmpty())
            parts.append(e.place);
        if (e.deadlineDate.isValid())
            parts.append(deadlineLine(e));
        if (e.feeCents)
            parts.append(feeInCounts(*e.feeCents));
        if (e.lateFeeCents)
            parts.append(Text::tr("Nachmeldung %1").arg(messages::money(*e.lateFeeCents)));
        if (e.hasYears())
            parts.append(yearsLine(e));
        lines.append(Text::tr("Veranstaltung: %1").arg(parts.join(QStringLiteral(" · "))));
    }
    lines.append(
        inv.isOpen()
            ? Text::tr("Vereine: offen, jeder Verein kann melden")
            : Text::tr("Vereine: %1").arg(QLocale(QLocale::German).toString(inv.clubs.size())));
    // Each with its number, as the organiser's sheets tell them apart.
    for (const invitation::Club& c : inv.clubs)
        lines.append(Text::tr("Verein: %1")
                         .arg(c.number.isEmpty() ? c.name
                                                 : c.name + QStringLiteral(" · ") +
                                                       Text::tr("Vereinsnummer %1").arg(c.number)));
    if (const std::optional<invitation::Account>& a = inv.account; a && a->bic.isEmpty())
        lines.append(Text::tr("Konto: %1, %2, Verwendungszweck „%3“")
                         .arg(a->ibanGrouped(), a->holder, a->reference));
    else if (a)
        lines.append(Text::tr("Konto: %1, BIC %2, %3, Verwendungszweck „%4“")
                         .arg(a->ibanGrouped(), a->bic, a->holder, a->reference));
    for (const QString& note : inv.notes)
        lines.append(noteLine(note));
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
        parts.append(deadlinePassedLine(event));
    else if (event.deadlineDate.isValid())
        parts.append(deadlineLine(event));
    if (event.hasYears())
        parts.append(yearsLine(event));
    return parts.join(QStringLiteral(" · "));
}

QString yearNotAdmitted(int year, const QString& event, int firstYear, int lastYear)
{
    const QString years = firstYear == lastYear
                              ? QString::number(firstYear)
                              : QStringLiteral("%1–%2").arg(firstYear).arg(lastYear);
    return Text::tr("Jahrgang %1 ist für %2 nicht zugelassen: %3.")
        .arg(QString::number(year), quoted(event), years);
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
    return Text::tr("%1 stehen nicht in der Ausschreibung.", nullptr,
                    static_cast<int>(missing.size()))
        .arg(listed(missing));
}

QString invitationOpened(const QString& fileName)
{
    return Text::tr("Ausschreibung: %1").arg(fileName);
}

QString invitationClosed()
{
    return Text::tr("Ausschreibung geschlossen; es gelten die eingebauten Listen");
}

QString invitationNotReopened(const QString& why)
{
    return Text::tr("Eingebaute Listen: die letzte Ausschreibung ließ sich nicht öffnen (%1)")
        .arg(why);
}

namespace {

QStringList quotedAll(const QStringList& names)
{
    QStringList quotedNames;
    for (const QString& name : names)
        quotedNames << quoted(name);
    return quotedNames;
}

} // namespace

Question choiceNotInInvitation(const QStringList& missing)
{
    return {Text::tr("%1 stehen nicht in der Ausschreibung. Die Auswahl wird aufgehoben; die "
                     "Teilnehmer bleiben.",
                     nullptr, static_cast<int>(missing.size()))
                .arg(listed(quotedAll(missing))),
            Text::tr("Ausschreibung öffnen"), Text::tr("Abbrechen")};
}

Question choiceNotBuiltIn(const QStringList& missing)
{
    return {Text::tr("%1 stehen nicht in den eingebauten Listen. Die Auswahl wird aufgehoben; die "
                     "Teilnehmer bleiben.",
                     nullptr, static_cast<int>(missing.size()))
                .arg(listed(quotedAll(missing))),
            Text::tr("Ausschreibung schließen"), Text::tr("Abbrechen")};
}

QString typedClubRefused(const QString& typed, invitation::Problem::Kind why)
{
    invitation::Problem problem;
    problem.kind = why;
    const char32_t unencodable = cp1252::firstUnencodable(typed);
    problem.value =
        why == invitation::Problem::NameNotEncodable ? QString::fromUcs4(&unencodable, 1) : typed;
    return Text::tr("Der Verein %1 kann so nicht gemeldet werden: %2")
        .arg(quoted(typed), invitationProblem(problem));
}

QString feeLine(qsizetype participants, qint64 fee)
{
    return Text::tr("Meldegeld: %1 Teilnehmer × %2 = %3")
        .arg(QLocale(QLocale::German).toString(participants), messages::money(fee),
             messages::money(fee * participants));
}

QString paymentLine(const invitation::Account& account, const QString& club, const QString& event)
{
    if (!account.bic.isEmpty())
        return Text::tr("Überweisung an %1, IBAN %2, BIC %3, Verwendungszweck: %4")
            .arg(account.holder, account.ibanGrouped(), account.bic,
                 account.referenceFor(club, event));
    return Text::tr("Überweisung an %1, IBAN %2, Verwendungszweck: %3")
        .arg(account.holder, account.ibanGrouped(), account.referenceFor(club, event));
}

QStringList printedDetails(const invitation::Invitation& inv, const invitation::Event& event,
                           const QString& club, qsizetype participants, const QDateTime& now)
{
    QStringList lines{organiserLine(inv.organiser)};
    QStringList when;
    if (event.date.isValid())
        when << messages::dateText(event.date);
    if (!event.place.isEmpty())
        when << event.place;
    if (!when.isEmpty())
        lines << event.name + QStringLiteral(": ") + when.join(QStringLiteral(", "));
    if (event.deadlinePassed(now))
        lines << deadlinePassedLine(event);
    else if (event.deadlineDate.isValid())
        lines << deadlineLine(event);
    if (const auto fee = event.feeAt(now))
        lines << feeLine(participants, *fee);
    if (inv.account)
        lines << paymentLine(*inv.account, club, event.name);
    for (const QString& note : inv.notes)
        lines << noteLine(note);
    return lines;
}

QString noGiroCode(invitation::GiroCode::Refusal why)
{
    using G = invitation::GiroCode;
    switch (why) {
    case G::None:
    case G::NoAmount:
        break;
    case G::AmountTooLarge:
        return Text::tr("Kein GiroCode: Der Betrag ist für eine Überweisung zu hoch.");
    case G::HolderTooLong:
        return Text::tr("Kein GiroCode: Der Kontoinhaber hat mehr als %1 Zeichen.")
            .arg(invitation::kMostHolderChars);
    case G::ReferenceTooLong:
        return Text::tr("Kein GiroCode: Der Verwendungszweck hat mehr als %1 Zeichen; bitte genau "
                        "wie oben angegeben überweisen.")
            .arg(invitation::kMostReferenceChars);
    case G::TooManyBytes:
        return Text::tr("Kein GiroCode: Kontoinhaber und Verwendungszweck sind zusammen zu lang; "
                        "bitte genau wie oben angegeben überweisen.");
    case G::LineBreak:
        return Text::tr("Kein GiroCode: Kontoinhaber oder Verwendungszweck enthält einen "
                        "Zeilenumbruch.");
    }
    return {};
}

QString notAdmittedInCounts(qsizetype rows)
{
    return Text::tr("%1 nicht zugelassen").arg(rows);
}

QString feeInCounts(qint64 cents)
{
    return Text::tr("Meldegeld %1").arg(messages::money(cents));
}

} // namespace messages
