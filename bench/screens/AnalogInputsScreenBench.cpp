#include "ScreenBench.h"

#include "screens/AnalogInputsScreen.h"

namespace merix::bench {
namespace {

void BM_OpenAnalogInputsScreen(benchmark::State& state) {
    static ScaledDocument scaled(CatalogScale{});
    benchOpenScreen<AnalogInputsScreen>(state, scaled);
    state.counters["inputs"] = static_cast<double>(scaled.doc.ioPoints.size());
}
BENCHMARK(BM_OpenAnalogInputsScreen)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace merix::bench
