#include "entries/Collation.h"

#include <algorithm>
#include <cstring>
#include <unicode/ucol.h>

namespace collation {

QLocale listLocale()
{
    return QLocale(QLocale::German, QLocale::Germany);
}

QCollator listCollator()
{
    QCollator collator(listLocale());
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

QStringList sorted(QStringList texts)
{
    std::stable_sort(texts.begin(), texts.end(), listCollator());
    return texts;
}

QByteArray key(QStringView text)
{
    // One collator for the whole run: opening an ICU collator costs far more than a key.
    static const CollationKeys keys;
    return keys.keyOf(text);
}

} // namespace collation

namespace {

// The first eight bytes of a key as one number, so that most comparisons in a sort are decided
// without following a pointer into the key buffer. A key has no NUL but its last byte, so padding
// a short key with zeros keeps the order.
quint64 keyPrefix(QByteArrayView key)
{
    quint64 prefix = 0;
    for (qsizetype i = 0; i < 8; ++i)
        prefix = (prefix << 8) | (i < key.size() ? static_cast<quint8>(key[i]) : 0u);
    return prefix;
}

} // namespace

CollationKeys::CollationKeys()
{
    // QCollator on ICU opens the collator of the locale's name and sets exactly these attributes
    // for a case-insensitive comparison (secondary strength ignores case, not accents); any other
    // setting would give keys that disagree with the list's single adds.
    UErrorCode status = U_ZERO_ERROR;
    m_collator = ucol_open(collation::listLocale().name().toLatin1().constData(), &status);
    ucol_setAttribute(m_collator, UCOL_NORMALIZATION_MODE, UCOL_ON, &status);
    ucol_setAttribute(m_collator, UCOL_STRENGTH, UCOL_SECONDARY, &status);
    ucol_setAttribute(m_collator, UCOL_NUMERIC_COLLATION, UCOL_OFF, &status);
    ucol_setAttribute(m_collator, UCOL_ALTERNATE_HANDLING, UCOL_NON_IGNORABLE, &status);
    if (U_FAILURE(status))
        qFatal("Kein ICU-Collator für %s: %s", qPrintable(collation::listLocale().name()),
               u_errorName(status));
}

CollationKeys::~CollationKeys()
{
    ucol_close(m_collator);
}

void CollationKeys::reserve(qsizetype count, qsizetype bytesEach)
{
    m_ends.reserve(static_cast<size_t>(count));
    m_bytes.reserve(count * bytesEach);
}

void CollationKeys::Add(QStringView text)
{
    appendKey(m_bytes, text);
    m_ends.push_back(m_bytes.size());
}

QByteArray CollationKeys::keyOf(QStringView text) const
{
    QByteArray key;
    appendKey(key, text);
    return key;
}

void CollationKeys::appendKey(QByteArray& out, QStringView text) const
{
    // QCollator puts an empty text before every other one, even before a text that holds only
    // characters the collator ignores (whose ICU key equals the empty text's); the first byte
    // keeps that rule.
    const qsizetype start = out.size();
    out.append(text.isEmpty() ? '\x01' : '\x02');
    const auto length = static_cast<int32_t>(std::min<qsizetype>(text.size(), INT32_MAX));
    const auto* chars = reinterpret_cast<const UChar*>(text.utf16());
    // Most keys fit into a guess of a little more than the text; the rest are made again.
    qsizetype room = 16 + text.size() + text.size() / 2;
    for (;;) {
        out.resize(start + 1 + room);
        const int32_t size = ucol_getSortKey(m_collator, chars, length,
                                             reinterpret_cast<uint8_t*>(out.data()) + start + 1,
                                             static_cast<int32_t>(room));
        if (size <= room) {
            out.resize(start + 1 + size);
            break;
        }
        room = size;
    }
}

QByteArrayView CollationKeys::key(qsizetype i) const
{
    const qsizetype start = i == 0 ? 0 : m_ends[static_cast<size_t>(i - 1)];
    return QByteArrayView(m_bytes).sliced(start, m_ends[static_cast<size_t>(i)] - start);
}

std::vector<quint32> CollationKeys::order(std::span<const quint32> major) const
{
    struct Item
    {
        quint32 major;
        quint32 number;
        quint64 prefix;
    };
    std::vector<Item> items(m_ends.size());
    for (size_t i = 0; i < items.size(); ++i) {
        items[i] = {major.empty() ? 0u : major[i], static_cast<quint32>(i),
                    keyPrefix(key(static_cast<qsizetype>(i)))};
    }
    // The number decides between equal keys, so the plain (unstable) sort gives a stable order.
    std::sort(items.begin(), items.end(), [this](const Item& a, const Item& b) {
        if (a.major != b.major)
            return a.major < b.major;
        if (a.prefix != b.prefix)
            return a.prefix < b.prefix;
        const QByteArrayView ka = key(a.number);
        const QByteArrayView kb = key(b.number);
        if (ka.size() > 8 && kb.size() > 8) {
            const size_t common = static_cast<size_t>(std::min(ka.size(), kb.size()) - 8);
            // Only the last byte of a key is NUL, so keys that agree this far are the same key.
            if (const int c = std::memcmp(ka.data() + 8, kb.data() + 8, common); c != 0)
                return c < 0;
        }
        return a.number < b.number;
    });
    std::vector<quint32> order(items.size());
    for (size_t i = 0; i < items.size(); ++i)
        order[i] = items[i].number;
    return order;
}
