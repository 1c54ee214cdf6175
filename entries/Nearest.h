#pragma once
// The name someone probably meant: a club typed "TSV Bubesheim" where the list has "TV Bubesheim",
// a keyword with a letter missing. Close means a few typing mistakes, not a different name.

#include <QString>
#include <QStringList>

namespace nearest {

/// Edits (a character inserted, dropped or changed, two neighbours swapped) from `a` to `b`,
/// without regard to case;
/// stops counting past `limit` and then returns limit + 1.
qsizetype distance(const QString& a, const QString& b, qsizetype limit);

/// The one of `candidates` closest to `typed`, where it is close: at most two edits, and fewer
/// than one in three of its letters. Empty when none is, when two are equally close, or when
/// `typed` is one of them already (one that differs only in case is named).
QString closest(const QString& typed, const QStringList& candidates);

} // namespace nearest
