#pragma once

#include "document/LeadingInteger.h"

#include <string>
#include <string_view>

namespace merix {

// Three digits with leading zeros; "N" in front when it is a command to execute,
// bare when it is a parameter inside a macro definition.
std::string commandNumberText(int number, bool withPrefix);

// Zeros before the text as its decimal value asks: one below 100, two below 10.
std::string padByValue(std::string_view text);
std::string padByValue(long value);

// Zeros before the text until it has three characters.
std::string padByLength(std::string_view text);

// One zero before a number below 10.
std::string twoDigitPad(int value);

// Tone lengths, pauses and delays go up to 6000, frequencies and analog ranges to 9999.
inline constexpr int kMaxDuration = 6000;
inline constexpr int kMaxFrequency = 9999;

// "%04d" for 1..maximum, "0000" for anything else.
std::string fourDigitField(int value, int maximum);

// "(name - on)" or "(name - off)".
std::string onOffPhrase(std::string_view name, int value);

// Lower-case copy and comparison, ASCII letters only.
std::string asciiLower(std::string_view text);
bool equalsIgnoringCase(std::string_view a, std::string_view b);


} // namespace merix
