#include "public/wwmessg.h"

#include "core/wmessage.h"
#include "core/wmessage_state.h"
#include "public/tessar01.h"
#include "public/tessar03.h"
#include "public/wunits.h"
#include "public/wwopen.h"
#include "public/wwtext.h"

using namespace tess;

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

} // namespace

void yyevent_(int& type, EventRecord& m) {
    const int remembered = tessar01.currentWindow;
    const bool select = selects_window(type);
    if (select && m.Win != remembered) WindowSelect(m.Win);
    switch (type) {
    case EventKey:
    case EventButtonDown:
    case EventButtonUp:
    case EventMouseMove:
        if (m.Value3 != 1) to_units(m.X, m.Y, m.X, m.Y);
        break;
    case EventRedraw:
        if (m.Value3 == 0) {
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
        tessar01.windowWidth = m.Value1;
        tessar01.windowHeight = m.Value2;
        yyfntsiz_(tessar03.charWidth, tessar03.charHeight);
        break;
    default:
        break;
    }
    if (select && m.Win != remembered) WindowSelect(remembered);
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
