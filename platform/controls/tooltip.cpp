// Tooltips, "tooltips_class32": a small pop-up that names the tool under the pointer.
//
// The owner of the tools relays its pointer messages (TTM_RELAYEVENT). When the pointer rests
// on a tool for the initial delay the tip shows below it; it hides when the pointer leaves the
// tool (seen in a relayed move, or by polling the pointer when it has left the owner's window
// altogether), on a click, after the pop delay, and on TTM_POP.
// Messages: TTM_ADDTOOLA, TTM_DELTOOLA, TTM_NEWTOOLRECTA, TTM_UPDATETIPTEXTA, TTM_GETTEXTA,
// TTM_GETTOOLCOUNT, TTM_RELAYEVENT, TTM_ACTIVATE, TTM_POP, TTM_SETDELAYTIME, TTM_GETDELAYTIME,
// WM_SETFONT, WM_GETFONT. Tool texts: a string, a string resource (MAKEINTRESOURCE with hinst)
// or LPSTR_TEXTCALLBACKA.
// Notifications: TTN_GETDISPINFOA (TTN_NEEDTEXTA) to the tool's window, once each time a tip is
// about to show; TTF_DI_SETITEM keeps the answer.
// Gaps: TTN_SHOW, TTN_POP, TTF_SUBCLASS, tracking tips (TTF_TRACK), TTF_CENTERTIP, balloons,
// multi-line tips, colours and margins, TTM_HITTEST, TTM_ENUMTOOLS, TTM_GETCURRENTTOOL.
#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <vector>

#include <windows.h>

#include <commctrl.h>

#include "backend/backend.h"
#include "controls/system_classes.h"

namespace plat {
namespace {

constexpr UINT_PTR ShowTimer = 1, LeaveTimer = 2, PopTimer = 3;
constexpr UINT LeavePoll = 100;  // how often the pointer is looked for while a tip is up
constexpr int BelowPointer = 20; // from the pointer to the tip's top, past the arrow shape
constexpr int Border = 1, PadX = 3, PadY = 1;
constexpr std::size_t MaxTools = 4096;
constexpr UINT DefaultInitial = 500;

struct Tool {
    enum class Source { Text, Resource, Callback };
    UINT flags = 0;
    HWND hwnd = nullptr;
    UINT_PTR id = 0;
    RECT rect{};
    HINSTANCE hinst = nullptr;
    Source source = Source::Text;
    std::string text; // for a callback tool, its last answer
    WORD resource = 0;
    LPARAM lParam = 0;
};

struct Tooltip {
    std::vector<Tool> tools;
    bool active = true;
    int current = -1;        // the tool under the pointer
    bool shown = false;      // the tip of current is up
    bool suppressed = false; // a click or a pop ended it; nothing more until the pointer leaves
    UINT initial = DefaultInitial, reshow = DefaultInitial / 5, autopop = DefaultInitial * 10;
    HFONT font = nullptr;
};

Tooltip* state_of(HWND hwnd) {
    return control_state<Tooltip>(hwnd);
}

HFONT font_of(const Tooltip& tt) {
    return tt.font ? tt.font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

int find_tool(const Tooltip& tt, HWND owner, UINT_PTR id) {
    for (std::size_t i = 0; i < tt.tools.size(); ++i)
        if (tt.tools[i].hwnd == owner && tt.tools[i].id == id) return static_cast<int>(i);
    return -1;
}

int find_tool(const Tooltip& tt, const TOOLINFOA* ti) {
    if (!ti || ti->cbSize < TTTOOLINFOA_V1_SIZE) return -1;
    return find_tool(tt, ti->hwnd, ti->uId);
}

Tool* current_tool(Tooltip& tt) {
    if (tt.current < 0 || static_cast<std::size_t>(tt.current) >= tt.tools.size()) return nullptr;
    return &tt.tools[static_cast<std::size_t>(tt.current)];
}

// What a TOOLINFOA's lpszText says.
void take_text(Tool& t, LPCSTR text, HINSTANCE hinst) {
    t.hinst = hinst;
    if (text == LPSTR_TEXTCALLBACKA) {
        t.source = Tool::Source::Callback;
    } else if (text && IS_INTRESOURCE(text)) {
        t.source = Tool::Source::Resource;
        t.resource = static_cast<WORD>(reinterpret_cast<ULONG_PTR>(text));
    } else {
        t.source = Tool::Source::Text;
        t.text = text ? text : "";
    }
}

std::string load_string(HINSTANCE hinst, UINT id) {
    std::array<char, 1024> buffer{};
    const int n = LoadStringA(hinst, id, buffer.data(), static_cast<int>(buffer.size()));
    return std::string(buffer.data(), static_cast<std::size_t>(std::max(n, 0)));
}

bool contains_pointer(HWND self, const Tool& t) {
    POINT screen;
    GetCursorPos(&screen);
    const HWND under = WindowFromPoint(screen);
    if (t.flags & TTF_IDISHWND) return under == reinterpret_cast<HWND>(t.id);
    if (!IsWindow(t.hwnd) || (under != t.hwnd && under != self)) return false;
    POINT p = screen;
    ScreenToClient(t.hwnd, &p);
    return PtInRect(&t.rect, p);
}

int tool_at(const Tooltip& tt, const MSG& msg) {
    const POINT p{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
    for (std::size_t i = 0; i < tt.tools.size(); ++i) {
        const Tool& t = tt.tools[i];
        const bool hit = (t.flags & TTF_IDISHWND) ? msg.hwnd == reinterpret_cast<HWND>(t.id)
                                                  : msg.hwnd == t.hwnd && PtInRect(&t.rect, p);
        if (hit) return static_cast<int>(i);
    }
    return -1;
}

// ---- showing and hiding

void hide(HWND hwnd, Tooltip& tt) {
    KillTimer(hwnd, ShowTimer);
    KillTimer(hwnd, PopTimer);
    if (!tt.shown) return;
    tt.shown = false;
    ShowWindow(hwnd, SW_HIDE);
}

// The pointer has left every tool: start afresh.
void forget_current(HWND hwnd, Tooltip& tt) {
    hide(hwnd, tt);
    KillTimer(hwnd, LeaveTimer);
    tt.current = -1;
    tt.suppressed = false;
}

// Sizes the tip to its text and puts it below the pointer, inside the screen.
void place(HWND hwnd, const Tooltip& tt, const std::string& text) {
    SetWindowTextA(hwnd, text.c_str());
    HDC hdc = GetDC(hwnd);
    const HGDIOBJ old = SelectObject(hdc, font_of(tt));
    SIZE extent{};
    GetTextExtentPoint32A(hdc, text.c_str(), static_cast<int>(text.size()), &extent);
    TEXTMETRICA tm{};
    GetTextMetricsA(hdc, &tm);
    SelectObject(hdc, old);
    ReleaseDC(hwnd, hdc);
    const int width = extent.cx + 2 * (Border + PadX), height = tm.tmHeight + 2 * (Border + PadY);
    POINT at;
    GetCursorPos(&at);
    at.y += BelowPointer;
    const SIZE screen = backend().screen_size();
    at.x = std::max<LONG>(0, std::min<LONG>(at.x, screen.cx - width));
    if (at.y + height > screen.cy)
        at.y = std::max(0, static_cast<int>(at.y) - BelowPointer * 2 - height);
    SetWindowPos(hwnd, HWND_TOPMOST, at.x, at.y, width, height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(hwnd, nullptr, TRUE);
}

struct Answer {
    std::string text;
    bool keep = false; // TTF_DI_SETITEM: the tool keeps the text and is not asked again
};

// Asks the tool's window for the text; the answer is copied before the request goes away.
Answer request_text(HWND hwnd, const Tool& t) {
    NMTTDISPINFOA info{};
    info.hdr.hwndFrom = hwnd;
    info.hdr.idFrom = t.id;
    info.hdr.code = TTN_GETDISPINFOA;
    info.lpszText = info.szText;
    info.hinst = t.hinst;
    info.uFlags = t.flags;
    info.lParam = t.lParam;
    SendMessageA(t.hwnd, WM_NOTIFY, t.id, reinterpret_cast<LPARAM>(&info));
    Answer a;
    std::string& text = a.text;
    if (info.lpszText == info.szText)
        text.assign(info.szText, strnlen(info.szText, sizeof info.szText));
    else if (info.lpszText && info.lpszText != LPSTR_TEXTCALLBACKA && IS_INTRESOURCE(info.lpszText))
        text =
            load_string(info.hinst, static_cast<UINT>(reinterpret_cast<ULONG_PTR>(info.lpszText)));
    else if (info.lpszText && info.lpszText != LPSTR_TEXTCALLBACKA)
        text = info.lpszText;
    a.keep = (info.uFlags & TTF_DI_SETITEM) != 0;
    return a;
}

void show(HWND hwnd, Tooltip& tt) {
    const Tool* t = current_tool(tt);
    if (!t) return;
    Tooltip* live = &tt;
    std::string text;
    switch (t->source) {
    case Tool::Source::Text:
        text = t->text;
        break;
    case Tool::Source::Resource:
        text = load_string(t->hinst, t->resource);
        break;
    case Tool::Source::Callback: {
        const HWND owner = t->hwnd;
        const UINT_PTR id = t->id;
        const Answer answer = request_text(hwnd, *t);
        // The answer may have destroyed the tip or changed its tools.
        live = IsWindow(hwnd) ? state_of(hwnd) : nullptr;
        if (!live) return;
        const int i = find_tool(*live, owner, id);
        if (i < 0 || i != live->current) return;
        Tool& tool = live->tools[static_cast<std::size_t>(i)];
        tool.text = text = answer.text;
        if (answer.keep) tool.source = Tool::Source::Text;
        break;
    }
    }
    if (text.empty()) return; // an empty tip is not shown
    place(hwnd, *live, text);
    live->shown = true;
    SetTimer(hwnd, PopTimer, live->autopop, nullptr);
}

// ---- messages

LRESULT on_relay(HWND hwnd, Tooltip& tt, const MSG* msg) {
    if (!msg || !tt.active) return 0;
    switch (msg->message) {
    case WM_MOUSEMOVE: {
        const int i = tool_at(tt, *msg);
        if (i < 0) {
            forget_current(hwnd, tt);
            return 0;
        }
        if (i == tt.current) return 0;
        // From one tool to the next, a tip that was up comes back sooner.
        const bool wasShown = tt.shown;
        hide(hwnd, tt);
        tt.current = i;
        tt.suppressed = false;
        SetTimer(hwnd, ShowTimer, wasShown ? tt.reshow : tt.initial, nullptr);
        SetTimer(hwnd, LeaveTimer, LeavePoll, nullptr);
        return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_LBUTTONDBLCLK:
        hide(hwnd, tt);
        tt.suppressed = tt.current >= 0;
        return 0;
    default:
        return 0;
    }
}

LRESULT on_timer(HWND hwnd, Tooltip& tt, UINT_PTR id) {
    const Tool* t = current_tool(tt);
    switch (id) {
    case ShowTimer:
        KillTimer(hwnd, ShowTimer);
        if (t && contains_pointer(hwnd, *t) && !tt.suppressed && tt.active)
            show(hwnd, tt);
        else if (t && !contains_pointer(hwnd, *t))
            forget_current(hwnd, tt);
        return 0;
    case LeaveTimer:
        if (!t || !contains_pointer(hwnd, *t)) forget_current(hwnd, tt);
        return 0;
    case PopTimer:
        hide(hwnd, tt);
        tt.suppressed = true;
        return 0;
    default:
        return 0;
    }
}

LRESULT on_add_tool(Tooltip& tt, const TOOLINFOA* ti) {
    if (!ti || ti->cbSize < TTTOOLINFOA_V1_SIZE || tt.tools.size() >= MaxTools) return FALSE;
    Tool t;
    t.flags = ti->uFlags;
    t.hwnd = ti->hwnd;
    t.id = ti->uId;
    t.rect = ti->rect;
    if (ti->cbSize >= offsetof(TOOLINFOA, lParam) + sizeof(LPARAM)) t.lParam = ti->lParam;
    take_text(t, ti->lpszText, ti->hinst);
    tt.tools.push_back(std::move(t));
    return TRUE;
}

LRESULT on_delete_tool(HWND hwnd, Tooltip& tt, const TOOLINFOA* ti) {
    const int i = find_tool(tt, ti);
    if (i < 0) return 0;
    if (i == tt.current)
        forget_current(hwnd, tt);
    else if (i < tt.current)
        --tt.current;
    tt.tools.erase(tt.tools.begin() + i);
    return 0;
}

LRESULT on_new_tool_rect(Tooltip& tt, const TOOLINFOA* ti) {
    const int i = find_tool(tt, ti);
    if (i >= 0) tt.tools[static_cast<std::size_t>(i)].rect = ti->rect;
    return 0;
}

LRESULT on_update_text(HWND hwnd, Tooltip& tt, const TOOLINFOA* ti) {
    const int i = find_tool(tt, ti);
    if (i < 0) return 0;
    Tool& t = tt.tools[static_cast<std::size_t>(i)];
    take_text(t, ti->lpszText, ti->hinst);
    if (tt.shown && i == tt.current && t.source != Tool::Source::Callback) {
        const std::string text =
            t.source == Tool::Source::Text ? t.text : load_string(t.hinst, t.resource);
        if (text.empty())
            hide(hwnd, tt);
        else
            place(hwnd, tt, text);
    }
    return 0;
}

// The buffer holds wParam characters (80 when wParam is 0, as before the size was passed).
LRESULT on_get_text(const Tooltip& tt, WPARAM size, const TOOLINFOA* ti) {
    const int i = find_tool(tt, ti);
    if (i < 0 || !ti->lpszText || IS_INTRESOURCE(ti->lpszText)) return 0;
    const Tool& t = tt.tools[static_cast<std::size_t>(i)];
    const std::string text =
        t.source == Tool::Source::Resource ? load_string(t.hinst, t.resource) : t.text;
    const std::size_t room = size ? size : 80;
    const std::size_t n = std::min(text.size(), room - 1);
    std::memcpy(ti->lpszText, text.data(), n);
    ti->lpszText[n] = '\0';
    return static_cast<LRESULT>(n);
}

LRESULT on_set_delay(Tooltip& tt, WPARAM which, LPARAM lParam) {
    const int ms = static_cast<SHORT>(LOWORD(lParam));
    const UINT value = ms < 0 ? DefaultInitial : static_cast<UINT>(ms);
    switch (which) {
    case TTDT_AUTOMATIC:
        tt.initial = value;
        tt.reshow = value / 5;
        tt.autopop = value * 10;
        break;
    case TTDT_INITIAL:
        tt.initial = ms < 0 ? DefaultInitial : value;
        break;
    case TTDT_RESHOW:
        tt.reshow = ms < 0 ? DefaultInitial / 5 : value;
        break;
    case TTDT_AUTOPOP:
        tt.autopop = ms < 0 ? DefaultInitial * 10 : value;
        break;
    default:
        break;
    }
    return 0;
}

LRESULT on_get_delay(const Tooltip& tt, WPARAM which) {
    switch (which) {
    case TTDT_RESHOW:
        return tt.reshow;
    case TTDT_AUTOPOP:
        return tt.autopop;
    case TTDT_INITIAL:
    case TTDT_AUTOMATIC:
        return tt.initial;
    default:
        return -1;
    }
}

LRESULT on_paint(HWND hwnd, const Tooltip& tt) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    RECT r;
    GetClientRect(hwnd, &r);
    FillRect(hdc, &r, GetSysColorBrush(COLOR_INFOBK));
    FrameRect(hdc, &r, GetSysColorBrush(COLOR_WINDOWFRAME));
    char text[1024];
    const int n = GetWindowTextA(hwnd, text, sizeof text);
    const HGDIOBJ old = SelectObject(hdc, font_of(tt));
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, GetSysColor(COLOR_INFOTEXT));
    InflateRect(&r, -(Border + PadX), -(Border + PadY));
    const UINT prefix = (GetWindowLongPtrA(hwnd, GWL_STYLE) & TTS_NOPREFIX) ? DT_NOPREFIX : UINT{0};
    DrawTextA(hdc, text, n, &r, DT_SINGLELINE | DT_LEFT | DT_TOP | prefix);
    SelectObject(hdc, old);
    EndPaint(hwnd, &ps);
    return 0;
}

LRESULT tooltip_proc(HWND hwnd, Tooltip& ttRef, UINT message, WPARAM wParam, LPARAM lParam) {
    Tooltip* tt = &ttRef;
    const auto* info = reinterpret_cast<const TOOLINFOA*>(lParam);
    switch (message) {
    case WM_PAINT:
        return on_paint(hwnd, *tt);
    case WM_ERASEBKGND:
        return 1; // painting fills the whole tip
    case WM_TIMER:
        return on_timer(hwnd, *tt, wParam);
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_SETFONT:
        tt->font = reinterpret_cast<HFONT>(wParam);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(tt->font);
    case TTM_ADDTOOLA:
        return on_add_tool(*tt, info);
    case TTM_DELTOOLA:
        return on_delete_tool(hwnd, *tt, info);
    case TTM_NEWTOOLRECTA:
        return on_new_tool_rect(*tt, info);
    case TTM_UPDATETIPTEXTA:
        return on_update_text(hwnd, *tt, info);
    case TTM_GETTEXTA:
        return on_get_text(*tt, wParam, info);
    case TTM_GETTOOLCOUNT:
        return static_cast<LRESULT>(tt->tools.size());
    case TTM_RELAYEVENT:
        return on_relay(hwnd, *tt, reinterpret_cast<const MSG*>(lParam));
    case TTM_ACTIVATE:
        tt->active = wParam != 0;
        if (!tt->active) forget_current(hwnd, *tt);
        return 0;
    case TTM_POP:
        hide(hwnd, *tt);
        tt->suppressed = tt->current >= 0;
        return 0;
    case TTM_SETDELAYTIME:
        return on_set_delay(*tt, wParam, lParam);
    case TTM_GETDELAYTIME:
        return on_get_delay(*tt, wParam);
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

} // namespace

const ControlClass tooltip_class{
    TOOLTIPS_CLASSA,     control_proc<Tooltip, tooltip_proc>, 0, StateBytes, COLOR_INFOBK,
    SurfaceKind::Tooltip};

} // namespace plat
