#include "ScreenBench.h"

#include "screens/AutopatchScreen.h"
#include "screens/PagingScreen.h"
#include "screens/UsersScreen.h"

namespace merix::bench {
namespace {

ScaledDocument& scaledUsers() {
    static ScaledDocument scaled(CatalogScale{});
    return scaled;
}

void BM_OpenUsersScreen(benchmark::State& state) {
    ScaledDocument& scaled = scaledUsers();
    benchOpenScreen<UsersScreen>(state, scaled);
    state.counters["users"] = static_cast<double>(scaled.doc.users.size());
}
BENCHMARK(BM_OpenUsersScreen)->Unit(benchmark::kMillisecond);

// The sub-screens of the last user, shown as the Users screen shows them (without the modal
// loop, which would wait for the user).
template <typename Screen> void benchOpenSubScreen(benchmark::State& state) {
    ScaledDocument& scaled = scaledUsers();
    const std::size_t last = scaled.doc.users.size() - 1;
    for (auto _ : state) {
        auto screen = std::make_unique<Screen>(scaled.doc, scaled.prompter, last, nullptr);
        screen->show();
        QApplication::processEvents();
        state.PauseTiming();
        screen.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

void BM_OpenAutopatchScreen(benchmark::State& state) {
    benchOpenSubScreen<AutopatchScreen>(state);
}
BENCHMARK(BM_OpenAutopatchScreen)->Unit(benchmark::kMillisecond);

void BM_OpenPagingScreen(benchmark::State& state) {
    benchOpenSubScreen<PagingScreen>(state);
}
BENCHMARK(BM_OpenPagingScreen)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace merix::bench
