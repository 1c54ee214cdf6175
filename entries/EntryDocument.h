#pragma once
// The registration being edited: the club, the event and the participant rows, with every rule
// about them: what makes a complete participant, who counts as already in the list, where a new
// row goes, how a loaded file or an import replaces or joins the rows, the counts, whether the
// registration can be printed, whether anything is unsaved, and how each change of the rows is
// undone and redone. It knows no widget: the window reads its fields, calls the document and shows
// what comes back; the list view shows model().

#include "entries/Entry.h"
#include "entries/EntryListModel.h"

#include <QList>
#include <QObject>
#include <QString>
#include <vector>

class EntryDocument : public QObject
{
    Q_OBJECT
public:
    explicit EntryDocument(QObject* parent = nullptr);

    /// The rows, for a view to show. Changed only through the document.
    EntryListModel* model() { return &m_rows; }
    const EntryListModel* model() const { return &m_rows; }

    int count() const { return m_rows.count(); }
    bool isValidRow(int row) const { return m_rows.isValidRow(row); }
    /// Text and code of a valid row.
    const QString& text(int row) const { return m_rows.text(row); }
    qint32 code(int row) const { return m_rows.code(row); }
    /// The participants in list order, as they are saved and printed.
    QList<EntryRow> entries() const;

    /// Club and event as chosen in the window; empty while none is chosen.
    const QString& club() const { return m_club; }
    const QString& event() const { return m_event; }
    /// What the lists show, whoever selected it (a load too): no change of its own.
    void setClub(const QString& club);
    void setEvent(const QString& event);
    /// The user's choice: a change, also when it is the same item again.
    void chooseClub(const QString& club);
    void chooseEvent(const QString& event);
    /// Participants can be edited and saved once club and event are chosen.
    bool canEdit() const { return !m_club.isEmpty() && !m_event.isEmpty(); }

    /// Whether the list already holds the same participant (entry::sameParticipant).
    bool contains(const QString& text, qint32 year) const;

    // Every change of the rows below is one step that undo() takes back.

    /// Adds a participant at its sorted place, after any equal texts; returns the row.
    int Add(const QString& text, qint32 code);
    /// Rewrites a row where it stands, without sorting again (the selected row, edited in the
    /// fields). code -1 keeps the row's code. Rewrites of one row follow each other as one step
    /// until closeEdit().
    void updateRow(int row, const QString& text, qint32 code);
    /// Ends the step of the row being edited: the next rewrite is a step of its own.
    void closeEdit() { m_editOpen = false; }
    /// The selected row was renamed in the fields, but the user meant a new participant: the row
    /// goes back to `original` and the new one is added at its sorted place, as one step that
    /// undoes to the list before the rename. Returns the new row.
    int restoreAndAdd(int row, const EntryRow& original, const QString& text, qint32 code);
    /// Removes a row. False for a bad row.
    bool remove(int row);
    /// A loaded file (`fileName` names the step) with its club and event: its rows instead of
    /// the current ones, each at its sorted place. The document then counts as saved.
    void load(QList<EntryRow> rows, const QString& club, const QString& event,
              const QString& fileName);

    enum class AddManyResult
    {
        Added,
        Nothing, ///< no rows given: nothing changed
        TooMany, ///< the list would pass entry::kMaxEntries, which a load refuses: nothing changed
    };
    /// Adds an import's rows (`fileName` names the step), each at its sorted place.
    AddManyResult addMany(QList<EntryRow> rows, const QString& fileName = {});

    struct Counts
    {
        qsizetype total = 0;
        qsizetype male = 0;
    };
    /// Counted from the codes alone: this runs after every keystroke that edits a selected row.
    Counts totals() const;

    /// Why the registration cannot be printed yet.
    enum class PrintBlock
    {
        None,
        NoClubOrEvent,
        Empty,
    };
    PrintBlock printBlocker() const;

    bool canUndo() const { return m_done > 0; }
    bool canRedo() const { return m_done < static_cast<qsizetype>(m_steps.size()); }
    /// What undo() and redo() would do, e.g. "Entfernen von „Özdemir,Felix“"; empty when nothing.
    QString undoName() const
    {
        return canUndo() ? m_steps[static_cast<size_t>(m_done - 1)].name : QString();
    }
    QString redoName() const
    {
        return canRedo() ? m_steps[static_cast<size_t>(m_done)].name : QString();
    }
    void undo();
    void redo();

    /// Unsaved changes: a step since the last save or load (undoing back to it is none), or a
    /// change outside the rows (club, event, a typed name) since then.
    bool isModified() const { return m_changedBesideRows || m_done != m_savedAt; }
    /// A change outside the rows and the choice: a name typed for a new participant.
    void markChanged() { setModified(true); }
    /// Everything is saved now: called once after a successful save, and by a load.
    void markSaved() { setModified(false); }
    /// The entry file the rows were last saved to or loaded from; empty before either. Sending
    /// uses it rather than asking for a name again.
    const QString& filePath() const { return m_filePath; }
    void setFilePath(const QString& path) { m_filePath = path; }

Q_SIGNALS:
    /// Rows were added, removed, replaced or rewritten; club or event changed.
    void changed();
    void modifiedChanged(bool modified);
    /// Undo or redo of a load put back another club or event.
    void clubEventRestored();

private:
    void setModified(bool modified);

    struct Step
    {
        QString name;
        int row = -1;           ///< a single row: added (before empty), removed or rewritten
        EntryRow before, after; ///< the row before and after; an empty text: no row
        QList<EntryRow> rowsBefore, rowsAfter;                  ///< import and load: all rows
        QString clubBefore, eventBefore, clubAfter, eventAfter; ///< load
        bool load = false;
    };
    /// A step named as the undo command shows it; `row` for a step of a single row.
    static Step makeStep(QString name, int row = -1);
    void push(Step step);
    void apply(const Step& step, bool forward);
    /// Runs a change and tells whether the flag changed with it.
    template <typename Change> void changing(Change change);

    EntryListModel m_rows;
    QString m_club;
    QString m_event;
    std::vector<Step> m_steps;
    qsizetype m_done = 0;    ///< steps applied; the rest can be redone
    qsizetype m_savedAt = 0; ///< m_done at the last save or load; -1: gone
    QString m_filePath;
    bool m_changedBesideRows = false; ///< since the last save or load
    bool m_editOpen = false;          ///< the last step is a rewrite that may grow
};
