// Failures a pseudo-terminal cannot produce on demand, through a scripted port.
#include "LinkDoubles.h"
#include "link/ControllerLink.h"
#include "link/LinkMessages.h"
#include "link/UploadJob.h"
#include "link/UploadSettings.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <fstream>
#include <sstream>

namespace merix {
namespace {

using namespace linktext;
using ::testing::ElementsAre;
using Read = test::FakeSerialPort::Read;

std::string controllerAnswer(const std::string& written)
{
    if (written == "\r")
        return "DTMF>";
    return written.substr(0, written.size() - 1) + "\r\nOK\r\nDTMF>";
}

class ScriptedLink : public ::testing::Test {
protected:
    ScriptedLink() { settings.baudRate = "9600"; }

    void connectDirect()
    {
        port.reads.push_back({true, "DTMF>"});
        ASSERT_TRUE(link.connect(settings));
        output.lines.clear();
        port.writes.clear();
        port.written.clear();
    }

    void send(const std::string& text, bool strip = true) {
        link.resetUploadState();
        test::sendText(link, text, strip);
        messages = link.takeMessages();
    }

    // What the link had to tell since the last look, from a send or straight from the link.
    std::vector<std::string> texts() {
        std::vector<std::string> all = std::exchange(messages, {});
        for (std::string& m : link.takeMessages())
            all.push_back(std::move(m));
        return all;
    }

    test::FakeClock clock;
    test::FakeSerialPort port{clock};
    test::RecordingOutput output;
    ControllerLink link{clock, output, test::lend(port)};
    UploadSettings settings;
    std::vector<std::string> messages;
};

TEST_F(ScriptedLink, ProductTimingsReachThePort)
{
    port.reads.push_back({true, "DTMF>"});
    ASSERT_TRUE(link.connect(settings));
    EXPECT_EQ(port.device, "/dev/ttyS0");
    EXPECT_EQ(port.config.line, (LineSettings{9600, 8, Parity::None, 1}));
    EXPECT_EQ(port.config.readTimeoutMs, 1000);
    EXPECT_EQ(port.config.writeTimeoutMs, 1000);
    EXPECT_EQ(port.config.inputQueue, 1000u);
    EXPECT_EQ(port.config.outputQueue, 1000u);
}

TEST_F(ScriptedLink, PromptOnTheSeventhReadConnectsAndSevenSilentReadsTimeOut)
{
    port.reads.assign(7, Read{true, ""});
    port.reads.push_back({true, "DTMF>"});
    EXPECT_FALSE(link.connect(settings));
    EXPECT_THAT(texts(), ElementsAre(kPromptTimeout));
    EXPECT_EQ(port.readCalls, 7);

    port.readCalls = 0;
    texts();
    port.reads.assign(5, Read{true, ""});
    port.reads.push_back({true, "DT"});
    port.reads.push_back({true, "MF>"});
    EXPECT_TRUE(link.connect(settings));
    EXPECT_EQ(port.readCalls, 7);
    EXPECT_TRUE(texts().empty());
}

TEST_F(ScriptedLink, SlowLineAnsweringAByteAtATimeIsWaitedFor)
{
    connectDirect();
    // At a low rate each read brings a byte or two: far more than 15 reads for one answer.
    const std::string answer = "N020 005 030\r\nOK\r\nDTMF>";
    for (char c : answer)
        port.reads.push_back({true, std::string(1, c)});
    output.lines = {kPrompt};
    send("N020 005 030\n");
    EXPECT_TRUE(texts().empty());
    EXPECT_THAT(port.writes, ElementsAre("N020 005 030\r")); // no resend
    EXPECT_THAT(output.lines, ElementsAre("DTMF>N020 005 030 ", "OK ", kPrompt));
}

TEST_F(ScriptedLink, EndlessTextWithoutPromptEndsTheWait)
{
    connectDirect();
    port.answer = [](const std::string&) { return std::string(); };
    port.reads.assign(15 * 2000 + 5, Read{true, "x"}); // and the clock never moves
    send("N1\n");
    // The first wait ends after 2000 reads per read time-out; the resend's wait reads the
    // five left and then times out on silence.
    EXPECT_EQ(port.readCalls, 1 + 15 * 2000 + 5 + 15);
    EXPECT_TRUE(texts().empty());
    EXPECT_EQ(port.writes.size(), 2u); // no OK in it: sent once more
}

TEST_F(ScriptedLink, ConnectFailuresOfTheLine)
{
    // The carriage return does not go out: said, and the wait runs all the same.
    port.writeResults.push_back({false, 0});
    port.reads.push_back({true, "DTMF>"});
    EXPECT_TRUE(link.connect(settings));
    EXPECT_THAT(texts(), ElementsAre(kCommError));
    link.disconnect();

    texts();
    port.reads.push_back({true, "DT"});
    port.reads.push_back({false, ""});
    EXPECT_FALSE(link.connect(settings));
    EXPECT_THAT(texts(), ElementsAre(kConnectReadError));
    EXPECT_THAT(output.lines, ElementsAre(kGetPrompt, kNoPrompt));
    EXPECT_FALSE(port.opened);
}

TEST_F(ScriptedLink, ModemThatNeverConnectsIsWaitedForFortyReads)
{
    settings.connectionType = ConnectionType::Modem;
    settings.phoneNumber = "555-1234";
    port.reads.push_back({true, ""});
    port.reads.push_back({true, "\r\nNO CARRIER\r\n"});
    port.answer = [](const std::string& w) { return w == "+++" ? std::string("\r\nOK\r\n") : std::string(); };
    EXPECT_FALSE(link.connect(settings));
    EXPECT_THAT(texts(), ElementsAre(kModemTimeout));
    EXPECT_THAT(port.writes, ElementsAre("ATDT5551234\r", "+++", "ATZ\r"));
    // Forty read time-outs; the read that brought the result text took none.
    EXPECT_EQ(port.readCalls, 41 + 1 + 3);
    EXPECT_THAT(output.lines,
                ElementsAre(kDialing, "5551234", kDisconnecting, kDisconnected, kUnableToConnect));
    EXPECT_FALSE(port.opened);
}

TEST_F(ScriptedLink, ModemConnectWaitsTwoSecondsThenDrains)
{
    settings.connectionType = ConnectionType::Modem;
    settings.phoneNumber = "5551234";
    port.reads = {{true, "\r\nCONN"}, {true, "ECT 9600\r\n"}, {true, "x"}, {true, "y"}, {true, "z"},
                  {true, "DTMF>"}};
    EXPECT_TRUE(link.connect(settings));
    EXPECT_THAT(clock.sleeps, ElementsAre(2000));
    EXPECT_EQ(port.readCalls, 2 + 3 + 1);
    EXPECT_THAT(output.lines, ElementsAre(kDialing, "5551234", kConnected, kGetPrompt, kPrompt));
}

TEST_F(ScriptedLink, DialStringNotFullyWrittenHangsUp)
{
    settings.connectionType = ConnectionType::Modem;
    settings.phoneNumber = "5551234";
    port.writeResults.push_back({true, 5});
    EXPECT_FALSE(link.connect(settings));
    EXPECT_THAT(texts(), ElementsAre(kDialError));
    EXPECT_EQ(output.lines.back(), kUnableToConnect);
    EXPECT_EQ(port.writes.size(), 3u); // dial string, "+++", "ATZ"
}

TEST_F(ScriptedLink, HangUpKeepsGuardTimesAndGivesUpAfterTenSeconds)
{
    settings.connectionType = ConnectionType::Modem;
    settings.phoneNumber = "5551234";
    port.reads = {{true, "CONNECT"}, {true, ""}, {true, "DTMF>"}};
    ASSERT_TRUE(link.connect(settings));
    clock.sleeps.clear();
    output.lines.clear();
    clock.now += 300; // the last write was 300 ms ago
    link.disconnect();
    // The guard time of silence before "+++"; no OK, so the wait runs out after 10 s of reads.
    ASSERT_GE(clock.sleeps.size(), 1u);
    EXPECT_EQ(clock.sleeps[0], 800);
    EXPECT_THAT(port.writes, ElementsAre("ATDT5551234\r", "\r", "+++", "ATZ\r"));
    EXPECT_EQ(port.readCalls, 3 + 10 + 3);
    EXPECT_THAT(output.lines,
                ElementsAre(kDisconnecting, kDisconnected, kDisconnected));
}

TEST_F(ScriptedLink, HangUpWaitsTheGuardTimeAfterAQuickOk)
{
    connectDirect();
    clock.now += 2000; // the line has been quiet for long
    port.answer = [](const std::string& w) { return w == "+++" ? std::string("OK") : std::string(); };
    link.hangUpModem();
    // "OK" arrived at once; "ATZ" still waits for the guard time after "+++".
    ASSERT_EQ(clock.sleeps.size(), 1u);
    EXPECT_EQ(clock.sleeps[0], 1100);
    EXPECT_THAT(port.writes, ElementsAre("+++", "ATZ\r"));
}

TEST_F(ScriptedLink, HangUpEndsQuietlyWhenAtzCannotBeWritten)
{
    connectDirect();
    port.reads.push_back({true, "OK"});
    port.writeResults = {{true, 3}, {true, 0}};
    link.hangUpModem();
    EXPECT_THAT(output.lines, ElementsAre(kDisconnecting));
}

TEST_F(ScriptedLink, WriteFailuresEndTheFile)
{
    connectDirect();
    port.writeResults.push_back({false, 0});
    send("N1\nN2\n");
    EXPECT_THAT(texts(), ElementsAre(kSendError));
    EXPECT_THAT(port.writes, ElementsAre("N1\r"));

    texts();
    port.writes.clear();
    port.writeResults = {{true, 0}, {true, 2}};
    send("N1\nN2\n");
    EXPECT_THAT(texts(), ElementsAre(kWriteError));
    EXPECT_THAT(port.writes, ElementsAre("N1\r", "N1\r"));
}

TEST_F(ScriptedLink, NothingWrittenOnceIsWrittenAgainAndAPartialWriteIsFinished)
{
    connectDirect();
    port.answer = controllerAnswer;
    port.writeResults = {{true, 0}, {true, 3}, {true, 4}};
    send("N1\nN020 005\n");
    EXPECT_TRUE(texts().empty());
    EXPECT_EQ(port.written, "N1\rN020 005\r");
    EXPECT_THAT(port.writes, ElementsAre("N1\r", "N1\r", "N020 005\r", " 005\r"));
}

TEST_F(ScriptedLink, SilenceAndReadFailuresAfterACommand)
{
    connectDirect();
    send("N1\n");
    EXPECT_THAT(texts(), ElementsAre(kResponseTimeout));
    EXPECT_EQ(port.readCalls, 1 + 15);
    EXPECT_TRUE(link.hasError());

    texts();
    port.reads = {{false, ""}};
    send("N1\nN2\n");
    EXPECT_THAT(texts(), ElementsAre(kReceiveError, kNoResponse));
    EXPECT_THAT(port.writes, ElementsAre("N1\r", "N1\r"));
}

TEST_F(ScriptedLink, ReadFailureAfterSomeTextLetsTheFileGoOn)
{
    connectDirect();
    output.lines = {kPrompt};
    port.reads = {{true, "N1\r\nOK\r\n"}, {false, ""}};
    port.answer = [this](const std::string& w) {
        return port.writes.size() > 1 ? controllerAnswer(w) : std::string();
    };
    send("N1\nN2\n");
    EXPECT_THAT(texts(), ElementsAre(kReceiveError));
    EXPECT_TRUE(link.hasError());
    EXPECT_EQ(port.written, "N1\rN2\r");
    EXPECT_THAT(output.lines, ElementsAre("DTMF>N1 ", "OK N2 ", "OK ", "DTMF>"));
}

TEST_F(ScriptedLink, UploadStopsAfterTheFileWhoseReadFailedAndSaysWhere) {
    connectDirect();
    const std::string dir = ::testing::TempDir();
    std::ofstream(dir + "/first.CMD") << "N1\nN2\n";
    std::ofstream(dir + "/second.CMD") << "N3\n";
    output.lines = {kPrompt};
    port.reads = {{true, "N1\r\nOK\r\n"}, {false, ""}};
    port.answer = [this](const std::string& w) {
        return port.writes.size() > 1 ? controllerAnswer(w) : std::string();
    };
    UploadJob job(link, clock);
    const UploadOutcome outcome =
        job.run(otherFilesPlan({dir + "/first.CMD", dir + "/second.CMD"}, true));
    EXPECT_EQ(outcome.result, UploadResult::Failed);
    EXPECT_THAT(outcome.messages, ElementsAre(kReceiveError));
    EXPECT_EQ(outcome.reason, kReceiveError);
    EXPECT_EQ(port.written, "N1\rN2\r"); // the file went on; the next did not
    EXPECT_EQ(outcome.failedLine, 1);
    EXPECT_THAT(output.lines,
                ElementsAre("DTMF>N1 ", "OK N2 ", "OK ", "DTMF>", failedAt(1, 3), kDisconnected));
    EXPECT_FALSE(link.isConnected());
}

TEST_F(ScriptedLink, MoreThanFiveHundredThousandLinesIsAnError)
{
    connectDirect();
    output.room = 100;
    // Without "OK" every line goes twice, and resends count.
    port.answer = [](const std::string& w) { return w + "\nDTMF>"; };
    std::string file;
    for (int i = 0; i < 250000; ++i)
        file += "N\n";
    send(file);
    EXPECT_TRUE(texts().empty());
    EXPECT_EQ(link.lineCounter(), 500000);

    send(file + "N\n");
    EXPECT_THAT(texts(), ElementsAre(kTooManyLines));
    EXPECT_EQ(link.lineCounter(), 500002);
}

TEST_F(ScriptedLink, FinishedLinesGoTogetherOnAFreshList)
{
    output.room = 3;
    output.lines = {"a", "b"};
    link.showFinished();
    EXPECT_THAT(output.lines, ElementsAre(kFinished, kPrompt));
    output.lines = {"a", "b", "c"};
    link.showFinished();
    EXPECT_THAT(output.lines, ElementsAre(kFinished, kPrompt));
}

TEST_F(ScriptedLink, ResponseIsShownAfterThePromptLine)
{
    connectDirect();
    port.answer = [](const std::string&) { return std::string("N050 0\r\nOK\r\nDTMF>"); };
    output.lines = {"x", kPrompt};
    send("N050 0\n");
    EXPECT_THAT(output.lines, ElementsAre("x", "DTMF>N050 0 ", "OK ", kPrompt));

    output.lines.clear();
    port.answer = [](const std::string&) { return std::string("\n\n\nOK\r\n\n\nDTMF>"); };
    send("N1\n");
    EXPECT_THAT(output.lines, ElementsAre("OK ", kPrompt));

    output.lines = {kPrompt};
    port.answer = [](const std::string&) { return std::string("\n\n\n"); };
    port.reads.clear();
    send("N1\n");
    EXPECT_THAT(output.lines, ElementsAre(kPrompt));
}

TEST_F(ScriptedLink, TypedCommandIsCutAndTheLinkStaysUp)
{
    connectDirect();
    link.sendUserCommand(std::string(2000, 'N'));
    ASSERT_EQ(port.writes.size(), 1u);
    EXPECT_EQ(port.writes[0], std::string(1498, 'N') + "\r");
    EXPECT_THAT(texts(), ElementsAre(kResponseTimeout));
    EXPECT_TRUE(link.isConnected());
    EXPECT_GE(port.purges, 2);
}

} // namespace
} // namespace merix
