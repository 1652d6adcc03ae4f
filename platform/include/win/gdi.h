// Graphics device interface: device contexts, objects, drawing, text, palettes.
#pragma once

#include "gdi_constants.h"
#include "gdi_types.h"
#include "types.h"

// Stock objects.
constexpr int WHITE_BRUSH = 0, LTGRAY_BRUSH = 1, GRAY_BRUSH = 2, DKGRAY_BRUSH = 3, BLACK_BRUSH = 4,
              NULL_BRUSH = 5, HOLLOW_BRUSH = 5, WHITE_PEN = 6, BLACK_PEN = 7, NULL_PEN = 8,
              SYSTEM_FONT = 13, SYSTEM_FIXED_FONT = 16, ANSI_VAR_FONT = 12, DEFAULT_GUI_FONT = 17;
// Background modes and text alignment.
constexpr int TRANSPARENT = 1, OPAQUE = 2;
constexpr UINT TA_NOUPDATECP = 0, TA_UPDATECP = 1, TA_LEFT = 0, TA_RIGHT = 2, TA_CENTER = 6,
               TA_TOP = 0, TA_BOTTOM = 8, TA_BASELINE = 24;
constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;
// Device capabilities.
constexpr int HORZRES = 8, VERTRES = 10, BITSPIXEL = 12, PLANES = 14, NUMCOLORS = 24,
              RASTERCAPS = 38, SIZEPALETTE = 104, RC_PALETTE = 0x0100;

HGDIOBJ GetStockObject(int index);
HPEN CreatePen(int style, int width, COLORREF color);
HBRUSH CreateSolidBrush(COLORREF color);
HFONT CreateFontIndirectA(const LOGFONTA* font);
HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision,
                  DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily, LPCSTR face);
HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
// Device-independent bitmaps whose pixels the program reaches directly: 32 bits per pixel,
// BI_RGB, top-down (negative height), 0x00RRGGBB each with the top byte left 0.
HBITMAP CreateDIBSection(HDC hdc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section,
                         DWORD offset);
HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height);
HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object);
BOOL DeleteObject(HGDIOBJ object);
HDC CreateCompatibleDC(HDC hdc);
BOOL DeleteDC(HDC hdc);
// Shows what has been drawn into windows so far.
BOOL GdiFlush();
int GetDeviceCaps(HDC hdc, int index);

COLORREF SetTextColor(HDC hdc, COLORREF color);
COLORREF SetBkColor(HDC hdc, COLORREF color);
int SetBkMode(HDC hdc, int mode);
UINT SetTextAlign(HDC hdc, UINT align);
int SetROP2(HDC hdc, int mode);

BOOL MoveToEx(HDC hdc, int x, int y, POINT* previous);
BOOL LineTo(HDC hdc, int x, int y);
BOOL GetCurrentPositionEx(HDC hdc, POINT* position);
BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom);
// Polygons: the interior (pixels whose centres lie inside, by the fill mode) with the brush,
// then the closed outline with the pen, both through the binary raster operation.
constexpr int ALTERNATE = 1, WINDING = 2;
BOOL Polygon(HDC hdc, const POINT* points, int count);
int SetPolyFillMode(HDC hdc, int mode);
int GetPolyFillMode(HDC hdc);
COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color);
COLORREF GetPixel(HDC hdc, int x, int y);
BOOL PatBlt(HDC hdc, int x, int y, int width, int height, DWORD rop);
BOOL BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY, DWORD rop);

BOOL TextOutA(HDC hdc, int x, int y, LPCSTR text, int length);
BOOL GetTextExtentPoint32A(HDC hdc, LPCSTR text, int length, SIZE* size);
BOOL GetTextMetricsA(HDC hdc, TEXTMETRICA* metrics);

// Formatted text.
constexpr UINT DT_TOP = 0x0000, DT_LEFT = 0x0000, DT_CENTER = 0x0001, DT_RIGHT = 0x0002,
               DT_VCENTER = 0x0004, DT_BOTTOM = 0x0008, DT_WORDBREAK = 0x0010,
               DT_SINGLELINE = 0x0020, DT_EXPANDTABS = 0x0040, DT_NOCLIP = 0x0100,
               DT_TABSTOP = 0x0080, DT_EXTERNALLEADING = 0x0200, DT_CALCRECT = 0x0400,
               DT_NOPREFIX = 0x0800, DT_EDITCONTROL = 0x2000, DT_END_ELLIPSIS = 0x8000;
constexpr UINT ETO_OPAQUE = 0x0002, ETO_CLIPPED = 0x0004;
int DrawTextA(HDC hdc, LPCSTR text, int count, RECT* rect, UINT format);
BOOL ExtTextOutA(HDC hdc, int x, int y, UINT options, const RECT* rect, LPCSTR text, UINT count,
                 const INT* dx);
// Text with tab stops; both answer the text's height in the high word, its width in the low.
LONG TabbedTextOutA(HDC hdc, int x, int y, LPCSTR text, int count, int tabCount, const INT* tabs,
                    int tabOrigin);
DWORD GetTabbedTextExtentA(HDC hdc, LPCSTR text, int count, int tabCount, const INT* tabs);

// Regions and scrolling.
constexpr int RGN_AND = 1, RGN_OR = 2, RGN_XOR = 3, RGN_DIFF = 4, RGN_COPY = 5;
constexpr int ERROR = 0, NULLREGION = 1, SIMPLEREGION = 2, COMPLEXREGION = 3;
HRGN CreateRectRgn(int left, int top, int right, int bottom);
int CombineRgn(HRGN dst, HRGN a, HRGN b, int mode);
int GetRgnBox(HRGN region, RECT* box);
BOOL PtInRegion(HRGN region, int x, int y);
BOOL FillRgn(HDC hdc, HRGN region, HBRUSH brush);
int SelectClipRgn(HDC hdc, HRGN region);
BOOL ScrollDC(HDC hdc, int dx, int dy, const RECT* scroll, const RECT* clip, HRGN update,
              RECT* updateRect);

// Palettes.
struct PALETTEENTRY {
    BYTE peRed;
    BYTE peGreen;
    BYTE peBlue;
    BYTE peFlags;
};
struct LOGPALETTE {
    WORD palVersion;
    WORD palNumEntries;
    PALETTEENTRY palPalEntry[1];
};
constexpr int DEFAULT_PALETTE = 15;
constexpr UINT GDI_ERROR = 0xFFFFFFFF;
constexpr BYTE PC_RESERVED = 0x01, PC_EXPLICIT = 0x02, PC_NOCOLLAPSE = 0x04;
constexpr UINT WM_QUERYNEWPALETTE = 0x030F, WM_PALETTECHANGED = 0x0311;
constexpr COLORREF PALETTEINDEX(WORD index) {
    return 0x01000000u | index;
}
constexpr COLORREF PALETTERGB(BYTE r, BYTE g, BYTE b) {
    return 0x02000000u | RGB(r, g, b);
}
HPALETTE CreatePalette(const LOGPALETTE* palette);
HPALETTE SelectPalette(HDC hdc, HPALETTE palette, BOOL forceBackground);
UINT RealizePalette(HDC hdc);
BOOL UnrealizeObject(HGDIOBJ object);
UINT SetPaletteEntries(HPALETTE palette, UINT start, UINT count, const PALETTEENTRY* entries);
BOOL ResizePalette(HPALETTE palette, UINT entries);
UINT GetPaletteEntries(HPALETTE palette, UINT start, UINT count, PALETTEENTRY* entries);
COLORREF GetNearestColor(HDC hdc, COLORREF color);

// More drawing and state calls.
struct BITMAP {
    LONG bmType;
    LONG bmWidth;
    LONG bmHeight;
    LONG bmWidthBytes;
    WORD bmPlanes;
    WORD bmBitsPixel;
    LPVOID bmBits;
};
constexpr int MM_TEXT = 1;
constexpr UINT BDR_RAISEDOUTER = 0x0001, BDR_SUNKENOUTER = 0x0002, BDR_RAISEDINNER = 0x0004,
               BDR_SUNKENINNER = 0x0008, EDGE_RAISED = 0x0005, EDGE_SUNKEN = 0x000A,
               EDGE_ETCHED = 0x0006, EDGE_BUMP = 0x0009, BF_LEFT = 0x0001, BF_TOP = 0x0002,
               BF_RIGHT = 0x0004, BF_BOTTOM = 0x0008, BF_RECT = 0x000F;
HBRUSH CreatePatternBrush(HBITMAP bitmap);
BOOL StretchBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY,
                int srcWidth, int srcHeight, DWORD rop);
int GetObjectA(HGDIOBJ object, int size, LPVOID buffer);
int SaveDC(HDC hdc);
BOOL RestoreDC(HDC hdc, int saved);
int SetMapMode(HDC hdc, int mode);
BOOL GetTextExtentPointA(HDC hdc, LPCSTR text, int length, SIZE* size);

// Queries of a context's state.
constexpr UINT OBJ_PEN = 1, OBJ_BRUSH = 2, OBJ_PAL = 5, OBJ_FONT = 6, OBJ_BITMAP = 7;
struct LOGPEN {
    UINT lopnStyle;
    POINT lopnWidth;
    COLORREF lopnColor;
};
HGDIOBJ GetCurrentObject(HDC hdc, UINT type);
int GetROP2(HDC hdc);
int GetBkMode(HDC hdc);
// 1 and a copy of the selected clip region in region, 0 when none is selected, -1 on failure.
int GetClipRgn(HDC hdc, HRGN region);
