#include "entries/Nearest.h"

#include <algorithm>
#include <vector>

namespace nearest {

qsizetype distance(const QString& a, const QString& b, qsizetype limit)
{
    const QString x = a.toCaseFolded();
    const QString y = b.toCaseFolded();
    if (std::abs(x.size() - y.size()) > limit)
        return limit + 1;
    // Three rows of the edit table: two neighbours swapped ("VERIEN") are one slip, not two. A
    // row whose best is past the limit ends the count.
    const auto width = static_cast<size_t>(y.size() + 1);
    std::vector<qsizetype> before(width), above(width), row(width);
    for (size_t j = 0; j < width; ++j)
        above[j] = static_cast<qsizetype>(j);
    for (qsizetype i = 1; i <= x.size(); ++i) {
        row[0] = i;
        qsizetype best = i;
        for (qsizetype j = 1; j <= y.size(); ++j) {
            const auto at = static_cast<size_t>(j);
            row[at] = std::min(
                {above[at] + 1, row[at - 1] + 1, above[at - 1] + (x[i - 1] != y[j - 1] ? 1 : 0)});
            if (i > 1 && j > 1 && x[i - 1] == y[j - 2] && x[i - 2] == y[j - 1])
                row[at] = std::min(row[at], before[at - 2] + 1);
            best = std::min(best, row[at]);
        }
        if (best > limit)
            return limit + 1;
        std::swap(before, above);
        std::swap(above, row);
    }
    return std::min(above.back(), limit + 1);
}

QString closest(const QString& typed, const QStringList& candidates)
{
    constexpr qsizetype kLimit = 2;
    QString found;
    qsizetype best = kLimit + 1;
    bool tie = false;
    for (const QString& candidate : candidates) {
        const qsizetype d = distance(typed, candidate, kLimit);
        if (d == 0)
            return candidate == typed ? QString() : candidate;
        // Fewer slips than one in three letters: "TERMIN" is not "VEREIN", "SV" not "TV".
        if (d * 3 >= candidate.size())
            continue;
        if (d < best) {
            best = d;
            found = candidate;
            tie = false;
        } else if (d == best && candidate.compare(found, Qt::CaseInsensitive) != 0) {
            tie = true;
        }
    }
    return best <= kLimit && !tie ? found : QString();
}

} // namespace nearest
