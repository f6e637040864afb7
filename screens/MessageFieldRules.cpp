#include "screens/MessageFieldRules.h"

namespace merix {

std::size_t characterLengthAt(std::string_view text, std::size_t at) {
    std::size_t end = at + 1;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        ++end;
    return end - at;
}

CommandFieldEdit judgeCommandField(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] < '0' || text[i] > '9')
            return {CommandFieldEdit::Kind::RemoveCharacter, i, characterLengthAt(text, i)};
    if (text.size() > 3)
        return {CommandFieldEdit::Kind::TooLong, 0, 0};
    return {CommandFieldEdit::Kind::Store, 0, 0};
}

std::string commandTooLongMessage() {
    return "Invalid entry!  Enter in a three digit command or macro number.";
}

SeparatorFreeText withoutDocumentSeparators(std::string_view text) {
    SeparatorFreeText result;
    result.text.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == ':' || text[i] == ';') {
            if (!result.firstRemoved)
                result.firstRemoved = result.text.size();
            continue;
        }
        result.text += text[i];
    }
    return result;
}

} // namespace merix
