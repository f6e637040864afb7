#include "cli/Args.h"
#include "cli/CatalogFolder.h"
#include "cli/Commands.h"
#include "cli/OpenDocument.h"
#include "cli/LinkConsole.h"

#include "document/CatalogLoader.h"
#include "document/ConfigDocument.h"
#include "document/DocumentFile.h"
#include "document/SideFiles.h"
#include "generator/CommandFileGenerator.h"
#include "link/Clock.h"
#include "link/ControllerLink.h"
#include "link/TermiosSerialPort.h"
#include "link/UploadSettings.h"

#include <filesystem>
#include <optional>

namespace merix::cli {

namespace {

const char* const kUploadUsage =
    "upload DOC [--catalogs DIR] [--device PATH] [--option last|init|all]";

enum class Outcome { NotConnected, UploadFailed, Uploaded };

// Connect, upload, disconnect, as the Terminal Window's Connect/Upload/Disconnect.
Outcome connectUploadDisconnect(const UploadSettings& settings, const PortMap& ports,
                             const std::string& commandFile, LinkConsolePrompter& prompter)
{
    TermiosSerialPort port;
    SteadyClock clock;
    LinkConsoleOutput output;
    ControllerLink link(port, clock, output, prompter);
    link.setPortMap(ports);
    const int reportsBefore = prompter.reports();
    if (!link.connect(settings)) {
        output.finish();
        reportConnectFailure(output, prompter, reportsBefore);
        return Outcome::NotConnected;
    }
    link.uploadCommandFiles(settings, commandFile);
    // A failed upload has disconnected already.
    const bool uploaded = link.isConnected();
    link.disconnect(settings.connectionType);
    return uploaded ? Outcome::Uploaded : Outcome::UploadFailed;
}

} // namespace

// The editor's whole upload: settings, side files, command file, upload, reference copy.
int runUpload(int argc, char** argv)
{
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

    UploadSettings settings;
    loadUploadSettings(settings, path, doc.startupDirectory());
    if (option)
        settings.uploadOption = *option;
    ensureSideFiles(doc.startupDirectory());
    // The generator compares the file on disk, so it must hold what is in memory.
    if (std::string error = writeDocumentFile(doc, path); !error.empty())
        return fail(error);
    const CommandFileResult generated = generateCommandFile(doc, settings.uploadOption, prompter);
    if (!generated.produced())
        return fail("Error in generating the command file.");

    PortMap ports;
    if (const auto device = args.value("device");
        device && settings.comPort >= 0 && settings.comPort < PortMap::kPortCount)
        ports.setDevice(settings.comPort, *device);
    const Outcome outcome = connectUploadDisconnect(settings, ports, generated.path, prompter);
    // No connection, no upload and no reference copy; after an upload, failed or not, the
    // copy records what was sent.
    if (outcome == Outcome::NotConnected)
        return kExitFailure;
    if (std::string error = writeDocumentFile(doc, referenceCopyPath(path)); !error.empty())
        return fail(error);
    // Anything reported on the way (a generator warning too) makes the run a failure.
    return outcome == Outcome::Uploaded && prompter.reports() == 0 ? kExitOk : kExitFailure;
}

} // namespace merix::cli
