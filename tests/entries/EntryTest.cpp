// The participant's two forms and the birth year window, below any widget.
#include "entries/Entry.h"

#include <array>
#include <gtest/gtest.h>

namespace {

TEST(Entry, DisplayTextSplitsAtTheFirstCommaAndBirthYearsHaveAnOpenWindow)
{
    // text, surname, first name: the first comma counts, the surname loses its trailing blanks
    const std::array<const char16_t*, 3> splits[] = {
        {u"Meier  ,Anna,Maria", u"Meier", u"Anna,Maria"},
        {u"Anna", u"", u"Anna"},
        {u",", u"", u""}};
    for (const auto& [text, name, first] : splits) {
        const entry::Names names = entry::splitDisplayText(QString::fromUtf16(text));
        EXPECT_EQ(names.name + u'|' + names.firstName,
                  QString::fromUtf16(name) + u'|' + QString::fromUtf16(first));
    }
    const std::pair<int, int> years[] = {
        {1926, -1}, {1927, 1927}, {2025, 2025}, {2026, -1}, {0, -1}};
    for (const auto& [year, expected] : years)
        EXPECT_EQ(entry::CheckBirthYear(year, 2026), expected) << year;
}

} // namespace
