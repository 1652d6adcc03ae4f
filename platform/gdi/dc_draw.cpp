// Drawing through a device context: the GDI calls as thin adapters onto the painter.
#include <algorithm>
#include <string_view>

#include "gdi/brushes.h"
#include "gdi/dc.h"
#include "gdi/objects.h"
#include "gdi/rop3.h"

using namespace plat;

namespace {

Pen pen_of(const DeviceContext& dc) {
    if (const PenObject* p = find<PenObject>(dc.pen)) {
        Pen pen = p->pen;
        pen.color = resolve_color(dc, p->color);
        return pen;
    }
    return Pen{PS_SOLID, 1, resolve_color(dc, RGB(0, 0, 0)), {}};
}

Brush brush_from(const DeviceContext& dc, const BrushObject& b) {
    Brush brush = b.brush;
    if (b.color) brush.color = resolve_color(dc, *b.color);
    return brush;
}

Brush brush_in(const DeviceContext& dc) {
    if (const BrushObject* b = find<BrushObject>(dc.brush)) return brush_from(dc, *b);
    return Brush::solid(resolve_color(dc, RGB(255, 255, 255)));
}

Font* font_of(const DeviceContext& dc) {
    if (const FontObject* f = find<FontObject>(dc.font)) return f->font.get();
    static std::shared_ptr<Font> system = stock_font(StockFont::system);
    return system.get();
}

bool is_mono(const DeviceContext& dc) {
    const BitmapObject* b = dc.memory ? find<BitmapObject>(dc.bitmap) : nullptr;
    return b && b->monochrome;
}

std::string_view text_of(LPCSTR text, int length) {
    if (!text || length <= 0) return {};
    return {text, static_cast<std::size_t>(length)};
}

} // namespace

int FillRect(HDC hdc, const RECT* rect, HBRUSH brush) {
    DeviceContext* dc = dc_of(hdc);
    auto b = brush_of(brush);
    if (!dc || !rect || !b) return 0;
    if (const BrushObject* o = find<BrushObject>(brush))
        b = brush_from(*dc, *o);
    else if (b->kind == Brush::Kind::solid)
        b->color = resolve_color(*dc, colorref_from_pixel(b->color));
    if (auto p = painter_for(*dc)) p->fill_rect(*rect, *b);
    return 1;
}

BOOL MoveToEx(HDC hdc, int x, int y, POINT* previous) {
    DeviceContext* dc = dc_of(hdc);
    if (!dc) return FALSE;
    if (previous) *previous = dc->position;
    dc->position = {x, y};
    return TRUE;
}

BOOL GetCurrentPositionEx(HDC hdc, POINT* position) {
    DeviceContext* dc = dc_of(hdc);
    if (!dc || !position) return FALSE;
    *position = dc->position;
    return TRUE;
}

BOOL LineTo(HDC hdc, int x, int y) {
    DeviceContext* dc = dc_of(hdc);
    if (!dc) return FALSE;
    if (auto p = painter_for(*dc)) p->line(dc->position, {x, y}, pen_of(*dc));
    dc->position = {x, y};
    return TRUE;
}

BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom) {
    DeviceContext* dc = dc_of(hdc);
    if (!dc) return FALSE;
    if (auto p = painter_for(*dc))
        p->rectangle({left, top, right, bottom}, pen_of(*dc), brush_in(*dc));
    return TRUE;
}

BOOL Polygon(HDC hdc, const POINT* points, int count) {
    DeviceContext* dc = dc_of(hdc);
    if (!dc || !points || count < 2) return FALSE;
    if (auto p = painter_for(*dc))
        p->polygon({points, static_cast<std::size_t>(count)}, pen_of(*dc), brush_in(*dc),
                   dc->polyFillMode);
    return TRUE;
}

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color) {
    DeviceContext* dc = dc_of(hdc);
    auto p = dc ? painter_for(*dc) : std::nullopt;
    if (!p) return CLR_INVALID;
    Pixel px = resolve_color(*dc, color);
    if (is_mono(*dc)) px = mono_from_color(px, 0xFFFFFF) ? 0xFFFFFF : 0; // only white stays white
    p->set_pixel(x, y, px);
    return p->get_pixel(x, y) ? colorref_from_pixel(px) : CLR_INVALID;
}

COLORREF GetPixel(HDC hdc, int x, int y) {
    DeviceContext* dc = dc_of(hdc);
    auto p = dc ? painter_for(*dc) : std::nullopt;
    if (!p) return CLR_INVALID;
    const auto px = p->get_pixel(x, y);
    return px ? colorref_from_pixel(*px) : CLR_INVALID;
}

BOOL PatBlt(HDC hdc, int x, int y, int width, int height, DWORD rop) {
    DeviceContext* dc = dc_of(hdc);
    auto p = dc ? painter_for(*dc) : std::nullopt;
    if (!p) return FALSE;
    BlitFormat format;
    format.dst_mono = is_mono(*dc);
    pat_blt(*p, {x, y, x + width, y + height}, brush_in(*dc), rop, format);
    return TRUE;
}

BOOL BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY, DWORD rop) {
    DeviceContext* d = dc_of(dst);
    auto p = d ? painter_for(*d) : std::nullopt;
    if (!p) return FALSE;
    DeviceContext* s = dc_of(src);
    BlitFormat format;
    format.dst_mono = is_mono(*d);
    format.dst_text = resolve_color(*d, d->textColor);
    format.dst_background = resolve_color(*d, d->bkColor);
    const Surface* source = nullptr;
    POINT from{srcX, srcY};
    if (s && s->surface) {
        source = s->surface;
        format.src_mono = is_mono(*s);
        format.src_background = resolve_color(*s, s->bkColor);
        from.x += s->origin.x;
        from.y += s->origin.y;
    } else if (src) {
        return FALSE; // a source was named but is not a context
    }
    const RECT area{x, y, x + width, y + height};
    blit(*p, area, source, from, brush_in(*d), rop, format);
    limit_to_screen_colors(*d, *p, area);
    return TRUE;
}

BOOL GetTextExtentPoint32A(HDC hdc, LPCSTR text, int length, SIZE* size) {
    DeviceContext* dc = dc_of(hdc);
    if (!dc || !size || (length > 0 && !text) || length < 0) return FALSE;
    *size = font_of(*dc)->extent(text_of(text, length));
    return TRUE;
}

BOOL GetTextMetricsA(HDC hdc, TEXTMETRICA* metrics) {
    DeviceContext* dc = dc_of(hdc);
    if (!dc || !metrics) return FALSE;
    *metrics = font_of(*dc)->metrics();
    return TRUE;
}

BOOL TextOutA(HDC hdc, int x, int y, LPCSTR text, int length) {
    DeviceContext* dc = dc_of(hdc);
    if (!dc || length < 0 || (length > 0 && !text)) return FALSE;
    Font* font = font_of(*dc);
    const std::string_view s = text_of(text, length);
    const TEXTMETRICA& tm = font->metrics();
    const bool updateCp = dc->textAlign & TA_UPDATECP;
    // The extent is needed only to align, to paint the cells or to move the current position.
    const bool lined = tm.tmUnderlined || tm.tmStruckOut;
    const bool needExtent = updateCp || lined || dc->bkMode == OPAQUE || (dc->textAlign & TA_RIGHT);
    const SIZE extent = needExtent ? font->extent(s) : SIZE{};
    if (updateCp) x = dc->position.x, y = dc->position.y;
    int left = x;
    if ((dc->textAlign & TA_CENTER) == TA_CENTER)
        left = x - extent.cx / 2;
    else if (dc->textAlign & TA_RIGHT)
        left = x - extent.cx;
    int top = y;
    if ((dc->textAlign & TA_BASELINE) == TA_BASELINE)
        top = y - tm.tmAscent;
    else if (dc->textAlign & TA_BOTTOM)
        top = y - tm.tmHeight;
    if (auto p = painter_for(*dc)) {
        // The opaque mode paints the character cells, trailing blanks included.
        if (dc->bkMode == OPAQUE && extent.cx > 0)
            p->fill_rect({left, top, left + extent.cx, top + tm.tmHeight},
                         resolve_color(*dc, dc->bkColor));
        const Pixel colour = resolve_color(*dc, dc->textColor);
        font->draw(*p, left, top + tm.tmAscent, s, colour);
        // Underline just below the baseline, strike-out through the middle of the small letters;
        // both as thick as the font's strokes and as long as the text.
        const int thickness = std::max(1, static_cast<int>(tm.tmHeight) / 16);
        const int baseline = top + tm.tmAscent;
        if (tm.tmUnderlined)
            p->fill_rect({left, baseline + 1, left + extent.cx, baseline + 1 + thickness}, colour);
        if (tm.tmStruckOut) {
            const int y = baseline - tm.tmAscent / 3;
            p->fill_rect({left, y, left + extent.cx, y + thickness}, colour);
        }
    }
    if (updateCp) {
        if (dc->textAlign & TA_RIGHT)
            dc->position.x -= extent.cx;
        else if ((dc->textAlign & TA_CENTER) != TA_CENTER)
            dc->position.x += extent.cx;
    }
    return TRUE;
}
