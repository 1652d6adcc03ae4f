// The window manager's records: registered classes and the table of live windows.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <windows.h>

#include "gdi/damage.h"
#include "gdi/surface.h"
#include "window/handle_table.h"
#include "window/scrollbar_parts.h"

namespace plat {

struct WindowClass {
    ATOM atom = 0;
    std::string name; // as registered; looked up case-insensitively
    WNDCLASSEXA info{};
    std::string menuName;
};

struct Window {
    bool destroying = false;
    bool needSize = true; // WM_SIZE/WM_MOVE not yet sent
    bool captionActive = false;
    ATOM atom = 0;
    WNDPROC proc = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    HWND parent = nullptr;
    HWND owner = nullptr;
    std::vector<HWND> children; // front of the vector is the top of the z-order
    RECT rect{};                // in the parent's client coordinates (screen for top level)
    RECT client{};              // in the same coordinates as rect
    LONG_PTR id = 0;
    LONG_PTR userData = 0;
    HINSTANCE instance = nullptr;
    HMENU menu = nullptr;
    std::string text;
    std::vector<std::byte> extra; // the class's cbWndExtra bytes, zeroed at creation
    bool updatePending = false;   // the window has an update region
    bool erasePending = false;
    // WM_NCPAINT owed, sent when the window is next painted.
    bool framePending = false;
    RECT update{};           // client coordinates
    RECT normalRect{};       // placement to restore to from minimised or maximised
    Surface surface;         // top-level windows only: what the backend shows
    Damage damage;           // top-level windows only: what changed since the backend last looked
    ScrollBarData scroll[2]; // SB_HORZ, SB_VERT
};

// Handles carry a slot index and a generation, so a stale handle never reaches a new window.
Window* lookup(HWND hwnd);
HWND allocate_window();
void release_window(HWND hwnd);
// Every live window, in creation order of their slots.
template <class F> void for_each_window(F&& f);

const WindowClass* find_class(const char* name, HINSTANCE instance);
const WindowClass* class_by_atom(ATOM atom);

using WindowTable = HandleTable<Window>;
WindowTable& window_table();

// Moves, sizes, showing, hiding, restacking, creating and destroying windows each advance the
// geometry serial: window device contexts recompute their view when it moved on.
std::uint64_t geometry_serial();
void geometry_changed();

template <class F> void for_each_window(F&& f) {
    window_table().for_each([&](std::uintptr_t h, Window& w) { f(reinterpret_cast<HWND>(h), w); });
}

} // namespace plat
