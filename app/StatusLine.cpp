#include "app/StatusLine.h"

#include "app/ElidingLabel.h"
#include "messages/Invitation.h"
#include "report/Registration.h"

#include <QAccessible>
#include <QBoxLayout>
#include <QLabel>
#include <QStringList>
#include <QTime>

StatusLine::StatusLine(QWidget* window)
    : QObject(window), m_lblCounts(new QLabel(window)),
      // A long club or file name must not widen the window off the screen: what says an action
      // took place, with the file's name, gets a second line when it needs one (the list gives
      // way, not the window); only beyond that it is cut where it is drawn, and read whole by
      // screen readers.
      m_lblStatus(new ElidingLabel(window, 2, 8))
{
    m_lblCounts->setObjectName(QStringLiteral("labelCounts"));
    m_lblStatus->setObjectName(QStringLiteral("labelStatus"));
    m_lblStatus->setGrows(true);
}

void StatusLine::placeIn(QBoxLayout* layout, int index)
{
    // A row each: the counts with the fee are long enough to leave the status too little room
    // beside them at the window's first width.
    layout->insertWidget(index, m_lblCounts);
    layout->insertWidget(index + 1, m_lblStatus);
}

void StatusLine::showCounts(const EntryDocument::Counts& counts,
                            const std::optional<RegistrationContext::Bill>& bill)
{
    QString text = report::totalsText(counts.total, counts.male);
    if (bill && bill->fee)
        text += QStringLiteral(" · ") + messages::feeInCounts(bill->amount());
    if (bill && bill->notAdmitted > 0)
        text += QStringLiteral(" · ") + messages::notAdmittedInCounts(bill->notAdmitted);
    m_lblCounts->setText(text);
    QAccessibleEvent changed(m_lblCounts, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void StatusLine::say(const QString& text)
{
    m_said = text;
    m_saidIsStep = false;
    update();
}

void StatusLine::sayDone(messages::FileAction action, const QString& path)
{
    say(messages::fileDone(action, path, QTime::currentTime()));
}

std::function<void(const QString&)> StatusLine::sayer()
{
    return [this](const QString& text) { say(text); };
}

void StatusLine::sayStep(const QString& text)
{
    say(text);
    m_saidIsStep = true;
}

void StatusLine::listChanged()
{
    if (m_saidIsStep)
        say({});
}

void StatusLine::showUnsaved(bool unsaved)
{
    m_unsaved = unsaved;
    update();
}

void StatusLine::update()
{
    QStringList parts;
    if (!m_said.isEmpty())
        parts << m_said;
    if (m_unsaved)
        parts << messages::unsavedChanges();
    m_lblStatus->setFullText(parts.join(QStringLiteral(" · ")));
}

void StatusLine::follow(const EntryDocument& document)
{
    connect(&document, &EntryDocument::changed, this, &StatusLine::listChanged);
    connect(&document, &EntryDocument::modifiedChanged, this,
            [this, &document] { showUnsaved(document.isModified()); });
}
