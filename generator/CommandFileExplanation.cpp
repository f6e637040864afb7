#include "generator/CommandFileExplanation.h"

#include "document/CatalogLoader.h"
#include "document/ConfigDocument.h"
#include "document/DocumentFile.h"
#include "document/Prompter.h"
#include "generator/ChangeDetection.h"
#include "generator/GeneratorRun.h"
#include "generator/LineExplainer.h"

#include <fstream>
#include <memory>
#include <sstream>

namespace merix {

namespace {

class QuietPrompter final : public Prompter {
  public:
    void inform(const std::string&) override {}
    bool ask(const std::string&) override { return false; }
};

// The values the compared copy holds, read over fresh catalogs as Open would; nothing
// when the option compares with no copy or the copy cannot be read.
std::unique_ptr<ConfigDocument> readCopy(const ConfigDocument& doc,
                                         const std::optional<std::string>& path) {
    if (!path)
        return nullptr;
    auto copy = std::make_unique<ConfigDocument>();
    copy->setStartupDirectory(doc.startupDirectory());
    QuietPrompter quiet;
    if (!loadCatalogs(*copy, quiet) || !readDocumentFile(*copy, *path))
        return nullptr;
    return copy;
}

// The command text of the given changes, in memory, explained.
ExplainedCommandFile explainInMemory(const ConfigDocument& doc, const DocumentChanges& changes,
                                     const ConfigDocument* copy) {
    const CatalogLabels labels = CatalogLabels::read(doc);
    LineExplainer explainer(labels, copy);
    CommandText out([](std::string_view) {}); // the explainer keeps the lines
    out.setExplainer(&explainer);
    const std::string missing = writeCommandText(out, doc, changes);
    ExplainedCommandFile file = explainer.take();
    file.message = missing;
    return file;
}

} // namespace

ExplainedRun generateExplainedCommandFile(const ConfigDocument& doc, UploadOption option,
                                          Prompter& prompter, BusyIndicator* busy) {
    BusyGuard guard(busy);
    const CatalogLabels labels = CatalogLabels::read(doc);
    const std::unique_ptr<ConfigDocument> copy = readCopy(doc, comparedCopyPath(doc, option));
    LineExplainer explainer(labels, copy.get());
    ExplainedRun run;
    run.result = generateCommandFile(doc, option, prompter, nullptr, &explainer);
    run.file = explainer.take();
    run.file.message = run.result.message;
    return run;
}

ExplainedCommandFile explainUpload(const ConfigDocument& doc, UploadOption option) {
    const auto path = comparedCopyPath(doc, option);
    const std::unique_ptr<ConfigDocument> copy = readCopy(doc, path);
    if (!copy)
        return explainInMemory(doc, DocumentChanges{}, nullptr);
    // The document as Upload would save it, against the copy on disk.
    std::istringstream saved(documentText(doc));
    std::ifstream reference(*path, std::ios::binary);
    return explainInMemory(doc, compareDocuments(saved, reference), copy.get());
}

ExplainedCommandFile explainCommandFile(const ConfigDocument& doc, UploadOption option,
                                        const std::string& commandFilePath) {
    std::ifstream file(commandFilePath, std::ios::binary);
    if (!file) {
        ExplainedCommandFile none;
        none.message = "Unable to open the command file " + commandFilePath + ".";
        return none;
    }
    // Every line the generator can write for this document, so any subset of them matches.
    const std::unique_ptr<ConfigDocument> copy = readCopy(doc, comparedCopyPath(doc, option));
    const ExplainedCommandFile everything = explainInMemory(doc, DocumentChanges{}, copy.get());
    ExplainedCommandFile matched = matchCommandFile(everything, file);
    matched.message = everything.message;
    return matched;
}

} // namespace merix
