#pragma once

#include <string>
#include <vector>

namespace merix {

// The access modes the Misc Setup screen offers, read from access.cfg each time it opens.
struct AccessModeChoices {
    std::vector<std::string> names; // in file order, each as a port can keep it
    std::string notice;             // empty, or why the list is empty
};

AccessModeChoices readAccessModeChoices(const std::string& path);

} // namespace merix
