#include "cli/Args.h"
#include "cli/Commands.h"

#include "document/CatalogLoader.h"
#include "document/ConfigDocument.h"
#include "document/DocumentFile.h"
#include "document/Prompter.h"
#include "generator/CommandFileGenerator.h"
#include "link/UploadSettings.h"

#include <cstdio>
#include <filesystem>
#include <optional>

namespace merix::cli {

namespace {

const char* const kGenerateUsage = "usage: merix-cli generate DOC [--catalogs DIR] [--option last|init|all]\n";

// Message boxes become lines on standard error; a question is answered No.
class ErrorStreamPrompter : public Prompter {
public:
    void inform(const std::string& text) override
    {
        std::fprintf(stderr, "%s\n", text.c_str());
        m_reported = true;
    }
    bool ask(const std::string& text) override
    {
        inform(text);
        return false;
    }
    bool reported() const { return m_reported; }

private:
    bool m_reported = false;
};

std::optional<int> parseOption(const std::string& word)
{
    if (word == "last")
        return kChangesSinceLastUpload;
    if (word == "init")
        return kChangesSinceInitialization;
    if (word == "all")
        return kEverything;
    return std::nullopt;
}

// The option stored beside the document, or changes since the last upload without one.
int storedOption(const std::string& documentPath, const std::string& startupDirectory)
{
    UploadSettings settings;
    loadUploadSettings(settings, documentPath, startupDirectory);
    return settings.uploadOption;
}

// Open as the editor does, without writing the copies.
bool openDocument(ConfigDocument& doc, const std::string& path, Prompter& prompter)
{
    if (!isDocumentFile(path)) {
        prompter.inform("Cannot load " + std::filesystem::absolute(path).string() +
                        " - This file is not an MERIX file.");
        return false;
    }
    if (!loadCatalogs(doc, prompter))
        return false;
    doc.setDocumentPath(path);
    doc.setDocumentOpen(true);
    readDocumentFile(doc, path);
    return true;
}

} // namespace

int runGenerate(int argc, char** argv)
{
    const Args args(argc, argv, 2);
    const std::optional<std::string> optionWord = args.value("option");
    const std::optional<int> option = optionWord ? parseOption(*optionWord) : std::nullopt;
    if (!args.ok({"catalogs", "option"}) || args.positional().size() != 1 || (optionWord && !option)) {
        std::fputs(kGenerateUsage, stderr);
        return kExitUsage;
    }
    const std::string path = args.positional()[0];
    ConfigDocument doc;
    doc.setStartupDirectory(args.value("catalogs").value_or("."));
    ErrorStreamPrompter prompter;
    if (!openDocument(doc, path, prompter))
        return kExitFailure;

    const int chosen = option ? *option : storedOption(path, doc.startupDirectory());
    const CommandFileResult result = generateCommandFile(doc, chosen, prompter);
    if (result.produced())
        std::printf("%s\n", result.path.c_str());
    return prompter.reported() ? kExitFailure : kExitOk;
}

} // namespace merix::cli
