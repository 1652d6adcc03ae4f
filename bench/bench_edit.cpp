// Typing into a multi-line edit field of 10,000 lines: each character re-wraps the lines from
// the change on until they line up again, so a keystroke costs about the same in the first line
// as in the last, wrapped or not. The argument is the line typed into.
#include <benchmark/benchmark.h>

#include <string>

#include <windows.h>

#include "backend/headless/headless_backend.h"

namespace {

constexpr int Lines = 10000;

struct Field {
    HWND frame = nullptr, edit = nullptr;
    HFONT font = nullptr;

    explicit Field(DWORD style) {
        plat::use_headless_backend();
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = DefWindowProcA;
        wc.lpszClassName = "BenchEditFrame";
        RegisterClassExA(&wc);
        frame = CreateWindowExA(0, "BenchEditFrame", "", WS_POPUP | WS_VISIBLE, 0, 0, 420, 320,
                                nullptr, nullptr, nullptr, nullptr);
        edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_MULTILINE | style, 0, 0,
                               400, 300, frame, nullptr, nullptr, nullptr);
        font = CreateFontA(-16, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, FIXED_PITCH,
                           "Courier New");
        SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        SendMessageA(edit, EM_LIMITTEXT, 0, 0);
        std::string text;
        for (int i = 0; i < Lines; ++i)
            text += "line " + std::to_string(i) +
                    " holds a few words that wrap at the width of the field\r\n";
        SetWindowTextA(edit, text.c_str());
    }
    ~Field() {
        DestroyWindow(frame);
        DeleteObject(font);
        UnregisterClassA("BenchEditFrame", nullptr);
    }
    void put_caret_on(int line) {
        const LRESULT at = SendMessageA(edit, EM_LINEINDEX, static_cast<WPARAM>(line), 0);
        SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(at), at);
    }
    // A character typed and taken back, so that the text stays the same size.
    void type_one() {
        SendMessageA(edit, WM_CHAR, 'x', 0);
        SendMessageA(edit, WM_CHAR, VK_BACK, 0);
    }
    // Pending paints and bar drawing, as a wait between keystrokes does them.
    static void drain() {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
    }
};

void BM_EditTypeWrapped(benchmark::State& state) {
    Field f(WS_VSCROLL | ES_AUTOVSCROLL);
    f.put_caret_on(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        f.type_one();
        Field::drain();
    }
    if (SendMessageA(f.edit, EM_GETLINECOUNT, 0, 0) <= Lines)
        state.SkipWithError("the lines did not wrap");
    state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(BM_EditTypeWrapped)->Arg(0)->Arg(Lines / 2)->Arg(Lines - 1);

void BM_EditTypeUnwrapped(benchmark::State& state) {
    Field f(WS_VSCROLL | WS_HSCROLL | ES_AUTOVSCROLL | ES_AUTOHSCROLL);
    f.put_caret_on(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        f.type_one();
        Field::drain();
    }
    if (SendMessageA(f.edit, EM_GETLINECOUNT, 0, 0) != Lines + 1)
        state.SkipWithError("the lines changed");
    state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(BM_EditTypeUnwrapped)->Arg(0)->Arg(Lines / 2)->Arg(Lines - 1);

} // namespace
