// The built-in lists of clubs and events.
#include "entries/Clubs.h"

#include "entries/Collation.h"

#include <algorithm>
#include <gtest/gtest.h>

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

} // namespace
