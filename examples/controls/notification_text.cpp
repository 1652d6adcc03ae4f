#include "controls/notification_text.h"

#include <array>
#include <cstdio>
#include <span>

#include <commctrl.h>

#include "controls/controls_layout.h"

namespace controls_example {
namespace {

struct CodeName {
    int code;
    const char* name;
};

constexpr std::array buttonCodes{
    CodeName{BN_CLICKED, "BN_CLICKED"},
    CodeName{BN_DBLCLK, "BN_DBLCLK"},
    CodeName{BN_SETFOCUS, "BN_SETFOCUS"},
    CodeName{BN_KILLFOCUS, "BN_KILLFOCUS"},
};
constexpr std::array staticCodes{
    CodeName{STN_CLICKED, "STN_CLICKED"},
    CodeName{STN_DBLCLK, "STN_DBLCLK"},
    CodeName{STN_ENABLE, "STN_ENABLE"},
    CodeName{STN_DISABLE, "STN_DISABLE"},
};
constexpr std::array editCodes{
    CodeName{EN_SETFOCUS, "EN_SETFOCUS"}, CodeName{EN_KILLFOCUS, "EN_KILLFOCUS"},
    CodeName{EN_CHANGE, "EN_CHANGE"},     CodeName{EN_UPDATE, "EN_UPDATE"},
    CodeName{EN_MAXTEXT, "EN_MAXTEXT"},   CodeName{EN_HSCROLL, "EN_HSCROLL"},
    CodeName{EN_VSCROLL, "EN_VSCROLL"},
};
constexpr std::array listCodes{
    CodeName{LBN_SELCHANGE, "LBN_SELCHANGE"}, CodeName{LBN_DBLCLK, "LBN_DBLCLK"},
    CodeName{LBN_SELCANCEL, "LBN_SELCANCEL"}, CodeName{LBN_SETFOCUS, "LBN_SETFOCUS"},
    CodeName{LBN_KILLFOCUS, "LBN_KILLFOCUS"},
};
constexpr std::array comboCodes{
    CodeName{CBN_SELCHANGE, "CBN_SELCHANGE"},   CodeName{CBN_DBLCLK, "CBN_DBLCLK"},
    CodeName{CBN_SETFOCUS, "CBN_SETFOCUS"},     CodeName{CBN_KILLFOCUS, "CBN_KILLFOCUS"},
    CodeName{CBN_EDITCHANGE, "CBN_EDITCHANGE"}, CodeName{CBN_EDITUPDATE, "CBN_EDITUPDATE"},
    CodeName{CBN_DROPDOWN, "CBN_DROPDOWN"},     CodeName{CBN_CLOSEUP, "CBN_CLOSEUP"},
    CodeName{CBN_SELENDOK, "CBN_SELENDOK"},     CodeName{CBN_SELENDCANCEL, "CBN_SELENDCANCEL"},
};
// The trackbar's TB_ codes and the up-down control's SB_ codes share their numbers.
constexpr std::array trackbarCodes{
    CodeName{TB_LINEUP, "TB_LINEUP"},
    CodeName{TB_LINEDOWN, "TB_LINEDOWN"},
    CodeName{TB_PAGEUP, "TB_PAGEUP"},
    CodeName{TB_PAGEDOWN, "TB_PAGEDOWN"},
    CodeName{TB_THUMBPOSITION, "TB_THUMBPOSITION"},
    CodeName{TB_THUMBTRACK, "TB_THUMBTRACK"},
    CodeName{TB_TOP, "TB_TOP"},
    CodeName{TB_BOTTOM, "TB_BOTTOM"},
    CodeName{TB_ENDTRACK, "TB_ENDTRACK"},
};
constexpr std::array scrollCodes{
    CodeName{SB_LINEUP, "SB_LINEUP"},
    CodeName{SB_LINEDOWN, "SB_LINEDOWN"},
    CodeName{SB_PAGEUP, "SB_PAGEUP"},
    CodeName{SB_PAGEDOWN, "SB_PAGEDOWN"},
    CodeName{SB_THUMBPOSITION, "SB_THUMBPOSITION"},
    CodeName{SB_THUMBTRACK, "SB_THUMBTRACK"},
    CodeName{SB_TOP, "SB_TOP"},
    CodeName{SB_BOTTOM, "SB_BOTTOM"},
    CodeName{SB_ENDSCROLL, "SB_ENDSCROLL"},
};
constexpr std::array notifyCodes{
    CodeName{static_cast<int>(TCN_SELCHANGING), "TCN_SELCHANGING"},
    CodeName{static_cast<int>(TCN_SELCHANGE), "TCN_SELCHANGE"},
    CodeName{static_cast<int>(TCN_KEYDOWN), "TCN_KEYDOWN"},
    CodeName{static_cast<int>(UDN_DELTAPOS), "UDN_DELTAPOS"},
};

std::string name_of(std::span<const CodeName> names, int code) {
    for (const CodeName& n : names)
        if (n.code == code) return n.name;
    char unknown[24];
    std::snprintf(unknown, sizeof unknown, "code=%d", code);
    return unknown;
}

std::string format(const char* fmt, auto... args) {
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, fmt, args...);
    return buffer;
}

// A control's text, quoted, line ends shown as \n, long texts cut.
std::string quoted_text(HWND control) {
    char text[48] = {};
    const int n = GetWindowTextA(control, text, sizeof text);
    std::string out = "\"";
    for (int i = 0; i < n; ++i) {
        if (text[i] == '\r') continue;
        out += text[i] == '\n' ? std::string("\\n") : std::string(1, text[i]);
    }
    out += GetWindowTextLengthA(control) >= static_cast<int>(sizeof text) ? "...\"" : "\"";
    return out;
}

std::string check_state(HWND button) {
    const auto style = static_cast<DWORD>(GetWindowLongPtrA(button, GWL_STYLE)) & BS_TYPEMASK;
    switch (style) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        return format(" check=%d", static_cast<int>(SendMessageA(button, BM_GETCHECK, 0, 0)));
    default:
        return {};
    }
}

std::string command_text(int id, int code, HWND control) {
    const Placement* p = placement_of(id);
    if (!p) return format("WM_COMMAND %d code=%d", id, code);
    switch (p->kind) {
    case Kind::Button:
        return format("%s %d", name_of(buttonCodes, code).c_str(), id) + check_state(control);
    case Kind::Static:
    case Kind::Label:
        return format("%s %d", name_of(staticCodes, code).c_str(), id);
    case Kind::Edit:
        return format("%s %d ", name_of(editCodes, code).c_str(), id) + quoted_text(control);
    case Kind::ListBox:
        return format("%s %d sel=%d", name_of(listCodes, code).c_str(), id,
                      static_cast<int>(SendMessageA(control, LB_GETCURSEL, 0, 0)));
    case Kind::ComboBox:
        return format("%s %d sel=%d ", name_of(comboCodes, code).c_str(), id,
                      static_cast<int>(SendMessageA(control, CB_GETCURSEL, 0, 0))) +
               quoted_text(control);
    default:
        return format("WM_COMMAND %d code=%d", id, code);
    }
}

std::string scroll_text(HWND control, int code) {
    const int id = GetDlgCtrlID(control);
    const Placement* p = placement_of(id);
    if (p && p->kind == Kind::Trackbar)
        return format("%s %d pos=%d", name_of(trackbarCodes, code).c_str(), id,
                      static_cast<int>(SendMessageA(control, TBM_GETPOS, 0, 0)));
    if (p && p->kind == Kind::UpDown)
        return format("%s %d pos=%d", name_of(scrollCodes, code).c_str(), id,
                      static_cast<int>(SendMessageA(control, UDM_GETPOS32, 0, 0)));
    return format("%s %d pos=%d", name_of(scrollCodes, code).c_str(), id,
                  GetScrollPos(control, SB_CTL));
}

std::string notify_text(const NMHDR& hdr) {
    const int id = static_cast<int>(hdr.idFrom);
    const std::string name = name_of(notifyCodes, static_cast<int>(hdr.code));
    if (hdr.code == UDN_DELTAPOS) {
        const auto& ud = reinterpret_cast<const NMUPDOWN&>(hdr);
        return format("%s %d pos=%d delta=%d", name.c_str(), id, ud.iPos, ud.iDelta);
    }
    if (hdr.code == TCN_KEYDOWN) {
        const auto& key = reinterpret_cast<const NMTCKEYDOWN&>(hdr);
        return format("%s %d vk=0x%02X", name.c_str(), id, static_cast<unsigned>(key.wVKey));
    }
    return format("%s %d sel=%d", name.c_str(), id,
                  static_cast<int>(SendMessageA(hdr.hwndFrom, TCM_GETCURSEL, 0, 0)));
}

} // namespace

std::string notification_text(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (!lParam) return {}; // menus and accelerators
        return command_text(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (!lParam) return {}; // the frame's own bars
        return scroll_text(reinterpret_cast<HWND>(lParam), LOWORD(wParam));
    case WM_NOTIFY:
        if (!lParam) return {};
        return notify_text(*reinterpret_cast<const NMHDR*>(lParam));
    default:
        return {};
    }
}

} // namespace controls_example
