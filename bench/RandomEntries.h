#pragma once
// Made-up participants for the benchmarks: German-looking names (umlauts and ß included, so the
// collation does real work) and birth years of the last century, reproducible from a seed.

#include "entries/Entry.h"

#include <iterator>
#include <QList>
#include <QRandomGenerator>
#include <QString>

namespace bench {

inline QString randomName(QRandomGenerator& random)
{
    static const char* const kSyllables[] = {"ber", "mü", "ler", "schm", "id", "ha", "ö",  "ner",
                                             "kra", "us", "wag", "äck",  "fi", "ß",  "to", "Zan"};
    const auto syllable = [&] {
        return QString::fromUtf8(
            kSyllables[random.bounded(static_cast<int>(std::size(kSyllables)))]);
    };
    QString surname = syllable() + syllable() + syllable();
    QString firstName = syllable() + syllable();
    surname[0] = surname.at(0).toUpper();
    firstName[0] = firstName.at(0).toUpper();
    return entry::displayText(surname, firstName);
}

inline qint32 randomCode(QRandomGenerator& random)
{
    return entry::makeCode(random.bounded(1930, 2020), random.bounded(2));
}

/// `count` rows in the order they were made up, the same ones for the same seed.
inline QList<EntryRow> randomRows(int count, quint32 seed)
{
    QRandomGenerator random(seed);
    QList<EntryRow> rows;
    rows.reserve(count);
    for (int i = 0; i < count; ++i) {
        QString text = randomName(random);
        rows.append({std::move(text), randomCode(random)});
    }
    return rows;
}

} // namespace bench
