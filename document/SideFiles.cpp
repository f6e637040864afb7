#include "document/SideFiles.h"

namespace merix {

std::string sideFilePath(std::string_view documentPath, std::string_view extension)
{
    // A '.' in a folder name is not the start of an extension.
    const auto slash = documentPath.find_last_of('/');
    const auto dot = documentPath.find_last_of('.');
    std::string path(documentPath);
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) {
        path += '.';
    } else {
        path.resize(dot + 1);
    }
    path += extension;
    return path;
}

} // namespace merix
