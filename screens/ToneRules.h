#pragma once

#include "screens/DigitFieldRules.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace merix {

// The three kinds of field on the Tones screen, each with its limits and its message.
enum class ToneFieldKind {
    Length,    // lengths, pauses and delays: four digits, 0 - 6000
    Frequency, // four digits, any value
    CwSpeed,   // two digits, up to 50 while typing
};

DigitLimit toneFieldLimit(ToneFieldKind kind);

struct ToneSettings;

// Every value the Tones screen shows; the first seven belong to the port shown.
enum class ToneValue {
    CwSpeed,
    CwFreq1,
    CwFreq2,
    DtmfToneLength,
    DtmfToneDelay,
    PreaccessFreq1,
    PreaccessFreq2,
    CoverToneDuration,
    CoverToneFreq1,
    CoverToneFreq2,
    CoverToneDelay,
    RingDuration,
    RingFreq1,
    RingFreq2,
    RingDelay,
};
inline constexpr std::size_t kToneValueCount = 15;

ToneFieldKind toneFieldKind(ToneValue value);

// Where the value lives in the record; `portIndex` (0..7) picks the port of the per-port ones.
int& toneValueOf(ToneSettings& tones, ToneValue value, std::size_t portIndex);

// The CW speed once the field is left: a speed below 5 (an empty field too) becomes 20.
// nullopt when the text stays as it is.
std::optional<std::string> cwSpeedOnLeaving(std::string_view text);

} // namespace merix
