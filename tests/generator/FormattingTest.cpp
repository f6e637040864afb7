#include "generator/Formatting.h"

#include <gtest/gtest.h>

namespace merix {
namespace {

TEST(Formatting, CommandNumberKeepsThreeDigitsWithOrWithoutPrefix)
{
    EXPECT_EQ(commandNumberText(7, true), "N007");
    EXPECT_EQ(commandNumberText(36, false), "036");
    EXPECT_EQ(commandNumberText(190, true), "N190");
    EXPECT_EQ(commandNumberText(0, false), "000");
}

TEST(Formatting, PadByValueDecidesOnTheNumberNotTheText)
{
    struct Case {
        const char* text;
        const char* padded;
    } cases[] = {
        {"5", "005"}, {"30", "030"}, {"100", "100"}, {"1000", "1000"},
        // The zeros go before the text as it stands.
        {"05", "0005"}, {"", "00"}, {"x", "00x"}, {"099", "0099"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(padByValue(c.text), c.padded) << c.text;
    EXPECT_EQ(padByValue(7L), "007");
    EXPECT_EQ(padByValue(65535L), "65535");
}

TEST(Formatting, PadByLengthCountsCharacters)
{
    EXPECT_EQ(padByLength("5"), "005");
    EXPECT_EQ(padByLength("05"), "005");
    EXPECT_EQ(padByLength("123"), "123");
    EXPECT_EQ(padByLength("1234"), "1234");
    EXPECT_EQ(padByLength(""), "00");
}

TEST(Formatting, TwoDigitPad)
{
    EXPECT_EQ(twoDigitPad(5), "05");
    EXPECT_EQ(twoDigitPad(0), "00");
    EXPECT_EQ(twoDigitPad(12), "12");
}

TEST(Formatting, FourDigitFieldWritesZerosOutsideItsRange)
{
    EXPECT_EQ(fourDigitField(440, kMaxFrequency), "0440");
    EXPECT_EQ(fourDigitField(1, kMaxDuration), "0001");
    EXPECT_EQ(fourDigitField(6000, kMaxDuration), "6000");
    EXPECT_EQ(fourDigitField(6001, kMaxDuration), "0000");
    EXPECT_EQ(fourDigitField(7000, kMaxDuration), "0000");
    EXPECT_EQ(fourDigitField(9999, kMaxFrequency), "9999");
    EXPECT_EQ(fourDigitField(0, kMaxFrequency), "0000");
    EXPECT_EQ(fourDigitField(-20, kMaxFrequency), "0000");
}

TEST(Formatting, OnOffPhrase)
{
    EXPECT_EQ(onOffPhrase("dtmf mute", 1), "(dtmf mute - on)");
    EXPECT_EQ(onOffPhrase("bypass", 0), "(bypass - off)");
    EXPECT_EQ(onOffPhrase("id's", 2), "(id's - on)");
}

TEST(Formatting, LeadingIntegerSaturatesInsteadOfOverflowing)
{
    EXPECT_EQ(leadingInteger("  42abc"), 42);
    EXPECT_EQ(leadingInteger("-7"), -7);
    EXPECT_EQ(leadingInteger("abc"), 0);
    EXPECT_GT(leadingInteger("99999999999999999999999999"), 0);
}

} // namespace
} // namespace merix
