// The palette messages of an 8-bit screen, in the order the platform documents them: a window
// about to receive the keyboard focus is asked to realise its palette (WM_QUERYNEWPALETTE); once
// the focus window's realisation has changed the system palette, every top-level window, the
// one that caused it included, hears WM_PALETTECHANGED with that window in wParam.
#include <vector>

#include "message_recorder.h"

using namespace testmsg;

namespace {

struct Seen {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    bool operator==(const Seen&) const = default;
};

std::vector<Seen>* seen = nullptr;
HPALETTE* palettes = nullptr; // one per window of the test, indexed as windows
HWND* windows = nullptr;
BOOL queryBackground = FALSE;
bool answering = false; // the procedure realises when asked

int index_of(HWND hwnd) {
    return hwnd == windows[0] ? 0 : 1;
}

UINT realise(HWND hwnd, BOOL background) {
    HDC dc = GetDC(hwnd);
    const HPALETTE old = SelectPalette(dc, palettes[index_of(hwnd)], background);
    const UINT n = RealizePalette(dc);
    SelectPalette(dc, old, FALSE);
    ReleaseDC(hwnd, dc);
    return n;
}

// A palette-aware window as the documentation describes one: it realises in the foreground
// when asked, and in the background when another window changed the system palette.
LRESULT CALLBACK palette_aware(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (seen &&
        (message == WM_QUERYNEWPALETTE || message == WM_PALETTECHANGED || message == WM_SETFOCUS))
        seen->push_back({hwnd, message, message == WM_PALETTECHANGED ? wParam : 0});
    if (message == WM_QUERYNEWPALETTE && answering) return realise(hwnd, queryBackground) != 0;
    if (message == WM_PALETTECHANGED && answering && reinterpret_cast<HWND>(wParam) != hwnd) {
        realise(hwnd, TRUE);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

HPALETTE make_palette(BYTE red) {
    LOGPALETTE lp{0x300, 1, {{red, 77, 11, 0}}};
    return CreatePalette(&lp);
}

class PaletteSequence : public WindowTest {
protected:
    void use_screen(int bits) {
        screen = &plat::use_headless_backend({1024, 768}, bits);
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = palette_aware;
        wc.lpszClassName = "PaletteAware";
        RegisterClassExA(&wc);
        for (int i = 0; i < 2; ++i) {
            own[i] = make_palette(static_cast<BYTE>(100 + i));
            top[i] = CreateWindowExA(0, "PaletteAware", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                     50 * i, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
        }
        palettes = own;
        windows = top;
        pump();
        answering = true;
        seen = &log;
    }
    void TearDown() override {
        seen = nullptr;
        answering = false;
        palettes = nullptr;
        windows = nullptr;
        queryBackground = FALSE;
        WindowTest::TearDown();
        for (HPALETTE p : own)
            if (p) DeleteObject(p);
        UnregisterClassA("PaletteAware", nullptr);
    }
    std::vector<Seen> log;
    HWND top[2]{};
    HPALETTE own[2]{};
};

TEST_F(PaletteSequence, ActivationAsksForThePaletteBeforeTheFocusArrives) {
    struct Case {
        const char* name;
        int bits;
        BOOL background; // how the activated window realises when asked
        bool changes;    // its palette is new to the system palette
    };
    const Case cases[] = {
        {"foreground, new colours", 8, FALSE, true},
        {"foreground, colours already shown", 8, FALSE, false},
        {"background realisation", 8, TRUE, true},
        {"true-colour screen", 24, FALSE, true},
    };
    for (const Case& c : cases) {
        TearDown();
        WindowTest::SetUp();
        use_screen(c.bits);
        queryBackground = c.background;
        // Window 1 was activated last; its colours go to the screen before window 0 asks.
        if (!c.changes) {
            answering = false;
            SetActiveWindow(top[0]);
            realise(top[0], FALSE);
            SetActiveWindow(top[1]);
            answering = true;
        }
        log.clear();
        SetActiveWindow(top[0]);
        const WPARAM cause = reinterpret_cast<WPARAM>(top[0]);
        std::vector<Seen> expected;
        if (c.bits == 8) expected.push_back({top[0], WM_QUERYNEWPALETTE, 0});
        if (c.bits == 8 && !c.background && c.changes) {
            // Every top-level window, from the top of the z-order: the new front window first.
            expected.push_back({top[0], WM_PALETTECHANGED, cause});
            expected.push_back({top[1], WM_PALETTECHANGED, cause});
        }
        expected.push_back({top[0], WM_SETFOCUS, 0});
        EXPECT_EQ(log, expected) << c.name;
    }
}

TEST_F(PaletteSequence, BackgroundRealisationAndChildWindowsTellNobody) {
    use_screen(8);
    answering = false;
    SetActiveWindow(top[0]);
    log.clear();
    // The inactive window realises: only its own colours' slots change, no one is told.
    EXPECT_EQ(realise(top[1], FALSE), 1u);
    // A child of the active window realises in the foreground on its parent's behalf.
    const HWND child = CreateWindowExA(0, "PaletteAware", "", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10,
                                       top[0], nullptr, nullptr, nullptr);
    DeleteObject(own[0]);
    own[0] = make_palette(200);
    HDC dc = GetDC(child);
    SelectPalette(dc, own[0], FALSE);
    EXPECT_EQ(RealizePalette(dc), 1u);
    SelectPalette(dc, static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)), FALSE);
    ReleaseDC(child, dc);
    const WPARAM cause = reinterpret_cast<WPARAM>(child);
    EXPECT_EQ(log, (std::vector<Seen>{{top[0], WM_PALETTECHANGED, cause},
                                      {top[1], WM_PALETTECHANGED, cause}}));
}

} // namespace
