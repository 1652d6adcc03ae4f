// The dialog extra-information resource read into a plain structure: which list and combo
// boxes get which items, which buttons start checked, which fields take how many characters.
// Reading is apart from applying so that any byte sequence can be put through the reader.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace tess {

enum class ExtraSection { None, Ranges, Menus, Checks, Tabs, Grids, Colours, Trackbars, Lengths };

// One data line of a section with an effect.
struct ExtraEntry {
    ExtraSection section = ExtraSection::None;
    int field = 0;
    int value = 0; // Checks: the state; Lengths: the length; Menus: the 0-based selection
    std::vector<std::string> items; // Menus only
};

// The longest item text kept; the rest of a longer line is passed over.
constexpr std::size_t ExtraItemChars = 1024;

// Reads the resource: text up to its first NUL byte (or its end), lines ending with a line
// feed. Never reads outside the bytes given.
std::vector<ExtraEntry> read_extra_information(std::span<const std::byte> bytes);

} // namespace tess
