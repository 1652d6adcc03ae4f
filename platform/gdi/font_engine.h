// Fonts: finding faces (fontconfig), metrics and glyph rendering (FreeType), and drawing
// Windows-1252 text into a Painter. FreeType and fontconfig are used in font_engine.cpp only.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "gdi/painter.h"
#include "win/gdi_types.h"

namespace plat {

// The fonts the layer chooses itself for the stock font objects.
enum class StockFont { system, system_fixed, ansi_var, dialog };

class Font {
public:
    virtual ~Font() = default;

    // Metrics as GetTextMetricsA reports them, in pixels.
    virtual const TEXTMETRICA& metrics() const = 0;
    // The face file and family actually used.
    virtual const std::string& file() const = 0;
    virtual const std::string& family() const = 0;

    // Horizontal advance of one Windows-1252 character, in pixels.
    virtual int advance(unsigned char c) = 0;
    // Extent as GetTextExtentPoint32A: width = sum of advances, height = tmHeight.
    virtual SIZE extent(std::string_view text) = 0;
    // Draws text with its baseline origin at (x, y) in the painter's logical coordinates,
    // blending anti-aliased coverage with color. Returns the advance of the whole string.
    virtual POINT draw(Painter& painter, int x, int y, std::string_view text, Pixel color) = 0;
};

// Creates a font as CreateFontIndirectA describes it: lfHeight < 0 is the character height
// (em size) in pixels, > 0 the cell height (ascent + descent), 0 a default size; lfWidth
// scales the average character width when not 0; lfEscapement turns the baseline (tenths of a
// degree, anticlockwise). Never fails while any face is installed; nullptr otherwise.
std::shared_ptr<Font> create_font(const LOGFONTA& desc);
std::shared_ptr<Font> stock_font(StockFont which);

// The family that a face name resolves to ("Courier New" → "Liberation Mono").
std::string resolve_family(std::string_view face, BYTE pitch_and_family);

// Releases the cached faces and the font libraries (for leak-checked exits).
void shutdown_fonts();

} // namespace plat
