// Accelerator tables: loaded from resources, and keys translated into WM_COMMAND.
#include <deque>
#include <vector>

#include <windows.h>

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

int TranslateAcceleratorA(HWND hwnd, HACCEL table, const MSG* msg) {
    const Table* t = table_of(table);
    if (!t || !msg || !IsWindow(hwnd)) return 0;
    for (const ACCEL& a : t->entries) {
        if (!matches(a, *msg)) continue;
        // The high word 1 tells the window the command came from an accelerator.
        SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(a.cmd, 1), 0);
        return 1;
    }
    return 0;
}
