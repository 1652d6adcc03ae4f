// Accelerator tables: loaded from resources, and keys translated into WM_COMMAND.
#include <algorithm>
#include <deque>
#include <vector>

#include <windows.h>

#include "menu/menu_table.h"

namespace {

struct Table {
    bool live = false;
    std::vector<ACCEL> entries;
};

std::deque<Table>& tables() {
    static std::deque<Table> list;
    return list;
}

Table* table_of(HACCEL h) {
    const auto v = reinterpret_cast<std::uintptr_t>(h);
    if (v == 0 || v > tables().size()) return nullptr;
    Table& t = tables()[v - 1];
    return t.live ? &t : nullptr;
}

HACCEL store(std::vector<ACCEL> entries) {
    auto& list = tables();
    list.push_back({true, std::move(entries)});
    return reinterpret_cast<HACCEL>(static_cast<std::uintptr_t>(list.size()));
}

bool down(int vk) {
    return (GetKeyState(vk) & 0x8000) != 0;
}

// A virtual-key accelerator needs exactly its modifiers held.
bool modifiers_match(BYTE flags) {
    return down(VK_SHIFT) == ((flags & FSHIFT) != 0) &&
           down(VK_CONTROL) == ((flags & FCONTROL) != 0) && down(VK_MENU) == ((flags & FALT) != 0);
}

bool matches(const ACCEL& a, const MSG& msg) {
    if (a.fVirt & FVIRTKEY) {
        if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
        return a.key == msg.wParam && modifiers_match(a.fVirt);
    }
    // Character accelerators match the typed character; Alt comes as WM_SYSCHAR.
    if (msg.message != WM_CHAR && msg.message != WM_SYSCHAR) return false;
    return a.key == msg.wParam && ((msg.message == WM_SYSCHAR) == ((a.fVirt & FALT) != 0));
}

// The pop-up of `menu` that holds `popup`, directly or deeper, and its position there.
bool position_of(HMENU menu, HMENU popup, UINT* position) {
    const plat::Menu* m = plat::menu_of(menu);
    if (!m) return false;
    for (std::size_t i = 0; i < m->items.size(); ++i) {
        const plat::MenuItem& item = m->items[i];
        if (!(item.flags & MF_POPUP)) continue;
        UINT inner = 0;
        if (item.popup == popup || position_of(item.popup, popup, &inner)) {
            *position = static_cast<UINT>(i);
            return true;
        }
    }
    return false;
}

// As a click would, the menu is initialised before the command is looked at: the bar, then the
// pop-up of the bar that holds the command. Returns whether the command may be sent.
bool prepare_menu_command(HWND hwnd, UINT command) {
    const HMENU bar = GetMenu(hwnd);
    if (!bar || IsIconic(hwnd)) return true;
    HMENU holder = nullptr;
    const plat::MenuItem* item = plat::find_item(bar, command, MF_BYCOMMAND, &holder);
    if (!item) return true;
    SendMessageA(hwnd, WM_INITMENU, reinterpret_cast<WPARAM>(bar), 0);
    UINT position = 0;
    if (holder != bar && position_of(bar, holder, &position)) {
        const plat::Menu* m = plat::menu_of(bar);
        const HMENU popup = m ? m->items[position].popup : nullptr;
        SendMessageA(hwnd, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup),
                     MAKELPARAM(static_cast<WORD>(position), FALSE));
    }
    // The handlers may have changed the item's state; look again.
    item = IsMenu(bar) ? plat::find_item(bar, command, MF_BYCOMMAND) : nullptr;
    return !item || !(item->flags & (MF_GRAYED | MF_DISABLED));
}

} // namespace

HACCEL LoadAcceleratorsA(HINSTANCE instance, LPCSTR name) {
    const auto bytes = plat::resource_bytes(instance, name, RT_ACCELERATOR);
    if (!bytes) return nullptr;
    auto entries = plat::decode_accelerators(*bytes);
    return entries ? store(std::move(*entries)) : nullptr;
}

HACCEL CreateAcceleratorTableA(const ACCEL* entries, int count) {
    if (!entries || count <= 0) return nullptr;
    return store(std::vector<ACCEL>(entries, entries + count));
}

BOOL DestroyAcceleratorTable(HACCEL table) {
    Table* t = table_of(table);
    if (!t) return FALSE;
    t->live = false;
    t->entries.clear();
    return TRUE;
}

int CopyAcceleratorTableA(HACCEL table, ACCEL* entries, int count) {
    const Table* t = table_of(table);
    if (!t) return 0;
    const int size = static_cast<int>(t->entries.size());
    if (!entries) return size;
    const int copied = std::clamp(count, 0, size);
    std::copy_n(t->entries.begin(), copied, entries);
    return copied;
}

int TranslateAcceleratorA(HWND hwnd, HACCEL table, const MSG* msg) {
    const Table* t = table_of(table);
    if (!t || !msg || !IsWindow(hwnd)) return 0;
    for (const ACCEL& a : t->entries) {
        if (!matches(a, *msg)) continue;
        // A greyed or disabled command is swallowed without reaching the window.
        if (!prepare_menu_command(hwnd, a.cmd) || !IsWindow(hwnd)) return 1;
        // The high word 1 tells the window the command came from an accelerator.
        SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(a.cmd, 1), 0);
        return 1;
    }
    return 0;
}
