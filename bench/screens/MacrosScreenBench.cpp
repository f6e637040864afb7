#include "ScreenBench.h"

#include "screens/MacrosScreen.h"

#include <string>

namespace merix::bench {
namespace {

// Every macro full, each with a comment: the most the screen ever has to show and list.
ScaledDocument& fullMacros() {
    static ScaledDocument scaled(CatalogScale{});
    for (MacroEntry& macro : scaled.doc.macros) {
        macro.comment = "Repeater ID and courtesy tone for the evening net";
        macro.lines.clear();
        for (std::size_t i = 0; i < kMaxMacroLines; ++i)
            macro.lines.push_back(MacroLine{std::to_string(100 + i), "1 2 3 101 102"});
    }
    return scaled;
}

void BM_OpenMacrosScreen(benchmark::State& state) {
    ScaledDocument& scaled = fullMacros();
    benchOpenScreen<MacrosScreen>(state, scaled);
    state.counters["macros"] = static_cast<double>(scaled.doc.macros.size());
    state.counters["lines"] = static_cast<double>(scaled.doc.macros.front().lines.size());
}
BENCHMARK(BM_OpenMacrosScreen)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace merix::bench
