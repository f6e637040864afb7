#include "cli/OpenDocument.h"

#include "document/CatalogLoader.h"
#include "document/ConfigDocument.h"
#include "document/DocumentFile.h"
#include "document/Prompter.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace merix::cli {

namespace {

// Why the file cannot be taken as a document, or nothing when it can.
std::optional<std::string> openProblem(const std::string& path)
{
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return "Unable to open " + path + ": " + std::strerror(errno) + ".";
    std::fclose(f);
    if (!isDocumentFile(path)) {
        std::error_code ec;
        const auto full = std::filesystem::absolute(path, ec);
        return "Cannot load " + (ec ? path : full.string()) + " - This file is not an MERIX file.";
    }
    return std::nullopt;
}

} // namespace

bool openDocument(ConfigDocument& doc, const std::string& path, Prompter& prompter)
{
    if (auto problem = openProblem(path)) {
        prompter.inform(*problem);
        return false;
    }
    if (!loadCatalogs(doc, prompter))
        return false;
    doc.setDocumentPath(path);
    doc.setDocumentOpen(true);
    if (!readDocumentFile(doc, path)) {
        prompter.inform("Unable to read " + path + ".");
        return false;
    }
    return true;
}

} // namespace merix::cli
