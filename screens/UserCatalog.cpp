#include "screens/UserCatalog.h"

#include "screens/CatalogRows.h"

namespace merix {

UserCatalog readUserCatalog(const std::string& path, std::size_t userCount) {
    CatalogRows catalog = readCatalogRows(path, "users.cfg", usersLayout(), userCount);
    UserCatalog result;
    result.notice = std::move(catalog.notice);
    result.listNames.reserve(catalog.rows.size());
    for (std::vector<std::string>& f : catalog.rows)
        result.listNames.push_back(std::move(f[UserFields::Label]));
    return result;
}

} // namespace merix
