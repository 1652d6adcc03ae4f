#include "gdi/brushes.h"

#include <array>
#include <cstdint>
#include <vector>

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

// Brush handles: small values are system colours plus one; solid brushes are tagged indices.
constexpr std::uintptr_t SolidTag = 0x10000;
constexpr std::uintptr_t SysBrushTag = 0x20000;

struct SolidBrush {
    COLORREF color;
    bool live;
};

std::vector<SolidBrush>& solid_brushes() {
    static std::vector<SolidBrush> list;
    return list;
}

std::uintptr_t value_of(HBRUSH b) {
    return reinterpret_cast<std::uintptr_t>(b);
}

} // namespace

std::optional<COLORREF> brush_color(HBRUSH brush) {
    const std::uintptr_t v = value_of(brush);
    if (v >= 1 && v <= sysColors.size()) return sysColors[v - 1];
    if (v >= SysBrushTag && v < SysBrushTag + sysColors.size()) return sysColors[v - SysBrushTag];
    if (v >= SolidTag && v < SysBrushTag) {
        const std::size_t i = v - SolidTag;
        auto& list = solid_brushes();
        if (i < list.size() && list[i].live) return list[i].color;
    }
    return std::nullopt;
}

HBRUSH create_solid_brush(COLORREF color) {
    auto& list = solid_brushes();
    for (std::size_t i = 0; i < list.size(); ++i)
        if (!list[i].live) {
            list[i] = {color, true};
            return reinterpret_cast<HBRUSH>(SolidTag + i);
        }
    list.push_back({color, true});
    return reinterpret_cast<HBRUSH>(SolidTag + list.size() - 1);
}

bool delete_solid_brush(HBRUSH brush) {
    const std::uintptr_t v = value_of(brush);
    auto& list = solid_brushes();
    if (v < SolidTag || v - SolidTag >= list.size() || !list[v - SolidTag].live) return false;
    list[v - SolidTag].live = false;
    return true;
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
