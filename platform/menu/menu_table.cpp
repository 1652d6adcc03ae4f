// The menu table and the calls that build, query and change menus.
#include "menu/menu_table.h"

#include <algorithm>
#include <cstring>
#include <deque>
#include <span>

#include "resource/cp1252.h"

namespace plat {
namespace {

constexpr DWORD NotFound = 0xFFFFFFFF;
constexpr int MaxDepth = 16; // nesting of pop-ups in templates and searches

std::deque<Menu>& menus() {
    static std::deque<Menu> list;
    return list;
}

// Slots of destroyed menus, oldest first, so that a handle is reused as late as possible and a
// program that keeps making pop-up menus does not grow the table.
std::deque<std::size_t>& free_slots() {
    static std::deque<std::size_t> slots;
    return slots;
}

MenuItem* find_in(HMENU menu, UINT id, HMENU* owner, int depth) {
    Menu* m = menu_of(menu);
    if (!m || depth > MaxDepth) return nullptr;
    for (MenuItem& item : m->items) {
        if (!(item.flags & MF_POPUP) && item.id == id) {
            if (owner) *owner = menu;
            return &item;
        }
        if (item.flags & MF_POPUP)
            if (MenuItem* found = find_in(item.popup, id, owner, depth + 1)) return found;
    }
    return nullptr;
}

MenuItem make_item(UINT flags, UINT_PTR id, LPCSTR text) {
    MenuItem item;
    item.flags = flags & ~(MF_BYPOSITION | MF_APPEND | MF_DELETE | MF_CHANGE | MF_REMOVE);
    if (flags & MF_POPUP)
        item.popup = reinterpret_cast<HMENU>(id);
    else
        item.id = static_cast<UINT>(id);
    // Bitmaps and owner-drawn items carry a value in place of text; only strings are copied.
    if (!(flags & (MF_SEPARATOR | MF_BITMAP | MF_OWNERDRAW)) && text) item.text = text;
    return item;
}

// Reads one level of a standard menu template; returns false on malformed data.
bool parse_level(std::span<const std::byte> data, std::size_t& pos, HMENU into, int depth) {
    if (depth > MaxDepth) return false;
    auto word = [&](WORD& out) {
        if (pos + 2 > data.size()) return false;
        out = static_cast<WORD>(std::to_integer<unsigned>(data[pos]) |
                                (std::to_integer<unsigned>(data[pos + 1]) << 8));
        pos += 2;
        return true;
    };
    for (;;) {
        WORD option = 0, id = 0;
        if (!word(option)) return false;
        if (!(option & MF_POPUP) && !word(id)) return false;
        std::u16string text;
        for (WORD c = 0;;) {
            if (!word(c)) return false;
            if (c == 0) break;
            text.push_back(static_cast<char16_t>(c));
        }
        const std::string narrow = utf16_to_cp1252(text);
        UINT flags = option & ~MF_END;
        if (!(option & MF_POPUP) && id == 0 && text.empty()) flags |= MF_SEPARATOR;
        if (option & MF_POPUP) {
            HMENU sub = new_menu(true);
            if (!parse_level(data, pos, sub, depth + 1)) {
                DestroyMenu(sub);
                return false;
            }
            AppendMenuA(into, flags, reinterpret_cast<UINT_PTR>(sub), narrow.c_str());
        } else {
            AppendMenuA(into, flags, id, narrow.c_str());
        }
        if (option & MF_END) return true;
    }
}

} // namespace

Menu* menu_of(HMENU menu) {
    const auto v = reinterpret_cast<std::uintptr_t>(menu);
    if (v == 0 || v > menus().size()) return nullptr;
    Menu& m = menus()[v - 1];
    return m.live ? &m : nullptr;
}

HMENU new_menu(bool popup) {
    std::size_t slot;
    if (!free_slots().empty()) {
        slot = free_slots().front();
        free_slots().pop_front();
        menus()[slot] = {true, popup, {}};
    } else {
        menus().push_back({true, popup, {}});
        slot = menus().size() - 1;
    }
    return reinterpret_cast<HMENU>(static_cast<std::uintptr_t>(slot + 1));
}

MenuItem* find_item(HMENU menu, UINT item, UINT flags, HMENU* owner) {
    Menu* m = menu_of(menu);
    if (!m) return nullptr;
    if (flags & MF_BYPOSITION) {
        if (item >= m->items.size()) return nullptr;
        if (owner) *owner = menu;
        return &m->items[item];
    }
    return find_in(menu, item, owner, 0);
}

} // namespace plat

using namespace plat;

HMENU CreateMenu() {
    return new_menu(false);
}
HMENU CreatePopupMenu() {
    return new_menu(true);
}
BOOL IsMenu(HMENU menu) {
    return menu_of(menu) != nullptr;
}

BOOL DestroyMenu(HMENU menu) {
    Menu* m = menu_of(menu);
    if (!m) return FALSE;
    const std::vector<MenuItem> items = std::move(m->items);
    *m = Menu{};
    free_slots().push_back(reinterpret_cast<std::uintptr_t>(menu) - 1);
    for (const MenuItem& item : items)
        if (item.flags & MF_POPUP) DestroyMenu(item.popup);
    return TRUE;
}

namespace {

// A standard menu template: version 0, the offset of the first item, then the items.
HMENU load_template(std::span<const std::byte> bytes) {
    if (bytes.size() < 4) return nullptr;
    const unsigned version =
        std::to_integer<unsigned>(bytes[0]) | (std::to_integer<unsigned>(bytes[1]) << 8);
    const unsigned offset =
        std::to_integer<unsigned>(bytes[2]) | (std::to_integer<unsigned>(bytes[3]) << 8);
    if (version != 0 || 4 + offset > bytes.size()) return nullptr;
    std::size_t pos = 4 + offset;
    HMENU menu = CreateMenu();
    if (!parse_level(bytes, pos, menu, 0)) {
        DestroyMenu(menu);
        return nullptr;
    }
    return menu;
}

} // namespace

HMENU LoadMenuIndirectA(const void* menuTemplate) {
    // A template in memory carries no size. Reading on until its last item, as the original
    // platform does, could run past a malformed one; so templates are taken only from the
    // program's resources (what LockResource gives), whose end bounds the reading.
    const auto module = module_bytes(default_module());
    const auto* p = static_cast<const std::byte*>(menuTemplate);
    const std::byte* end = module.data() + module.size();
    if (!p || module.empty() || p < module.data() || p >= end) return nullptr;
    return load_template({p, static_cast<std::size_t>(end - p)});
}

HMENU LoadMenuA(HINSTANCE instance, LPCSTR name) {
    const auto bytes = resource_bytes(instance, name, RT_MENU);
    return bytes ? load_template(*bytes) : nullptr;
}

HMENU GetSubMenu(HMENU menu, int position) {
    if (position < 0) return nullptr;
    MenuItem* item = find_item(menu, static_cast<UINT>(position), MF_BYPOSITION);
    return item && (item->flags & MF_POPUP) ? item->popup : nullptr;
}

int GetMenuItemCount(HMENU menu) {
    const Menu* m = menu_of(menu);
    return m ? static_cast<int>(m->items.size()) : -1;
}

UINT GetMenuItemID(HMENU menu, int position) {
    if (position < 0) return 0xFFFFFFFF;
    const MenuItem* item = find_item(menu, static_cast<UINT>(position), MF_BYPOSITION);
    if (!item || (item->flags & MF_POPUP)) return 0xFFFFFFFF;
    return item->id;
}

UINT GetMenuState(HMENU menu, UINT id, UINT flags) {
    const MenuItem* item = find_item(menu, id, flags);
    if (!item) return 0xFFFFFFFF;
    // A separator cannot be greyed, disabled, checked or highlighted: it only separates.
    if (item->flags & MF_SEPARATOR) return MF_SEPARATOR;
    // For a pop-up the high byte holds its number of items.
    if (item->flags & MF_POPUP)
        return (static_cast<UINT>(GetMenuItemCount(item->popup)) << 8) | (item->flags & 0xFF);
    return item->flags & 0xFFFF;
}

int GetMenuStringA(HMENU menu, UINT id, LPSTR buffer, int size, UINT flags) {
    const MenuItem* item = find_item(menu, id, flags);
    if (!item) return 0;
    const int n = static_cast<int>(item->text.size());
    if (!buffer || size <= 0) return n;
    const int copied = std::min(n, size - 1);
    std::memcpy(buffer, item->text.data(), static_cast<std::size_t>(copied));
    buffer[copied] = '\0';
    return copied;
}

DWORD EnableMenuItem(HMENU menu, UINT id, UINT flags) {
    MenuItem* item = find_item(menu, id, flags);
    if (!item) return NotFound;
    const DWORD previous = item->flags & (MF_GRAYED | MF_DISABLED);
    item->flags = (item->flags & ~(MF_GRAYED | MF_DISABLED)) | (flags & (MF_GRAYED | MF_DISABLED));
    return previous;
}

DWORD CheckMenuItem(HMENU menu, UINT id, UINT flags) {
    MenuItem* item = find_item(menu, id, flags);
    if (!item) return NotFound;
    const DWORD previous = item->flags & MF_CHECKED;
    item->flags = (item->flags & ~MF_CHECKED) | (flags & MF_CHECKED);
    return previous;
}

BOOL InsertMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR id, LPCSTR text) {
    Menu* m = menu_of(menu);
    if (!m || ((flags & MF_POPUP) && !menu_of(reinterpret_cast<HMENU>(id)))) return FALSE;
    std::size_t at = m->items.size();
    if (position != 0xFFFFFFFF) {
        if (flags & MF_BYPOSITION)
            at = std::min<std::size_t>(position, m->items.size());
        else {
            HMENU owner = nullptr;
            MenuItem* before = find_item(menu, position, MF_BYCOMMAND, &owner);
            if (!before) return AppendMenuA(menu, flags, id, text);
            Menu* o = menu_of(owner);
            at = static_cast<std::size_t>(before - o->items.data());
            m = o;
        }
    }
    m->items.insert(m->items.begin() + static_cast<std::ptrdiff_t>(at), make_item(flags, id, text));
    return TRUE;
}

BOOL AppendMenuA(HMENU menu, UINT flags, UINT_PTR id, LPCSTR text) {
    return InsertMenuA(menu, 0xFFFFFFFF, flags | MF_BYPOSITION, id, text);
}

BOOL ModifyMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR id, LPCSTR text) {
    MenuItem* item = find_item(menu, position, flags);
    if (!item || ((flags & MF_POPUP) && !menu_of(reinterpret_cast<HMENU>(id)))) return FALSE;
    *item = make_item(flags, id, text);
    return TRUE;
}

static BOOL take_out(HMENU menu, UINT position, UINT flags, bool destroy) {
    HMENU owner = nullptr;
    MenuItem* item = find_item(menu, position, flags, &owner);
    if (!item) return FALSE;
    Menu* m = menu_of(owner);
    const MenuItem removed = *item;
    m->items.erase(m->items.begin() + (item - m->items.data()));
    if (destroy && (removed.flags & MF_POPUP)) DestroyMenu(removed.popup);
    return TRUE;
}

BOOL DeleteMenu(HMENU menu, UINT position, UINT flags) {
    return take_out(menu, position, flags, true);
}
BOOL RemoveMenu(HMENU menu, UINT position, UINT flags) {
    return take_out(menu, position, flags, false);
}
