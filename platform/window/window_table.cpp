#include "window/window_table.h"

#include "gdi/dc.h"

namespace plat {

namespace {
std::uint64_t serial = 1;
} // namespace

WindowTable& window_table() {
    // Handle values stay within 32 bits: slot + 1 in the low half, the generation above.
    static WindowTable table(HandleLayout{0, 16, 16});
    return table;
}

std::uint64_t geometry_serial() {
    return serial;
}

void geometry_changed() {
    ++serial;
}

Window* lookup(HWND hwnd) {
    return window_table().find(reinterpret_cast<std::uintptr_t>(hwnd));
}

HWND allocate_window() {
    return reinterpret_cast<HWND>(window_table().add(Window{}));
}

void release_window(HWND hwnd) {
    if (!lookup(hwnd)) return;
    release_window_dcs(hwnd);
    geometry_changed();
    window_table().remove(reinterpret_cast<std::uintptr_t>(hwnd));
}

} // namespace plat
