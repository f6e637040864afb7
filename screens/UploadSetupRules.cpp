#include "screens/UploadSetupRules.h"

#include "link/Endpoint.h"
#include "link/PortMap.h"

#include <algorithm>

namespace merix {

namespace {

constexpr std::ptrdiff_t kMaxDigits = 11;

bool isSeparator(char16_t c) {
    return c == u'-' || c == u'(' || c == u')' || c == u' ';
}

bool isAllowed(char16_t c) {
    return (c >= u'0' && c <= u'9') || isSeparator(c);
}

bool isHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool isLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// A character outside the basic plane is two code units; both go together.
std::size_t characterLength(std::u16string_view text, std::size_t at) {
    return isHighSurrogate(text[at]) && at + 1 < text.size() && isLowSurrogate(text[at + 1]) ? 2
                                                                                             : 1;
}

std::size_t lastCharacterLength(std::u16string_view text) {
    const std::size_t n = text.size();
    return n >= 2 && isLowSurrogate(text[n - 1]) && isHighSurrogate(text[n - 2]) ? 2 : 1;
}

} // namespace

std::u16string PhoneNumberCheck::message() const {
    switch (verdict) {
    case Verdict::TooManyDigits:
        return u"The Phone Number must be eleven digits or less.";
    case Verdict::InvalidCharacter:
        return invalid + u" is an invalid character.  The Phone Number must consist only of the "
                         u"following characters. 1234567890-( ) ";
    case Verdict::Accepted:
        break;
    }
    return {};
}

PhoneNumberCheck checkPhoneNumber(std::u16string_view text) {
    PhoneNumberCheck check;
    const auto counted =
        std::count_if(text.begin(), text.end(), [](char16_t c) { return !isSeparator(c); });
    if (counted > kMaxDigits) {
        check.verdict = PhoneNumberCheck::Verdict::TooManyDigits;
        check.corrected = text.substr(0, text.size() - lastCharacterLength(text));
        return check;
    }
    const auto bad =
        std::find_if(text.begin(), text.end(), [](char16_t c) { return !isAllowed(c); });
    if (bad == text.end()) {
        check.corrected = text;
        return check;
    }
    const std::size_t at = static_cast<std::size_t>(bad - text.begin());
    const std::size_t length = characterLength(text, at);
    check.verdict = PhoneNumberCheck::Verdict::InvalidCharacter;
    check.invalid = text.substr(at, length);
    check.corrected = std::u16string(text.substr(0, at)) + std::u16string(text.substr(at + length));
    // One past the removed character, as the field always did; never beyond the text.
    check.caret = static_cast<int>(std::min(at + 1, check.corrected.size()));
    return check;
}

EndpointProblem checkPortEndpoints(const PortMap& ports) {
    for (int i = 0; i < PortMap::kPortCount; ++i) {
        if (ports.device(i).empty())
            continue;
        const ParsedEndpoint parsed = parseEndpoint(ports.device(i));
        if (!parsed.endpoint)
            return {i, "Port " + std::to_string(i + 1) + ": " + parsed.error};
    }
    return {};
}

} // namespace merix
