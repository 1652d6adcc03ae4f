// Pixel-layer throughput: the fills and copies every repaint is made of.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include <windows.h>

#include "backend/headless/headless_backend.h"

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

namespace {

// Short segments of a curve through a window's context, the path the graphics driver takes:
// items are segments.
void BM_LineToWindowSegments(benchmark::State& state) {
    plat::use_headless_backend({1024, 768});
    const HWND w = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 800, 600,
                                   nullptr, nullptr, nullptr, nullptr);
    const HDC dc = GetDC(w);
    const HPEN pen = CreatePen(static_cast<int>(state.range(0)), 1, RGB(0, 0, 255));
    const HGDIOBJ old = SelectObject(dc, pen);
    constexpr int kSegments = 10000;
    std::vector<POINT> points(kSegments + 1);
    for (int i = 0; i <= kSegments; ++i) {
        const double t = static_cast<double>(i) / kSegments;
        points[i] = {static_cast<LONG>(400 + 360 * std::sin(t * 40) * std::cos(t * 3)),
                     static_cast<LONG>(300 + 270 * std::cos(t * 37))};
    }
    for (auto _ : state) {
        MoveToEx(dc, points[0].x, points[0].y, nullptr);
        for (int i = 1; i <= kSegments; ++i)
            LineTo(dc, points[i].x, points[i].y);
        GdiFlush();
    }
    state.SetItemsProcessed(state.iterations() * kSegments);
    SelectObject(dc, old);
    DeleteObject(pen);
    ReleaseDC(w, dc);
    DestroyWindow(w);
}
BENCHMARK(BM_LineToWindowSegments)->Arg(PS_SOLID)->Arg(PS_DASH);

} // namespace
