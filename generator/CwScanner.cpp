#include "generator/CwScanner.h"

#include <array>

namespace merix {

std::vector<std::string_view> cwTokens(std::string_view text)
{
    // In the order they are tried; the match is case-sensitive and a prefix is enough,
    // so " ARM" gives " AR" and then "M".
    static constexpr std::array<std::string_view, 6> named = {
        " SPACE", " PAUSE", " AR", " INTERNAL_DVR_1", " INTERNAL_DVR_2", " INTERNAL_DVR_3",
    };
    std::vector<std::string_view> tokens;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] != ' ') {
            tokens.push_back(text.substr(i, 1));
            ++i;
            continue;
        }
        const std::string_view rest = text.substr(i);
        std::size_t taken = 1;
        for (std::string_view name : named) {
            if (rest.substr(0, name.size()) == name) {
                tokens.push_back(name);
                taken = name.size();
                break;
            }
        }
        i += taken;
    }
    return tokens;
}

} // namespace merix
