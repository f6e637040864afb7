#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace merix {

// A field that takes a number of a few digits, checked on every change of its text (the
// Tones and Courtesy Beeps screens): what the field may hold, and what is said otherwise.
struct DigitLimit {
    std::size_t maxDigits = 4;
    int maxValue = 9999;
    std::string_view message; // shown when either limit is passed
};

// What the screen does with the field's text.
struct DigitVerdict {
    enum class Action {
        Store,           // `value` goes into the document
        RemoveCharacter, // the character at `position` goes; the rest is checked again
        Refuse,          // `message` is shown, the field emptied and 0 stored
    };
    Action action = Action::Store;
    int value = 0;
    std::size_t position = 0;
    std::string message;
};

// The field's first nine characters are what counts; an empty field is 0.
DigitVerdict judgeDigitField(std::string_view text, const DigitLimit& limit);

} // namespace merix
