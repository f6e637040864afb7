// merix-cli send with standard error on a terminal: the progress line a user watches, and the
// controller's lines around it when both share the terminal.
#include "tests/sim/CliSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <poll.h>
#include <regex>

namespace merix {
namespace {

using test::SimProcess;
using test::TempDir;

struct TerminalRun {
    int status = -1;
    std::string terminal; // what the terminal received
};

// merix-cli with standard error on a new pseudo-terminal, and standard output there too or
// in out.txt.
TerminalRun runOnTerminal(const TempDir& dir, std::vector<std::string> words, bool outputToo) {
    TerminalRun run;
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0)
        return run;
    const std::string slave = ::ptsname(master);
    // Held open here too, so the master never reads as hung up while merix-cli starts or ends.
    const int held = ::open(slave.c_str(), O_RDWR | O_NOCTTY);

    words.insert(words.begin(), MERIX_CLI);
    std::vector<char*> argv;
    for (auto& w : words)
        argv.push_back(w.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, slave.c_str(), O_RDWR | O_NOCTTY, 0);
    if (outputToo)
        posix_spawn_file_actions_adddup2(&actions, STDERR_FILENO, STDOUT_FILENO);
    else
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, dir.file("out.txt").c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = -1;
    const bool spawned = posix_spawn(&pid, MERIX_CLI, &actions, nullptr, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&actions);

    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    bool exited = !spawned;
    int status = 0;
    while (std::chrono::steady_clock::now() < limit) {
        pollfd p{master, POLLIN, 0};
        if (::poll(&p, 1, 100) > 0 && (p.revents & POLLIN)) {
            char buffer[4096];
            const ssize_t n = ::read(master, buffer, sizeof buffer);
            if (n > 0) {
                run.terminal.append(buffer, static_cast<std::size_t>(n));
                continue;
            }
        }
        // Exited, and nothing more came within a poll: all it wrote is read.
        if (exited)
            break;
        exited = ::waitpid(pid, &status, WNOHANG) == pid;
    }
    if (!exited) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, &status, 0);
    }
    if (spawned && WIFEXITED(status))
        run.status = WEXITSTATUS(status);
    ::close(held);
    ::close(master);
    return run;
}

// The terminal's text without the progress line: every redraw and every erase of it.
std::string withoutProgress(const std::string& terminal) {
    static const std::regex progress("\r(Line [^\r\n\x1b]*)?\x1b\\[K");
    return std::regex_replace(terminal, progress, "");
}

TEST(CliProgressOnATerminal, OneLineRedrawnInPlaceAndTakenAwayAtTheEnd) {
    TempDir dir;
    std::string commands = ";forty timers\r\n";
    for (int i = 0; i < 40; ++i)
        commands += "N020 " + std::to_string(100 + i) + " 030 ;timer\r\n";
    test::writeWhole(dir.file("a.cmd"), commands);

    std::string alone; // the controller's lines when only standard error is the terminal
    for (const bool outputToo : {false, true}) {
        SCOPED_TRACE(outputToo ? "standard output on the terminal too" : "standard error only");
        // At 9600 baud the forty lines take over a second: long enough for a rate to show.
        SimProcess sim({"--baud", "9600"});
        const TerminalRun run =
            runOnTerminal(dir, {"send", dir.file("a.cmd"), "--device", sim.device()}, outputToo);
        ASSERT_EQ(run.status, 0) << run.terminal;
        const std::string& t = run.terminal;

        EXPECT_NE(t.find("\rLine 0 of 40 (0%)\x1b[K"), std::string::npos) << t;
        EXPECT_TRUE(std::regex_search(
            t, std::regex("\rLine [0-9]+ of 40 \\([0-9]+%\\), [0-9]+\\.[0-9] lines/s, about "
                          "[0-9]+ s left\x1b\\[K")))
            << t;
        EXPECT_NE(t.find("\rLine 40 of 40 (100%)"), std::string::npos) << t;
        // The last drawing of the line is erased: the terminal is left without it.
        EXPECT_GT(t.rfind("\r\x1b[K"), t.rfind("\rLine ")) << t;

        if (!outputToo) {
            alone = test::readWhole(dir.file("out.txt"));
            EXPECT_THAT(alone, ::testing::EndsWith("Finished Upload\nDTMF>\nDisconnected\n"));
            // The progress is on the terminal only; the redirected output holds none of it.
            EXPECT_EQ(alone.find('\x1b'), std::string::npos);
            EXPECT_EQ(withoutProgress(t), "");
        } else {
            // Each of the controller's lines lands whole on a line of its own, the progress line
            // erased before it and drawn again below it (the terminal turns \n into \r\n).
            EXPECT_EQ(withoutProgress(t), std::regex_replace(alone, std::regex("\n"), "\r\n"));
        }
    }
}

} // namespace
} // namespace merix
