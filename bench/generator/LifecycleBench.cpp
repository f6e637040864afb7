// The editor's New and Open of the large set, through the document lifecycle the editor's
// File menu calls, in a fresh editor each time (as at the program's start). CPU time is
// the figure that counts here: the editor blocks its interface for that long.
#include "BenchSet.h"

#include "document/DocumentLifecycle.h"
#include "document/FileChooser.h"
#include "document/Prompter.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <stdexcept>

namespace merix::bench {
namespace {

class NoPrompter : public Prompter {
  public:
    void inform(const std::string& text) override { throw std::runtime_error(text); }
    bool ask(const std::string&) override { return false; }
};

class ChooseDocument : public FileChooser {
  public:
    explicit ChooseDocument(std::string path) : m_path(std::move(path)) {}
    std::optional<std::string> chooseFileToOpen() override { return m_path; }
    std::optional<std::string> chooseFileToSaveAs(const std::string&) override { return m_path; }

  private:
    std::string m_path;
};

// Runs step on a new editor per iteration, empty or holding the set already (the step then
// replaces it); making that editor and dropping the last one is not timed.
template <typename Step> void inEditor(benchmark::State& state, bool holdingTheSet, Step step) {
    const BenchSet& s = benchSet();
    NoPrompter prompter;
    ChooseDocument chooser(s.documentPath().string());
    std::unique_ptr<CVeskDoc> editor;
    for (auto _ : state) {
        state.PauseTiming();
        editor = std::make_unique<CVeskDoc>(prompter, chooser);
        editor->document().setStartupDirectory(s.dir.string());
        if (holdingTheSet && !editor->openDocument())
            state.SkipWithError("the set does not open");
        state.ResumeTiming();
        if (!step(*editor))
            state.SkipWithError("the lifecycle step failed");
    }
    state.SetBytesProcessed(static_cast<int64_t>(s.inputBytes()) * state.iterations());
}

bool open(CVeskDoc& editor) {
    return editor.openDocument();
}
// New loads the catalogs and writes the reference and initialization copies.
bool makeNew(CVeskDoc& editor) {
    return editor.newDocument();
}

void BM_EditorOpen(benchmark::State& state) {
    inEditor(state, false, open);
}
void BM_EditorNew(benchmark::State& state) {
    inEditor(state, false, makeNew);
}
void BM_EditorOpenOverTheSet(benchmark::State& state) {
    inEditor(state, true, open);
}
void BM_EditorNewOverTheSet(benchmark::State& state) {
    inEditor(state, true, makeNew);
}

BENCHMARK(BM_EditorOpen)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_EditorNew)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_EditorOpenOverTheSet)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_EditorNewOverTheSet)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace
} // namespace merix::bench
