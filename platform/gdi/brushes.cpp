#include "gdi/brushes.h"

#include <array>
#include <cstdint>
#include <vector>

#include "gdi/objects.h"

namespace plat {
namespace {

// The classic colour scheme.
constexpr std::array<COLORREF, 25> sysColors = {
    RGB(192, 192, 192), RGB(0, 128, 128),   RGB(0, 0, 128),     RGB(128, 128, 128),
    RGB(192, 192, 192), RGB(255, 255, 255), RGB(0, 0, 0),       RGB(0, 0, 0),
    RGB(0, 0, 0),       RGB(255, 255, 255), RGB(192, 192, 192), RGB(192, 192, 192),
    RGB(128, 128, 128), RGB(0, 0, 128),     RGB(255, 255, 255), RGB(192, 192, 192),
    RGB(128, 128, 128), RGB(128, 128, 128), RGB(0, 0, 0),       RGB(192, 192, 192),
    RGB(255, 255, 255), RGB(64, 64, 64),    RGB(223, 223, 223), RGB(0, 0, 0),
    RGB(255, 255, 225)};

// Small handle values are system colours plus one; the system-colour brushes are tagged.
constexpr std::uintptr_t SysBrushTag = 0x20000;

std::uintptr_t value_of(HBRUSH b) {
    return reinterpret_cast<std::uintptr_t>(b);
}

} // namespace

std::optional<Brush> brush_of(HBRUSH brush) {
    const std::uintptr_t v = value_of(brush);
    if (v >= 1 && v <= sysColors.size()) return Brush::solid(pixel_from_colorref(sysColors[v - 1]));
    if (v >= SysBrushTag && v < SysBrushTag + sysColors.size())
        return Brush::solid(pixel_from_colorref(sysColors[v - SysBrushTag]));
    if (const BrushObject* b = find<BrushObject>(brush)) return b->brush;
    return std::nullopt;
}

} // namespace plat

DWORD GetSysColor(int index) {
    if (index < 0 || index >= static_cast<int>(plat::sysColors.size())) return 0;
    return plat::sysColors[static_cast<std::size_t>(index)];
}

HBRUSH GetSysColorBrush(int index) {
    if (index < 0 || index >= static_cast<int>(plat::sysColors.size())) return nullptr;
    return reinterpret_cast<HBRUSH>(plat::SysBrushTag + static_cast<std::uintptr_t>(index));
}
