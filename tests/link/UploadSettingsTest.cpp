#include "link/SideFileTemplates.h"
#include "link/UploadSettings.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace merix {
namespace {

using test::readWhole;
using test::TempDir;
using test::writeWhole;

class UploadSettingsFile : public ::testing::Test {
protected:
    TempDir dir;
    std::string doc = dir.file("SITE1.mrx");
    std::string ser = dir.file("SITE1.SER");
    std::string startup = "/opt/merix";

    UploadSettings load(const std::string& text)
    {
        writeWhole(ser, text);
        UploadSettings s;
        EXPECT_TRUE(loadUploadSettings(s, doc, startup));
        return s;
    }
};

TEST_F(UploadSettingsFile, MissingFileGivesDefaults)
{
    UploadSettings s;
    s.comPort = 3;
    EXPECT_FALSE(loadUploadSettings(s, doc, startup));
    EXPECT_EQ(s.connectionType, ConnectionType::Direct);
    EXPECT_EQ(s.phoneNumber.str(), "");
    EXPECT_EQ(s.baudRate.str(), "9600");
    EXPECT_EQ(s.comPort, 0);
    EXPECT_EQ(s.uploadOption, UploadOption::ChangesSinceLastUpload);
    EXPECT_EQ(s.stripComments, 1);
    EXPECT_EQ(s.beforeFile.str(), "/opt/merix/BEFORE.CMD");
    EXPECT_EQ(s.afterFile.str(), "/opt/merix/AFTER.CMD");
    EXPECT_EQ(s.uploadBefore, 1);
    EXPECT_EQ(s.uploadAfter, 1);
}

TEST_F(UploadSettingsFile, WritesTheExactLayoutAndReadsItBack)
{
    UploadSettings s = defaultUploadSettings(startup);
    s.connectionType = ConnectionType::Modem;
    s.phoneNumber = "(555) 123-4567";
    s.baudRate = "2400";
    s.comPort = 2;
    s.uploadOption = UploadOption::Everything;
    s.stripComments = 0;
    s.beforeFile = "/data/pre.cmd";
    s.uploadBefore = 0;
    s.afterFile = "/data/post.cmd";
    s.uploadAfter = 0;
    ASSERT_EQ(saveUploadSettings(s, doc), "");
    EXPECT_EQ(readWhole(ser), "[COMM SETTINGS]\r\n1\r\n(555) 123-4567\r\n2400\r\n2\r\n2\r\n0\r\n"
                              "/data/pre.cmd\r\n0\r\n/data/post.cmd\r\n0\r\nEND");

    UploadSettings back;
    ASSERT_TRUE(loadUploadSettings(back, doc, startup));
    EXPECT_EQ(uploadSettingsText(back), uploadSettingsText(s));
}

TEST_F(UploadSettingsFile, ShortFormEndingAfterTheComPort)
{
    for (const char* end : {"END", "end", "EnD"}) {
        SCOPED_TRACE(end);
        const UploadSettings s =
            load(std::string("[COMM SETTINGS]\r\n1\r\n555-1234\r\n1200\r\n3\r\n") + end + "\r\n");
        EXPECT_EQ(s.connectionType, ConnectionType::Modem);
        EXPECT_EQ(s.phoneNumber.str(), "555-1234");
        EXPECT_EQ(s.baudRate.str(), "1200");
        EXPECT_EQ(s.comPort, 3);
        EXPECT_EQ(s.stripComments, 1);
        EXPECT_EQ(s.uploadOption, UploadOption::ChangesSinceLastUpload);
        EXPECT_EQ(s.beforeFile.str(), "/opt/merix/BEFORE.CMD");
        EXPECT_EQ(s.afterFile.str(), "/opt/merix/AFTER.CMD");
        EXPECT_EQ(s.uploadBefore, 1);
        EXPECT_EQ(s.uploadAfter, 1);
    }
}

TEST_F(UploadSettingsFile, LineSixWithoutLineEndIsTheShortForm)
{
    const UploadSettings s = load("[COMM SETTINGS]\n0\n\n9600\n1\n2");
    EXPECT_EQ(s.comPort, 1);
    EXPECT_EQ(s.uploadOption, UploadOption::ChangesSinceLastUpload);
    EXPECT_EQ(s.stripComments, 1);
}

TEST_F(UploadSettingsFile, MiddleFormKeepsOptionsAndDefaultsTheFiles)
{
    const UploadSettings s = load("[COMM SETTINGS]\n0\n\n19200\n0\n1\n0\nEnd");
    EXPECT_EQ(s.baudRate.str(), "19200");
    EXPECT_EQ(s.uploadOption, UploadOption::ChangesSinceInitialization);
    EXPECT_EQ(s.stripComments, 0);
    EXPECT_EQ(s.beforeFile.str(), "/opt/merix/BEFORE.CMD");
    EXPECT_EQ(s.uploadAfter, 1);
}

TEST_F(UploadSettingsFile, LongLinesAreCutWithoutShiftingTheRest)
{
    // A path in a deep folder survives whole; a runaway line is cut without moving the rest.
    const std::string longPath = "/home/op/" + std::string(250, 'p') + "/BEFORE.CMD";
    const std::string runaway(10000, 'q');
    const UploadSettings s = load("[COMM SETTINGS]\r\n0\r\n" + std::string(60, '5') + "\r\n9600\r\n0\r\n"
                                  "0\r\n1\r\n" + longPath + "\r\n0\r\n" + runaway + "\r\n1\r\nEND");
    EXPECT_EQ(s.phoneNumber.size(), 39u);
    EXPECT_EQ(s.beforeFile.str(), longPath);
    EXPECT_EQ(s.uploadBefore, 0);
    EXPECT_EQ(s.afterFile.str(), std::string(kPathCapacity - 1, 'q'));
    EXPECT_EQ(s.uploadAfter, 1);
}

TEST_F(UploadSettingsFile, DefaultsInADeepFolderKeepTheWholePath)
{
    const std::string deep = "/home/op/" + std::string(180, 'd');
    const UploadSettings s = defaultUploadSettings(deep);
    EXPECT_EQ(s.beforeFile.str(), deep + "/BEFORE.CMD");
    EXPECT_EQ(s.afterFile.str(), deep + "/AFTER.CMD");
    ASSERT_EQ(saveUploadSettings(s, doc), "");
    UploadSettings back;
    ASSERT_TRUE(loadUploadSettings(back, doc, startup));
    EXPECT_EQ(back.beforeFile.str(), s.beforeFile.str());
}

TEST_F(UploadSettingsFile, DamagedFilesStillLoad)
{
    // Truncated, garbage numbers, an empty file, binary noise: nothing may crash.
    UploadSettings s = load("[COMM SETTINGS]\n1\n");
    EXPECT_EQ(s.connectionType, ConnectionType::Modem);
    EXPECT_EQ(s.baudRate.str(), "9600");
    EXPECT_EQ(s.stripComments, 1);

    s = load("x\nzz\n\n\n99999999999999999999\n-7x\n");
    EXPECT_EQ(s.connectionType, ConnectionType::Direct);
    EXPECT_EQ(s.comPort, 2147483647);
    EXPECT_EQ(static_cast<int>(s.uploadOption), -7);

    s = load("");
    EXPECT_EQ(s.baudRate.str(), "9600");

    load(std::string("\0\xff\r\r\n\0", 6) + std::string(5000, '\n'));
}

TEST(SideFiles, TemplatesAreWrittenOnlyWhenMissing)
{
    TempDir dir;
    writeWhole(dir.file("AFTER.CMD"), "mine\n");
    ensureSideFiles(dir.path());
    EXPECT_EQ(readWhole(dir.file("BEFORE.CMD")),
              ";if voice response is desired during upload,\r\n"
              ";delete the following line\r\n"
              "N050 0;turn voice responses off\r\n"
              "\r\n"
              ";enter the commands you want uploaded before the upload\r\n"
              ";of the generated command file here\r\n");
    EXPECT_EQ(readWhole(dir.file("AFTER.CMD")), "mine\n");

    std::filesystem::remove(dir.file("AFTER.CMD"));
    ensureSideFiles(dir.path() + "/");
    EXPECT_EQ(readWhole(dir.file("AFTER.CMD")),
              ";if voice response is not desired after upload,\r\n"
              ";delete the following line\r\n"
              "N050 01;turn voice responses on\r\n"
              "\r\n"
              ";enter the commands you want uploaded after the upload\r\n"
              ";of the generated command file here\r\n");
}

TEST(SideFiles, TemplateCreationReportsAnUnwritableFolder)
{
    TempDir dir;
    EXPECT_TRUE(createFileFromTemplate(dir.file("OTHER.CMD"), otherUploadFileTemplate()));
    EXPECT_EQ(readWhole(dir.file("OTHER.CMD")), ";enter the commands you want uploaded here\r\n");
    EXPECT_FALSE(createFileFromTemplate(dir.file("no/such/folder/X.CMD"), beforeFileTemplate()));
    ensureSideFiles(dir.file("missing")); // skipped silently
}

} // namespace
} // namespace merix
