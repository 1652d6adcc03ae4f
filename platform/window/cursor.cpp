// Pointer shapes: the standard ones by identifier, and the one currently shown.
#include <array>

#include <windows.h>

#include "backend/backend.h"

namespace {

// The standard shapes are handles whose value is their identifier.
constexpr std::array<ULONG_PTR, 12> standardShapes = {32512, 32513, 32514, 32515, 32516, 32642,
                                                      32643, 32644, 32645, 32646, 32648, 32650};
HCURSOR current = nullptr;

} // namespace

HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR name) {
    const auto id = reinterpret_cast<ULONG_PTR>(name);
    if (IS_INTRESOURCE(name))
        for (ULONG_PTR s : standardShapes)
            if (s == id) return reinterpret_cast<HCURSOR>(id);
    // Otherwise a cursor resource of the program's own.
    return static_cast<HCURSOR>(LoadImageA(instance, name, IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE));
}

HCURSOR SetCursor(HCURSOR cursor) {
    const HCURSOR previous = current;
    current = cursor;
    plat::backend().cursor_changed(cursor);
    return previous;
}

HCURSOR GetCursor() {
    return current;
}
