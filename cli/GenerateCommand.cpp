#include "cli/Args.h"
#include "cli/CatalogFolder.h"
#include "cli/CliPrompter.h"
#include "cli/Commands.h"
#include "cli/OpenDocument.h"

#include "document/ConfigDocument.h"
#include "document/DocumentFile.h"
#include "document/SideFiles.h"
#include "generator/CommandFileExplanation.h"
#include "link/UploadSettings.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

namespace merix::cli {

namespace {

const char* const kGenerateUsage =
    "generate DOC [--catalogs DIR] [--option last|init|all | --against FILE] [--explain]";

// Remembers whether the run told the user anything: every such message is a failure.
class CountingPrompter : public CliPrompter {
  public:
    void inform(const std::string& text) override {
        CliPrompter::inform(text);
        m_reported = true;
    }
    bool reported() const { return m_reported; }

  private:
    bool m_reported = false;
};

// The option stored beside the document; without a settings file, changes since the
// last upload.
UploadOption storedOption(const std::string& documentPath, const std::string& startupDirectory) {
    UploadSettings settings;
    loadUploadSettings(settings, documentPath, startupDirectory);
    return settings.uploadOption;
}

// Why a file cannot be compared with, or nothing when it can.
std::optional<std::string> againstProblem(const std::string& path) {
    if (std::FILE* f = std::fopen(path.c_str(), "rb"))
        std::fclose(f);
    else
        return "Unable to open " + path + ": " + std::strerror(errno) + ".";
    if (!isDocumentFile(path))
        return "Cannot load " + path + " - This file is not an MERIX file.";
    return std::nullopt;
}

} // namespace

int runGenerate(int argc, char** argv) {
    const Args args(argc, argv, 2, {"explain"});
    const std::optional<std::string> optionWord = args.value("option");
    const std::optional<std::string> against = args.value("against");
    const std::optional<UploadOption> option =
        optionWord ? uploadOptionNamed(*optionWord) : std::nullopt;
    // An explanation names the values of the copy an option compares with: not with --against.
    if (!args.ok({"catalogs", "option", "against", "explain"}) || args.positional().size() != 1 ||
        (optionWord && !option) || (against && (optionWord || args.flag("explain"))))
        return usage(kGenerateUsage);
    const std::string path = args.positional()[0];
    if (against)
        if (auto problem = againstProblem(*against))
            return fail(*problem);

    ConfigDocument doc;
    if (auto problem = useCatalogFolder(doc, args))
        return fail(*problem);
    CountingPrompter prompter;
    if (!openDocument(doc, path, prompter))
        return kExitFailure;

    if (against) {
        const CommandFileResult result =
            generateChangesAgainst(doc, path, *against, commandFilePath(path), prompter);
        if (result.produced())
            std::printf("%s\n", result.path.c_str());
        return prompter.reported() ? kExitFailure : kExitOk;
    }
    const UploadOption chosen = option ? *option : storedOption(path, doc.startupDirectory());
    if (args.flag("explain")) {
        // The explained lines take the place of the path on standard output.
        const ExplainedRun run = generateExplainedCommandFile(doc, chosen, prompter);
        if (run.result.produced())
            std::fputs(explainedText(run.file).c_str(), stdout);
        return prompter.reported() ? kExitFailure : kExitOk;
    }
    const CommandFileResult result = generateCommandFile(doc, chosen, prompter);
    if (result.produced())
        std::printf("%s\n", result.path.c_str());
    return prompter.reported() ? kExitFailure : kExitOk;
}

} // namespace merix::cli
