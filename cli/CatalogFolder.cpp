#include "cli/CatalogFolder.h"

#include "document/ConfigDocument.h"

namespace merix::cli {

std::optional<std::string> useCatalogFolder(ConfigDocument& doc, const Args& args)
{
    const std::string dir = args.value("catalogs").value_or(".");
    // The startup directory holds at most 99 characters; a longer one would be cut and
    // every catalog reported missing, so say what is really wrong.
    constexpr std::size_t limit = 99;
    if (dir.size() > limit)
        return "The catalog folder " + dir + " is longer than " + std::to_string(limit) +
               " characters.  Start from a folder nearer to it and name it relative to there.";
    doc.setStartupDirectory(dir);
    return std::nullopt;
}

} // namespace merix::cli
