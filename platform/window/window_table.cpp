#include "window/window_table.h"

namespace plat {

namespace {
constexpr std::uintptr_t SlotBits = 16;
constexpr std::uintptr_t SlotMask = (1u << SlotBits) - 1;
constexpr std::uint32_t MaxSlots = SlotMask; // slot numbers are stored plus one
} // namespace

WindowTable& window_table() {
    static WindowTable table;
    return table;
}

HWND handle_of(std::uint32_t slot) {
    const Window& w = window_table().slots[slot];
    const std::uintptr_t value =
        (static_cast<std::uintptr_t>(w.generation) << SlotBits) | (slot + 1);
    return reinterpret_cast<HWND>(value);
}

std::uint32_t slot_of(HWND hwnd) {
    return static_cast<std::uint32_t>((reinterpret_cast<std::uintptr_t>(hwnd) & SlotMask) - 1);
}

Window* lookup(HWND hwnd) {
    const auto value = reinterpret_cast<std::uintptr_t>(hwnd);
    const std::uintptr_t slot = value & SlotMask;
    if (slot == 0 || (value >> (SlotBits + 16)) != 0) return nullptr;
    WindowTable& t = window_table();
    if (slot > t.slots.size()) return nullptr;
    Window& w = t.slots[slot - 1];
    if (!w.alive || w.generation != ((value >> SlotBits) & 0xFFFF)) return nullptr;
    return &w;
}

HWND allocate_window() {
    WindowTable& t = window_table();
    std::uint32_t slot;
    if (!t.freeSlots.empty()) {
        slot = t.freeSlots.back();
        t.freeSlots.pop_back();
    } else {
        if (t.slots.size() >= MaxSlots) return nullptr;
        slot = static_cast<std::uint32_t>(t.slots.size());
        t.slots.emplace_back();
    }
    Window& w = t.slots[slot];
    const std::uint16_t generation = static_cast<std::uint16_t>(w.generation + 1);
    w = Window{};
    w.generation = generation == 0 ? 1 : generation;
    w.alive = true;
    return handle_of(slot);
}

void release_window(HWND hwnd) {
    Window* w = lookup(hwnd);
    if (!w) return;
    const std::uint16_t generation = w->generation;
    *w = Window{};
    w->generation = generation;
    window_table().freeSlots.push_back(slot_of(hwnd));
}

} // namespace plat
