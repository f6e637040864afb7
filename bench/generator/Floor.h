#pragma once

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

// Seconds of wall time the work took.
double timeFloor(const FloorWork& work);

} // namespace merix::bench
