// What the backends are told about a top-level surface: its kind from the class's registration
// row, or from the style for the program's own classes.
#include "backend/backend.h"
#include "window/window_internal.h"
#include "window/window_table.h"

namespace plat {
namespace {

SurfaceKind kind_of(const Window& w) {
    const WindowClass* cls = class_by_atom(w.atom);
    const SurfaceKind registered = surface_kind_of_class(cls ? cls->name.c_str() : nullptr);
    if (registered != SurfaceKind::Frame && registered != SurfaceKind::Child) return registered;
    // A pop-up without a caption has no frame of the window manager's: it is shown bare, as a
    // drop-down is.
    if ((w.style & WS_POPUP) && (w.style & WS_CAPTION) != WS_CAPTION)
        return SurfaceKind::DropDownList;
    return w.owner ? SurfaceKind::Dialog : SurfaceKind::Frame;
}

} // namespace

SurfaceDescription surface_description(HWND hwnd) {
    SurfaceDescription d;
    const Window* w = lookup(hwnd);
    if (!w) return d;
    d.kind = kind_of(*w);
    d.owner = w->owner;
    d.title = w->text;
    const bool framed = d.kind == SurfaceKind::Frame || d.kind == SurfaceKind::Dialog;
    d.fixedSize = framed && !(w->style & WS_THICKFRAME);
    // Menus take the pointer while open, so a press outside every window of ours closes them. A
    // bare pop-up of the program's own classes does not.
    const WindowClass* cls = class_by_atom(w->atom);
    const SurfaceKind registered = surface_kind_of_class(cls ? cls->name.c_str() : nullptr);
    d.grabsPointer =
        registered == SurfaceKind::PopupMenu || registered == SurfaceKind::DropDownList;
    return d;
}

void describe_surface(HWND hwnd) {
    const Window* w = lookup(hwnd);
    if (w && !(w->style & WS_CHILD)) backend().surface_described(hwnd, surface_description(hwnd));
}

} // namespace plat
