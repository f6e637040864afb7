// The ports on the network against servers of the test and merix-sim's network controller.
#include "LoopbackServer.h"
#include "link/NetworkFailures.h"
#include "link/Rfc2217SerialPort.h"
#include "link/SerialDevices.h"
#include "link/TcpSerialPort.h"
#include "link/TelnetCodec.h"
#include "tests/support/Ser2netProcess.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <thread>

namespace merix {
namespace {

using namespace telnet;
using test::bytes;
using test::LoopbackServer;
using test::receiveUntil;

PortConfig quick(LineSettings line = {}) {
    PortConfig c;
    c.readTimeoutMs = c.writeTimeoutMs = 100;
    c.line = line;
    return c;
}

// Reads until the text has come or a few read time-outs brought nothing.
std::string readUntil(SerialPort& port, const std::string& end) {
    std::string got;
    char buffer[1000];
    for (int silent = 0; got.find(end) == std::string::npos && silent < 20;) {
        const Transfer r = port.read(buffer, sizeof buffer);
        if (!r.ok)
            break;
        silent += r.count == 0;
        got.append(buffer, r.count);
    }
    return got;
}

TEST(NetworkPort, OpenFailuresAreTypedAndSayWhatToDo) {
    LoopbackServer hanging; // its queue is full: a connect gets no answer
    const std::string refused = "://127.0.0.1:" + std::to_string(test::freeLoopbackPort());
    const std::string longName = std::string(64, 'a') + ".invalid"; // refused before any query
    struct Case {
        const char* what;
        std::function<std::unique_ptr<SerialPort>()> make;
        std::string endpoint;
        OpenError error;
        std::string reason;
    };
    const auto tcp = [] { return std::make_unique<TcpSerialPort>(200); };
    const auto rfc = [] { return std::make_unique<Rfc2217SerialPort>(200); };
    for (const Case& c : {
             Case{"refused", tcp, "tcp" + refused, OpenError::ConnectionRefused,
                  "tcp" + refused + " refused the connection: is ser2net running on that port?"},
             {"refused", rfc, "rfc2217" + refused, OpenError::ConnectionRefused,
              "rfc2217" + refused + " refused the connection: is ser2net running on that port?"},
             {"no such host", tcp, "tcp://" + longName + ":2000", OpenError::HostNotFound,
              "Host not found for tcp://" + longName +
                  ":2000: check the name, or give its address."},
             {"no answer", tcp, hanging.url("tcp"), OpenError::ConnectTimeout,
              "No answer from " + hanging.url("tcp") +
                  " within 10 s: is the host up, and the port open to us?"},
             {"malformed", tcp, "tcp://site", OpenError::BadEndpoint,
              "tcp://site has no port number: write it as in tcp://host:2000."},
             {"wrong kind", tcp, "rfc2217://127.0.0.1:1", OpenError::BadEndpoint,
              "rfc2217://127.0.0.1:1 is not a tcp:// address."},
             {"wrong kind", rfc, "/dev/ttyS0", OpenError::BadEndpoint,
              "/dev/ttyS0 is not a rfc2217:// address."},
         }) {
        SCOPED_TRACE(std::string(c.what) + " " + c.endpoint);
        const auto port = c.make();
        const OpenResult r = port->open(c.endpoint);
        EXPECT_EQ(r.error, c.error);
        EXPECT_FALSE(port->isOpen());
        EXPECT_EQ(openFailureReason(r, c.endpoint, {}), c.reason);
    }
}

// Stop while connecting: to a host that does not answer, and to a server that never
// negotiates. A stopped port stays stopped.
TEST(NetworkPort, InterruptEndsAWaitingOpenAndEveryLaterOne) {
    LoopbackServer hanging;
    LoopbackServer silent([](int fd) { test::drainUntilClosed(fd); });
    struct Case {
        std::unique_ptr<SerialPort> port;
        std::string endpoint;
    };
    Case cases[] = {{std::make_unique<TcpSerialPort>(60000), hanging.url("tcp")},
                    {std::make_unique<Rfc2217SerialPort>(60000), silent.url("rfc2217")}};
    for (Case& c : cases) {
        SCOPED_TRACE(c.endpoint);
        std::thread stop([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            c.port->interrupt();
        });
        const OpenResult r = c.port->open(c.endpoint);
        stop.join();
        EXPECT_EQ(r.error, OpenError::Stopped);
        EXPECT_EQ(openFailureReason(r, c.endpoint, {}),
                  "Connecting to " + c.endpoint + " was stopped.");
        EXPECT_EQ(c.port->open(c.endpoint).error, OpenError::Stopped);
    }
}

TEST(TcpSerialPort, CarriesTheBytesAsTheyAreAndReportsTheFarEndClosing) {
    LoopbackServer server([&](int fd) {
        if (receiveUntil(fd, "\r") == bytes({'N', 0xff, '\r'}))
            test::sendAll(fd, bytes({'O', 'K', 0xff, 0, '\r', '\n', 'D', 'T', 'M', 'F', '>'}));
        test::receiveSome(fd); // the client's "bye": then the server hangs up
    });
    TcpSerialPort port;
    ASSERT_TRUE(port.open(server.url("tcp")).ok());
    EXPECT_EQ(port.configure(quick({0, 8, Parity::None, 1})), ConfigureResult::BadSettings);
    EXPECT_EQ(port.configure(quick({1234567, 8, Parity::None, 1})),
              ConfigureResult::Ok); // the server's rate holds
    const Transfer w = port.write(bytes({'N', 0xff, '\r'}));
    EXPECT_TRUE(w.ok);
    EXPECT_EQ(w.count, 3u);
    EXPECT_EQ(readUntil(port, "DTMF>"),
              bytes({'O', 'K', 0xff, 0, '\r', '\n', 'D', 'T', 'M', 'F', '>'}));
    char buffer[16];
    const Transfer quiet = port.read(buffer, sizeof buffer);
    EXPECT_TRUE(quiet.ok);
    EXPECT_EQ(quiet.count, 0u);
    EXPECT_EQ(port.failureReason(), "");

    port.write("bye\r"); // the server's last receive: it hangs up
    EXPECT_EQ(readUntil(port, "never"), "");
    EXPECT_FALSE(port.read(buffer, sizeof buffer).ok);
    EXPECT_FALSE(port.write("N1\r").ok);
    EXPECT_EQ(port.failureReason(),
              "The connection to " + server.url("tcp") + " was dropped (closed by the far end).");
    port.close();
    EXPECT_FALSE(port.isOpen());
}

// An RFC 2217 server that agrees to the option and then answers the line requests with
// `answer` (given the requests) once all four have come.
LoopbackServer::Script agreeingServer(std::function<std::string(const std::string&)> answer) {
    return [answer](int fd) {
        receiveUntil(fd, bytes({kIac, kWill, kComPort}));
        test::sendAll(fd, bytes({kIac, kDo, kComPort}));
        std::string requests;
        while (std::count(requests.begin(), requests.end(), static_cast<char>(kSe)) < 4) {
            const std::string more = test::receiveSome(fd);
            if (more.empty())
                return;
            requests += more;
        }
        test::sendAll(fd, answer(requests));
        test::drainUntilClosed(fd);
    };
}

std::string lineReply(int command, const std::string& value) {
    return TelnetCodec::subnegotiation(kComPort, static_cast<char>(command + 100) + value);
}

// Until the client hangs up.
void floodWithNops(int fd) {
    std::string noise;
    for (int i = 0; i < 512; ++i)
        noise += bytes({kIac, 241});
    while (::send(fd, noise.data(), noise.size(), MSG_NOSIGNAL) > 0) {
    }
}

TEST(Rfc2217SerialPort, ServersThatRefuseOrFailAreToldApart) {
    struct Case {
        const char* what;
        LoopbackServer::Script server;
        OpenError openError;
        std::string reason; // with P for the port
        ConfigureResult configured = ConfigureResult::CannotApply;
    };
    const auto echoOf = [](const std::string& requests, int command) {
        const auto at = requests.find(bytes({kIac, kSb, kComPort, command}));
        return requests.substr(at + 4, command == 1 ? 4 : 1);
    };
    for (Case& c : std::vector<Case>{
             {"refuses the option",
              [](int fd) {
                  receiveUntil(fd, bytes({kIac, kWill, kComPort}));
                  test::sendAll(fd, bytes({kIac, kDo, kBinary, kIac, kDont, kComPort}));
                  test::drainUntilClosed(fd);
              },
              OpenError::NoPortControl,
              "rfc2217://127.0.0.1:P refused serial port control (RFC 2217): if it is a raw TCP "
              "port, "
              "use tcp://127.0.0.1:P."},
             {"speaks no Telnet", [](int fd) { test::drainUntilClosed(fd); },
              OpenError::NoTelnetAnswer,
              "rfc2217://127.0.0.1:P did not answer as a Telnet server: if it is a raw TCP port, "
              "use "
              "tcp://127.0.0.1:P."},
             {"talks nothing but Telnet NOPs", [](int fd) { floodWithNops(fd); },
              OpenError::NoTelnetAnswer,
              "rfc2217://127.0.0.1:P did not answer as a Telnet server: if it is a raw TCP port, "
              "use "
              "tcp://127.0.0.1:P."},
             {"hangs up at once, as ser2net on a busy port",
              [](int fd) { test::sendAll(fd, "Port's device already in use\r\n"); },
              OpenError::ConnectionDropped,
              "rfc2217://127.0.0.1:P closed the connection at once: is its serial port in use by "
              "someone else?"},
             {"sets another rate than asked", agreeingServer([&](const std::string& r) {
                  return lineReply(1, bytes({0, 0, 0x25, 0x80})) + lineReply(2, echoOf(r, 2)) +
                         lineReply(3, echoOf(r, 3)) + lineReply(4, echoOf(r, 4));
              }),
              OpenError::None, ""},
             {"never answers the line requests",
              agreeingServer([](const std::string&) { return ""; }), OpenError::None, ""},
             {"answers every request, among notices", agreeingServer([&](const std::string& r) {
                  return lineReply(7, bytes({0x30})) + "DTMF>" + lineReply(4, echoOf(r, 4)) +
                         lineReply(3, echoOf(r, 3)) + lineReply(2, echoOf(r, 2)) +
                         lineReply(1, echoOf(r, 1));
              }),
              OpenError::None, "", ConfigureResult::Ok},
         }) {
        SCOPED_TRACE(c.what);
        LoopbackServer server(c.server);
        Rfc2217SerialPort port(300);
        const std::string endpoint = server.url("rfc2217");
        const OpenResult r = port.open(endpoint);
        EXPECT_EQ(r.error, c.openError);
        if (!r.ok()) {
            std::string reason = c.reason;
            for (std::size_t at; (at = reason.find(":P")) != std::string::npos;)
                reason.replace(at, 2, ":" + std::to_string(server.port()));
            EXPECT_EQ(openFailureReason(r, endpoint, {}), reason);
            EXPECT_FALSE(port.isOpen());
        } else {
            EXPECT_EQ(port.configure(quick({2400, 7, Parity::Odd, 2})), c.configured);
            // Data that came among the answers is kept for the reader.
            if (c.configured == ConfigureResult::Ok) {
                EXPECT_EQ(readUntil(port, "DTMF>"), "DTMF>");
            }
        }
        port.close();
    }
}

} // namespace
} // namespace merix
