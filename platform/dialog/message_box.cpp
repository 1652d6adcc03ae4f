// MessageBoxA: a dialog template built in memory (icon, text, a row of push buttons) run through
// DialogBoxIndirectParamA, so the box is modal on the one modal loop with its owner disabled. The
// template carries only the controls; their texts and pixel layout are set in WM_INITDIALOG, where
// the dialog's own font measures the message.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "backend/backend.h"
#include "dialog/message_box_icon.h"
#include "dialog/template_writer.h"

namespace plat {
namespace {

constexpr int IconId = 20, TextId = 0xFFFF;
// How the text control lays out the message (SS_LEFT | SS_NOPREFIX | SS_EDITCONTROL).
constexpr UINT TextFormat = DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX | DT_EDITCONTROL;

struct ButtonSpec {
    int id;
    const char* text;
};

struct ButtonSet {
    std::array<ButtonSpec, 3> buttons;
    int count;
};

// Indexed by the type's low four bits.
constexpr std::array<ButtonSet, 6> buttonSets = {{
    {{{{IDOK, "OK"}}}, 1},
    {{{{IDOK, "OK"}, {IDCANCEL, "Cancel"}}}, 2},
    {{{{IDABORT, "&Abort"}, {IDRETRY, "&Retry"}, {IDIGNORE, "&Ignore"}}}, 3},
    {{{{IDYES, "&Yes"}, {IDNO, "&No"}, {IDCANCEL, "Cancel"}}}, 3},
    {{{{IDYES, "&Yes"}, {IDNO, "&No"}}}, 2},
    {{{{IDRETRY, "&Retry"}, {IDCANCEL, "Cancel"}}}, 2},
}};

struct Box {
    const ButtonSet* set;
    int defaultIndex;
    UINT icon; // MB_ICON* kind, or 0
    std::string_view text;
    const char* caption;
    HWND owner;
};

// ---- the template -------------------------------------------------------------------------

TemplateWriter build_template(const Box& box, UINT type) {
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_NOFAILCREATE;
    // The caption, the text and every position are set in WM_INITDIALOG.
    TemplateWriter t(style, (type & MB_MODEMASK) == MB_SYSTEMMODAL ? WS_EX_TOPMOST : 0, RECT{}, "",
                     8, "MS Shell Dlg");
    if (box.icon) t.add(TemplateClass::Static, IconId, "", SS_OWNERDRAW, RECT{});
    t.add(TemplateClass::Static, TextId, "", SS_LEFT | SS_NOPREFIX | SS_EDITCONTROL, RECT{});
    for (int i = 0; i < box.set->count; ++i) {
        DWORD s = WS_TABSTOP | (i == box.defaultIndex ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        if (i == 0) s |= WS_GROUP;
        const auto& button = box.set->buttons[static_cast<std::size_t>(i)];
        t.add(TemplateClass::Button, button.id, button.text, s, RECT{});
    }
    return t;
}

// ---- the dialog ---------------------------------------------------------------------------

RECT dialog_units(HWND dialog, int x, int y, int cx, int cy) {
    RECT r{x, y, x + cx, y + cy};
    MapDialogRect(dialog, &r);
    return r;
}

void place(HWND control, int x, int y, int cx, int cy) {
    SetWindowPos(control, nullptr, x, y, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void lay_out(HWND dialog, const Box& box) {
    const SIZE screen = backend().screen_size();
    const RECT unit = dialog_units(dialog, 7, 7, 50, 14);
    const int margin = unit.left, buttonW = unit.right - unit.left,
              buttonH = unit.bottom - unit.top;
    const int buttonGap = dialog_units(dialog, 4, 0, 0, 0).left;
    const int iconArea = box.icon ? MessageBoxIconSize + margin : 0;

    RECT window{}, client{};
    GetWindowRect(dialog, &window);
    GetClientRect(dialog, &client);
    const int frameW = (window.right - window.left) - client.right,
              frameH = (window.bottom - window.top) - client.bottom;

    const HWND textControl = GetDlgItem(dialog, TextId);
    const HDC hdc = GetDC(dialog);
    const HGDIOBJ oldFont =
        SelectObject(hdc, reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0)));
    TEXTMETRICA tm{};
    GetTextMetricsA(hdc, &tm);
    const int lineH = std::max<int>(1, tm.tmHeight);

    // Buttons as wide as their widest text needs, at least the usual width.
    int widestButton = buttonW;
    for (int i = 0; i < box.set->count; ++i) {
        std::string label;
        for (const char* p = box.set->buttons[static_cast<std::size_t>(i)].text; *p; ++p)
            if (*p != '&') label.push_back(*p);
        SIZE size{};
        GetTextExtentPoint32A(hdc, label.data(), static_cast<int>(label.size()), &size);
        widestButton = std::max<int>(widestButton, size.cx + 2 * margin);
    }
    const int rowW = box.set->count * widestButton + (box.set->count - 1) * buttonGap;
    // Wide enough for the caption beside the close box (the caption's bold font runs wider).
    SIZE captionSize{};
    GetTextExtentPoint32A(hdc, box.caption, static_cast<int>(std::strlen(box.caption)),
                          &captionSize);
    const int captionW = std::min<int>(captionSize.cx * 5 / 4 + 3 * lineH, screen.cx * 5 / 8);

    // The message wraps between words, a word wider than a line between characters, as the
    // text control will show it.
    const int maxTextW = std::max(8 * lineH, screen.cx * 5 / 8 - iconArea - 2 * margin);
    RECT measured{0, 0, maxTextW, 0};
    const std::string text(box.text);
    DrawTextA(hdc, text.c_str(), static_cast<int>(text.size()), &measured,
              TextFormat | DT_CALCRECT);
    SelectObject(hdc, oldFont);
    ReleaseDC(dialog, hdc);
    // Only as many lines as the screen can show; the box grows no taller than the screen.
    const int maxTextH = std::max(lineH, screen.cy - frameH - 3 * margin - buttonH);
    const int textW = measured.right - measured.left;
    const int textH = std::min<int>(measured.bottom - measured.top, maxTextH / lineH * lineH);

    const int bodyH = std::max(textH, box.icon ? MessageBoxIconSize : 0);
    const int clientW = std::max({iconArea + textW + 2 * margin, rowW + 2 * margin, captionW});
    const int clientH = margin + bodyH + margin + buttonH + margin;

    if (box.icon)
        place(GetDlgItem(dialog, IconId), margin, margin, MessageBoxIconSize, MessageBoxIconSize);
    SetWindowTextA(textControl, text.c_str());
    place(textControl, margin + iconArea, margin + (bodyH - textH) / 2, textW + 1, textH);
    int x = (clientW - rowW) / 2;
    const int y = clientH - margin - buttonH;
    for (int i = 0; i < box.set->count; ++i, x += widestButton + buttonGap)
        place(GetDlgItem(dialog, box.set->buttons[static_cast<std::size_t>(i)].id), x, y,
              widestButton, buttonH);

    // Centred on the owner when it shows, else on the screen; always wholly on the screen.
    const int w = std::min<int>(clientW + frameW, screen.cx),
              h = std::min<int>(clientH + frameH, screen.cy);
    RECT around{0, 0, screen.cx, screen.cy};
    if (box.owner && IsWindowVisible(box.owner) && !IsIconic(box.owner))
        GetWindowRect(box.owner, &around);
    const int left =
        std::clamp<int>(around.left + (around.right - around.left - w) / 2, 0, screen.cx - w);
    const int top =
        std::clamp<int>(around.top + (around.bottom - around.top - h) / 2, 0, screen.cy - h);
    SetWindowPos(dialog, nullptr, left, top, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
}

bool has_button(const Box& box, int id) {
    for (int i = 0; i < box.set->count; ++i)
        if (box.set->buttons[static_cast<std::size_t>(i)].id == id) return true;
    return false;
}

INT_PTR CALLBACK box_proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: {
        const Box& box = *reinterpret_cast<const Box*>(lParam);
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        SetWindowTextA(dialog, box.caption);
        lay_out(dialog, box);
        const int defId = box.set->buttons[static_cast<std::size_t>(box.defaultIndex)].id;
        SendMessageA(dialog, DM_SETDEFID, static_cast<WPARAM>(defId), 0);
        SetFocus(GetDlgItem(dialog, defId));
        MessageBeep(box.icon);
        return FALSE;
    }
    case WM_DRAWITEM: {
        const auto* box = reinterpret_cast<const Box*>(GetWindowLongPtrA(dialog, DWLP_USER));
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (!box || !item || item->CtlID != IconId) return FALSE;
        draw_message_box_icon(item->hDC, item->rcItem, box->icon, GetSysColor(COLOR_BTNFACE));
        return TRUE;
    }
    case WM_COMMAND: {
        const auto* box = reinterpret_cast<const Box*>(GetWindowLongPtrA(dialog, DWLP_USER));
        if (!box || HIWORD(wParam) != BN_CLICKED) return FALSE;
        const int id = LOWORD(wParam);
        // Esc and the close box send IDCANCEL: they answer Cancel where there is one, OK where OK
        // stands alone, and do nothing otherwise.
        if (has_button(*box, id))
            EndDialog(dialog, id);
        else if (id == IDCANCEL && box->set->count == 1)
            EndDialog(dialog, IDOK);
        return TRUE;
    }
    default:
        return FALSE;
    }
}

} // namespace
} // namespace plat

using namespace plat;

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    const UINT setIndex = type & MB_TYPEMASK;
    if (setIndex >= buttonSets.size()) return 0;
    Box box{};
    box.set = &buttonSets[setIndex];
    const int wanted = static_cast<int>((type & MB_DEFMASK) >> 8);
    box.defaultIndex = wanted < box.set->count ? wanted : 0;
    const UINT icon = type & MB_ICONMASK;
    box.icon = (icon >= MB_ICONHAND && icon <= MB_ICONASTERISK) ? icon : 0;
    box.text = text ? std::string_view(text) : std::string_view();
    box.caption = caption ? caption : "Error";
    box.owner = owner && IsWindow(owner) ? owner : nullptr;
    const TemplateWriter dialogTemplate = build_template(box, type);
    const INT_PTR answer = DialogBoxIndirectParamA(nullptr, dialogTemplate.get(), box.owner,
                                                   box_proc, reinterpret_cast<LPARAM>(&box));
    return answer > 0 ? static_cast<int>(answer) : 0;
}
