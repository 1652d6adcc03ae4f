#include "controls/controls_window.h"

#include <algorithm>
#include <array>

#include <commctrl.h>

#include "controls/controls_ids.h"
#include "controls/controls_layout.h"
#include "controls/notification_text.h"

namespace controls_example {
namespace {

constexpr std::array listItems{"Apfel",  "Birne",   "Kirsche",  "Pflaume",  "Quitte",
                               "Traube", "Zitrone", "Orange",   "Banane",   "Mango",
                               "Feige",  "Dattel",  "Ananas",   "Melone",   "Kiwi",
                               "Papaya", "Limette", "Aprikose", "Pfirsich", "Holunder"};
constexpr std::array colours{"Rot", "Gr\xFCn", "Blau", "Gelb", "Schwarz", "Wei\xDF"};
constexpr std::array weekdays{"Montag",  "Dienstag", "Mittwoch", "Donnerstag",
                              "Freitag", "Samstag",  "Sonntag"};
constexpr std::array tabNames{"Erste", "Zweite", "Dritte"};

struct State {
    HWND status = nullptr;
    HWND lastFocus = nullptr; // the control that had the focus when the frame was deactivated
    HICON icon = nullptr;
};

std::FILE*& status_log() {
    static std::FILE* log = nullptr;
    return log;
}

State* state_of(HWND hwnd) {
    return reinterpret_cast<State*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

HWND item(HWND frame, int id) {
    return GetDlgItem(frame, id);
}

void show_status(State& s, const std::string& text) {
    SetWindowTextA(s.status, text.c_str());
    if (std::FILE* log = status_log()) {
        std::fprintf(log, "%s\n", text.c_str());
        std::fflush(log);
    }
}

void show_tab_page(HWND frame) {
    const int sel = static_cast<int>(SendMessageA(item(frame, IdTab), TCM_GETCURSEL, 0, 0));
    if (sel < 0 || sel >= static_cast<int>(tabNames.size())) return;
    const std::string text = "Seite " + std::to_string(sel + 1) + " von " +
                             std::to_string(tabNames.size()) + ": " + tabNames[sel];
    SetWindowTextA(item(frame, IdTabPage), text.c_str());
}

void fill_tab(HWND frame) {
    const HWND tab = item(frame, IdTab);
    for (std::size_t i = 0; i < tabNames.size(); ++i) {
        TCITEMA tci{};
        tci.mask = TCIF_TEXT | TCIF_PARAM;
        tci.pszText = const_cast<char*>(tabNames[i]);
        tci.lParam = static_cast<LPARAM>(i);
        SendMessageA(tab, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&tci));
    }
    // The page's text sits in the display area the tab control leaves below its tabs.
    RECT page;
    GetWindowRect(tab, &page);
    MapWindowPoints(nullptr, frame, reinterpret_cast<POINT*>(&page), 2);
    SendMessageA(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
    MoveWindow(item(frame, IdTabPage), page.left + 8, page.top + 8, page.right - page.left - 16, 20,
               FALSE);
    show_tab_page(frame);
}

void fill_controls(HWND frame, State& s, HINSTANCE instance) {
    const HWND list = item(frame, IdList);
    for (const char* text : listItems)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    for (const char* text : colours)
        SendMessageA(item(frame, IdDropDown), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    for (const char* text : weekdays)
        SendMessageA(item(frame, IdDropList), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    SendMessageA(item(frame, IdDropList), CB_SETCURSEL, 0, 0);

    const HWND trackbar = item(frame, IdTrackbar);
    SendMessageA(trackbar, TBM_SETRANGE, FALSE, MAKELPARAM(0, 100));
    SendMessageA(trackbar, TBM_SETTICFREQ, 10, 0);
    SendMessageA(trackbar, TBM_SETPAGESIZE, 0, 10);
    SendMessageA(trackbar, TBM_SETPOS, TRUE, 20);
    SendMessageA(item(frame, IdProgress), PBM_SETRANGE32, 0, 100);
    SendMessageA(item(frame, IdProgress), PBM_SETPOS, 20, 0);

    const HWND updown = item(frame, IdUpDown);
    SendMessageA(updown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(item(frame, IdBuddy)), 0);
    SendMessageA(updown, UDM_SETRANGE32, 0, 20);
    SendMessageA(updown, UDM_SETPOS32, 0, 5);

    SCROLLINFO bar{sizeof bar, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 100, 10, 30, 0};
    SetScrollInfo(item(frame, IdScrollBar), SB_CTL, &bar, FALSE);

    s.icon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_CONTROLS));
    if (s.icon) SendMessageA(item(frame, IdIcon), STM_SETICON, reinterpret_cast<WPARAM>(s.icon), 0);
    fill_tab(frame);
}

bool create_children(HWND frame, State& s, HINSTANCE instance) {
    const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    HWND previous = nullptr;
    for (const Placement& p : layout) {
        const RECT& r = p.box;
        const HWND child =
            CreateWindowExA(p.exStyle, p.className, p.text, p.style, r.left, r.top,
                            r.right - r.left, r.bottom - r.top, frame,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(static_cast<WORD>(p.id))),
                            instance, nullptr);
        if (!child) return false;
        // A new window goes on top of its siblings; the z-order is the tab order, so each one
        // goes below the one before, as a dialog's controls do.
        if (previous)
            SetWindowPos(child, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        previous = child;
        SendMessageA(child, WM_SETFONT, font, FALSE);
    }
    // Filling the controls is not the user's doing: the status line starts after it.
    fill_controls(frame, s, instance);
    s.status = item(frame, IdStatus);
    return true;
}

// A scroll bar control does not move by itself: its owner moves it to where the code asks.
void follow_scroll_bar(HWND bar, int code) {
    SCROLLINFO si{sizeof si, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(bar, SB_CTL, &si);
    const int page = static_cast<int>(si.nPage);
    int pos = si.nPos;
    switch (code) {
    case SB_LINELEFT:
        pos -= 1;
        break;
    case SB_LINERIGHT:
        pos += 1;
        break;
    case SB_PAGELEFT:
        pos -= page;
        break;
    case SB_PAGERIGHT:
        pos += page;
        break;
    case SB_LEFT:
        pos = si.nMin;
        break;
    case SB_RIGHT:
        pos = si.nMax;
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        pos = si.nTrackPos;
        break;
    default:
        return;
    }
    pos = std::clamp(pos, si.nMin, std::max(si.nMin, si.nMax - std::max(page - 1, 0)));
    SetScrollPos(bar, SB_CTL, pos, TRUE);
}

void on_notification(HWND frame, State& s, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_HSCROLL && reinterpret_cast<HWND>(lParam) == item(frame, IdScrollBar))
        follow_scroll_bar(reinterpret_cast<HWND>(lParam), LOWORD(wParam));
    const std::string text = notification_text(message, wParam, lParam);
    if (text.empty()) return;
    show_status(s, text);
    // The progress bar shows how far the trackbar is; the tab page follows the selection.
    if ((message == WM_HSCROLL || message == WM_VSCROLL) &&
        reinterpret_cast<HWND>(lParam) == item(frame, IdTrackbar))
        SendMessageA(item(frame, IdProgress), PBM_SETPOS,
                     SendMessageA(item(frame, IdTrackbar), TBM_GETPOS, 0, 0), 0);
    if (message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == TCN_SELCHANGE)
        show_tab_page(frame);
}

// The control that gets the focus when the frame gets it: the one that had it last.
HWND focus_target(HWND frame, const State& s) {
    return s.lastFocus && IsWindow(s.lastFocus) ? s.lastFocus : item(frame, IdPush);
}

// A frame holding controls passes its activation on to the control that had the focus.
void on_activate(HWND frame, State& s, WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus && IsChild(frame, focus)) s.lastFocus = focus;
        return;
    }
    SetFocus(focus_target(frame, s));
}

LRESULT CALLBACK controls_proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    State* s = state_of(hwnd);
    switch (message) {
    case WM_NCCREATE:
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new State));
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_CREATE:
        return s && create_children(hwnd, *s, reinterpret_cast<CREATESTRUCTA*>(lParam)->hInstance)
                   ? 0
                   : -1;
    case WM_NCDESTROY:
        if (s) {
            if (s->icon) DestroyIcon(s->icon);
            delete s;
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        }
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (s && s->status) on_notification(hwnd, *s, message, wParam, lParam);
        return 0;
    case WM_ACTIVATE:
        if (s) on_activate(hwnd, *s, wParam);
        return 0;
    case WM_SETFOCUS:
        if (s) SetFocus(focus_target(hwnd, *s));
        return 0;
    case DM_GETDEFID:
        // Enter presses the default button, as in a dialog.
        return MAKELONG(IdDefault, DC_HASDEFID);
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

} // namespace

HWND create_controls_window(HINSTANCE instance, int show) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = controls_proc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_CONTROLS));
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = WindowClass;
    WNDCLASSEXA existing;
    if (!GetClassInfoExA(instance, WindowClass, &existing) && !RegisterClassExA(&wc))
        return nullptr;
    RECT outer{0, 0, ClientWidth, ClientHeight};
    AdjustWindowRectEx(&outer, FrameStyle, FALSE, 0);
    const HWND hwnd = CreateWindowExA(
        0, WindowClass, WindowTitle, FrameStyle, FramePosition.x, FramePosition.y,
        outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr, instance, nullptr);
    if (!hwnd) return nullptr;
    ShowWindow(hwnd, show);
    UpdateWindow(hwnd);
    return hwnd;
}

std::string status_text(HWND frame) {
    char text[256] = {};
    GetWindowTextA(item(frame, IdStatus), text, sizeof text);
    return text;
}

void set_status_log(std::FILE* log) {
    status_log() = log;
}

void handle_message(HWND frame, MSG& msg) {
    if (IsDialogMessageA(frame, &msg)) return;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

int run_controls(HINSTANCE instance, int show) {
    const HWND hwnd = create_controls_window(instance, show);
    if (!hwnd) return 1;
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0)
        handle_message(hwnd, msg);
    return static_cast<int>(msg.wParam);
}

} // namespace controls_example
