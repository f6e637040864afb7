#include "screens/UserRules.h"

namespace merix {

namespace {

bool isLowerAscii(char16_t c) {
    return c >= u'a' && c <= u'z';
}

std::u16string upperAscii(std::u16string_view text) {
    std::u16string out(text);
    for (char16_t& c : out)
        if (isLowerAscii(c))
            c = static_cast<char16_t>(c - u'a' + u'A');
    return out;
}

// Over capacity: cut, and the user is told why.
FieldEdit cutWithMessage(std::u16string_view text, std::size_t capacity, const char* message) {
    return FieldEdit{cutToLength(text, capacity), -1, message};
}

} // namespace

FieldEdit checkUserName(std::u16string_view text) {
    return removeFirstOf(text, kSeparatorCharacters);
}

FieldEdit checkCallSign(std::u16string_view text) {
    if (text.size() > kCallSignCapacity)
        return cutWithMessage(text, kCallSignCapacity, kCallSignTooLong);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isLowerAscii(text[i]))
            return FieldEdit{upperAscii(text), static_cast<int>(i + 1), {}};
        if (kSeparatorCharacters.find(text[i]) != std::u16string_view::npos)
            return FieldEdit{removeCharacterAt(text, i), static_cast<int>(i), {}};
    }
    return unchanged(text);
}

FieldEdit checkPassword(std::u16string_view text) {
    if (text.size() > kPasswordCapacity)
        return cutWithMessage(text, kPasswordCapacity, kPasswordTooLong);
    return removeFirstOf(text, kSeparatorCharacters);
}

std::optional<int> clampedChallenge(bool challenge, std::size_t passwordLength, long digits) {
    if (challenge && static_cast<long>(passwordLength) < digits)
        return static_cast<int>(passwordLength);
    return std::nullopt;
}

FieldEdit checkChallengeField(std::u16string_view text, bool challenge,
                              std::size_t passwordLength) {
    if (const auto clamp = clampedChallenge(challenge, passwordLength, numberIn(text))) {
        const std::string digits = std::to_string(*clamp);
        return FieldEdit{std::u16string(digits.begin(), digits.end()), -1, kChallengeTooLong};
    }
    if (const auto bad = firstNonDigitAt(text))
        return FieldEdit{removeCharacterAt(text, *bad), static_cast<int>(*bad), {}};
    return unchanged(text);
}

FieldEdit checkUserDescription(std::u16string_view text) {
    if (text.size() > kUserDescriptionCapacity)
        return cutWithMessage(text, kUserDescriptionCapacity, kUserDescriptionTooLong);
    return removeFirstOf(text, kSeparatorCharacters);
}

std::string userListLine(const std::string& listName, const std::string& name) {
    return name.empty() ? listName : listName + " - " + name;
}

} // namespace merix
