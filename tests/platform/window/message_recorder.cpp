#include "message_recorder.h"

#include "support/reset_windows.h"
#include "window/window_table.h"

namespace testmsg {

LRESULT CALLBACK default_proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

void WindowTest::SetUp() {
    screen = &plat::use_headless_backend();
    for (const char* name : {"TestFrame", "TestChild"}) {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = default_proc;
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = name;
        RegisterClassExA(&wc);
    }
}

void WindowTest::TearDown() {
    testsupport::destroy_every_window();
    UnregisterClassA("TestFrame", nullptr);
    UnregisterClassA("TestChild", nullptr);
}

HWND WindowTest::frame(DWORD style, const char* title) {
    return CreateWindowExA(0, "TestFrame", title, style, 100, 100, 300, 200, nullptr, nullptr,
                           nullptr, nullptr);
}

HWND WindowTest::child(HWND parent, int id, DWORD style) {
    return CreateWindowExA(0, "TestChild", "", style, 10, 10, 100, 50, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

int WindowTest::pump() {
    MSG msg;
    int n = 0;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE) && n < 10000) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
        ++n;
    }
    return n;
}

} // namespace testmsg
