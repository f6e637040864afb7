#include "ScreenBench.h"

#include "screens/CourtesyBeepCatalog.h"
#include "screens/CourtesyBeepsScreen.h"

namespace merix::bench {
namespace {

void BM_OpenCourtesyBeepsScreen(benchmark::State& state) {
    static ScaledDocument scaled(CatalogScale{});
    benchOpenScreen<CourtesyBeepsScreen>(state, scaled);
    state.counters["beeps"] = static_cast<double>(scaled.doc.beeps.size());
    state.counters["default sets"] = static_cast<double>(
        readDefaultBeepCatalog(scaled.doc.catalogPath("dfltbeep.cfg")).sets.size());
}
BENCHMARK(BM_OpenCourtesyBeepsScreen)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace merix::bench
