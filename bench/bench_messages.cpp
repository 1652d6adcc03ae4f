// Message round trips and the paint cycle of the window manager.
#include <benchmark/benchmark.h>

#include <windows.h>

#include "backend/headless/headless_backend.h"

namespace {

LRESULT CALLBACK counting_proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER) return static_cast<LRESULT>(wParam + 1);
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        BeginPaint(hwnd, &ps);
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

HWND make_window() {
    plat::use_headless_backend();
    static bool registered = false;
    if (!registered) {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = counting_proc;
        wc.lpszClassName = "BenchWindow";
        RegisterClassExA(&wc);
        registered = true;
    }
    return CreateWindowExA(0, "BenchWindow", "", WS_POPUP | WS_VISIBLE, 0, 0, 64, 48, nullptr,
                           nullptr, nullptr, nullptr);
}

void PostGetDispatch(benchmark::State& state) {
    const HWND hwnd = make_window();
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
    for (auto _ : state) {
        PostMessageA(hwnd, WM_USER, 1, 0);
        GetMessageA(&msg, nullptr, 0, 0);
        benchmark::DoNotOptimize(DispatchMessageA(&msg));
    }
    state.SetItemsProcessed(state.iterations());
    DestroyWindow(hwnd);
}
BENCHMARK(PostGetDispatch);

void SendToWindowProc(benchmark::State& state) {
    const HWND hwnd = make_window();
    WPARAM i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(SendMessageA(hwnd, WM_USER, ++i, 0));
    state.SetItemsProcessed(state.iterations());
    DestroyWindow(hwnd);
}
BENCHMARK(SendToWindowProc);

void RepaintCycle(benchmark::State& state) {
    const HWND hwnd = make_window();
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
    for (auto _ : state) {
        InvalidateRect(hwnd, nullptr, FALSE);
        GetMessageA(&msg, nullptr, 0, 0);
        DispatchMessageA(&msg);
    }
    state.SetItemsProcessed(state.iterations());
    DestroyWindow(hwnd);
}
BENCHMARK(RepaintCycle);

} // namespace
