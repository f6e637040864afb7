#include "ScreenBench.h"

#include "screens/SchedulerScreen.h"

namespace merix::bench {
namespace {

void BM_OpenSchedulerScreen(benchmark::State& state) {
    static ScaledDocument scaled(CatalogScale{});
    benchOpenScreen<SchedulerScreen>(state, scaled);
    state.counters["events"] = static_cast<double>(scaled.doc.events.size());
}
BENCHMARK(BM_OpenSchedulerScreen)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace merix::bench
