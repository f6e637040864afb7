#include "ScreenBench.h"

#include "screens/CommandsScreen.h"

namespace merix::bench {
namespace {

void BM_OpenCommandsScreen(benchmark::State& state) {
    static ScaledDocument scaled(CatalogScale{});
    benchOpenScreen<CommandsScreen>(state, scaled);
    state.counters["commands"] = static_cast<double>(scaled.doc.commands.size());
}
BENCHMARK(BM_OpenCommandsScreen)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace merix::bench
