#include "Floor.h"

#include <chrono>
#include <ctime>
#include <fcntl.h>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <vector>

namespace merix::bench {

namespace {

constexpr std::size_t kBlock = 128 * 1024; // what cat reads and writes at a time

void readWhole(const std::filesystem::path& path, std::vector<char>& block) {
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0)
        throw std::runtime_error("cannot open " + path.string());
    while (::read(fd, block.data(), block.size()) > 0) {
    }
    ::close(fd);
}

void writeBytes(const FloorWork& work, const std::vector<char>& block) {
    const std::string temp = work.output.string() + ".floor";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        throw std::runtime_error("cannot create " + temp);
    for (std::size_t left = work.outputBytes; left > 0;) {
        const ssize_t n = ::write(fd, block.data(), std::min(left, block.size()));
        if (n <= 0)
            throw std::runtime_error("cannot write " + temp);
        left -= static_cast<std::size_t>(n);
    }
    if (work.durable)
        ::fsync(fd);
    ::close(fd);
    ::rename(temp.c_str(), work.output.c_str());
}

double threadCpuSeconds() {
    timespec t{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

} // namespace

Stopwatch::Stopwatch() : m_wall(std::chrono::steady_clock::now()), m_cpu(threadCpuSeconds()) {}

Cost Stopwatch::elapsed() const {
    return {std::chrono::duration<double>(std::chrono::steady_clock::now() - m_wall).count(),
            threadCpuSeconds() - m_cpu};
}

Cost timeFloor(const FloorWork& work) {
    std::vector<char> block(kBlock, 'x');
    const Stopwatch watch;
    for (const auto& input : work.inputs)
        readWhole(input, block);
    writeBytes(work, block);
    return watch.elapsed();
}

} // namespace merix::bench
