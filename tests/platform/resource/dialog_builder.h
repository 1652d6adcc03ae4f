// Builds DLGTEMPLATE and DLGTEMPLATEEX bytes by hand, field by field as the formats lay them out.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace dlgtest {

// A class, menu or title field: an ordinal, or a string (an empty string writes 0x0000).
struct NameOrOrdinal {
    std::uint16_t ordinal = 0;
    std::string text;
    bool isOrdinal = false;

    NameOrOrdinal() = default;
    NameOrOrdinal(const char* s) : text(s) {}
    static NameOrOrdinal number(std::uint16_t n) {
        NameOrOrdinal v;
        v.ordinal = n;
        v.isOrdinal = true;
        return v;
    }
};

struct Item {
    std::uint32_t style = 0x50010000; // WS_CHILD | WS_VISIBLE | WS_TABSTOP
    std::uint32_t exStyle = 0;
    std::int16_t x = 0, y = 0, cx = 10, cy = 10;
    std::uint32_t id = 0;
    NameOrOrdinal windowClass = NameOrOrdinal::number(0x80);
    NameOrOrdinal title;
    std::vector<std::uint8_t> data;
    std::uint32_t helpId = 0;
};

struct Font {
    std::uint16_t pointSize = 8;
    std::uint16_t weight = 400;
    std::uint8_t italic = 0;
    std::uint8_t charset = 1;
    std::string face = "MS Shell Dlg";
};

struct Dialog {
    bool extended = false;
    std::uint32_t style = 0x80C80000; // WS_POPUP | WS_CAPTION | WS_SYSMENU
    std::uint32_t exStyle = 0;
    std::int16_t x = 0, y = 0, cx = 100, cy = 50;
    NameOrOrdinal menu;
    NameOrOrdinal windowClass;
    std::string title = "Dialog";
    bool hasFont = false; // adds DS_SETFONT
    Font font;
    std::vector<Item> items;
    std::uint32_t helpId = 0;
};

inline void put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
inline void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}
inline void put_string(std::vector<std::uint8_t>& out, const std::string& s) {
    for (unsigned char c : s)
        put16(out, c); // the tests keep to ASCII and Latin-1, whose code points match
    put16(out, 0);
}
inline void put_name(std::vector<std::uint8_t>& out, const NameOrOrdinal& n) {
    if (n.isOrdinal) {
        put16(out, 0xFFFF);
        put16(out, n.ordinal);
    } else {
        put_string(out, n.text);
    }
}

inline std::vector<std::byte> build(const Dialog& d) {
    std::vector<std::uint8_t> out;
    const std::uint32_t style = d.style | (d.hasFont ? 0x40u : 0u);
    if (d.extended) {
        put16(out, 1);
        put16(out, 0xFFFF);
        put32(out, d.helpId);
        put32(out, d.exStyle);
        put32(out, style);
    } else {
        put32(out, style);
        put32(out, d.exStyle);
    }
    put16(out, static_cast<std::uint16_t>(d.items.size()));
    for (std::int16_t v : {d.x, d.y, d.cx, d.cy})
        put16(out, static_cast<std::uint16_t>(v));
    put_name(out, d.menu);
    put_name(out, d.windowClass);
    put_string(out, d.title);
    if (d.hasFont) {
        put16(out, d.font.pointSize);
        if (d.extended) {
            put16(out, d.font.weight);
            out.push_back(d.font.italic);
            out.push_back(d.font.charset);
        }
        put_string(out, d.font.face);
    }
    for (const Item& item : d.items) {
        while (out.size() % 4)
            out.push_back(0);
        if (d.extended) {
            put32(out, item.helpId);
            put32(out, item.exStyle);
            put32(out, item.style);
        } else {
            put32(out, item.style);
            put32(out, item.exStyle);
        }
        for (std::int16_t v : {item.x, item.y, item.cx, item.cy})
            put16(out, static_cast<std::uint16_t>(v));
        if (d.extended)
            put32(out, item.id);
        else
            put16(out, item.id);
        put_name(out, item.windowClass);
        put_name(out, item.title);
        put16(out, static_cast<std::uint16_t>(item.data.size()));
        out.insert(out.end(), item.data.begin(), item.data.end());
    }
    std::vector<std::byte> bytes(out.size());
    for (std::size_t i = 0; i < out.size(); ++i)
        bytes[i] = std::byte{out[i]};
    return bytes;
}

} // namespace dlgtest
