#pragma once

#include <string>

namespace merix {

class ConfigDocument;
class Prompter;
class BusyIndicator;
class LineExplainer;

// The upload options that choose what the command file holds.
inline constexpr int kChangesSinceLastUpload = 0;   // compare with the .REF copy
inline constexpr int kChangesSinceInitialization = 1; // compare with the .INI copy
inline constexpr int kEverything = 2;               // any other value too

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
CommandFileResult generateCommandFile(const ConfigDocument& doc, int uploadOption, Prompter& prompter,
                                      BusyIndicator* busy = nullptr);
// The same, telling the explainer every line written and what it sets.
CommandFileResult generateCommandFile(const ConfigDocument& doc, int uploadOption, Prompter& prompter,
                                      BusyIndicator* busy, LineExplainer* explainer);

} // namespace merix
