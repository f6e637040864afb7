#include "ScreenBench.h"

#include "screens/MiscSetupCatalog.h"
#include "screens/MiscSetupScreen.h"

namespace merix::bench {
namespace {

void BM_OpenMiscSetupScreen(benchmark::State& state) {
    static ScaledDocument scaled(CatalogScale{});
    benchOpenScreen<MiscSetupScreen>(state, scaled);
    state.counters["access modes"] = static_cast<double>(
        readAccessModeChoices(scaled.doc.catalogPath("access.cfg")).names.size());
}
BENCHMARK(BM_OpenMiscSetupScreen)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace merix::bench
