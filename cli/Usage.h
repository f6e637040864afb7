#pragma once

#include <span>
#include <string>

namespace merix::cli {

// One command of merix-cli: how it is called and what it does, for the usage and --help.
struct CommandEntry {
    const char* name;
    int (*run)(int argc, char** argv);
    const char* synopsis; // the words after "merix-cli"
    const char* summary;  // one sentence
};

// The synopsis of every command, for standard error after a usage error.
std::string usageText(std::span<const CommandEntry> commands);
// The usage with what each command does, the options every program has and the exit statuses.
std::string helpText(std::span<const CommandEntry> commands);
// One command's synopsis and what it does, for "merix-cli COMMAND --help".
std::string commandHelpText(const CommandEntry& command);
// "merix-cli 1.5"
std::string versionText();

} // namespace merix::cli
