// Text output of the core: strings, cleared areas, the text font and the colour table.
#include "core/textout.h"

#include <commctrl.h>

#include "core/context.h"
#include "core/wwindow.h"
#include "graphics/palette.h"

using namespace tess;

namespace {

constexpr std::array<COLORREF, tess::ColourEntries - 2> StartColours{{
    RGB(0, 0, 0),
    RGB(180, 0, 0),
    RGB(180, 200, 0),
    RGB(0, 180, 0),
    RGB(0, 191, 191),
    RGB(0, 0, 191),
    RGB(191, 0, 191),
    RGB(191, 191, 191),
    RGB(64, 64, 64),
    RGB(255, 0, 0),
    RGB(255, 255, 0),
    RGB(0, 255, 0),
    RGB(0, 255, 255),
    RGB(0, 0, 255),
    RGB(255, 0, 255),
    RGB(255, 255, 255),
}};

struct Typeface {
    int stock; // stock object index, or -1 for a named face
    const char* face;
    BYTE pitchAndFamily;
};

// Indexed by typeface code.
constexpr std::array<Typeface, tess::TypefaceCount> Typefaces{{
    {SYSTEM_FONT, nullptr, 0},
    {SYSTEM_FIXED_FONT, nullptr, 0},
    {-1, "Times New Roman", VARIABLE_PITCH | FF_ROMAN},
    {-1, "Arial", VARIABLE_PITCH | FF_SWISS},
    {-1, "Courier New", VARIABLE_PITCH | FF_MODERN},
    {-1, "Symbol", VARIABLE_PITCH | FF_DONTCARE},
    {-1, "Wingdings", VARIABLE_PITCH | FF_DONTCARE},
}};

constexpr bool valid_colour(int index) {
    return index >= 0 && index < tess::ColourEntries;
}

// Entry of the colour table; the indices are checked when they are stored, so the fallback to
// entry 0 only guards against a state written from elsewhere.
COLORREF table_colour(int index) {
    return tk().text.wColour[static_cast<std::size_t>(valid_colour(index) ? index : 0)];
}

// A 256-colour display shows only the colours of its palette.
COLORREF device_colour(COLORREF colour) {
    return tk().display.wScreenCols == 256 ? GetNearestColor(current_window().dc, colour) : colour;
}

int drawn_count(int length) {
    return length > 1 ? length - 1 : 0;
}

HFONT typeface_font(int typeface, int bold, int italic, int width, int height) {
    const bool named = typeface >= 0 && typeface < tess::TypefaceCount;
    const Typeface& t = Typefaces[static_cast<std::size_t>(named ? typeface : 0)];
    HFONT font = nullptr;
    if (t.stock < 0) {
        // The underline is drawn by yystringout_ itself, 2 pixels below the baseline.
        font = CreateFontA(height, width, 0, 0, bold ? FW_BOLD : FW_NORMAL, italic ? TRUE : FALSE,
                           FALSE, FALSE, DEFAULT_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS,
                           DEFAULT_QUALITY, t.pitchAndFamily, t.face);
    }
    if (!font) font = static_cast<HFONT>(GetStockObject(t.stock < 0 ? SYSTEM_FONT : t.stock));
    return font;
}

} // namespace

void yyinittextcolours_() {
    tk().text.wForeCol = 0;
    tk().text.wBackCol = 15;
    tk().text.wUnderline = 0;
    for (std::size_t i = 0; i < StartColours.size(); ++i)
        tk().text.wColour[i] = StartColours[i];
    tk().text.wColour[tess::SystemTextColour] = GetSysColor(COLOR_WINDOWTEXT);
    tk().text.wColour[tess::SystemWindowColour] = GetSysColor(COLOR_WINDOW);
}

void yystringout_(int& x, int& y, const char* text, const int& length) {
    const HDC dc = current_window().dc;
    if (!dc) return;
    const HGDIOBJ oldFont = tk().text.hTextFont ? SelectObject(dc, tk().text.hTextFont) : nullptr;
    const int oldMode = SetBkMode(dc, OPAQUE);
    const UINT oldAlign = SetTextAlign(dc, TA_LEFT | TA_BASELINE | TA_UPDATECP);
    const COLORREF ink = device_colour(table_colour(tk().text.wForeCol));
    const COLORREF oldInk = SetTextColor(dc, ink);
    const COLORREF oldBack = SetBkColor(dc, device_colour(table_colour(tk().text.wBackCol)));

    POINT end{x, y};
    MoveToEx(dc, x, y, nullptr);
    TextOutA(dc, x, y, text, drawn_count(length));
    GetCurrentPositionEx(dc, &end);

    if (tk().text.wUnderline != 0) {
        const HPEN pen = CreatePen(PS_SOLID, 1, ink);
        const HGDIOBJ oldPen = SelectObject(dc, pen);
        MoveToEx(dc, x, y + 2, nullptr);
        LineTo(dc, end.x, end.y + 2);
        SelectObject(dc, oldPen);
        DeleteObject(pen);
    }

    SetTextAlign(dc, oldAlign);
    SetBkMode(dc, oldMode);
    SetBkColor(dc, oldBack);
    SetTextColor(dc, oldInk);
    if (oldFont) SelectObject(dc, oldFont);
    x = end.x;
    y = end.y;
}

void yystringlen_(int& width, const char* text, const int& length) {
    const HDC dc = current_window().dc;
    const HGDIOBJ oldFont =
        dc && tk().text.hTextFont ? SelectObject(dc, tk().text.hTextFont) : nullptr;
    SIZE size{};
    // Win32s has only the older measuring call.
    const BOOL measured = tk().display.Win32s
                              ? GetTextExtentPointA(dc, text, drawn_count(length), &size)
                              : GetTextExtentPoint32A(dc, text, drawn_count(length), &size);
    if (oldFont) SelectObject(dc, oldFont);
    width = measured ? static_cast<int>(size.cx) : 0;
}

void yycleararea_(const int& x1, const int& y1, const int& x2, const int& y2) {
    const HDC dc = current_window().dc;
    if (!dc) return;
    const HBRUSH brush = CreateSolidBrush(device_colour(table_colour(tk().text.wBackCol)));
    const HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
    const HGDIOBJ oldBrush = SelectObject(dc, brush);
    const int oldRop = SetROP2(dc, R2_COPYPEN);
    // Without an outline Rectangle leaves out its right and bottom edge: one more pixel is
    // needed to include x2 and y2.
    Rectangle(dc, x1, y1, x2 + 2, y2 + 2);
    SetROP2(dc, oldRop);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(brush);
}

void yysetfontcolour_(const int& foreground, const int& background) {
    if (valid_colour(foreground)) tk().text.wForeCol = foreground;
    const int back = background == tess::SystemTextColour ? tess::SystemWindowColour : background;
    if (valid_colour(back)) tk().text.wBackCol = back;
}

void yysetfontcolourrgb_(const int& index, const int& red, const int& green, const int& blue) {
    if (!valid_colour(index)) return;
    // The text colours sit behind the scheme in the device palette.
    if (tk().display.wScreenCols == 256)
        tess::xxmwinpalette256(tess::graphics().state.deviceColours + index, red, green, blue, 0);
    tk().text.wColour[static_cast<std::size_t>(index)] =
        RGB(static_cast<BYTE>(red), static_cast<BYTE>(green), static_cast<BYTE>(blue));
}

void yysetfontunderline_(const int& flag) {
    tk().text.wUnderline = flag;
}

void yycreatefont_(const int& typeface, const int& bold, const int& italic, int& width,
                   int& height) {
    yyreleasefont_();
    tk().text.hTextFont = typeface_font(typeface, bold, italic, width, height);
    const HDC dc = current_window().dc;
    if (!dc) return;
    const HGDIOBJ oldFont = SelectObject(dc, tk().text.hTextFont);
    TEXTMETRICA metrics{};
    if (GetTextMetricsA(dc, &metrics)) {
        width = static_cast<int>(metrics.tmAveCharWidth);
        height = static_cast<int>(metrics.tmHeight);
    }
    if (oldFont) SelectObject(dc, oldFont);
}

void yyreleasefont_() {
    // Stock fonts refuse to be deleted, which is what they should do.
    if (tk().text.hTextFont) DeleteObject(tk().text.hTextFont);
    tk().text.hTextFont = nullptr;
}

void yysetstatustext_(const int& part, const char* text) {
    if (!tess::valid_window_number(tk().core.wIndex) || part < 1 || part > StatusParts) return;
    const HWND bar = window(tk().core.wIndex).statusBar;
    if (!bar) return;
    SendMessageA(bar, SB_SETTEXTA, static_cast<WPARAM>(part - 1), reinterpret_cast<LPARAM>(text));
    UpdateWindow(bar);
}
