#pragma once
// The rows of the entry list: a display text and an entry code each, nothing else. The list keeps
// the participants itself (there is no separate document), so this model is the only copy of them.

#include <QAbstractListModel>
#include <QList>
#include <QString>

/// One row: the entry display text and the entry code.
struct EntryRow
{
    QString text;
    qint32 code = -1;
};
// Rows are moved with memmove when the list opens a gap for a sorted add; element-wise moves made
// adding into a list of a hundred thousand entries several times slower.
Q_DECLARE_TYPEINFO(EntryRow, Q_RELOCATABLE_TYPE);

class CEntryListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    /// The entry code of a row (qint32) under this role; DisplayRole and AccessibleTextRole give
    /// the display text.
    static constexpr int EntryCodeRole = Qt::UserRole + 1;

    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    int Count() const { return static_cast<int>(m_arrRows.size()); }
    bool IsValidRow(int row) const { return row >= 0 && row < m_arrRows.size(); }

    /// Inserts a row before row (0..Count()); returns row, or -1 when row is out of range.
    int Insert(int row, const QString& text, qint32 code);
    /// Appends many rows in one go (one notification for all).
    void Append(QList<EntryRow> rows);
    bool Remove(int row);
    void Clear();

    /// Text and code of a valid row (callers check IsValidRow first).
    const QString& Text(int row) const { return m_arrRows.at(row).text; }
    qint32 Code(int row) const { return m_arrRows.at(row).code; }
    bool SetCode(int row, qint32 code);

private:
    QList<EntryRow> m_arrRows;
};
