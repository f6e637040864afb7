#pragma once

#include "document/UploadOption.h"

#include <string>

namespace merix {

class ConfigDocument;
class Prompter;
class BusyIndicator;
class LineExplainer;

// What a run leaves for the rest of the program. The path is the command file the
// terminal window uploads; empty means no command file was produced ("Error in
// generating the command file."). The message is what the run already told the user
// through the prompter; it is also set when a lookup list was missing, in which case
// the path names a command file holding only the preamble and the timers.
struct CommandFileResult {
    std::string path;
    std::string message;

    bool produced() const { return !path.empty(); }
};

// Writes the command file beside the document (its extension replaced by CMD) from the
// configuration in memory, with everything or only the entries whose lines in the
// document file on disk differ from the chosen copy. Lookup lists are read from the
// startup directory. Shows the busy indicator for the duration.
CommandFileResult generateCommandFile(const ConfigDocument& doc, UploadOption option,
                                      Prompter& prompter, BusyIndicator* busy = nullptr);
// The same, telling the explainer every line written and what it sets.
CommandFileResult generateCommandFile(const ConfigDocument& doc, UploadOption option,
                                      Prompter& prompter, BusyIndicator* busy,
                                      LineExplainer* explainer);

// The command file that brings a controller holding the state of copyPath (any document
// file) to the configuration in memory: the entries whose lines in documentFile differ from
// the copy, written to outputPath. A copy that cannot be read makes everything changed.
CommandFileResult generateChangesAgainst(const ConfigDocument& doc, const std::string& documentFile,
                                         const std::string& copyPath, const std::string& outputPath,
                                         Prompter& prompter, BusyIndicator* busy = nullptr);

} // namespace merix
