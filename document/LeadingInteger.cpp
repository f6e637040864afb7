#include "document/LeadingInteger.h"

#include <climits>
#include <cstddef>

namespace merix {

long leadingInteger(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        // Saturate: a number read from a file must not overflow.
        if (value > (LONG_MAX - 9) / 10) {
            value = LONG_MAX;
            while (i < text.size() && text[i] >= '0' && text[i] <= '9')
                ++i;
            break;
        }
        value = value * 10 + (text[i] - '0');
    }
    return negative ? -value : value;
}

} // namespace merix
