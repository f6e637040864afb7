#include "document/DocumentFile.h"
#include "document/DocumentLifecycle.h"
#include "document/FileChooser.h"
#include "tests/document/LifecycleTestCatalogs.h"
#include "tests/support/RecordingPrompter.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <sys/stat.h>

namespace merix {
namespace {

namespace fs = std::filesystem;
using test::CountingBusy;
using test::RecordingPrompter;

class ScriptedChooser : public FileChooser {
  public:
    std::deque<std::optional<std::string>> openAnswers;
    std::deque<std::optional<std::string>> saveAnswers;
    std::vector<std::string> suggestions;
    int openCalls = 0;

    std::optional<std::string> chooseFileToOpen() override {
        ++openCalls;
        return take(openAnswers);
    }
    std::optional<std::string> chooseFileToSaveAs(const std::string& suggested) override {
        suggestions.push_back(suggested);
        return take(saveAnswers);
    }

  private:
    static std::optional<std::string> take(std::deque<std::optional<std::string>>& q) {
        if (q.empty())
            return std::nullopt;
        auto a = q.front();
        q.pop_front();
        return a;
    }
};

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class LifecycleTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/merix-lifecycle-XXXXXX";
        m_dir = ::mkdtemp(pattern);
        test::writeTestCatalogs(m_dir);
        doc.document().setStartupDirectory(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string path(const std::string& name) const { return m_dir + "/" + name; }

    std::string m_dir;
    RecordingPrompter prompter;
    ScriptedChooser chooser;
    CountingBusy busy;
    CVeskDoc doc{prompter, chooser, &busy};
};

TEST_F(LifecycleTest, NewNumbersPastExistingFilesAndNeverGoesBack) {
    std::ofstream(path("MERX_1.MRX")) << "taken";
    std::vector<std::string> titles;
    doc.setTitleListener([&](const std::string& t) { titles.push_back(t); });

    ASSERT_TRUE(doc.newDocument());
    EXPECT_EQ(doc.document().documentPath(), path("MERX_2.MRX"));
    EXPECT_TRUE(doc.document().isDocumentOpen());
    EXPECT_TRUE(doc.document().refreshFlag(ScreenId::Timers));
    EXPECT_EQ(doc.document().timers.size(), 3u);
    // Only the copies are written; the document waits for Save.
    EXPECT_FALSE(fs::exists(path("MERX_2.MRX")));
    EXPECT_TRUE(fs::exists(path("MERX_2.REF")));
    EXPECT_TRUE(fs::exists(path("MERX_2.INI")));
    EXPECT_TRUE(prompter.boxes.empty());

    fs::remove(path("MERX_2.REF"));
    fs::remove(path("MERX_2.INI"));
    ASSERT_TRUE(doc.newDocument()); // the save question, answered No
    EXPECT_EQ(doc.document().documentPath(), path("MERX_3.MRX"));
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{
                  "Do you want to save the current file before starting a new file?"});
    EXPECT_EQ(titles,
              (std::vector<std::string>{"MERIX", path("MERX_2.MRX"), "MERIX", path("MERX_3.MRX")}));
    EXPECT_EQ(busy.depth, 0);
    EXPECT_GT(busy.shown, 0);
}

TEST_F(LifecycleTest, SaveRightAfterNewWritesWithoutDialog) {
    ASSERT_TRUE(doc.newDocument());
    doc.document().timers[0].length = 77;
    ASSERT_TRUE(doc.save());
    EXPECT_TRUE(chooser.suggestions.empty());
    const std::string text = readAll(path("MERX_1.MRX"));
    EXPECT_NE(text.find("TimerHang=77:"), std::string::npos);
    EXPECT_NE(readAll(path("MERX_1.REF")).find("TimerHang=30:"), std::string::npos);
}

TEST_F(LifecycleTest, GuardRefusesNewAndOpenWithoutChangingAnything) {
    doc.document().setSubScreenGuard(false);
    EXPECT_FALSE(doc.newDocument());
    EXPECT_FALSE(doc.openDocument());
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{
                  "Return to the User Screen or Main Screen Before starting a new file.",
                  "Return to the User Screen or Main Screen Before opening another file."}));
    EXPECT_EQ(chooser.openCalls, 0);
    EXPECT_FALSE(doc.document().isDocumentOpen());
    EXPECT_EQ(doc.newFileCounter(), 1);
}

TEST_F(LifecycleTest, OpenRejectsAFileThatIsNotADocument) {
    ASSERT_TRUE(doc.newDocument());
    doc.document().timers[0].length = 42;
    std::ofstream(path("notes.txt")) << "MERIX VERSION without a bracket\r\n[TIMERS]\r\n";
    chooser.openAnswers.push_back(path("notes.txt"));

    EXPECT_FALSE(doc.openDocument());
    EXPECT_EQ(prompter.texts().back(),
              "Cannot load " + path("notes.txt") + " - This file is not an MERIX file.");
    // The open document is untouched: the catalogs were not reloaded.
    EXPECT_EQ(doc.document().timers[0].length, 42);
    EXPECT_EQ(doc.document().documentPath(), path("MERX_1.MRX"));
    EXPECT_EQ(doc.title(), path("MERX_1.MRX"));
    EXPECT_EQ(busy.depth, 0);
}

TEST_F(LifecycleTest, OpenAtStartCreatesMissingCopiesWithCatalogDefaults) {
    {
        RecordingPrompter quiet;
        CVeskDoc maker(quiet, chooser);
        maker.document().setStartupDirectory(m_dir);
        ASSERT_TRUE(maker.newDocument());
        maker.document().timers[0].length = 99;
        ASSERT_TRUE(maker.save());
    }
    fs::rename(path("MERX_1.MRX"), path("site.mrx"));
    fs::remove(path("MERX_1.REF"));
    fs::remove(path("MERX_1.INI"));
    chooser.openAnswers.push_back(path("site.mrx"));

    ASSERT_TRUE(doc.openAtStart());
    EXPECT_EQ(doc.document().timers[0].length, 99);
    EXPECT_EQ(doc.document().timers[1].length, 600);
    EXPECT_FALSE(doc.document().refreshFlag(ScreenId::Timers)); // no screen to refresh yet
    EXPECT_NE(readAll(path("site.REF")).find("TimerHang=30:"), std::string::npos);
    EXPECT_NE(readAll(path("site.INI")).find("TimerHang=30:"), std::string::npos);
    EXPECT_TRUE(prompter.boxes.empty());

    chooser.openAnswers.push_back(std::nullopt);
    EXPECT_FALSE(doc.openDocument()); // asked to save, then cancelled in the dialog
    EXPECT_EQ(doc.document().documentPath(), path("site.mrx"));
}

// A document named at start is opened without the dialog; a name that is wrong is reported
// and leaves the program without a document, as a cancelled dialog does.
TEST_F(LifecycleTest, OpenAtStartTakesTheFileNamedAtStart) {
    struct Case {
        const char* name;
        std::string fileContent; // "" : the file does not exist
        bool opens;
        std::string message;
    };
    const Case cases[] = {
        {"site.mrx", "[MERIX FILE VER 1.5]\r\n\r\n[TIMERS]\r\n1\r\nTimerHang=77:\r\n\r\nEND", true,
         ""},
        {"missing.mrx", "", false, "Cannot load " + path("missing.mrx") + " - No such file."},
        {"notes.mrx", "just notes\r\n", false,
         "Cannot load " + path("notes.mrx") + " - This file is not an MERIX file."},
    };
    for (const Case& c : cases) {
        RecordingPrompter told;
        ScriptedChooser dialogs;
        CVeskDoc started(told, dialogs);
        started.document().setStartupDirectory(m_dir);
        if (!c.fileContent.empty())
            std::ofstream(path(c.name), std::ios::binary) << c.fileContent;
        started.setFileToOpenAtStart(path(c.name));

        EXPECT_EQ(started.openAtStart(), c.opens) << c.name;
        EXPECT_EQ(dialogs.openCalls, 0) << c.name;
        if (c.opens) {
            EXPECT_EQ(started.document().timers[0].length, 77);
        }
        EXPECT_EQ(started.document().isDocumentOpen(), c.opens) << c.name;
        EXPECT_EQ(started.title(), c.opens ? path(c.name) : "MERIX") << c.name;
        EXPECT_EQ(told.texts(), c.message.empty() ? std::vector<std::string>{}
                                                  : std::vector<std::string>{c.message})
            << c.name;
        // Copies are made only beside a document that was opened.
        EXPECT_EQ(fs::exists(path(fs::path(c.name).stem().string() + ".REF")), c.opens) << c.name;
    }
}

TEST_F(LifecycleTest, SaveAsCarriesTheCopiesOverToTheNewName) {
    ASSERT_TRUE(doc.newDocument());
    std::ofstream(path("MERX_1.REF"), std::ios::trunc) << "last upload\r\n";
    std::ofstream(path("MERX_1.INI"), std::ios::trunc) << "at creation\r\n";
    chooser.saveAnswers.push_back(path("club.mrx"));

    ASSERT_TRUE(doc.saveAs());
    EXPECT_EQ(chooser.suggestions, std::vector<std::string>{"MERX_1.MRX"});
    EXPECT_EQ(doc.document().documentPath(), path("club.mrx"));
    EXPECT_EQ(doc.title(), path("club.mrx"));
    EXPECT_TRUE(isDocumentFile(path("club.mrx")));
    EXPECT_EQ(readAll(path("club.REF")), "last upload\r\n");
    EXPECT_EQ(readAll(path("club.INI")), "at creation\r\n");
    EXPECT_EQ(readAll(path("MERX_1.REF")), "last upload\r\n");
}

TEST_F(LifecycleTest, SaveAsUnderTheSameNameLeavesTheCopiesAlone) {
    ASSERT_TRUE(doc.newDocument());
    ASSERT_TRUE(doc.save());
    struct stat before {};
    ASSERT_EQ(::stat(path("MERX_1.REF").c_str(), &before), 0);
    chooser.saveAnswers.push_back(path("MERX_1.MRX"));

    ASSERT_TRUE(doc.saveAs());
    struct stat after {};
    ASSERT_EQ(::stat(path("MERX_1.REF").c_str(), &after), 0);
    EXPECT_EQ(before.st_ino, after.st_ino); // not even rewritten with the same bytes
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(LifecycleTest, SaveAsWithoutDocumentSavesCatalogDefaultsAndCopiesNothing) {
    chooser.saveAnswers.push_back(path("fresh.mrx"));
    ASSERT_TRUE(doc.saveAs());
    EXPECT_EQ(chooser.suggestions, std::vector<std::string>{"MERIX.mrx"});
    EXPECT_TRUE(doc.document().isDocumentOpen());
    EXPECT_NE(readAll(path("fresh.mrx")).find("TimerId=600:"), std::string::npos);
    EXPECT_FALSE(fs::exists(path("fresh.REF")));
    EXPECT_FALSE(fs::exists(path("fresh.INI")));
}

TEST_F(LifecycleTest, ExitAsksOnlyWithADocumentAndYesWrites) {
    EXPECT_TRUE(doc.confirmExit());
    EXPECT_TRUE(prompter.boxes.empty());

    ASSERT_TRUE(doc.newDocument());
    EXPECT_TRUE(doc.confirmExit()); // No
    EXPECT_FALSE(fs::exists(path("MERX_1.MRX")));
    prompter.answers.push_back(true);
    EXPECT_TRUE(doc.confirmExit());
    EXPECT_TRUE(fs::exists(path("MERX_1.MRX")));
    EXPECT_EQ(prompter.texts().back(),
              "Do you want to save the current file before exiting the program?");
}

TEST_F(LifecycleTest, AFailedSaveKeepsTheProgramAndTheDocument) {
    fs::create_directory(path("gone"));
    chooser.saveAnswers.push_back(path("gone/site.mrx"));
    ASSERT_TRUE(doc.saveAs());
    fs::remove_all(path("gone"));
    doc.document().timers[0].length = 5;

    prompter.answers = {true, true};
    EXPECT_FALSE(doc.confirmExit());
    EXPECT_FALSE(doc.newDocument());
    ASSERT_EQ(prompter.boxes.size(), 4u);
    EXPECT_NE(prompter.boxes[1].text.find("Unable to write " + path("gone/site.mrx")),
              std::string::npos);
    EXPECT_EQ(doc.document().timers[0].length, 5);
    EXPECT_EQ(doc.newFileCounter(), 1);
}

TEST_F(LifecycleTest, CatalogMissingAtNewLeavesTheOpenDocumentWhole) {
    ASSERT_TRUE(doc.newDocument());
    doc.document().timers[2].length = 11;
    fs::remove(path("messages.cfg"));

    EXPECT_FALSE(doc.newDocument());
    EXPECT_EQ(prompter.texts().back(),
              "Error.  Unable to open messages.cfg (message commands configure file).");
    EXPECT_EQ(doc.document().timers[2].length, 11);
    EXPECT_EQ(doc.document().documentPath(), path("MERX_1.MRX"));
    EXPECT_EQ(doc.title(), path("MERX_1.MRX"));
    EXPECT_EQ(busy.depth, 0);
}

} // namespace
} // namespace merix
