#include "cli/Args.h"
#include "cli/CatalogFolder.h"
#include "cli/CliPrompter.h"
#include "cli/Commands.h"
#include "document/CatalogLoader.h"
#include "document/ConfigDocument.h"
#include "document/DocumentFile.h"
#include "document/SideFiles.h"

namespace merix::cli {

// A document of the catalog defaults, with its reference and initialization copies.
int runNew(int argc, char** argv)
{
    const Args args(argc, argv, 2);
    if (!args.ok({"catalogs"}) || args.positional().size() != 1)
        return usage("new DOC [--catalogs DIR]");
    const std::string path = args.positional()[0];

    ConfigDocument doc;
    if (auto problem = useCatalogFolder(doc, args))
        return fail(*problem);
    CliPrompter prompter;
    if (!loadCatalogs(doc, prompter))
        return kExitFailure;
    doc.setDocumentPath(path);
    doc.setDocumentOpen(true);
    doc.setAllRefreshFlags();

    for (const std::string& target : {path, referenceCopyPath(path), initCopyPath(path)})
        if (std::string error = writeDocumentFile(doc, target); !error.empty())
            return fail(error);
    return kExitOk;
}

} // namespace merix::cli
