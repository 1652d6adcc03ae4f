// The toolkit on the headless screen: event retrieval of typed keys, and a result table written
// into an inside-root child and flushed to what the user sees.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>

#include <windows.h>

#include "bench_root.h"

namespace {

using benchroot::close_root;
using benchroot::open_root;

// One key press with its character per iteration, retrieved by WMessage as one event.
void WMessageKeyPress(benchmark::State& state) {
    open_root();
    int type = 0;
    tess::EventRecord m;
    int wrong = 0;
    for (auto _ : state) {
        plat::inject_key('A', 'a', true);
        plat::inject_key('A', 'a', false);
        WMessage(type, m);
        wrong += type != tess::EventKey || m.Value1 != 'a';
    }
    if (wrong) state.SkipWithError("an event other than the key arrived");
    state.SetItemsProcessed(state.iterations());
    close_root();
}
BENCHMARK(WMessageKeyPress);

// Twelve lines of 30 characters into an inside-root child, then the flush that shows them.
void ResultTableIntoChild(benchmark::State& state) {
    open_root();
    tess::WindowDescription d;
    d.Flags = tess::WinFlagSystemMenu | tess::WinFlagInsideRoot;
    d.Left = d.Top = 500;
    d.Width = 6000;
    d.Height = 6000;
    d.Title = "Ergebnis";
    int child = -1;
    WindowOpenChild(d, child);
    std::array<FixedString<30>, 12> lines;
    for (int i = 0; i < 12; ++i) {
        char text[64];
        std::snprintf(text, sizeof text, "%2d  x = %7.3f  y = %9.4f", i + 1, i * 0.25, i * i * 1.5);
        lines[static_cast<std::size_t>(i)] = text; // 30 characters
    }
    for (auto _ : state) {
        for (int i = 0; i < 12; ++i)
            WindowOutString(200, 200 + i * 700, lines[static_cast<std::size_t>(i)]);
        GdiFlush();
    }
    state.SetItemsProcessed(state.iterations());
    close_root();
}
BENCHMARK(ResultTableIntoChild)->Unit(benchmark::kMicrosecond);

} // namespace
