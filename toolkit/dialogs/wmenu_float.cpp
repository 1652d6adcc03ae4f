// Floating menus: a menu resource shown at a point of the current window, mirroring the root
// menu's texts and states.
#include <array>

#include "core/context.h"
#include "core/wwindow.h"
#include "dialogs/wmenu.h"
#include "dialogs/wmenu_internal.h"

using namespace tess;
using namespace tess::menu;

namespace {

constexpr UINT KeptFromCommand =
    MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_MENUBREAK | MF_MENUBARBREAK | MF_OWNERDRAW;
constexpr UINT KeptFromPopup = MF_GRAYED | MF_CHECKED | MF_MENUBREAK | MF_MENUBARBREAK;

std::array<char, MaxMenuText> text_of(HMENU menu, UINT item, UINT by) {
    std::array<char, MaxMenuText> text{};
    GetMenuStringA(menu, item, text.data(), MaxMenuText, by);
    return text;
}

void match_commands(HMENU menu, int depth) {
    if (depth > MaxDepth) return;
    const HMENU root = tk().menus.rootMenu;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        if (HMENU sub = GetSubMenu(menu, i)) {
            match_commands(sub, depth + 1);
            continue;
        }
        const UINT id = GetMenuItemID(menu, i);
        if (id == 0 || id == NotFound) continue;
        const UINT flags = GetMenuState(root, id, MF_BYCOMMAND);
        if (flags == NotFound) continue;
        const auto text = text_of(root, id, MF_BYCOMMAND);
        UINT kept = flags & KeptFromCommand;
        if (text[0] != '\0') kept &= ~MF_OWNERDRAW;
        ModifyMenuA(menu, static_cast<UINT>(i), MF_BYPOSITION | kept, id, text.data());
    }
}

// Pop-ups named k in the floating table take over the root's pop-up named k.
void match_popups(HMENU top) {
    const auto& table = tk().menus.floatingTable;
    for (auto entry = table.begin(); entry != table.end() && *entry != 0;) {
        const int k = *entry;
        HMENU holder = nullptr, rootHolder = nullptr;
        const int at = table_position(table, top, k, holder);
        const int rootAt = table_position(tk().menus.rootTable, tk().menus.rootMenu, k, rootHolder);
        HMENU sub = at >= 0 ? GetSubMenu(holder, at) : nullptr;
        if (sub && rootAt >= 0 && GetSubMenu(rootHolder, rootAt)) {
            const UINT flags = GetMenuState(rootHolder, static_cast<UINT>(rootAt), MF_BYPOSITION);
            const auto text = text_of(rootHolder, static_cast<UINT>(rootAt), MF_BYPOSITION);
            ModifyMenuA(holder, static_cast<UINT>(at),
                        MF_BYPOSITION | MF_POPUP | (flags & KeptFromPopup),
                        reinterpret_cast<UINT_PTR>(sub), text.data());
        }
        while (entry != table.end() && *entry != 0)
            ++entry;
        if (entry != table.end()) ++entry;
    }
}

} // namespace

void yymnmtch(HMENU menu, HMENU top) {
    if (!tk().menus.rootMenu) return;
    match_commands(menu, 0);
    match_popups(top);
}

void yymnflot_(int& identifier, const int& x, const int& y) {
    const int current = tk().core.wIndex;
    if (!valid_window_number(current) || !IsWindow(window(current).frame)) {
        identifier = -1;
        return;
    }
    HMENU shown = yymnload(identifier);
    if (!shown) {
        identifier = -1;
        return;
    }
    // The holder owns the shown menu, so destroying it frees both.
    HMENU holder = CreatePopupMenu();
    AppendMenuA(holder, MF_POPUP, reinterpret_cast<UINT_PTR>(shown), "Dummy");
    // A table left from another menu would name the wrong pop-ups here.
    auto table = load_words(identifier);
    tk().menus.floatingTable = table ? std::move(*table) : std::vector<WORD>{};
    yymnmtch(shown, shown);

    POINT at{x, y};
    const HWND client = window(current).client ? window(current).client : window(current).frame;
    ClientToScreen(client, &at);
    TrackPopupMenu(shown, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, at.x, at.y, 0,
                   window(current).frame, nullptr);
    DestroyMenu(holder);
}
