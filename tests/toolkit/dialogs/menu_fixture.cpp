#include "menu_fixture.h"
#include "core/context.h"

#include <string>

namespace menutest {

FrameLog& frame_log() {
    static FrameLog log;
    return log;
}

void key(int vk, char c) {
    plat::inject_key(vk, c, true);
    plat::inject_key(vk, c, false);
}

void click(POINT p) {
    plat::inject_mouse_move(p);
    plat::inject_mouse(p, 0, true);
    plat::inject_mouse(p, 0, false);
}

POINT centre(const RECT& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

namespace {

constexpr char FrameClass[] = "MenuTestFrame";
constexpr char ClientClass[] = "MenuTestClient";

void lay_out(HWND hwnd) {
    RECT r{};
    GetClientRect(hwnd, &r);
    const HWND tb = tess::tk().menus.hWndToolbar;
    if (IsWindow(tb)) {
        SendMessageA(tb, TB_AUTOSIZE, 0, 0);
        RECT bar{};
        GetWindowRect(tb, &bar);
        r.top += bar.bottom - bar.top;
    }
    if (IsWindow(tess::window(0).client))
        SetWindowPos(tess::window(0).client, nullptr, r.left, r.top, r.right - r.left,
                     r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK frame_proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    FrameLog& log = frame_log();
    switch (message) {
    case WM_NCPAINT:
        ++log.ncPaints;
        break;
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED) lay_out(hwnd);
        return 0;
    case WM_COMMAND:
        log.commands.push_back(wParam);
        return 0;
    case WM_NOTIFY:
        if (yytooltipnotify(lParam)) return 0;
        break;
    case WM_INITMENUPOPUP:
        log.popups.push_back(reinterpret_cast<HMENU>(wParam));
        return 0;
    case WM_ENTERIDLE:
        if (!log.idleSteps.empty()) {
            auto step = std::move(log.idleSteps.front());
            log.idleSteps.pop_front();
            step();
        } else {
            key(VK_ESCAPE);
        }
        return 0;
    default:
        break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

} // namespace

void MenuTest::SetUp() {
    screen = &plat::use_headless_backend({800, 600});
    frame_log() = FrameLog{};
    tess::tk().errors = {};
    tess::tk().reset();
    tess::tk().core.wInstance = plat::default_module();

    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = frame_proc;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = FrameClass;
    RegisterClassExA(&wc);
    wc.lpfnWndProc = DefWindowProcA;
    wc.lpszClassName = ClientClass;
    RegisterClassExA(&wc);

    const HMENU menu = LoadMenuA(tess::tk().core.wInstance, MAKEINTRESOURCEA(IDM_DEMO));
    ASSERT_NE(menu, nullptr);
    frame = CreateWindowExA(0, FrameClass, "Menus", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 100, 100,
                            400, 300, nullptr, menu, tess::tk().core.wInstance, nullptr);
    ASSERT_NE(frame, nullptr);
    RECT r{};
    GetClientRect(frame, &r);
    client = CreateWindowExA(0, ClientClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0,
                             r.right, r.bottom, frame, reinterpret_cast<HMENU>(-1),
                             tess::tk().core.wInstance, nullptr);
    tess::window(0).frame = frame;
    tess::window(0).client = client;
    tess::tk().core.hWinCur = frame;
    tess::tk().core.wWindowOpen = 1;
    ShowWindow(frame, SW_SHOWNORMAL);
    yymnloadresources_(IDM_DEMO);
    pump();
}

void MenuTest::TearDown() {
    if (IsWindow(frame)) DestroyWindow(frame);
    yymnshutdown_();
    tess::tk().reset();
    plat::reset_queue();
    plat::reset_input();
    UnregisterClassA(FrameClass, nullptr);
    UnregisterClassA(ClientClass, nullptr);
}

void MenuTest::pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

int MenuTest::bar_redraws(const std::function<void()>& f) {
    pump();
    const int before = frame_log().ncPaints;
    f();
    pump();
    return frame_log().ncPaints - before;
}

std::string MenuTest::text(HMENU menu, UINT position) {
    char buffer[128] = "";
    GetMenuStringA(menu, position, buffer, sizeof buffer, MF_BYPOSITION);
    return buffer;
}

} // namespace menutest
