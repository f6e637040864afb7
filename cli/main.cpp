#include "cli/Args.h"
#include "cli/Commands.h"
#include "cli/Usage.h"

#include <cstdio>
#include <cstring>

namespace {

using namespace merix::cli;

// One line per command: its name, how it runs, its synopsis and what it does.
const CommandEntry kCommands[] = {
    {"new", runNew, "new DOC [--catalogs DIR]",
     "Creates a document of the catalog defaults with its .REF and .INI copies."},
    {"resave", runResave, "resave DOC [--catalogs DIR] [--out FILE]",
     "Opens a document as the editor does and writes it back in the current format."},
    {"generate", runGenerate,
     "generate DOC [--catalogs DIR] [--option last|init|all | --against FILE] [--explain]",
     "Writes the document's command file (DOC with the ending .CMD) and prints its path, or "
     "with --explain every line with what it sets; --against compares with any document file."},
    {"diff", runDiff, "diff A.mrx B.mrx [--catalogs DIR] [--passwords]",
     "Prints every stored value in which two documents differ (status 0 equal, 1 different)."},
    {"report", runReport, "report DOC --format html|text [--catalogs DIR] [--passwords]",
     "Writes the whole configuration as plain text or as an XHTML page to standard output."},
    {"send", runSend,
     "send FILE... --device PATH|URL [--baud RATE] [--keep-comments] [--modem --phone NUMBER]",
     "Sends command files to the controller line by line, waiting for DTMF> after each."},
    {"upload", runUpload,
     "upload DOC [--catalogs DIR] [--device PATH|URL] [--option last|init|all]",
     "Saves, generates and uploads the document as the editor's Upload Command File does."},
    {"history", runHistory, "history DOC",
     "Lists the document's uploads, oldest first: time, result, lines sent, option, device."},
};

int show(const std::string& text, std::FILE* to, int status) {
    std::fputs(text.c_str(), to);
    return status;
}

bool asksForHelp(int argc, char** argv) {
    for (int i = 2; i < argc; ++i)
        if (std::strcmp(argv[i], "--help") == 0)
            return true;
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0)
        return show(helpText(kCommands), stdout, kExitOk);
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0)
        return show(versionText(), stdout, kExitOk);
    for (const CommandEntry& c : kCommands) {
        if (argc < 2 || std::strcmp(argv[1], c.name) != 0)
            continue;
        if (asksForHelp(argc, argv))
            return show(commandHelpText(c), stdout, kExitOk);
        return c.run(argc, argv);
    }
    return show(usageText(kCommands), stderr, kExitUsage);
}
