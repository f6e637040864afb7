#include "cli/Args.h"
#include "cli/CatalogFolder.h"
#include "cli/CliPrompter.h"
#include "cli/Commands.h"
#include "cli/OpenDocument.h"
#include "document/ConfigDocument.h"
#include "document/DocumentFile.h"

namespace merix::cli {

// Opens a document as the editor does and writes it back in the current format.
int runResave(int argc, char** argv)
{
    const Args args(argc, argv, 2);
    if (!args.ok({"catalogs", "out"}) || args.positional().size() != 1)
        return usage("resave DOC [--catalogs DIR] [--out FILE]");
    const std::string path = args.positional()[0];
    const std::string out = args.value("out").value_or(path);

    ConfigDocument doc;
    if (auto problem = useCatalogFolder(doc, args))
        return fail(*problem);
    CliPrompter prompter;
    if (!openDocument(doc, path, prompter))
        return kExitFailure;

    if (std::string error = writeDocumentFile(doc, out); !error.empty())
        return fail(error);
    return kExitOk;
}

} // namespace merix::cli
