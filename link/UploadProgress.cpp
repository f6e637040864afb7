#include "link/UploadProgress.h"

#include <cmath>
#include <cstdio>

namespace merix {

namespace {

constexpr std::int64_t kWindowMs = 30000;
constexpr std::int64_t kSampleSpacingMs = 250;
// Below this the rate is noise (a first line that happened to be quick).
constexpr std::int64_t kShortestSpanMs = 200;

} // namespace

void RateEstimate::start(std::int64_t nowMs) {
    m_samples.clear();
    m_samples.emplace_back(nowMs, 0);
}

UploadProgress RateEstimate::update(int linesSent, int linesTotal, std::int64_t nowMs) {
    UploadProgress p{linesSent, linesTotal};
    if (m_samples.empty())
        start(nowMs);
    if (nowMs - m_samples.back().first >= kSampleSpacingMs)
        m_samples.emplace_back(nowMs, linesSent);
    // Keep one sample at or beyond the window's start as the base of the rate.
    while (m_samples.size() > 2 && nowMs - m_samples[1].first >= kWindowMs)
        m_samples.pop_front();
    const auto& [baseMs, baseLines] = m_samples.front();
    const std::int64_t span = nowMs - baseMs;
    if (span < kShortestSpanMs || linesSent <= baseLines)
        return p;
    p.linesPerSecond = (linesSent - baseLines) * 1000.0 / static_cast<double>(span);
    p.msLeft = static_cast<std::int64_t>(
        std::llround((linesTotal - linesSent) * 1000.0 / p.linesPerSecond));
    return p;
}

std::string durationText(std::int64_t ms) {
    const std::int64_t s = (ms + 500) / 1000;
    char text[48];
    if (s < 60)
        std::snprintf(text, sizeof text, "%lld s", static_cast<long long>(s));
    else if (s < 3600)
        std::snprintf(text, sizeof text, "%lld min %lld s", static_cast<long long>(s / 60),
                      static_cast<long long>(s % 60));
    else
        std::snprintf(text, sizeof text, "%lld h %02lld min", static_cast<long long>(s / 3600),
                      static_cast<long long>(s / 60 % 60));
    return text;
}

std::string progressText(const UploadProgress& p) {
    const int percent =
        p.linesTotal > 0 ? static_cast<int>(100LL * p.linesSent / p.linesTotal) : 100;
    std::string text = "Line " + std::to_string(p.linesSent) + " of " +
                       std::to_string(p.linesTotal) + " (" + std::to_string(percent) + "%)";
    if (p.linesPerSecond <= 0)
        return text;
    char rate[32];
    std::snprintf(rate, sizeof rate, p.linesPerSecond < 100 ? ", %.1f lines/s" : ", %.0f lines/s",
                  p.linesPerSecond);
    text += rate;
    if (p.msLeft >= 0)
        text += ", about " + durationText(p.msLeft) + " left";
    return text;
}

} // namespace merix
