// GDI objects behind their handles: pens, brushes, fonts and bitmaps, plus the stock objects.
#pragma once

#include <memory>
#include <variant>

#include <windows.h>

#include "gdi/font_engine.h"
#include "gdi/painter.h"
#include "gdi/surface.h"

namespace plat {

struct PenObject {
    Pen pen;
};
struct BrushObject {
    Brush brush;
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

using GdiObject = std::variant<PenObject, BrushObject, FontObject, BitmapObject, RegionObject>;

HGDIOBJ add_object(GdiObject object, bool stock = false);
GdiObject* find_object(HGDIOBJ handle);
template <class T> T* find(HGDIOBJ handle) {
    GdiObject* o = find_object(handle);
    return o ? std::get_if<T>(o) : nullptr;
}
bool remove_object(HGDIOBJ handle);

} // namespace plat
