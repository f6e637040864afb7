#pragma once

#include <optional>
#include <string>

class QWidget;

namespace merix {

class BusyIndicator;
class CVeskDoc;
class Prompter;
struct UploadSettings;

// Everything up to the Terminal Window: the settings read, BEFORE.CMD and AFTER.CMD made
// when missing, the document written and the command file generated. Nothing when the
// command refused or failed (the user was told). The path is the generated command file.
std::optional<std::string> prepareUpload(CVeskDoc& doc, UploadSettings& settings,
                                         Prompter& prompter, BusyIndicator* busy);

// The main screen's Upload Command File: prepares the upload, then runs the Terminal Window
// as a modal window over parent.
void runUploadCommand(CVeskDoc& doc, Prompter& prompter, BusyIndicator* busy,
                      QWidget* parent = nullptr);

} // namespace merix
