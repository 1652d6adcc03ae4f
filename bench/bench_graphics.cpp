// Graphics through the toolkit on the headless screen: line segments and area fills drawn by
// the public routines into the root window, as a plotting program draws them.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include <windows.h>

#include "backend/headless/headless_backend.h"
#include "public/tessaramond.h"
#include "window/input.h"
#include "window/message_queue.h"

namespace {

constexpr int kSegments = 10000;

void open_root(int bits) {
    plat::use_headless_backend({1024, 768}, bits);
    WInitialise(" ");
    tess::WindowDescription d;
    d.Flags = tess::WinFlagSystemMenu;
    d.Left = d.Top = 10;
    d.Width = 800;
    d.Height = 600;
    d.Title = "Bench";
    WindowOpen(d);
}

void close_root() {
    WindowClose();
    plat::reset_queue();
    plat::reset_input();
}

// A curve of 10,000 segments swept across the window: each a few pixels long, in every
// direction, as a plotted function is.
std::vector<std::pair<float, float>> curve() {
    std::vector<std::pair<float, float>> points(kSegments + 1);
    for (int i = 0; i <= kSegments; ++i) {
        const float t = static_cast<float>(i) / kSegments;
        points[i] = {0.5f + 0.45f * std::sin(t * 40.0f) * std::cos(t * 3.0f),
                     0.5f + 0.45f * std::cos(t * 37.0f)};
    }
    return points;
}

void run_segments(benchmark::State& state, const std::vector<std::pair<float, float>>& points) {
    for (auto _ : state) {
        IGrMoveTo(points[0].first, points[0].second);
        for (int i = 1; i <= kSegments; ++i)
            IGrLineTo(points[i].first, points[i].second);
        GdiFlush();
    }
    state.SetItemsProcessed(state.iterations() * kSegments);
    state.counters["segments/s"] = benchmark::Counter(
        static_cast<double>(kSegments), benchmark::Counter::kIsIterationInvariantRate);
}

// Goal: at least 1,000,000 segments per second.
void LineSegmentsCurve(benchmark::State& state) {
    open_root(24);
    const int type = static_cast<int>(state.range(0));
    IGrLineType(type);
    run_segments(state, curve());
    close_root();
}
BENCHMARK(LineSegmentsCurve)->Arg(0)->Arg(2)->Unit(benchmark::kMillisecond);

// Long chords across the window, for comparison: about 300 pixels each.
void LineSegmentsChords(benchmark::State& state) {
    open_root(24);
    std::vector<std::pair<float, float>> points(kSegments + 1);
    for (int i = 0; i <= kSegments; ++i)
        points[i] = {0.5f + 0.4f * std::cos(i * 2.4f), 0.5f + 0.4f * std::sin(i * 2.4f)};
    run_segments(state, points);
    close_root();
}
BENCHMARK(LineSegmentsChords)->Unit(benchmark::kMillisecond);

// Goal: at least 2,000 fills of the whole window per second, on 24- and 8-bit screens.
void FullWindowFill(benchmark::State& state) {
    open_root(static_cast<int>(state.range(0)));
    int colour = 16;
    for (auto _ : state) {
        IGrColourN(colour);
        IGrFillRectangle(0.0f, 0.0f, 1.0f, 1.0f);
        GdiFlush();
        colour = colour == 16 ? 144 : 16;
    }
    state.SetItemsProcessed(state.iterations());
    close_root();
}
BENCHMARK(FullWindowFill)->Arg(24)->Arg(8);

} // namespace
