// Upload speed over the network ports: to merix-sim's controller on a loopback TCP port,
// answered at once (the cost of our side per line), and to its controller on a
// pseudo-terminal paced at 9600 baud behind a real ser2net, compared with the time the
// bytes need on the wire.
#include "link/Clock.h"
#include "link/ControllerLink.h"
#include "link/ControllerOutput.h"
#include "link/Endpoint.h"
#include "link/SerialPortFactory.h"
#include "link/UploadJob.h"
#include "link/UploadSettings.h"
#include "tests/link/NetworkController.h"
#include "tests/link/SimulatedController.h"
#include "tests/support/Ser2netProcess.h"
#include "tests/support/TempDir.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <fstream>

namespace {

using namespace merix;

// Counts the bytes that go over the line, whatever the port the program makes.
class CountingPort : public SerialPort {
  public:
    CountingPort(std::unique_ptr<SerialPort> port, std::size_t& bytes)
        : m_port(std::move(port)), m_bytes(bytes) {}

    OpenResult open(const std::string& e) override { return m_port->open(e); }
    ConfigureResult configure(const PortConfig& c) override { return m_port->configure(c); }
    void purge() override { m_port->purge(); }
    Transfer write(std::string_view b) override { return counted(m_port->write(b)); }
    Transfer read(char* b, std::size_t n) override { return counted(m_port->read(b, n)); }
    void close() override { m_port->close(); }
    bool isOpen() const override { return m_port->isOpen(); }
    std::string failureReason() const override { return m_port->failureReason(); }
    void interrupt() override { m_port->interrupt(); }

  private:
    Transfer counted(Transfer t) {
        m_bytes += t.count;
        return t;
    }
    std::unique_ptr<SerialPort> m_port;
    std::size_t& m_bytes;
};

class CountingOutput : public ControllerOutput {
  public:
    std::size_t lines = 0;
    std::string last;
    bool addLine(const std::string& t) override {
        ++lines;
        last = t;
        return true;
    }
    void replaceLastLine(const std::string& t) override { last = t; }
    void clear() override { lines = 0; }
    std::size_t lineCount() const override { return lines; }
    std::string lastLine() const override { return last; }
};

std::string commandFile(const test::TempDir& dir, int lines) {
    const std::string path = dir.file("bench.cmd");
    std::ofstream out(path, std::ios::binary);
    for (int i = 0; i < lines; ++i) {
        char line[64];
        std::snprintf(line, sizeof line, "N020 %03d %03d ;timer %d\r\n", i % 1000, (i * 7) % 1000,
                      i);
        out << line;
    }
    return path;
}

void upload(benchmark::State& state, const std::string& endpoint, long baud, int lines) {
    test::TempDir dir;
    const std::string file = commandFile(dir, lines);
    std::size_t bytes = 0;
    SteadyClock clock;
    CountingOutput output;
    // The whole way as the program goes: the endpoint through the port map and the factory.
    ControllerLink link(clock, output, [&bytes](const Endpoint& e) {
        return std::make_unique<CountingPort>(makeSerialPort(e), bytes);
    });
    PortMap ports;
    ports.setDevice(0, endpoint);
    link.setPortMap(ports);
    UploadSettings settings;
    settings.uploadBefore = settings.uploadAfter = 0;
    UploadJob job(link, clock);

    double seconds = 0;
    double wire = 0;
    for (auto _ : state) {
        if (!link.connect(settings)) {
            const std::vector<std::string> messages = link.takeMessages();
            state.SkipWithError(messages.empty() ? output.last.c_str() : messages.front().c_str());
            return;
        }
        bytes = 0;
        const auto start = std::chrono::steady_clock::now();
        const UploadOutcome outcome = job.run(otherFilesPlan({file}, true));
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
        seconds += took.count();
        wire += baud > 0 ? static_cast<double>(bytes) * 10.0 / static_cast<double>(baud) : 0;
        if (outcome.result != UploadResult::Completed || output.last != "DTMF>") {
            state.SkipWithError(outcome.reason.empty() ? "upload did not finish"
                                                       : outcome.reason.c_str());
            return;
        }
        link.disconnect();
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["ms_per_line"] = seconds * 1000 / runs / lines;
    state.counters["bytes_per_line"] = static_cast<double>(bytes) / lines;
    if (baud > 0)
        state.counters["ratio_to_wire"] = seconds / wire;
}

void BM_UploadAnsweredAtOnce(benchmark::State& state, bool telnet) {
    test::TempDir dir;
    test::NetworkController controller(telnet, dir.file("settings.log"));
    upload(state, controller.url(), 0, 2000);
}

// ser2net as installed, and with its character delay off.
void BM_UploadAt9600BehindSer2net(benchmark::State& state, bool rfc2217, bool charDelay) {
    sim::SimOptions options;
    options.baud = 9600;
    test::SimulatedController controller(options);
    test::TempDir dir;
    test::Ser2netProcess ser2net(controller.device(), rfc2217, dir.path(), charDelay);
    if (!ser2net.running()) {
        state.SkipWithError("ser2net did not start (scripts/deps.sh installs it)");
        return;
    }
    upload(state, ser2net.url(), 9600, 300);
}

BENCHMARK_CAPTURE(BM_UploadAnsweredAtOnce, tcp, false)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK_CAPTURE(BM_UploadAnsweredAtOnce, rfc2217, true)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK_CAPTURE(BM_UploadAt9600BehindSer2net, tcp, false, true)
    ->UseManualTime()
    ->Unit(benchmark::kSecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_UploadAt9600BehindSer2net, rfc2217, true, true)
    ->UseManualTime()
    ->Unit(benchmark::kSecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_UploadAt9600BehindSer2net, tcp_no_chardelay, false, false)
    ->UseManualTime()
    ->Unit(benchmark::kSecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_UploadAt9600BehindSer2net, rfc2217_no_chardelay, true, false)
    ->UseManualTime()
    ->Unit(benchmark::kSecond)
    ->Iterations(1);

} // namespace

BENCHMARK_MAIN();
