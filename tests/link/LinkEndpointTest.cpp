// The link and the endpoints of the port map: a port made for each connect, endpoints that
// cannot be read, and Stop during a connect, scripted and on the network.
#include "LinkDoubles.h"
#include "LoopbackServer.h"
#include "NetworkController.h"
#include "link/ControllerLink.h"
#include "link/LinkMessages.h"
#include "link/StopRequest.h"
#include "link/TelnetCodec.h"
#include "link/UploadJob.h"
#include "link/UploadSettings.h"
#include "tests/support/TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

namespace merix {
namespace {

using namespace linktext;
using Lines = std::vector<std::string>;

std::string stoppedLine(const std::string& endpoint) {
    return "Connecting to " + endpoint + " was stopped.";
}

class EndpointLink : public ::testing::Test {
  protected:
    EndpointLink() {
        settings.phoneNumber = "555-1234";
        link.setStopRequest(&stop);
    }

    void useEndpoint(const std::string& endpoint) {
        PortMap ports;
        ports.setDevice(0, endpoint);
        link.setPortMap(ports);
    }

    test::FakeClock clock;
    test::FakeSerialPort port{clock};
    test::RecordingOutput output;
    std::vector<Endpoint> asked;
    ControllerLink link{clock, output, test::lend(port, &asked)};
    StopRequest stop;
    UploadSettings settings;
};

TEST_F(EndpointLink, EachConnectAsksTheFactoryForTheEndpointAsTyped) {
    struct Case {
        std::string typed;
        Endpoint endpoint;
    };
    for (const Case& c : {
             Case{"/dev/ttyUSB0", {Endpoint::Kind::Device, "/dev/ttyUSB0", "", 0}},
             Case{"TCP://site-3.example.org:2001",
                  {Endpoint::Kind::Tcp, "", "site-3.example.org", 2001}},
             Case{"rfc2217://[::1]:2002", {Endpoint::Kind::Rfc2217, "", "::1", 2002}},
         }) {
        SCOPED_TRACE(c.typed);
        asked.clear();
        useEndpoint(c.typed);
        for (int connection = 0; connection < 2; ++connection) {
            port.reads.push_back({true, "DTMF>"});
            ASSERT_TRUE(link.connect(settings));
            EXPECT_EQ(port.device, c.typed);
            EXPECT_EQ(link.connection().endpoint, c.typed);
            link.disconnect();
        }
        EXPECT_EQ(asked, (std::vector<Endpoint>{c.endpoint, c.endpoint}));
    }
}

TEST_F(EndpointLink, AnEndpointThatCannotBeReadNeverReachesAPort) {
    struct Case {
        std::string typed;
        std::string reason;
    };
    for (const Case& c : {
             Case{"", "No device is set for COM1."},
             Case{"tcp://controller", "tcp://controller has no port number: write it as in "
                                      "tcp://host:2000."},
             Case{"telnet://controller:23",
                  "telnet://controller:23: unknown kind of port \"telnet://\"; give a device "
                  "path, tcp://host:port or rfc2217://host:port."},
             Case{"rfc2217://controller:99999",
                  "rfc2217://controller:99999: the port must be a number from 1 to 65535."},
         }) {
        SCOPED_TRACE(c.typed);
        useEndpoint(c.typed);
        EXPECT_FALSE(link.connect(settings));
        EXPECT_EQ(output.lines, (Lines{kUnableToConnect, c.reason}));
        EXPECT_TRUE(link.takeMessages().empty());
        EXPECT_FALSE(link.hasError());
    }
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(port.device, "");
}

// A stop where the connect waits: before the port opened, for a modem's CONNECT, for the
// prompt. It ends at once, hangs a dialled modem up, closes, and tells no error.
TEST_F(EndpointLink, AStopEndsTheConnectWhereverItWaits) {
    struct Case {
        const char* what;
        ConnectionType type;
        std::string stopOn; // the write the stop comes with; empty: before the connect
        Lines writes;
        Lines lines;
    };
    const std::string stopped = stoppedLine("/dev/ttyS0");
    for (const Case& c : {
             Case{"before the open", ConnectionType::Direct, "", {}, {kUnableToConnect, stopped}},
             Case{"waiting for the prompt",
                  ConnectionType::Direct,
                  "\r",
                  {"\r"},
                  {kGetPrompt, kUnableToConnect, stopped}},
             Case{"waiting for the modem to connect",
                  ConnectionType::Modem,
                  "ATDT5551234\r",
                  {"ATDT5551234\r", "+++", "ATZ\r"},
                  {kDialing, "5551234", kDisconnecting, kDisconnected, kUnableToConnect, stopped}},
             Case{"waiting for the prompt through the modem",
                  ConnectionType::Modem,
                  "\r",
                  {"ATDT5551234\r", "\r", "+++", "ATZ\r"},
                  {kDialing, "5551234", kConnected, kGetPrompt, kDisconnecting, kDisconnected,
                   kUnableToConnect, stopped}},
         }) {
        SCOPED_TRACE(c.what);
        port.writes.clear();
        port.closes = 0;
        port.device.clear();
        stop.clear();
        if (c.stopOn.empty())
            stop.request();
        port.answer = [&](const std::string& written) -> std::string {
            if (written == c.stopOn)
                stop.request();
            if (written.starts_with("ATDT") && c.stopOn != written)
                return "CONNECT 9600\r\n";
            return written == "+++" || written == "ATZ\r" ? "OK" : "";
        };
        settings.connectionType = c.type;
        EXPECT_FALSE(link.connect(settings));
        EXPECT_EQ(port.writes, c.writes);
        EXPECT_EQ(output.lines, c.lines);
        EXPECT_TRUE(link.takeMessages().empty());
        EXPECT_FALSE(link.hasError());
        EXPECT_FALSE(link.isConnected());
        EXPECT_EQ(port.closes, c.stopOn.empty() ? 0 : 1);
        EXPECT_EQ(port.device, c.stopOn.empty() ? "" : "/dev/ttyS0");
    }
    // The request is the caller's to clear; then the next connect goes through.
    stop.clear();
    port.answer = nullptr;
    port.reads.push_back({true, "DTMF>"});
    settings.connectionType = ConnectionType::Direct;
    EXPECT_TRUE(link.connect(settings));
}

// A port that can say more than "a read failed" (a connection on the network that dropped)
// has its say, with the line of the file where the upload stopped; a local device has none.
TEST_F(EndpointLink, ADroppedConnectionSaysWhereInItsFileTheUploadStopped) {
    test::TempDir dir;
    const std::string file = dir.file("SITE.CMD");
    // Five lines go: N1, the long line in two pieces, N3 and N4; N3 stands on line 5.
    test::writeWhole(file,
                     ";site setup\r\nN1\r\n\r\nN2 " + std::string(2000, '7') + "\r\nN3\r\nN4\r\n");
    const std::string dropped =
        "The connection to tcp://repeater:2001 was dropped (closed by the far end).";
    for (const std::string& failure : {dropped, std::string()}) {
        SCOPED_TRACE(failure.empty() ? "local device" : "network");
        port.reads.push_back({true, "DTMF>"});
        ASSERT_TRUE(link.connect(settings));
        port.failure.clear();
        port.answer = [&](const std::string& written) -> std::string {
            if (written != "N3\r")
                return written + "\r\nOK\r\nDTMF>";
            port.failure = failure;
            port.reads.push_back({false, ""});
            return "";
        };
        UploadJob job(link, clock);
        const UploadOutcome outcome = job.run(otherFilesPlan({file}, true));
        port.answer = nullptr;

        EXPECT_EQ(outcome.result, UploadResult::Failed);
        EXPECT_EQ(outcome.linesSent, 3);
        EXPECT_EQ(outcome.failedLine, 4);
        const std::string where = dropped + "  The upload stopped at line 5 of " + file + ".";
        Lines messages{kReceiveError, kNoResponse};
        Lines closing{failedAt(4, 5), kDisconnected};
        if (!failure.empty()) {
            messages.push_back(where);
            closing.insert(closing.begin(), dropped);
        }
        EXPECT_EQ(outcome.messages, messages);
        EXPECT_EQ(outcome.reason, messages.back());
        ASSERT_GE(output.lines.size(), closing.size());
        EXPECT_EQ(Lines(output.lines.end() - static_cast<long>(closing.size()), output.lines.end()),
                  closing);
    }
}

// A server of the test that says when the client got as far as the stop is meant to come,
// and whether the client hung up afterwards.
struct Waypoints {
    std::atomic<bool> reached{false};
    std::atomic<bool> hungUp{false};

    void reachedAndWaitForHangUp(int fd) {
        reached = true;
        test::drainUntilClosed(fd);
        hungUp = true;
    }
};

bool waitFor(const std::atomic<bool>& flag) {
    for (int i = 0; i < 500 && !flag; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return flag;
}

// The waits of a connect over the network, each of which a server can stretch to the whole
// connect time-out (or the prompt's reads): Stop from another thread ends each at once, with
// the connection closed, and the same link connects afterwards as if nothing had happened.
TEST(NetworkConnectStop, StopEndsEveryWaitOfANetworkConnect) {
    using namespace telnet;
    struct Case {
        const char* what;
        const char* scheme;
        std::function<void(int, Waypoints&)> server; // none: nobody ever answers the connect
    };
    const auto agreeThenSilence = [](int fd, Waypoints& w) {
        test::receiveUntil(fd, test::bytes({kIac, kWill, kComPort}));
        test::sendAll(fd, test::bytes({kIac, kDo, kComPort}));
        std::string requests;
        while (std::count(requests.begin(), requests.end(), static_cast<char>(kSe)) < 4) {
            const std::string more = test::receiveSome(fd);
            if (more.empty())
                return;
            requests += more;
        }
        w.reachedAndWaitForHangUp(fd);
    };
    for (const Case& c : {
             Case{"the TCP connect", "tcp", nullptr},
             Case{"the TCP connect of RFC 2217", "rfc2217", nullptr},
             Case{"the Telnet negotiation", "rfc2217",
                  [](int fd, Waypoints&w) { w.reachedAndWaitForHangUp(fd); }},
             Case{"the server's answer to the line settings", "rfc2217", agreeThenSilence},
             Case{"the prompt", "tcp",
                  [](int fd, Waypoints&w) {
                      test::receiveUntil(fd, "\r");
                      w.reachedAndWaitForHangUp(fd);
                  }},
         }) {
        SCOPED_TRACE(c.what);
        Waypoints waypoints;
        std::unique_ptr<test::LoopbackServer> server =
            c.server
                ? std::make_unique<test::LoopbackServer>([&](int fd) { c.server(fd, waypoints); })
                : std::make_unique<test::LoopbackServer>();
        const std::string url = server->url(c.scheme);
        SteadyClock clock;
        test::RecordingOutput output;
        ControllerLink link(clock, output);
        StopRequest stop;
        link.setStopRequest(&stop);
        link.setTimings({300, 1000, 50, 2000, 300});
        PortMap ports;
        ports.setDevice(0, url);
        link.setPortMap(ports);

        std::thread stopper([&] {
            // A connect nobody answers gives no sign: it has long begun after a moment.
            if (c.server)
                waitFor(waypoints.reached);
            else
                std::this_thread::sleep_for(std::chrono::milliseconds(200));
            stop.request();
        });
        EXPECT_FALSE(link.connect(UploadSettings{}));
        stopper.join();
        ASSERT_GE(output.lines.size(), 2u);
        EXPECT_EQ(Lines(output.lines.end() - 2, output.lines.end()),
                  (Lines{kUnableToConnect, stoppedLine(url)}));
        EXPECT_TRUE(link.takeMessages().empty());
        if (c.server) {
            EXPECT_TRUE(waitFor(waypoints.hungUp));
        }

        // The next connect gets a port of its own: the stopped one stays stopped.
        test::TempDir dir;
        test::NetworkController controller(std::string(c.scheme) == "rfc2217",
                                           dir.file("settings.log"));
        ports.setDevice(0, controller.url());
        link.setPortMap(ports);
        stop.clear();
        EXPECT_TRUE(link.connect(UploadSettings{})) << output.lines.back();
        link.disconnect();
    }
}

} // namespace
} // namespace merix
