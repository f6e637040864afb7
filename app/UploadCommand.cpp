#include "app/UploadCommand.h"

#include "app/Navigation.h"
#include "document/DocumentLifecycle.h"
#include "document/Prompter.h"
#include "generator/CommandFileGenerator.h"
#include "link/UploadSettings.h"
#include "screens/PortMapSettings.h"
#include "screens/TerminalWindow.h"
#include "screens/TextEditorLauncher.h"
#include "screens/UploadSession.h"

namespace merix {

std::optional<std::string> prepareUpload(CVeskDoc& doc, UploadSettings& settings,
                                         Prompter& prompter, BusyIndicator* busy) {
    const ConfigDocument& config = doc.document();
    if (const auto refusal = refusalToUpload(config)) {
        prompter.inform(*refusal);
        return std::nullopt;
    }
    // A document without a name yet (an earlier state opened as new) gets one first, so its
    // settings file is its own.
    if (config.documentPath().empty() && !doc.save())
        return std::nullopt;
    loadUploadSettings(settings, config.documentPath(), config.startupDirectory());
    ensureSideFiles(config.startupDirectory());
    // The file on disk must be what is compared and uploaded; a failed write was reported.
    if (!doc.save())
        return std::nullopt;
    CommandFileResult result = generateCommandFile(config, settings.uploadOption, prompter, busy);
    if (!result.produced()) {
        prompter.inform("Error in generating the command file.");
        return std::nullopt;
    }
    return std::move(result.path);
}

void runUploadCommand(CVeskDoc& doc, Prompter& prompter, BusyIndicator* busy, QWidget* parent) {
    // One record for the whole upload, read afresh each time from the document's settings file.
    UploadSettings settings;
    auto commandFile = prepareUpload(doc, settings, prompter, busy);
    if (!commandFile)
        return;
    DesktopTextEditor editor;
    UploadSession session{
        doc.document(), settings, std::move(*commandFile), loadPortMap(), prompter, busy, editor};
    TerminalWindow window(session, parent);
    window.exec();
}

} // namespace merix
