#pragma once

#include <cstdint>

namespace merix {

// Milliseconds from a monotonic clock, and waiting on it.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t nowMs() = 0;
    virtual void sleepMs(std::int64_t ms) = 0;
};

class SteadyClock final : public Clock {
public:
    std::int64_t nowMs() override;
    void sleepMs(std::int64_t ms) override;
};

} // namespace merix
