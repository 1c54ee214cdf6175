#include "app/RegistrationContext.h"

#include "entries/Clubs.h"
#include "entries/Collation.h"
#include "entries/EntryDocument.h"
#include "entryfile/EntryFile.h"
#include "invitation/GiroCode.h"
#include "invitation/Reader.h"
#include "messages/Invitation.h"
#include "messages/Messages.h"

#include <QFileInfo>

void RegistrationContext::open(invitation::Invitation invitation, const QString& path)
{
    m_invitation = std::move(invitation);
    m_path = path;
}

void RegistrationContext::close()
{
    m_invitation.reset();
    m_path.clear();
}

QStringList RegistrationContext::clubs() const
{
    if (!m_invitation)
        return lists::clubs();
    QStringList clubs = m_invitation->clubNames();
    if (m_invitation->isOpen() && !m_document.club().isEmpty() &&
        !clubs.contains(m_document.club(), Qt::CaseInsensitive))
        clubs << m_document.club();
    return collation::sorted(clubs);
}

QStringList RegistrationContext::events() const
{
    return m_invitation ? collation::sorted(m_invitation->eventNames()) : lists::events();
}

QStringList RegistrationContext::missingChoices(const invitation::Invitation* next) const
{
    const QString& club = m_document.club();
    const QString& event = m_document.event();
    QStringList missing;
    const bool clubKnown = next ? next->isOpen() || next->club(club)
                                : lists::clubs().contains(club, Qt::CaseInsensitive);
    if (!club.isEmpty() && !clubKnown)
        missing << club;
    const bool eventKnown =
        next ? next->event(event) != nullptr : lists::events().contains(event, Qt::CaseInsensitive);
    if (!event.isEmpty() && !eventKnown)
        missing << event;
    return missing;
}

bool RegistrationContext::takesClub(const QString& name) const
{
    return takesAnyClub() && !name.isEmpty() && !invitation::nameProblem(name);
}

QString RegistrationContext::typedClubRefusal(const QString& typed) const
{
    const auto why = invitation::nameProblem(typed);
    return why && takesAnyClub() ? messages::typedClubRefused(typed, *why) : QString();
}

const invitation::Event* RegistrationContext::chosenEvent() const
{
    return m_invitation ? m_invitation->event(m_document.event()) : nullptr;
}

memberlist::Admitted RegistrationContext::admitted() const
{
    const invitation::Event* event = chosenEvent();
    return event ? memberlist::Admitted{event->firstYear, event->lastYear} : memberlist::Admitted{};
}

RegistrationContext::Year RegistrationContext::checkYear(qint32 year, int thisYear) const
{
    if (entry::CheckBirthYear(year, thisYear) == -1)
        return Year::OutsideWindow;
    const invitation::Event* event = chosenEvent();
    return event && !event->admitsYear(year) ? Year::NotAdmitted : Year::Ok;
}

QString RegistrationContext::yearRefusal(Year verdict, qint32 year, int thisYear) const
{
    if (verdict == Year::Ok)
        return {};
    // "Datum falsch" and the program's hundred years would contradict the event's own range:
    // with one, the message names the years both take.
    const invitation::Event* event = chosenEvent();
    if (event && event->hasYears())
        return messages::yearNotAdmitted(year, event->name,
                                         std::max(event->firstYear, thisYear - 99),
                                         std::min(event->lastYear, thisYear - 1));
    return messages::badDate() + u'\n' + messages::yearOutsideWindow(year, thisYear);
}

RegistrationContext::AddCheck RegistrationContext::checkAdd(const entry::Participant& participant,
                                                            int thisYear) const
{
    if (const unsigned gaps = entry::gaps(participant, thisYear))
        return {AddCheck::Incomplete, gaps,
                messages::incomplete() + u'\n' +
                    messages::incompleteField(gaps, participant.year, thisYear)};
    if (checkYear(participant.year, thisYear) == Year::NotAdmitted)
        return {AddCheck::NotAdmitted, 0,
                yearRefusal(Year::NotAdmitted, participant.year, thisYear)};
    // The same child twice is a slip far more often than twins of one name.
    const QString text = entry::displayText(participant.name, participant.firstName);
    if (m_document.contains(text, participant.year))
        return {AddCheck::Duplicate, 0, messages::alreadyInList(text, participant.year)};
    return {};
}

std::optional<RegistrationContext::Bill> RegistrationContext::bill(const QDateTime& at) const
{
    const invitation::Event* event = chosenEvent();
    if (!event)
        return std::nullopt;
    Bill bill;
    for (const EntryRow& row : m_document.entries()) {
        ++bill.participants;
        // A row without a valid year is questioned on its own; only a known year is refused.
        const qint32 year = entry::yearOf(row.code);
        if (year >= 0 && !event->admitsYear(year))
            ++bill.notAdmitted;
    }
    bill.fee = event->feeAt(at);
    return bill;
}

commands::PaperExtras RegistrationContext::paperExtras(const QDateTime& now) const
{
    // A saved registration's form is named like its entry file.
    const QString entryName = m_document.filePath().isEmpty()
                                  ? automaticName()
                                  : QFileInfo(m_document.filePath()).fileName();
    commands::PaperExtras extras{{}, contact.oneLine(), entryName, {}};
    // What people copy from paper by hand or by photo is never broken across two lines.
    extras.wholeValues << contact.email;
    const invitation::Event* event = chosenEvent();
    const std::optional<Bill> billed = bill(now);
    if (!event || !billed)
        return extras;
    extras.details =
        messages::printedDetails(*m_invitation, *event, m_document.club(), billed->billed(), now);
    extras.wholeValues << m_invitation->organiser.email;
    if (m_invitation->account)
        extras.wholeValues << m_invitation->account->ibanGrouped()
                           << m_invitation->account->referenceFor(m_document.club(), event->name);
    // The code for the fee as the form states it, to the account the event file names.
    if (billed->fee && m_invitation->account) {
        const invitation::GiroCode code = invitation::giroCode(
            *m_invitation->account, billed->amount(),
            m_invitation->account->referenceFor(m_document.club(), event->name));
        extras.giroCode = code.payload;
        // A form without its code says why, beside the fee lines; it never carries a cut one.
        if (const QString why = messages::noGiroCode(code.refusal); !why.isEmpty())
            extras.details << why;
    }
    return extras;
}

commands::Sending RegistrationContext::sending(bool automaticNames, const QDateTime& now) const
{
    commands::Sending sending;
    sending.automaticName = automaticNames ? automaticName() : QString();
    sending.paper = paperExtras(now);
    messages::SendFacts& facts = sending.facts;
    facts.club = m_document.club();
    facts.event = m_document.event();
    facts.participants = m_document.count();
    facts.male = m_document.totals().male;
    facts.contactName = contact.name;
    facts.contact = sending.paper.contact;
    if (m_invitation)
        sending.to = m_invitation->organiser.email;
    const std::optional<Bill> billed = bill(now);
    if (!billed)
        return sending;
    if (billed->fee)
        facts.feeLine = messages::feeLine(billed->billed(), *billed->fee);
    if (m_invitation->account)
        facts.paymentLine =
            messages::paymentLine(*m_invitation->account, facts.club, chosenEvent()->name);
    return sending;
}

QString RegistrationContext::automaticName() const
{
    if (const invitation::Event* event = chosenEvent())
        return invitation::automaticName(*event, entryfile::currentLocalYear(), m_document.club());
    return entryfile::automaticName(m_document.event(), entryfile::currentLocalYear(),
                                    m_document.club());
}
