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

// The change flags against the copy the option chooses; everything is written for the
// option "everything" and when that copy is missing.
struct Comparison {
    bool documentUnreadable = false;
    DocumentChanges changes;
};

Comparison compareWithCopy(const ConfigDocument& doc, int uploadOption)
{
    if (uploadOption != kChangesSinceLastUpload && uploadOption != kChangesSinceInitialization)
        return {};
    const std::string copy = uploadOption == kChangesSinceLastUpload ? referenceCopyPath(doc.documentPath())
                                                                    : initCopyPath(doc.documentPath());
    if (!fileExists(copy))
        return {};
    auto changes = compareDocumentFiles(doc.documentPath(), copy);
    if (!changes)
        return {true, {}};
    return {false, std::move(*changes)};
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

} // namespace

CommandFileResult generateCommandFile(const ConfigDocument& doc, int uploadOption, Prompter& prompter,
                                      BusyIndicator* busy)
{
    BusyGuard guard(busy);
    const std::string path = commandFilePath(doc.documentPath());
    TextFileOutput file;
    if (std::string error = file.create(path); !error.empty())
        return failed(prompter, std::move(error));

    const Comparison comparison = compareWithCopy(doc, uploadOption);
    if (comparison.documentUnreadable)
        return failed(prompter, "Unable to open the document file " + doc.documentPath() +
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
    return {path, missing};
}

} // namespace merix
