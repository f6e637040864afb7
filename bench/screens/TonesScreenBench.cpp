#include "ScreenBench.h"

#include "screens/TonesScreen.h"

namespace merix::bench {
namespace {

void BM_OpenTonesScreen(benchmark::State& state) {
    // tones.cfg is one record whatever the scale; the rest of the document is ten times over.
    static ScaledDocument scaled(CatalogScale{});
    benchOpenScreen<TonesScreen>(state, scaled);
}
BENCHMARK(BM_OpenTonesScreen)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace merix::bench
