#pragma once

#include <optional>
#include <string>
#include <vector>

namespace merix {

// wordlist.cfg, cw.cfg and access.cfg: a title, a count, then "name,code" lines.
struct LookupEntry {
    std::string name;
    std::string code;
};
using LookupList = std::vector<LookupEntry>;

// nullopt when the file cannot be opened. Lines are cut to maxLine characters.
std::optional<LookupList> readLookupList(const std::string& path, std::size_t maxLine);

} // namespace merix
