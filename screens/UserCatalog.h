#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace merix {

// What the Users screen shows of each user beside its stored values: the list name (the
// label of its users.cfg line), read again each time the screen opens.
struct UserCatalog {
    std::vector<std::string> listNames; // one per user of the document
    std::string notice;                 // see CatalogRows
};

UserCatalog readUserCatalog(const std::string& path, std::size_t userCount);

} // namespace merix
