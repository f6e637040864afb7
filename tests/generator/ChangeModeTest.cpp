#include "GeneratorFixture.h"

#include "document/DocumentFile.h"
#include "document/SideFiles.h"

namespace merix::test {
namespace {

// What each section writes between its markers; the rest of the file is the fixed frame.
struct Bodies {
    std::string timers = {}, messages = {}, users = {}, io = {}, commands = {}, macros = {}, scheduler = {},
                tones = {}, misc = {};
};

std::string crlf(std::string text)
{
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

std::string commandFileText(const Bodies& b)
{
    return crlf(";set macro 206 to OK\nN053 206 032 OK\n\n;set enter key to !\nN078 400 !\n\n"
                ";set up timers\n" + b.timers + ";end of timers\n"
                "\n;set up messages\n" + b.messages + ";end of messages\n"
                "\n;set up users\n" + b.users + ";end of users\n"
                "\n;set up inputs and outputs\n" + b.io + ";end of inputs and outputs\n"
                "\n;set up commands\n" + b.commands + ";end of commands\n"
                "\n;set up macros\n" + b.macros + ";end of macros\n"
                "\n;set up scheduler\n" + b.scheduler + ";end of scheduler\n"
                "\n;set up tones" + b.tones + "\n;end of tones\n"
                "\n;misc setup" + b.misc + "\n;end of misc setup\n"
                "\n;end of file\n");
}

// The reference copy holds the catalog defaults; each test edits the document after it.
class ChangeMode : public GeneratorFixture {
protected:
    void SetUp() override
    {
        GeneratorFixture::SetUp();
        ASSERT_EQ(writeDocumentFile(doc, referenceCopyPath(doc.documentPath())), "");
    }

    std::string generateChanges(UploadOption option = UploadOption::ChangesSinceLastUpload) {
        EXPECT_EQ(writeDocumentFile(doc, doc.documentPath()), "");
        const CommandFileResult result = generate(option);
        EXPECT_EQ(result.path, commandFile().string());
        EXPECT_TRUE(prompter.boxes.empty());
        return readWhole(commandFile());
    }
};

TEST_F(ChangeMode, UnchangedDocumentWritesTheFrameOnly)
{
    EXPECT_EQ(generateChanges(), expected("frame-only.CMD"));
    EXPECT_EQ(expected("frame-only.CMD"), commandFileText({}));
}

TEST_F(ChangeMode, OneTimerChanged)
{
    doc.timers[1].length = 900;
    EXPECT_EQ(generateChanges(), commandFileText({.timers = "N020 012 900;set timer number 12 to 900\n"}));
}

TEST_F(ChangeMode, ChangesOfLetterCaseOnlyWriteNothing)
{
    doc.messages[1].text = "HELLO WORLD";
    doc.commands[0].name = "saytime";
    EXPECT_EQ(generateChanges(), commandFileText({}));
}

TEST_F(ChangeMode, UserWhoseDescriptionAloneChangedIsNotWritten)
{
    doc.users[0].name = "Ann";
    ASSERT_EQ(writeDocumentFile(doc, referenceCopyPath(doc.documentPath())), "");
    doc.users[0].description = "A new description";
    doc.users[2].pagerType = "Numeric";
    doc.users[2].name = "Cy";
    EXPECT_EQ(generateChanges(), commandFileText({.users = "N186 003 0 2\n"}));
}

TEST_F(ChangeMode, ExtraEntriesInTheDocumentAreWrittenRemovedOnesAreNot)
{
    // A copy taken when the catalogs had one timer fewer and one command more.
    ConfigDocument older = doc;
    older.timers.pop_back();
    older.commands.push_back(older.commands[0]);
    ASSERT_EQ(writeDocumentFile(older, referenceCopyPath(doc.documentPath())), "");
    EXPECT_EQ(generateChanges(), commandFileText({.timers = "N020 100 007;set timer number 100 to 7\n"}));
}

TEST_F(ChangeMode, CoverToneDelayAloneWritesTheWholeMacro)
{
    doc.tones.coverToneDelay = 30;
    EXPECT_EQ(generateChanges(), commandFileText({.tones = "\n\n;program macro 210 (DTMF Cover Tone)"
                                                           "\nN055 210\nN056 210 040 0100 0030 1000 0000\n"}));
}

TEST_F(ChangeMode, ReverseRingDelayAloneWritesTheRingWithoutTheDelay)
{
    doc.tones.reversePatchRingDelay = 100;
    EXPECT_EQ(generateChanges(), commandFileText({.tones = "\nN136 2000 0440 0480;set reverse patch ring tone"}));
}

TEST_F(ChangeMode, ToneLinesThatFeedNoCommandWriteNothing)
{
    doc.tones.dtmfToneLength[3] = 75;
    doc.tones.preaccessFreq2[7] = 300;
    EXPECT_EQ(generateChanges(), commandFileText({}));
}

TEST_F(ChangeMode, PasswordSystemOnlyFromPortOne)
{
    doc.ports[1].PasswordSystem = 1;
    EXPECT_EQ(generateChanges(), commandFileText({}));
    doc.ports[0].PasswordSystem = 0;
    EXPECT_EQ(generateChanges(), commandFileText({.misc = "\nN190 000 7;deactivate password system"}));
}

TEST_F(ChangeMode, AccessModeNotInTheTableWritesNoCommand)
{
    doc.ports[4].AccessMode = "CARRIER";
    doc.ports[5].AccessMode = "PL";
    EXPECT_EQ(generateChanges(), commandFileText({.misc = "\nN005 6 1;set access mode for port 6 to PL"}));
}

TEST_F(ChangeMode, PortCommandsFedBySeveralLines)
{
    doc.ports[6].Bypass = 1;
    doc.ports[6].AccessCode = "77";          // feeds the preaccess command
    doc.ports[6].ForceExecutionDigit = "#";  // feeds the command executer settings
    doc.ports[7].CORPolarity = 1;            // feeds no command
    EXPECT_EQ(generateChanges(),
              commandFileText({.misc = "\nN007 7 1 0 1;setup port 7 with (dtmf mute - on) (cover tone - off) (bypass - on)"
                                       "\nN070 7;set preaccess to repeater for port 7"
                                       "\nN078 7 1 0 #;setup port 7 with (command chaining - on) (timed execution - off) "
                                       "and the force execution digit #"}));
}

TEST_F(ChangeMode, CwMessageWithNamedSymbol)
{
    doc.messages[0].text = "HI SPACE DE";
    EXPECT_EQ(generateChanges(), commandFileText({.messages = ";set macro 500 to the cw message HI SPACE DE\n"
                                                              "N055 500\nN056 500 030 06 07 90 02 03\n"}));
}

TEST_F(ChangeMode, AnalogRangeAndMacroAndEvent)
{
    doc.ioPoints[2].rangeLow = -1;
    doc.ioPoints[2].rangeHigh = 20;
    doc.ioPoints[1].decimals = 2; // a digital point writes nothing
    doc.macros[1].lines = {{"36", "101 102"}};
    doc.events[2].commandNumber = "200";
    doc.events[2].period = 3;
    doc.events[2].dayOfMonth = 5;
    EXPECT_EQ(generateChanges(),
              commandFileText({.io = "N101 10 2 0;set number of decimals for analog input 2 I/O 10 to 0\n"
                                     "N102 10 2 0 0001 1 0020;set the conversion ratio for analog input 2 I/O 10 to -1 - 20\n",
                               .macros = ";program macro 201\nN055 201\nN056 201 036 101 102\n",
                               .scheduler = "N082 03 200 05 12 00 0;schedule command 200\n"}));
}

TEST_F(ChangeMode, LongMacroLinesCompareWhole)
{
    std::vector<MacroLine> lines(300, MacroLine{"55", "1 2"});
    doc.macros[0].lines = lines;
    ASSERT_EQ(writeDocumentFile(doc, referenceCopyPath(doc.documentPath())), "");
    doc.macros[0].lines.back().parameters = "1 3";
    const std::string text = generateChanges();
    EXPECT_NE(text.find("\r\nN056 200 055 1 3\r\n;end of macros\r\n"), std::string::npos);
    // The walk stays in step after the long line: nothing else is written.
    EXPECT_NE(text.find("\r\n;set up scheduler\r\n;end of scheduler\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n;misc setup\r\n;end of misc setup\r\n"), std::string::npos);
}

TEST_F(ChangeMode, InitializationCopyForOptionOne)
{
    doc.timers[0].length = 45;
    ASSERT_EQ(writeDocumentFile(doc, initCopyPath(doc.documentPath())), "");
    doc.timers[2].length = 8;
    EXPECT_EQ(generateChanges(UploadOption::ChangesSinceInitialization),
              commandFileText({.timers = "N020 100 008;set timer number 100 to 8\n"}));
    EXPECT_EQ(generateChanges(UploadOption::ChangesSinceLastUpload),
              commandFileText({.timers = "N020 005 045;set timer number 5 to 45\n"
                                         "N020 100 008;set timer number 100 to 8\n"}));
}

TEST_F(ChangeMode, GeneratingComparesTheDocumentFileAsLastWritten)
{
    ASSERT_EQ(writeDocumentFile(doc, doc.documentPath()), "");
    doc.timers[0].length = 45; // not saved: the file on disk still equals the copy
    ASSERT_TRUE(generate(UploadOption::ChangesSinceLastUpload).produced());
    EXPECT_EQ(readWhole(commandFile()), commandFileText({}));
}

} // namespace
} // namespace merix::test
