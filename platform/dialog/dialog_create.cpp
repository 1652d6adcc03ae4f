// Dialog windows from templates: the template is read whole first, then the dialog window, its
// font and its controls are made, and WM_INITDIALOG decides the focus.
#include <cstdio>
#include <string>

#include "backend/backend.h"
#include "dialog/dialog_create.h"
#include "dialog/dialog_state.h"
#include "resource/dialog_template.h"
#include "resource/res_reader.h"
#include "window/window_table.h"

namespace plat {
namespace {

// Templates handed over in memory carry no size; one outside every resource is trusted to be
// no longer than this.
constexpr std::size_t maxLooseTemplate = 0x10000;

std::span<const std::byte> bytes_from(HINSTANCE instance, const void* start) {
    const auto* at = static_cast<const std::byte*>(start);
    std::span<const std::byte> found;
    for (HINSTANCE module : {instance, default_module()}) {
        for_each_res_entry(module_bytes(module), [&](const ResEntry& e) {
            const std::byte* begin = e.data.data();
            if (at >= begin && at < begin + e.data.size()) {
                found = std::span(at, static_cast<std::size_t>(begin + e.data.size() - at));
                return false;
            }
            return true;
        });
        if (!found.empty()) return found;
    }
    return {at, maxLooseTemplate};
}

HFONT make_font(const DialogFont& f) {
    // Points at the 96 dots per inch the screen reports, as a character height (negative).
    const int height = -static_cast<int>((f.pointSize * 96 + 36) / 72);
    return CreateFontA(height, 0, 0, 0, f.weight ? f.weight : FW_NORMAL, f.italic, FALSE, FALSE,
                       f.charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, f.face.c_str());
}

std::string title_of(const TemplateName& title) {
    // An ordinal title names a resource (an icon or bitmap of a static control) as "#n" does.
    if (!title.ordinal) return title.text;
    char text[8];
    std::snprintf(text, sizeof text, "#%u", static_cast<unsigned>(*title.ordinal));
    return text;
}

RECT dialog_units_to_pixels(SIZE base, short x, short y, short cx, short cy) {
    return map_dialog_units(base, {x, y, x + cx, y + cy});
}

// Where the dialog window goes: template coordinates are the owner's client coordinates (the
// parent's for a child dialog), screen coordinates with DS_ABSALIGN; DS_CENTER centres it.
POINT dialog_origin(const DialogTemplate& t, HWND owner, POINT pixels, SIZE windowSize) {
    if (t.style & DS_CENTER) {
        if (t.style & WS_CHILD) {
            RECT r{};
            GetClientRect(owner, &r);
            return {(r.right - windowSize.cx) / 2, (r.bottom - windowSize.cy) / 2};
        }
        const SIZE screen = backend().screen_size();
        return {(screen.cx - windowSize.cx) / 2, (screen.cy - windowSize.cy) / 2};
    }
    if (!(t.style & WS_CHILD) && !(t.style & DS_ABSALIGN) && owner) ClientToScreen(owner, &pixels);
    return pixels;
}

// Controls stand in the template's order: each new one goes below those made before it, so that
// the first control is the top of the z-order and the tab order follows the template.
void below_siblings(HWND dialog, HWND control) {
    Window* d = lookup(dialog);
    if (!d || !lookup(control)) return;
    std::erase(d->children, control);
    d->children.push_back(control);
}

bool create_controls(HWND dialog, const DialogTemplate& t, HINSTANCE instance, DialogState& state) {
    for (const DialogItemTemplate& item : t.items) {
        const RECT r = dialog_units_to_pixels(state.baseUnits, item.x, item.y, item.cx, item.cy);
        const std::string className = control_class_name(item.windowClass);
        const std::string title = title_of(item.title);
        // The creation data reaches WM_CREATE as the platform passes it: from its size word.
        std::vector<std::byte> data;
        if (!item.creationData.empty()) {
            const WORD size = static_cast<WORD>(item.creationData.size() + 2);
            data.push_back(static_cast<std::byte>(size & 0xFF));
            data.push_back(static_cast<std::byte>(size >> 8));
            data.insert(data.end(), item.creationData.begin(), item.creationData.end());
        }
        const HWND control = CreateWindowExA(
            item.exStyle | WS_EX_NOPARENTNOTIFY, className.c_str(), title.c_str(),
            item.style | WS_CHILD, r.left, r.top, r.right - r.left, r.bottom - r.top, dialog,
            reinterpret_cast<HMENU>(static_cast<UINT_PTR>(item.id)), instance,
            data.empty() ? nullptr : data.data());
        if (!IsWindow(dialog)) return false;
        if (!control) {
            if (t.style & DS_NOFAILCREATE) continue;
            return false;
        }
        below_siblings(dialog, control);
        if (state.font) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(state.font), 0);
        if (!IsWindow(dialog)) return false;
        if (!state.defId && (SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON)) {
            state.defId = static_cast<WORD>(item.id);
            state.defaultLook = control;
        }
    }
    return true;
}

} // namespace

HWND create_dialog(HINSTANCE instance, std::span<const std::byte> bytes, HWND owner, DLGPROC proc,
                   LPARAM param, bool modal) {
    const auto parsed = parse_dialog_template(bytes);
    if (!parsed) return nullptr;
    const DialogTemplate& t = *parsed;

    HFONT font = t.font ? make_font(*t.font) : nullptr;
    const SIZE base = font_base_units(font);

    HMENU menu = nullptr;
    if (t.menu.ordinal)
        menu = LoadMenuA(instance, MAKEINTRESOURCEA(*t.menu.ordinal));
    else if (!t.menu.text.empty())
        menu = LoadMenuA(instance, t.menu.text.c_str());

    const RECT client = dialog_units_to_pixels(base, 0, 0, t.cx, t.cy);
    RECT frame = client;
    const DWORD style = t.style & ~WS_VISIBLE;
    AdjustWindowRectEx(&frame, style, menu != nullptr, t.exStyle);
    const SIZE size{frame.right - frame.left, frame.bottom - frame.top};
    const RECT at = dialog_units_to_pixels(base, t.x, t.y, 0, 0);
    const POINT origin = dialog_origin(t, owner, {at.left, at.top}, size);

    // A class given by ordinal names none that this system registers: the dialog class serves.
    const std::string className = t.windowClass.text.empty() ? "#32770" : t.windowClass.text;
    const HWND dialog =
        CreateWindowExA(t.exStyle, className.c_str(), t.title.c_str(), style, origin.x, origin.y,
                        size.cx, size.cy, owner, menu, instance, nullptr);
    if (!dialog) {
        if (font) DeleteObject(font);
        if (menu) DestroyMenu(menu);
        return nullptr;
    }
    SetWindowLongPtrA(dialog, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(proc));
    DialogState* state = dialog_state(dialog);
    state->baseUnits = base;
    state->modal = modal;
    if (font) {
        state->ownsFont = true;
        SendMessageA(dialog, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
        if (!(state = dialog_state(dialog))) return nullptr;
        state->font = font; // whatever the dialog procedure did with it, the controls get it
    }
    if (!create_controls(dialog, t, instance, *state)) {
        if (IsWindow(dialog)) DestroyWindow(dialog);
        return nullptr;
    }

    // The first visible, enabled tab stop is offered as the focus.
    const HWND first = GetNextDlgTabItem(dialog, nullptr, FALSE);
    const LRESULT takeDefault =
        SendMessageA(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), param);
    if (!(state = dialog_state(dialog))) return nullptr;
    if (takeDefault && first && IsChild(dialog, first))
        state->savedFocus = first;
    else if (!takeDefault && IsChild(dialog, GetFocus()))
        state->savedFocus = GetFocus(); // the procedure's own choice
    // A modal dialog is shown by its loop once the owner is disabled.
    if ((t.style & WS_VISIBLE) && !state->ended && !modal) {
        ShowWindow(dialog, SW_SHOWNORMAL);
        if (!(state = dialog_state(dialog))) return nullptr;
        // A child dialog is never activated, so it takes its focus here.
        if (takeDefault && state->savedFocus && GetFocus() != state->savedFocus &&
            (GetActiveWindow() == dialog || (style & WS_CHILD)))
            dialog_set_focus(dialog, state->savedFocus);
    }
    return IsWindow(dialog) ? dialog : nullptr;
}

std::span<const std::byte> loose_template(HINSTANCE instance, const void* start) {
    return bytes_from(instance, start);
}

} // namespace plat

using namespace plat;

HWND CreateDialogIndirectParamA(HINSTANCE instance, LPCDLGTEMPLATEA dialogTemplate, HWND parent,
                                DLGPROC proc, LPARAM param) {
    if (!dialogTemplate) return nullptr;
    return create_dialog(instance, loose_template(instance, dialogTemplate), parent, proc, param,
                         false);
}

HWND CreateDialogParamA(HINSTANCE instance, LPCSTR templateName, HWND parent, DLGPROC proc,
                        LPARAM param) {
    const auto bytes = resource_bytes(instance, templateName, RT_DIALOG);
    if (!bytes) return nullptr;
    return create_dialog(instance, *bytes, parent, proc, param, false);
}
