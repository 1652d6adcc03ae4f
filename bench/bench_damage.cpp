// Finding the damage of a presentation: every present compares the dirty part of the
// framebuffer with what the X server was last sent, so its cost is paid per painted frame.
#include <benchmark/benchmark.h>

#include "backend/x11/x11_damage.h"

namespace {

using plat::Surface;

// A full-screen frame in which nothing changed: the common case of a repaint that draws the
// same pixels again.
void BM_DamageUnchangedScreen(benchmark::State& state) {
    Surface now(1024, 768, 0x00C0C0C0), shown(1024, 768, 0x00C0C0C0);
    for (auto _ : state)
        benchmark::DoNotOptimize(plat::x11::take_damage(now, shown, {0, 0, 1024, 768}));
    state.SetBytesProcessed(state.iterations() * 1024 * 768 * 4);
}
BENCHMARK(BM_DamageUnchangedScreen);

// One line of typed text changed in a full-screen frame.
void BM_DamageOneTextLine(benchmark::State& state) {
    Surface now(1024, 768, 0), shown(1024, 768, 0);
    for (auto _ : state) {
        state.PauseTiming();
        now.fill({10, 100, 400, 116}, static_cast<plat::Pixel>(state.iterations()));
        state.ResumeTiming();
        benchmark::DoNotOptimize(plat::x11::take_damage(now, shown, {0, 0, 1024, 768}));
    }
}
BENCHMARK(BM_DamageOneTextLine);

} // namespace
