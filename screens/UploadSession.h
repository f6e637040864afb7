#pragma once

#include "link/PortMap.h"

#include <string>

namespace merix {

class BusyIndicator;
class ConfigDocument;
class Prompter;
class TextEditorLauncher;
struct UploadSettings;

// What the Terminal Window and the upload screens share while the window is open: the
// document, the upload settings read at the upload command, the generated command file
// (empty when a regeneration failed) and the endpoints of the four ports.
struct UploadSession {
    ConfigDocument& doc;
    UploadSettings& settings;
    std::string commandFile;
    PortMap ports;
    Prompter& prompter;
    BusyIndicator* busy;
    TextEditorLauncher& editor;
};

} // namespace merix
