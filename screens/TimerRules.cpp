#include "screens/TimerRules.h"

#include "document/LeadingInteger.h"

namespace merix {

namespace {
constexpr std::size_t kFieldCapacity = 14;
}

long long readLengthField(std::string_view text) {
    return leadingInteger(text.substr(0, kFieldCapacity));
}

bool isAcceptableLength(long long value, long long maximum) {
    return value >= 0 && value <= maximum;
}

std::optional<std::size_t> firstNonDigit(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return i;
    }
    return std::nullopt;
}

std::string lengthOutOfRangeMessage(long long entered, unsigned stored) {
    return "The entered length " + std::to_string(entered) +
           " is not in the acceptable range.  Setting length to the last entry of " +
           std::to_string(stored) + ".";
}

std::string lengthResetMessage(bool withFullStop) {
    std::string text =
        "The entered length is not in the acceptable range.  Setting to default value";
    if (withFullStop)
        text += '.';
    return text;
}

} // namespace merix
