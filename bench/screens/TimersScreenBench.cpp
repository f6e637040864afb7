#include "ScreenBench.h"

#include "screens/TimersScreen.h"

namespace merix::bench {
namespace {

void BM_OpenTimersScreen(benchmark::State& state) {
    static ScaledDocument scaled(CatalogScale{});
    benchOpenScreen<TimersScreen>(state, scaled);
    state.counters["timers"] = static_cast<double>(scaled.doc.timers.size());
}
BENCHMARK(BM_OpenTimersScreen)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace merix::bench
