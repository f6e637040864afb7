#include "screens/CommandRules.h"
#include "screens/TypedText.h"

#include <gtest/gtest.h>

namespace merix {
namespace {

std::string utf8(std::u16string_view text) {
    return toUtf8(text);
}

TEST(CommandRulesTest, NameRuleRaisesRemovesOrCutsAndSaysWhereTheCaretGoes) {
    using O = NameCheck::Outcome;
    const struct {
        std::u16string typed;
        O outcome;
        std::u16string text;
        std::size_t caret;
    } cases[] = {
        {u"", O::Accepted, u"", 0},
        {u"AB", O::Accepted, u"AB", 0},
        {u"*#09CD", O::Accepted, u"*#09CD", 0}, // digits and other signs as typed
        {u"a", O::Fixed, u"A", 1},
        {u"AbC", O::Fixed, u"ABC", 2}, // the caret one past the lower-case letter
        {u"A:", O::Fixed, u"A", 1},
        {u"A:B", O::Fixed, u"AB", 1},
        {u"A;B", O::Fixed, u"AB", 1},
        {u" A", O::Fixed, u"A", 0},
        {u"a b", O::Fixed, u"A B", 1}, // whichever comes first: the letter
        {u"A b", O::Fixed, u"Ab", 1},  // the blank
        {u"A\tB", O::Fixed, u"AB", 1},
        {u"\u00e9A", O::Fixed, u"A", 0}, // not for the controller's ASCII names
        {u"ABCDEF", O::Accepted, u"ABCDEF", 0},
        {u"ABCDEFG", O::TooLong, u"ABCDEF", 0},
        {u"abcdefghij", O::TooLong, u"abcdef", 0}, // raised when it comes back as a change
    };
    for (const auto& c : cases) {
        const NameCheck check = checkCommandName(c.typed);
        EXPECT_EQ(check.outcome, c.outcome) << utf8(c.typed);
        EXPECT_EQ(check.text, c.text) << utf8(c.typed);
        if (c.outcome == O::Fixed) {
            EXPECT_EQ(check.caret, c.caret) << utf8(c.typed);
        }
    }
}

TEST(CommandRulesTest, SearchTakesSixCharactersAndListLinesJoinNameAndLabel) {
    EXPECT_FALSE(isSearchTooLong(u"SETTIM"));
    EXPECT_TRUE(isSearchTooLong(u"SETTIME"));
    EXPECT_EQ(commandListLine("SETTIM", "Set Timer"), "SETTIM\t - Set Timer");
    EXPECT_EQ(commandListLine("", ""), "\t - ");
}

} // namespace
} // namespace merix
