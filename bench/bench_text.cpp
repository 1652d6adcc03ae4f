// Drawing a 30-character line in Courier New at 16 pixels, glyphs cached.
#include <benchmark/benchmark.h>

#include <cstring>

#include <windows.h>

#include "backend/headless/headless_backend.h"
#include "gdi/font_engine.h"

namespace {

void BM_TextLine30(benchmark::State& state) {
    LOGFONTA lf{};
    lf.lfHeight = -16;
    std::strcpy(lf.lfFaceName, "Courier New");
    auto font = plat::create_font(lf);
    if (!font) {
        state.SkipWithError("no font");
        return;
    }
    plat::Surface surface(400, 40, 0xFFFFFF);
    plat::Painter painter(surface);
    const char* line = "The quick brown fox jumps 0123";
    for (auto _ : state) {
        benchmark::DoNotOptimize(font->draw(painter, 4, 24, line, 0x000000));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TextLine30);

// The same line through TextOutA on a window's device context, as the toolkit draws it.
void BM_TextOutA30(benchmark::State& state) {
    plat::use_headless_backend();
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefWindowProcA;
    wc.lpszClassName = "BenchText";
    RegisterClassExA(&wc);
    const HWND hwnd = CreateWindowExA(0, "BenchText", "", WS_POPUP | WS_VISIBLE, 0, 0, 400, 40,
                                      nullptr, nullptr, nullptr, nullptr);
    HDC dc = GetDC(hwnd);
    const HFONT font = CreateFontA(-16, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0,
                                   FIXED_PITCH, "Courier New");
    SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    const char* line = "The quick brown fox jumps 0123";
    for (auto _ : state) {
        benchmark::DoNotOptimize(TextOutA(dc, 4, 8, line, 30));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
    ReleaseDC(hwnd, dc);
    DeleteObject(font);
    DestroyWindow(hwnd);
}
BENCHMARK(BM_TextOutA30);

// The toolkit's way of writing between events: a line through a held window context, then the
// flush a wait does, which copies the damaged rectangle into the headless presented image.
void BM_TextOutA30HeldDcFlushed(benchmark::State& state) {
    plat::HeadlessBackend& screen = plat::use_headless_backend();
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefWindowProcA;
    wc.lpszClassName = "BenchHeldText";
    RegisterClassExA(&wc);
    const HWND hwnd = CreateWindowExA(0, "BenchHeldText", "", WS_POPUP | WS_VISIBLE, 0, 0, 400, 40,
                                      nullptr, nullptr, nullptr, nullptr);
    HDC dc = GetDC(hwnd);
    const HFONT font = CreateFontA(-16, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0,
                                   FIXED_PITCH, "Courier New");
    SelectObject(dc, font);
    SetBkMode(dc, OPAQUE);
    const char* line = "The quick brown fox jumps 0123";
    const int presents = screen.presents();
    for (auto _ : state) {
        benchmark::DoNotOptimize(TextOutA(dc, 4, 8, line, 30));
        GdiFlush();
        benchmark::ClobberMemory();
    }
    if (screen.presents() - presents != static_cast<int>(state.iterations()))
        state.SkipWithError("not every line was presented");
    state.SetItemsProcessed(state.iterations());
    ReleaseDC(hwnd, dc);
    DeleteObject(font);
    DestroyWindow(hwnd);
}
BENCHMARK(BM_TextOutA30HeldDcFlushed);

} // namespace
