#include "cli/CatalogFolder.h"

#include "document/ConfigDocument.h"

namespace merix::cli {

std::optional<std::string> useCatalogFolder(ConfigDocument& doc, const Args& args)
{
    const std::string dir = args.value("catalogs").value_or(".");
    doc.setStartupDirectory(dir);
    return std::nullopt;
}

} // namespace merix::cli
