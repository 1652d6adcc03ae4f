#include "dialog_parent.h"

#include <ostream>

#include "platform/window/message_recorder.h"

namespace ctltest {

ParentLog& parent_log() {
    static ParentLog log;
    return log;
}

void PrintTo(const Heard& h, std::ostream* out) {
    *out << "{0x" << std::hex << h.message << " w=0x" << h.wParam << " code=" << std::dec
         << static_cast<int>(h.code) << " pos=" << h.iPos << " delta=" << h.iDelta << "}";
}

namespace {

// What a program does with a scroll bar control's codes: lines by one, pages by ten.
void follow(HWND bar, WPARAM wParam) {
    int pos = GetScrollPos(bar, SB_CTL), min = 0, max = 0;
    GetScrollRange(bar, SB_CTL, &min, &max);
    switch (LOWORD(wParam)) {
    case SB_LINEUP:
        --pos;
        break;
    case SB_LINEDOWN:
        ++pos;
        break;
    case SB_PAGEUP:
        pos -= 10;
        break;
    case SB_PAGEDOWN:
        pos += 10;
        break;
    case SB_TOP:
        pos = min;
        break;
    case SB_BOTTOM:
        pos = max;
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        pos = HIWORD(wParam);
        break;
    default:
        return;
    }
    SetScrollPos(bar, SB_CTL, pos, TRUE);
}

LRESULT CALLBACK parent_proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    ParentLog& log = parent_log();
    switch (message) {
    case WM_HSCROLL:
    case WM_VSCROLL:
        log.heard.push_back({message, wParam, 0, 0, 0, reinterpret_cast<HWND>(lParam)});
        if (log.followScrollBar && lParam) follow(reinterpret_cast<HWND>(lParam), wParam);
        return 0;
    case WM_COMMAND:
        log.heard.push_back({message, wParam, 0, 0, 0, reinterpret_cast<HWND>(lParam)});
        return 0;
    case WM_NOTIFY: {
        auto* hdr = reinterpret_cast<NMHDR*>(lParam);
        Heard h{message, wParam, hdr->code, 0, 0, hdr->hwndFrom};
        if (hdr->code == UDN_DELTAPOS) {
            auto* ud = reinterpret_cast<NMUPDOWN*>(lParam);
            h.iPos = ud->iPos;
            h.iDelta = ud->iDelta;
            if (log.newDelta) ud->iDelta = log.newDelta;
        }
        log.heard.push_back(h);
        if (log.destroySender) DestroyWindow(hdr->hwndFrom);
        return log.refuse != 0 && hdr->code == log.refuse;
    }
    case WM_CTLCOLORSTATIC:
        if (!log.ctlBrush) return DefWindowProcA(hwnd, message, wParam, lParam);
        return reinterpret_cast<LRESULT>(log.ctlBrush);
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

} // namespace

void DialogControlsTest::SetUp() {
    ControlsTest::SetUp();
    parent_log() = ParentLog{};
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = parent_proc;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "DialogParent";
    RegisterClassExA(&wc);
}

void DialogControlsTest::TearDown() {
    ControlsTest::TearDown();
    UnregisterClassA("DialogParent", nullptr);
}

HWND DialogControlsTest::parent() {
    if (!parentWindow) {
        parentWindow =
            CreateWindowExA(0, "DialogParent", "Parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50,
                            400, 300, nullptr, nullptr, nullptr, nullptr);
        pump();
    }
    return parentWindow;
}

HWND DialogControlsTest::make(const char* cls, DWORD style, RECT r, int id, const char* text) {
    return control(parent(), cls, text, style, r, id);
}

void DialogControlsTest::press(HWND hwnd, int x, int y) {
    const POINT p = screen_point(hwnd, x, y);
    plat::inject_mouse_move(p);
    plat::inject_mouse(p, 0, true);
    pump();
}

void DialogControlsTest::release(HWND hwnd, int x, int y) {
    plat::inject_mouse(screen_point(hwnd, x, y), 0, false);
    pump();
}

void DialogControlsTest::move(HWND hwnd, int x, int y) {
    plat::inject_mouse_move(screen_point(hwnd, x, y));
    pump();
}

void DialogControlsTest::click(HWND hwnd, int x, int y) {
    press(hwnd, x, y);
    release(hwnd, x, y);
    plat::advance_clock(1000); // no double clicks
}

void DialogControlsTest::key(int vk, char ch) {
    plat::inject_key(vk, ch, true);
    plat::inject_key(vk, ch, false);
    pump();
}

void DialogControlsTest::ignore_noise(testmsg::Recorder& r) {
    for (UINT m : {WM_NCHITTEST, WM_SETCURSOR, WM_MOUSEACTIVATE, WM_MOUSEMOVE, WM_PAINT,
                   WM_ERASEBKGND, WM_NCPAINT, WM_CTLCOLORSTATIC, WM_GETDLGCODE, WM_PARENTNOTIFY,
                   WM_TIMER, WM_GETTEXT, WM_GETTEXTLENGTH, WM_SETTEXT})
        r.ignore(m);
    r.clear();
}

} // namespace ctltest
