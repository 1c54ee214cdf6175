#pragma once
// The list's order: German, ignoring case. Everything that sorts or compares participants' names
// (the entry list, the import's duplicate check, the gathering) uses this one order, so that the
// window and the organiser's tool agree on who comes first and on who is the same person.

#include <QByteArray>
#include <QByteArrayView>
#include <QCollator>
#include <QLocale>
#include <QStringList>
#include <QStringView>
#include <span>
#include <vector>

struct UCollator;

namespace collation {

/// German (Germany): the language of every name in the list.
QLocale listLocale();

/// A collator with the list's order: German, case-insensitive.
QCollator listCollator();

/// The texts in the list's order; equal ones keep their order.
QStringList sorted(QStringList texts);

/// The collation key of one text: two texts compare equal under listCollator() exactly when their
/// keys are equal, and byte-wise comparison of keys gives the collator's order.
QByteArray key(QStringView text);

} // namespace collation

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
    void reserve(qsizetype count, qsizetype bytesEach = 32);
    /// Adds the key of a text; keys are numbered in the order they are added, from 0.
    void Add(QStringView text);
    /// The key of a text, without adding it.
    QByteArray keyOf(QStringView text) const;
    qsizetype count() const { return static_cast<qsizetype>(m_ends.size()); }
    /// The key's bytes: the sign of a byte-wise comparison of two keys is the collator's verdict.
    QByteArrayView key(qsizetype i) const;

    /// The numbers of all keys, ordered by `major` (one value per key, when given), then by key,
    /// then by number: equal texts keep the order in which they were added.
    std::vector<quint32> order(std::span<const quint32> major = {}) const;

private:
    void appendKey(QByteArray& out, QStringView text) const;

    UCollator* m_collator = nullptr;
    QByteArray m_bytes;
    std::vector<qsizetype> m_ends; ///< where each key ends in m_bytes
};
