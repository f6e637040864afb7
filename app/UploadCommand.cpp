#include "app/UploadCommand.h"

#include "app/Navigation.h"
#include "document/DocumentLifecycle.h"
#include "document/Prompter.h"

namespace merix {

void runUploadCommand(CVeskDoc& doc, Prompter& prompter, BusyIndicator* /*busy*/)
{
    if (const auto refusal = refusalToUpload(doc.document())) {
        prompter.inform(*refusal);
        return;
    }
    prompter.inform("Generating and uploading the command file is not available in this version "
                    "of the editor yet.  Use File, Save to keep your changes.");
}

} // namespace merix
