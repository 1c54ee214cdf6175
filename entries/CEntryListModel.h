#pragma once
// The rows of the entry list: a display text and an entry code each, nothing else. The list keeps
// the participants itself (there is no separate document), so this model is the only copy of them.
// It also owns the list's order: German, ignoring case, one collator for every comparison.

#include "Entry.h"

#include <QAbstractListModel>
#include <QByteArray>
#include <QCollator>
#include <QList>
#include <QString>
#include <QStringView>
#include <span>
#include <vector>

struct UCollator;

/// The list's order as bytes. Comparing two texts with the collator costs far more than comparing
/// two byte strings, and a sort compares each text many times, so a large sort makes one collation
/// key per text once and then only compares keys. The keys order exactly as the list's QCollator
/// (German, ignoring case) compares: both come from the same ICU collator with the same settings.
class CollationKeys
{
public:
    CollationKeys();
    ~CollationKeys();
    CollationKeys(const CollationKeys&) = delete;
    CollationKeys& operator=(const CollationKeys&) = delete;

    /// Makes room for `count` keys of about `bytesEach` bytes.
    void Reserve(qsizetype count, qsizetype bytesEach = 32);
    /// Adds the key of a text; keys are numbered in the order they are added, from 0.
    void Add(QStringView text);
    qsizetype Count() const { return static_cast<qsizetype>(m_ends.size()); }
    /// The key's bytes: the sign of a byte-wise comparison of two keys is the collator's verdict.
    QByteArrayView Key(qsizetype i) const;

    /// The numbers of all keys, ordered by `major` (one value per key, when given), then by key,
    /// then by number: equal texts keep the order in which they were added.
    std::vector<quint32> Order(std::span<const quint32> major = {}) const;

private:
    UCollator* m_collator = nullptr;
    QByteArray m_bytes;
    std::vector<qsizetype> m_ends; ///< where each key ends in m_bytes
};

class CEntryListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    /// The entry code of a row (qint32) under this role; DisplayRole and AccessibleTextRole give
    /// the display text.
    static constexpr int EntryCodeRole = Qt::UserRole + 1;

    explicit CEntryListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    int Count() const { return static_cast<int>(m_arrRows.size()); }
    bool IsValidRow(int row) const { return row >= 0 && row < m_arrRows.size(); }

    /// Adds a row at its sorted place, after any equal texts; returns its index.
    int AddSorted(const QString& text, qint32 code);
    /// Adds many rows: the same order as AddSorted for each row in turn, but one stable sort for
    /// all (into an empty list and into a sorted one alike), so loading a large file or importing
    /// a long member list stays quick.
    void AddSorted(QList<EntryRow> rows);
    /// Inserts a row before row (0..Count()) whatever the order; returns row, or -1 when row is
    /// out of range.
    int Insert(int row, const QString& text, qint32 code);
    bool Remove(int row);
    void Clear();

    /// Text and code of a valid row (callers check IsValidRow first).
    const QString& Text(int row) const { return m_arrRows.at(row).text; }
    qint32 Code(int row) const { return m_arrRows.at(row).code; }
    bool SetCode(int row, qint32 code);

    /// The order of the list, for everything shown beside it that must sort the same way.
    const QCollator& Collator() const { return m_collator; }

private:
    void AddSortedToRows(QList<EntryRow> rows);

    QList<EntryRow> m_arrRows;
    QCollator m_collator;
};
