// The translator: platform messages become the current event, and keys become key codes.
#include <cstdint>

#include "core/context.h"
#include "core/dialog_state.h"
#include "core/wmessage_state.h"
#include "core/wwindow.h"
#include "core/wwndproc.h"

using namespace tess;

namespace {

constexpr int CtrlFlag = 8192, ShiftFlag = 4096;

// Mouse positions come as 16-bit halves; those beyond the screen are negative ones.
void pointer_position(LPARAM p2) {
    int x = LOWORD(p2), y = HIWORD(p2);
    if (x > tk().display.wScreenWidth) x -= 65536;
    if (y > tk().display.wScreenHeight) y -= 65536;
    tk().events.wMessageX = x;
    tk().events.wMessageY = y;
}

int* enable_flag(int t) {
    const int index = t <= 100 ? t - 1 : t - 101;
    if (index < 0 || index >= static_cast<int>(tk().events.wMessageEnabled.size())) return nullptr;
    return &tk().events.wMessageEnabled[static_cast<std::size_t>(index)];
}

} // namespace

int yyinterpretkey(int k, int m) {
    switch (k) {
    case VK_UP:
        return 258 + m / 5;
    case VK_DOWN:
        return 259 + m / 5;
    case VK_RIGHT:
        return 260 + m / 5;
    case VK_LEFT:
        return 261 + m / 5;
    case VK_PRIOR:
        return 262;
    case VK_NEXT:
        return 263;
    case VK_HOME:
        return 270;
    case VK_END:
    case VK_SELECT:
        return 271;
    case VK_TAB:
        return m == 20 ? 274 : 9;
    case VK_INSERT:
        return 272;
    case VK_DELETE:
        return 273;
    case VK_CLEAR:
    case VK_NUMPAD5:
        return 285;
    case VK_SUBTRACT:
        return 290;
    case VK_DECIMAL:
        return 291;
    case VK_ADD:
    case VK_SEPARATOR:
        return 292;
    case VK_DIVIDE:
        return 293;
    case VK_MULTIPLY:
        return 294;
    case VK_SNAPSHOT:
        return 300;
    default:
        break;
    }
    if (k >= VK_NUMPAD0 && k <= VK_NUMPAD4) return 280 + (k - VK_NUMPAD0);
    if (k >= VK_NUMPAD6 && k <= VK_NUMPAD9) return 286 + (k - VK_NUMPAD6);
    if (k >= VK_F1 && k <= VK_F1 + 19) return k + m + 189;
    return k;
}

namespace {

// Handles travel in the event's 32-bit fields as their values.
int handle_value(const void* h) {
    return static_cast<int>(reinterpret_cast<std::intptr_t>(h));
}

// Events of a dialog (record d): the dialog's identifier stands for the window, and the
// graphics-field codes become the mouse and redraw codes with the field as origin.
void dialog_event(int t, DialogRecord& d, WPARAM p1, LPARAM p2) {
    CoreEvents& e = tk().events;
    e.wMessageWin = d.Id;
    switch (t) {
    case CodeDialogCommand:
        e.wMessageValue1 = LOWORD(p1);
        e.wMessageValue2 = d.PreviousField;
        break;
    case CodeFieldFocus:
        e.wMessageValue1 = d.PreviousField;
        e.wMessageValue2 = d.CurrentField;
        e.wMessageX = handle_value(d.LastFieldHandle);
        e.wMessageY = static_cast<int>(p2);
        d.LastFieldHandle = reinterpret_cast<HWND>(p2);
        break;
    case CodeFieldButtonDown:
    case CodeFieldButtonUp:
    case CodeFieldMouseMove:
        e.wMessageType = t == CodeFieldButtonDown ? CodeButtonDown
                         : t == CodeFieldButtonUp ? CodeButtonUp
                                                  : CodeMouseMove;
        e.wMessageValue1 = t == CodeFieldMouseMove ? -1 : d.MouseButton;
        e.wMessageValue2 = e.wMessageTime / 10;
        e.wMessageValue3 = 1;
        e.wMessageValue4 = d.GraphicsField;
        pointer_position(p2);
        break;
    default: // CodeFieldRedraw
        e.wMessageType = CodeRedraw;
        e.wMessageValue3 = 1;
        e.wMessageValue4 = d.GraphicsField;
        break;
    }
}

void write_event(int t, int a, WPARAM p1, LPARAM p2, HWND hwnd) {
    CoreEvents& e = tk().events;
    e.wMessageType = t;
    e.wMessageWin = yygetwindowindex(hwnd);
    e.wMessageTime = static_cast<int>(GetMessageTime());
    e.wMessageValue1 = e.wMessageValue2 = e.wMessageValue3 = e.wMessageValue4 = -1;
    e.wMessageX = e.wMessageY = -1;
    switch (t) {
    case CodeKey: {
        if (a == 1) {
            int k = static_cast<int>(p1), m = 0;
            if (k >= CtrlFlag)
                k -= CtrlFlag, m = 40;
            else if (k >= ShiftFlag)
                k -= ShiftFlag, m = 20;
            e.wMessageValue1 = yyinterpretkey(k, m);
        } else {
            e.wMessageValue1 = static_cast<int>(p1);
        }
        e.wMessageValue3 = 0;
        POINT p{};
        GetCursorPos(&p);
        ScreenToClient(hwnd, &p);
        e.wMessageX = p.x;
        e.wMessageY = p.y;
        break;
    }
    case CodeMenu:
        e.wMessageValue1 = LOWORD(p1);
        break;
    case CodeButtonDown:
    case CodeButtonUp:
    case CodeMouseMove:
        e.wMessageValue1 = t == CodeMouseMove ? -1 : a;
        e.wMessageValue2 = e.wMessageTime / 10;
        e.wMessageValue3 = 0;
        pointer_position(p2);
        break;
    case CodeRedraw: {
        RECT r{};
        GetUpdateRect(hwnd, &r, TRUE);
        e.wMessageValue1 = r.right - r.left;
        e.wMessageValue2 = r.bottom - r.top;
        e.wMessageValue3 = 0;
        e.wMessageX = r.left;
        e.wMessageY = r.top;
        break;
    }
    case CodeResize:
        e.wMessageValue1 = LOWORD(p2);
        e.wMessageValue2 = HIWORD(p2);
        break;
    case CodeFrameClick:
        e.wMessageValue1 = a;
        break;
    case CodeTimer:
        e.wMessageValue1 = static_cast<int>(p1);
        break;
    case CodeDialogCommand:
    case CodeFieldFocus:
    case CodeFieldButtonDown:
    case CodeFieldButtonUp:
    case CodeFieldMouseMove:
    case CodeFieldRedraw:
        dialog_event(t, dialog_record(a), p1, p2);
        break;
    default:
        break;
    }
    e.wValidMessage = 0;
    if (t == CodeResize) {
        if (!IsWindowVisible(hwnd)) e.wValidMessage = 2;
        WindowRecord& resized = window(e.wMessageWin);
        resized.width = e.wMessageValue1;
        resized.height = e.wMessageValue2;
        graphics().driver.WinWidth = e.wMessageValue1;
        graphics().driver.WinHeight = e.wMessageValue2;
    }
}

// Menu tracking and moving or sizing run their own loop inside one dispatch of the retrieval
// loop, which can hand over one event only once that dispatch returns. What the procedures
// produce meanwhile, by kind:
// - redraw and resize are parked per window, as between retrievals;
// - timer events and close requests are kept in order and delivered once the dispatch that ran
//   the loop returns (after the event that dispatch produced itself, if any): a one-shot timer
//   that is lost never fires again, and a lost close request would ignore the user;
// - keys, mouse buttons and moves, and frame clicks are dropped: that input was the menu's or
//   the moved frame's;
// - a menu command comes once the loop has ended and is delivered as it is.
// The current event is left as it was before.
void settle_nested(const CoreEvents& before) {
    CoreEvents& e = tk().events;
    const PendingEvent made = current_event();
    const bool hidden = e.wValidMessage == 2;
    e = before;
    switch (made.type) {
    case CodeRedraw:
    case CodeResize:
        if (!hidden) park_event(made);
        break;
    case CodeTimer:
    case CodeCloseRequest:
        // A full table drops the newest: the oldest are the ones the program waits longest for.
        if (e.keptCount < KeptEvents) e.kept[static_cast<std::size_t>(e.keptCount++)] = made;
        break;
    default:
        break;
    }
}

} // namespace

namespace tess {

PendingEvent current_event() {
    const CoreEvents& e = tk().events;
    return {e.wMessageType,   e.wMessageWin, e.wMessageValue1, e.wMessageValue2, e.wMessageValue3,
            e.wMessageValue4, e.wMessageX,   e.wMessageY,      e.wMessageTime};
}

void park_event(const PendingEvent& event) {
    if (!valid_window_number(event.win)) return;
    PendingEvent& p = window(event.win).pending;
    if (p.type == CodeResize && event.type == CodeRedraw) return;
    p = event;
}

bool interpret(int t, int a, WPARAM p1, LPARAM p2, HWND hwnd) {
    if (t == CodeResize && p1 == SIZE_MINIMIZED) return false;
    const int* enabled = enable_flag(t);
    if (!enabled || *enabled == 0) return false;
    CoreEvents& e = tk().events;
    if (e.nested > 0 && t != CodeMenu) {
        const CoreEvents before = e;
        write_event(t, a, p1, p2, hwnd);
        settle_nested(before);
        return false;
    }
    write_event(t, a, p1, p2, hwnd);
    return true;
}

} // namespace tess
