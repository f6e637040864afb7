#include "GeneratorFixture.h"

#include "document/DocumentFile.h"
#include "document/SideFiles.h"
#include "generator/CommandFileExplanation.h"

namespace merix::test {
namespace {

// Edits after an upload of the catalog defaults, one or more in every section that writes
// commands, each showing what the compared copy held.
void editAfterUpload(ConfigDocument& doc) {
    doc.timers[0].length = 50;
    doc.messages[1].text = "goodbye world";
    doc.messages[2].interruptAction = "COMMAND";
    doc.messages[2].interruptCommand = "5";
    doc.messages[3].text = "track2 nosuch";
    UserEntry& u = doc.users[0];
    u.name = "Ann";
    u.password = "4321";
    u.callSign = "wa1xq";
    u.autodialNumber = "911";
    u.sendPredialDigits = 0;
    doc.ioPoints[0].rangeHigh = 20000; // beyond what the controller takes: 0 goes out
    doc.commands[1].portEnabled[1] = 0;
    doc.commands[1].clearanceLevel = 5;
    doc.macros[1].lines = {{"36", ""}, {"190", "1"}};
    ScheduleEvent& e = doc.events[1];
    e.commandNumber = "036";
    e.period = 2;
    e.dayName = "Saturday";
    e.hour = 7;
    e.minutes = 5;
    e.amPm = 1;
    doc.beeps[0].chordFreq1[0] = 500;
    doc.tones.cwSpeed[2] = 25;
    doc.tones.coverToneDelay = 30;
    doc.tones.reversePatchRingDelay = 10; // not sent: the ring goes out unchanged
    doc.ports[0].PasswordSystem = 0;
    doc.ports[1].Preaccess = 1;
    doc.ports[2].AccessMode = "PL";
    doc.ports[3].IDRandRotating = 1;
    doc.ports[4].TimedExecution = 1;
    doc.ports[5].Bypass = 1;
}

// The lines of a command file as the explanation holds them, with the file's line ends.
std::string fileText(const ExplainedCommandFile& file) {
    std::string text;
    for (const ExplainedLine& line : file.lines)
        text += line.text + "\r\n";
    return text;
}

using Explain = GeneratorFixture;

TEST_F(Explain, EverythingModeExplainsEveryLineAndWritesTheSameFile) {
    editEveryKindOfEntry(doc);
    const ExplainedRun run =
        generateExplainedCommandFile(doc, UploadOption::Everything, prompter, &busy);
    ASSERT_TRUE(run.result.produced());
    EXPECT_EQ(readWhole(commandFile()), expected("everything-edited.CMD"));
    EXPECT_EQ(fileText(run.file), expected("everything-edited.CMD"));
    EXPECT_EQ(explainedText(run.file), expected("everything-edited.explained"));
    EXPECT_EQ(run.file.unknownLines(), 0u);
    EXPECT_EQ(busy.shown, 1);
    EXPECT_EQ(busy.depth, 0);
}

TEST_F(Explain, ChangesSayWhatTheCopyHeldBeforeAndAfterSaving) {
    ASSERT_EQ(writeDocumentFile(doc, referenceCopyPath(doc.documentPath())), "");
    editAfterUpload(doc);

    // Before saving: compared as Upload would save it, nothing written.
    const ExplainedCommandFile unsaved = explainUpload(doc, UploadOption::ChangesSinceLastUpload);
    EXPECT_FALSE(std::filesystem::exists(commandFile()));
    EXPECT_EQ(explainedText(unsaved), expected("changes-edited.explained"));

    ASSERT_EQ(writeDocumentFile(doc, doc.documentPath()), "");
    const ExplainedRun run =
        generateExplainedCommandFile(doc, UploadOption::ChangesSinceLastUpload, prompter);
    EXPECT_TRUE(prompter.boxes.empty());
    EXPECT_EQ(explainedText(run.file), expected("changes-edited.explained"));
    EXPECT_EQ(fileText(run.file), readWhole(commandFile()));
    EXPECT_EQ(run.file.unknownLines(), 0u);
}

TEST_F(Explain, ACommandFileEditedByHandKeepsItsLinesAndCountsTheUnknownOnes) {
    ASSERT_EQ(writeDocumentFile(doc, referenceCopyPath(doc.documentPath())), "");
    doc.timers[0].length = 50;
    doc.macros[0].lines = {{"36", ""}, {"36", ""}};
    ASSERT_EQ(writeDocumentFile(doc, doc.documentPath()), "");
    ASSERT_TRUE(generate(UploadOption::ChangesSinceLastUpload).produced());
    writeWhole(commandFile(), ";by hand\r\nN999 1 2\r\nN020 005 050;set timer number 5 to 50\r\n"
                              "N020 005 031\r\nN056 200 036 \r\nN056 200 036 \r\n\r\n");

    const ExplainedCommandFile file =
        explainCommandFile(doc, UploadOption::ChangesSinceLastUpload, commandFile().string());
    EXPECT_EQ(explainedText(file),
              ";by hand\n"
              "N999 1 2                                unknown\n"
              "N020 005 050;set timer number 5 to 50   Timers: Hang time = 50 (was 30)\n"
              "N020 005 031                            unknown\n"
              "N056 200 036                            Macros: Macro 200, line 1 = 036 (Say time) "
              "(was none)\n"
              "N056 200 036                            Macros: Macro 200, line 2 = 036 (Say time) "
              "(was none)\n"
              "\n");
    EXPECT_EQ(file.unknownLines(), 2u);

    const ExplainedCommandFile missing =
        explainCommandFile(doc, UploadOption::Everything, (dir() / "NONE.CMD").string());
    EXPECT_TRUE(missing.lines.empty());
    EXPECT_EQ(missing.message,
              "Unable to open the command file " + (dir() / "NONE.CMD").string() + ".");
}

TEST_F(Explain, AMissingWordListStopsTheExplanationBehindTheTimers) {
    std::filesystem::remove(dir() / "catalogs" / "wordlist.cfg");
    const ExplainedCommandFile file = explainUpload(doc, UploadOption::Everything);
    EXPECT_EQ(file.message, "Error! WORDLIST.CFG file does not exist.");
    ASSERT_FALSE(file.lines.empty());
    EXPECT_EQ(file.lines.back().text, ";end of timers");
}

TEST(UploadSummary, CountsEntriesSectionsAndTheLinesSent) {
    ExplainedCommandFile file;
    const auto line = [&](std::string text, std::string section = "", std::string label = "") {
        ExplainedLine& l = file.lines.emplace_back();
        l.text = std::move(text);
        if (!section.empty())
            l.explanation = Explanation{section, label, {{"", "1", std::nullopt}}};
    };
    line("N053 206 032 OK", "Preamble", "Macro 206");
    line(";set up timers");
    line("N020 000 050;set timer number 0 to 50", "Timers", "Hang time");
    line("N131 1 036;allow", "Commands", "Say time");
    line("N130 2 036;block", "Commands", "Say time");
    line("");
    line("N999 1 2");

    const UploadSummary stripped = summarize(file, true, 9600);
    EXPECT_EQ(stripped.changes, 2u);
    EXPECT_EQ(stripped.sections, 2u);
    EXPECT_EQ(stripped.lines, 5u);
    EXPECT_EQ(summarize(file, false, 9600).lines, 6u); // the comment line goes out too
    // The characters both ways are a small part beside the controller's time per line.
    EXPECT_GT(summarize(file, true, 300).seconds, stripped.seconds);
    EXPECT_GT(stripped.seconds, 5 * 0.7);
}

TEST(UploadSummary, Wording) {
    const struct {
        UploadSummary summary;
        long baud;
        const char* text;
    } cases[] = {
        {{14, 4, 57, 45.2}, 9600, "14 changes in 4 sections, 57 lines, about 45 s at 9600 baud"},
        {{1, 1, 1, 0.8}, 1200, "1 change in 1 section, 1 line, about 1 s at 1200 baud"},
        {{0, 0, 2, 1.4}, 0, "0 changes in 0 sections, 2 lines, about 1 s at 9600 baud"},
        {{300, 9, 2000, 1530},
         19200,
         "300 changes in 9 sections, 2000 lines, about 26 min at 19200 baud"},
        {{9000, 9, 90000, 72000},
         9600,
         "9000 changes in 9 sections, 90000 lines, about 20 h 0 min at 9600 baud"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(summaryText(c.summary, c.baud), c.text);
}

} // namespace
} // namespace merix::test
