#include "cli/Usage.h"

#include "MerixVersion.h"

namespace merix::cli {

std::string usageText(std::span<const CommandEntry> commands) {
    std::string text = "usage: merix-cli COMMAND ...\n";
    for (const CommandEntry& c : commands)
        text += std::string("  ") + c.synopsis + "\n";
    text += "  --help | --version\n";
    return text;
}

std::string helpText(std::span<const CommandEntry> commands) {
    std::string text = "usage: merix-cli COMMAND ...\n"
                       "Works on MERIX repeater controller documents without the editor.\n\n";
    for (const CommandEntry& c : commands)
        text += std::string("  ") + c.synopsis + "\n      " + c.summary + "\n";
    text += "  --help\n      Shows this text (COMMAND --help shows one command).\n"
            "  --version\n      Shows the version.\n\n"
            "Exit status: 0 success, 1 a failure (its message on standard error), 2 a usage "
            "error.\nThe manual page merix-cli(1) tells more.\n";
    return text;
}

std::string commandHelpText(const CommandEntry& command) {
    return std::string("usage: merix-cli ") + command.synopsis + "\n" + command.summary + "\n";
}

std::string versionText() {
    return std::string("merix-cli ") + kVersion + "\n";
}

} // namespace merix::cli
