// The organiser's event file in the window: it brings the club and event lists, the line under
// the event field, the chosen event's birth years and its fee. Without one the window is exactly
// as it has always been, with the lists built into the program.
#include "app/CEntryDlg.h"
#include "app/ChooseFile.h"
#include "app/ContactDialog.h"
#include "app/ElidingLabel.h"
#include "app/MessageBox.h"
#include "app/ModalDialog.h"
#include "entries/Clubs.h"
#include "entries/Collation.h"
#include "entryfile/EntryFile.h"
#include "invitation/GiroCode.h"
#include "messages/Invitation.h"
#include "textfile/SafeFile.h"

#include <algorithm>
#include <QAction>
#include <QComboBox>
#include <QDateTime>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

namespace {

QStringList sorted(QStringList texts)
{
    const QCollator order = collation::listCollator();
    std::stable_sort(texts.begin(), texts.end(), [&order](const QString& a, const QString& b) {
        return order.compare(a, b) < 0;
    });
    return texts;
}

// Refills a list, keeping the choice where the new list has it; true when it had to be dropped.
bool refill(QComboBox* box, const QStringList& texts)
{
    const QString chosen = CEntryDlg::selectedText(box);
    box->clear();
    box->addItems(texts);
    const int again = chosen.isEmpty() ? -1 : box->findText(chosen, Qt::MatchFixedString);
    box->setCurrentIndex(again);
    if (again < 0)
        box->setEditText(QString());
    return !chosen.isEmpty() && again < 0;
}

} // namespace

const invitation::Event* CEntryDlg::chosenEvent() const
{
    return m_invitation ? m_invitation->event(m_document.event()) : nullptr;
}

bool CEntryDlg::openInvitation(const QString& path, bool atStart)
{
    invitation::LoadedFile loaded = invitation::load(path);
    if (loaded.load != textfile::LoadResult::Ok) {
        const QString why = messages::loadFailed(loaded.load, messages::shown(path)).text;
        if (atStart)
            showStatus(messages::invitationNotReopened(why));
        else
            msgbox::show(this, why, msgbox::Buttons::Ok, msgbox::Icon::Stop);
        return false;
    }
    invitation::ReadResult& read = loaded.read;
    if (!read.ok()) {
        const QString why = messages::invitationRefused(path, read);
        if (atStart)
            showStatus(messages::invitationNotReopened(why.section(u'\n', 0, 0)));
        else
            msgbox::show(this, why, msgbox::Buttons::Ok, msgbox::Icon::Stop);
        return false;
    }
    // A chosen club or event that the new lists lack would be saved under a name the organiser
    // does not know: the choice goes, but not without asking.
    const invitation::Invitation& inv = read.invitation;
    QStringList missing;
    if (!m_document.club().isEmpty() && !inv.isOpen() && !inv.club(m_document.club()))
        missing << m_document.club();
    if (!m_document.event().isEmpty() && !inv.event(m_document.event()))
        missing << m_document.event();
    if (!missing.isEmpty() && !atStart) {
        const messages::Question question = messages::choiceNotInInvitation(missing);
        if (msgbox::ask(this, question.text, question.yes, question.no) != msgbox::Answer::Yes)
            return false;
    }
    m_invitation = std::move(read.invitation);
    m_strInvitation = path;
    useLists();
    showStatus(messages::invitationOpened(QFileInfo(path).fileName()));
    // Taken as the organiser wrote it, but the official should know why no child fits.
    if (!read.warnings.isEmpty() && !atStart) {
        QStringList lines;
        for (const invitation::Problem& warning : std::as_const(read.warnings))
            lines << messages::invitationWarning(warning);
        msgbox::show(this, lines.join(u'\n'));
    }
    return true;
}

void CEntryDlg::useLists()
{
    const bool open = m_invitation && m_invitation->isOpen();
    QStringList clubs = m_invitation ? m_invitation->clubNames() : lists::clubs();
    // An open event takes any club: the one chosen (typed, or from a loaded file) stays a choice.
    if (open && !m_document.club().isEmpty())
        clubs << m_document.club();
    const bool clubDropped = refill(m_cbClub, sorted(clubs));
    const bool eventDropped =
        refill(m_cbEvent, m_invitation ? sorted(m_invitation->eventNames()) : lists::events());
    if (clubDropped)
        m_document.chooseClub(QString());
    if (eventDropped)
        m_document.chooseEvent(QString());
    m_actCloseInvitation->setEnabled(m_invitation.has_value());
    m_btnSendToOrganiser->setVisible(m_invitation.has_value());
    followChoice();
    updateListState();
}

void CEntryDlg::OnOpenInvitation()
{
    filedlg::FileRequest request;
    request.title = QStringLiteral("Ausschreibung öffnen ...");
    request.filter = QStringLiteral("Ausschreibung (*.aus)");
    if (const std::optional<QString> path = filedlg::askFile(this, request, m_folders.invitations))
        openInvitation(*path, false);
}

void CEntryDlg::OnCloseInvitation()
{
    if (!m_invitation)
        return;
    QStringList missing;
    const QStringList clubs = lists::clubs();
    if (!m_document.club().isEmpty() && !clubs.contains(m_document.club(), Qt::CaseInsensitive))
        missing << m_document.club();
    if (!m_document.event().isEmpty() &&
        !lists::events().contains(m_document.event(), Qt::CaseInsensitive))
        missing << m_document.event();
    if (!missing.isEmpty()) {
        const messages::Question question = messages::choiceNotBuiltIn(missing);
        if (msgbox::ask(this, question.text, question.yes, question.no) != msgbox::Answer::Yes)
            return;
    }
    m_invitation.reset();
    m_strInvitation.clear();
    useLists();
    showStatus(messages::invitationClosed());
}

void CEntryDlg::updateEventInfo()
{
    const invitation::Event* event = chosenEvent();
    const QString info =
        event ? messages::eventInfo(*event, QDateTime::currentDateTime()) : QString();
    m_lblEventInfo->setFullText(info);
    m_lblEventInfo->setVisible(!info.isEmpty());
    m_document.model()->setAdmittedYears(event ? event->firstYear : 0, event ? event->lastYear : 0);
}

qsizetype CEntryDlg::billedCount() const
{
    // A child the event does not admit is not billed: on paper, in the mail, in the counts line.
    return m_document.count() - m_document.model()->notAdmittedCount();
}

commands::PaperExtras CEntryDlg::paperExtras() const
{
    commands::PaperExtras extras{{}, m_contact.oneLine(), automaticName(), {}};
    const invitation::Event* event = chosenEvent();
    if (!event)
        return extras;
    const qsizetype billed = billedCount();
    const QDateTime now = QDateTime::currentDateTime();
    extras.details =
        messages::printedDetails(*m_invitation, *event, m_document.club(), billed, now);
    // The code for the fee as the form states it, to the account the event file names.
    const auto fee = event->feeAt(now);
    if (fee && m_invitation->account) {
        const invitation::GiroCode code = invitation::giroCode(
            *m_invitation->account, *fee * billed,
            m_invitation->account->referenceFor(m_document.club(), event->name));
        extras.giroCode = code.payload;
        // A form without its code says why, beside the fee lines; it never carries a cut one.
        if (const QString why = messages::noGiroCode(code.refusal); !why.isEmpty())
            extras.details << why;
    }
    return extras;
}

commands::Sending CEntryDlg::sending() const
{
    commands::Sending sending;
    sending.automaticName = m_bAutoSave == 1 ? automaticName() : QString();
    sending.paper = paperExtras();
    messages::SendFacts& facts = sending.facts;
    facts.club = m_document.club();
    facts.event = m_document.event();
    facts.participants = m_document.count();
    facts.male = m_document.totals().male;
    facts.contactName = m_contact.name;
    facts.contact = sending.paper.contact;
    if (m_invitation)
        sending.to = m_invitation->organiser.email;
    const invitation::Event* event = chosenEvent();
    if (!event)
        return sending;
    if (const auto fee = event->feeAt(QDateTime::currentDateTime()))
        facts.feeLine = messages::feeLine(billedCount(), *fee);
    if (m_invitation->account)
        facts.paymentLine = messages::paymentLine(*m_invitation->account, facts.club, event->name);
    return sending;
}

void CEntryDlg::OnSendToOrganiser()
{
    if (sayWhyNot(m_actSendToOrganiser))
        return;
    SyncGenderAndUpdate(1); // the check box decides the proposed name, as for "Speichern"
    commands::sendToOrganiser(this, m_document, sending(), m_strPath,
                              [this](const QString& status) { showStatus(status); });
}

void CEntryDlg::OnContact()
{
    ContactDialog dialog(m_contact, this);
    if (modal::exec(dialog) == QDialog::Accepted)
        m_contact = dialog.contact();
}

QString CEntryDlg::automaticName() const
{
    if (const invitation::Event* event = chosenEvent())
        return invitation::automaticName(*event, entryfile::currentLocalYear(), m_document.club());
    return entryfile::automaticName(m_document.event(), entryfile::currentLocalYear(),
                                    m_document.club());
}

QString CEntryDlg::refusedForEvent(int year) const
{
    const invitation::Event* event = chosenEvent();
    return event && !event->admitsYear(year) ? messages::yearNotAdmitted(year, *event) : QString();
}

bool CEntryDlg::takeTypedClub()
{
    // An open event: the typed club is the choice, as it will be saved.
    const QString typed = m_cbClub->currentText().trimmed();
    if (!m_invitation || !m_invitation->isOpen() || typed.isEmpty() ||
        m_cbClub->findText(typed, Qt::MatchFixedString) >= 0)
        return false;
    if (const auto why = invitation::nameProblem(typed)) {
        msgbox::show(this, messages::typedClubRefused(typed, *why));
        return false;
    }
    refill(m_cbClub, sorted(itemsOf(m_cbClub) << typed));
    m_cbClub->setCurrentIndex(
        m_cbClub->findText(typed, Qt::MatchFixedString | Qt::MatchCaseSensitive));
    OnSelChangeClub();
    return true;
}
