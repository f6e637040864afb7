#include "CliRunner.h"

#include "document/DocumentFile.h"
#include "document/SideFiles.h"
#include "link/UploadSettings.h"

namespace merix::test {
namespace {

class CliGenerate : public GeneratorFixture {
protected:
  CliRun cli(const std::string& words) { return runCli(dir(), "generate " + words); }
  std::string document() const { return quoted(doc.documentPath()); }
  std::string catalogs() const { return " --catalogs " + quoted((dir() / "catalogs").string()); }

  // As New leaves it: the copies written, then the document saved unchanged.
  void saveAsNew() {
      ASSERT_EQ(writeDocumentFile(doc, referenceCopyPath(doc.documentPath())), "");
      ASSERT_EQ(writeDocumentFile(doc, initCopyPath(doc.documentPath())), "");
      ASSERT_EQ(writeDocumentFile(doc, doc.documentPath()), "");
    }
};

TEST_F(CliGenerate, UsageErrors)
{
    EXPECT_EQ(cli("").status, 2);
    EXPECT_EQ(cli(document() + " --option everything").status, 2);
    EXPECT_EQ(cli(document() + " --colour red").status, 2);
    EXPECT_EQ(cli(document() + " --option").status, 2);
    const CliRun two = cli(document() + " " + document());
    EXPECT_EQ(two.status, 2);
    EXPECT_EQ(two.err, "usage: merix-cli generate DOC [--catalogs DIR] [--option last|init|all | "
                       "--against FILE] [--explain]\n");
}

TEST_F(CliGenerate, AllWritesEverythingAndLastOnlyTheFrameAfterNew)
{
    saveAsNew();
    const CliRun all = cli(document() + catalogs() + " --option all");
    EXPECT_EQ(all.status, 0) << all.err;
    EXPECT_EQ(all.out, commandFile().string() + "\n");
    EXPECT_EQ(readWhole(commandFile()), expected("everything-defaults.CMD"));

    const CliRun last = cli(document() + catalogs() + " --option last");
    EXPECT_EQ(last.status, 0) << last.err;
    EXPECT_EQ(readWhole(commandFile()), expected("frame-only.CMD"));
}

TEST_F(CliGenerate, OptionDefaultsToTheStoredUploadOption)
{
    saveAsNew();
    EXPECT_EQ(cli(document() + catalogs()).status, 0); // no settings file: changes since last upload
    EXPECT_EQ(readWhole(commandFile()), expected("frame-only.CMD"));

    UploadSettings settings = defaultUploadSettings((dir() / "catalogs").string());
    settings.uploadOption = UploadOption::Everything;
    ASSERT_EQ(saveUploadSettings(settings, doc.documentPath()), "");
    EXPECT_EQ(cli(document() + catalogs()).status, 0);
    EXPECT_EQ(readWhole(commandFile()), expected("everything-defaults.CMD"));
}

TEST_F(CliGenerate, ComparesTheDocumentWithTheChosenCopy)
{
    saveAsNew();
    doc.timers[0].length = 45;
    ASSERT_EQ(writeDocumentFile(doc, referenceCopyPath(doc.documentPath())), "");
    EXPECT_EQ(cli(document() + catalogs() + " --option init").status, 0);
    EXPECT_EQ(readWhole(commandFile()), expected("frame-only.CMD"));
    EXPECT_EQ(cli(document() + catalogs() + " --option last").status, 0);
    // The values come from the document as read: the timer stays at 30.
    EXPECT_NE(readWhole(commandFile()).find("\r\nN020 005 030;set timer number 5 to 30\r\n"), std::string::npos);
}

TEST_F(CliGenerate, NewDocumentOfTheSampleCatalogs)
{
    const std::string sample = " --catalogs " + quoted(MERIX_SAMPLE_CATALOGS);
    const std::string command = quoted(MERIX_CLI) + " new " + document() + sample;
    ASSERT_EQ(std::system(command.c_str()), 0);

    EXPECT_EQ(cli(document() + sample + " --option last").status, 0);
    EXPECT_EQ(readWhole(commandFile()), expected("frame-only.CMD"));

    const CliRun all = cli(document() + sample + " --option all");
    EXPECT_EQ(all.status, 0) << all.err;
    const std::string text = readWhole(commandFile());
    EXPECT_EQ(text.rfind(";set macro 206 to OK\r\nN053 206 032 OK\r\n", 0), 0u);
    const std::string end = "\r\n;end of misc setup\r\n\r\n;end of file\r\n";
    ASSERT_GT(text.size(), end.size());
    EXPECT_EQ(text.substr(text.size() - end.size()), end);
    // Every section of the sample set writes commands.
    for (const char* command : {"\r\nN020 ", "\r\nN056 ", "\r\nN102 ", "\r\nN010 ", "\r\nN042 ", "\r\nN007 "})
        EXPECT_NE(text.find(command), std::string::npos) << command;
}

TEST_F(CliGenerate, FailuresReportTheSystemsMessage)
{
    writeWhole(dir() / "plain.txt", "no header here\r\n");
    const CliRun notDocument = cli(quoted((dir() / "plain.txt").string()) + catalogs());
    EXPECT_EQ(notDocument.status, 1);
    EXPECT_EQ(notDocument.err, "Cannot load " + (dir() / "plain.txt").string() + " - This file is not an MERIX file.\n");

    saveAsNew();
    const CliRun noCatalogs = cli(document() + " --catalogs " + quoted((dir() / "nowhere").string()));
    EXPECT_EQ(noCatalogs.status, 1);
    EXPECT_EQ(noCatalogs.err.rfind("Error.  Unable to open ", 0), 0u) << noCatalogs.err;

    std::filesystem::remove(dir() / "catalogs" / "cw.cfg");
    const CliRun noCw = cli(document() + catalogs() + " --option all");
    EXPECT_EQ(noCw.status, 1);
    EXPECT_EQ(noCw.err, "Error! CW.CFG file does not exist.\n");
    EXPECT_EQ(noCw.out, commandFile().string() + "\n");
}

} // namespace
} // namespace merix::test
