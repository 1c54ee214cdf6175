#pragma once
// The rows of the entry list: a display text and an entry code each, nothing else, in the list's
// order (German, ignoring case, one collator for every comparison). The document (EntryDocument)
// owns it and alone changes it; views only show it.

#include "entries/Collation.h"
#include "entries/Entry.h"

#include <QAbstractListModel>
#include <QCollator>
#include <QList>
#include <QString>

class EntryListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    /// The entry code of a row (qint32) under this role; DisplayRole gives the display text and
    /// AccessibleTextRole all of the row in words ("Meier, Anna, weiblich, 2012").
    static constexpr int EntryCodeRole = Qt::UserRole + 1;
    /// true for a row whose valid year the chosen event does not admit (see setAdmittedYears).
    static constexpr int NotAdmittedRole = Qt::UserRole + 2;

    explicit EntryListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    int count() const { return static_cast<int>(m_rows.size()); }
    bool isValidRow(int row) const { return row >= 0 && row < m_rows.size(); }

    /// Adds a row at its sorted place, after any equal texts; returns its index.
    int addSorted(const QString& text, qint32 code);
    /// Adds many rows: the same order as addSorted for each row in turn, but into an empty list
    /// one stable sort and one notification for all, so loading a large file stays quick.
    void addSorted(QList<EntryRow> rows);
    /// Inserts a row before row (0..count()) whatever the order; returns row, or -1 when row is
    /// out of range.
    int insert(int row, const QString& text, qint32 code);
    bool remove(int row);
    void clear();
    /// All rows as given, in this order.
    void setRows(QList<EntryRow> rows);

    /// Text and code of a valid row (callers check isValidRow first).
    const QString& text(int row) const { return m_rows.at(row).text; }
    qint32 code(int row) const { return m_rows.at(row).code; }
    bool setCode(int row, qint32 code);
    /// Rewrites a row where it stands, whatever the order; false for a bad row.
    bool setRow(int row, const QString& text, qint32 code);

    /// The birth years the chosen event admits (0, 0: any): a loaded row outside them stays, but
    /// is marked, and the screen reader says so.
    void setAdmittedYears(int first, int last);
    bool isAdmitted(qint32 code) const;

    /// The order of the list, for everything shown beside it that must sort the same way.
    const QCollator& collator() const { return m_collator; }

private:
    QList<EntryRow> m_rows;
    QCollator m_collator;
    int m_firstAdmitted = 0;
    int m_lastAdmitted = 0;
};
