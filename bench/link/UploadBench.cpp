// Upload speed against merix-sim's controller on a pseudo-terminal: answered at once, and
// at a wire speed the simulator honours, compared with the time the bytes need on the wire.
// The upload runs as the editor runs it: progress after every line, a stop request looked
// at before each, a transcript of the line and a history entry kept beside the document.
#include "link/Clock.h"
#include "link/ControllerLink.h"
#include "link/ControllerOutput.h"
#include "link/StopRequest.h"
#include "link/TermiosSerialPort.h"
#include "link/TranscriptWriter.h"
#include "link/UploadHistory.h"
#include "link/UploadJob.h"
#include "link/UploadSettings.h"
#include "sim/PseudoTerminal.h"
#include "sim/Simulator.h"
#include "tests/support/LentPort.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <thread>
#include <unistd.h>

namespace {

using namespace merix;

constexpr int kLines = 2000;

class CountingPort : public SerialPort {
  public:
    TermiosSerialPort port;
    std::size_t sent = 0;
    std::size_t received = 0;

    OpenResult open(const std::string& d) override { return port.open(d); }
    ConfigureResult configure(const PortConfig& c) override { return port.configure(c); }
    void purge() override { port.purge(); }
    Transfer write(std::string_view b) override {
        const Transfer t = port.write(b);
        sent += t.count;
        return t;
    }
    Transfer read(char* b, std::size_t n) override {
        const Transfer t = port.read(b, n);
        received += t.count;
        return t;
    }
    void close() override { port.close(); }
    bool isOpen() const override { return port.isOpen(); }
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
    void clear() override {
        lines = 0;
        last.clear();
    }
    std::size_t lineCount() const override { return lines; }
    std::string lastLine() const override { return last; }
};

class CountingProgress : public UploadObserver {
  public:
    int calls = 0;
    void progress(const UploadProgress&) override { ++calls; }
};

// A document folder: the document, its command file, and room for its history.
std::string documentFolder() {
    char name[] = "/tmp/merix-bench-XXXXXX";
    if (!::mkdtemp(name))
        return {};
    std::ofstream(std::string(name) + "/SITE.mrx", std::ios::binary) << "[MERIX VER 1.5]\r\nEND";
    std::ofstream out(std::string(name) + "/SITE.CMD", std::ios::binary);
    for (int i = 0; i < kLines; ++i) {
        char line[64];
        std::snprintf(line, sizeof line, "N020 %03d %03d ;timer %d\r\n", i % 1000, (i * 7) % 1000,
                      i);
        out << line;
    }
    return name;
}

// What the upload keeps besides sending: nothing, the transcript of the line, or also the
// history entry and the reference copy (as the editor and merix-cli upload do).
enum class Keep { Nothing, Transcript, Everything };

void upload(benchmark::State& state, long baud, Keep keep = Keep::Everything) {
    sim::SimOptions options;
    options.baud = baud;
    sim::PseudoTerminal pty;
    sim::Simulator simulator(pty.master(), options);
    int stop[2];
    if (!pty.ok() || ::pipe(stop) != 0) {
        state.SkipWithError("no pseudo-terminal");
        return;
    }
    std::thread server([&] { simulator.run(stop[0]); });

    const std::string folder = documentFolder();
    const std::string document = folder + "/SITE.mrx";
    CountingPort port;
    SteadyClock clock;
    CountingOutput output;
    TranscriptWriter transcript(transcriptFolderPath(document));
    UploadHistory history(document, &transcript);
    ControllerLink link(clock, output, test::lend(port));
    link.setRecorder(keep != Keep::Nothing ? &transcript : nullptr);
    PortMap ports;
    ports.setDevice(0, pty.devicePath());
    link.setPortMap(ports);
    UploadSettings settings;
    settings.uploadBefore = settings.uploadAfter = 0;
    const UploadPlan plan =
        commandFilesPlan(settings, folder + "/SITE.CMD", keep == Keep::Everything ? document : "");
    CountingProgress progress;
    StopRequest stopRequest;
    UploadJob job(link, clock);
    job.setObserver(&progress);
    job.setStopRequest(&stopRequest);
    job.setHistory(keep == Keep::Everything ? &history : nullptr);

    double seconds = 0;
    double wire = 0;
    for (auto _ : state) {
        if (!link.connect(settings)) {
            state.SkipWithError("no connection");
            break;
        }
        port.sent = port.received = 0;
        const auto start = std::chrono::steady_clock::now();
        const UploadOutcome outcome = job.run(plan);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
        seconds += took.count();
        if (baud > 0)
            wire += static_cast<double>(port.sent + port.received) * 10.0 / baud;
        if (outcome.result != UploadResult::Completed || output.last != "DTMF>" ||
            progress.calls != kLines + 1) {
            state.SkipWithError(outcome.reason.empty() ? "upload did not finish"
                                                       : outcome.reason.c_str());
            break;
        }
        progress.calls = 0;
        link.disconnect();
    }
    const double iterations = static_cast<double>(state.iterations());
    if (iterations > 0) {
        state.counters["s_per_line"] = seconds / iterations / kLines;
        state.counters["bytes_per_line"] = static_cast<double>(port.sent + port.received) / kLines;
        if (baud > 0)
            state.counters["ratio_to_wire"] = seconds / wire;
    }
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
    const char c = 0;
    [[maybe_unused]] const ssize_t n = ::write(stop[1], &c, 1);
    server.join();
    ::close(stop[0]);
    ::close(stop[1]);
}

void BM_UploadAnsweredAtOnce(benchmark::State& state) {
    upload(state, 0);
}
// The same keeping less: what the transcript costs a line, and what the history and the
// reference copy cost an upload.
void BM_UploadAnsweredAtOnceTranscriptOnly(benchmark::State& state) {
    upload(state, 0, Keep::Transcript);
}
void BM_UploadAnsweredAtOnceKeepingNothing(benchmark::State& state) {
    upload(state, 0, Keep::Nothing);
}
void BM_UploadAt9600Baud(benchmark::State& state) {
    upload(state, 9600);
}

BENCHMARK(BM_UploadAnsweredAtOnce)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_UploadAnsweredAtOnceTranscriptOnly)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK(BM_UploadAnsweredAtOnceKeepingNothing)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK(BM_UploadAt9600Baud)->UseManualTime()->Unit(benchmark::kSecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
