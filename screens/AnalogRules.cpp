#include "screens/AnalogRules.h"

#include "document/LeadingInteger.h"
#include "screens/ResolutionCatalog.h"

#include <cstdlib>

namespace merix {

namespace {

// The range fields are read up to this many characters.
constexpr std::size_t kRangeFieldLength = 19;

long scaled(long value, int decimals) {
    long v = std::labs(value);
    for (int i = 0; i < decimals && v <= kRangeLimit; ++i)
        v *= 10;
    return v;
}

const char* endName(RangeEnd end) {
    return end == RangeEnd::Minimum ? "minimum" : "maximum";
}

// Anything but ASCII reads as the end of the number, as any other non-digit does.
long readRangeField(std::u16string_view typed) {
    std::string text;
    for (char16_t c : typed.substr(0, kRangeFieldLength))
        text += c < 0x80 ? static_cast<char>(c) : '?';
    return leadingInteger(text);
}

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lowerAscii(a[i]) != lowerAscii(b[i]))
            return false;
    return true;
}

} // namespace

bool fitsWithDecimals(long value, int decimals) {
    return scaled(value, decimals) <= kRangeLimit;
}

DecimalsChoice checkDecimals(int decimals, long low, long high) {
    if (!fitsWithDecimals(low, decimals))
        return DecimalsChoice::MinimumTooLarge;
    if (!fitsWithDecimals(high, decimals))
        return DecimalsChoice::MaximumTooLarge;
    return DecimalsChoice::Fits;
}

RangeCheck checkRangeField(std::u16string_view typed) {
    using O = RangeCheck::Outcome;
    const long value = readRangeField(typed);
    if (std::labs(value) > kRangeLimit)
        return RangeCheck{O::OutOfRange, value, {}, 0};
    for (std::size_t i = 0; i < typed.size(); ++i) {
        const char16_t c = typed[i];
        if ((c >= u'0' && c <= u'9') || (c == u'-' && i == 0))
            continue;
        std::u16string text(typed);
        text.erase(i, 1);
        return RangeCheck{O::Fixed, readRangeField(text), std::move(text), i};
    }
    return RangeCheck{O::Accepted, value, {}, 0};
}

DescriptionCheck checkDescription(std::u16string_view typed) {
    using O = DescriptionCheck::Outcome;
    if (typed.size() > kDescriptionLength)
        return DescriptionCheck{O::TooLong, std::u16string(typed.substr(0, kDescriptionLength)),
                                kDescriptionLength};
    if (auto fix = withoutFirstLineBreaker(typed))
        return DescriptionCheck{O::Fixed, std::move(fix->text), fix->caret};
    return DescriptionCheck{O::Accepted, std::u16string(typed), 0};
}

std::optional<std::size_t> resolutionShown(const std::vector<Resolution>& resolutions,
                                           std::string_view stored) {
    const std::string_view name = stored.empty() ? std::string_view("Other") : stored;
    for (std::size_t i = 0; i < resolutions.size(); ++i)
        if (sameIgnoringCase(resolutions[i].name, name))
            return i;
    return std::nullopt;
}

std::string decimalsTooLargeMessage(RangeEnd end, int decimals, long value) {
    return "The entered number of decimals " + std::to_string(decimals) + " is too large for the " +
           endName(end) + " " + std::to_string(value) + " to fit in the range (-9999 to 9999).";
}

std::string rangeOutOfRangeMessage(RangeEnd end, long value) {
    return std::string("The entered number for the ") + endName(end) + " " + std::to_string(value) +
           " does not fall into the specified range (-9999 to 9999).";
}

std::string decimalsResetMessage(RangeEnd end, int decimals, long value) {
    return "The entered number of decimals " + std::to_string(decimals) +
           " is too large for the entered " + endName(end) + " " + std::to_string(value) +
           " to fit in the range (-9999 to 9999).  Setting number of decimals to 0.";
}

} // namespace merix
