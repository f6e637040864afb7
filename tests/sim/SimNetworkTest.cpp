// merix-sim reached over the network, run as the program it is.
#include "link/Endpoint.h"
#include "link/SerialPortFactory.h"
#include "tests/support/TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace merix {
namespace {

using test::readWhole;
using test::TempDir;
using ::testing::StartsWith;

// merix-sim with its first line (the URL) read and its errors in a file; SIGTERM at the end.
class ListeningSim {
  public:
    ListeningSim(std::vector<std::string> args, const std::string& errors) {
        args.insert(args.begin(), MERIX_SIM);
        std::vector<char*> argv;
        for (auto& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        int out[2];
        if (::pipe(out) != 0)
            return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errors.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (posix_spawn(&m_pid, MERIX_SIM, &actions, nullptr, argv.data(), environ) != 0)
            m_pid = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(out[1]);
        for (char c; ::read(out[0], &c, 1) == 1 && c != '\n';)
            m_url.push_back(c);
        ::close(out[0]);
    }
    ~ListeningSim() { stop(); }

    // The exit status, or -1 when it did not exit by itself.
    int stop() {
        if (m_pid <= 0)
            return -1;
        ::kill(m_pid, SIGTERM);
        int status = 0;
        ::waitpid(m_pid, &status, 0);
        m_pid = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    const std::string& url() const { return m_url; }

  private:
    pid_t m_pid = -1;
    std::string m_url;
};

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
        ListeningSim sim({"--listen", scheme + ":0", "--log", dir.file("lines.log")},
                         dir.file("err.txt"));
        ASSERT_THAT(sim.url(), StartsWith(scheme + "://127.0.0.1:"));
        for (const char* baud : {"19200", "1200"}) {
            const auto endpoint = parseEndpoint(sim.url()).endpoint;
            ASSERT_TRUE(endpoint);
            const auto port = makeSerialPort(*endpoint);
            ASSERT_TRUE(port->open(sim.url()).ok());
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
        ListeningSim sim(args, dir.file("err.txt"));
        EXPECT_EQ(sim.url(), "");
        EXPECT_EQ(sim.stop(), 2);
        EXPECT_THAT(readWhole(dir.file("err.txt")), StartsWith("merix-sim: "));
    }

    ListeningSim first({"--listen", "tcp:0"}, dir.file("first.txt"));
    const std::string port = first.url().substr(first.url().rfind(':') + 1);
    ListeningSim second({"--listen", "rfc2217:" + port}, dir.file("second.txt"));
    EXPECT_EQ(second.url(), "");
    EXPECT_EQ(second.stop(), 1);
    EXPECT_EQ(readWhole(dir.file("second.txt")),
              "merix-sim: cannot listen on port " + port + ": Address already in use\n");
}

} // namespace
} // namespace merix
