#include "screens/MessageFieldRules.h"

namespace merix {

FieldEdit commandFieldEdit(std::u16string_view text) {
    if (const auto at = firstNonDigitAt(text))
        return FieldEdit{removeCharacterAt(text, *at), static_cast<int>(*at), {}};
    if (text.size() > 3)
        return FieldEdit{std::u16string(), -1, commandTooLongMessage()};
    return unchanged(text);
}

std::string commandTooLongMessage() {
    return "Invalid entry!  Enter in a three digit command or macro number.";
}

FieldEdit dvrDescriptionEdit(std::u16string_view text) {
    return removeFirstOf(text, kSeparatorCharacters);
}

} // namespace merix
