// The link over the network: to merix-sim's network controller, and to merix-sim's controller
// on a pseudo-terminal behind a real ser2net, raw and with RFC 2217.
#include "LinkDoubles.h"
#include "NetworkController.h"
#include "SimulatedController.h"
#include "link/ControllerLink.h"
#include "link/LinkMessages.h"
#include "link/SerialPortFactory.h"
#include "link/UploadJob.h"
#include "link/UploadSettings.h"
#include "tests/support/Ser2netProcess.h"
#include "tests/support/TempDir.h"

#include <atomic>
#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sstream>
#include <termios.h>
#include <thread>

namespace merix {
namespace {

using namespace linktext;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;
using Lines = std::vector<std::string>;

// A command file with every byte a line may carry, 0xFF (Telnet's IAC) among them.
Lines commandLines(int count) {
    Lines lines;
    for (int i = 0; i < count; ++i)
        lines.push_back("N020 " + std::to_string(100 + i % 900) + " 030 ;timer \xff\xfe" +
                        std::to_string(i));
    return lines;
}

std::string joined(const Lines& lines) {
    std::string text;
    for (const auto& l : lines)
        text += l + "\r\n";
    return text;
}

Lines fileLines(const std::string& path) {
    Lines lines;
    std::istringstream in(test::readWhole(path));
    for (std::string l; std::getline(in, l);)
        lines.push_back(l);
    return lines;
}

// One link on a port made from the endpoint, as the program makes it.
class NetworkLink {
  public:
    explicit NetworkLink(const std::string& endpoint, const std::string& baud = "9600") {
        PortMap ports;
        ports.setDevice(0, endpoint);
        link.setPortMap(ports);
        link.setTimings({300, 1000, 50, 2000, 300});
        settings.baudRate = baud;
        settings.uploadBefore = settings.uploadAfter = 0;
    }

    // The lines as a command file of their own, uploaded as they are.
    UploadOutcome upload(const Lines& lines) {
        test::writeWhole(dir.file("lines.CMD"), joined(lines));
        UploadJob job(link, clock);
        return job.run(otherFilesPlan({dir.file("lines.CMD")}, false));
    }

    test::TempDir dir;
    SteadyClock clock;
    test::RecordingOutput output;
    ControllerLink link{clock, output};
    UploadSettings settings;
};

termios attributesOf(const std::string& device) {
    termios t{};
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    EXPECT_GE(fd, 0);
    EXPECT_EQ(::tcgetattr(fd, &t), 0);
    ::close(fd);
    return t;
}

TEST(NetworkLink, WholeFileToTheSimulatorOnTheNetworkRawAndWithRfc2217) {
    for (const bool telnet : {false, true}) {
        SCOPED_TRACE(telnet ? "rfc2217" : "tcp");
        test::TempDir dir;
        sim::SimOptions options;
        options.log = dir.file("lines.log");
        test::NetworkController controller(telnet, dir.file("settings.log"), options);
        ASSERT_TRUE(controller.ok());
        // The IPv6 loopback where the machine has one, so the bracketed form is tried too.
        const bool ipv6 = test::listening(controller.port(), true);
        NetworkLink net(ipv6 ? controller.url("[::1]") : controller.url(), "4800");
        ASSERT_TRUE(net.link.connect(net.settings)) << net.output.lines.back();
        const Lines lines = commandLines(40);
        const UploadOutcome outcome = net.upload(lines);
        EXPECT_EQ(outcome.result, UploadResult::Completed);
        EXPECT_TRUE(outcome.messages.empty());
        EXPECT_EQ(outcome.linesSent, 40);
        net.link.disconnect();

        Lines expected{""};
        expected.insert(expected.end(), lines.begin(), lines.end());
        EXPECT_THAT(fileLines(dir.file("lines.log")), ElementsAreArray(expected));
        // The prompt, an answer and its OK per line, the closing lines and "Disconnected".
        EXPECT_EQ(net.output.lines.size(), 2 + 2 * lines.size() + 3);
        EXPECT_EQ(net.output.lines[2], "OK ");
        EXPECT_EQ(
            test::readWhole(dir.file("settings.log")),
            telnet
                ? "merix-sim: the client set 4800 baud\nmerix-sim: the client set 8 data bits\n"
                  "merix-sim: the client set parity none\nmerix-sim: the client set 1 stop bits\n"
                : "");
    }
}

// merix-sim's controller on a pseudo-terminal with ser2net in front of it.
class BehindSer2net : public ::testing::Test {
  protected:
    void start(bool rfc2217) {
        ser2net = std::make_unique<test::Ser2netProcess>(controller.device(), rfc2217, dir.path());
        ASSERT_TRUE(ser2net->running()) << "ser2net did not start (scripts/deps.sh installs it): "
                                        << test::readWhole(dir.file("ser2net.log"));
    }

    test::TempDir dir;
    test::SimulatedController controller;
    std::unique_ptr<test::Ser2netProcess> ser2net;
};

TEST_F(BehindSer2net, WholeFileRawAndTheRateTheClientSetAtThePty) {
    for (const bool rfc2217 : {false, true}) {
        SCOPED_TRACE(rfc2217 ? "rfc2217" : "tcp");
        start(rfc2217);
        const std::size_t before = controller.lines().size();
        NetworkLink net(ser2net->url(), "2400");
        ASSERT_TRUE(net.link.connect(net.settings)) << net.output.lines.back();
        // Raw TCP has no say in the line: ser2net's own 9600 stays.
        const termios line = attributesOf(controller.device());
        EXPECT_EQ(cfgetospeed(&line), rfc2217 ? B2400 : B9600);
        const Lines lines = commandLines(60);
        EXPECT_EQ(net.upload(lines).result, UploadResult::Completed);
        net.link.disconnect();

        Lines expected{""};
        expected.insert(expected.end(), lines.begin(), lines.end());
        const Lines got = controller.lines();
        EXPECT_THAT(Lines(got.begin() + static_cast<long>(before), got.end()),
                    ElementsAreArray(expected));
        EXPECT_EQ(net.output.lines.size(), 2 + 2 * lines.size() + 3);
        ser2net->stop();
    }
}

TEST_F(BehindSer2net, ServerGoneMidUploadStopsTheUploadAndSaysSo) {
    for (const bool rfc2217 : {false, true}) {
        SCOPED_TRACE(rfc2217 ? "rfc2217" : "tcp");
        start(rfc2217);
        const std::size_t before = controller.lines().size();
        NetworkLink net(ser2net->url());
        ASSERT_TRUE(net.link.connect(net.settings));
        std::atomic<bool> done{false};
        std::thread killer([&] {
            while (!done && controller.lines().size() < before + 10)
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            ser2net->stop(SIGKILL);
        });
        // A dropped connection ends the upload as a failed line does: said, and disconnected.
        const UploadOutcome outcome = net.upload(commandLines(5000));
        done = true;
        killer.join();
        EXPECT_EQ(outcome.result, UploadResult::Failed);
        ASSERT_FALSE(outcome.messages.empty());
        EXPECT_THAT(outcome.messages.front(),
                    ::testing::AnyOf(kReceiveError, kSendError, kNoResponse));
        EXPECT_FALSE(net.link.isConnected());
        // Closed, or reset when ser2net died with our bytes unread.
        const std::string dropped = net.link.portFailure();
        EXPECT_THAT(dropped, HasSubstr("The connection to " + ser2net->url() + " was dropped ("));
        // Each command has a line of its own in the file: the failed one is that line of it.
        ASSERT_GT(outcome.failedLine, 0);
        EXPECT_EQ(outcome.reason, dropped + "  The upload stopped at line " +
                                      std::to_string(outcome.failedLine) + " of " +
                                      net.dir.file("lines.CMD") + ".");
        EXPECT_EQ(outcome.messages.back(), outcome.reason);
        ASSERT_GE(net.output.lines.size(), 3u);
        EXPECT_EQ(Lines(net.output.lines.end() - 3, net.output.lines.end()),
                  (Lines{dropped, failedAt(outcome.failedLine, 5000), kDisconnected}));
        EXPECT_LT(controller.lines().size(), before + 1 + 5000);
    }
}

TEST_F(BehindSer2net, NobodyListeningAnyMoreIsARefusedConnection) {
    start(true);
    const std::string url = ser2net->url();
    ser2net->stop();
    NetworkLink net(url);
    EXPECT_FALSE(net.link.connect(net.settings));
    EXPECT_EQ(net.output.lines,
              (Lines{kUnableToConnect,
                     url + " refused the connection: is ser2net running on that port?"}));
    EXPECT_TRUE(net.link.takeMessages().empty());
}

} // namespace
} // namespace merix
