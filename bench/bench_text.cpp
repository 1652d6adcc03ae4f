// Drawing a 30-character line in Courier New at 16 pixels, glyphs cached.
#include <benchmark/benchmark.h>

#include <cstring>

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

} // namespace
