// The main screen's Upload Command File, through the Terminal Window to merix-sim.
#include "app/UploadCommand.h"
#include "document/SideFiles.h"
#include "link/SideFileTemplates.h"
#include "screens/TerminalWindow.h"
#include "screens/UploadSetupScreen.h"
#include "tests/screens/ModalAnswer.h"
#include "tests/screens/SimProcess.h"
#include "tests/screens/UploadFixture.h"

#include <QPushButton>
#include <QTest>

#include <filesystem>

namespace merix {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;
using test::readFile;
using test::whenModal;

class UploadCommandTest : public test::UploadFixture {
  protected:
    // Runs the command; the Terminal Window, once open, does Connect/Upload/Disconnect and OK.
    void uploadWithTerminal() {
        terminalOpened = false;
        const auto answer = whenModal<TerminalWindow>(
            [this](TerminalWindow* window) {
                terminalOpened = true;
                window->connectUploadDisconnectButton()->click();
                EXPECT_TRUE(QTest::qWaitFor([window] { return !window->isWorking(); }, 30000));
                window->okButton()->click();
            },
            &TerminalWindow::openingDone);
        runUploadCommand(lifecycle, prompter, &busy, nullptr);
    }

    bool terminalOpened = false;
};

TEST_F(UploadCommandTest, WithoutADocumentItRefusesAndTouchesNothing) {
    test::ScriptedChooser noFiles;
    CVeskDoc empty(prompter, noFiles, &busy);
    empty.document().setStartupDirectory(folder.path());
    fs::remove(folder.file("BEFORE.CMD"));
    const auto answer = whenModal<TerminalWindow>([this](TerminalWindow* window) {
        terminalOpened = true;
        window->reject();
    });
    runUploadCommand(empty, prompter, &busy, nullptr);
    EXPECT_EQ(prompter.texts(),
              Lines{"Open or create a new file before uploading a command file."});
    EXPECT_FALSE(terminalOpened);
    EXPECT_FALSE(fs::exists(folder.file("BEFORE.CMD")));
}

TEST_F(UploadCommandTest, PreparingReadsTheSettingsMakesTheSideFilesSavesAndGenerates) {
    fs::remove(folder.file("BEFORE.CMD"));
    test::writeFile(folder.file("AFTER.CMD"), "N001\r\n");
    settings.comPort = 2;
    settings.uploadBefore = 0;
    ASSERT_EQ(saveUploadSettings(settings, documentPath()), "");
    doc().timers[0].length = 99;
    fs::remove(commandFile);

    UploadSettings loaded;
    const auto path = prepareUpload(lifecycle, loaded, prompter, &busy);
    ASSERT_TRUE(path.has_value());
    EXPECT_EQ(*path, commandFilePath(documentPath()));
    EXPECT_EQ(uploadSettingsText(loaded), uploadSettingsText(settings));
    EXPECT_EQ(readFile(folder.file("BEFORE.CMD")), beforeFileTemplate());
    EXPECT_EQ(readFile(folder.file("AFTER.CMD")), "N001\r\n");
    // The document on disk is what was compared: the new length is in both.
    EXPECT_NE(readFile(documentPath()).find("TimerHang=99:"), std::string::npos);
    EXPECT_NE(readFile(*path).find("N020 005 099"), std::string::npos);
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(UploadCommandTest, AFailedGenerationIsToldAndNoTerminalOpens) {
    fs::remove(commandFile);
    fs::create_directory(commandFile);
    const auto answer = whenModal<TerminalWindow>([this](TerminalWindow* window) {
        terminalOpened = true;
        window->reject();
    });
    runUploadCommand(lifecycle, prompter, &busy, nullptr);
    ASSERT_FALSE(prompter.boxes.empty());
    EXPECT_EQ(prompter.boxes.back().text, "Error in generating the command file.");
    EXPECT_FALSE(terminalOpened);
}

TEST_F(UploadCommandTest, ASecondUploadOfChangesSendsOnlyTheEditedTimer) {
    test::SimProcess sim;
    ASSERT_FALSE(sim.device().empty());
    mapPort(0, sim.device());

    // The first upload of a document: its settings file does not exist, Upload Setup comes up.
    bool setupShown = false;
    const auto answer = whenModal<UploadSetupScreen>([&](UploadSetupScreen* setup) {
        setupShown = true;
        setup->okButton()->click();
    });
    uploadWithTerminal();
    EXPECT_TRUE(setupShown);
    EXPECT_TRUE(terminalOpened);
    EXPECT_TRUE(fs::exists(settingsFilePath(documentPath())));
    EXPECT_EQ(sim.lines(), (Lines{"", "N050 0", "N053 206 032 OK", "N078 400 !", "N050 01"}));
    EXPECT_EQ(readFile(referenceCopyPath(documentPath())), readFile(documentPath()));

    doc().timers[0].length = 99;
    uploadWithTerminal();
    EXPECT_TRUE(terminalOpened);
    const Lines all = sim.lines();
    ASSERT_GE(all.size(), 5u);
    EXPECT_EQ(Lines(all.begin() + 5, all.end()),
              (Lines{"", "N050 0", "N053 206 032 OK", "N078 400 !", "N020 005 099", "N050 01"}));
    EXPECT_EQ(readFile(referenceCopyPath(documentPath())), readFile(documentPath()));
    EXPECT_TRUE(prompter.boxes.empty());
}

} // namespace
} // namespace merix
