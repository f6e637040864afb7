#include "screens/AutopatchRules.h"

#include <algorithm>

namespace merix {

namespace {

constexpr std::u16string_view kAutodialCharacters = u"*#ABCD1234567890-() abcd";
constexpr std::u16string_view kDownCodeRemoved = u" :;";

bool isSeparator(char16_t c) {
    return c == u'-' || c == u'(' || c == u')' || c == u' ';
}

bool isLowerDtmfLetter(char16_t c) {
    return c >= u'a' && c <= u'd';
}

std::u16string upperDtmfLetters(std::u16string_view text) {
    std::u16string out(text);
    for (char16_t& c : out)
        if (isLowerDtmfLetter(c))
            c = static_cast<char16_t>(c - u'a' + u'A');
    return out;
}

std::u16string withoutLastCharacter(std::u16string_view text) {
    std::size_t last = text.size() - 1;
    if (last > 0 && characterLengthAt(text, last - 1) == 2)
        --last;
    return std::u16string(text.substr(0, last));
}

} // namespace

std::string invalidAutodialCharacterMessage(std::string_view character) {
    return std::string(character) +
           " is an invalid character.  The Autodial Number must consist only of the following "
           "characters. *#ABCD1234567890-( ) ";
}

FieldEdit checkAutodialNumber(std::u16string_view text) {
    const auto counted =
        std::count_if(text.begin(), text.end(), [](char16_t c) { return !isSeparator(c); });
    if (static_cast<std::size_t>(counted) > kAutodialDigits)
        return FieldEdit{withoutLastCharacter(text), -1, kAutodialTooLong};
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (kAutodialCharacters.find(text[i]) == std::u16string_view::npos) {
            const std::size_t length = characterLengthAt(text, i);
            FieldEdit edit{removeCharacterAt(text, i), 0,
                           invalidAutodialCharacterMessage(toUtf8(text.substr(i, length)))};
            // One past the removed character, as the phone number field does; never beyond.
            edit.caret = static_cast<int>(std::min(i + 1, edit.text.size()));
            return edit;
        }
        if (isLowerDtmfLetter(text[i]))
            return FieldEdit{upperDtmfLetters(text), static_cast<int>(i + 1), {}};
    }
    return unchanged(text);
}

FieldEdit checkDownCode(std::u16string_view text) {
    if (text.size() > kDownCodeCapacity)
        return FieldEdit{cutToLength(text, kDownCodeCapacity), -1, kDownCodeTooLong};
    return removeFirstOf(text, kDownCodeRemoved);
}

const std::vector<std::string>& readbackTypes() {
    static const std::vector<std::string> types{
        "no readback/always dial", "always readback/always dial", "polite readback/always dial",
        "polite readback/dial only if kerchunked", "polite readback/dial only if not kerchunked"};
    return types;
}

const std::vector<std::string>& privacyTypes() {
    static const std::vector<std::string> types{"none", "mute", "cover tone"};
    return types;
}

const std::vector<std::string>& pagerTypes() {
    static const std::vector<std::string> types{"DTMF", "2-tone", "5/6 tone", "voice", "none"};
    return types;
}

} // namespace merix
