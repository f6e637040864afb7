#include "screens/TimerRules.h"

#include <gtest/gtest.h>

namespace merix {
namespace {

TEST(TimerRulesTest, FieldReadsLikeTheCatalogNumbersWithinFourteenCharacters) {
    const struct {
        const char* text;
        long long value;
    } cases[] = {
        {"", 0},
        {"abc", 0},
        {"  42", 42},
        {"+7", 7},
        {"-5", -5},
        {"--5", 0},
        {"12a3", 12},
        {"00012", 12},
        {"123456789012345", 12345678901234}, // the fifteenth character is not read
        {"99999999999999", 99999999999999},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readLengthField(c.text), c.value) << '"' << c.text << '"';
}

TEST(TimerRulesTest, AcceptableIsZeroToTheMaximumInclusive) {
    EXPECT_TRUE(isAcceptableLength(0, 255));
    EXPECT_TRUE(isAcceptableLength(255, 255));
    EXPECT_FALSE(isAcceptableLength(256, 255));
    EXPECT_FALSE(isAcceptableLength(-1, 255));
    EXPECT_FALSE(isAcceptableLength(0, -1));
}

TEST(TimerRulesTest, FirstNonDigitFindsSignsBlanksAndLetters) {
    EXPECT_EQ(firstNonDigit("123"), std::nullopt);
    EXPECT_EQ(firstNonDigit(""), std::nullopt);
    EXPECT_EQ(firstNonDigit("12a"), 2u);
    EXPECT_EQ(firstNonDigit("-5"), 0u);
    EXPECT_EQ(firstNonDigit("1 2"), 1u);
}

TEST(TimerRulesTest, MessagesKeepTheirExactWording) {
    EXPECT_EQ(lengthOutOfRangeMessage(1000, 600),
              "The entered length 1000 is not in the acceptable range.  Setting length to the last "
              "entry of 600.");
    EXPECT_EQ(lengthResetMessage(false),
              "The entered length is not in the acceptable range.  Setting to default value");
    EXPECT_EQ(lengthResetMessage(true),
              "The entered length is not in the acceptable range.  Setting to default value.");
}

} // namespace
} // namespace merix
