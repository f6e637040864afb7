// Generating the command file of a large configuration: speed in bytes of command file
// written per second, and memory against the size of the document and its catalogs.
#include "BenchSet.h"

#include "document/CatalogLoader.h"
#include "document/ConfigDocument.h"
#include "document/DocumentFile.h"
#include "document/Prompter.h"
#include "generator/CommandFileGenerator.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <malloc.h>
#include <new>
#include <stdexcept>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// Heap in use, to see what one run adds on top of the document in memory.
std::atomic<long long> g_heapNow{0};
std::atomic<long long> g_heapPeak{0};

void noteAlloc(void* p) {
    if (!p)
        return;
    const long long now = g_heapNow += static_cast<long long>(malloc_usable_size(p));
    long long peak = g_heapPeak.load();
    while (now > peak && !g_heapPeak.compare_exchange_weak(peak, now)) {
    }
}

} // namespace

void* operator new(std::size_t n) {
    void* p = std::malloc(n ? n : 1);
    if (!p)
        throw std::bad_alloc();
    noteAlloc(p);
    return p;
}
// GCC cannot see that this delete pairs with the replaced new above.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept {
    if (p)
        g_heapNow -= static_cast<long long>(malloc_usable_size(p));
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    operator delete(p);
}

namespace merix::bench {
namespace {

class SilentPrompter : public Prompter {
  public:
    void inform(const std::string& text) override { throw std::runtime_error(text); }
    bool ask(const std::string&) override { return false; }
};

double megabytes(double bytes) {
    return bytes / (1024.0 * 1024.0);
}

long currentRssBytes() {
    long pages = 0;
    long resident = 0;
    if (std::FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return resident * ::sysconf(_SC_PAGESIZE);
}

long peakRssBytes() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss * 1024L;
}

// Everything mode counts the command file written; the changes modes count the two
// document files walked.
void run(benchmark::State& state, UploadOption option) {
    BenchSet& s = benchSet();
    SilentPrompter prompter;
    const long rssBefore = currentRssBytes();
    const long long heapBefore = g_heapNow.load();
    g_heapPeak = heapBefore;
    std::size_t written = 0;
    for (auto _ : state) {
        const CommandFileResult result = generateCommandFile(s.doc, option, prompter);
        written = std::filesystem::file_size(result.path);
        benchmark::DoNotOptimize(written);
    }
    const std::size_t perRun = option == UploadOption::Everything ? written : 2 * s.documentBytes;
    state.SetBytesProcessed(static_cast<int64_t>(perRun) * state.iterations());
    state.counters["cmd_MB"] = megabytes(written);
    state.counters["doc_MB"] = megabytes(s.documentBytes);
    state.counters["catalogs_MB"] = megabytes(s.catalogBytes);
    state.counters["heap_doc_MB"] = megabytes(heapBefore);
    state.counters["heap_run_extra_MB"] = megabytes(g_heapPeak.load() - heapBefore);
    state.counters["rss_before_MB"] = megabytes(rssBefore);
    state.counters["peak_rss_MB"] = megabytes(peakRssBytes());
    state.counters["limit_MB"] = megabytes(4.0 * (s.documentBytes + s.catalogBytes));
}

void BM_GenerateEverything(benchmark::State& state) {
    run(state, UploadOption::Everything);
}
void BM_GenerateChangesSinceLastUpload(benchmark::State& state) {
    run(state, UploadOption::ChangesSinceLastUpload);
}

// What the editor does at Open before anything is generated: catalogs, then the document.
void BM_OpenDocument(benchmark::State& state) {
    BenchSet& s = benchSet();
    SilentPrompter prompter;
    for (auto _ : state) {
        ConfigDocument doc;
        doc.setStartupDirectory(s.dir.string());
        if (!loadCatalogs(doc, prompter) || !readDocumentFile(doc, s.documentPath()))
            state.SkipWithError("open failed");
        benchmark::DoNotOptimize(doc.macros.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(s.documentBytes + s.catalogBytes) *
                            state.iterations());
}

BENCHMARK(BM_OpenDocument)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_GenerateEverything)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_GenerateChangesSinceLastUpload)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0)
    ->UseRealTime();

} // namespace
} // namespace merix::bench

BENCHMARK_MAIN();
