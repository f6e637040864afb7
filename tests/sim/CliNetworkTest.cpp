// merix-cli send and upload to a controller on the network: merix-sim listening raw and with
// RFC 2217, a refused connection, a modem behind a network port, and Ctrl-C while a connect
// waits for an answer that never comes.
#include "tests/link/LoopbackServer.h"
#include "tests/sim/CliSupport.h"
#include "tests/support/Ser2netProcess.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <functional>
#include <regex>
#include <thread>

namespace merix {
namespace {

using test::cli;
using test::CliProcess;
using test::CliRun;
using test::readWhole;
using test::SimProcess;
using test::TempDir;
using test::writeWhole;
using ::testing::StartsWith;

const char* const kProbe = "N050 0;voice off\r\n\r\nN020 005 030\r\n";
const char* const kProbeOutput = "Get DTMF prompt\n"
                                 "DTMF>N050 0 \n"
                                 "OK \n"
                                 "DTMF>N020 005 030 \n"
                                 "OK \n"
                                 "DTMF>\n"
                                 "Finished Upload\n"
                                 "DTMF>\n"
                                 "Disconnected\n";

bool waitFor(const std::function<bool()>& ready) {
    for (int i = 0; i < 1000; ++i) {
        if (ready())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

// The program has a socket open: its connect has begun.
bool hasSocket(pid_t pid) {
    std::error_code ec;
    for (const auto& fd :
         std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/fd", ec)) {
        const auto target = std::filesystem::read_symlink(fd.path(), ec);
        if (!ec && target.string().starts_with("socket:"))
            return true;
    }
    return false;
}

TEST(MerixCliNetwork, SendAndUploadRawAndWithRfc2217) {
    for (const std::string scheme : {"tcp", "rfc2217"}) {
        SCOPED_TRACE(scheme);
        TempDir dir;
        const std::string cats = dir.file("catalogs");
        std::filesystem::copy(MERIX_SAMPLE_CATALOGS, cats);
        const std::string doc = dir.file("SITE.mrx");
        ASSERT_EQ(cli(dir, {"new", doc, "--catalogs", cats}).status, 0);
        SimProcess sim({"--listen", scheme + ":0", "--log", dir.file("sim.log")});
        const std::string url = sim.device();
        ASSERT_THAT(url, StartsWith(scheme + "://127.0.0.1:"));

        writeWhole(dir.file("probe.cmd"), kProbe);
        CliRun r = cli(dir, {"send", dir.file("probe.cmd"), "--device", url, "--baud", "2400"});
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, kProbeOutput);
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(readWhole(dir.file("sim.log")), "\nN050 0\nN020 005 030\n");

        r = cli(dir, {"upload", doc, "--catalogs", cats, "--device", url, "--option", "all"});
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_THAT(r.out, ::testing::EndsWith("Finished Upload\nDTMF>\nDisconnected\n"));
        EXPECT_EQ(readWhole(dir.file("SITE.REF")), readWhole(doc));
        // The history names the endpoint as the device.
        const CliRun history = cli(dir, {"history", doc});
        std::smatch m;
        ASSERT_TRUE(std::regex_match(
            history.out, m, std::regex("[0-9T:+-]+ completed ([0-9]+)/([0-9]+) all (.*)\n")))
            << history.out;
        EXPECT_EQ(m.str(1), m.str(2));
        EXPECT_EQ(m.str(3), url);
    }
}

TEST(MerixCliNetwork, ARefusedConnectionNamesTheEndpoint) {
    TempDir dir;
    writeWhole(dir.file("probe.cmd"), kProbe);
    for (const std::string scheme : {"tcp", "rfc2217"}) {
        const std::string url = scheme + "://127.0.0.1:" + std::to_string(test::freeLoopbackPort());
        SCOPED_TRACE(url);
        const CliRun r = cli(dir, {"send", dir.file("probe.cmd"), "--device", url});
        const std::string said = "Unable to Connect\n" + url +
                                 " refused the connection: is ser2net running on "
                                 "that port?\n";
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, said);
        EXPECT_EQ(r.err, said);
    }
    const CliRun malformed = cli(dir, {"send", dir.file("probe.cmd"), "--device", "tcp://site"});
    EXPECT_EQ(malformed.status, 1);
    EXPECT_EQ(malformed.err, "Unable to Connect\ntcp://site has no port number: write it as in "
                             "tcp://host:2000.\n");
}

TEST(MerixCliNetwork, AModemBehindANetworkPortDialsAndHangsUp) {
    TempDir dir;
    SimProcess sim({"--listen", "tcp:0", "--modem", "--connect-delay", "100", "--guard", "100",
                    "--log", dir.file("sim.log")});
    writeWhole(dir.file("probe.cmd"), kProbe);
    const CliRun r = cli(dir, {"send", dir.file("probe.cmd"), "--device", sim.device(), "--modem",
                               "--phone", "(555) 123-4567"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, std::string("Dialing\n5551234567\nConnected\n") +
                         std::string(kProbeOutput)
                             .substr(0, std::strlen(kProbeOutput) - std::strlen("Disconnected\n")) +
                         "Disconnecting\nDisconnected\nDisconnected\n");
    EXPECT_EQ(readWhole(dir.file("sim.log")), "ATDT5551234567\n\nN050 0\nN020 005 030\n+++\nATZ\n");
}

// Ctrl-C while the connect waits: for a TCP connect nobody answers (the server's queue is
// full) and for a Telnet server that never negotiates. The program ends at once with the
// stop said, not after the connect time-out, and the connection is gone.
TEST(MerixCliNetwork, CtrlCEndsAConnectThatGetsNoAnswer) {
    TempDir dir;
    writeWhole(dir.file("probe.cmd"), kProbe);
    struct Case {
        const char* scheme;
        bool accepts;
    };
    for (const Case& c : {Case{"tcp", false}, Case{"rfc2217", true}}) {
        SCOPED_TRACE(c.scheme);
        std::atomic<bool> accepted{false};
        std::atomic<bool> hungUp{false};
        std::unique_ptr<test::LoopbackServer> server =
            c.accepts ? std::make_unique<test::LoopbackServer>([&](int fd) {
                accepted = true;
                test::drainUntilClosed(fd);
                hungUp = true;
            })
                      : std::make_unique<test::LoopbackServer>();
        const std::string url = server->url(c.scheme);
        CliProcess send(dir, {"send", dir.file("probe.cmd"), "--device", url});
        ASSERT_TRUE(send.started());
        ASSERT_TRUE(waitFor([&] { return c.accepts ? accepted.load() : hasSocket(send.pid()); }));
        send.signal(SIGINT);
        EXPECT_EQ(send.wait(), 130);
        const std::string said = "Unable to Connect\nConnecting to " + url + " was stopped.\n";
        EXPECT_EQ(readWhole(dir.file("out.txt")), said);
        EXPECT_EQ(readWhole(dir.file("err.txt")), said);
        if (c.accepts) {
            EXPECT_TRUE(waitFor([&] { return hungUp.load(); }));
        }
    }
}

} // namespace
} // namespace merix
