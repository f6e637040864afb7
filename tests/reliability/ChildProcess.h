#pragma once

#include <csignal>
#include <cstdlib>
#include <functional>
#include <grp.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace merix::test {

// What to take away from the child before it runs the code under test.
struct ChildLimits {
    bool dropPrivileges = false; // root becomes nobody, so folder permissions bind
    long fileSizeLimit = -1;     // bytes a file may grow to, as with ulimit -f
};

struct ChildOutcome {
    bool ran = false;        // the child got to the code and came back normally
    std::string setupError;  // why the child could not be set up (privileges, limits)
    std::string result;      // what the code under test returned
};

inline constexpr uid_t kNobody = 65534;

// Runs body in a forked child under the limits and hands back the text it returns. The
// limits stay in the child; the test process keeps its own rights and file size.
inline ChildOutcome runInChild(const ChildLimits& limits, const std::function<std::string()>& body)
{
    int fds[2];
    if (::pipe(fds) != 0)
        return {false, "pipe failed", {}};
    const pid_t pid = ::fork();
    if (pid < 0)
        return {false, "fork failed", {}};
    if (pid == 0) {
        ::close(fds[0]);
        auto report = [&](char kind, const std::string& text) {
            const std::string out = kind + text;
            [[maybe_unused]] ssize_t n = ::write(fds[1], out.data(), out.size());
            ::_exit(0);
        };
        if (limits.fileSizeLimit >= 0) {
            // A write past the limit then fails with EFBIG instead of killing the child.
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit lim{static_cast<rlim_t>(limits.fileSizeLimit), static_cast<rlim_t>(limits.fileSizeLimit)};
            if (::setrlimit(RLIMIT_FSIZE, &lim) != 0)
                report('!', "setrlimit failed");
        }
        if (limits.dropPrivileges && ::geteuid() == 0) {
            if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
                report('!', "cannot drop root privileges");
        }
        report('=', body());
    }
    ::close(fds[1]);
    std::string received;
    char buf[512];
    for (ssize_t n; (n = ::read(fds[0], buf, sizeof buf)) != 0;) {
        if (n < 0)
            break;
        received.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    ChildOutcome outcome;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || received.empty())
        outcome.setupError = "the child did not finish normally";
    else if (received[0] == '!')
        outcome.setupError = received.substr(1);
    else {
        outcome.ran = true;
        outcome.result = received.substr(1);
    }
    return outcome;
}

} // namespace merix::test
