// The entry helpers: display text and its split, the entry code with its sign, and the open
// birth-year window.
#include "Entry.h"

#include <gtest/gtest.h>

using namespace entry;

TEST(EntryDisplayText, JoinsSurnameCommaFirstNameWithNothingAdded)
{
    EXPECT_EQ(DisplayText(QStringLiteral("Meier"), QStringLiteral("Anna")),
              QStringLiteral("Meier,Anna"));
    EXPECT_EQ(DisplayText(QStringLiteral("Meier "), QStringLiteral(" Anna ")),
              QStringLiteral("Meier , Anna "));
    EXPECT_EQ(DisplayText(QString(), QString()), QStringLiteral(","));
}

TEST(EntryDisplayText, SplitsAtTheFirstComma)
{
    const Names plain = SplitDisplayText(QStringLiteral("Meier,Anna"));
    EXPECT_EQ(plain.name, QStringLiteral("Meier"));
    EXPECT_EQ(plain.firstName, QStringLiteral("Anna"));

    const Names twoCommas = SplitDisplayText(QStringLiteral("A,B,C"));
    EXPECT_EQ(twoCommas.name, QStringLiteral("A"));
    EXPECT_EQ(twoCommas.firstName, QStringLiteral("B,C"));

    const Names noComma = SplitDisplayText(QStringLiteral("Einzelname"));
    EXPECT_TRUE(noComma.name.isEmpty());
    EXPECT_EQ(noComma.firstName, QStringLiteral("Einzelname"));

    const Names leadingComma = SplitDisplayText(QStringLiteral(",Anna"));
    EXPECT_TRUE(leadingComma.name.isEmpty());
    EXPECT_EQ(leadingComma.firstName, QStringLiteral("Anna"));
}

TEST(EntryDisplayText, SplitTrimsOnlyTheSurnameEnd)
{
    const Names names = SplitDisplayText(QStringLiteral(" Meier \t, Anna "));
    EXPECT_EQ(names.name, QStringLiteral(" Meier"));
    EXPECT_EQ(names.firstName, QStringLiteral(" Anna "));

    const Names blanks = SplitDisplayText(QStringLiteral("   ,   "));
    EXPECT_TRUE(blanks.name.isEmpty());
    EXPECT_EQ(blanks.firstName, QStringLiteral("   "));
}

TEST(EntryCode, YearTimesTwoPlusGenderBit)
{
    EXPECT_EQ(MakeCode(1990, Female), 3980);
    EXPECT_EQ(MakeCode(1990, Male), 3981);
    EXPECT_EQ(YearOf(3980), 1990);
    EXPECT_EQ(YearOf(3981), 1990);
    EXPECT_EQ(GenderOf(3980), Female);
    EXPECT_EQ(GenderOf(3981), Male);
    // Only the low bit of the gender counts.
    EXPECT_EQ(MakeCode(2000, 3), MakeCode(2000, Male));
}

TEST(EntryCode, NegativeYearsKeepTheirSign)
{
    // An entry read from a file with a year outside the window carries the year -1.
    EXPECT_EQ(MakeCode(-1, Female), -2);
    EXPECT_EQ(MakeCode(-1, Male), -1);
    EXPECT_EQ(YearOf(-2), -1);
    EXPECT_EQ(YearOf(-1), -1);
    EXPECT_EQ(GenderOf(-2), Female);
    EXPECT_EQ(GenderOf(-1), Male);
    EXPECT_EQ(YearOf(MakeCode(-500, Male)), -500);
    EXPECT_EQ(GenderOf(MakeCode(-500, Male)), Male);
}

TEST(BirthYear, WindowIsOpenAtBothEnds)
{
    EXPECT_EQ(CheckBirthYear(1926, 2026), -1);
    EXPECT_EQ(CheckBirthYear(1927, 2026), 1927);
    EXPECT_EQ(CheckBirthYear(2025, 2026), 2025);
    EXPECT_EQ(CheckBirthYear(2026, 2026), -1);
    EXPECT_EQ(CheckBirthYear(0, 2026), -1);
    EXPECT_EQ(CheckBirthYear(-1, 2026), -1);
}

TEST(BirthYear, CurrentYearVersionUsesTheUtcYear)
{
    const int year = CurrentUtcYear();
    EXPECT_EQ(CheckBirthYear(year - 1), year - 1);
    EXPECT_EQ(CheckBirthYear(year), -1);
    EXPECT_EQ(CheckBirthYear(year - 99), year - 99);
    EXPECT_EQ(CheckBirthYear(year - 100), -1);
}
