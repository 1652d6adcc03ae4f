// The remaining device-context calls: pattern brushes, stretching, frames and edges, object
// queries, saved states.
#include <algorithm>
#include <cstring>

#include "gdi/brushes.h"
#include "gdi/dc.h"
#include "gdi/objects.h"
#include "gdi/rop3.h"

using namespace plat;

HBRUSH CreatePatternBrush(HBITMAP bitmap) {
    const BitmapObject* b = find<BitmapObject>(bitmap);
    if (!b) return nullptr;
    // The brush keeps its own copy, so the bitmap may be deleted afterwards.
    auto pattern = std::make_shared<const Surface>(b->pixels);
    const Brush brush = Brush::tiled(*pattern);
    return static_cast<HBRUSH>(add_object(BrushObject{brush, std::nullopt, std::move(pattern)}));
}

BOOL StretchBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY,
                int srcWidth, int srcHeight, DWORD rop) {
    DeviceContext* d = dc_of(dst);
    DeviceContext* s = dc_of(src);
    auto p = d ? painter_for(*d) : std::nullopt;
    if (!p || !s || !s->surface) return FALSE;
    BlitFormat format;
    format.dst_text = resolve_color(*d, d->textColor);
    format.dst_background = resolve_color(*d, d->bkColor);
    format.src_background = resolve_color(*s, s->bkColor);
    const RECT from{srcX + s->origin.x, srcY + s->origin.y, srcX + s->origin.x + srcWidth,
                    srcY + s->origin.y + srcHeight};
    const auto brush =
        find<BrushObject>(d->brush) ? find<BrushObject>(d->brush)->brush : Brush::solid(0xFFFFFF);
    const RECT area{x, y, x + width, y + height};
    stretch_blit(*p, area, s->surface, from, brush, rop, format);
    limit_to_screen_colors(*d, *p, area);
    return TRUE;
}

int FrameRect(HDC hdc, const RECT* rect, HBRUSH brush) {
    DeviceContext* dc = dc_of(hdc);
    const auto b = brush_of(brush);
    if (!dc || !rect || !b) return 0;
    if (auto p = painter_for(*dc)) p->frame_rect(*rect, *b);
    return 1;
}

BOOL DrawFocusRect(HDC hdc, const RECT* rect) {
    DeviceContext* dc = dc_of(hdc);
    auto p = dc ? painter_for(*dc) : std::nullopt;
    if (!p || !rect) return FALSE;
    // A dotted frame drawn with XOR, so that drawing it twice removes it.
    p->set_rop2(R2_XORPEN);
    const Pen dotted{PS_DOT, 1, 0xFFFFFF, {}};
    const RECT& r = *rect;
    p->line({r.left, r.top}, {r.right - 1, r.top}, dotted);
    p->line({r.right - 1, r.top}, {r.right - 1, r.bottom - 1}, dotted);
    p->line({r.right - 1, r.bottom - 1}, {r.left, r.bottom - 1}, dotted);
    p->line({r.left, r.bottom - 1}, {r.left, r.top}, dotted);
    return TRUE;
}

BOOL DrawEdge(HDC hdc, RECT* rect, UINT edge, UINT flags) {
    DeviceContext* dc = dc_of(hdc);
    auto p = dc ? painter_for(*dc) : std::nullopt;
    if (!p || !rect) return FALSE;
    auto colour = [](int index) { return pixel_from_colorref(GetSysColor(index)); };
    // Outer then inner line, each with its top-left and bottom-right colours: a raised edge is
    // lit from the top left, a sunken one has its shadow outside and its darkest line inside.
    const struct {
        UINT raised, sunken;
        int raisedTopLeft, raisedBottomRight, sunkenTopLeft, sunkenBottomRight;
    } rings[] = {{BDR_RAISEDOUTER, BDR_SUNKENOUTER, COLOR_3DLIGHT, COLOR_3DDKSHADOW,
                  COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT},
                 {BDR_RAISEDINNER, BDR_SUNKENINNER, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW,
                  COLOR_3DDKSHADOW, COLOR_3DLIGHT}};
    RECT r = *rect;
    for (const auto& ring : rings) {
        if (!(edge & (ring.raised | ring.sunken))) continue;
        const bool raised = edge & ring.raised;
        const Pixel topLeft = colour(raised ? ring.raisedTopLeft : ring.sunkenTopLeft);
        const Pixel bottomRight = colour(raised ? ring.raisedBottomRight : ring.sunkenBottomRight);
        if (flags & BF_TOP) p->fill_rect({r.left, r.top, r.right, r.top + 1}, topLeft);
        if (flags & BF_LEFT) p->fill_rect({r.left, r.top, r.left + 1, r.bottom}, topLeft);
        if (flags & BF_BOTTOM) p->fill_rect({r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
        if (flags & BF_RIGHT) p->fill_rect({r.right - 1, r.top, r.right, r.bottom}, bottomRight);
        if (flags & BF_LEFT) ++r.left;
        if (flags & BF_TOP) ++r.top;
        if (flags & BF_RIGHT) --r.right;
        if (flags & BF_BOTTOM) --r.bottom;
    }
    return TRUE;
}

int GetObjectA(HGDIOBJ object, int size, LPVOID buffer) {
    if (const BitmapObject* b = find<BitmapObject>(object)) {
        BITMAP info{};
        info.bmWidth = b->pixels.width;
        info.bmHeight = b->pixels.height;
        info.bmPlanes = 1;
        info.bmBitsPixel = b->monochrome ? 1 : 32;
        info.bmWidthBytes = b->monochrome ? ((info.bmWidth + 15) / 16) * 2 : info.bmWidth * 4;
        if (!buffer) return sizeof info;
        if (size < static_cast<int>(sizeof info)) return 0;
        std::memcpy(buffer, &info, sizeof info);
        return sizeof info;
    }
    if (const PenObject* p = find<PenObject>(object)) {
        const LOGPEN info{static_cast<UINT>(p->pen.style), POINT{p->pen.width, 0}, p->color};
        if (!buffer) return sizeof info;
        if (size < static_cast<int>(sizeof info)) return 0;
        std::memcpy(buffer, &info, sizeof info);
        return sizeof info;
    }
    return 0;
}

int SaveDC(HDC hdc) {
    DeviceContext* dc = dc_of(hdc);
    if (!dc) return 0;
    DeviceContext copy = *dc;
    copy.saved.clear();
    dc->saved.push_back(std::move(copy));
    return static_cast<int>(dc->saved.size());
}

BOOL RestoreDC(HDC hdc, int saved) {
    DeviceContext* dc = dc_of(hdc);
    if (!dc) return FALSE;
    const int depth = static_cast<int>(dc->saved.size());
    // A negative number counts back from the latest save.
    const int level = saved < 0 ? depth + saved + 1 : saved;
    if (level < 1 || level > depth) return FALSE;
    std::vector<DeviceContext> stack = std::move(dc->saved);
    DeviceContext state = std::move(stack[static_cast<std::size_t>(level - 1)]);
    stack.resize(static_cast<std::size_t>(level - 1));
    // The restored selections take over the selection counts of the current ones.
    for (HGDIOBJ DeviceContext::*field :
         {&DeviceContext::pen, &DeviceContext::brush, &DeviceContext::font, &DeviceContext::palette,
          &DeviceContext::bitmap}) {
        const HGDIOBJ restored = state.*field;
        state.*field = dc->*field;
        set_selected(state, field, restored);
    }
    // The bitmap saved with the state may have been deleted since: its pixels are looked up
    // again rather than trusted.
    if (state.memory) {
        auto* b = find<BitmapObject>(state.bitmap);
        state.surface = b ? &b->pixels : nullptr;
    }
    *dc = std::move(state);
    dc->saved = std::move(stack);
    return TRUE;
}

int SetMapMode(HDC hdc, int mode) {
    // Only the text mode is supported: one logical unit is one pixel.
    return dc_of(hdc) && mode == MM_TEXT ? MM_TEXT : 0;
}

BOOL GetTextExtentPointA(HDC hdc, LPCSTR text, int length, SIZE* size) {
    return GetTextExtentPoint32A(hdc, text, length, size);
}

HDC GetDCEx(HWND hwnd, HRGN clip, DWORD flags) {
    HDC hdc = (flags & DCX_WINDOW) ? GetWindowDC(hwnd) : GetDC(hwnd);
    if (hdc && clip) SelectClipRgn(hdc, clip);
    return hdc;
}
