#pragma once

#include "link/Clock.h"
#include "link/CommandLines.h"
#include "link/ControllerLink.h"
#include "link/ControllerOutput.h"
#include "link/SerialPort.h"
#include "tests/support/LentPort.h"

#include <algorithm>
#include <cstring>
#include <deque>
#include <functional>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

namespace merix::test {

// The output list, with an optional room limit like the real list's.
class RecordingOutput : public ControllerOutput {
public:
    std::vector<std::string> lines;
    std::size_t room = std::numeric_limits<std::size_t>::max();
    int fullClears = 0;

    bool addLine(const std::string& text) override
    {
        const bool kept = lines.size() < room;
        if (!kept) {
            lines.clear();
            ++fullClears;
        }
        lines.push_back(text);
        return kept;
    }
    void replaceLastLine(const std::string& text) override
    {
        if (lines.empty())
            lines.push_back(text);
        else
            lines.back() = text;
    }
    void clear() override { lines.clear(); }
    std::size_t lineCount() const override { return lines.size(); }
    std::string lastLine() const override { return lines.empty() ? std::string() : lines.back(); }
};

// Time that passes only when the link sleeps or a fake read times out.
class FakeClock : public Clock {
public:
    std::int64_t now = 1000000;
    std::vector<std::int64_t> sleeps;
    std::int64_t nowMs() override { return now; }
    void sleepMs(std::int64_t ms) override
    {
        sleeps.push_back(ms);
        now += ms;
    }
};

// A scripted port: reads come from a queue (an empty queue reads nothing after the time-out),
// writes succeed unless scripted otherwise, and an optional answerer queues replies to writes.
class FakeSerialPort : public SerialPort {
public:
    struct Read {
        bool ok = true;
        std::string bytes;
    };

    explicit FakeSerialPort(FakeClock& clock) : m_clock(clock) {}

    OpenResult openResult;
    ConfigureResult configureResult = ConfigureResult::Ok;
    std::deque<Read> reads;
    std::deque<Transfer> writeResults; // consumed one per write
    std::function<std::string(const std::string&)> answer;
    std::vector<std::string> writes;
    std::string written;
    PortConfig config;
    std::string device;
    std::string failure; // what failureReason() says
    int readCalls = 0;
    int purges = 0;
    int closes = 0;
    bool opened = false;

    OpenResult open(const std::string& path) override
    {
        device = path;
        opened = openResult.ok();
        return openResult;
    }
    ConfigureResult configure(const PortConfig& c) override
    {
        config = c;
        return configureResult;
    }
    void purge() override { ++purges; }
    Transfer write(std::string_view bytes) override
    {
        Transfer t{true, bytes.size()};
        if (!writeResults.empty()) {
            t = writeResults.front();
            writeResults.pop_front();
            t.count = std::min(t.count, bytes.size());
        }
        writes.emplace_back(bytes);
        written.append(bytes.substr(0, t.count));
        if (t.ok && answer) {
            const std::string reply = answer(std::string(bytes.substr(0, t.count)));
            if (!reply.empty())
                reads.push_back({true, reply});
        }
        return t;
    }
    Transfer read(char* buffer, std::size_t capacity) override
    {
        ++readCalls;
        if (reads.empty()) {
            m_clock.now += config.readTimeoutMs;
            return {true, 0};
        }
        Read r = reads.front();
        reads.pop_front();
        if (!r.ok)
            return {false, 0};
        const std::size_t n = std::min(capacity, r.bytes.size());
        std::memcpy(buffer, r.bytes.data(), n);
        if (n < r.bytes.size())
            reads.push_front({true, r.bytes.substr(n)});
        if (n == 0)
            m_clock.now += config.readTimeoutMs;
        return {true, n};
    }
    void close() override
    {
        ++closes;
        opened = false;
    }
    bool isOpen() const override { return opened; }
    std::string failureReason() const override { return failure; }

private:
    FakeClock& m_clock;
};

// Sends a text as one command file, line by line, up to the first line that ends it.
inline void sendText(ControllerLink& link, const std::string& text, bool stripComments) {
    std::istringstream in(text);
    CommandLineReader reader(in);
    std::string piece;
    while (reader.next(piece))
        if (!link.sendCommandLine(prepareCommandLine(piece, stripComments)))
            return;
}

} // namespace merix::test
