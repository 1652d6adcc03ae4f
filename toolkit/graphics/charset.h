// Character sets of graphics text: the hardware characters or stroke sets from character files.
// The file loader itself (xxrset_) reads through the raw file routines and lives with
// IGrCharSet in public/grinit.h; this layer parses, caches and measures.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "graphics/graphics_state.h"
#include "util/text_arg.h"

namespace tess {

// The most bytes of a character file that can matter: fields 1 to 10 with P + E at 17000.
constexpr std::size_t CharFileMaxBytes =
    4 * 3 + 4 * CharPrimaryCodes + 4 * 3 + 4 * CharExtensionCodes + CharStrokeBytes;

enum class CharFileLayout {
    Invalid,  // fields 1 to 5 short, or a primary length of 17001 or more
    SevenBit, // codes 32 to 126
    EightBit, // also codes 160 to 255
};

// Parses the bytes of a character file into set (left untouched when Invalid).
CharFileLayout charset_read(std::span<const std::uint8_t> bytes, CharacterSet& set);

// Entry for fuzzing: parses the bytes and interprets the strokes of every code; returns 0 for
// an invalid file, else the range (7 or 8).
int charset_parse(const std::uint8_t* data, std::size_t size);

// The cache of loaded sets. find copies a hit into set; add keeps a copy when there is room
// for it (20 sets, 70000 stroke bytes, a name of at most 160 characters) and tells whether it
// did.
bool charset_cache_find(std::string_view name, CharacterSet& set);
bool charset_cache_add(std::string_view name, const CharacterSet& set);

// The name store of the set in use, without trailing blanks and NULs.
std::string_view charset_store_name();
// Makes set the current one under name (the name store is cut to its 160 characters).
void charset_use(std::string_view name, const CharacterSet& set);
// Hardware characters: kind 0, the loaded set and the name store stay.
void charset_use_hardware();

// The code 0 to 255 of one character.
int xxichar_(char c);
// Characters across and down the window: the window's extent over the character-size basis of
// the area, times the characters per area, over the size factor.
std::array<float, 2> charset_cell_counts();
// Recomputes the characters across and down (through the driver's metrics, operation 21, or 25
// for the hardware set, when screen graphics are on).
void xxcharcells_();

} // namespace tess
