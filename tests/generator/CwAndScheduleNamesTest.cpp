#include "generator/CwScanner.h"
#include "generator/ScheduleNames.h"

#include <gtest/gtest.h>

namespace merix {
namespace {

using Tokens = std::vector<std::string_view>;

TEST(CwScanner, NamedSymbolTakesItsLeadingBlankAndLoneBlanksVanish)
{
    EXPECT_EQ(cwTokens("HI SPACE DE"), (Tokens{"H", "I", " SPACE", "D", "E"}));
    EXPECT_EQ(cwTokens("A  B"), (Tokens{"A", "B"}));
    EXPECT_EQ(cwTokens(" PAUSE PAUSE"), (Tokens{" PAUSE", " PAUSE"}));
    EXPECT_EQ(cwTokens(" INTERNAL_DVR_2X"), (Tokens{" INTERNAL_DVR_2", "X"}));
}

TEST(CwScanner, NamedSymbolsMatchAsPrefixesAndOnlyInCapitals)
{
    EXPECT_EQ(cwTokens(" ARM"), (Tokens{" AR", "M"}));
    EXPECT_EQ(cwTokens(" space"), (Tokens{"s", "p", "a", "c", "e"}));
    EXPECT_EQ(cwTokens(" AR"), (Tokens{" AR"}));
    EXPECT_EQ(cwTokens(" A"), (Tokens{"A"}));
    EXPECT_TRUE(cwTokens("").empty());
    EXPECT_TRUE(cwTokens("   ").empty());
}

TEST(ScheduleNames, WeekdaysByTheirFirstThreeLettersInAnyCase)
{
    const char* days[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(weekdayNumber(days[i]), i + 1) << days[i];
    EXPECT_EQ(weekdayNumber("saturday"), 7);
    EXPECT_EQ(weekdayNumber("FRI"), 6);
}

TEST(ScheduleNames, UnknownNamesHaveNoNumber)
{
    EXPECT_EQ(weekdayNumber(""), std::nullopt);
    EXPECT_EQ(weekdayNumber("Mo"), std::nullopt);
    // Letters that straddle two names in a run-together list are no day.
    EXPECT_EQ(weekdayNumber("urF"), std::nullopt);
    EXPECT_EQ(weekdayNumber("Someday"), std::nullopt);
    EXPECT_EQ(monthNumber(""), std::nullopt);
    EXPECT_EQ(monthNumber("Smarch"), std::nullopt);
}

TEST(ScheduleNames, Months)
{
    EXPECT_EQ(monthNumber("January"), 1);
    EXPECT_EQ(monthNumber("september"), 9);
    EXPECT_EQ(monthNumber("DECEMBER"), 12);
}

} // namespace
} // namespace merix
