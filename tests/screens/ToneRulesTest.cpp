#include "screens/ToneRules.h"
#include "document/Records.h"
#include "screens/PortChoice.h"

#include <gtest/gtest.h>

#include <optional>

namespace merix {
namespace {

using Action = DigitVerdict::Action;

const std::string kLength = "Invalid entry!  Enter in a length in the range (0 - 6000).";
const std::string kFrequency = "Invalid entry!  Enter in a four digit frequency.";
const std::string kCwSpeed = "Invalid entry!  Enter in a CW speed in words per minute (5 - 50).";

TEST(ToneRules, EachKindOfFieldHasItsLimitsAndItsMessage) {
    struct Case {
        ToneFieldKind kind;
        const char* text;
        Action action;
        int value;                  // Store
        std::size_t position;       // RemoveCharacter
        const std::string* message; // Refuse
    };
    const Case cases[] = {
        {ToneFieldKind::Length, "6000", Action::Store, 6000, 0, nullptr},
        {ToneFieldKind::Length, "6001", Action::Refuse, 0, 0, &kLength},
        {ToneFieldKind::Length, "00001", Action::Refuse, 0, 0, &kLength}, // five digits
        {ToneFieldKind::Length, "0100", Action::Store, 100, 0, nullptr},
        {ToneFieldKind::Length, "", Action::Store, 0, 0, nullptr},
        {ToneFieldKind::Length, "12a", Action::RemoveCharacter, 0, 2, nullptr},
        {ToneFieldKind::Length, "-5", Action::RemoveCharacter, 0, 0, nullptr},
        {ToneFieldKind::Length, "1 2", Action::RemoveCharacter, 0, 1, nullptr},
        {ToneFieldKind::Frequency, "9999", Action::Store, 9999, 0, nullptr},
        {ToneFieldKind::Frequency, "10000", Action::Refuse, 0, 0, &kFrequency},
        {ToneFieldKind::Frequency, "0440", Action::Store, 440, 0, nullptr},
        {ToneFieldKind::Frequency, "44x0", Action::RemoveCharacter, 0, 2, nullptr},
        // Only the first nine characters count: the letter beyond them is never looked at.
        {ToneFieldKind::Frequency, "123456789x", Action::Refuse, 0, 0, &kFrequency},
        {ToneFieldKind::CwSpeed, "50", Action::Store, 50, 0, nullptr},
        {ToneFieldKind::CwSpeed, "51", Action::Refuse, 0, 0, &kCwSpeed},
        {ToneFieldKind::CwSpeed, "100", Action::Refuse, 0, 0, &kCwSpeed},
        {ToneFieldKind::CwSpeed, "4", Action::Store, 4, 0, nullptr}, // fixed on leaving
        {ToneFieldKind::CwSpeed, "05", Action::Store, 5, 0, nullptr},
        {ToneFieldKind::CwSpeed, "w", Action::RemoveCharacter, 0, 0, nullptr},
    };
    for (const Case& c : cases) {
        const DigitVerdict v = judgeDigitField(c.text, toneFieldLimit(c.kind));
        ASSERT_EQ(v.action, c.action) << c.text;
        if (c.action == Action::Store) {
            EXPECT_EQ(v.value, c.value) << c.text;
        }
        if (c.action == Action::RemoveCharacter) {
            EXPECT_EQ(v.position, c.position) << c.text;
        }
        EXPECT_EQ(v.message, c.message ? *c.message : std::string()) << c.text;
    }
}

TEST(ToneRules, ACwSpeedBelowFiveBecomesTwentyOnLeaving) {
    const std::pair<const char*, std::optional<std::string>> cases[] = {
        {"", "20"}, {"0", "20"}, {"4", "20"}, {"5", std::nullopt}, {"50", std::nullopt},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(cwSpeedOnLeaving(text), expected) << text;
}

TEST(ToneRules, EveryValueHasItsOwnPlaceInTheRecordAndThePortValuesTheirPort) {
    ToneSettings tones;
    for (std::size_t i = 0; i < kToneValueCount; ++i)
        toneValueOf(tones, static_cast<ToneValue>(i), 2) = static_cast<int>(i) + 1;
    ToneSettings expected;
    expected.cwSpeed[2] = 1;
    expected.cwFreq1[2] = 2;
    expected.cwFreq2[2] = 3;
    expected.dtmfToneLength[2] = 4;
    expected.dtmfToneDelay[2] = 5;
    expected.preaccessFreq1[2] = 6;
    expected.preaccessFreq2[2] = 7;
    expected.coverToneDuration = 8;
    expected.coverToneFreq1 = 9;
    expected.coverToneFreq2 = 10;
    expected.coverToneDelay = 11;
    expected.reversePatchRingDuration = 12;
    expected.reversePatchRingFreq1 = 13;
    expected.reversePatchRingFreq2 = 14;
    expected.reversePatchRingDelay = 15;
    EXPECT_EQ(tones, expected);

    const std::pair<ToneValue, ToneFieldKind> kinds[] = {
        {ToneValue::CwSpeed, ToneFieldKind::CwSpeed},
        {ToneValue::CwFreq2, ToneFieldKind::Frequency},
        {ToneValue::PreaccessFreq1, ToneFieldKind::Frequency},
        {ToneValue::DtmfToneDelay, ToneFieldKind::Length},
        {ToneValue::CoverToneDuration, ToneFieldKind::Length},
        {ToneValue::RingFreq1, ToneFieldKind::Frequency},
        {ToneValue::RingDelay, ToneFieldKind::Length},
    };
    for (const auto& [value, kind] : kinds)
        EXPECT_EQ(toneFieldKind(value), kind) << static_cast<int>(value);
}

TEST(PortChoice, PortsOneToSevenByNameInAnyCaseAndEverythingElseEight) {
    const std::pair<const char*, int> cases[] = {
        {"Port 1", 1}, {"port 7", 7}, {"PORT 3", 3},  {"Port 8", 8},
        {"Port 9", 8}, {"", 8},       {"Port 1 ", 8}, {"Port1", 8},
    };
    for (const auto& [text, port] : cases)
        EXPECT_EQ(portFromChoiceText(text), port) << text;
    EXPECT_EQ(portChoiceText(4), "Port 4");
}

} // namespace
} // namespace merix
