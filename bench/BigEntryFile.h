#pragma once
// The registration that the file and window benchmarks read, load and save: 100,000 made-up
// entries, about 5 MB. Every program builds the very same bytes, so "reading" and "Laden" in the
// README speak of one file.

#include "entryfile/EntryFile.h"
#include "RandomEntries.h"

#include <QByteArray>
#include <QList>

namespace bench {

inline constexpr int kBigFileEntries = 100000;

inline const QList<EntryRow>& BigFileRows()
{
    static const QList<EntryRow> rows = RandomRows(kBigFileEntries, 4711);
    return rows;
}

inline const QByteArray& BigFileBytes()
{
    static const QByteArray bytes = entryfile::Write(QStringLiteral("TV Musterstadt"),
                                                     QStringLiteral("Gauturnfest"), BigFileRows());
    return bytes;
}

} // namespace bench
