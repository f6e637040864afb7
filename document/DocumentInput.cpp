#include "document/DocumentInput.h"

namespace merix {

std::optional<std::string_view> DocumentInput::entryLine() {
    while (auto line = rawLine()) {
        *line = line->substr(0, line->find(';'));
        if (!line->empty())
            return line;
    }
    return std::nullopt;
}

bool DocumentInput::nextSection() {
    while (auto line = rawLine()) {
        if (line->starts_with('['))
            return true;
        if (line->starts_with('E'))
            return false;
    }
    return false;
}

} // namespace merix
