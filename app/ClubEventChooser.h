#pragma once
// The club and event the registration is for: two drop-down lists that can be typed into, and
// under them the chosen event as the organiser's event file describes it. A text typed into a
// list never stays unless it names an item (or a club is taken as typed, see setTypedClubRule):
// the field shows what would be saved.

#include <functional>
#include <QObject>
#include <QStringList>

class ElidingLabel;
class EntryDocument;
class QComboBox;
class QGridLayout;
class QWidget;

class ClubEventChooser : public QObject
{
    Q_OBJECT

public:
    explicit ClubEventChooser(QWidget* window, const QStringList& clubs, const QStringList& events);

    /// Both lists with their labels and the event line, from `row` on, two columns wide.
    void placeIn(QGridLayout* grid, int& row);
    QList<QWidget*> tabOrder() const;

    /// The text of a list's selected item; empty when none is selected.
    static QString selectedText(const QComboBox* box);

    QString club() const;
    QString event() const;
    QStringList clubs() const;
    QStringList events() const;

    /// New lists, keeping each choice that the new list has (ignoring case).
    struct Dropped
    {
        bool club = false;
        bool event = false;
    };
    Dropped setLists(const QStringList& clubs, const QStringList& events);
    /// Selects by index (-1: none); raises no choice, as the lists' own selection by code.
    void select(int club, int event);
    /// Selects the items of these texts, exactly; an unknown one leaves its list unchosen.
    void selectTexts(const QString& club, const QString& event);

    /// Decides about a typed club that no item names: true when it becomes the choice. The window
    /// sets it while an open event takes any club; without one, typed text gives way.
    void setTypedClubRule(std::function<bool(const QString&)> takes)
    {
        m_takesTyped = std::move(takes);
    }

    /// Leaving a field, or any command: the one item that the typed text names becomes the
    /// choice, any other text gives way to the chosen item's.
    void settle();

    /// The document holds what is selected, whoever selected it: that is what gets saved. Undoing
    /// a load brings its club and event back into the lists as well.
    void follow(EntryDocument& document);

    /// The line under the lists; empty hides it.
    void showEventInfo(const QString& text);

Q_SIGNALS:
    /// The selection changed, by the user or the program: what would be saved.
    void clubSelected(const QString& club);
    void eventSelected(const QString& event);
    /// The user chose an item (from the list, or by typing its name).
    void clubChosen();
    void eventChosen();
    /// Typed text that names no item, or part of several: it stays, and this says why nothing
    /// was chosen.
    void notChosen(const QString& why);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void settle(QComboBox* box);
    bool takeTypedClub();

    QWidget* m_window;
    QComboBox* m_cbClub;
    QComboBox* m_cbEvent;
    ElidingLabel* m_lblEventInfo;
    std::function<bool(const QString&)> m_takesTyped;
};
