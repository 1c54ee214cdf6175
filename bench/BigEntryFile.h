#pragma once
// The registration that the file and window benchmarks read, load and save: 100,000 made-up
// entries, about 5 MB. Every program builds the very same bytes, so "reading" and "Laden" in the
// benchmark table (docs/benchmarks.md) speak of one file.

#include "entryfile/EntryFile.h"
#include "RandomEntries.h"

#include <QByteArray>
#include <QList>

namespace bench {

inline constexpr int kBigFileEntries = 100000;

inline const QList<EntryRow>& bigFileRows()
{
    static const QList<EntryRow> rows = randomRows(kBigFileEntries, 4711);
    return rows;
}

inline const QByteArray& bigFileBytes()
{
    static const QByteArray bytes = entryfile::write(QStringLiteral("TV Musterstadt"),
                                                     QStringLiteral("Gauturnfest"), bigFileRows());
    return bytes;
}

} // namespace bench
