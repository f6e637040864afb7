// merix-sim: a MERIX controller on a pseudo-terminal or a TCP port, for trying uploads
// without hardware.
#include "MerixVersion.h"
#include "sim/NetworkListener.h"
#include "sim/NetworkServer.h"
#include "sim/PseudoTerminal.h"
#include "sim/SimOptions.h"
#include "sim/Simulator.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int g_stopPipe[2] = {-1, -1};

void onSignal(int) {
    const char c = 0;
    [[maybe_unused]] const ssize_t n = ::write(g_stopPipe[1], &c, 1);
}

// Replaces only a symbolic link of a previous run, never a real file.
bool makeLink(const std::string& target, const std::string& link) {
    struct stat st {};
    if (::lstat(link.c_str(), &st) == 0) {
        if (!S_ISLNK(st.st_mode)) {
            std::fprintf(stderr, "merix-sim: %s exists and is not a symbolic link\n", link.c_str());
            return false;
        }
        ::unlink(link.c_str());
    }
    if (::symlink(target.c_str(), link.c_str()) != 0) {
        std::fprintf(stderr, "merix-sim: cannot link %s: %s\n", link.c_str(), std::strerror(errno));
        return false;
    }
    return true;
}

bool catchSignals() {
    if (::pipe2(g_stopPipe, O_CLOEXEC) != 0)
        return false;
    struct sigaction sa {};
    sa.sa_handler = onSignal;
    ::sigaction(SIGINT, &sa, nullptr);
    ::sigaction(SIGTERM, &sa, nullptr);
    ::sigaction(SIGHUP, &sa, nullptr);
    // A client that goes away fails our write; it must not end the program.
    std::signal(SIGPIPE, SIG_IGN);
    return true;
}

int serveOnNetwork(const merix::sim::SimOptions& options) {
    using namespace merix::sim;
    NetworkListener listener(options.listen->port);
    if (!listener.ok()) {
        std::fprintf(stderr, "merix-sim: %s\n", listener.error().c_str());
        return 1;
    }
    std::printf("%s://127.0.0.1:%d\n", options.listen->telnet ? "rfc2217" : "tcp", listener.port());
    std::fflush(stdout);
    serveNetwork(listener, options, g_stopPipe[0], stderr);
    return 0;
}

bool hasWord(int argc, char** argv, const char* word) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], word) == 0)
            return true;
    return false;
}

} // namespace

int main(int argc, char** argv) {
    using namespace merix::sim;
    if (hasWord(argc, argv, "--help")) {
        std::fputs(kSimUsage, stdout);
        return 0;
    }
    if (hasWord(argc, argv, "--version")) {
        std::printf("merix-sim %s\n", merix::kVersion);
        return 0;
    }
    std::string error;
    const auto options = parseSimOptions(argc, argv, error);
    if (!options) {
        std::fprintf(stderr, "%s\n%s", error.c_str(), kSimUsage);
        return 2;
    }
    if (!catchSignals())
        return 1;
    if (options->listen)
        return serveOnNetwork(*options);
    PseudoTerminal pty;
    if (!pty.ok()) {
        std::fprintf(stderr, "merix-sim: %s\n", pty.error().c_str());
        return 1;
    }
    if (!options->link.empty() && !makeLink(pty.devicePath(), options->link))
        return 1;
    std::printf("%s\n", pty.devicePath().c_str());
    std::fflush(stdout);

    Simulator simulator(pty.master(), *options);
    simulator.run(g_stopPipe[0]);
    if (!options->link.empty())
        ::unlink(options->link.c_str());
    return 0;
}
