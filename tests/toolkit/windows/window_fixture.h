// A toolkit with its root window open on a headless screen, and helpers to read events.
#pragma once

#include <gtest/gtest.h>

#include <functional>

#include <windows.h>

#include <commctrl.h>

#include "backend/headless/headless_backend.h"
#include "core/context.h"
#include "core/wmessage.h"
#include "core/wmessage_state.h"
#include "core/wwindow.h"
#include "core/wwindow_ops.h"
#include "core/wwndproc.h"
#include "graphics/oswin.h"
#include "public/tessaramond.h"
#include "support/presented.h"
#include "support/temp_dir.h"
#include "window/input.h"
#include "window/message_queue.h"
#include "window/window_table.h"

namespace testtk {

class ToolkitWindows : public ::testing::Test {
protected:
    void SetUp() override {
        screen = &plat::use_headless_backend({1024, 768});
        WInitialise(" ");
    }
    void TearDown() override {
        WindowClose();
        plat::reset_queue();
        plat::reset_input();
    }

    // A root window with the given client size at (10, 10).
    void open_root(int width, int height, int flags = 7) {
        tess::WindowDescription d;
        d.Flags = flags;
        d.Left = 10;
        d.Top = 10;
        d.Width = width;
        d.Height = height;
        d.Title = "Wurzel";
        WindowOpen(d);
    }
    int open_child(int flags, int left, int top, int width, int height) {
        tess::WindowDescription d;
        d.Flags = flags;
        d.Left = left;
        d.Top = top;
        d.Width = width;
        d.Height = height;
        d.Title = "Kind";
        int n = -2;
        WindowOpenChild(d, n);
        return n;
    }

    // The next event without waiting, post-processed as WMessage does; type -1 when none.
    int next_event(tess::EventRecord& m) {
        int type = 0, keep = 1;
        yydispatchpeekmessage_(type, m.Value1, m.Value2, m.Value3, m.Value4, m.X, m.Y, m.Win,
                               m.Time, keep);
        if (type > 0) yyevent_(type, m);
        return type;
    }
    // Every event until the queue is empty.
    std::vector<std::pair<int, tess::EventRecord>> drain() {
        std::vector<std::pair<int, tess::EventRecord>> all;
        for (int guard = 0; guard < 1000; ++guard) {
            tess::EventRecord m;
            const int t = next_event(m);
            if (t < 0) break;
            all.push_back({t, m});
        }
        return all;
    }
    // A pixel of window n's client area as the user sees it: its frame's presented image.
    plat::Pixel client_pixel(int n, int x, int y) const {
        POINT p{x, y};
        ClientToScreen(client(n), &p);
        HWND top = frame(n);
        while (GetParent(top))
            top = GetParent(top);
        RECT w;
        GetWindowRect(top, &w);
        return testsupport::presented_pixel(top, p.x - w.left, p.y - w.top);
    }
    HWND client(int n) const { return tess::window(n).client; }
    HWND frame(int n) const { return tess::window(n).frame; }

    testsupport::TempDir dir{true}; // no tessar.ini of the developer's is read
    plat::HeadlessBackend* screen = nullptr;
};

} // namespace testtk
