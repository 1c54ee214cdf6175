#pragma once
// The registration being edited: the club, the event and the participant rows, with every rule
// about them: what makes a complete participant, who counts as already in the list, where a new
// row goes, how a loaded file or an import replaces or joins the rows, the counts, whether the
// registration can be printed, and whether anything is unsaved. It knows no widget: the window
// reads its fields, calls the document and shows what comes back; the list view shows Model().

#include "Entry.h"
#include "EntryListModel.h"

#include <QList>
#include <QObject>
#include <QString>

class EntryDocument : public QObject
{
    Q_OBJECT
public:
    explicit EntryDocument(QObject* parent = nullptr);

    /// The rows, for a view to show. Changed only through the document.
    EntryListModel* Model() { return &m_rows; }
    const EntryListModel& Rows() const { return m_rows; }

    int Count() const { return m_rows.Count(); }
    bool IsValidRow(int row) const { return m_rows.IsValidRow(row); }
    /// Text and code of a valid row.
    const QString& Text(int row) const { return m_rows.Text(row); }
    qint32 Code(int row) const { return m_rows.Code(row); }
    /// The participants in list order, as they are saved and printed.
    QList<EntryRow> Entries() const;

    /// Club and event as chosen in the window; empty while none is chosen.
    const QString& Club() const { return m_club; }
    const QString& Event() const { return m_event; }
    void SetClub(const QString& club);
    void SetEvent(const QString& event);

    /// Surname and first name given, a gender, and a year that CheckBirthYear accepts.
    static bool IsComplete(const QString& name, const QString& firstName, qint32 year, int gender,
                           int currentUtcYear);
    /// Whether the list already holds the same participant (entry::SameParticipant).
    bool Contains(const QString& text, qint32 year) const;

    /// Adds a participant at its sorted place, after any equal texts; returns the row. The
    /// change flag stays as it is: the typing that made the participant has set it already.
    int Add(const QString& text, qint32 code);
    /// Rewrites a row where it stands, without sorting again (the selected row, edited in the
    /// fields). code -1 keeps the row's code; another code that differs from it is a change.
    void UpdateRow(int row, const QString& text, qint32 code);
    /// Removes a row; a withdrawn participant is a change. False for a bad row.
    bool Remove(int row);
    /// A loaded file's rows instead of the current ones, each at its sorted place; the change
    /// flag is left alone.
    void Replace(QList<EntryRow> rows);

    enum class AddManyResult
    {
        Added,
        Nothing, ///< no rows given: nothing changed
        TooMany, ///< the list would pass entry::kMaxEntries, which a load refuses: nothing changed
    };
    /// Adds an import's rows, each at its sorted place; a change when anything was added.
    AddManyResult AddMany(QList<EntryRow> rows);

    struct Counts
    {
        qsizetype total = 0;
        qsizetype male = 0;
    };
    /// Counted from the codes alone: this runs after every keystroke that edits a selected row.
    Counts Totals() const;

    /// Why the registration cannot be printed yet; empty when it can.
    QString PrintBlocker() const;

    /// Unsaved changes.
    bool IsModified() const { return m_modified; }
    void SetModified(bool modified);

Q_SIGNALS:
    /// Rows were added, removed, replaced or rewritten; club or event changed.
    void changed();
    void modifiedChanged(bool modified);

private:
    EntryListModel m_rows;
    QString m_club;
    QString m_event;
    bool m_modified = false;
};
