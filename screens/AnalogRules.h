#pragma once

#include "screens/TypedText.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace merix {

struct Resolution;

// The rules of the Analog Inputs screen's fields, apart from the widgets.

// The controller takes each end of a range as a sign and four digits.
inline constexpr long kRangeLimit = 9999;
inline constexpr int kMaxDecimals = 3;
inline constexpr std::size_t kDescriptionLength = 1500;

enum class RangeEnd { Minimum, Maximum };

// Whether a range end still fits four digits once shown with `decimals` decimals.
bool fitsWithDecimals(long value, int decimals);

// Choosing a number of decimals for the stored range.
enum class DecimalsChoice { Fits, MinimumTooLarge, MaximumTooLarge };
DecimalsChoice checkDecimals(int decimals, long low, long high);

// What a range field's rule makes of the text typed so far.
struct RangeCheck {
    enum class Outcome {
        Accepted,   // store `value`
        OutOfRange, // tell the user about `value`, put the stored value back
        Fixed,      // put back `text` with the caret at `caret`
    };
    Outcome outcome = Outcome::Accepted;
    long value = 0;
    std::u16string text;
    std::size_t caret = 0;
};
// The field read as a number (its first 19 characters: blanks, a sign, digits up to the first
// other character) must lie within -9999..9999; then the first character that is neither a
// digit nor a leading '-' is removed.
RangeCheck checkRangeField(std::u16string_view typed);

// What the description field's rule makes of the text typed so far.
struct DescriptionCheck {
    enum class Outcome {
        Accepted, // store the text as it stands
        TooLong,  // tell the user, put back the first 1500 characters
        Fixed,    // put back `text`: a character the document cannot keep removed at `caret`
    };
    Outcome outcome = Outcome::Accepted;
    std::u16string text;
    std::size_t caret = 0;
};
DescriptionCheck checkDescription(std::u16string_view typed);

// The resolution an input shows: the one named by its stored resolution, or "Other" when that
// is empty; names compared without regard to case.
std::optional<std::size_t> resolutionShown(const std::vector<Resolution>& resolutions,
                                           std::string_view stored);

std::string decimalsTooLargeMessage(RangeEnd end, int decimals, long value);
std::string rangeOutOfRangeMessage(RangeEnd end, long value);
std::string decimalsResetMessage(RangeEnd end, int decimals, long value);
inline constexpr std::string_view kDescriptionTooLongMessage =
    "The description edit is limited to 1500 characters.";

} // namespace merix
