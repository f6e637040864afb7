#include "GeneratorFixture.h"

namespace merix::test {
namespace {

using GeneratorFailures = GeneratorFixture;

const std::string kPreambleAndTimers = ";set macro 206 to OK\r\nN053 206 032 OK\r\n\r\n"
                                       ";set enter key to !\r\nN078 400 !\r\n\r\n"
                                       ";set up timers\r\n"
                                       "N020 005 030;set timer number 5 to 30\r\n"
                                       "N020 012 600;set timer number 12 to 600\r\n"
                                       "N020 100 007;set timer number 100 to 7\r\n"
                                       ";end of timers\r\n";

TEST_F(GeneratorFailures, MissingCwListLeavesPreambleAndTimersAndKeepsThePath)
{
    std::filesystem::remove(dir() / "catalogs" / "cw.cfg");
    std::filesystem::remove(dir() / "catalogs" / "wordlist.cfg");
    const CommandFileResult result = generate(UploadOption::Everything);
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Error! CW.CFG file does not exist."});
    EXPECT_EQ(result.path, commandFile().string());
    EXPECT_EQ(result.message, "Error! CW.CFG file does not exist.");
    EXPECT_EQ(readWhole(commandFile()), kPreambleAndTimers);
    EXPECT_EQ(busy.depth, 0);
}

TEST_F(GeneratorFailures, MissingWordListIsCheckedAfterTheCwList)
{
    std::filesystem::remove(dir() / "catalogs" / "wordlist.cfg");
    const CommandFileResult result = generate(UploadOption::Everything);
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Error! WORDLIST.CFG file does not exist."});
    EXPECT_TRUE(result.produced());
    EXPECT_EQ(readWhole(commandFile()), kPreambleAndTimers);
}

TEST_F(GeneratorFailures, MissingAccessListWritesNoAccessModes)
{
    std::filesystem::remove(dir() / "catalogs" / "access.cfg");
    ASSERT_TRUE(generate(UploadOption::Everything).produced());
    EXPECT_TRUE(prompter.boxes.empty());
    const std::string text = readWhole(commandFile());
    EXPECT_EQ(text.find("N005"), std::string::npos);
    EXPECT_NE(text.find("\r\n;end of file\r\n"), std::string::npos);
}

TEST_F(GeneratorFailures, UncreatableCommandFilePublishesNoPath)
{
    doc.setDocumentPath((dir() / "missing-folder" / "TEST.mrx").string());
    const CommandFileResult result = generate(UploadOption::Everything);
    EXPECT_FALSE(result.produced());
    ASSERT_EQ(prompter.boxes.size(), 1u);
    EXPECT_EQ(prompter.boxes[0].text, result.message);
    EXPECT_EQ(result.message.rfind("Unable to create the command file " + (dir() / "missing-folder" / "TEST.CMD").string(), 0), 0u);
    EXPECT_EQ(busy.depth, 0);
}

TEST_F(GeneratorFailures, UnreadableDocumentFileLeavesThePreviousCommandFile)
{
    writeWhole(dir() / "TEST.REF", "[MERIX FILE VER 1.5]\r\n");
    writeWhole(commandFile(), "previous");
    const CommandFileResult result = generate(UploadOption::ChangesSinceLastUpload);
    EXPECT_FALSE(result.produced());
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{result.message});
    EXPECT_EQ(result.message, "Unable to open the document file " + doc.documentPath() +
                                  " to find what changed.  No command file was written.");
    EXPECT_EQ(readWhole(commandFile()), "previous");
    // No temporary file is left behind.
    int files = 0;
    for ([[maybe_unused]] const auto& f : std::filesystem::directory_iterator(dir()))
        ++files;
    EXPECT_EQ(files, 3); // catalogs, TEST.REF, TEST.CMD
}

TEST_F(GeneratorFailures, CommandFileNameReplacesTheExtensionOrAppendsOne)
{
    doc.setDocumentPath((dir() / "club.repeater.mrx").string());
    EXPECT_EQ(generate(UploadOption::Everything).path, (dir() / "club.repeater.CMD").string());
    doc.setDocumentPath((dir() / "NOEXT").string());
    EXPECT_EQ(generate(UploadOption::Everything).path, (dir() / "NOEXT.CMD").string());
    EXPECT_TRUE(std::filesystem::exists(dir() / "NOEXT.CMD"));
}

} // namespace
} // namespace merix::test
