#pragma once

#include <cstddef>
#include <string>

namespace merix {

// The "Controller Output" list: every line the link shows goes through here.
class ControllerOutput {
public:
    virtual ~ControllerOutput() = default;
    // Appends a line, selects it and repaints. A full list is cleared and then takes the
    // line; false tells the caller that happened.
    virtual bool addLine(const std::string& text) = 0;
    // Puts text in place of the last line, with the same rule for a full list.
    virtual void replaceLastLine(const std::string& text) = 0;
    virtual void clear() = 0;
    virtual std::size_t lineCount() const = 0;
    virtual std::string lastLine() const = 0;
};

} // namespace merix
