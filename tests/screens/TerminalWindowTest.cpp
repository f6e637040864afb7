// The Terminal Window against merix-sim on a pseudo-terminal or on the network, reached
// through the port map in the profile settings.
#include "screens/TerminalWindow.h"
#include "document/SideFiles.h"
#include "link/LinkMessages.h"
#include "link/UploadHistory.h"
#include "screens/UploadFileScreen.h"
#include "screens/UploadHistoryWindow.h"
#include "screens/UploadProgressView.h"
#include "screens/UploadSetupScreen.h"
#include "tests/link/LoopbackServer.h"
#include "tests/screens/ModalAnswer.h"
#include "tests/screens/SimProcess.h"
#include "tests/screens/UploadFixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <filesystem>

namespace merix {
namespace {

namespace fs = std::filesystem;
using test::readFile;
using test::whenModal;
using Lines = std::vector<std::string>;

const std::string kNotConnectedForCommand = "Connect to the controller before uploading a command.";

class TerminalWindowTest : public test::UploadFixture {
  protected:
    void startController(QStringList options = {}) {
        sim = std::make_unique<test::SimProcess>(options);
        ASSERT_FALSE(sim->device().empty());
        mapPort(0, sim->device());
    }

    void writeSettingsFile() { ASSERT_EQ(saveUploadSettings(settings, documentPath()), ""); }

    void openWindow() {
        window = std::make_unique<TerminalWindow>(makeSession(), nullptr);
        window->show();
        ASSERT_TRUE(QTest::qWaitFor([this] { return window->openingDone(); }, 20000));
        waitIdle();
    }

    // The link works on its own thread: wait until the operation is over and its lines shown.
    void waitIdle() {
        ASSERT_TRUE(QTest::qWaitFor([this] { return !window->isWorking(); }, 60000));
        QCoreApplication::processEvents();
    }

    void press(QPushButton* button) {
        button->click();
        waitIdle();
    }

    // A command file of its own in place of the generated one: n numbered commands.
    void useCommandFile(int n) {
        std::string text = ";a long upload\r\n";
        for (int i = 0; i < n; ++i)
            text += "N020 " + std::to_string(100 + i) + " 030 ;timer\r\n";
        test::writeFile(commandFile, text);
    }

    // A window connected directly to the controller.
    void openConnected() {
        startController();
        writeSettingsFile();
        openWindow();
        ASSERT_TRUE(window->isConnected());
    }

    Lines lines() const { return test::listLines(window->outputList()); }
    std::string lastLine() const { return lines().empty() ? std::string() : lines().back(); }
    Lines tail(std::size_t n) const {
        const Lines all = lines();
        return Lines(all.end() - static_cast<std::ptrdiff_t>(std::min(n, all.size())), all.end());
    }

    std::unique_ptr<test::SimProcess> sim;
    std::unique_ptr<TerminalWindow> window;
};

TEST_F(TerminalWindowTest, ADirectConnectionWithItsSettingsFileConnectsAtOnce) {
    startController();
    writeSettingsFile();
    openWindow();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Terminal Window"));
    EXPECT_TRUE(window->isConnected());
    EXPECT_EQ(lines(), (Lines{"Get DTMF prompt", "DTMF>"}));
    // One carriage return and nothing else went out.
    EXPECT_EQ(sim->lines(), Lines{""});
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(TerminalWindowTest, AModemConnectionWaitsForConnect) {
    startController({QStringLiteral("--modem")});
    settings.connectionType = ConnectionType::Modem;
    writeSettingsFile();
    openWindow();
    EXPECT_FALSE(window->isConnected());
    EXPECT_TRUE(lines().empty());
    EXPECT_TRUE(sim->lines().empty());
}

TEST_F(TerminalWindowTest, WithoutASettingsFileUploadSetupComesFirstAndAgainAfterCancel) {
    startController();
    bool asked = false;
    const auto answer = whenModal<UploadSetupScreen>([&](UploadSetupScreen* setup) {
        asked = true;
        // Nothing is connected while the user is still choosing.
        EXPECT_TRUE(sim->lines().empty());
        setup->cancelButton()->click();
    });
    openWindow();
    EXPECT_TRUE(asked);
    EXPECT_TRUE(window->isConnected());
    EXPECT_FALSE(fs::exists(settingsFilePath(documentPath())));
    window->okButton()->click();

    asked = false;
    const auto secondAnswer = whenModal<UploadSetupScreen>([&](UploadSetupScreen* setup) {
        asked = true;
        setup->okButton()->click();
    });
    openWindow();
    EXPECT_TRUE(asked);
    EXPECT_TRUE(fs::exists(settingsFilePath(documentPath())));
}

TEST_F(TerminalWindowTest, ConnectUploadDisconnectSendsTheFilesAndWritesTheReferenceCopy) {
    startController();
    writeSettingsFile();
    fs::remove(referenceCopyPath(documentPath()));
    openWindow();
    press(window->connectUploadDisconnectButton());
    EXPECT_FALSE(window->isConnected());
    // Before file, the command file's preamble, after file; comments stripped, blank lines not
    // sent.
    EXPECT_EQ(sim->lines(), (Lines{"", "N050 0", "N053 206 032 OK", "N078 400 !", "N050 01"}));
    const Lines shown = lines();
    ASSERT_GE(shown.size(), 4u);
    EXPECT_EQ(shown[0], "Already Connected");
    EXPECT_EQ(tail(3), (Lines{"Finished Upload", "DTMF>", "Disconnected"}));
    EXPECT_EQ(readFile(referenceCopyPath(documentPath())), readFile(documentPath()));
    EXPECT_EQ(window->focusWidget(), window->outputList());
    EXPECT_TRUE(prompter.boxes.empty());
    EXPECT_EQ(window->progressView()->text(), QStringLiteral("Line 4 of 4 (100%)"));
    const std::vector<HistoryEntry> history = readUploadHistory(documentPath());
    ASSERT_EQ(history.size(), 1u);
    EXPECT_EQ(history[0].result, UploadResult::Completed);
    EXPECT_EQ(history[0].linesSent, 4);
    EXPECT_EQ(readFile(history[0].documentFile()), readFile(documentPath()));
    EXPECT_EQ(readFile(history[0].commandFile()), readFile(commandFile));
}

TEST_F(TerminalWindowTest, UploadCommandFilesKeepsTheConnection) {
    openConnected();
    settings.uploadBefore = 0;
    fs::remove(referenceCopyPath(documentPath()));
    press(window->uploadButton());
    EXPECT_TRUE(window->isConnected());
    EXPECT_EQ(sim->lines(), (Lines{"", "N053 206 032 OK", "N078 400 !", "N050 01"}));
    EXPECT_EQ(tail(2), (Lines{"Finished Upload", "DTMF>"}));
    EXPECT_EQ(readFile(referenceCopyPath(documentPath())), readFile(documentPath()));
    EXPECT_EQ(window->focusWidget(), window->outputList());
}

TEST_F(TerminalWindowTest, UploadCommandFilesNeedsAConnection) {
    startController();
    settings.connectionType = ConnectionType::Modem; // no automatic connect
    writeSettingsFile();
    fs::remove(referenceCopyPath(documentPath()));
    openWindow();
    press(window->uploadButton());
    EXPECT_EQ(
        prompter.texts(),
        Lines{"Must be connected to controller before uploading.  If unable to connect, check "
              "the settings on the upload setup window."});
    EXPECT_FALSE(fs::exists(referenceCopyPath(documentPath())));
}

TEST_F(TerminalWindowTest, AFailedUploadLeavesTheReferenceCopyAndSaysSo) {
    openConnected();
    const std::string reference = referenceCopyPath(documentPath());
    test::writeFile(reference, "as last uploaded");
    sim->stop(); // the controller goes away under the open line
    press(window->uploadButton());
    EXPECT_FALSE(window->isConnected());
    // The message box the link had for it comes once the line is free.
    EXPECT_EQ(prompter.texts(), Lines{linktext::kSendError});
    ASSERT_TRUE(window->lastOutcome());
    EXPECT_EQ(window->lastOutcome()->result, UploadResult::Failed);
    EXPECT_EQ(tail(3),
              (Lines{linktext::failedAt(1, 4), "Disconnected", linktext::kReferenceNotUpdated}));
    EXPECT_EQ(readFile(reference), "as last uploaded");
    const std::vector<HistoryEntry> history = readUploadHistory(documentPath());
    ASSERT_EQ(history.size(), 1u);
    EXPECT_EQ(history[0].result, UploadResult::Failed);
    EXPECT_EQ(history[0].reason, linktext::kSendError);
}

TEST_F(TerminalWindowTest, ChangingThePortInSetupDisconnectsWithItsLine) {
    openConnected();
    const auto answer = whenModal<UploadSetupScreen>([](UploadSetupScreen* setup) {
        setup->portButton(1)->click();
        setup->okButton()->click();
    });
    press(window->setupButton());
    EXPECT_FALSE(window->isConnected());
    EXPECT_EQ(lines(), (Lines{"Get DTMF prompt", "DTMF>", "Disconnected",
                              "Upload Connect Options have changed.  Must reconnect."}));
}

TEST_F(TerminalWindowTest, ChangingThePortsDeviceInSetupDisconnectsToo) {
    openConnected();
    const auto answer = whenModal<UploadSetupScreen>([](UploadSetupScreen* setup) {
        setup->deviceList(0)->setCurrentText(QStringLiteral("/dev/ttyUSB9"));
        setup->okButton()->click();
    });
    press(window->setupButton());
    EXPECT_FALSE(window->isConnected());
    EXPECT_EQ(lastLine(), "Upload Connect Options have changed.  Must reconnect.");
}

TEST_F(TerminalWindowTest, ChangingThePhoneNumberOrTheUploadOptionKeepsTheConnection) {
    openConnected();
    const auto answer = whenModal<UploadSetupScreen>([](UploadSetupScreen* setup) {
        QTest::keyClicks(setup->phoneField(), QStringLiteral("555-1234"));
        setup->optionButton(UploadOption::Everything)->click();
        setup->okButton()->click();
    });
    press(window->setupButton());
    EXPECT_TRUE(window->isConnected());
    EXPECT_EQ(lines(), (Lines{"Get DTMF prompt", "DTMF>"}));
    EXPECT_EQ(settings.phoneNumber.str(), "555-1234");
}

TEST_F(TerminalWindowTest, SwitchingAModemToDirectInSetupStillHangsTheModemUp) {
    startController({QStringLiteral("--modem"), QStringLiteral("--connect-delay"),
                     QStringLiteral("50"), QStringLiteral("--guard"), QStringLiteral("100")});
    settings.connectionType = ConnectionType::Modem;
    settings.phoneNumber = "(555) 123-4567";
    writeSettingsFile();
    openWindow();
    press(window->connectButton());
    ASSERT_TRUE(window->isConnected());
    const auto answer = whenModal<UploadSetupScreen>([](UploadSetupScreen* setup) {
        setup->connectionButton(ConnectionType::Direct)->click();
        setup->okButton()->click();
    });
    press(window->setupButton());
    EXPECT_FALSE(window->isConnected());
    EXPECT_EQ(settings.connectionType, ConnectionType::Direct);
    EXPECT_EQ(tail(4), (Lines{"Disconnecting", "Disconnected", "Disconnected",
                              "Upload Connect Options have changed.  Must reconnect."}));
    const Lines sent = sim->lines();
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(sent.front(), "ATDT5551234567");
    EXPECT_EQ(sent.back(), "ATZ");
}

TEST_F(TerminalWindowTest, ATypedCommandWithoutAConnectionIsRefusedOnce) {
    startController();
    settings.connectionType = ConnectionType::Modem;
    writeSettingsFile();
    openWindow();
    window->commandField()->setFocus();
    QTest::keyClicks(window->commandField(), QStringLiteral("N"));
    EXPECT_EQ(prompter.texts(), Lines{kNotConnectedForCommand});
    EXPECT_TRUE(window->commandField()->text().isEmpty());
    EXPECT_TRUE(sim->lines().empty());
}

TEST_F(TerminalWindowTest, EnterSendsTheTypedCommandAndEmptiesTheField) {
    openConnected();
    window->commandField()->setFocus();
    QTest::keyClicks(window->commandField(), QStringLiteral("N050 0;off"));
    QTest::keyClick(window->commandField(), Qt::Key_Return);
    waitIdle();
    EXPECT_TRUE(window->commandField()->text().isEmpty());
    // Sent as typed, comment and all; the echo follows the prompt as on a terminal.
    EXPECT_EQ(sim->lines(), (Lines{"", "N050 0;off"}));
    EXPECT_EQ(lines(), (Lines{"Get DTMF prompt", "DTMF>N050 0;off ", "OK ", "DTMF>"}));
    EXPECT_TRUE(window->isConnected());

    // Enter on an empty field sends nothing.
    QTest::keyClick(window->commandField(), Qt::Key_Return);
    EXPECT_EQ(sim->lines().size(), 2u);
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(TerminalWindowTest, APastedCommandIsCutTo1498Characters) {
    openConnected();
    window->commandField()->setText(QString(2000, u'7'));
    EXPECT_EQ(prompter.texts(), Lines{"The length of a command can not exceed 1498 characters."});
    EXPECT_EQ(window->commandField()->text().size(), 1498);
}

TEST_F(TerminalWindowTest, UploadOtherFileCancelledSendsNothingAndProposesTheCommandFileAgain) {
    openConnected();
    QString proposed;
    const auto answer = whenModal<UploadFileScreen>([&](UploadFileScreen* screen) {
        proposed = screen->fileField()->text();
        screen->fileField()->setText(QStringLiteral("/tmp/other.cmd"));
        screen->cancelButton()->click();
    });
    press(window->uploadOtherButton());
    EXPECT_EQ(proposed.toStdString(), commandFile);
    EXPECT_EQ(sim->lines(), Lines{""});
    EXPECT_EQ(lines(), (Lines{"Get DTMF prompt", "DTMF>"}));

    const auto secondAnswer = whenModal<UploadFileScreen>([&](UploadFileScreen* screen) {
        proposed = screen->fileField()->text();
        screen->cancelButton()->click();
    });
    press(window->uploadOtherButton());
    EXPECT_EQ(proposed.toStdString(), commandFile);
}

TEST_F(TerminalWindowTest, UploadOtherFileSendsTheNamedFileWithoutAReferenceCopy) {
    openConnected();
    // Deep enough that a path cut at 99 characters would name another file.
    const std::string deep = folder.file(std::string(150, 'x'));
    fs::create_directories(deep);
    const std::string other = deep + "/OTHER.CMD";
    test::writeFile(other, ";a comment\r\nN001 1\r\n\r\nN002 2;why\r\n");
    fs::remove(referenceCopyPath(documentPath()));
    const auto answer = whenModal<UploadFileScreen>([&](UploadFileScreen* screen) {
        screen->fileField()->setText(QString::fromStdString(other));
        screen->okButton()->click();
    });
    press(window->uploadOtherButton());
    EXPECT_EQ(sim->lines(), (Lines{"", "N001 1", "N002 2"}));
    EXPECT_EQ(tail(2), (Lines{"Finished Upload", "DTMF>"}));
    EXPECT_TRUE(window->isConnected());
    EXPECT_FALSE(fs::exists(referenceCopyPath(documentPath())));
    EXPECT_EQ(window->otherUploadFile(), other);
}

TEST_F(TerminalWindowTest, UploadOtherFileTellsAMissingFileAndAMissingConnectionInTheList) {
    openConnected();
    const auto answer = whenModal<UploadFileScreen>([&](UploadFileScreen* screen) {
        screen->fileField()->setText(QString::fromStdString(folder.file("NOWHERE.CMD")));
        screen->okButton()->click();
    });
    press(window->uploadOtherButton());
    EXPECT_EQ(tail(2), (Lines{"Unable to Open File (Check Path and Filename)", "DTMF>"}));

    press(window->disconnectButton());
    const auto secondAnswer =
        whenModal<UploadFileScreen>([&](UploadFileScreen* screen) { screen->okButton()->click(); });
    press(window->uploadOtherButton());
    EXPECT_EQ(lastLine(), "Connect Before Uploading File");
    EXPECT_EQ(sim->lines(), Lines{""});
}

TEST_F(TerminalWindowTest, EditFileMakesTheOtherFileFromItsTemplate) {
    openConnected();
    const std::string other = folder.file("NEW.CMD");
    const auto answer = whenModal<UploadFileScreen>([&](UploadFileScreen* screen) {
        screen->fileField()->setText(QString::fromStdString(other));
        screen->editButton()->click();
        screen->cancelButton()->click();
    });
    press(window->uploadOtherButton());
    EXPECT_EQ(readFile(other), ";enter the commands you want uploaded here\r\n");
    EXPECT_EQ(editor.opened, Lines{other});
}

TEST_F(TerminalWindowTest, EscapeOkAndTheCloseBoxDisconnectBeforeClosing) {
    auto closedAndDisconnected = [this] {
        return QTest::qWaitFor([this] { return !window->isVisible() && !window->isWorking(); });
    };
    openConnected();
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_TRUE(closedAndDisconnected());
    EXPECT_FALSE(window->isConnected());
    EXPECT_EQ(lastLine(), "Disconnected");

    openConnected();
    window->okButton()->click();
    EXPECT_TRUE(closedAndDisconnected());
    EXPECT_FALSE(window->isConnected());

    openConnected();
    window->close();
    EXPECT_TRUE(closedAndDisconnected());
    EXPECT_FALSE(window->isConnected());
    EXPECT_EQ(lastLine(), "Disconnected");
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(TerminalWindowTest, DisconnectAndConnectAgain) {
    openConnected();
    press(window->disconnectButton());
    EXPECT_FALSE(window->isConnected());
    EXPECT_EQ(lastLine(), "Disconnected");
    press(window->connectButton());
    EXPECT_TRUE(window->isConnected());
    // A new connection starts on an empty list.
    EXPECT_EQ(lines(), (Lines{"Get DTMF prompt", "DTMF>"}));
}

TEST_F(TerminalWindowTest, StopEndsTheUploadAfterTheLineInFlightWhileTheWindowAnswers) {
    startController({QStringLiteral("--baud"), QStringLiteral("1200")});
    settings.uploadBefore = settings.uploadAfter = 0;
    writeSettingsFile();
    openWindow();
    ASSERT_TRUE(window->isConnected());
    useCommandFile(200);
    const std::string reference = referenceCopyPath(documentPath());
    test::writeFile(reference, "as last uploaded");

    window->uploadButton()->click();
    ASSERT_TRUE(window->isWorking());
    // The event loop runs: the progress shows and grows while the line is busy.
    ASSERT_TRUE(QTest::qWaitFor([this] { return sim->lines().size() >= 4; }, 20000));
    QTest::qWait(150);
    EXPECT_TRUE(window->progressView()->text().startsWith(QStringLiteral("Line ")));
    EXPECT_TRUE(window->progressView()->text().endsWith(QStringLiteral(" left")));
    EXPECT_TRUE(window->stopButton()->isEnabled());
    EXPECT_FALSE(window->uploadButton()->isEnabled());
    EXPECT_TRUE(window->okButton()->isEnabled());

    press(window->stopButton());
    ASSERT_TRUE(window->lastOutcome());
    const UploadOutcome& outcome = *window->lastOutcome();
    EXPECT_EQ(outcome.result, UploadResult::Stopped);
    EXPECT_EQ(outcome.linesTotal, 200);
    EXPECT_GE(outcome.linesSent, 3);
    EXPECT_LT(outcome.linesSent, 200);
    // Every line that went had its prompt, and no line went after the stop.
    EXPECT_EQ(sim->lines().size(), static_cast<std::size_t>(1 + outcome.linesSent));
    EXPECT_EQ(sim->lines().back(), "N020 " + std::to_string(99 + outcome.linesSent) + " 030 ");
    EXPECT_FALSE(window->isConnected());
    EXPECT_EQ(tail(3), (Lines{linktext::stoppedAt(outcome.linesSent, 200), "Disconnected",
                              linktext::kReferenceNotUpdated}));
    EXPECT_EQ(readFile(reference), "as last uploaded");
    EXPECT_FALSE(window->stopButton()->isEnabled());
    EXPECT_TRUE(window->uploadButton()->isEnabled());
    EXPECT_TRUE(prompter.boxes.empty());
    const std::vector<HistoryEntry> history = readUploadHistory(documentPath());
    ASSERT_EQ(history.size(), 1u);
    EXPECT_EQ(history[0].result, UploadResult::Stopped);
    EXPECT_EQ(history[0].linesSent, outcome.linesSent);
}

TEST_F(TerminalWindowTest, UploadsToAControllerOnTheNetworkRawAndWithRfc2217) {
    for (const char* scheme : {"tcp", "rfc2217"}) {
        SCOPED_TRACE(scheme);
        startController(
            {QStringLiteral("--listen"), QString::fromLatin1(scheme) + QStringLiteral(":0")});
        const std::string url = sim->device();
        ASSERT_TRUE(url.starts_with(std::string(scheme) + "://127.0.0.1:")) << url;
        writeSettingsFile();
        openWindow();
        ASSERT_TRUE(window->isConnected());
        EXPECT_EQ(lines(), (Lines{"Get DTMF prompt", "DTMF>"}));

        press(window->uploadButton());
        ASSERT_TRUE(window->lastOutcome());
        const UploadOutcome& outcome = *window->lastOutcome();
        EXPECT_EQ(outcome.result, UploadResult::Completed);
        EXPECT_GT(outcome.linesSent, 0);
        EXPECT_EQ(outcome.linesSent, outcome.linesTotal);
        EXPECT_EQ(tail(2), (Lines{"Finished Upload", "DTMF>"}));
        EXPECT_EQ(sim->lines().size(), static_cast<std::size_t>(1 + outcome.linesSent));
        EXPECT_EQ(readFile(referenceCopyPath(documentPath())), readFile(documentPath()));
        EXPECT_TRUE(prompter.boxes.empty());
        const std::vector<HistoryEntry> history = readUploadHistory(documentPath());
        ASSERT_FALSE(history.empty());
        EXPECT_EQ(history.back().endpoint, url);
        window.reset();
    }
}

// A controller behind an address that never answers: Stop ends the connect at once, and so
// does closing the window, without a question (a connect has nothing to lose).
TEST_F(TerminalWindowTest, StopOrClosingEndsAConnectThatGetsNoAnswer) {
    test::LoopbackServer hanging; // its queue is full: a connect gets no answer
    const std::string url = hanging.url("tcp");
    mapPort(0, url);
    writeSettingsFile();
    window = std::make_unique<TerminalWindow>(makeSession(), nullptr);
    window->show();
    ASSERT_TRUE(QTest::qWaitFor([this] { return window->isWorking(); }, 20000));
    EXPECT_TRUE(window->stopButton()->isEnabled());
    EXPECT_FALSE(window->connectButton()->isEnabled());

    press(window->stopButton());
    ASSERT_TRUE(window->openingDone());
    const Lines stopped{"Unable to Connect", "Connecting to " + url + " was stopped."};
    EXPECT_EQ(lines(), stopped);
    EXPECT_FALSE(window->isConnected());
    EXPECT_FALSE(window->stopButton()->isEnabled());
    EXPECT_TRUE(window->connectButton()->isEnabled());
    EXPECT_TRUE(prompter.boxes.empty());

    window->connectButton()->click();
    ASSERT_TRUE(window->isWorking());
    QTest::keyClick(window.get(), Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !window->isVisible(); }, 20000));
    EXPECT_EQ(lines(), stopped);
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(TerminalWindowTest, ClosingDuringAnUploadAsksWhetherToStopFirst) {
    startController({QStringLiteral("--baud"), QStringLiteral("1200")});
    writeSettingsFile();
    openWindow();
    useCommandFile(200);
    window->uploadButton()->click();
    ASSERT_TRUE(QTest::qWaitFor([this] { return sim->lines().size() >= 3; }, 20000));

    prompter.answers = {false};
    QTest::keyClick(window.get(), Qt::Key_Escape);
    ASSERT_EQ(prompter.boxes.size(), 1u);
    EXPECT_TRUE(prompter.boxes[0].question);
    EXPECT_EQ(prompter.boxes[0].text, "An upload is running.  Stop it after the line being sent, "
                                      "and then close the Terminal Window?");
    QTest::qWait(300);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isWorking());

    prompter.answers = {true};
    window->close();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !window->isVisible(); }, 20000));
    EXPECT_EQ(prompter.boxes.size(), 2u);
    EXPECT_FALSE(window->isConnected());
    ASSERT_TRUE(window->lastOutcome());
    EXPECT_EQ(window->lastOutcome()->result, UploadResult::Stopped);
}

TEST_F(TerminalWindowTest, TheHistoryAndTheTranscriptsAreAButtonAway) {
    openConnected();
    press(window->uploadButton());
    bool listed = false;
    const auto answer = whenModal<UploadHistoryWindow>([&](UploadHistoryWindow* history) {
        listed = history->entries().size() == 1 &&
                 history->entries()[0].result == UploadResult::Completed;
        // The state it opens as a new document belongs to the main window, not here.
        EXPECT_FALSE(history->openButton()->isVisible());
        history->closeButton()->click();
    });
    window->historyButton()->click();
    EXPECT_TRUE(listed);

    window->transcriptButton()->click();
    const std::string folder = transcriptFolderPath(documentPath());
    EXPECT_EQ(editor.opened, Lines{folder});
    const std::vector<HistoryEntry> history = readUploadHistory(documentPath());
    ASSERT_EQ(history.size(), 1u);
    const std::string transcript = readFile(history[0].transcript);
    EXPECT_EQ(history[0].transcript.rfind(folder + "/", 0), 0u);
    EXPECT_NE(transcript.find(" > N053 206 032 OK\\r\r\n"), std::string::npos);
    EXPECT_NE(transcript.find(" < N053 206 032 OK\\r\\nOK\\r\\nDTMF>\r\n"), std::string::npos);
}

} // namespace
} // namespace merix
