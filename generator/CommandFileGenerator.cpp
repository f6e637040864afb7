#include "generator/CommandFileGenerator.h"

#include "document/ConfigDocument.h"
#include "document/Prompter.h"
#include "document/SideFiles.h"
#include "generator/ChangeDetection.h"
#include "generator/GeneratorRun.h"
#include "generator/LineExplainer.h"
#include "generator/LookupTables.h"
#include "generator/SectionWriters.h"
#include "generator/TextFileOutput.h"

#include <optional>
#include <unistd.h>

namespace merix {

namespace {

bool fileExists(const std::string& path) { return ::access(path.c_str(), F_OK) == 0; }

std::optional<LookupList> readGeneratorLookupList(const std::string& path)
{
    return readLookupList(path, kLookupLineLength);
}

CommandFileResult failed(Prompter& prompter, std::string message)
{
    prompter.inform(message);
    return {std::string(), std::move(message)};
}

// The word and CW tables, or the message for the first of cw.cfg and wordlist.cfg that
// cannot be read.
struct SpokenTables {
    std::string missing;
    CaseFreeTable words;
    CaseFreeTable cw;
};

SpokenTables loadSpokenTables(const ConfigDocument& doc)
{
    SpokenTables t;
    const std::string cwPath = doc.catalogPath("cw.cfg");
    const std::string wordPath = doc.catalogPath("wordlist.cfg");
    if (!fileExists(cwPath)) {
        t.missing = "Error! CW.CFG file does not exist.";
        return t;
    }
    if (!fileExists(wordPath)) {
        t.missing = "Error! WORDLIST.CFG file does not exist.";
        return t;
    }
    const auto cw = readGeneratorLookupList(cwPath);
    const auto words = readGeneratorLookupList(wordPath);
    if (!cw)
        t.missing = "Error! CW.CFG file does not exist.";
    else if (!words)
        t.missing = "Error! WORDLIST.CFG file does not exist.";
    else {
        t.cw = makeCwTable(*cw);
        t.words = makeWordTable(*words);
    }
    return t;
}

AccessModeTable loadAccessModes(const ConfigDocument& doc)
{
    const auto list = readGeneratorLookupList(doc.catalogPath("access.cfg"));
    return list ? AccessModeTable(*list) : AccessModeTable();
}

void explainPreamble(CommandText& out, const char* label, const char* value) {
    if (LineExplainer* x = out.explainer())
        x->explain({std::string(kPreambleSection), label, {{"", value, std::nullopt}}});
}

// Always first: the controller's OK macro and enter key, which the upload relies on.
void writePreamble(CommandText& out) {
    out << ";set macro 206 to OK\n"
        << "N053 206 032 OK";
    explainPreamble(out, "Macro 206", "OK");
    out << "\n\n;set enter key to !\n"
        << "N078 400 !";
    explainPreamble(out, "Enter key", "!");
    out << "\n\n";
}

// The sections after the timers; the message when a lookup list is missing.
std::string writeBody(CommandText& out, const ConfigDocument& doc, const DocumentChanges& changes)
{
    {
        const SpokenTables spoken = loadSpokenTables(doc);
        if (!spoken.missing.empty())
            return spoken.missing;
        writeMessageSection(out, doc, changes.messages, spoken.words, spoken.cw);
        writeUserSection(out, doc, changes.users, spoken.words);
    }
    writeInputOutputSection(out, doc, changes.inputsOutputs);
    writeCommandSection(out, doc, changes.commands);
    writeMacroSection(out, doc, changes.macros);
    writeSchedulerSection(out, doc, changes.scheduler);
    writeToneSection(out, doc, changes.courtesyBeeps, changes.tones);
    writePortSection(out, doc, changes.miscSetup, loadAccessModes(doc));
    out << "\n;end of file\n";
    return {};
}

} // namespace

std::optional<std::string> comparedCopyPath(const ConfigDocument& doc, UploadOption option) {
    std::string copy;
    if (option == UploadOption::ChangesSinceLastUpload)
        copy = referenceCopyPath(doc.documentPath());
    else if (option == UploadOption::ChangesSinceInitialization)
        copy = initCopyPath(doc.documentPath());
    if (copy.empty() || !fileExists(copy))
        return std::nullopt;
    return copy;
}

// Everything is written for the option "everything" and when the chosen copy is missing.
std::optional<DocumentChanges> compareWithCopy(const ConfigDocument& doc, UploadOption option) {
    const auto copy = comparedCopyPath(doc, option);
    if (!copy)
        return DocumentChanges{};
    return compareDocumentFiles(doc.documentPath(), *copy);
}

std::string writeCommandText(CommandText& out, const ConfigDocument& doc,
                             const DocumentChanges& changes) {
    writePreamble(out);
    writeTimerSection(out, doc, changes.timers);
    return writeBody(out, doc, changes);
}

namespace {

// Which document file is compared with which copy (none: everything), and where the command
// file goes.
struct RunFiles {
    std::string document;
    std::optional<std::string> copy;
    std::string output;
};

CommandFileResult generate(const ConfigDocument& doc, const RunFiles& files, Prompter& prompter,
                           BusyIndicator* busy, LineExplainer* explainer) {
    BusyGuard guard(busy);
    TextFileOutput file;
    if (std::string error = file.create(files.output); !error.empty())
        return failed(prompter, std::move(error));

    const std::optional<DocumentChanges> changes =
        files.copy ? compareDocumentFiles(files.document, *files.copy) : DocumentChanges{};
    if (!changes)
        return failed(prompter, "Unable to open the document file " + files.document +
                                    " to find what changed.  No command file was written.");

    CommandText out([&file](std::string_view chunk) { file.write(chunk); });
    out.setExplainer(explainer);
    const std::string missing = writeCommandText(out, doc, *changes);
    out.flush();
    // A missing lookup list still leaves the file holding what was written before it.
    if (!missing.empty())
        prompter.inform(missing);
    if (std::string error = file.commit(); !error.empty())
        return failed(prompter, std::move(error));
    return {files.output, missing};
}

} // namespace

CommandFileResult generateCommandFile(const ConfigDocument& doc, UploadOption option,
                                      Prompter& prompter, BusyIndicator* busy) {
    return generateCommandFile(doc, option, prompter, busy, nullptr);
}

CommandFileResult generateCommandFile(const ConfigDocument& doc, UploadOption option,
                                      Prompter& prompter, BusyIndicator* busy,
                                      LineExplainer* explainer) {
    const RunFiles files{doc.documentPath(), comparedCopyPath(doc, option),
                         commandFilePath(doc.documentPath())};
    return generate(doc, files, prompter, busy, explainer);
}

CommandFileResult generateChangesAgainst(const ConfigDocument& doc, const std::string& documentFile,
                                         const std::string& copyPath, const std::string& outputPath,
                                         Prompter& prompter, BusyIndicator* busy) {
    return generate(doc, {documentFile, copyPath, outputPath}, prompter, busy, nullptr);
}

} // namespace merix
