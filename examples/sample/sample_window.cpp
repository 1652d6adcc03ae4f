#include "sample/sample_window.h"

#include <string>

#include "sample/sample_ids.h"

namespace sample {
namespace {

constexpr std::size_t MaxTyped = 200;

struct State {
    std::string typed;
    std::string chosenFile; // what the open dialog answered last
    bool aboutShown = false;
    HFONT sans = nullptr;
    HFONT mono = nullptr;
};

State* state_of(HWND hwnd) {
    return reinterpret_cast<State*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

void text_line(HDC hdc, int line, const std::string& text) {
    TextOutA(hdc, TextLeft, 10 + line * LineHeight, text.c_str(), static_cast<int>(text.size()));
}

// The file dialog: the chosen path goes into the caption and onto its own text line.
void on_open(HWND hwnd, State& s) {
    static constexpr char filter[] = "Textdateien\0*.txt\0Alle Dateien\0*.*\0";
    char path[1024] = {};
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = hwnd;
    ofn.lpstrFilter = filter;
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = path;
    ofn.nMaxFile = sizeof path;
    ofn.Flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST;
    if (!GetOpenFileNameA(&ofn)) return;
    s.chosenFile = path;
    SetWindowTextA(hwnd, (std::string(WindowTitle) + " - " + s.chosenFile).c_str());
    InvalidateRect(hwnd, nullptr, TRUE);
}

void paint(HWND hwnd, const State& s) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, RGB(0, 0, 0));
    HGDIOBJ old = SelectObject(hdc, s.sans);
    text_line(hdc, 0, "Ein Rahmen mit Men\xFC und Text");
    SelectObject(hdc, s.mono);
    text_line(hdc, 1, "Courier New, 16 px: 0123456789");
    text_line(hdc, 2, "Getippt: " + s.typed);
    if (!s.chosenFile.empty()) text_line(hdc, 4, "Datei: " + s.chosenFile);
    if (s.aboutShown)
        text_line(hdc, 3,
                  "\xDC"
                  "ber: ein Beispiel f\xFCr Tessaramond");
    SelectObject(hdc, old);
    HBRUSH red = CreateSolidBrush(RGB(200, 0, 0));
    FillRect(hdc, &ColourBar, red);
    DeleteObject(red);
    EndPaint(hwnd, &ps);
}

void on_character(HWND hwnd, State& s, char c) {
    if (c == '\b') {
        if (!s.typed.empty()) s.typed.pop_back();
    } else if (static_cast<unsigned char>(c) >= 32 && s.typed.size() < MaxTyped) {
        s.typed.push_back(c);
    } else {
        return;
    }
    InvalidateRect(hwnd, nullptr, TRUE);
}

void on_command(HWND hwnd, State& s, WORD id) {
    switch (id) {
    case CMD_CLEAR:
        s.typed.clear();
        InvalidateRect(hwnd, nullptr, TRUE);
        break;
    case CMD_ABOUT:
        s.aboutShown = true;
        InvalidateRect(hwnd, nullptr, TRUE);
        break;
    case CMD_END:
        DestroyWindow(hwnd);
        break;
    case CMD_OPEN:
        on_open(hwnd, s);
        break;
    default:
        break;
    }
}

LRESULT CALLBACK sample_proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    State* s = state_of(hwnd);
    switch (message) {
    case WM_NCCREATE: {
        auto* fresh = new State;
        fresh->sans = CreateFontA(-16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                  VARIABLE_PITCH | FF_SWISS, "Arial");
        fresh->mono = CreateFontA(-16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                  FIXED_PITCH | FF_MODERN, "Courier New");
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(fresh));
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    case WM_NCDESTROY:
        if (s) {
            DeleteObject(s->sans);
            DeleteObject(s->mono);
            delete s;
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        }
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_PAINT:
        if (!s) break;
        paint(hwnd, *s);
        return 0;
    case WM_CHAR:
        if (s) on_character(hwnd, *s, static_cast<char>(wParam));
        return 0;
    case WM_COMMAND:
        if (s) on_command(hwnd, *s, LOWORD(wParam));
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

} // namespace

HWND create_sample_window(HINSTANCE instance, int show) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = sample_proc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_SAMPLE));
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = WindowClass;
    WNDCLASSEXA existing;
    if (!GetClassInfoExA(instance, WindowClass, &existing) && !RegisterClassExA(&wc))
        return nullptr;
    HMENU menu = LoadMenuA(instance, MAKEINTRESOURCEA(IDM_SAMPLE));
    HWND hwnd = CreateWindowExA(0, WindowClass, WindowTitle, WS_OVERLAPPEDWINDOW, 100, 100, 480,
                                240, nullptr, menu, instance, nullptr);
    if (!hwnd) {
        DestroyMenu(menu);
        return nullptr;
    }
    ShowWindow(hwnd, show);
    UpdateWindow(hwnd);
    return hwnd;
}

const char* typed_text(HWND hwnd) {
    const State* s = state_of(hwnd);
    return s ? s->typed.c_str() : "";
}

int run_sample(HINSTANCE instance, int show) {
    HWND hwnd = create_sample_window(instance, show);
    if (!hwnd) return 1;
    HACCEL accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDA_SAMPLE));
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (accelerators && TranslateAcceleratorA(hwnd, accelerators, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    if (accelerators) DestroyAcceleratorTable(accelerators);
    return static_cast<int>(msg.wParam);
}

} // namespace sample
