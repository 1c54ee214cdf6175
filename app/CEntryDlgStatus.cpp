// What the window says beside the list: the counts, the editing label above the fields, the undo
// commands' names, the print commands' state with the reason in their tooltips, and the status
// line with the last action and whether anything is unsaved.

#include "app/CEntryDlg.h"
#include "app/ElidingLabel.h"
#include "entries/Entry.h"
#include "messages/Invitation.h"
#include "messages/Messages.h"
#include "report/Registration.h"

#include <QAccessible>
#include <QAction>
#include <QDateTime>
#include <QLabel>
#include <QTime>

void CEntryDlg::updateListState()
{
    // The same words as the totals of the printed registration.
    const EntryDocument::Counts counts = m_document.totals();
    QString totals = report::totalsText(counts.total, counts.male);
    if (const invitation::Event* event = chosenEvent()) {
        // A child the event does not admit is not billed, as the organiser's fee sheet leaves out
        // every row it questions.
        const qsizetype outside = m_document.model()->notAdmittedCount();
        if (const auto fee = event->feeAt(QDateTime::currentDateTime()))
            totals +=
                QStringLiteral(" · ") + messages::feeInCounts(*fee * (counts.total - outside));
        if (outside > 0)
            totals += QStringLiteral(" · ") + messages::notAdmittedInCounts(outside);
    }
    m_lblCounts->setText(totals);
    QAccessibleEvent changed(m_lblCounts, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);

    updateHistory();
    // The row as it is now, and as it was chosen once the fields have renamed it: typing the next
    // child into a selected row shows at once whom it overwrites.
    const int selected = m_lbEntries->GetCurSel();
    QString editing = QStringLiteral("Neuer Teilnehmer");
    if (selected >= 0) {
        const QString now = entry::shownName(m_lbEntries->GetText(selected));
        editing = QStringLiteral("Eintrag ändern: ") + now;
        const QString was = entry::shownName(m_selectedAs.text);
        if (was != now)
            editing += QStringLiteral(" (war: %1)").arg(was);
    }
    m_lblEditing->setFullText(editing);
    updateStatus();

    const QString reason = messages::printBlocked(m_document.printBlocker());
    for (QAction* action : {m_actPrint, m_actPdf, m_actSendToOrganiser}) {
        action->setEnabled(reason.isEmpty());
        action->setToolTip(reason.isEmpty() ? action->text().remove(QLatin1Char('&')) : reason);
    }
}

QString CEntryDlg::statusOfFile(messages::FileAction action, const QString& path)
{
    return messages::fileDone(action, path, QTime::currentTime());
}

bool CEntryDlg::sayWhyNot(const QAction* command)
{
    const QString why = messages::printBlocked(m_document.printBlocker());
    if (!why.isEmpty())
        showStatus(QString(command->text()).remove(u'&') + QStringLiteral(" – ") + why);
    return !why.isEmpty();
}

void CEntryDlg::updateHistory()
{
    // The undo commands name the step they would take; a name's "&" is no mnemonic. Kept up to
    // date at once, as their shortcuts work only while they are enabled.
    const auto named = [](QAction* action, const QString& verb, const QString& step) {
        action->setEnabled(!step.isEmpty());
        action->setText(step.isEmpty() ? verb
                                       : verb + QStringLiteral(": ") +
                                             QString(step).replace(u'&', QStringLiteral("&&")));
    };
    named(m_actUndo, QStringLiteral("&Rückgängig"), m_document.undoName());
    named(m_actRedo, QStringLiteral("&Wiederholen"), m_document.redoName());
}

void CEntryDlg::showStatus(const QString& text)
{
    m_strStatus = text;
    m_bStatusIsHistory = false;
    updateStatus();
}

void CEntryDlg::updateStatus()
{
    QStringList parts;
    if (!m_strStatus.isEmpty())
        parts << m_strStatus;
    if (m_bModified == 1)
        parts << messages::unsavedChanges();
    m_lblStatus->setFullText(parts.join(QStringLiteral(" · ")));
}
