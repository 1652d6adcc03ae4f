// The root menu and its resources: loading, the identifier tables, replacing the root menu.
#include <algorithm>
#include <cstddef>

#include "core/context.h"
#include "core/wwindow.h"
#include "dialogs/wmenu.h"
#include "dialogs/wmenu_internal.h"

namespace tess::menu {

HWND root_frame() {
    return window(0).frame;
}

std::optional<std::vector<WORD>> load_words(int id) {
    if (!valid_resource_id(id)) return std::nullopt;
    const LPCSTR name = MAKEINTRESOURCEA(static_cast<WORD>(id));
    HRSRC found = FindResourceA(tk().core.wInstance, name, RT_RCDATA);
    if (!found) return std::nullopt;
    const auto* bytes =
        static_cast<const BYTE*>(LockResource(LoadResource(tk().core.wInstance, found)));
    const DWORD size = SizeofResource(tk().core.wInstance, found);
    if (!bytes && size > 0) return std::nullopt;
    std::vector<WORD> words(size / 2);
    for (std::size_t i = 0; i < words.size(); ++i)
        words[i] = static_cast<WORD>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    return words;
}

namespace {

// Each step but the last enters the pop-up at that position.
int follow(HMENU menu, const WORD* path, const WORD* end, HMENU& holder) {
    holder = nullptr;
    if (path == end) return -1;
    for (int depth = 0; menu && depth <= MaxDepth; ++depth) {
        const int position = *path - 1;
        if (++path == end) {
            holder = menu;
            return position;
        }
        menu = GetSubMenu(menu, position);
    }
    return -1;
}

} // namespace

int table_position(const std::vector<WORD>& table, HMENU start, int id, HMENU& holder) {
    holder = nullptr;
    auto entry = table.begin();
    while (entry != table.end() && *entry != 0) {
        const auto path = entry + 1;
        // A table cut short ends its last path at the end of the data.
        const auto stop = std::find(path, table.end(), WORD{0});
        if (*entry == id)
            return follow(start, std::to_address(path), std::to_address(stop), holder);
        if (stop == table.end()) break;
        entry = stop + 1;
    }
    return -1;
}

std::optional<Address> address_of(int identifier) {
    const HMENU root = tk().menus.rootMenu;
    const UINT id = static_cast<UINT>(identifier);
    // Separators carry identifier 0 too, but they are no command items.
    const UINT byCommand = GetMenuState(root, id, MF_BYCOMMAND);
    if (byCommand != NotFound && !(byCommand & MF_SEPARATOR))
        return Address{root, id, MF_BYCOMMAND};
    const int position = yymnhpos(identifier);
    if (position < 0) return std::nullopt;
    const HMENU holder = tk().menus.lookupMenu;
    if (GetMenuState(holder, static_cast<UINT>(position), MF_BYPOSITION) == NotFound)
        return std::nullopt;
    return Address{holder, static_cast<UINT>(position), MF_BYPOSITION};
}

} // namespace tess::menu

using namespace tess;
using namespace tess::menu;

void yymnloadresources_(const int& menuId) {
    const HWND root = root_frame();
    tk().menus.rootMenu = IsWindow(root) ? GetMenu(root) : nullptr;
    if (tk().menus.accel) DestroyAcceleratorTable(tk().menus.accel);
    tk().menus.accel = nullptr;
    tk().menus.rootTable.clear();
    if (!valid_resource_id(menuId)) return;
    tk().menus.accel =
        LoadAcceleratorsA(tk().core.wInstance, MAKEINTRESOURCEA(static_cast<WORD>(menuId)));
    if (auto table = load_words(menuId)) tk().menus.rootTable = std::move(*table);
}

void yymnshutdown_() {
    if (IsWindow(tk().menus.hWndToolbar)) DestroyWindow(tk().menus.hWndToolbar);
    if (tk().menus.accel) DestroyAcceleratorTable(tk().menus.accel);
    tk().menus = CoreMenus{}; // the root menu goes with its frame
}

HMENU yymnload(int menuId) {
    if (!valid_resource_id(menuId)) return nullptr;
    HMENU menu = LoadMenuA(tk().core.wInstance, MAKEINTRESOURCEA(static_cast<WORD>(menuId)));
    if (menu) yymnconv(menu);
    return menu;
}

namespace {

void convert(HMENU menu, int depth) {
    if (depth > MaxDepth) return;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        const UINT position = static_cast<UINT>(i);
        const UINT state = GetMenuState(menu, position, MF_BYPOSITION);
        if (state == NotFound) continue;
        if ((state & MF_DISABLED) && !(state & MF_GRAYED))
            EnableMenuItem(menu, position, MF_BYPOSITION | MF_GRAYED);
        if (HMENU sub = GetSubMenu(menu, i)) convert(sub, depth + 1);
    }
}

} // namespace

void yymnconv(HMENU menu) {
    convert(menu, 0);
}

int yymnhpos(int identifier) {
    if (tk().menus.rootTable.empty()) return -1;
    return table_position(tk().menus.rootTable, tk().menus.rootMenu, identifier,
                          tk().menus.lookupMenu);
}

void yymnroot_(int& identifier) {
    const HWND root = root_frame();
    if (!IsWindow(root)) {
        identifier = -1;
        return;
    }
    const HMENU old = GetMenu(root);
    if (identifier == 0) {
        SetMenu(root, nullptr);
        if (old) DestroyMenu(old);
        tk().menus.rootMenu = nullptr;
        return;
    }
    HMENU menu = yymnload(identifier);
    if (!menu) {
        identifier = -1;
        return;
    }
    if (!SetMenu(root, menu)) {
        DestroyMenu(menu);
        return;
    }
    if (old) DestroyMenu(old);
    tk().menus.rootMenu = menu;
    if (tk().menus.accel) DestroyAcceleratorTable(tk().menus.accel);
    tk().menus.accel =
        LoadAcceleratorsA(tk().core.wInstance, MAKEINTRESOURCEA(static_cast<WORD>(identifier)));
    // Without a table of its own the previous one stays in effect.
    if (auto table = load_words(identifier)) tk().menus.rootTable = std::move(*table);
}
