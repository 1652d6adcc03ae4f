#include "public/wwmessg.h"

#include "core/context.h"
#include "core/textout.h"
#include "core/wmessage.h"
#include "core/wmessage_state.h"
#include "graphics/grstate.h"
#include "public/wunits.h"
#include "public/wwopen.h"
#include "public/wwtext.h"

using namespace tess;

// The event types are the translator's codes.
constexpr bool same(EventType t, EventCode c) {
    return static_cast<int>(t) == static_cast<int>(c);
}
static_assert(same(EventKey, CodeKey) && same(EventMenu, CodeMenu) &&
              same(EventDialogCommand, CodeDialogCommand) &&
              same(EventButtonDown, CodeButtonDown) && same(EventButtonUp, CodeButtonUp) &&
              same(EventMouseMove, CodeMouseMove) && same(EventRedraw, CodeRedraw) &&
              same(EventResize, CodeResize) && same(EventCloseRequest, CodeCloseRequest) &&
              same(EventFieldFocus, CodeFieldFocus) && same(EventFrameClick, CodeFrameClick) &&
              same(EventTimer, CodeTimer));

namespace {

bool selects_window(int type) {
    switch (type) {
    case EventKey:
    case EventMenu:
    case EventButtonDown:
    case EventButtonUp:
    case EventMouseMove:
    case EventRedraw:
    case EventResize:
    case EventCloseRequest:
    case EventFrameClick:
        return true;
    default:
        return false;
    }
}

void to_units(int px, int py, int& x, int& y) {
    WindowUnitsFromPixels(px, py, x, y);
}

// A pixel of the current window in graphics units: pixel centres, y counted upwards.
void to_graphics(int px, int py, float& gx, float& gy) {
    const int lastRow = tk().tessar01.windowHeight - 1;
    xxi2e_(static_cast<float>(px) + 0.5f, static_cast<float>(lastRow - py) + 0.5f, gx, gy);
}

} // namespace

void yyevent_(int& type, EventRecord& m) {
    const int remembered = tk().tessar01.currentWindow;
    // Only a selection that took place is undone: a refused one (a dialog's graphics field)
    // left the current window, its text cursor and its context as they were.
    bool selected = false;
    if (selects_window(type) && m.Win != remembered) {
        WindowSelect(m.Win);
        selected = tk().tessar01.currentWindow != remembered;
    }
    switch (type) {
    case EventKey:
    case EventButtonDown:
    case EventButtonUp:
    case EventMouseMove:
        to_graphics(m.X, m.Y, m.GX, m.GY);
        if (m.Value3 != 1) to_units(m.X, m.Y, m.X, m.Y);
        break;
    case EventRedraw:
        if (m.Value3 == 0) {
            to_graphics(m.X, m.Y, m.GX, m.GY);
            xxi2e_(static_cast<float>(m.Value1) + 0.5f, static_cast<float>(m.Value2) + 0.5f,
                   m.GWidth, m.GHeight);
            int right = 0, bottom = 0, left = 0, top = 0;
            to_units(m.X + m.Value1 - 1, m.Y + m.Value2 - 1, right, bottom);
            to_units(m.X, m.Y, left, top);
            m.X = left;
            m.Y = top;
            m.Value1 = right - left;
            m.Value2 = bottom - top;
        }
        break;
    case EventResize:
        tk().tessar01.windowWidth = m.Value1;
        tk().tessar01.windowHeight = m.Value2;
        yyfntsiz_(tk().tessar03.charWidth, tk().tessar03.charHeight);
        xxresn_(m.Value1, m.Value2);
        break;
    default:
        break;
    }
    if (selected) WindowSelect(remembered);
}

void WMessage(int& type, EventRecord& m) {
    int keep = 0;
    do {
        keep = 1;
        yydispatchnextmessage_(type, m.Value1, m.Value2, m.Value3, m.Value4, m.X, m.Y, m.Win,
                               m.Time, keep);
        yyevent_(type, m);
    } while (keep == 0);
}
