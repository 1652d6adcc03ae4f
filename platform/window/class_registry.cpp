// Window classes: registration, lookup by name or atom, and class longs.
#include <strings.h>

#include <memory>

#include "controls/system_classes.h"
#include "window/window_table.h"

namespace plat {
namespace {

// Atoms of registered classes start where the system's own integer atoms end.
constexpr ATOM FirstAtom = 0xC000;

std::vector<std::unique_ptr<WindowClass>>& classes() {
    static std::vector<std::unique_ptr<WindowClass>> list;
    return list;
}

bool same_name(const WindowClass& c, const char* name) {
    if (IS_INTRESOURCE(name)) return c.atom == static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(name));
    return ::strcasecmp(c.name.c_str(), name) == 0;
}

} // namespace

const WindowClass* find_class(const char* name, HINSTANCE) {
    if (!name) return nullptr;
    // The system's own classes (controls) exist before the program registers anything.
    static bool systemClassesRegistered = false;
    if (!systemClassesRegistered) {
        systemClassesRegistered = true;
        register_system_classes();
    }
    for (const auto& c : classes())
        if (same_name(*c, name)) return c.get();
    return nullptr;
}

const WindowClass* class_by_atom(ATOM atom) {
    for (const auto& c : classes())
        if (c->atom == atom) return c.get();
    return nullptr;
}

} // namespace plat

using namespace plat;

ATOM RegisterClassExA(const WNDCLASSEXA* wc) {
    if (!wc || wc->cbSize != sizeof(WNDCLASSEXA) || !wc->lpszClassName || !wc->lpfnWndProc ||
        IS_INTRESOURCE(wc->lpszClassName) || wc->lpszClassName[0] == '\0')
        return 0;
    if (find_class(wc->lpszClassName, wc->hInstance)) return 0;
    auto& list = classes();
    ATOM atom = FirstAtom;
    for (const auto& c : list)
        atom = std::max<ATOM>(atom, static_cast<ATOM>(c->atom + 1));
    auto c = std::make_unique<WindowClass>();
    c->atom = atom;
    c->name = wc->lpszClassName;
    c->info = *wc;
    if (wc->lpszMenuName && !IS_INTRESOURCE(wc->lpszMenuName)) c->menuName = wc->lpszMenuName;
    c->info.lpszClassName = c->name.c_str();
    c->info.lpszMenuName =
        IS_INTRESOURCE(wc->lpszMenuName) ? wc->lpszMenuName : c->menuName.c_str();
    list.push_back(std::move(c));
    return atom;
}

BOOL UnregisterClassA(LPCSTR className, HINSTANCE) {
    auto& list = classes();
    for (auto it = list.begin(); it != list.end(); ++it) {
        if (!same_name(**it, className ? className : "")) continue;
        bool inUse = false;
        for_each_window([&](HWND, const Window& w) { inUse |= w.atom == (*it)->atom; });
        if (inUse) return FALSE;
        list.erase(it);
        return TRUE;
    }
    return FALSE;
}

BOOL GetClassInfoExA(HINSTANCE instance, LPCSTR className, WNDCLASSEXA* wc) {
    const WindowClass* c = find_class(className, instance);
    if (!c || !wc) return FALSE;
    *wc = c->info;
    return TRUE;
}

ULONG_PTR GetClassLongPtrA(HWND hwnd, int index) {
    const Window* w = lookup(hwnd);
    const WindowClass* c = w ? class_by_atom(w->atom) : nullptr;
    if (!c) return 0;
    switch (index) {
    case GCW_ATOM:
        return c->atom;
    case GCLP_HBRBACKGROUND:
        return reinterpret_cast<ULONG_PTR>(c->info.hbrBackground);
    case GCLP_HCURSOR:
        return reinterpret_cast<ULONG_PTR>(c->info.hCursor);
    case GCLP_HICON:
        return reinterpret_cast<ULONG_PTR>(c->info.hIcon);
    case GCLP_WNDPROC:
        return reinterpret_cast<ULONG_PTR>(c->info.lpfnWndProc);
    case GCL_STYLE:
        return c->info.style;
    case GCL_CBWNDEXTRA:
        return static_cast<ULONG_PTR>(c->info.cbWndExtra);
    case GCL_CBCLSEXTRA:
        return static_cast<ULONG_PTR>(c->info.cbClsExtra);
    default:
        return 0;
    }
}

int GetClassNameA(HWND hwnd, LPSTR buffer, int size) {
    const Window* w = lookup(hwnd);
    const WindowClass* c = w ? class_by_atom(w->atom) : nullptr;
    if (!c || !buffer || size <= 0) return 0;
    const int n = std::min<int>(static_cast<int>(c->name.size()), size - 1);
    c->name.copy(buffer, static_cast<std::size_t>(n));
    buffer[n] = '\0';
    return n;
}
