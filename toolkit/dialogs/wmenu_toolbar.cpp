// The root frame's toolbar, whose buttons share the menu's command identifiers, and its tips.
#include <algorithm>
#include <cstring>

#include <windows.h>

#include <commctrl.h>

#include "core/context.h"
#include "core/wwindow.h"
#include "dialogs/wmenu.h"
#include "dialogs/wmenu_internal.h"

using namespace tess;
using namespace tess::menu;

namespace {

constexpr int ButtonMargin = 6; // a button is its image plus this each way
constexpr int MaxTipChars = TooltipChars - 1;

// The command entries and separators (0) between the image size and the two 0 words.
std::vector<WORD> entries_of(const std::vector<WORD>& words) {
    std::vector<WORD> entries;
    for (std::size_t i = 2; i < words.size(); ++i) {
        if (words[i] == 0 && (i + 1 == words.size() || words[i + 1] == 0)) break;
        entries.push_back(words[i]);
    }
    return entries;
}

// Buttons start as their menu items are; one without an item is enabled and unchecked.
BYTE state_for(int identifier) {
    int enabled = 0, checked = 0;
    yymngflg_(identifier, MenuEnabledState, enabled);
    yymngflg_(identifier, MenuCheckedState, checked);
    BYTE state = 0;
    if (enabled != 0) state |= TBSTATE_ENABLED;
    if (checked == 1) state |= TBSTATE_CHECKED;
    return state;
}

std::vector<TBBUTTON> buttons_for(const std::vector<WORD>& entries) {
    std::vector<TBBUTTON> buttons;
    int image = 0;
    for (WORD id : entries) {
        TBBUTTON b{};
        if (id == 0) {
            b.fsStyle = TBSTYLE_SEP;
        } else {
            b.iBitmap = image++;
            b.idCommand = id;
            b.fsState = state_for(id);
            b.fsStyle = TBSTYLE_BUTTON;
        }
        buttons.push_back(b);
    }
    return buttons;
}

HWND create_toolbar(int identifier, const std::vector<WORD>& words) {
    const HWND root = root_frame();
    if (!IsWindow(root)) return nullptr;
    HWND tb = CreateWindowExA(0, TOOLBARCLASSNAMEA, "",
                              WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TBSTYLE_TOOLTIPS, 0, 0, 1,
                              1, root, reinterpret_cast<HMENU>(static_cast<INT_PTR>(identifier)),
                              tk().core.wInstance, nullptr);
    if (!tb) return nullptr;
    const WORD width = words[0], height = words[1];
    SendMessageA(tb, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(tb, TB_SETBITMAPSIZE, 0, MAKELPARAM(width, height));
    SendMessageA(tb, TB_SETBUTTONSIZE, 0,
                 MAKELPARAM(static_cast<WORD>(width + ButtonMargin),
                            static_cast<WORD>(height + ButtonMargin)));
    SendMessageA(tb, TB_AUTOSIZE, 0, 0);

    const auto entries = entries_of(words);
    auto buttons = buttons_for(entries);
    if (!buttons.empty()) {
        TBADDBITMAP images{tk().core.wInstance, static_cast<UINT_PTR>(identifier)};
        SendMessageA(tb, TB_ADDBITMAP, buttons.size(), reinterpret_cast<LPARAM>(&images));
        SendMessageA(tb, TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    }
    tk().menus.pTooltip.assign(entries.size(), TooltipEntry{});
    tk().menus.nTooltip = static_cast<int>(entries.size());
    return tb;
}

int rect_height(const RECT& r) {
    return r.bottom - r.top;
}

} // namespace

void yymntbar_(int& identifier, int& width, int& height) {
    RECT before{}, after{};
    if (IsWindow(tk().menus.hWndToolbar)) {
        GetWindowRect(tk().menus.hWndToolbar, &before);
        DestroyWindow(tk().menus.hWndToolbar);
    }
    tk().menus.hWndToolbar = nullptr;
    tk().menus.pTooltip.clear();
    tk().menus.nTooltip = 0;

    if (identifier != 0) {
        const auto words = load_words(identifier);
        HWND tb = words && words->size() >= 2 ? create_toolbar(identifier, *words) : nullptr;
        if (tb) {
            tk().menus.hWndToolbar = tb;
            GetWindowRect(tb, &after);
        } else {
            identifier = -1;
        }
    }

    const HWND root = root_frame();
    if (identifier == -1 || rect_height(after) == rect_height(before) || !IsWindow(root)) {
        width = -1;
        height = -1;
        return;
    }
    if (IsIconic(root)) return;
    // The frame procedure lays the client window out below the new toolbar.
    RECT client{};
    GetClientRect(root, &client);
    SendMessageA(root, WM_SIZE, IsZoomed(root) ? SIZE_MAXIMIZED : SIZE_RESTORED,
                 MAKELPARAM(static_cast<WORD>(client.right), static_cast<WORD>(client.bottom)));
    RECT area{};
    if (!GetClientRect(window(0).client, &area)) {
        width = -1;
        height = -1;
        return;
    }
    width = area.right;
    height = area.bottom;
}

void yytooltip_(int& identifier, const char* text, const int& length) {
    const HWND tb = tk().menus.hWndToolbar;
    if (!IsWindow(tb) ||
        SendMessageA(tb, TB_COMMANDTOINDEX, static_cast<WPARAM>(identifier), 0) < 0) {
        identifier = -1;
        return;
    }
    auto& tips = tk().menus.pTooltip;
    auto held = std::find_if(tips.rbegin(), tips.rend(),
                             [&](const TooltipEntry& e) { return e.id == identifier; });
    if (held == tips.rend())
        held = std::find_if(tips.rbegin(), tips.rend(),
                            [](const TooltipEntry& e) { return e.id == 0; });
    if (held == tips.rend()) {
        identifier = -2;
        return;
    }
    TooltipEntry& entry = *held;
    entry.text.fill('\0');
    if (length <= 1 || !text) {
        entry.id = 0;
        return;
    }
    const std::size_t n =
        strnlen(text, static_cast<std::size_t>(std::min(length - 1, MaxTipChars)));
    std::memcpy(entry.text.data(), text, n);
    entry.id = identifier;
}

bool yytooltipnotify(LPARAM lParam) {
    auto* info = reinterpret_cast<NMTTDISPINFOA*>(lParam);
    if (!info || info->hdr.code != TTN_NEEDTEXTA) return false;
    const int id = static_cast<int>(info->hdr.idFrom);
    info->szText[0] = '\0';
    info->lpszText = info->szText;
    const auto& tips = tk().menus.pTooltip;
    const auto held = std::find_if(tips.rbegin(), tips.rend(),
                                   [&](const TooltipEntry& e) { return e.id != 0 && e.id == id; });
    if (held != tips.rend()) {
        std::memcpy(info->szText, held->text.data(), MaxTipChars);
        info->szText[MaxTipChars] = '\0';
    } else if (id > 0 && id <= 0xFFFF) {
        LoadStringA(tk().core.wInstance, static_cast<UINT>(id), info->szText, TooltipChars);
    }
    return true;
}
