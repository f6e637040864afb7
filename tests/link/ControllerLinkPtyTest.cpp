// The link against merix-sim's controller on a real pseudo-terminal.
#include "LinkDoubles.h"
#include "SimulatedController.h"
#include "link/Clock.h"
#include "link/ControllerLink.h"
#include "link/LinkMessages.h"
#include "link/TermiosSerialPort.h"
#include "link/UploadJob.h"
#include "link/UploadSettings.h"
#include "tests/support/TempDir.h"

#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>
#include <termios.h>
#include <unistd.h>

namespace merix {
namespace {

using namespace linktext;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using Lines = std::vector<std::string>;

class PtyLink : public ::testing::Test {
protected:
    PtyLink()
    {
        link.setTimings(timings);
        settings = defaultUploadSettings(dir.path());
        settings.uploadBefore = 0;
        settings.uploadAfter = 0;
    }

    void start(sim::SimOptions options = {})
    {
        options.connectDelayMs = 50;
        options.guardMs = 100;
        options.splitDelayMs = 20;
        controller = std::make_unique<test::SimulatedController>(options);
        PortMap ports;
        ports.setDevice(0, controller->device());
        link.setPortMap(ports);
    }

    bool connectModem(const std::string& phone)
    {
        settings.connectionType = ConnectionType::Modem;
        settings.phoneNumber = phone;
        return link.connect(settings);
    }

    std::string commandFile(const std::string& text)
    {
        const std::string path = dir.file("SITE.CMD");
        test::writeWhole(path, text);
        return path;
    }

    // The command file with the before and after files as the settings say, keeping nothing.
    UploadOutcome upload(const std::string& cmd) {
        UploadJob job(link, clock);
        return job.run(commandFilesPlan(settings, cmd, ""));
    }

    // The lines after the connection's "Get DTMF prompt".
    Lines afterConnect() const { return Lines(output.lines.begin() + 1, output.lines.end()); }

    test::TempDir dir;
    // The guard time well above the simulated modem's, so a busy machine cannot blur it.
    LinkTimings timings{100, 200, 50, 2000, 300};
    TermiosSerialPort port;
    SteadyClock clock;
    test::RecordingOutput output;
    ControllerLink link{clock, output, test::lend(port)};
    UploadSettings settings;
    std::unique_ptr<test::SimulatedController> controller;
};

TEST_F(PtyLink, DirectConnectSendsOneCarriageReturnAndNothingOnASecondConnect)
{
    start();
    output.lines = {"old"};
    EXPECT_TRUE(link.connect(settings));
    EXPECT_TRUE(link.isConnected());
    EXPECT_THAT(output.lines, ElementsAre(kGetPrompt, kPrompt));
    EXPECT_EQ(controller->bytes(), "\r");
    EXPECT_TRUE(link.takeMessages().empty());

    EXPECT_FALSE(link.connect(settings));
    EXPECT_TRUE(link.isConnected());
    EXPECT_THAT(output.lines, ElementsAre(kGetPrompt, kPrompt, kAlreadyConnected, kPrompt));
    EXPECT_EQ(controller->bytes(), "\r");

    link.disconnect();
    EXPECT_FALSE(link.isConnected());
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(output.lines.back(), kDisconnected);
    EXPECT_EQ(controller->bytes(), "\r");
}

TEST_F(PtyLink, LineLeftInCanonicalModeStillBringsThePrompt)
{
    start();
    // What another program may have left behind: line editing, echo, CR/LF and XON/XOFF.
    const int fd = ::open(controller->device().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(fd, 0);
    termios t{};
    ASSERT_EQ(::tcgetattr(fd, &t), 0);
    t.c_lflag |= ICANON | ECHO | ISIG;
    t.c_iflag |= ICRNL | IXON;
    t.c_oflag |= OPOST | ONLCR;
    ASSERT_EQ(::tcsetattr(fd, TCSANOW, &t), 0);
    ::close(fd);

    EXPECT_TRUE(link.connect(settings));
    EXPECT_THAT(output.lines, ElementsAre(kGetPrompt, kPrompt));
}

TEST_F(PtyLink, PromptSplitAcrossReadsIsFound)
{
    sim::SimOptions o;
    o.splitPrompt = true;
    start(o);
    EXPECT_TRUE(link.connect(settings));
    EXPECT_THAT(output.lines, ElementsAre(kGetPrompt, kPrompt));
}

TEST_F(PtyLink, SilentControllerTimesOutAndClosesThePort)
{
    sim::SimOptions o;
    o.silent = true;
    start(o);
    EXPECT_FALSE(link.connect(settings));
    EXPECT_FALSE(link.isConnected());
    EXPECT_TRUE(link.hasError());
    EXPECT_FALSE(port.isOpen());
    EXPECT_THAT(link.takeMessages(), ElementsAre(kPromptTimeout));
    EXPECT_THAT(output.lines, ElementsAre(kGetPrompt, kNoPrompt));
}

TEST_F(PtyLink, ModemDialsTheDigitsAndHangsUpWithGuardTimes)
{
    sim::SimOptions o;
    o.modem = true;
    start(o);
    ASSERT_TRUE(connectModem("(555) 123-4567"));
    EXPECT_THAT(output.lines, ElementsAre(kDialing, "5551234567", kConnected, kGetPrompt, kPrompt));
    EXPECT_THAT(controller->lines(), ElementsAre("ATDT5551234567", ""));

    link.disconnect();
    EXPECT_THAT(output.lines, ElementsAre(kDialing, "5551234567", kConnected, kGetPrompt, kPrompt,
                                          kDisconnecting, kDisconnected, kDisconnected));
    // The modem took "+++" as its escape (not as data for the controller) and then "ATZ".
    EXPECT_THAT(controller->lines(), ElementsAre("ATDT5551234567", "", "+++", "ATZ"));
    EXPECT_TRUE(link.takeMessages().empty());
    EXPECT_FALSE(port.isOpen());
}

TEST_F(PtyLink, PhoneNumberOfSeparatorsOnlyIsEmpty)
{
    sim::SimOptions o;
    o.modem = true;
    start(o);
    EXPECT_FALSE(connectModem("- -  ()"));
    EXPECT_THAT(output.lines, ElementsAre(kNoPhoneNumber));
    EXPECT_TRUE(link.takeMessages().empty());
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(controller->bytes(), "");
}

TEST_F(PtyLink, PortFailuresSayWhy)
{
    start();
    TermiosSerialPort other;
    ASSERT_TRUE(other.open(controller->device()).ok());
    EXPECT_FALSE(link.connect(settings));
    EXPECT_THAT(output.lines,
                ElementsAre(kUnableToConnect, controller->device() + " is busy: another program holds it."));
    other.close();

    PortMap ports;
    ports.setDevice(0, dir.file("ttyUSB7"));
    link.setPortMap(ports);
    EXPECT_FALSE(link.connect(settings));
    ASSERT_EQ(output.lines.size(), 2u);
    EXPECT_EQ(output.lines[0], kUnableToConnect);
    EXPECT_THAT(output.lines[1], ::testing::StartsWith("No such device " + dir.file("ttyUSB7") + " (unplugged?).  "));

    settings.comPort = 5;
    EXPECT_FALSE(link.connect(settings));
    EXPECT_THAT(output.lines, ElementsAre(kUnableToConnect, "No device is set for COM6."));
    EXPECT_TRUE(link.takeMessages().empty());
}

TEST_F(PtyLink, ModeStringFailuresAreReportedApart)
{
    start();
    settings.baudRate = "fast";
    EXPECT_FALSE(link.connect(settings));
    EXPECT_THAT(output.lines, ElementsAre(kUnableToConnect));
    settings.baudRate = "12345";
    EXPECT_FALSE(link.connect(settings));
    EXPECT_THAT(output.lines, ElementsAre(kUnableToConnect));
    EXPECT_THAT(link.takeMessages(), ElementsAre(kBufferStructure, kCannotSetState));
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(controller->bytes(), "");
}

TEST_F(PtyLink, UploadStripsCommentsAndShowsEachAnswerAfterThePrompt)
{
    start();
    ensureSideFiles(dir.path());
    settings.uploadBefore = 1;
    settings.uploadAfter = 1;
    const std::string cmd = commandFile(";generated\r\nN020 005 030 ;timer\r\n\r\n   \r\nN011 1");
    ASSERT_TRUE(link.connect(settings));
    upload(cmd);

    EXPECT_THAT(controller->lines(), ElementsAre("", "N050 0", "N020 005 030 ", "   ", "N011 1", "N050 01"));
    EXPECT_THAT(afterConnect(),
                ElementsAre("DTMF>N050 0 ", "OK ", "DTMF>N020 005 030  ", "OK ", "DTMF>    ", "OK ",
                            "DTMF>N011 1 ", "OK ", "DTMF>N050 01 ", "OK ", kPrompt, kFinished, kPrompt));
    EXPECT_TRUE(link.isConnected());
    EXPECT_FALSE(link.hasError());
    EXPECT_EQ(link.lineCounter(), 6 + 5 + 6); // the templates have an empty line each
}

TEST_F(PtyLink, UploadKeepsCommentsWhenAsked)
{
    start();
    settings.stripComments = 0;
    const std::string cmd = commandFile("N050 0;turn voice responses off\n;of the generated command file here\n");
    ASSERT_TRUE(link.connect(settings));
    upload(cmd);
    EXPECT_THAT(controller->lines(),
                ElementsAre("", "N050 0;turn voice responses off", ";of the generated command file here"));
    EXPECT_THAT(controller->bytes(),
                "\rN050 0;turn voice responses off\r;of the generated command file here\r");
}

TEST_F(PtyLink, MissingOkResendsOnceButNeverACommentLine)
{
    sim::SimOptions o;
    o.noOk = true;
    start(o);
    ensureSideFiles(dir.path());
    settings.stripComments = 0;
    settings.uploadAfter = 1; // the before file exists too, but its flag is clear
    ASSERT_TRUE(link.connect(settings));
    const UploadOutcome outcome = upload(commandFile("N020 005 030\n;note\n"));
    // Counted before sending, resends not counted.
    EXPECT_EQ(outcome.linesTotal, 2 + 5);
    EXPECT_EQ(outcome.linesSent, 2 + 5);
    EXPECT_THAT(controller->lines(),
                ElementsAreArray(Lines{"", "N020 005 030", "N020 005 030", ";note",
                                       ";if voice response is not desired after upload,",
                                       ";delete the following line", "N050 01;turn voice responses on",
                                       "N050 01;turn voice responses on",
                                       ";enter the commands you want uploaded after the upload",
                                       ";of the generated command file here"}));
    EXPECT_EQ(output.lines.back(), kPrompt);
    EXPECT_EQ(output.lines[output.lines.size() - 2], kFinished);
    EXPECT_FALSE(link.hasError());
}

TEST_F(PtyLink, MissingCommandFileSendsNothingAndKeepsTheLine) {
    start();
    ensureSideFiles(dir.path());
    settings.uploadBefore = settings.uploadAfter = 1;
    ASSERT_TRUE(link.connect(settings));
    const UploadOutcome outcome = upload(dir.file("NONE.CMD"));
    EXPECT_EQ(outcome.result, UploadResult::Failed);
    EXPECT_EQ(outcome.reason, dir.file("NONE.CMD") + ": " + kCannotOpenFile);
    EXPECT_THAT(output.lines, ElementsAre(kGetPrompt, kPrompt, kCannotOpenFile));
    EXPECT_EQ(controller->bytes(), "\r");
    EXPECT_TRUE(link.isConnected());
}

TEST_F(PtyLink, TypedCommandGoesOutUnchanged)
{
    sim::SimOptions o;
    o.noOk = true;
    start(o);
    ASSERT_TRUE(link.connect(settings));
    link.sendUserCommand("N020 005 030;not a comment here");
    link.sendUserCommand("");
    EXPECT_THAT(controller->lines(), ElementsAre("", "N020 005 030;not a comment here"));
    EXPECT_THAT(output.lines, ElementsAre(kGetPrompt, "DTMF>N020 005 030;not a comment here ", kPrompt));
    EXPECT_TRUE(link.isConnected());
}

TEST_F(PtyLink, SilenceDuringUploadReportsTheTimeOutAndDisconnects)
{
    start();
    ASSERT_TRUE(link.connect(settings));
    controller->setSilent(true);
    const UploadOutcome outcome = upload(commandFile("N020 005 030\nN011 1\n"));
    EXPECT_EQ(outcome.result, UploadResult::Failed);
    EXPECT_THAT(outcome.messages, ElementsAre(kResponseTimeout));
    EXPECT_EQ(outcome.failedLine, 1);
    EXPECT_FALSE(link.isConnected());
    EXPECT_FALSE(port.isOpen());
    EXPECT_THAT(output.lines, ElementsAre(kGetPrompt, kPrompt, failedAt(1, 2), kDisconnected));
    EXPECT_THAT(controller->lines(), ElementsAre("", "N020 005 030"));
}

TEST_F(PtyLink, LineThatGoesAwayEndsTheUpload)
{
    start();
    ASSERT_TRUE(link.connect(settings));
    controller = nullptr; // the far end closes, as an unplugged adapter does
    const UploadOutcome outcome = upload(commandFile("N020 005 030\n"));
    EXPECT_THAT(outcome.messages, ElementsAre(kSendError));
    EXPECT_FALSE(link.isConnected());
    EXPECT_EQ(output.lines.back(), kDisconnected);
}

} // namespace
} // namespace merix
