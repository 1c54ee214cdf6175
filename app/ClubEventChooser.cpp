#include "app/ClubEventChooser.h"

#include "app/ElidingLabel.h"
#include "app/KeyboardRules.h"
#include "entries/Collation.h"
#include "entries/EntryDocument.h"
#include "messages/Messages.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

namespace {

// The lists come in the entry list's order (German, ignoring case), so they need no sorting at
// every start.
QComboBox* makeListBox(QWidget* parent, const QStringList& texts, const char* objectName,
                       const QString& accessibleName)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(objectName));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert); // typing never adds an item
    box->addItems(texts);
    box->setCurrentIndex(-1);
    box->setMaxVisibleItems(12);
    // The field inside the list is what takes the focus: a screen reader names it as its list.
    box->setAccessibleName(accessibleName);
    box->lineEdit()->setAccessibleName(accessibleName);
    keys::keepAltForMnemonics(box->lineEdit());
    return box;
}

QStringList itemsOf(const QComboBox* box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

// Refills a list, keeping the choice where the new list has it; true when it had to be dropped.
bool refill(QComboBox* box, const QStringList& texts)
{
    // The passing states of clearing and filling are no selection of anybody's.
    const QSignalBlocker quiet(box);
    const QString chosen = ClubEventChooser::selectedText(box);
    box->clear();
    box->addItems(texts);
    const int again = chosen.isEmpty() ? -1 : box->findText(chosen, Qt::MatchFixedString);
    box->setCurrentIndex(again);
    if (again < 0)
        box->setEditText(QString());
    return !chosen.isEmpty() && again < 0;
}

} // namespace

ClubEventChooser::ClubEventChooser(QWidget* window, const QStringList& clubs,
                                   const QStringList& events)
    : QObject(window), m_window(window),
      m_cbClub(makeListBox(window, clubs, "comboClub", tr("Verein"))),
      m_cbEvent(makeListBox(window, events, "comboEvent", tr("Veranstaltung"))),
      // Four lines: date, place, deadline with its time and the years stand whole at the
      // window's first width, also in the wider fonts of Windows, without the text ever widening
      // it.
      m_lblEventInfo(new ElidingLabel(window, 4))
{
    m_lblEventInfo->setObjectName(QStringLiteral("labelEventInfo"));
    m_lblEventInfo->setVisible(false);
    connect(m_cbClub, &QComboBox::currentIndexChanged, this,
            [this] { Q_EMIT clubSelected(club()); });
    connect(m_cbEvent, &QComboBox::currentIndexChanged, this,
            [this] { Q_EMIT eventSelected(event()); });
    // activated is the user's choice from the list; a selection by code raises nothing.
    connect(m_cbClub, &QComboBox::activated, this, &ClubEventChooser::clubChosen);
    connect(m_cbEvent, &QComboBox::activated, this, &ClubEventChooser::eventChosen);
    m_cbClub->installEventFilter(this);
    m_cbEvent->installEventFilter(this);
}

void ClubEventChooser::placeIn(QGridLayout* grid, int& row)
{
    const auto label = [this](const QString& text, QWidget* buddy) {
        auto* l = new QLabel(text, m_window);
        l->setBuddy(buddy);
        return l;
    };
    grid->addWidget(label(tr("&Verein"), m_cbClub), row++, 0, 1, 2);
    grid->addWidget(m_cbClub, row++, 0, 1, 2);
    grid->addWidget(label(tr("Veranstal&tung"), m_cbEvent), row++, 0, 1, 2);
    grid->addWidget(m_cbEvent, row++, 0, 1, 2);
    grid->addWidget(m_lblEventInfo, row++, 0, 1, 2);
}

QList<QWidget*> ClubEventChooser::tabOrder() const
{
    return {m_cbClub, m_cbEvent};
}

QString ClubEventChooser::selectedText(const QComboBox* box)
{
    const int index = box->currentIndex();
    return index >= 0 ? box->itemText(index) : QString();
}

QString ClubEventChooser::club() const
{
    return selectedText(m_cbClub);
}

QString ClubEventChooser::event() const
{
    return selectedText(m_cbEvent);
}

QStringList ClubEventChooser::clubs() const
{
    return itemsOf(m_cbClub);
}

QStringList ClubEventChooser::events() const
{
    return itemsOf(m_cbEvent);
}

ClubEventChooser::Dropped ClubEventChooser::setLists(const QStringList& clubs,
                                                     const QStringList& events)
{
    const QString clubBefore = club();
    const QString eventBefore = event();
    const Dropped dropped{refill(m_cbClub, clubs), refill(m_cbEvent, events)};
    // Only a choice that the new lists dropped or spell otherwise is news.
    if (club() != clubBefore)
        Q_EMIT clubSelected(club());
    if (event() != eventBefore)
        Q_EMIT eventSelected(event());
    return dropped;
}

void ClubEventChooser::select(int club, int event)
{
    m_cbClub->setCurrentIndex(club);
    m_cbEvent->setCurrentIndex(event);
}

void ClubEventChooser::selectTexts(const QString& club, const QString& event)
{
    select(m_cbClub->findText(club, Qt::MatchExactly),
           m_cbEvent->findText(event, Qt::MatchExactly));
}

void ClubEventChooser::settle()
{
    settle(m_cbClub);
    settle(m_cbEvent);
}

void ClubEventChooser::settle(QComboBox* box)
{
    if (box == m_cbClub && takeTypedClub())
        return;
    const QString typed = box->currentText();
    const int chosen = box->currentIndex();
    if (chosen >= 0 && box->itemText(chosen) == typed)
        return;
    const int named =
        typed.trimmed().isEmpty() ? -1 : box->findText(typed.trimmed(), Qt::MatchFixedString);
    if (named >= 0 && named != chosen) {
        box->setCurrentIndex(named);
        Q_EMIT(box == m_cbClub ? clubChosen() : eventChosen());
        return;
    }
    if (named >= 0 || typed.trimmed().isEmpty()) {
        box->setEditText(chosen >= 0 ? box->itemText(chosen) : QString());
        return;
    }
    // Part of a name ("Günzburg" for "TSV Günzburg"): the one item that holds it is meant. With
    // none or several, the status line says why nothing was chosen and names the candidates; an
    // earlier choice comes back (the field shows what would be saved), else the text stays for
    // the user to finish.
    QStringList holding;
    int only = -1;
    for (int i = 0; i < box->count(); ++i) {
        if (box->itemText(i).contains(typed.trimmed(), Qt::CaseInsensitive)) {
            holding << box->itemText(i);
            only = i;
        }
    }
    if (holding.size() == 1) {
        box->setCurrentIndex(only);
        Q_EMIT(box == m_cbClub ? clubChosen() : eventChosen());
        return;
    }
    if (chosen >= 0)
        box->setEditText(box->itemText(chosen));
    Q_EMIT notChosen(box == m_cbClub ? messages::typedClubNotChosen(typed.trimmed(), holding)
                                     : messages::typedEventNotChosen(typed.trimmed(), holding));
}

bool ClubEventChooser::takeTypedClub()
{
    const QString typed = m_cbClub->currentText().trimmed();
    if (!m_takesTyped || typed.isEmpty() || m_cbClub->findText(typed, Qt::MatchFixedString) >= 0 ||
        !m_takesTyped(typed))
        return false;
    refill(m_cbClub, collation::sorted(clubs() << typed));
    {
        const QSignalBlocker quiet(m_cbClub);
        m_cbClub->setCurrentIndex(
            m_cbClub->findText(typed, Qt::MatchFixedString | Qt::MatchCaseSensitive));
    }
    // Said once, whether or not the new item happens to stand where the old choice stood.
    Q_EMIT clubSelected(club());
    Q_EMIT clubChosen();
    return true;
}

void ClubEventChooser::showEventInfo(const QString& text)
{
    m_lblEventInfo->setFullText(text);
    m_lblEventInfo->setVisible(!text.isEmpty());
}

bool ClubEventChooser::eventFilter(QObject* watched, QEvent* event)
{
    // Opening the list takes the focus away for a moment; that is no leaving.
    if (event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
        settle(static_cast<QComboBox*>(watched));
    return QObject::eventFilter(watched, event);
}

void ClubEventChooser::follow(EntryDocument& document)
{
    connect(this, &ClubEventChooser::clubSelected, &document, &EntryDocument::setClub);
    connect(this, &ClubEventChooser::eventSelected, &document, &EntryDocument::setEvent);
    connect(&document, &EntryDocument::clubEventRestored, this,
            [this, &document] { selectTexts(document.club(), document.event()); });
}
