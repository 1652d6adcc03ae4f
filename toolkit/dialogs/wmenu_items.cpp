// Item texts, inserting and deleting items of the root menu.
#include "core/context.h"
#include "core/wwindow.h"
#include "dialogs/wmenu.h"
#include "dialogs/wmenu_internal.h"

using namespace tess;
using namespace tess::menu;

namespace {

constexpr UINT KeptByCommandText =
    MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_MENUBREAK | MF_MENUBARBREAK;
constexpr UINT KeptByPopupText = MF_GRAYED | MF_CHECKED | MF_MENUBREAK | MF_MENUBARBREAK;

int position_in(HMENU menu, UINT identifier, HMENU* holder, int depth) {
    if (depth > MaxDepth) return -1;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        if (HMENU sub = GetSubMenu(menu, i)) {
            const int found = position_in(sub, identifier, holder, depth + 1);
            if (found >= 0) return found;
        } else if (GetMenuItemID(menu, i) == identifier &&
                   !(GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_SEPARATOR)) {
            if (holder) *holder = menu;
            return i;
        }
    }
    return -1;
}

// The item lies directly on the bar, so removing it changes what the bar shows.
bool directly_on_bar(UINT identifier) {
    HMENU holder = nullptr;
    return position_in(tk().menus.rootMenu, identifier, &holder, 0) >= 0 &&
           holder == tk().menus.rootMenu;
}

} // namespace

int yymngetpos(HMENU menu, int identifier, HMENU* holder) {
    return position_in(menu, static_cast<UINT>(identifier), holder, 0);
}

void yymntext_(int& identifier, const char* text) {
    const HMENU root = tk().menus.rootMenu;
    const UINT id = static_cast<UINT>(identifier);
    const char* shown = text ? text : "";
    bool done = false;
    if (const UINT flags = GetMenuState(root, id, MF_BYCOMMAND); flags != NotFound) {
        done = ModifyMenuA(root, id, MF_BYCOMMAND | MF_STRING | (flags & KeptByCommandText), id,
                           shown);
    } else if (const int position = yymnhpos(identifier); position >= 0) {
        const HMENU holder = tk().menus.lookupMenu;
        const UINT at = static_cast<UINT>(position);
        const UINT state = GetMenuState(holder, at, MF_BYPOSITION);
        if (HMENU sub = GetSubMenu(holder, position); sub && state != NotFound)
            done = ModifyMenuA(holder, at, MF_BYPOSITION | MF_POPUP | (state & KeptByPopupText),
                               reinterpret_cast<UINT_PTR>(sub), shown);
    }
    if (!done) {
        identifier = -1;
        return;
    }
    yyredrawmenu(identifier);
}

void yymndel_(int& identifier) {
    const UINT id = static_cast<UINT>(identifier);
    const bool onBar = directly_on_bar(id);
    if (!DeleteMenu(tk().menus.rootMenu, id, MF_BYCOMMAND)) {
        identifier = -1;
        return;
    }
    // The item is gone now, so the bar is redrawn on what it was.
    if (onBar && IsWindow(root_frame())) {
        UpdateWindow(root_frame());
        DrawMenuBar(root_frame());
    } else {
        yyredrawmenu(identifier);
    }
}

void yymnins_(int& reference, const int& offset, const int& newId, const char* text) {
    HMENU holder = nullptr;
    const int p = yymngetpos(tk().menus.rootMenu, reference, &holder);
    if (GetMenuState(tk().menus.rootMenu, static_cast<UINT>(reference), MF_BYCOMMAND) == NotFound ||
        p < 0) {
        reference = -1;
        return;
    }
    const UINT kind = newId == 0 ? MF_SEPARATOR : MF_STRING;
    // Computed wide so that a huge offset cannot overflow.
    const long long target = static_cast<long long>(p) + offset - 1;
    const UINT at =
        target >= 0 && target < GetMenuItemCount(holder) ? static_cast<UINT>(target) : NotFound;
    if (InsertMenuA(holder, at, MF_BYPOSITION | kind, static_cast<UINT_PTR>(newId),
                    newId == 0 ? nullptr : (text ? text : "")))
        yyredrawmenu(newId);
    reference = p;
}
