#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <utility>

namespace merix {

struct UploadProgress {
    int linesSent = 0;
    int linesTotal = 0;
    double linesPerSecond = 0; // at the present rate; 0 until known
    std::int64_t msLeft = -1;  // at that rate; -1 until known
};

// Told after every line an upload sends (and once before the first), on the upload's thread.
class UploadObserver {
  public:
    virtual ~UploadObserver() = default;
    virtual void progress(const UploadProgress& progress) = 0;
};

// The rate over the last half minute rather than since the start, so a slow first minute on
// a modem, or a stretch of long lines, does not mislead the rest of a long upload.
class RateEstimate {
  public:
    void start(std::int64_t nowMs);
    UploadProgress update(int linesSent, int linesTotal, std::int64_t nowMs);

  private:
    std::deque<std::pair<std::int64_t, int>> m_samples; // (time, lines sent), oldest first
};

// "Line 120 of 1480 (8%), 2.1 lines/s, about 10 min 47 s left"; the rate and the time left
// only once they are known.
std::string progressText(const UploadProgress& progress);
// "45 s", "10 min 47 s", "2 h 05 min".
std::string durationText(std::int64_t ms);

} // namespace merix
