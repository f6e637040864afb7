#include "screens/StorableText.h"

namespace merix {

std::optional<std::size_t> firstUnstorable(std::string_view text) {
    const std::size_t at = text.find_first_of(":;");
    if (at == std::string_view::npos)
        return std::nullopt;
    return at;
}

} // namespace merix
