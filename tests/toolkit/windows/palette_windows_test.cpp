// The toolkit's windows on an 8-bit screen: the 256-colour palette comes back to them when they
// are activated, painted, or told that another window changed the system palette.
#include <vector>

#include "core/textout.h"
#include "graphics/palette.h"
#include "window_fixture.h"

namespace {

using tess::graphics;
using tess::tk;
using tess::window;

class PaletteWindows : public testtk::ToolkitWindows {
protected:
    void SetUp() override {
        // The display's colours are read once per process, at start-up: read them again here
        // and after the test, whatever ran before and after in this process.
        screen = &plat::use_headless_backend({1024, 768}, 8);
        tess::tk().settings.initialised = 0;
        WInitialise(" ");
        open_root(200, 120);
        graphics().state.deviceColours = 256;
        if (!graphics().driver.hdc) graphics().driver.hdc = tess::current_window().dc;
        tess::xxpali_();
        tess::xxmwindefinepalette(1);
        // Another program's window in front, its palette holding every free slot.
        other = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 600, 400, 50, 50, nullptr,
                                nullptr, nullptr, nullptr);
        std::vector<BYTE> storage(sizeof(LOGPALETTE) + 236 * sizeof(PALETTEENTRY));
        auto* lp = reinterpret_cast<LOGPALETTE*>(storage.data());
        lp->palVersion = 0x300;
        lp->palNumEntries = 236;
        PALETTEENTRY* e = lp->palPalEntry;
        for (int i = 0; i < 236; ++i)
            e[i] = {static_cast<BYTE>(i), 100, 200, 0};
        filler = CreatePalette(lp);
        SetActiveWindow(other);
        realise_in(other, filler);
        drain();
    }
    void TearDown() override {
        DestroyWindow(other);
        DeleteObject(filler);
        testtk::ToolkitWindows::TearDown();
        tess::tk().settings.initialised = 0;
    }

public:
    static UINT realise_in(HWND hwnd, HPALETTE palette) {
        HDC dc = GetDC(hwnd);
        const HPALETTE old = SelectPalette(dc, palette, FALSE);
        const UINT n = RealizePalette(dc);
        SelectPalette(dc, old, FALSE);
        ReleaseDC(hwnd, dc);
        return n;
    }
    // What the user sees of the root's client filled with a device palette entry.
    COLORREF shown(int entry) {
        const HWND client = window(0).client, frame = window(0).frame;
        HDC dc = GetDC(client);
        const HPALETTE old = SelectPalette(dc, graphics().colours.gPal256, FALSE);
        const HBRUSH brush = CreateSolidBrush(PALETTEINDEX(static_cast<WORD>(entry)));
        RECT r{0, 0, 4, 4};
        FillRect(dc, &r, brush);
        SelectPalette(dc, old, FALSE);
        ReleaseDC(client, dc);
        DeleteObject(brush);
        POINT p{1, 1};
        ClientToScreen(client, &p);
        RECT w{};
        GetWindowRect(frame, &w);
        return plat::colorref_from_pixel(
            testsupport::presented_pixel(frame, p.x - w.left, p.y - w.top));
    }

public:
    HWND other = nullptr;
    HPALETTE filler = nullptr;
};

constexpr COLORREF brightRed = RGB(195, 0, 0); // colour number 16
constexpr COLORREF nearestStatic = RGB(255, 0, 0);

TEST_F(PaletteWindows, TheWindowGetsItsColoursBackWhenItNeedsThem) {
    struct Case {
        const char* name;
        void (*act)(PaletteWindows&);
        COLORREF shown;
    };
    const Case cases[] = {
        {"nothing happened", [](PaletteWindows&) {}, nearestStatic},
        {"root activated", [](PaletteWindows&) { SetActiveWindow(window(0).frame); }, brightRed},
        {"client painted",
         [](PaletteWindows& t) {
             // The filler gives its slots up without telling anyone.
             UnrealizeObject(t.filler);
             RedrawWindow(window(0).client, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
         },
         brightRed},
        {"another window changed the system palette",
         [](PaletteWindows& t) {
             // The filler goes; the front window's next palette leaves slots to share.
             DeleteObject(t.filler);
             LOGPALETTE lp{0x300, 1, {{1, 2, 3, 0}}};
             t.filler = CreatePalette(&lp);
             realise_in(t.other, t.filler);
         },
         brightRed},
    };
    for (const Case& c : cases) {
        TearDown();
        SetUp();
        c.act(*this);
        EXPECT_EQ(shown(16), c.shown) << c.name;
    }
}

TEST_F(PaletteWindows, TextColoursChangeTheirDevicePaletteEntries) {
    yysetfontcolourrgb_(17, 10, 20, 30);
    yysetfontcolourrgb_(0, 40, 50, 60);
    PALETTEENTRY e[19]{};
    ASSERT_EQ(GetPaletteEntries(graphics().colours.gPal256, 256, 18, e), 18u);
    EXPECT_EQ(RGB(e[17].peRed, e[17].peGreen, e[17].peBlue), RGB(10, 20, 30));
    EXPECT_EQ(RGB(e[0].peRed, e[0].peGreen, e[0].peBlue), RGB(40, 50, 60));
    EXPECT_EQ(tk().text.wColour[17], RGB(10, 20, 30));
    yysetfontcolourrgb_(18, 1, 1, 1); // outside the text colours: nothing
    ASSERT_EQ(GetPaletteEntries(graphics().colours.gPal256, 255, 19, e), 19u);
    EXPECT_EQ(RGB(e[0].peRed, e[0].peGreen, e[0].peBlue), RGB(131, 131, 131));
}

} // namespace
