#include "gdi/dc.h"

#include <algorithm>
#include <memory>

#include "gdi/objects.h"
#include "gdi/region.h"
#include "window/window_internal.h"
#include "window/window_table.h"

namespace plat {
namespace {

std::vector<std::unique_ptr<DeviceContext>>& live_dcs() {
    static std::vector<std::unique_ptr<DeviceContext>> list;
    return list;
}

// The part of the window that can be seen: inside every ancestor's client area and, with the
// clipping styles, outside children and the siblings above.
std::vector<RECT> visible_region(HWND hwnd, const RECT& area) {
    const RECT topRect = screen_rect([&] {
        HWND t = hwnd;
        while (lookup(t) && (lookup(t)->style & WS_CHILD))
            t = lookup(t)->parent;
        return t;
    }());
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

DeviceContext* dc_of(HDC hdc) {
    for (const auto& dc : live_dcs())
        if (reinterpret_cast<HDC>(dc.get()) == hdc) return dc.get();
    return nullptr;
}

HDC create_window_dc(HWND hwnd, bool wholeWindow, const RECT* limit) {
    if (!lookup(hwnd)) return nullptr;
    auto dc = std::make_unique<DeviceContext>();
    dc->hwnd = hwnd;
    dc->surface = &surface_of(hwnd);
    HWND top = hwnd;
    while (lookup(top) && (lookup(top)->style & WS_CHILD))
        top = lookup(top)->parent;
    const RECT topRect = screen_rect(top);
    RECT area = wholeWindow ? screen_rect(hwnd) : screen_client_rect(hwnd);
    dc->origin = {area.left - topRect.left, area.top - topRect.top};
    if (limit) {
        RECT l = *limit;
        const RECT client = screen_client_rect(hwnd);
        OffsetRect(&l, client.left, client.top);
        IntersectRect(&area, &area, &l);
    }
    dc->clip = dc->visible = visible_region(hwnd, area);
    HDC handle = reinterpret_cast<HDC>(dc.get());
    live_dcs().push_back(std::move(dc));
    return handle;
}

HDC create_screen_dc() {
    // The whole screen has no framebuffer of its own here: such a context answers questions
    // about the display (GetDeviceCaps, text metrics) and draws nowhere.
    auto dc = std::make_unique<DeviceContext>();
    HDC handle = reinterpret_cast<HDC>(dc.get());
    live_dcs().push_back(std::move(dc));
    return handle;
}

HDC create_memory_dc() {
    auto dc = std::make_unique<DeviceContext>();
    dc->memory = true;
    // A new memory context holds a one-pixel monochrome bitmap until another is selected.
    dc->bitmap = dc->ownBitmap = CreateBitmap(1, 1, 1, 1, nullptr);
    if (auto* b = find<BitmapObject>(dc->bitmap)) dc->surface = &b->pixels;
    HDC handle = reinterpret_cast<HDC>(dc.get());
    live_dcs().push_back(std::move(dc));
    return handle;
}

std::optional<Painter> painter_for(DeviceContext& dc) {
    if (!dc.surface) return std::nullopt;
    Painter p(*dc.surface);
    // A memory context without a clip draws on its whole bitmap.
    if (!dc.memory || !dc.clip.empty())
        p.set_clip(dc.clip.empty() ? std::vector<RECT>{RECT{}} : dc.clip);
    p.set_origin(dc.origin);
    p.set_rop2(dc.rop2);
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
    std::erase_if(live_dcs(),
                  [hdc](const auto& dc) { return reinterpret_cast<HDC>(dc.get()) == hdc; });
}

} // namespace plat
