// merix-sim reached over the network, run as the program it is.
#include "link/Endpoint.h"
#include "link/SerialPortFactory.h"
#include "tests/sim/CliSupport.h"
#include "tests/support/TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace merix {
namespace {

using test::readWhole;
using test::SimProcess;
using test::TempDir;
using ::testing::StartsWith;

std::string exchange(SerialPort& port, const std::string& line) {
    port.write(line);
    std::string got;
    char buffer[256];
    for (int reads = 0; got.find("DTMF>") == std::string::npos && reads < 20; ++reads) {
        const Transfer r = port.read(buffer, sizeof buffer);
        if (!r.ok)
            break;
        got.append(buffer, r.count);
    }
    return got;
}

TEST(MerixSimListen, AnswersClientsOneAfterTheOtherRawAndWithRfc2217) {
    for (const bool rfc2217 : {false, true}) {
        SCOPED_TRACE(rfc2217 ? "rfc2217" : "tcp");
        TempDir dir;
        const std::string scheme = rfc2217 ? "rfc2217" : "tcp";
        SimProcess sim({"--listen", scheme + ":0", "--log", dir.file("lines.log")},
                       dir.file("err.txt"));
        ASSERT_THAT(sim.device(), StartsWith(scheme + "://127.0.0.1:"));
        for (const char* baud : {"19200", "1200"}) {
            const auto endpoint = parseEndpoint(sim.device()).endpoint;
            ASSERT_TRUE(endpoint);
            const auto port = makeSerialPort(*endpoint);
            ASSERT_TRUE(port->open(sim.device()).ok());
            PortConfig config;
            config.readTimeoutMs = 200;
            config.line = controllerLineSettings(baud);
            ASSERT_EQ(port->configure(config), ConfigureResult::Ok);
            EXPECT_EQ(exchange(*port, "\r"), "DTMF>");
            EXPECT_EQ(exchange(*port, "N1 \xff\r"), "N1 \xff\r\nOK\r\nDTMF>");
        }
        EXPECT_EQ(sim.stop(), 0);
        EXPECT_EQ(readWhole(dir.file("lines.log")), "\nN1 \xff\n\nN1 \xff\n");
        const std::string settings =
            "merix-sim: the client set 8 data bits\nmerix-sim: the client set "
            "parity none\nmerix-sim: the client set 1 stop bits\n";
        EXPECT_EQ(readWhole(dir.file("err.txt")),
                  rfc2217 ? "merix-sim: the client set 19200 baud\n" + settings +
                                "merix-sim: the client set 1200 baud\n" + settings
                          : "");
    }
}

TEST(MerixSimListen, UsageErrorsAndAPortInUse) {
    TempDir dir;
    for (const auto& args :
         std::vector<std::vector<std::string>>{{"--listen", "udp:2000"},
                                               {"--listen", "tcp:65536"},
                                               {"--listen", "tcp:"},
                                               {"--listen", "rfc2217:x"},
                                               {"--listen", "tcp:0", "--link", dir.file("tty")},
                                               {"--listen"}}) {
        SCOPED_TRACE(args[args.size() > 1 ? 1 : 0]);
        SimProcess sim(args, dir.file("err.txt"));
        EXPECT_EQ(sim.device(), "");
        EXPECT_EQ(sim.stop(), 2);
        EXPECT_THAT(readWhole(dir.file("err.txt")), StartsWith("merix-sim: "));
    }

    SimProcess first({"--listen", "tcp:0"}, dir.file("first.txt"));
    const std::string port = first.device().substr(first.device().rfind(':') + 1);
    SimProcess second({"--listen", "rfc2217:" + port}, dir.file("second.txt"));
    EXPECT_EQ(second.device(), "");
    EXPECT_EQ(second.stop(), 1);
    EXPECT_EQ(readWhole(dir.file("second.txt")),
              "merix-sim: cannot listen on port " + port + ": Address already in use\n");
}

} // namespace
} // namespace merix
