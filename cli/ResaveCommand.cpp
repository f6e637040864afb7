#include "cli/Args.h"
#include "cli/CatalogFolder.h"
#include "cli/CliPrompter.h"
#include "cli/Commands.h"
#include "document/CatalogLoader.h"
#include "document/ConfigDocument.h"
#include "document/DocumentFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace merix::cli {

namespace {

// Why the document cannot be opened, or nothing when it can be read and is one.
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

// Opens a document as the editor does and writes it back in the current format.
int runResave(int argc, char** argv)
{
    const Args args(argc, argv, 2);
    if (!args.ok({"catalogs", "out"}) || args.positional().size() != 1)
        return usage("resave DOC [--catalogs DIR] [--out FILE]");
    const std::string path = args.positional()[0];
    const std::string out = args.value("out").value_or(path);

    if (auto problem = openProblem(path))
        return fail(*problem);
    ConfigDocument doc;
    if (auto problem = useCatalogFolder(doc, args))
        return fail(*problem);
    CliPrompter prompter;
    if (!loadCatalogs(doc, prompter))
        return kExitFailure;
    doc.setDocumentPath(path);
    doc.setDocumentOpen(true);
    if (!readDocumentFile(doc, path))
        return fail("Unable to read " + path + ".");

    if (std::string error = writeDocumentFile(doc, out); !error.empty())
        return fail(error);
    return kExitOk;
}

} // namespace merix::cli
