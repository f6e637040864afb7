#include "screens/MiscSetupRules.h"

#include "screens/TypedText.h"
#include "document/Utf8Text.h"

namespace merix {

namespace {

constexpr std::size_t kFieldCapacity = 9;

// The characters that break a document line are ASCII, so they never stand inside a character
// of several bytes and can be looked for byte by byte.
std::optional<std::size_t> firstLineBreakingByte(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (breaksDocumentLine(static_cast<unsigned char>(text[i])))
            return i;
    }
    return std::nullopt;
}

PortTextVerdict judge(std::string_view text, std::size_t longest, std::string_view message,
                      bool caretAtStart) {
    text = text.substr(0, characterBoundary(text, kFieldCapacity));
    PortTextVerdict verdict;
    if (const auto bad = firstLineBreakingByte(text)) {
        verdict.action = PortTextVerdict::Action::RemoveCharacter;
        verdict.text = std::string(text.substr(0, *bad)) + std::string(text.substr(*bad + 1));
        verdict.position = *bad;
        return verdict;
    }
    if (text.size() > longest) { // the store counts bytes, and keeps whole characters
        verdict.action = PortTextVerdict::Action::Cut;
        verdict.text = std::string(text.substr(0, characterBoundary(text, longest)));
        verdict.position = caretAtStart ? 0 : verdict.text.size();
        verdict.message = std::string(message);
        return verdict;
    }
    verdict.text = std::string(text);
    return verdict;
}

} // namespace

PortTextVerdict judgeAccessCode(std::string_view text) {
    return judge(text, 6, "Invalid entry!  The access code must be six digits or less.", false);
}

PortTextVerdict judgeExecuterDigit(std::string_view text) {
    return judge(text, 1, {}, true);
}

} // namespace merix
