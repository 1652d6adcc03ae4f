// The retrieval loops: kept and parked events first, then the platform's queue until the
// window procedures have produced an event.
#include "core/wmessage.h"

#include <algorithm>

#include "core/context.h"
#include "core/pretranslate.h"
#include "core/wmessage_state.h"
#include "core/wwindow.h"

using namespace tess;

namespace {

struct Out {
    int &type, &value1, &value2, &value3, &value4, &x, &y, &win, &time, &keep;
};

void copy_event(Out& o, const PendingEvent& p) {
    o.win = p.win;
    o.type = p.type;
    o.value1 = p.value1;
    o.value2 = p.value2;
    o.value3 = p.value3;
    o.value4 = p.value4;
    o.x = p.x;
    o.y = p.y;
    o.time = p.time;
}

// Events kept from a nested loop go first, oldest first.
bool deliver_kept(Out& o) {
    CoreEvents& e = tk().events;
    if (e.keptCount == 0) return false;
    copy_event(o, e.kept[0]);
    std::copy(e.kept.begin() + 1, e.kept.begin() + e.keptCount, e.kept.begin());
    --e.keptCount;
    return true;
}

// A parked event is delivered before the queue is looked at; a parked redraw covers the
// whole client area.
bool deliver_parked(Out& o) {
    for (int n = 0; n <= MaxWindow; ++n) {
        PendingEvent& p = window(n).pending;
        if (p.type <= 0) continue;
        copy_event(o, p);
        o.win = n;
        if (p.type == CodeRedraw) {
            client_size(n, o.value1, o.value2);
            o.x = o.y = 0;
        }
        p.type = 0;
        return true;
    }
    return false;
}

bool deliver_waiting(Out& o) {
    return deliver_kept(o) || deliver_parked(o);
}

// The platform's internal timer message 0x0118 with timer 0xFFF6 belongs to the window system
// itself (a system timer, not one of the program's); it is not dispatched while block118 is
// set, its start value, so that it cannot reach the toolkit's procedures as a timer of theirs.
constexpr UINT SystemTimerMessage = 0x0118;
constexpr WORD SystemTimerId = 0xFFF6;

void handle(MSG& msg) {
    if (pretranslate(msg)) return;
    CoreEvents& e = tk().events;
    if (msg.message == WM_PAINT || msg.message == WM_SIZE) e.bExpectPaintResize = 1;
    if (!(msg.message == SystemTimerMessage && LOWORD(msg.wParam) == SystemTimerId && e.block118))
        DispatchMessageA(&msg);
    e.bExpectPaintResize = 0;
}

void copy_current(Out& o) {
    const CoreEvents& e = tk().events;
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
    if ((o.type == CodeRedraw || o.type == CodeResize) && valid_window_number(o.win)) {
        PendingEvent& p = window(o.win).pending;
        if (p.type == CodeRedraw && o.type == CodeRedraw) {
            client_size(o.win, o.value1, o.value2);
            o.x = o.y = 0;
        }
        p.type = 0;
    }
}

bool nothing_produced() {
    const CoreEvents& e = tk().events;
    return e.wValidMessage == 1 && e.keptCount == 0;
}

} // namespace

void yydispatchnextmessage_(int& type, int& value1, int& value2, int& value3, int& value4, int& x,
                            int& y, int& win, int& time, int& keep) {
    Out o{type, value1, value2, value3, value4, x, y, win, time, keep};
    if (deliver_waiting(o)) return;
    tk().events.wValidMessage = 1;
    while (nothing_produced()) {
        MSG msg;
        GetMessageA(&msg, nullptr, 0, 0);
        handle(msg);
    }
    // A dispatch that ran a nested loop may have kept events and produced none itself.
    if (tk().events.wValidMessage == 1 && deliver_kept(o)) return;
    copy_current(o);
}

void yydispatchpeekmessage_(int& type, int& value1, int& value2, int& value3, int& value4, int& x,
                            int& y, int& win, int& time, int& keep) {
    Out o{type, value1, value2, value3, value4, x, y, win, time, keep};
    if (deliver_waiting(o)) return;
    CoreEvents& e = tk().events;
    e.wValidMessage = 1;
    e.wMessageType = 0;
    while (e.wMessageType == 0 && e.keptCount == 0) {
        MSG msg;
        if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            e.wMessageType = -1;
            break;
        }
        handle(msg);
    }
    if (e.wMessageType == 0 && deliver_kept(o)) return;
    copy_current(o);
}

void yyenablemessage_(const int& code, const int& flag) {
    if (code >= 1 && code <= 14)
        tk().events.wMessageEnabled[static_cast<std::size_t>(code - 1)] = flag;
}

int yyinfomessage_(const int& code, int& flag) {
    flag = code >= 1 && code <= 14 ? tk().events.wMessageEnabled[static_cast<std::size_t>(code - 1)]
                                   : 0;
    return flag;
}

void yysettimer_(const int& elapse, const int& id) {
    // SetTimer on the same identifier replaces the running timer: the restart.
    if (window(0).frame)
        SetTimer(window(0).frame, static_cast<UINT_PTR>(id), static_cast<UINT>(elapse), nullptr);
}

void yyblock118_() {
    tk().events.block118 = 1;
}
