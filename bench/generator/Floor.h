#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <vector>

namespace merix::bench {

// The least any run can cost: every input read whole as cat reads it, and as many bytes as
// the run writes put into a file beside them. With `durable`, the output goes to disk the
// way the command file does (a temporary file, fsync, rename over the target).
struct FloorWork {
    std::vector<std::filesystem::path> inputs;
    std::size_t outputBytes = 0;
    std::filesystem::path output;
    bool durable = true;
};

// Seconds of wall time, and of CPU time of the calling thread (user and system), that a
// piece of work took. On a machine shared with others the CPU time is the steadier figure.
struct Cost {
    double wall = 0;
    double cpu = 0;

    Cost& operator+=(const Cost& other) {
        wall += other.wall;
        cpu += other.cpu;
        return *this;
    }
};

class Stopwatch {
  public:
    Stopwatch();
    Cost elapsed() const;

  private:
    std::chrono::steady_clock::time_point m_wall;
    double m_cpu;
};

Cost timeFloor(const FloorWork& work);

} // namespace merix::bench
