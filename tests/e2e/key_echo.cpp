// A small frame for the end-to-end tests: it shows the characters typed into it, and the
// message trace (TESS_TRACE) reports every key, character and command it receives. Typed text
// is also written to the file named by KEY_ECHO_OUT when the window closes. KEY_ECHO_FIXED=1
// makes the frame fixed-size; KEY_ECHO_OWNED=1 adds a dialog-style window it owns. F9 moves the
// pointer to (500, 400) and beeps; F8 puts the lock keys' states into the title. KEY_ECHO_CHILD=1
// adds a captioned frame inside the client area at (40, 60), 160 by 90. F6 fills client
// (200, 100)-(260, 140) red through a window context held since start-up, outside WM_PAINT.
// KEY_ECHO_SECOND=n shows a second frame, "Second", after n idle polls of the queue, 2 ms apart
// (one of the first polls asks X to focus the first frame); F7 puts "Focus here" into the title
// of the frame that has the keyboard.
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include <platform_start.h>
#include <windows.h>

namespace {

constexpr UINT IdFileExit = 100, IdHelpAbout = 200;
std::string typed;
HDC held = nullptr;

HMENU make_menu() {
    HMENU bar = CreateMenu();
    HMENU file = CreatePopupMenu();
    AppendMenuA(file, MF_STRING, IdFileExit, "E&xit");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
    HMENU help = CreatePopupMenu();
    AppendMenuA(help, MF_STRING, IdHelpAbout, "&About");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), "&Help");
    return bar;
}

void paint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    SelectObject(hdc, GetStockObject(DEFAULT_GUI_FONT));
    TextOutA(hdc, 8, 8, "Typed:", 6);
    // Control characters would show as boxes; the trace has them all.
    std::string shown;
    for (char c : typed)
        if (static_cast<unsigned char>(c) >= 0x20) shown.push_back(c);
    TextOutA(hdc, 8, 28, shown.c_str(), static_cast<int>(shown.size()));
    EndPaint(hwnd, &ps);
}

void save_typed() {
    const char* out = std::getenv("KEY_ECHO_OUT");
    if (!out) return;
    if (FILE* f = std::fopen(out, "wb")) {
        std::fwrite(typed.data(), 1, typed.size(), f);
        std::fclose(f);
    }
}

LRESULT CALLBACK frame_proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CHAR:
        typed.push_back(static_cast<char>(wParam));
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_F1 + 7) { // F8
            char title[64];
            std::snprintf(title, sizeof title, "Key echo: caps %d num %d scroll %d",
                          GetKeyState(VK_CAPITAL) & 1, GetKeyState(VK_NUMLOCK) & 1,
                          GetKeyState(VK_SCROLL) & 1);
            SetWindowTextA(hwnd, title);
        }
        if (wParam == VK_F1 + 5 && held) { // F6
            const RECT r{200, 100, 260, 140};
            const HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
            FillRect(held, &r, red);
            DeleteObject(red);
        }
        if (wParam == VK_F1 + 6) SetWindowTextA(hwnd, "Focus here"); // F7
        if (wParam == VK_F1 + 8) {                                   // F9
            SetCursorPos(500, 400);
            MessageBeep(0);
        }
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == IdFileExit) DestroyWindow(hwnd);
        return 0;
    case WM_PAINT:
        paint(hwnd);
        return 0;
    case WM_DESTROY:
        save_typed();
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

} // namespace

int main() {
    std::string reason;
    if (!plat::start_backend(reason)) {
        std::fprintf(stderr, "%s\n", reason.c_str());
        return 1;
    }
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = frame_proc;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = "KeyEcho";
    RegisterClassExA(&wc);
    const char* title = std::getenv("KEY_ECHO_TITLE");
    const bool fixed = std::getenv("KEY_ECHO_FIXED") != nullptr;
    const DWORD style = fixed ? WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU : WS_OVERLAPPEDWINDOW;
    HWND hwnd = CreateWindowExA(0, "KeyEcho", title ? title : "Key echo", style, CW_USEDEFAULT,
                                CW_USEDEFAULT, 400, 200, nullptr, make_menu(), nullptr, nullptr);
    ShowWindow(hwnd, SW_SHOW);
    UpdateWindow(hwnd);
    held = GetDC(hwnd);
    if (std::getenv("KEY_ECHO_CHILD")) {
        HWND inner = CreateWindowExA(0, "KeyEcho", "Inner", WS_CHILD | WS_OVERLAPPEDWINDOW, 40, 60,
                                     160, 90, hwnd, nullptr, nullptr, nullptr);
        ShowWindow(inner, SW_SHOW);
    }
    if (std::getenv("KEY_ECHO_OWNED")) {
        HWND owned = CreateWindowExA(0, "KeyEcho", "Owned", WS_POPUP | WS_CAPTION | WS_SYSMENU, 150,
                                     150, 200, 100, hwnd, nullptr, nullptr, nullptr);
        ShowWindow(owned, SW_SHOWNOACTIVATE);
    }
    MSG msg;
    if (const char* second = std::getenv("KEY_ECHO_SECOND")) {
        bool quit = false;
        for (int idle = std::atoi(second); !quit;) {
            if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                quit = msg.message == WM_QUIT;
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            } else if (idle-- > 0) {
                // What the server sent in reply to this poll's requests arrives meanwhile, so
                // each poll reads the replies to the one before it.
                const timespec pause{0, 2'000'000};
                ::nanosleep(&pause, nullptr);
            } else {
                HWND next = CreateWindowExA(0, "KeyEcho", "Second", WS_OVERLAPPEDWINDOW, 300, 300,
                                            300, 150, nullptr, nullptr, nullptr, nullptr);
                ShowWindow(next, SW_SHOW);
                break;
            }
        }
        if (quit) {
            plat::stop_backend();
            return static_cast<int>(msg.wParam);
        }
    }
    while (GetMessageA(&msg, nullptr, 0, 0)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    ReleaseDC(hwnd, held);
    plat::stop_backend();
    return static_cast<int>(msg.wParam);
}
