// How fields look: colours, images, tab stops.
#include <algorithm>

#include "core/context.h"
#include "dialogs/field_images.h"
#include "dialogs/wfield.h"
#include "dialogs/wfield_internal.h"

namespace {

constexpr int ImageBitmap = 1;
constexpr int SystemDefault = 256; // red component: back to the system colour
constexpr int Unchanged = -1;      // red component: keep the colour

void set_colour(int red, int green, int blue, int& slot) {
    if (red == SystemDefault)
        slot = -1;
    else if (red != Unchanged)
        slot = static_cast<int>(RGB(red & 0xFF, green & 0xFF, blue & 0xFF));
}

// A replaced image goes: the toolkit's own once no other field shows it, any other at once.
void replaced(HANDLE old, UINT type, HANDLE image) {
    if (old && old != image && !tess::let_go_field_image(old, type)) tess::delete_image(old, type);
}

void set_button_image(HWND control, HANDLE image, UINT type) {
    UINT oldType = type;
    const HANDLE old = tess::field_image(control, oldType);
    const LONG_PTR style = tess::style_of(control) & ~static_cast<LONG_PTR>(BS_ICON | BS_BITMAP);
    SetWindowLongPtrA(control, GWL_STYLE, style | (type == IMAGE_BITMAP ? BS_BITMAP : BS_ICON));
    if (type == IMAGE_BITMAP) yymakebitmaptransparent(static_cast<HBITMAP>(image));
    tess::hold_field_image(image);
    SendMessageA(control, BM_SETIMAGE, type, reinterpret_cast<LPARAM>(image));
    tess::repaint(control);
    replaced(old, oldType, image);
}

void set_static_image(HWND control, HANDLE image, UINT type) {
    UINT oldType = type;
    const HANDLE old = tess::field_image(control, oldType);
    const LONG_PTR style = tess::style_of(control) & ~static_cast<LONG_PTR>(SS_TYPEMASK);
    SetWindowLongPtrA(control, GWL_STYLE, style | (type == IMAGE_BITMAP ? SS_BITMAP : SS_ICON));
    tess::hold_field_image(image);
    SendMessageA(control, STM_SETIMAGE, type, reinterpret_cast<LPARAM>(image));
    tess::repaint(control);
    replaced(old, oldType, image);
}

} // namespace

void yyfieldcolour_(int& f, const int& foreRed, const int& foreGreen, const int& foreBlue,
                    const int& backRed, const int& backGreen, const int& backBlue) {
    const HWND control = tess::field_window(f);
    tess::FieldRecord* record = tess::field_record(control);
    if (!record) {
        f = tess::FieldMissing;
        return;
    }
    set_colour(foreRed, foreGreen, foreBlue, record->Foreground);
    set_colour(backRed, backGreen, backBlue, record->Background);
    RedrawWindow(control, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void yyfieldimage_(int& f, const int& image, const int& kind) {
    const HWND control = tess::field_window(f);
    if (!control) {
        f = tess::FieldMissing;
        return;
    }
    const UINT type = kind == ImageBitmap ? IMAGE_BITMAP : IMAGE_ICON;
    const HANDLE loaded =
        LoadImageA(nullptr, MAKEINTRESOURCEA(image & 0xFFFF), type, 0, 0, LR_DEFAULTCOLOR);
    if (!loaded) {
        f = tess::FieldValueProblem;
        return;
    }
    switch (tess::field_class(control)) {
    case tess::FieldClass::Button:
        // The oldest platform's buttons show no images.
        if (tess::tk().display.WinVer == 3)
            tess::delete_image(loaded, type);
        else
            set_button_image(control, loaded, type);
        break;
    case tess::FieldClass::Static:
        set_static_image(control, loaded, type);
        break;
    default:
        f = tess::FieldMissing;
        tess::delete_image(loaded, type);
    }
}

void yydialogtabstops_(int& f, const int* stops, const int& count) {
    const HWND control = tess::field_window(f);
    tess::FieldRecord* record = tess::field_record(control);
    const tess::FieldClass cls = control ? tess::field_class(control) : tess::FieldClass::Other;
    const bool multiLine =
        cls == tess::FieldClass::Edit && (tess::style_of(control) & ES_MULTILINE);
    if (!record || !(multiLine || cls == tess::FieldClass::List)) {
        f = tess::FieldMissing;
        return;
    }
    const int n = stops ? std::max(count, 0) : 0;
    SendMessageA(control, multiLine ? EM_SETTABSTOPS : LB_SETTABSTOPS, static_cast<WPARAM>(n),
                 reinterpret_cast<LPARAM>(stops));
    tess::repaint(control);
    record->TabStops.assign(stops, stops + n);
    record->TabCount = n;
}

void yymakebitmaptransparent(HBITMAP bitmap) {
    BITMAP info{};
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info)) return;
    const int w = info.bmWidth;
    const int h = info.bmHeight;
    const HWND root = tess::window(0).client;
    const HDC screen = GetDC(root);

    const HDC image = CreateCompatibleDC(screen);
    const HGDIOBJ oldImage = SelectObject(image, bitmap);
    const HDC face = CreateCompatibleDC(screen);
    const HBITMAP faceBitmap = CreateCompatibleBitmap(screen, w, h);
    const HGDIOBJ oldFace = SelectObject(face, faceBitmap);
    RECT all{0, 0, w, h};
    FillRect(face, &all, GetSysColorBrush(COLOR_BTNFACE));

    const HDC mask = CreateCompatibleDC(screen);
    const HBITMAP maskBitmap = CreateBitmap(w, h, 1, 1, nullptr);
    const HGDIOBJ oldMask = SelectObject(mask, maskBitmap);
    const HDC inverse = CreateCompatibleDC(screen);
    const HBITMAP inverseBitmap = CreateBitmap(w, h, 1, 1, nullptr);
    const HGDIOBJ oldInverse = SelectObject(inverse, inverseBitmap);
    const int mode = SetMapMode(face, MM_TEXT);
    SetMapMode(face, mode);
    SetMapMode(image, mode);

    // Colour to monochrome: 1 where a pixel has the background colour.
    const COLORREF background = SetBkColor(image, GetPixel(image, 0, 0));
    BitBlt(mask, 0, 0, w, h, image, 0, 0, SRCCOPY);
    SetBkColor(image, background);

    BitBlt(face, 0, 0, w, h, mask, 0, 0, SRCAND);
    BitBlt(inverse, 0, 0, w, h, mask, 0, 0, NOTSRCCOPY);
    BitBlt(image, 0, 0, w, h, inverse, 0, 0, SRCAND);
    BitBlt(face, 0, 0, w, h, image, 0, 0, SRCPAINT);
    BitBlt(image, 0, 0, w, h, face, 0, 0, SRCCOPY);

    SelectObject(inverse, oldInverse);
    DeleteObject(inverseBitmap);
    DeleteDC(inverse);
    SelectObject(mask, oldMask);
    DeleteObject(maskBitmap);
    DeleteDC(mask);
    SelectObject(face, oldFace);
    DeleteObject(faceBitmap);
    DeleteDC(face);
    SelectObject(image, oldImage);
    DeleteDC(image);
    ReleaseDC(root, screen);
}
