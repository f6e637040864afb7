#include "CliRunner.h"

#include "document/DocumentFile.h"
#include "document/SideFiles.h"
#include "generator/CommandFileExplanation.h"

namespace merix::test {
namespace {

class CliReport : public GeneratorFixture {
  protected:
    CliRun cli(const std::string& words) {
        return runCli(dir(), words + " " + quoted(doc.documentPath()) + " --catalogs " +
                                 quoted((dir() / "catalogs").string()));
    }
};

TEST_F(CliReport, GenerateExplainPrintsTheExplainedLinesInsteadOfThePath) {
    ASSERT_EQ(writeDocumentFile(doc, referenceCopyPath(doc.documentPath())), "");
    doc.timers[0].length = 50;
    doc.users[0].name = "Ann";
    ASSERT_EQ(writeDocumentFile(doc, doc.documentPath()), "");
    const std::string explained = explainedText(
        generateExplainedCommandFile(doc, UploadOption::ChangesSinceLastUpload, prompter).file);
    const std::string file = readWhole(commandFile());
    std::filesystem::remove(commandFile());

    const CliRun run = cli("generate --option last --explain");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, explained);
    EXPECT_NE(run.out.find("Timers: Hang time = 50 (was 30)\n"), std::string::npos);
    EXPECT_EQ(readWhole(commandFile()), file); // the file as without --explain
}

TEST_F(CliReport, ReportInBothFormats) {
    doc.users[0].name = "Ann";
    doc.users[0].password = "4321";
    ASSERT_EQ(writeDocumentFile(doc, doc.documentPath()), "");
    const CliRun text = cli("report --format text");
    EXPECT_EQ(text.status, 0);
    EXPECT_EQ(text.err, "");
    for (const char* title :
         {"\nTimers\n------\n", "\nUsers\n-----\n", "\nMisc Setup\n----------\n"})
        EXPECT_NE(text.out.find(title), std::string::npos) << title;
    EXPECT_NE(text.out.find("    Password: (set, not shown)\n"), std::string::npos);
    EXPECT_NE(cli("report --format text --passwords").out.find("    Password: 4321\n"),
              std::string::npos);

    const CliRun html = cli("report --format html");
    EXPECT_EQ(html.status, 0);
    EXPECT_EQ(html.out.rfind("<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\"", 0),
              0u);
    EXPECT_NE(html.out.find("<h2 id=\"misc-setup\" class=\"page\">Misc Setup</h2>"),
              std::string::npos);

    const std::string usage =
        "usage: merix-cli report DOC --format html|text [--catalogs DIR] [--passwords]\n";
    for (const char* words : {"report", "report --format pdf", "report --format text --colour red"})
        EXPECT_EQ(cli(words).err, usage) << words;
    EXPECT_EQ(cli("report --format pdf").status, 2);
}

} // namespace
} // namespace merix::test
