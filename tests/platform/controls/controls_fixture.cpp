#include "controls_fixture.h"

#include "support/presented.h"
#include "window/clipboard.h"

#include <cstring>

namespace ctltest {

FrameLog& frame_log() {
    static FrameLog log;
    return log;
}

namespace {

LRESULT CALLBACK frame_proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    FrameLog& log = frame_log();
    switch (message) {
    case WM_SIZE:
        if (log.statusBar) SendMessageA(log.statusBar, WM_SIZE, 0, 0);
        return 0;
    case WM_COMMAND:
        log.commands.push_back(wParam);
        log.commandSenders.push_back(lParam);
        if (log.destroyOnCommand) DestroyWindow(reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_NOTIFY: {
        const auto* hdr = reinterpret_cast<const NMHDR*>(lParam);
        log.notifies.push_back({wParam, hdr->hwndFrom, hdr->idFrom, hdr->code});
        if (hdr->code == TTN_NEEDTEXTA) {
            auto* info = reinterpret_cast<NMTTDISPINFOA*>(lParam);
            if (log.tipPointer) {
                info->lpszText = log.tipPointer;
                info->hinst = log.tipInstance;
            } else {
                std::strncpy(info->szText, log.tipText.c_str(), sizeof info->szText - 1);
            }
        }
        return 0;
    }
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        log.ctlAsked.push_back(message);
        if (!log.ctlBrush) return DefWindowProcA(hwnd, message, wParam, lParam);
        SetTextColor(reinterpret_cast<HDC>(wParam), log.ctlText);
        SetBkColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 0));
        return reinterpret_cast<LRESULT>(log.ctlBrush);
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

} // namespace

void ControlsTest::SetUp() {
    screen = &plat::use_headless_backend();
    frame_log() = FrameLog{};
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = frame_proc;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = "ControlsFrame";
    RegisterClassExA(&wc);
}

void ControlsTest::TearDown() {
    std::vector<HWND> all;
    plat::for_each_window([&](HWND h, const plat::Window& w) {
        if (!(w.style & WS_CHILD) && !w.owner) all.push_back(h);
    });
    for (HWND h : all)
        DestroyWindow(h);
    plat::reset_queue();
    plat::reset_input();
    plat::reset_clipboard();
    UnregisterClassA("ControlsFrame", nullptr);
}

HWND ControlsTest::frame(DWORD style, int width, int height) {
    const HWND f = CreateWindowExA(0, "ControlsFrame", "Frame", style, 100, 100, width, height,
                                   nullptr, nullptr, nullptr, nullptr);
    pump();
    return f;
}

void ControlsTest::pump() {
    MSG msg;
    for (int n = 0; n < 10000 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++n) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void ControlsTest::wait(DWORD ms) {
    plat::advance_clock(ms);
    pump();
}

HWND ControlsTest::toolbar(HWND parent, DWORD style) {
    const HWND tb =
        CreateWindowExA(0, TOOLBARCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style,
                        0, 0, 1, 1, parent, reinterpret_cast<HMENU>(100), nullptr, nullptr);
    if (!tb) return nullptr;
    SendMessageA(tb, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(tb, TB_SETBITMAPSIZE, 0, MAKELONG(16, 15));
    SendMessageA(tb, TB_SETBUTTONSIZE, 0, MAKELONG(22, 21));
    SendMessageA(tb, TB_AUTOSIZE, 0, 0);
    // As many images as entries, separators included, as the toolkit registers them.
    TBADDBITMAP strip{plat::default_module(), IDB_STRIP};
    EXPECT_EQ(SendMessageA(tb, TB_ADDBITMAP, 4, reinterpret_cast<LPARAM>(&strip)), 0);
    const TBBUTTON buttons[] = {{0, 201, TBSTATE_ENABLED, TBSTYLE_BUTTON, {}, 0, 0},
                                {0, 0, 0, TBSTYLE_SEP, {}, 0, 0},
                                {1, 202, TBSTATE_ENABLED, TBSTYLE_BUTTON, {}, 0, 0},
                                {2, 203, TBSTATE_ENABLED, TBSTYLE_CHECK, {}, 0, 0}};
    EXPECT_TRUE(SendMessageA(tb, TB_ADDBUTTONSA, 4, reinterpret_cast<LPARAM>(buttons)));
    pump();
    return tb;
}

RECT ControlsTest::item(HWND tb, int index) {
    RECT r{};
    EXPECT_TRUE(
        SendMessageA(tb, TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r)));
    return r;
}

POINT ControlsTest::centre(HWND tb, int index) {
    const RECT r = item(tb, index);
    return screen_point(tb, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

POINT ControlsTest::screen_point(HWND hwnd, int x, int y) {
    POINT p{x, y};
    ClientToScreen(hwnd, &p);
    return p;
}

HWND ControlsTest::control(HWND parent, const char* cls, const char* text, DWORD style, RECT r,
                           int id) {
    const HWND h =
        CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top,
                        r.right - r.left, r.bottom - r.top, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    pump();
    return h;
}

plat::Pixel ControlsTest::pixel(HWND hwnd, int x, int y) {
    HWND top = hwnd;
    while (GetWindowLongPtrA(top, GWL_STYLE) & WS_CHILD)
        top = GetParent(top);
    const POINT p = screen_point(hwnd, x, y);
    RECT r;
    GetWindowRect(top, &r);
    const int sx = p.x - r.left, sy = p.y - r.top;
    if (sx < 0 || sy < 0 || sx >= r.right - r.left || sy >= r.bottom - r.top) return 0xFF000000u;
    return testsupport::presented_pixel(top, sx, sy);
}

} // namespace ctltest
