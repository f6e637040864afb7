#include "cli/StopSignals.h"

#include "link/StopRequest.h"

#include <atomic>
#include <csignal>
#include <termios.h>
#include <unistd.h>

namespace merix::cli {

namespace {

StopRequest g_request;
std::atomic<int> g_signal = 0;
int g_highestFd = 256;
struct sigaction g_oldInt {};
struct sigaction g_oldTerm {};

void onSignal(int signal) {
    int expected = 0;
    if (g_signal.compare_exchange_strong(expected, signal)) {
        g_request.request();
        return;
    }
    // The port is one of our descriptors; tcflush fails harmlessly on all the others. Without
    // it the kernel's close would wait for queued output to drain first.
    for (int fd = 3; fd <= g_highestFd; ++fd)
        ::tcflush(fd, TCIOFLUSH);
    ::_exit(128 + expected);
}

} // namespace

StopSignals::StopSignals() {
    const long openMax = ::sysconf(_SC_OPEN_MAX);
    g_highestFd = openMax > 3 && openMax < 1024 ? static_cast<int>(openMax) - 1 : 1023;
    g_request.clear();
    g_signal = 0;
    struct sigaction sa {};
    sa.sa_handler = onSignal;
    sa.sa_flags = SA_RESTART;
    sigemptyset(&sa.sa_mask);
    ::sigaction(SIGINT, &sa, &g_oldInt);
    ::sigaction(SIGTERM, &sa, &g_oldTerm);
}

StopSignals::~StopSignals() {
    ::sigaction(SIGINT, &g_oldInt, nullptr);
    ::sigaction(SIGTERM, &g_oldTerm, nullptr);
}

StopRequest& StopSignals::request() const {
    return g_request;
}

int StopSignals::signal() const {
    return g_signal;
}

int StopSignals::exitStatus() const {
    const int s = g_signal;
    return s == 0 ? 0 : 128 + s;
}

} // namespace merix::cli
