#include "generator/CommandFileGenerator.h"

#include "document/ConfigDocument.h"
#include "document/Prompter.h"
#include "document/SideFiles.h"
#include "generator/ChangeDetection.h"
#include "generator/LookupTables.h"
#include "generator/SectionWriters.h"
#include "generator/TextFileOutput.h"

#include <optional>
#include <unistd.h>

namespace merix {

namespace {

constexpr const char* kPreamble = ";set macro 206 to OK\n"
                                  "N053 206 032 OK\n\n"
                                  ";set enter key to !\n"
                                  "N078 400 !\n\n";

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

// Which document file is compared with which copy, and where the command file goes.
struct RunFiles {
    std::string document;
    std::optional<std::string> copy; // none: everything
    std::string output;
};

// The change flags against the copy; everything is written when there is no copy to
// compare with.
struct Comparison {
    bool documentUnreadable = false;
    DocumentChanges changes;
};

Comparison compareWithCopy(const RunFiles& files) {
    if (!files.copy || !fileExists(*files.copy))
        return {};
    auto changes = compareDocumentFiles(files.document, *files.copy);
    if (!changes)
        return {true, {}};
    return {false, std::move(*changes)};
}

std::optional<std::string> copyFor(const ConfigDocument& doc, UploadOption option) {
    switch (option) {
    case UploadOption::ChangesSinceLastUpload:
        return referenceCopyPath(doc.documentPath());
    case UploadOption::ChangesSinceInitialization:
        return initCopyPath(doc.documentPath());
    case UploadOption::Everything:
        break;
    }
    return std::nullopt;
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

CommandFileResult generate(const ConfigDocument& doc, const RunFiles& files, Prompter& prompter,
                           BusyIndicator* busy) {
    BusyGuard guard(busy);
    TextFileOutput file;
    if (std::string error = file.create(files.output); !error.empty())
        return failed(prompter, std::move(error));

    const Comparison comparison = compareWithCopy(files);
    if (comparison.documentUnreadable)
        return failed(prompter, "Unable to open the document file " + files.document +
                                    " to find what changed.  No command file was written.");

    CommandText out([&file](std::string_view chunk) { file.write(chunk); });
    out << kPreamble;
    writeTimerSection(out, doc, comparison.changes.timers);
    const std::string missing = writeBody(out, doc, comparison.changes);
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
    return generate(doc,
                    {doc.documentPath(), copyFor(doc, option), commandFilePath(doc.documentPath())},
                    prompter, busy);
}

CommandFileResult generateChangesAgainst(const ConfigDocument& doc, const std::string& documentFile,
                                         const std::string& copyPath, const std::string& outputPath,
                                         Prompter& prompter, BusyIndicator* busy) {
    return generate(doc, {documentFile, copyPath, outputPath}, prompter, busy);
}

} // namespace merix
