#include "app/UploadCommand.h"

#include "app/Navigation.h"
#include "document/DocumentLifecycle.h"
#include "document/Prompter.h"
#include "generator/CommandFileGenerator.h"
#include "link/UploadSettings.h"

namespace merix {

void runUploadCommand(CVeskDoc& doc, Prompter& prompter, BusyIndicator* busy) {
    const ConfigDocument& config = doc.document();
    if (const auto refusal = refusalToUpload(config)) {
        prompter.inform(*refusal);
        return;
    }
    UploadSettings settings;
    loadUploadSettings(settings, config.documentPath(), config.startupDirectory());
    ensureSideFiles(config.startupDirectory());
    // The file on disk must be what is compared and uploaded; a failed write was reported.
    if (!doc.save())
        return;
    const CommandFileResult result =
        generateCommandFile(config, settings.uploadOption, prompter, busy);
    if (!result.produced()) {
        prompter.inform("Error in generating the command file.");
        return;
    }
    prompter.inform("The command file " + result.path +
                    " is ready.  Sending it to the controller comes with the Terminal Window in a "
                    "later version of the editor.");
}

} // namespace merix
