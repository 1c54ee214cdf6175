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
    // One row of the edit table at a time; a row whose best is past the limit ends the count.
    std::vector<qsizetype> row(static_cast<size_t>(y.size() + 1));
    for (qsizetype j = 0; j <= y.size(); ++j)
        row[static_cast<size_t>(j)] = j;
    for (qsizetype i = 1; i <= x.size(); ++i) {
        qsizetype diagonal = row[0];
        row[0] = i;
        qsizetype best = row[0];
        for (qsizetype j = 1; j <= y.size(); ++j) {
            const auto at = static_cast<size_t>(j);
            const qsizetype above = row[at];
            row[at] = std::min({above + 1, row[at - 1] + 1, diagonal + (x[i - 1] != y[j - 1])});
            diagonal = above;
            best = std::min(best, row[at]);
        }
        if (best > limit)
            return limit + 1;
    }
    return std::min(row.back(), limit + 1);
}

QString closest(const QString& typed, const QStringList& candidates)
{
    const qsizetype limit = std::min<qsizetype>(2, typed.size() / 3);
    QString found;
    qsizetype best = limit + 1;
    bool tie = false;
    for (const QString& candidate : candidates) {
        const qsizetype d = distance(typed, candidate, limit);
        if (d == 0)
            return candidate == typed ? QString() : candidate;
        if (d < best) {
            best = d;
            found = candidate;
            tie = false;
        } else if (d == best && d <= limit && candidate.compare(found, Qt::CaseInsensitive) != 0) {
            tie = true;
        }
    }
    return best <= limit && !tie ? found : QString();
}

} // namespace nearest
