#include "cli/ConsoleProgress.h"

#include <chrono>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace merix::cli {

namespace {

// Often enough to watch, seldom enough to cost nothing against the line.
constexpr std::int64_t kRedrawSpacingMs = 200;

std::int64_t nowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

bool sameTerminal(int a, int b) {
    struct stat sa {};
    struct stat sb {};
    return ::isatty(a) && ::isatty(b) && ::fstat(a, &sa) == 0 && ::fstat(b, &sb) == 0 &&
           sa.st_rdev == sb.st_rdev;
}

} // namespace

ConsoleProgress::ConsoleProgress()
    : m_active(::isatty(STDERR_FILENO) != 0),
      m_sharesTerminal(sameTerminal(STDOUT_FILENO, STDERR_FILENO)) {}

ConsoleProgress::~ConsoleProgress() {
    end();
}

void ConsoleProgress::progress(const UploadProgress& p) {
    if (!m_active)
        return;
    m_text = progressText(p);
    const std::int64_t now = nowMs();
    if (p.linesSent != 0 && p.linesSent != p.linesTotal && now - m_lastDrawMs < kRedrawSpacingMs)
        return;
    m_lastDrawMs = now;
    redraw();
}

void ConsoleProgress::erase() {
    if (!m_shown)
        return;
    std::fputs("\r\033[K", stderr);
    std::fflush(stderr);
    m_shown = false;
}

void ConsoleProgress::redraw() {
    if (!m_active || m_text.empty())
        return;
    std::fprintf(stderr, "\r%s\033[K", m_text.c_str());
    std::fflush(stderr);
    m_shown = true;
}

void ConsoleProgress::end() {
    erase();
    m_text.clear();
}

} // namespace merix::cli
