#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace merix {

// wordlist.cfg, cw.cfg and access.cfg: a title, a count, then "name,code" lines.
struct LookupEntry {
    std::string name;
    std::string code;
};
using LookupList = std::vector<LookupEntry>;

// nullopt when the file cannot be opened. Lines are cut to maxLine characters. The list
// holds at most as many entries as the count says and never more than there are lines,
// so a count beyond the file costs nothing.
std::optional<LookupList> readLookupList(const std::string& path, std::size_t maxLine);

// One entry line: the name before the first comma (commas at the start skipped), the code
// all the rest of the line after that comma.
LookupEntry cutLookupLine(std::string_view line);

} // namespace merix
