// The built-in lists of clubs and events.
#include "entries/Clubs.h"

#include "entries/Collation.h"
#include "entries/Nearest.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(Clubs, ClubsAndEventsAreKeptInTheListsOrder)
{
    // The window shows them as they are, without sorting at every start.
    for (const QStringList& list : {lists::clubs(), lists::events()}) {
        QStringList sorted = list;
        std::stable_sort(sorted.begin(), sorted.end(), collation::listCollator());
        EXPECT_EQ(list, sorted) << sorted.join(u'|').toStdString();
    }
}

// The club someone meant: a few typing mistakes away, never a different club, never a guess
// between two.
TEST(Clubs, TheClubMeantIsAFewMistakesAwayAndNeverAGuess)
{
    const QStringList clubs = {u"TV Bubesheim"_s, u"TSV Günzburg"_s, u"SV Ried"_s, u"SV Riet"_s};
    const std::pair<const char*, const char*> rows[] = {
        {"TSV Bubesheim", "TV Bubesheim"}, // one inserted
        {"TV Bubesheim", ""},              // already one of them
        {"tv bubesheim", "TV Bubesheim"},  // only the case differs
        {"TSV Gunzburg", "TSV Günzburg"},  // one changed
        {"TV Bubeshiem", "TV Bubesheim"},  // two swapped: one slip
        {"TS Gnzburg", "TSV Günzburg"},    // two dropped
        {"T Gnzbrg", ""},                  // three
        {"SV Rie", ""},                    // as close to both
        {"SV", ""},                        // too short to be sure of anything
    };
    for (const auto& [typed, meant] : rows)
        EXPECT_EQ(nearest::closest(QString::fromUtf8(typed), clubs), QString::fromUtf8(meant))
            << typed;
}

} // namespace
