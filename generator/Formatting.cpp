#include "generator/Formatting.h"


namespace merix {

namespace {

std::string zeros(long value)
{
    std::string z;
    if (value < 100)
        z += '0';
    if (value < 10)
        z += '0';
    return z;
}

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

} // namespace

std::string commandNumberText(int number, bool withPrefix)
{
    std::string digits = std::to_string(number);
    if (digits.size() < 3)
        digits.insert(0, 3 - digits.size(), '0');
    return withPrefix ? "N" + digits : digits;
}

std::string padByValue(std::string_view text)
{
    std::string out = zeros(leadingInteger(text));
    out += text;
    return out;
}

std::string padByValue(long value)
{
    std::string out = zeros(value);
    out += std::to_string(value);
    return out;
}

std::string padByLength(std::string_view text)
{
    std::string out;
    if (text.size() < 2)
        out += '0';
    if (text.size() < 3)
        out += '0';
    out += text;
    return out;
}

std::string twoDigitPad(int value)
{
    std::string out = std::to_string(value);
    if (value < 10)
        out.insert(out.begin(), '0');
    return out;
}

std::string fourDigitField(int value, int maximum)
{
    if (value < 1 || value > maximum)
        return "0000";
    std::string digits = std::to_string(value);
    if (digits.size() < 4)
        digits.insert(0, 4 - digits.size(), '0');
    return digits;
}

std::string onOffPhrase(std::string_view name, int value)
{
    std::string out = "(";
    out += name;
    out += value != 0 ? " - on)" : " - off)";
    return out;
}

std::string asciiLower(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = lowerAscii(c);
    return out;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lowerAscii(a[i]) != lowerAscii(b[i]))
            return false;
    return true;
}

} // namespace merix
