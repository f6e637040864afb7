#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace merix {

// The two text fields of the Misc Setup screen, checked on every change of their text. The
// store counts bytes, so lengths and positions are in bytes of the UTF-8 text.
struct PortTextVerdict {
    enum class Action {
        Store,           // `text` goes into the document as it is
        RemoveCharacter, // the character at `position` goes; the rest is checked again
        Cut,             // `message` (if any) is shown, `text` put back with the caret at
                         // `position`, and stored
    };
    Action action = Action::Store;
    std::string text;
    std::size_t position = 0;
    std::string message;
};

// The link access code: six characters at most, digits or not.
PortTextVerdict judgeAccessCode(std::string_view text);

// The command executer (force execution) digit: one character, longer text silently cut.
PortTextVerdict judgeExecuterDigit(std::string_view text);

} // namespace merix
