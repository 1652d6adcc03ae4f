// GDI objects behind their handles: pens, brushes, fonts and bitmaps, plus the stock objects.
#pragma once

#include <memory>
#include <optional>
#include <variant>
#include <vector>

#include <windows.h>

#include "gdi/font_engine.h"
#include "gdi/painter.h"
#include "gdi/surface.h"

namespace plat {

// Pens and brushes keep the colour they were made with, so that palette indices resolve
// through the palette of the context they draw in.
struct PenObject {
    Pen pen;
    COLORREF color = 0;
};
struct BrushObject {
    Brush brush;
    std::optional<COLORREF> color;                    // solid brushes
    std::shared_ptr<const Surface> pattern = nullptr; // pattern brushes own their pixels
};
struct FontObject {
    std::shared_ptr<Font> font;
};
struct BitmapObject {
    Surface pixels;
    bool monochrome = false; // pixels are then only black and white
};

struct RegionObject {
    std::vector<RECT> rects; // disjoint, logical coordinates
};

struct PaletteObject {
    std::vector<PALETTEENTRY> entries;
    // The system palette slot of each entry since the last realisation; empty: not realised.
    std::vector<int> mapping;
};

using GdiObject =
    std::variant<PenObject, BrushObject, FontObject, BitmapObject, RegionObject, PaletteObject>;

HGDIOBJ add_object(GdiObject object, bool stock = false);
GdiObject* find_object(HGDIOBJ handle);
template <class T> T* find(HGDIOBJ handle) {
    GdiObject* o = find_object(handle);
    return o ? std::get_if<T>(o) : nullptr;
}
// Refuses stock objects and objects still selected into a device context.
bool remove_object(HGDIOBJ handle);
// Objects alive now, stock ones included; tests watch it for objects left behind.
int live_object_count();
// Selection counts: a context took an object in or let it go.
void object_selected(HGDIOBJ handle);
void object_deselected(HGDIOBJ handle);

} // namespace plat
