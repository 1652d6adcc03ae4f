// A root window on a headless screen of a chosen depth, with what the graphics driver handed
// the platform read back through the context's queries.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include "backend/headless/headless_backend.h"
#include "core/context.h"
#include "graphics/graphics_state.h"
#include "public/tessaramond.h"
#include "support/presented.h"
#include "support/temp_dir.h"
#include "window/input.h"
#include "window/message_queue.h"

namespace grtest {

class GraphicsWindow : public ::testing::Test {
protected:
    void TearDown() override {
        WindowClose();
        plat::reset_queue();
        plat::reset_input();
    }

    // WInitialise and a root window with the given client size.
    void open(int width, int height, int bitsPerPixel = 24, int colours = 16) {
        plat::use_headless_backend({1024, 768}, bitsPerPixel);
        tess::tk().settings.initialised = 0; // the display is read again at this depth
        WInitialise(" ");
        tess::WindowDescription d;
        d.Flags = 7;
        d.Left = 10;
        d.Top = 10;
        d.Width = width;
        d.Height = height;
        d.Title = "Grafik";
        WindowOpen(d, colours);
        tess::error_record().error = 0;
    }

    static tess::ScreenDriver& driver() { return tess::graphics().driver; }
    static HDC dc() { return driver().hdc; }
    static HGDIOBJ pen() { return GetCurrentObject(dc(), OBJ_PEN); }
    static LOGPEN pen_info() {
        LOGPEN info{};
        GetObjectA(pen(), sizeof info, &info);
        return info;
    }
    // The selected clip region's box; an empty box when none is selected.
    static RECT clip_box() {
        HRGN r = CreateRectRgn(0, 0, 0, 0);
        RECT box{};
        if (GetClipRgn(dc(), r) == 1) GetRgnBox(r, &box);
        DeleteObject(r);
        return box;
    }
    static int error() { return tess::error_record().error; }
    // A pixel of the root's client area as the user sees it (0x00RRGGBB).
    static plat::Pixel shown(int x, int y) {
        POINT p{x, y};
        ClientToScreen(tess::window(0).client, &p);
        const HWND top = tess::window(0).frame;
        RECT w;
        GetWindowRect(top, &w);
        return testsupport::presented_pixel(top, p.x - w.left, p.y - w.top);
    }

    testsupport::TempDir dir{true}; // no tessar.ini of the developer's is read
};

} // namespace grtest
