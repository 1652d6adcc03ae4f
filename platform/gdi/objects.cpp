// The GDI object table and the calls that create, look up and delete objects.
#include "gdi/objects.h"

#include <array>
#include <cstring>

#include "gdi/brushes.h"
#include "window/handle_table.h"

namespace plat {
namespace {

struct Entry {
    GdiObject object;
    bool stock = false;
    int selections = 0; // device contexts that have it selected
};

HandleTable<Entry>& table() {
    // A tag in bits 24..31 sets GDI handles apart from window handles.
    static HandleTable<Entry> t(HandleLayout{0x6D000000, 24, 32});
    return t;
}

Entry* entry(HGDIOBJ handle) {
    return table().find(reinterpret_cast<std::uintptr_t>(handle));
}

} // namespace

HGDIOBJ add_object(GdiObject object, bool stock) {
    return reinterpret_cast<HGDIOBJ>(table().add(Entry{std::move(object), stock, 0}));
}

int live_object_count() {
    int n = 0;
    table().for_each([&](std::uintptr_t, Entry&) { ++n; });
    return n;
}

GdiObject* find_object(HGDIOBJ handle) {
    Entry* e = entry(handle);
    return e ? &e->object : nullptr;
}

bool remove_object(HGDIOBJ handle) {
    Entry* e = entry(handle);
    if (!e || e->stock || e->selections > 0) return false;
    return table().remove(reinterpret_cast<std::uintptr_t>(handle));
}

void object_selected(HGDIOBJ handle) {
    if (Entry* e = entry(handle)) ++e->selections;
}

void object_deselected(HGDIOBJ handle) {
    if (Entry* e = entry(handle); e && e->selections > 0) --e->selections;
}

} // namespace plat

using namespace plat;

HGDIOBJ GetStockObject(int index) {
    static std::array<HGDIOBJ, 18> stock{};
    if (index < 0 || index >= static_cast<int>(stock.size())) return nullptr;
    HGDIOBJ& h = stock[static_cast<std::size_t>(index)];
    if (h) return h;
    auto brush = [](Pixel p) { return BrushObject{Brush::solid(p), colorref_from_pixel(p)}; };
    switch (index) {
    case WHITE_BRUSH:
        h = add_object(brush(0xFFFFFF), true);
        break;
    case LTGRAY_BRUSH:
        h = add_object(brush(0xC0C0C0), true);
        break;
    case GRAY_BRUSH:
        h = add_object(brush(0x808080), true);
        break;
    case DKGRAY_BRUSH:
        h = add_object(brush(0x404040), true);
        break;
    case BLACK_BRUSH:
        h = add_object(brush(0x000000), true);
        break;
    case NULL_BRUSH:
        h = add_object(BrushObject{Brush::none(), std::nullopt}, true);
        break;
    case WHITE_PEN:
        h = add_object(PenObject{Pen{PS_SOLID, 1, 0xFFFFFF, {}}, RGB(255, 255, 255)}, true);
        break;
    case BLACK_PEN:
        h = add_object(PenObject{Pen{PS_SOLID, 1, 0x000000, {}}, RGB(0, 0, 0)}, true);
        break;
    case NULL_PEN:
        h = add_object(PenObject{Pen{PS_NULL, 1, 0, {}}, 0}, true);
        break;
    case SYSTEM_FONT:
        h = add_object(FontObject{stock_font(StockFont::system)}, true);
        break;
    case SYSTEM_FIXED_FONT:
        h = add_object(FontObject{stock_font(StockFont::system_fixed)}, true);
        break;
    case ANSI_VAR_FONT:
        h = add_object(FontObject{stock_font(StockFont::ansi_var)}, true);
        break;
    case DEFAULT_GUI_FONT:
        h = add_object(FontObject{stock_font(StockFont::dialog)}, true);
        break;
    case DEFAULT_PALETTE:
        h = add_object(PaletteObject{}, true);
        break; // the static colours
    default:
        return nullptr;
    }
    return h;
}

HPEN CreatePen(int style, int width, COLORREF color) {
    if (style < PS_SOLID || style > PS_INSIDEFRAME) style = PS_SOLID;
    // Styled pens are one pixel wide, as on the original platform.
    if (style >= PS_DASH && style <= PS_DASHDOTDOT) width = 1;
    return static_cast<HPEN>(add_object(
        PenObject{Pen{style, std::max(width, 1), pixel_from_colorref(color), {}}, color}));
}

HBRUSH CreateSolidBrush(COLORREF color) {
    return static_cast<HBRUSH>(
        add_object(BrushObject{Brush::solid(pixel_from_colorref(color)), color}));
}

HFONT CreateFontIndirectA(const LOGFONTA* font) {
    if (!font) return nullptr;
    auto f = create_font(*font);
    return f ? static_cast<HFONT>(add_object(FontObject{std::move(f)})) : nullptr;
}

HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision,
                  DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily, LPCSTR face) {
    LOGFONTA lf{};
    lf.lfHeight = height;
    lf.lfWidth = width;
    lf.lfEscapement = escapement;
    lf.lfOrientation = orientation;
    lf.lfWeight = weight;
    lf.lfItalic = static_cast<BYTE>(italic);
    lf.lfUnderline = static_cast<BYTE>(underline);
    lf.lfStrikeOut = static_cast<BYTE>(strikeOut);
    lf.lfCharSet = static_cast<BYTE>(charSet);
    lf.lfOutPrecision = static_cast<BYTE>(outPrecision);
    lf.lfClipPrecision = static_cast<BYTE>(clipPrecision);
    lf.lfQuality = static_cast<BYTE>(quality);
    lf.lfPitchAndFamily = static_cast<BYTE>(pitchAndFamily);
    if (face) std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    return CreateFontIndirectA(&lf);
}

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits) {
    if (width <= 0 || height <= 0 || width > 32767 || height > 32767 || planes != 1) return nullptr;
    BitmapObject b{Surface(width, height, 0), bitsPerPixel == 1};
    if (bits && b.monochrome) {
        // Monochrome rows are padded to 16 bits; a set bit is white.
        const auto* p = static_cast<const BYTE*>(bits);
        const int stride = ((width + 15) / 16) * 2;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                b.pixels.row(y)[x] = (p[y * stride + x / 8] & (0x80 >> (x % 8))) ? 0xFFFFFF : 0;
    } else if (bits && bitsPerPixel == 32) {
        const auto* p = static_cast<const std::uint32_t*>(bits);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                b.pixels.row(y)[x] = p[y * width + x] & 0xFFFFFF;
    }
    return static_cast<HBITMAP>(add_object(std::move(b)));
}

HBITMAP CreateDIBSection(HDC, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section,
                         DWORD) {
    if (bits) *bits = nullptr;
    if (!info || !bits || usage != DIB_RGB_COLORS || section) return nullptr;
    const BITMAPINFOHEADER& h = info->bmiHeader;
    // The surface's rows run top-down, so only top-down sections can share its memory.
    if (h.biSize < sizeof(BITMAPINFOHEADER) || h.biPlanes != 1 || h.biBitCount != 32 ||
        h.biCompression != BI_RGB || h.biHeight >= 0 || h.biWidth <= 0)
        return nullptr;
    const LONG height = -h.biHeight;
    if (h.biWidth > 32767 || height > 32767) return nullptr;
    HGDIOBJ object = add_object(BitmapObject{Surface(h.biWidth, height, 0), false});
    auto* b = find<BitmapObject>(object);
    if (!b) return nullptr;
    *bits = b->pixels.pixels.data();
    return static_cast<HBITMAP>(object);
}

BOOL DeleteObject(HGDIOBJ object) {
    return remove_object(object) ? TRUE : FALSE;
}
