#include "screens/DigitFieldRules.h"

#include "document/CatalogFields.h"
#include "screens/TimerRules.h"

namespace merix {

namespace {
constexpr std::size_t kFieldCapacity = 9;
}

DigitVerdict judgeDigitField(std::string_view text, const DigitLimit& limit) {
    text = text.substr(0, kFieldCapacity);
    DigitVerdict verdict;
    if (const auto bad = firstNonDigit(text)) {
        verdict.action = DigitVerdict::Action::RemoveCharacter;
        verdict.position = *bad;
        return verdict;
    }
    // Nine digits at most, so the value fits.
    const int value = readInt(text);
    if (text.size() > limit.maxDigits || value > limit.maxValue) {
        verdict.action = DigitVerdict::Action::Refuse;
        verdict.message = std::string(limit.message);
        return verdict;
    }
    verdict.value = value;
    return verdict;
}

} // namespace merix
