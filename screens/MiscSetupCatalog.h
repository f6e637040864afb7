#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace merix {

// The access modes the Misc Setup screen offers, read from access.cfg each time it opens.
struct AccessModeChoices {
    std::vector<std::string> names; // in file order, whole
    std::string notice;             // empty, or why the list is empty
};

AccessModeChoices readAccessModeChoices(const std::string& path);

// What a port keeps of a chosen mode's name: as much as its field holds, whole characters.
std::string keptAccessMode(std::string_view name);

// The mode a port's kept name stands for: the name itself, else the first name whose kept part
// it is (or whose first bytes, as a document read from a file holds them); -1 for none.
int accessModeIndex(const std::vector<std::string>& names, std::string_view kept);

} // namespace merix
