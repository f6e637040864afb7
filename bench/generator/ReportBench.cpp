// The configuration report, the document comparison and the explained upload of a
// configuration ten times the size of the sample catalogs, each as the command-line tool
// runs it: catalogs and document read, labels read again, then the work.
#include "SyntheticConfiguration.h"

#include "document/CatalogLoader.h"
#include "document/ConfigDocument.h"
#include "document/DocumentFile.h"
#include "document/Prompter.h"
#include "document/UnknownEntries.h"
#include "generator/CatalogLabels.h"
#include "generator/CommandFileExplanation.h"
#include "generator/ConfigurationReport.h"
#include "generator/DocumentDiff.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <stdexcept>
#include <unistd.h>

namespace merix::bench {
namespace {

class SilentPrompter : public Prompter {
  public:
    void inform(const std::string& text) override { throw std::runtime_error(text); }
    bool ask(const std::string&) override { return false; }
};

// Ten times the sample: 250 commands, 500 macros, 100 users and 40 messages there.
SyntheticSize tenTimesTheSample() {
    SyntheticSize size;
    size.commands = 2500;
    size.macros = 5000;
    size.linesPerMacro = 10;
    size.users = 1000;
    size.messages = 400;
    size.wordsPerMessage = 12;
    return size;
}

struct Setup {
    std::filesystem::path dir;
    std::string document;
    std::string reference;

    Setup() {
        dir = std::filesystem::temp_directory_path() /
              ("merix-report-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        const SyntheticSize size = tenTimesTheSample();
        writeSyntheticCatalogs(dir, size);
        ConfigDocument doc = open(std::string());
        document = (dir / "BIG.mrx").string();
        reference = (dir / "BIG.REF").string();
        doc.setDocumentPath(document);
        fillSyntheticValues(doc, size);
        writeDocumentFile(doc, reference);
        doc.timers[3].length = 99;
        doc.macros[4000].lines[5].parameters = "9 9";
        doc.users[500].callSign = "W1AW";
        doc.ports[2].Chaining = 0;
        writeDocumentFile(doc, document);
    }
    ~Setup() { std::filesystem::remove_all(dir); }

    ConfigDocument open(const std::string& path) const {
        ConfigDocument doc;
        doc.setStartupDirectory(dir.string());
        SilentPrompter prompter;
        if (!loadCatalogs(doc, prompter) || (!path.empty() && !readDocumentFile(doc, path)))
            throw std::runtime_error("open failed");
        doc.setDocumentPath(path);
        return doc;
    }
};

Setup& setup() {
    static Setup s;
    return s;
}

void BM_ReportHtml10x(benchmark::State& state) {
    Setup& s = setup();
    std::size_t bytes = 0;
    for (auto _ : state) {
        const ConfigDocument doc = s.open(s.document);
        ReportOptions options;
        options.unknownEntries = countUnknownEntries(doc, s.document);
        const std::string html = reportHtml(buildReport(doc, CatalogLabels::read(doc), options));
        bytes = html.size();
        benchmark::DoNotOptimize(html.data());
    }
    state.counters["html_MB"] = static_cast<double>(bytes) / (1024.0 * 1024.0);
}

void BM_ReportText10x(benchmark::State& state) {
    Setup& s = setup();
    for (auto _ : state) {
        const ConfigDocument doc = s.open(s.document);
        const std::string text = reportText(buildReport(doc, CatalogLabels::read(doc), {}));
        benchmark::DoNotOptimize(text.data());
    }
}

void BM_Diff10x(benchmark::State& state) {
    Setup& s = setup();
    for (auto _ : state) {
        const ConfigDocument a = s.open(s.reference);
        const ConfigDocument b = s.open(s.document);
        const auto differences = documentDifferences(a, b, CatalogLabels::read(b), false);
        if (differences.size() != 4)
            state.SkipWithError("unexpected differences");
        benchmark::DoNotOptimize(differences.data());
    }
}

// The editor's Review from the File menu, in everything mode: the largest explanation.
void BM_ExplainEverything10x(benchmark::State& state) {
    Setup& s = setup();
    const ConfigDocument doc = s.open(s.document);
    std::size_t lines = 0;
    for (auto _ : state) {
        const ExplainedCommandFile file = explainUpload(doc, UploadOption::Everything);
        lines = file.lines.size();
        benchmark::DoNotOptimize(file.lines.data());
    }
    state.counters["lines"] = static_cast<double>(lines);
}

BENCHMARK(BM_ReportHtml10x)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_ReportText10x)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_Diff10x)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_ExplainEverything10x)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

} // namespace
} // namespace merix::bench

BENCHMARK_MAIN();
