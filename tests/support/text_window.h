// A fixture for text output: a headless screen with a borderless frame whose client window
// covers it exactly, made the toolkit's current window 0 with its context held in its window
// record. Client pixels are the frame surface's pixels; the client background is a grey no text
// colour uses.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include "backend/headless/headless_backend.h"
#include "core/context.h"
#include "core/textout.h"
#include "core/wwindow.h"
#include "support/presented.h"
#include "window/message_queue.h"
#include "window/window_table.h"

namespace testsupport {

class TextWindowTest : public ::testing::Test {
protected:
    static constexpr int Width = 1000, Height = 800;
    static constexpr plat::Pixel Unpainted = 0x808080; // COLOR_APPWORKSPACE

    void SetUp() override {
        screen = &plat::use_headless_backend({1280, 1024});
        register_class("TextTestFrame", nullptr);
        register_class("TextTestClient", reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1));
        frame = CreateWindowExA(0, "TextTestFrame", "", WS_POPUP | WS_VISIBLE, 0, 0, Width, Height,
                                nullptr, nullptr, nullptr, nullptr);
        client = CreateWindowExA(0, "TextTestClient", "", WS_CHILD | WS_VISIBLE, 0, 0, Width,
                                 Height, frame, reinterpret_cast<HMENU>(-1), nullptr, nullptr);
        pump();
        tess::tk().reset();
        tess::WindowRecord& w = tess::window(0);
        w.frame = frame;
        w.client = client;
        w.dc = GetDC(client);
        tess::tk().tessar01.windowWidth = Width;
        tess::tk().tessar01.windowHeight = Height;
    }
    void TearDown() override {
        yyreleasefont_();
        ReleaseDC(client, tess::window(0).dc);
        DestroyWindow(frame);
        plat::reset_queue();
        UnregisterClassA("TextTestFrame", nullptr);
        UnregisterClassA("TextTestClient", nullptr);
        tess::tk().reset();
    }

    static void pump() {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
    }

    plat::Pixel at(int x, int y) { return testsupport::presented_pixel(frame, x, y); }

    // Counts the pixels of the client inside r (right and bottom exclusive) that are colour.
    int count(const RECT& r, plat::Pixel colour) {
        int n = 0;
        for (LONG y = r.top; y < r.bottom; ++y)
            for (LONG x = r.left; x < r.right; ++x)
                n += at(x, y) == colour;
        return n;
    }
    static int area(const RECT& r) { return (r.right - r.left) * (r.bottom - r.top); }

    // Metrics of the text font as the context reports them.
    TEXTMETRICA text_metrics() {
        const HGDIOBJ old = SelectObject(tess::current_window().dc, tess::tk().text.hTextFont);
        TEXTMETRICA tm{};
        GetTextMetricsA(tess::current_window().dc, &tm);
        SelectObject(tess::current_window().dc, old);
        return tm;
    }

    plat::HeadlessBackend* screen = nullptr;
    HWND frame = nullptr;
    HWND client = nullptr;

private:
    static void register_class(const char* name, HBRUSH background) {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = DefWindowProcA;
        wc.hbrBackground = background;
        wc.lpszClassName = name;
        RegisterClassExA(&wc);
    }
};

} // namespace testsupport
