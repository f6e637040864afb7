#include "screens/SchedulerRules.h"
#include "tests/screens/FieldEditCases.h"

#include <gtest/gtest.h>

namespace merix {
namespace {

using test::EditCase;
using test::expectEdit;

constexpr int kHour = 0, kDay = 1, kWeek = 2, kMonth = 3, kYear = 4;
const std::string kMinutesMessage = "Invalid entry!  Enter in the minute of the hour (1 - 60).";
const std::string kDayMessage = "Invalid entry!  Enter in the day of the month.";

TEST(SchedulerRulesTest, EachPeriodShowsItsControls) {
    const struct {
        int period;
        PeriodControls shown;
    } cases[] = {
        {kHour, {false, false, false, false}}, {kDay, {true, false, false, false}},
        {kWeek, {true, true, false, false}},   {kMonth, {true, false, true, false}},
        {kYear, {true, false, true, true}},    {5, {false, false, false, false}},
        {-1, {false, false, false, false}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(controlsShownFor(c.period), c.shown) << c.period;
}

TEST(SchedulerRulesTest, DayOfMonthIsValidByMonthAndPeriod) {
    const struct {
        long day;
        int period;
        const char* month;
        bool valid;
    } cases[] = {
        {31, kMonth, "February", true}, // once a month: any day up to 31
        {32, kMonth, "", false},
        {29, kYear, "February", true}, // leap years are not considered
        {30, kYear, "February", false},
        {30, kYear, "FEBRUARY", false},
        {30, kYear, "April", true},
        {31, kYear, "April", false},
        {31, kYear, "September", false},
        {31, kYear, "June", false},
        {31, kYear, "November", false},
        {31, kYear, "July", true},
        {31, kYear, "December", true},
        {31, kYear, "", false}, // no month counts as a short one
        {30, kYear, "", true},
        {31, kYear, "june", true}, // the short months are matched exactly
        {31, kWeek, "April", false},
        {0, kYear, "January", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isDayValid(c.day, c.period, c.month), c.valid)
            << c.day << " " << c.period << " " << c.month;
}

TEST(SchedulerRulesTest, DayOfMonthFieldFallsBackToTheFirst) {
    const struct {
        int period;
        const char* month;
        EditCase edit;
    } cases[] = {
        {kYear, "February", {u"29", u"29"}},
        {kYear, "February", {u"30", u"1", -1, kDayMessage}},
        {kMonth, "February", {u"31", u"31"}},
        {kYear, "July", {u"31", u"31"}},
        {kYear, "January", {u"", u""}}, // stored as 0
        {kYear, "January", {u"0", u"1", -1, kDayMessage}},
        {kYear, "January", {u"00", u"1", -1, kDayMessage}},
        {kYear, "January", {u"05", u"05"}},
        {kMonth, "January", {u"123", u"1", -1, kDayMessage}},
        {kYear, "January", {u"3a", u"3", 1}},
        {kYear, "January", {u"-3", u"3", 0}},
    };
    for (const auto& c : cases)
        expectEdit(checkDayOfMonth(c.edit.typed, c.period, c.month), c.edit);
}

TEST(SchedulerRulesTest, MinutesAcceptZeroToSixty) {
    const EditCase cases[] = {
        {u"", u""},
        {u"0", u"0"},
        {u"00", u"00"},
        {u"30", u"30"},
        {u"60", u"60"},
        {u"61", u"0", -1, kMinutesMessage},
        {u"100", u"0", -1, kMinutesMessage},
        {u"12x", u"12", 2},
        {u"x12", u"12", 0},
        {u"1 5", u"15", 1},
    };
    for (const EditCase& c : cases)
        expectEdit(checkMinutes(c.typed), c);
}

TEST(SchedulerRulesTest, CommandNumberIsUpToThreeDigits) {
    const std::string message = "Invalid entry!  Enter in a three digit command or macro number.";
    const EditCase cases[] = {
        {u"", u""},
        {u"7", u"7"},
        {u"007", u"007"},
        {u"123", u"123"},
        {u"1234", u"", -1, message},
        {u"12a", u"12", 2},
        {u"N12", u"12", 0},
        {u"1234a", u"1234", 4}, // the digits are judged with the next change
    };
    for (const EditCase& c : cases)
        expectEdit(checkCommandNumber(c.typed), c);
}

TEST(SchedulerRulesTest, CommentKeepsTheSeparatorsOutAndShowsInTheListLine) {
    const EditCase cases[] = {
        {u"Net reminder", u"Net reminder"},
        {u"Net: 8 pm", u"Net 8 pm", 3},
        {u"ID;", u"ID", 2},
    };
    for (const EditCase& c : cases)
        expectEdit(checkEventComment(c.typed), c);
    EXPECT_EQ(eventListLine("Event 00", ""), "Event 00");
    EXPECT_EQ(eventListLine("Event 00", "Net reminder"), "Event 00 - Net reminder");
}

TEST(SchedulerRulesTest, ListsHoldTheirEntriesInOrder) {
    ASSERT_EQ(hourChoices().size(), 12u);
    EXPECT_EQ(hourChoices().front(), "1");
    EXPECT_EQ(hourChoices().back(), "12");
    EXPECT_EQ(dayChoices().front(), "Sunday");
    EXPECT_EQ(dayChoices().back(), "Saturday");
    ASSERT_EQ(monthChoices().size(), 12u);
    EXPECT_EQ(monthChoices()[8], "September");
    // The hour list is searched by beginning, so 1 must find "1" and not "10".
    EXPECT_EQ(entryBeginningWith(hourChoices(), "1"), 0);
    EXPECT_EQ(entryBeginningWith(hourChoices(), "12"), 11);
    EXPECT_EQ(entryBeginningWith(hourChoices(), "0"), -1);
}

} // namespace
} // namespace merix
