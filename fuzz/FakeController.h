#pragma once

#include "fuzz/FuzzSupport.h"
#include "link/Clock.h"
#include "link/ControllerOutput.h"
#include "link/SerialPort.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace merix::fuzz {

// Time that passes only when the link waits, so no run ever sleeps.
class VirtualClock final : public Clock {
public:
    std::int64_t nowMs() override { return m_now; }
    void sleepMs(std::int64_t ms) override { m_now += std::max<std::int64_t>(ms, 0); }
    void advance(std::int64_t ms) { m_now += ms; }

private:
    std::int64_t m_now = 1'000'000;
};

// A serial port whose reads come from a script; each read that brings nothing costs a
// read time-out on the clock, as a silent controller would.
class ScriptedPort final : public SerialPort {
public:
    struct Read {
        bool ok = true;
        std::string bytes;
    };
    // Called for each write; returns how the write went.
    std::function<Transfer(std::string_view)> onWrite = [](std::string_view b) {
        return Transfer{true, b.size()};
    };
    std::function<Read()> nextRead = [] { return Read{}; };

    explicit ScriptedPort(VirtualClock& clock) : m_clock(clock) {}

    OpenResult open(const std::string&) override
    {
        m_open = true;
        return {};
    }
    ConfigureResult configure(const PortConfig& config) override
    {
        m_readTimeout = config.readTimeoutMs;
        return ConfigureResult::Ok;
    }
    void purge() override {}
    Transfer write(std::string_view bytes) override
    {
        if (!m_open)
            fail("write on a closed port");
        written.emplace_back(bytes);
        return onWrite(bytes);
    }
    Transfer read(char* buffer, std::size_t capacity) override
    {
        if (!m_open)
            fail("read on a closed port");
        Read r = nextRead();
        if (r.bytes.size() > capacity)
            r.bytes.resize(capacity);
        std::copy(r.bytes.begin(), r.bytes.end(), buffer);
        if (r.bytes.empty())
            m_clock.advance(m_readTimeout);
        ++reads;
        return {r.ok, r.bytes.size()};
    }
    void close() override { m_open = false; }
    bool isOpen() const override { return m_open; }

    std::vector<std::string> written;
    long reads = 0;

private:
    VirtualClock& m_clock;
    bool m_open = false;
    int m_readTimeout = 1000;
};

// The Controller Output list with the room of a list box: full, it is cleared.
class BoundedOutput final : public ControllerOutput {
public:
    static constexpr std::size_t kRoom = 2000;

    bool addLine(const std::string& text) override
    {
        const bool room = m_lines.size() < kRoom;
        if (!room)
            m_lines.clear();
        m_lines.push_back(text);
        return room;
    }
    void replaceLastLine(const std::string& text) override
    {
        if (m_lines.empty())
            m_lines.push_back(text);
        else
            m_lines.back() = text;
    }
    void clear() override { m_lines.clear(); }
    std::size_t lineCount() const override { return m_lines.size(); }
    std::string lastLine() const override { return m_lines.empty() ? std::string() : m_lines.back(); }

private:
    std::deque<std::string> m_lines;
};

} // namespace merix::fuzz
