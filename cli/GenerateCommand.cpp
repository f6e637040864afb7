#include "cli/Args.h"
#include "cli/CatalogFolder.h"
#include "cli/CliPrompter.h"
#include "cli/Commands.h"
#include "cli/OpenDocument.h"

#include "document/CatalogLoader.h"
#include "document/ConfigDocument.h"
#include "document/DocumentFile.h"
#include "generator/CommandFileExplanation.h"
#include "link/UploadSettings.h"

#include <cstdio>
#include <filesystem>
#include <optional>

namespace merix::cli {

namespace {

const char* const kGenerateUsage =
    "generate DOC [--catalogs DIR] [--option last|init|all] [--explain]";

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
int storedOption(const std::string& documentPath, const std::string& startupDirectory) {
    UploadSettings settings;
    loadUploadSettings(settings, documentPath, startupDirectory);
    return settings.uploadOption;
}

} // namespace

int runGenerate(int argc, char** argv) {
    const Args args(argc, argv, 2, {"explain"});
    const std::optional<std::string> optionWord = args.value("option");
    const std::optional<int> option = optionWord ? uploadOptionNamed(*optionWord) : std::nullopt;
    if (!args.ok({"catalogs", "option", "explain"}) || args.positional().size() != 1 ||
        (optionWord && !option))
        return usage(kGenerateUsage);
    const std::string path = args.positional()[0];

    ConfigDocument doc;
    if (auto problem = useCatalogFolder(doc, args))
        return fail(*problem);
    CountingPrompter prompter;
    if (!openDocument(doc, path, prompter))
        return kExitFailure;

    const int chosen = option ? *option : storedOption(path, doc.startupDirectory());
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
