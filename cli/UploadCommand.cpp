#include "cli/Args.h"
#include "cli/CatalogFolder.h"
#include "cli/Commands.h"
#include "cli/LinkConsole.h"
#include "cli/OpenDocument.h"
#include "cli/UploadRun.h"

#include "document/ConfigDocument.h"
#include "document/DocumentFile.h"
#include "generator/CommandFileGenerator.h"
#include "link/UploadSettings.h"

namespace merix::cli {

namespace {

const char* const kUploadUsage =
    "upload DOC [--catalogs DIR] [--device PATH|URL] [--option last|init|all]";

} // namespace

// The editor's whole upload: settings, side files, command file, upload, reference copy.
int runUpload(int argc, char** argv) {
    const Args args(argc, argv, 2);
    const auto optionWord = args.value("option");
    const auto option = optionWord ? uploadOptionNamed(*optionWord) : std::nullopt;
    if (!args.ok({"catalogs", "device", "option"}) || args.positional().size() != 1 ||
        (optionWord && !option))
        return usage(kUploadUsage);
    const std::string path = args.positional()[0];

    ConfigDocument doc;
    if (auto problem = useCatalogFolder(doc, args))
        return fail(*problem);
    LinkConsolePrompter prompter;
    if (!openDocument(doc, path, prompter))
        return kExitFailure;

    UploadRun run;
    loadUploadSettings(run.settings, path, doc.startupDirectory());
    if (option)
        run.settings.uploadOption = *option;
    ensureSideFiles(doc.startupDirectory());
    // The generator compares the file on disk, so it must hold what is in memory.
    if (std::string error = writeDocumentFile(doc, path); !error.empty())
        return fail(error);
    const CommandFileResult generated =
        generateCommandFile(doc, run.settings.uploadOption, prompter);
    if (!generated.produced())
        return fail("Error in generating the command file.");

    if (const auto device = args.value("device");
        device && run.settings.comPort >= 0 && run.settings.comPort < PortMap::kPortCount)
        run.ports.setDevice(run.settings.comPort, *device);
    run.plan = commandFilesPlan(run.settings, generated.path, path);
    const int status = connectUploadDisconnect(run);
    // Anything reported on the way (a generator warning too) makes the run a failure.
    return status == kExitOk && prompter.reports() != 0 ? kExitFailure : status;
}

} // namespace merix::cli
