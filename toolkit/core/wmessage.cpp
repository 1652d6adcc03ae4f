// The retrieval loops: pending events first, then the platform's queue until the window
// procedures have produced an event.
#include "core/wmessage.h"

#include "core/wmessage_state.h"
#include "core/wwindow.h"

using namespace tess;

namespace {

struct Out {
    int &type, &value1, &value2, &value3, &value4, &x, &y, &win, &time, &keep;
};

std::size_t slot(int n) {
    return static_cast<std::size_t>(n);
}

void client_size(int n, int& width, int& height) {
    RECT r{};
    if (valid_window_number(n)) GetClientRect(core.hClient[slot(n)], &r);
    width = r.right;
    height = r.bottom;
}

// A parked event is delivered before the queue is looked at; a parked redraw covers the
// whole client area.
bool deliver_pending(Out& o) {
    for (int n = 0; n <= MaxWindow; ++n) {
        PendingEvent& p = events.pending[slot(n)];
        if (p.type <= 0) continue;
        o.win = n;
        o.type = p.type;
        o.value3 = p.value3;
        o.value4 = p.value4;
        o.time = p.time;
        if (p.type == EventRedraw) {
            client_size(n, o.value1, o.value2);
            o.x = o.y = 0;
        } else {
            o.value1 = p.value1;
            o.value2 = p.value2;
            o.x = p.x;
            o.y = p.y;
        }
        p.type = 0;
        return true;
    }
    return false;
}

// Steps 2.2 to 2.7 for one message.
void handle(MSG& msg) {
    const HWND frame = valid_window_number(core.wIndex) ? core.wWindow[slot(core.wIndex)] : nullptr;
    if (core.wAccel && frame && TranslateAcceleratorA(frame, core.wAccel, &msg)) return;
    TranslateMessage(&msg);
    if (msg.message == WM_PAINT || msg.message == WM_SIZE) events.bExpectPaintResize = 1;
    constexpr UINT Message118 = 0x0118;
    if (!(msg.message == Message118 && LOWORD(msg.wParam) == 0xFFF6 && events.block118))
        DispatchMessageA(&msg);
    events.bExpectPaintResize = 0;
}

void copy_current(Out& o) {
    const CoreEvents& e = events;
    o.win = e.wMessageWin;
    o.type = e.wMessageType;
    o.value1 = e.wMessageValue1;
    o.value2 = e.wMessageValue2;
    o.value3 = e.wMessageValue3;
    o.value4 = e.wMessageValue4;
    o.x = e.wMessageX;
    o.y = e.wMessageY;
    o.time = e.wMessageTime;
    if (e.wValidMessage == 2) o.keep = 0;
    // A live redraw or resize takes the parked one of its window with it.
    if ((o.type == EventRedraw || o.type == EventResize) && valid_window_number(o.win)) {
        PendingEvent& p = events.pending[slot(o.win)];
        if (p.type == EventRedraw && o.type == EventRedraw) {
            client_size(o.win, o.value1, o.value2);
            o.x = o.y = 0;
        }
        p.type = 0;
    }
}

} // namespace

void yydispatchnextmessage_(int& type, int& value1, int& value2, int& value3, int& value4, int& x,
                            int& y, int& win, int& time, int& keep) {
    Out o{type, value1, value2, value3, value4, x, y, win, time, keep};
    if (deliver_pending(o)) return;
    events.wValidMessage = 1;
    while (events.wValidMessage == 1) {
        MSG msg;
        GetMessageA(&msg, nullptr, 0, 0);
        handle(msg);
    }
    copy_current(o);
}

void yydispatchpeekmessage_(int& type, int& value1, int& value2, int& value3, int& value4, int& x,
                            int& y, int& win, int& time, int& keep) {
    Out o{type, value1, value2, value3, value4, x, y, win, time, keep};
    if (deliver_pending(o)) return;
    events.wValidMessage = 1;
    events.wMessageType = 0;
    while (events.wMessageType == 0) {
        MSG msg;
        if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            events.wMessageType = -1;
            break;
        }
        handle(msg);
    }
    copy_current(o);
}

void yyenablemessage_(const int& code, const int& flag) {
    if (code >= 1 && code <= 14) events.wMessageEnabled[slot(code - 1)] = flag;
}

int yyinfomessage_(const int& code, int& flag) {
    flag = code >= 1 && code <= 14 ? events.wMessageEnabled[slot(code - 1)] : 0;
    return flag;
}

void yysettimer_(const int& elapse, const int& id) {
    // SetTimer on the same identifier replaces the running timer: the restart.
    if (core.wWindow[0])
        SetTimer(core.wWindow[0], static_cast<UINT_PTR>(id), static_cast<UINT>(elapse), nullptr);
}

void yyblock118_() {
    events.block118 = 1;
}
