#include "screens/TimerRules.h"

#include <limits>

namespace merix {

namespace {
constexpr std::size_t kFieldCapacity = 14;
}

long long readLengthField(std::string_view text) {
    text = text.substr(0, kFieldCapacity);
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    long long value = 0;
    // Fourteen characters cannot overflow, but keep the reader safe on its own.
    constexpr long long limit = std::numeric_limits<long long>::max() / 10 - 9;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = value < limit ? value * 10 + (text[i] - '0') : value;
    return negative ? -value : value;
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
