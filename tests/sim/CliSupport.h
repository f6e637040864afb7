#pragma once

#include "tests/support/TempDir.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace merix::test {

// merix-sim started as a user starts it, its first line (the device path or the URL it
// listens on) read, and its errors in a file when one is named; SIGTERM at the end.
class SimProcess {
  public:
    explicit SimProcess(std::vector<std::string> args, const std::string& errors = {}) {
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
        if (!errors.empty())
            posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errors.c_str(),
                                             O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (posix_spawn(&m_pid, MERIX_SIM, &actions, nullptr, argv.data(), environ) != 0)
            m_pid = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(out[1]);
        char c;
        while (::read(out[0], &c, 1) == 1 && c != '\n')
            m_device.push_back(c);
        ::close(out[0]);
    }
    ~SimProcess() { stop(); }

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
    const std::string& device() const { return m_device; }

  private:
    pid_t m_pid = -1;
    std::string m_device;
};

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

inline CliRun cli(const TempDir& dir, const std::vector<std::string>& words) {
    std::string command = "'" MERIX_CLI "'";
    for (const std::string& w : words)
        command += " '" + w + "'";
    command += " >'" + dir.file("out.txt") + "' 2>'" + dir.file("err.txt") + "'";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readWhole(dir.file("out.txt")),
            readWhole(dir.file("err.txt"))};
}

// merix-cli running beside the test, its output going to out.txt and err.txt in dir.
class CliProcess {
  public:
    CliProcess(const TempDir& dir, std::vector<std::string> words) {
        words.insert(words.begin(), MERIX_CLI);
        std::vector<char*> argv;
        for (auto& w : words)
            argv.push_back(w.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, dir.file("out.txt").c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, dir.file("err.txt").c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (posix_spawn(&m_pid, MERIX_CLI, &actions, nullptr, argv.data(), environ) != 0)
            m_pid = -1;
        posix_spawn_file_actions_destroy(&actions);
    }
    ~CliProcess() {
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            wait();
        }
    }
    CliProcess(const CliProcess&) = delete;
    CliProcess& operator=(const CliProcess&) = delete;

    bool started() const { return m_pid > 0; }
    pid_t pid() const { return m_pid; }
    void signal(int sig) const { ::kill(m_pid, sig); }
    // The exit status, or 1000 + the signal that ended it.
    int wait() {
        int status = 0;
        ::waitpid(m_pid, &status, 0);
        m_pid = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 1000 + WTERMSIG(status);
    }

  private:
    pid_t m_pid = -1;
};

} // namespace merix::test
