// Pixel-layer throughput: the fills and copies every repaint is made of.
#include <benchmark/benchmark.h>

#include "gdi/painter.h"
#include "gdi/rop3.h"

namespace {

constexpr int kWidth = 1024, kHeight = 768;

void BM_FillFullSurface(benchmark::State& state) {
    plat::Surface surface(kWidth, kHeight);
    plat::Painter painter(surface);
    plat::Pixel color = 0x336699;
    for (auto _ : state) {
        painter.fill_rect(RECT{0, 0, kWidth, kHeight}, color);
        color ^= 0x010101;
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FillFullSurface);

void BM_SrcCopyFullSurface(benchmark::State& state) {
    plat::Surface source(kWidth, kHeight, 0x808080);
    plat::Surface surface(kWidth, kHeight);
    plat::Painter painter(surface);
    for (auto _ : state) {
        plat::blit(painter, RECT{0, 0, kWidth, kHeight}, &source, POINT{0, 0}, plat::Brush::none(),
                   SRCCOPY);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SrcCopyFullSurface);

// The general truth-table path, for comparison with the copies.
void BM_SrcInvertFullSurface(benchmark::State& state) {
    plat::Surface source(kWidth, kHeight, 0x808080);
    plat::Surface surface(kWidth, kHeight);
    plat::Painter painter(surface);
    for (auto _ : state) {
        plat::blit(painter, RECT{0, 0, kWidth, kHeight}, &source, POINT{0, 0}, plat::Brush::none(),
                   SRCINVERT);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SrcInvertFullSurface);

} // namespace
