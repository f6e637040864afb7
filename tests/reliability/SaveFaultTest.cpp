// A save that fails - a folder that became read-only, a file that cannot be replaced, a
// disk that fills up half way - must leave the previous file exactly as it was, leave no
// temporary file behind and tell the user.
#include "document/CatalogLoader.h"
#include "document/ConfigDocument.h"
#include "document/DocumentFile.h"
#include "document/SideFiles.h"
#include "generator/CommandFileGenerator.h"
#include "link/UploadSettings.h"
#include "tests/reliability/ChildProcess.h"
#include "tests/support/TempDir.h"
#include "tests/support/RecordingPrompter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

using namespace merix;
using namespace merix::test;
namespace fs = std::filesystem;

namespace {

class SaveFaults : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(folder.path().empty());
        doc.setStartupDirectory(MERIX_SAMPLE_CATALOGS);
        RecordingPrompter prompter;
        ASSERT_TRUE(loadCatalogs(doc, prompter));
        ASSERT_FALSE(doc.timers.empty());
        documentPath = folder.file("SITE1.mrx");
        doc.setDocumentPath(documentPath);
        previous = documentText(doc);
        writeWhole(documentPath, previous);
        // The edit the failed save was meant to keep.
        doc.timers[0].length = static_cast<u16>(doc.timers[0].length + 7);
        ASSERT_NE(documentText(doc), previous);
    }

    std::string saveInChild(const ChildLimits& limits, const std::string& path)
    {
        const ChildOutcome outcome = runInChild(limits, [&] { return writeDocumentFile(doc, path); });
        if (!outcome.ran)
            ADD_FAILURE() << "the writer did not run: " << outcome.setupError;
        return outcome.result;
    }

    TempDir folder;
    ConfigDocument doc;
    std::string documentPath;
    std::string previous;
};

bool runningAsRoot() { return ::geteuid() == 0; }

TEST_F(SaveFaults, ReadOnlyFolderKeepsThePreviousDocumentAndReportsIt)
{
    ASSERT_EQ(::chmod(folder.path().c_str(), 0555), 0);
    // Root ignores folder permissions, so the writer runs as nobody in a child.
    const std::string message = saveInChild({.dropPrivileges = true}, documentPath);
    EXPECT_NE(message.find(documentPath), std::string::npos) << message;
    const std::string refMessage = saveInChild({.dropPrivileges = true}, referenceCopyPath(documentPath));
    EXPECT_FALSE(refMessage.empty());

    EXPECT_EQ(readWhole(documentPath), previous);
    EXPECT_EQ(folder.names(), std::set<std::string>{"SITE1.mrx"});
}

TEST_F(SaveFaults, ReadOnlyFolderKeepsThePreviousSettingsAndCommandFile)
{
    const std::string settingsPath = settingsFilePath(documentPath);
    const std::string commandPath = commandFilePath(documentPath);
    writeWhole(settingsPath, "[COMM SETTINGS]\r\n1\r\n555-0100\r\n9600\r\n0\r\nEND");
    writeWhole(commandPath, "N020 005 030\r\n");
    ASSERT_EQ(::chmod(folder.path().c_str(), 0555), 0);

    const ChildOutcome settings = runInChild({.dropPrivileges = true}, [&] {
        return saveUploadSettings(defaultUploadSettings(MERIX_SAMPLE_CATALOGS), documentPath);
    });
    ASSERT_TRUE(settings.ran) << settings.setupError;
    EXPECT_NE(settings.result.find(settingsPath), std::string::npos) << settings.result;

    const ChildOutcome command = runInChild({.dropPrivileges = true}, [&] {
        RecordingPrompter prompter;
        const CommandFileResult result =
            generateCommandFile(doc, UploadOption::Everything, prompter);
        return (result.produced() ? "produced:" : "none:") + (prompter.boxes.empty() ? "" : prompter.boxes[0].text);
    });
    ASSERT_TRUE(command.ran) << command.setupError;
    EXPECT_EQ(command.result.rfind("none:", 0), 0u) << command.result;
    EXPECT_NE(command.result.find(commandPath), std::string::npos) << command.result;

    EXPECT_EQ(readWhole(settingsPath), "[COMM SETTINGS]\r\n1\r\n555-0100\r\n9600\r\n0\r\nEND");
    EXPECT_EQ(readWhole(commandPath), "N020 005 030\r\n");
    EXPECT_EQ(folder.names(), (std::set<std::string>{"SITE1.CMD", "SITE1.SER", "SITE1.mrx"}));
}

TEST_F(SaveFaults, ReadOnlyFolderSavesOnceWritableAgain)
{
    // The same child, once the folder is writable, saves: the failures above are the folder's.
    ASSERT_EQ(::chmod(folder.path().c_str(), 0777), 0);
    EXPECT_EQ(saveInChild({.dropPrivileges = true}, documentPath), "");
    EXPECT_EQ(readWhole(documentPath), documentText(doc));
    EXPECT_EQ(folder.names(), std::set<std::string>{"SITE1.mrx"});
}

TEST_F(SaveFaults, DocumentPathHeldByAFolderIsLeftAloneAndReported)
{
    const std::string blocked = folder.file("BLOCKED.mrx");
    fs::create_directory(blocked);
    writeWhole(blocked + "/inside.txt", "kept");

    const std::string message = writeDocumentFile(doc, blocked);
    EXPECT_NE(message.find(blocked), std::string::npos) << message;
    EXPECT_TRUE(fs::is_directory(blocked));
    EXPECT_EQ(readWhole(blocked + "/inside.txt"), "kept");
    EXPECT_EQ(folder.names(), (std::set<std::string>{"BLOCKED.mrx", "SITE1.mrx"}));
}

TEST_F(SaveFaults, DocumentOfAnotherUserInASharedFolderIsNotReplaced)
{
    if (!runningAsRoot())
        GTEST_SKIP() << "needs root to own a file that the writer (nobody) may not replace";
    // A shared folder with the sticky bit: anyone may create files, only the owner may
    // replace or remove them, so the rename over root's document must fail.
    ASSERT_EQ(::chmod(folder.path().c_str(), 01777), 0);
    const std::string message = saveInChild({.dropPrivileges = true}, documentPath);
    EXPECT_NE(message.find(documentPath), std::string::npos) << message;
    EXPECT_EQ(readWhole(documentPath), previous);
    EXPECT_EQ(folder.names(), std::set<std::string>{"SITE1.mrx"});
}

TEST_F(SaveFaults, FullDiskNeverLeavesATruncatedDocument)
{
    const long size = static_cast<long>(documentText(doc).size());
    for (long limit : {0L, 1L, 4096L, size / 2, size - 1}) {
        SCOPED_TRACE("file size limit " + std::to_string(limit));
        const std::string message = saveInChild({.fileSizeLimit = limit}, documentPath);
        EXPECT_NE(message.find(documentPath), std::string::npos) << message;
        EXPECT_EQ(readWhole(documentPath), previous);
        EXPECT_EQ(folder.names(), std::set<std::string>{"SITE1.mrx"});
    }
    // Room for exactly the document: the limit itself is no failure.
    EXPECT_EQ(saveInChild({.fileSizeLimit = size}, documentPath), "");
    EXPECT_EQ(readWhole(documentPath), documentText(doc));
}

TEST_F(SaveFaults, FullDiskKeepsThePreviousSettingsFile)
{
    UploadSettings settings = defaultUploadSettings(MERIX_SAMPLE_CATALOGS);
    const std::string settingsPath = settingsFilePath(documentPath);
    ASSERT_EQ(saveUploadSettings(settings, documentPath), "");
    const std::string before = readWhole(settingsPath);
    settings.connectionType = ConnectionType::Modem;
    settings.phoneNumber = "555-0100";
    const long size = static_cast<long>(uploadSettingsText(settings).size());

    for (long limit : {0L, size / 2, size - 1}) {
        SCOPED_TRACE("file size limit " + std::to_string(limit));
        const ChildOutcome outcome =
            runInChild({.fileSizeLimit = limit}, [&] { return saveUploadSettings(settings, documentPath); });
        ASSERT_TRUE(outcome.ran) << outcome.setupError;
        EXPECT_NE(outcome.result.find(settingsPath), std::string::npos) << outcome.result;
        EXPECT_EQ(readWhole(settingsPath), before);
        EXPECT_EQ(folder.names(), (std::set<std::string>{"SITE1.SER", "SITE1.mrx"}));
    }
    const ChildOutcome roomy =
        runInChild({.fileSizeLimit = size}, [&] { return saveUploadSettings(settings, documentPath); });
    EXPECT_EQ(roomy.result, "");
    EXPECT_EQ(readWhole(settingsPath), uploadSettingsText(settings));
}

TEST_F(SaveFaults, FullDiskKeepsThePreviousCommandFile)
{
    const std::string commandPath = commandFilePath(documentPath);
    writeWhole(commandPath, "N020 005 030\r\n");
    for (long limit : {0L, 100L, 2000L}) {
        SCOPED_TRACE("file size limit " + std::to_string(limit));
        const ChildOutcome outcome = runInChild({.fileSizeLimit = limit}, [&] {
            RecordingPrompter prompter;
            const CommandFileResult result =
                generateCommandFile(doc, UploadOption::Everything, prompter);
            // What the user saw, and whether a file to upload was named.
            return (result.produced() ? "produced:" : "none:") + (prompter.boxes.empty() ? "" : prompter.boxes[0].text);
        });
        ASSERT_TRUE(outcome.ran) << outcome.setupError;
        EXPECT_EQ(outcome.result.rfind("none:", 0), 0u) << outcome.result;
        EXPECT_NE(outcome.result.find(commandPath), std::string::npos) << outcome.result;
        EXPECT_EQ(readWhole(commandPath), "N020 005 030\r\n");
        EXPECT_EQ(folder.names(), (std::set<std::string>{"SITE1.CMD", "SITE1.mrx"}));
    }
}

} // namespace
