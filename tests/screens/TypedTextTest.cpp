#include "screens/TypedText.h"

#include <gtest/gtest.h>

namespace merix {
namespace {

std::string utf8(std::u16string_view text) {
    return toUtf8(text);
}

TEST(TypedTextTest, SearchFindsTheFirstLineBeginningWithTheTextInAnyCase) {
    const std::vector<std::string> lines = {"SETTIM\t - Set Timer", "SETCLR\t - Set Clearance",
                                            "000\t - Log On", "settim\t - again"};
    const struct {
        const char* prefix;
        std::optional<std::size_t> found;
    } cases[] = {
        {"set", 0},          {"SETC", 1},
        {"setclr\t", 1},     {"0", 2},
        {"", std::nullopt}, // an emptied search field leaves the selection alone
        {"x", std::nullopt}, {"SETTIM\t - Set Timers", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(firstBeginningWith(lines, c.prefix), c.found) << c.prefix;
    EXPECT_EQ(firstBeginningWith({}, "a"), std::nullopt);
}

TEST(TypedTextTest, CharactersThatWouldBreakTheDocumentLineComeOutOneAtATime) {
    const struct {
        std::u16string typed;
        std::optional<std::u16string> text;
        std::size_t caret;
    } cases[] = {
        {u"clean text, with commas = fine", std::nullopt, 0},
        {u"", std::nullopt, 0},
        {u"a:b", u"ab", 1},
        {u"a;b:c", u"ab:c", 1},
        {u":", u"", 0},
        {u"two\nlines", u"twolines", 3},
        {u"\r\n", u"\n", 0},
        {u"para\u2029graph", u"paragraph", 4},
    };
    for (const auto& c : cases) {
        const auto fix = withoutFirstLineBreaker(c.typed);
        ASSERT_EQ(fix.has_value(), c.text.has_value()) << utf8(c.typed);
        if (fix) {
            EXPECT_EQ(fix->text, *c.text) << utf8(c.typed);
            EXPECT_EQ(fix->caret, c.caret) << utf8(c.typed);
        }
    }
}

TEST(TypedTextTest, Utf8ForTheStore) {
    EXPECT_EQ(toUtf8(u"Volts"), "Volts");
    EXPECT_EQ(toUtf8(u"\u00b0C"), "\xC2\xB0"
                                  "C");
    EXPECT_EQ(toUtf8(u"\u20ac"), "\xE2\x82\xAC");
    EXPECT_EQ(toUtf8(u"\U0001F4E1"), "\xF0\x9F\x93\xA1"); // a pair of halves
    EXPECT_EQ(toUtf8(std::u16string(1, char16_t(0xD83D))), "\xEF\xBF\xBD");
}

} // namespace
} // namespace merix
