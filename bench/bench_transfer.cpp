// Planning how a damaged rectangle travels to the X server: every presented rectangle is
// scanned for one-colour bands once, so its cost is paid per painted frame.
#include <benchmark/benchmark.h>

#include "backend/x11/x11_transfer.h"

namespace {

using plat::Surface;

// A whole screen of background: one fill.
void BM_TransferPlanOneColourScreen(benchmark::State& state) {
    const Surface s(1024, 768, 0x00C0C0C0);
    for (auto _ : state)
        benchmark::DoNotOptimize(plat::x11::plan_transfers(s, {0, 0, 1024, 768}));
    state.SetBytesProcessed(state.iterations() * 1024 * 768 * 4);
}
BENCHMARK(BM_TransferPlanOneColourScreen);

// A screen of text lines on a background: every line ends its band at its first ink.
void BM_TransferPlanTextScreen(benchmark::State& state) {
    Surface s(1024, 768, 0x00FFFFFF);
    for (int top = 4; top + 12 < 768; top += 16)
        s.fill({8, top, 600, top + 12}, 0);
    for (auto _ : state)
        benchmark::DoNotOptimize(plat::x11::plan_transfers(s, {0, 0, 1024, 768}));
    state.SetBytesProcessed(state.iterations() * 1024 * 768 * 4);
}
BENCHMARK(BM_TransferPlanTextScreen);

} // namespace
