// The toolkit's graphics state: the area and user units, the colour tables and the device palette,
// the current character set and the screen driver's platform objects. One instance lives in the
// toolkit context; the graphics layer reaches it through graphics() because it may not include
// the core. Reals are single precision on purpose: the routines' arguments and results are.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include <windows.h>

namespace tess {

constexpr int ToolkitColours = 256;    // colour numbers 0 to 255
constexpr int ReducedColoursMax = 128; // the reduced table serves 32 to 128 device colours
constexpr int StandardPaletteColours = 16;
constexpr int CharFileCount = 6; // the standard character files probed once per process
constexpr int CharNameLength = 160;
constexpr int CharPrimaryCodes = 95;   // codes 32 to 126
constexpr int CharExtensionCodes = 96; // codes 160 to 255
constexpr int CharStrokeBytes = 17000;
constexpr int CharCacheSets = 20;
constexpr int CharCacheBytes = 70000;

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
};

// Area, units, colour and text attributes: what IGrInit resets.
struct GraphicsAttributes {
    int screenGraphics = 0;                // 1: changes go to the screen driver
    int deviceColours = 0;                 // 2, 8, 16, 256 or another count
    std::array<float, 4> area{0, 0, 1, 1}; // fractions of the current window
    std::array<float, 2> areaSize{1, 1};
    std::array<float, 4> units{0, 0, 1, 1}; // user coordinates at the area's corners
    std::array<float, 2> unitRange{1, 1};
    // The current window as xxresn_ last saw it.
    std::array<int, 2> deviceSize{0, 0};
    std::array<int, 2> lastPixel{-1, -1};
    std::array<float, 2> deviceExtent{0, 0}; // size - 0.01
    float aspect = 1.0f;
    std::array<float, 2> areaPixels{0, 0}; // set by the driver's viewport
    std::array<float, 2> pixelsPerUnit{0, 0};
    int areaLock = 0; // non-zero: area and unit changes keep the character-size basis
    std::array<float, 2> charBasisPixels{0, 0};
    std::array<float, 2> charBasisUnits{1, 1};
    std::array<float, 2> charFactor{1, 1};
    std::array<float, 2> charsPerArea{75, 25};
    std::array<float, 2> charCells{75, 25}; // characters across and down, as last computed
    int colour = 223, previousColour = 0;
    int deviceColour = 0, previousDeviceColour = 0;
    int plotMode = 0, lineType = 0;
    std::array<float, 2> position{0, 0};
    // Read only by the driver's drawing operations.
    int fontNumber = 1; // hardware font 1 to 8
    float textAngle = 0;
    char textCharacter = 'R';
    int justify = 0; // 0 centred, 1 left, 2 right
    int spacing = 0; // 0 fixed, 1 proportional, 2 hardware
};

// The 256 colour numbers and the smaller tables behind them; filled by xxpali_.
struct ColourTables {
    std::array<Rgb, ToolkitColours> full{};
    std::array<Rgb, 16> sixteen{};
    std::array<Rgb, ReducedColoursMax> reduced{};
    bool filled = false;              // xxpali_ has run: the tables hold the scheme
    std::vector<PALETTEENTRY> device; // nc + 18 entries once built
    HPALETTE gPal256 = nullptr;
};

// One loaded stroke character set.
struct CharacterSet {
    int kind = 0;  // 0 hardware, 1 or 2 a stroke set
    int range = 7; // 7: codes 32..126; 8: also 160..255
    std::array<std::int32_t, 4> cells{};
    std::array<std::int32_t, CharPrimaryCodes> primary{};
    std::array<std::int32_t, CharExtensionCodes> extension{};
    std::vector<std::uint8_t> strokes; // primary then extension data, at most CharStrokeBytes
    std::int32_t primaryBytes = 0;     // where the extension's data starts in strokes
};

struct CachedCharacterSet {
    std::array<char, CharNameLength> name{};
    CharacterSet set;
    std::size_t storeOffset = 0; // where its strokes start in the shared store
};

struct CharacterSets {
    CharacterSet current;
    std::array<char, CharNameLength> nameStore{}; // blank for the hardware set
    int storeKind = 0; // the kind of the set in the name store, while the hardware set is in use
};

// The screen driver's platform objects and caches for the current drawing window.
struct ScreenDriver {
    HWND Window = nullptr;
    HDC hdc = nullptr;
    HPEN gPen = nullptr, penOLD = nullptr;
    int gLinetype = PS_SOLID;
    int gPlotmode = R2_COPYPEN;
    HRGN gRegion = nullptr;
    HFONT gFont = nullptr;
    HBITMAP gBitmap = nullptr; // 8 x 8 stipple
    bool gStippleExists = false, gStippleChanged = false;
    int InvertBW = 1;
    COLORREF penColour = 0, previousPenColour = 0;
    int colourIndex = 0;
    std::array<int, 2> colourPair{-1, -1};              // colour numbers last sent
    std::array<int, 5> fontRequest{-1, -1, -1, -1, -1}; // typeface, width, height, angle, family
    float textOffset = 0; // half the actual minus the requested font height
    // The viewport of the graphics area, y counted upwards from the bottom edge.
    std::array<float, 4> viewport{};
    std::array<float, 4> viewportWide{};
    std::array<int, 4> viewportPixels{};
    std::array<int, 2> viewportSize{};
    int WinWidth = 0, WinHeight = 0;
    int ngColours = 0; // the display's graphics colour count as the root window took it
};

struct Graphics {
    GraphicsAttributes state;
    ColourTables colours;
    CharacterSets charsets;
    ScreenDriver driver;
};

// What survives a new window session: the probing runs once per process.
struct GraphicsProcess {
    bool probed = false;
    std::array<int, CharFileCount> charFileAvailable{};
    std::vector<CachedCharacterSet> charCache; // at most CharCacheSets
    std::size_t charCacheBytes = 0;            // at most CharCacheBytes
};

Graphics& graphics();
GraphicsProcess& graphics_process();

} // namespace tess
