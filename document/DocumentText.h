#pragma once

#include <string>
#include <string_view>

namespace merix {

// The blank rule of the document file: an empty text is written as one blank, and a
// field of exactly one blank reads back as empty.
inline std::string_view blankRule(std::string_view text) { return text.empty() ? " " : text; }
inline std::string_view unblank(std::string_view field) { return field == " " ? std::string_view() : field; }

// A macro parameter as the file keeps it: everything from its first ':' on is dropped.
inline std::string_view parameterText(std::string_view parameters)
{
    return parameters.substr(0, parameters.find(':'));
}

} // namespace merix
