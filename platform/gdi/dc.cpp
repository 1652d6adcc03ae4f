#include "gdi/dc.h"

#include <algorithm>

#include "gdi/objects.h"
#include "gdi/region.h"
#include "window/handle_table.h"
#include "window/window_internal.h"
#include "window/window_table.h"

namespace plat {
namespace {

HWND top_of(HWND hwnd) {
    while (lookup(hwnd) && (lookup(hwnd)->style & WS_CHILD))
        hwnd = lookup(hwnd)->parent;
    return hwnd;
}

// The part of the window that can be seen: inside every ancestor's client area and, with the
// clipping styles, outside children and the siblings above.
std::vector<RECT> visible_region(HWND hwnd, const RECT& area) {
    const RECT topRect = screen_rect(top_of(hwnd));
    RECT visible = area;
    for (HWND h = hwnd; lookup(h) && (lookup(h)->style & WS_CHILD);) {
        const HWND parent = lookup(h)->parent;
        const RECT pc = screen_client_rect(parent);
        IntersectRect(&visible, &visible, &pc);
        h = parent;
    }
    std::vector<RECT> clip;
    if (!IsRectEmpty(&visible)) clip.push_back(visible);
    // Siblings above that clip, and children when the window clips them.
    for (HWND h = hwnd; lookup(h) && (lookup(h)->style & WS_CHILD); h = lookup(h)->parent) {
        if (!(lookup(h)->style & WS_CLIPSIBLINGS)) continue;
        for (HWND sibling : lookup(lookup(h)->parent)->children) {
            if (sibling == h) break;
            if (IsWindowVisible(sibling)) subtract_rect(clip, screen_rect(sibling));
        }
    }
    if (const Window* w = lookup(hwnd); w && (w->style & WS_CLIPCHILDREN))
        for (HWND child : w->children)
            if (IsWindowVisible(child)) subtract_rect(clip, screen_rect(child));
    for (RECT& r : clip)
        OffsetRect(&r, -topRect.left, -topRect.top);
    return clip;
}

} // namespace

namespace {

HandleTable<DeviceContext>& dcs() {
    static HandleTable<DeviceContext> table(HandleLayout{0x6C000000, 24, 32});
    return table;
}

HDC add_dc(DeviceContext dc) {
    return reinterpret_cast<HDC>(dcs().add(std::move(dc)));
}

// Surface, origin, visible region and clip as the window is now. False when it is gone.
bool refresh_view(DeviceContext& dc) {
    if (!lookup(dc.hwnd)) return false;
    const HWND top = top_of(dc.hwnd);
    Window* t = lookup(top);
    if (!t) return false;
    dc.surface = &t->surface;
    dc.damage = &t->damage;
    const RECT topRect = screen_rect(top);
    RECT area = dc.wholeWindow ? screen_rect(dc.hwnd) : screen_client_rect(dc.hwnd);
    dc.origin = {area.left - topRect.left, area.top - topRect.top};
    if (dc.limit) {
        RECT l = *dc.limit;
        const RECT client = screen_client_rect(dc.hwnd);
        OffsetRect(&l, client.left, client.top);
        IntersectRect(&area, &area, &l);
    }
    dc.visible = visible_region(dc.hwnd, area);
    apply_user_clip(dc);
    dc.geometry = geometry_serial();
    return true;
}

} // namespace

DeviceContext* dc_of(HDC hdc) {
    DeviceContext* dc = dcs().find(reinterpret_cast<std::uintptr_t>(hdc));
    if (!dc || !dc->hwnd || dc->geometry == geometry_serial()) return dc;
    if (refresh_view(*dc)) return dc;
    release_dc(hdc);
    return nullptr;
}

void apply_user_clip(DeviceContext& dc) {
    if (!dc.userClip) {
        dc.clip = dc.visible;
        return;
    }
    // The region is in logical coordinates; the clip is in the surface's.
    std::vector<RECT> rects = *dc.userClip;
    for (RECT& r : rects)
        OffsetRect(&r, dc.origin.x, dc.origin.y);
    if (dc.memory) {
        dc.clip = rects.empty() ? std::vector<RECT>{RECT{}} : rects;
        return;
    }
    dc.clip = region_and(dc.visible, rects);
}

HDC create_window_dc(HWND hwnd, bool wholeWindow, const RECT* limit) {
    if (!lookup(hwnd)) return nullptr;
    DeviceContext dc;
    dc.hwnd = hwnd;
    dc.wholeWindow = wholeWindow;
    if (limit) dc.limit = *limit;
    if (!refresh_view(dc)) return nullptr;
    return add_dc(std::move(dc));
}

HDC create_screen_dc() {
    // The whole screen has no framebuffer of its own here: such a context answers questions
    // about the display (GetDeviceCaps, text metrics) and draws nowhere.
    return add_dc(DeviceContext{});
}

HDC create_memory_dc() {
    DeviceContext dc;
    dc.memory = true;
    // A new memory context holds a one-pixel monochrome bitmap until another is selected.
    dc.ownBitmap = CreateBitmap(1, 1, 1, 1, nullptr);
    set_selected(dc, &DeviceContext::bitmap, dc.ownBitmap);
    if (auto* b = find<BitmapObject>(dc.bitmap)) dc.surface = &b->pixels;
    return add_dc(std::move(dc));
}

void set_selected(DeviceContext& dc, HGDIOBJ DeviceContext::*field, HGDIOBJ object) {
    if (dc.*field == object) return;
    object_selected(object);
    object_deselected(dc.*field);
    dc.*field = object;
}

std::optional<Painter> painter_for(DeviceContext& dc) {
    if (!dc.surface) return std::nullopt;
    Painter p(*dc.surface);
    // A memory context without a clip draws on its whole bitmap.
    if (!dc.memory || !dc.clip.empty())
        p.set_clip(dc.clip.empty() ? std::vector<RECT>{RECT{}} : dc.clip);
    p.set_origin(dc.origin);
    p.set_rop2(dc.rop2);
    if (dc.hwnd) p.set_damage(dc.damage);
    return p;
}

ClipScope::ClipScope(DeviceContext& dc, const RECT& logical) : dc_(dc), saved_(dc.clip) {
    RECT r = logical;
    OffsetRect(&r, dc.origin.x, dc.origin.y);
    if (dc.memory && dc.clip.empty()) {
        dc.clip = {r};
        return;
    }
    std::vector<RECT> narrowed;
    for (const RECT& c : dc.clip) {
        RECT i;
        if (IntersectRect(&i, &c, &r)) narrowed.push_back(i);
    }
    if (narrowed.empty()) narrowed.push_back(RECT{});
    dc.clip = std::move(narrowed);
}

void release_dc(HDC hdc) {
    DeviceContext* dc = dcs().find(reinterpret_cast<std::uintptr_t>(hdc));
    if (!dc) return;
    for (HGDIOBJ DeviceContext::*field :
         {&DeviceContext::pen, &DeviceContext::brush, &DeviceContext::font, &DeviceContext::palette,
          &DeviceContext::bitmap})
        set_selected(*dc, field, nullptr);
    dcs().remove(reinterpret_cast<std::uintptr_t>(hdc));
}

void release_window_dcs(HWND hwnd) {
    std::vector<HDC> gone;
    dcs().for_each([&](std::uintptr_t h, const DeviceContext& dc) {
        if (dc.hwnd == hwnd) gone.push_back(reinterpret_cast<HDC>(h));
    });
    for (HDC h : gone)
        release_dc(h);
}

} // namespace plat
