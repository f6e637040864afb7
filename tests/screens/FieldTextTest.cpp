#include "screens/FieldText.h"
#include "tests/screens/FieldEditCases.h"

#include <gtest/gtest.h>

namespace merix {
namespace {

const std::u16string kClef = u"\U0001D11E"; // two code units

TEST(FieldTextTest, CharactersOutsideTheBasicPlaneAreNeverSplit) {
    EXPECT_EQ(cutToLength(u"abcdef", 3), u"abc");
    EXPECT_EQ(cutToLength(u"ab", 3), u"ab");
    EXPECT_EQ(cutToLength(u"ab" + kClef, 3), u"ab");
    EXPECT_EQ(cutToLength(u"ab" + kClef, 4), u"ab" + kClef);
    EXPECT_EQ(removeCharacterAt(u"a" + kClef + u"b", 1), u"ab");
    EXPECT_EQ(removeCharacterAt(u"abc", 1), u"ac");
    const FieldEdit edit = removeFirstOf(kClef + u":x", kSeparatorCharacters);
    EXPECT_EQ(edit.text, kClef + u"x");
    EXPECT_EQ(edit.caret, 2);
}

TEST(FieldTextTest, NumbersAreTheLeadingDigitsWithinTheFieldsCapacity) {
    const struct {
        std::u16string text;
        long value;
    } cases[] = {
        {u"", 0},
        {u"0", 0},
        {u"42", 42},
        {u"4a2", 4},
        {u"-3", 0},
        {u" 3", 0},
        {u"1234567890", 123456789}, // the tenth character is not read
    };
    for (const auto& c : cases)
        EXPECT_EQ(numberIn(c.text), c.value) << test::shown(c.text);
}

TEST(FieldTextTest, Utf8ForTheStoreAndTheMessages) {
    EXPECT_EQ(toUtf8(u"W1AW"), "W1AW");
    EXPECT_EQ(toUtf8(u"ü"), "\xC3\xBC");
    EXPECT_EQ(toUtf8(u"€"), "\xE2\x82\xAC");
    EXPECT_EQ(toUtf8(kClef), "\xF0\x9D\x84\x9E");
    EXPECT_EQ(toUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD"); // a lone half
}

} // namespace
} // namespace merix
