// What a graphics routine may change, taken whole so that a bad call can be shown to change
// nothing (or exactly what a good call changes): the graphics state, the current character set,
// what the driver handed the platform, the rest of the error record, the current window, the
// text state and the root's presented image.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <span>
#include <vector>

#include <windows.h>

#include "core/context.h"
#include "core/wwindow.h"
#include "graphics/graphics_state.h"
#include "public/infoerr.h"
#include "public/wwtext.h"
#include "support/presented.h"
#include "util/error_record.h"

namespace grtest {

struct GraphicsSnapshot {
    tess::GraphicsAttributes state;
    tess::CharacterSet charset;
    std::array<char, tess::CharNameLength> nameStore{};
    COLORREF penColour = 0;
    int lineStyle = 0, plotMode = 0;
    std::array<int, 2> colourPair{};
    std::array<int, 5> fontRequest{};
    std::array<int, 4> viewport{};
    RECT clip{};
    int fileStatus = 0, dialogStatus = 0;
    int currentWindow = 0;
    std::array<int, 10> text{};
    plat::Surface picture;

    static GraphicsSnapshot take() {
        const tess::Graphics& g = tess::graphics();
        GraphicsSnapshot s;
        s.state = g.state;
        s.charset = g.charsets.current;
        s.nameStore = g.charsets.nameStore;
        s.penColour = g.driver.penColour;
        s.lineStyle = g.driver.gLinetype;
        s.plotMode = g.driver.gPlotmode;
        s.colourPair = g.driver.colourPair;
        s.fontRequest = g.driver.fontRequest;
        s.viewport = g.driver.viewportPixels;
        if (g.driver.hdc) {
            HRGN r = CreateRectRgn(0, 0, 0, 0);
            if (GetClipRgn(g.driver.hdc, r) == 1) GetRgnBox(r, &s.clip);
            DeleteObject(r);
        }
        s.fileStatus = tess::error_record().file_status;
        s.dialogStatus = tess::error_record().dialog_status;
        s.currentWindow = tess::tk().tessar01.currentWindow;
        for (int item = 1; item <= 10; ++item)
            s.text[static_cast<std::size_t>(item - 1)] = WInfoFont(item);
        if (const HWND frame = tess::window(0).frame)
            s.picture = testsupport::presented_surface(frame);
        return s;
    }
};

inline int changed_pixels(const plat::Surface& a, const plat::Surface& b) {
    if (a.width != b.width || a.height != b.height) return a.width * a.height + 1;
    int changed = 0;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x)
            changed += a.at(x, y) != b.at(x, y);
    return changed;
}

// Every part that differs, reported by name.
inline void expect_same(const GraphicsSnapshot& want, const GraphicsSnapshot& got) {
    EXPECT_TRUE(want.state == got.state) << "graphics state";
    EXPECT_TRUE(want.charset == got.charset) << "character set";
    EXPECT_EQ(want.nameStore, got.nameStore);
    EXPECT_EQ(want.penColour, got.penColour);
    EXPECT_EQ(want.lineStyle, got.lineStyle);
    EXPECT_EQ(want.plotMode, got.plotMode);
    EXPECT_EQ(want.colourPair, got.colourPair);
    EXPECT_EQ(want.fontRequest, got.fontRequest);
    EXPECT_EQ(want.viewport, got.viewport);
    EXPECT_TRUE(EqualRect(&want.clip, &got.clip)) << "clip box";
    EXPECT_EQ(want.fileStatus, got.fileStatus);
    EXPECT_EQ(want.dialogStatus, got.dialogStatus);
    EXPECT_EQ(want.currentWindow, got.currentWindow);
    EXPECT_EQ(want.text, got.text);
    EXPECT_EQ(changed_pixels(want.picture, got.picture), 0);
}

// One row of a bad-input table: the call, the error number it records, and the good call it
// must amount to (none: it must change nothing).
struct BadCall {
    const char* what;
    std::function<void()> bad;
    int error;
    std::function<void()> same;
};

// Each row from the same start: the state after the bad call equals the one after its good call.
inline void check_rows(const std::function<void()>& start, std::span<const BadCall> rows) {
    for (const BadCall& r : rows) {
        SCOPED_TRACE(r.what);
        start();
        InfoError(1);
        if (r.same) {
            r.same();
            EXPECT_EQ(InfoError(1), 0) << "the good call";
        }
        const GraphicsSnapshot want = GraphicsSnapshot::take();
        start();
        InfoError(1);
        r.bad();
        EXPECT_EQ(InfoError(1), r.error);
        expect_same(want, GraphicsSnapshot::take());
    }
}

} // namespace grtest
