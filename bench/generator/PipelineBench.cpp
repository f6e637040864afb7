// The whole of `merix-cli generate` (catalogs, document, command file) against the floor of
// reading the same inputs and writing the same output, the two timed in turns in one run so
// that their ratio holds on a busy machine.
#include "BenchSet.h"
#include "Floor.h"

#include "document/CatalogLoader.h"
#include "document/DocumentFile.h"
#include "document/Prompter.h"
#include "generator/CommandFileGenerator.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace merix::bench {
namespace {

namespace fs = std::filesystem;

class ThrowingPrompter : public Prompter {
  public:
    void inform(const std::string& text) override { throw std::runtime_error(text); }
    bool ask(const std::string&) override { return false; }
};

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// What the run reads: the catalogs, the document, and in the changes mode the copy.
std::vector<fs::path> inputsOf(const BenchSet& s, UploadOption option) {
    std::vector<fs::path> inputs = s.catalogFiles;
    inputs.push_back(s.documentPath());
    if (option == UploadOption::ChangesSinceLastUpload)
        inputs.push_back(s.referencePath());
    return inputs;
}

// Both floors: with the output made durable as the command file is, and as plain `cat`.
struct Floors {
    FloorWork durable;
    FloorWork plain;
    Cost durableCost;
    Cost plainCost;

    Floors(const BenchSet& s, UploadOption option)
        : durable{inputsOf(s, option), 0, s.dir / "FLOOR.CMD", true}, plain{inputsOf(s, option), 0,
                                                                            s.dir / "FLOOR.CMD",
                                                                            false} {}
    void time(std::size_t outputBytes) {
        durable.outputBytes = plain.outputBytes = outputBytes;
        durableCost += timeFloor(durable);
        plainCost += timeFloor(plain);
    }
    // Wall time against both floors; CPU time against the plain one (a durable write spends
    // its extra time waiting for the disk, not on the CPU).
    void report(benchmark::State& state, const Cost& run) const {
        const double n = static_cast<double>(state.iterations());
        state.counters["floor_ms"] = durableCost.wall / n * 1e3;
        state.counters["cat_ms"] = plainCost.wall / n * 1e3;
        state.counters["cat_cpu_ms"] = plainCost.cpu / n * 1e3;
        state.counters["cpu_ms"] = run.cpu / n * 1e3;
        state.counters["ratio_to_floor"] = run.wall / durableCost.wall;
        state.counters["ratio_to_cat"] = run.wall / plainCost.wall;
        state.counters["cpu_ratio_to_cat"] = run.cpu / plainCost.cpu;
    }
};

std::size_t openAndGenerate(const BenchSet& s, UploadOption option) {
    ThrowingPrompter prompter;
    ConfigDocument doc;
    doc.setStartupDirectory(s.dir.string());
    if (!loadCatalogs(doc, prompter) || !readDocumentFile(doc, s.documentPath()))
        throw std::runtime_error("open failed");
    doc.setDocumentPath(s.documentPath().string());
    const CommandFileResult result = generateCommandFile(doc, option, prompter);
    return fs::file_size(result.path);
}

void inProcess(benchmark::State& state, UploadOption option) {
    const BenchSet& s = benchSet();
    Floors floors(s, option);
    Cost run;
    for (auto _ : state) {
        const Stopwatch watch;
        const std::size_t written = openAndGenerate(s, option);
        const Cost took = watch.elapsed();
        state.SetIterationTime(took.wall);
        run += took;
        floors.time(written);
    }
    floors.report(state, run);
}

struct ChildRun {
    double seconds = 0;
    double cpuSeconds = 0;
    long peakKb = 0;
};

// MERIX_CLI names another build of the tool, to compare two builds on the same set.
const char* cliPath() {
    const char* path = std::getenv("MERIX_CLI");
    return path && *path ? path : MERIX_CLI_PATH;
}

ChildRun runCli(const BenchSet& s, const char* option) {
    const std::string doc = s.documentPath().string();
    const std::string catalogs = s.dir.string();
    int out[2];
    if (::pipe(out) != 0)
        throw std::runtime_error("no pipe");
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(out[1], STDOUT_FILENO);
        ::execl(MEASURE_CHILD_PATH, "measure_child", cliPath(), "generate", doc.c_str(),
                "--catalogs", catalogs.c_str(), "--option", option, static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(out[1]);
    char report[128] = {};
    const ssize_t n = ::read(out[0], report, sizeof report - 1);
    ::close(out[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    ChildRun run;
    run.seconds = secondsSince(start);
    int exitCode = -1;
    if (n <= 0 || std::sscanf(report, "%d %ld %lf", &exitCode, &run.peakKb, &run.cpuSeconds) != 3 ||
        exitCode != 0)
        throw std::runtime_error("merix-cli generate failed");
    return run;
}

// The process as a user runs it, with its CPU time and its peak resident memory against
// the size of what it reads.
void cliProcess(benchmark::State& state, UploadOption option, const char* word) {
    const BenchSet& s = benchSet();
    Floors floors(s, option);
    Cost runs;
    long peakKb = 0;
    for (auto _ : state) {
        const ChildRun run = runCli(s, word);
        state.SetIterationTime(run.seconds);
        runs += Cost{run.seconds, run.cpuSeconds};
        peakKb = std::max(peakKb, run.peakKb);
        floors.time(fs::file_size(s.dir / "BIG.CMD"));
    }
    floors.report(state, runs);
    std::size_t inputBytes = 0;
    for (const fs::path& input : inputsOf(s, option))
        inputBytes += fs::file_size(input);
    state.counters["peak_rss_MB"] = static_cast<double>(peakKb) / 1024.0;
    state.counters["input_MB"] = static_cast<double>(inputBytes) / (1024.0 * 1024.0);
    state.counters["rss_to_input"] =
        static_cast<double>(peakKb) * 1024.0 / static_cast<double>(inputBytes);
}

void BM_OpenAndGenerateEverything(benchmark::State& state) {
    inProcess(state, UploadOption::Everything);
}
void BM_OpenAndGenerateChanges(benchmark::State& state) {
    inProcess(state, UploadOption::ChangesSinceLastUpload);
}
void BM_CliGenerateEverything(benchmark::State& state) {
    cliProcess(state, UploadOption::Everything, "all");
}
void BM_CliGenerateChanges(benchmark::State& state) {
    cliProcess(state, UploadOption::ChangesSinceLastUpload, "last");
}

BENCHMARK(BM_OpenAndGenerateEverything)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->MinTime(3.0);
BENCHMARK(BM_OpenAndGenerateChanges)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(BM_CliGenerateEverything)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_CliGenerateChanges)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace
} // namespace merix::bench
