// Snapshots of client windows and displayed dialogs while a modal display runs, and dialogs or
// their fields as graphics drawing areas.
#include "dialogs/dialog_table.h"
#include "dialogs/wdialog.h"
#include "graphics/graphics_state.h"
#include "graphics/screen_driver.h"

using namespace tess;

namespace {

constexpr int TakeSnapshots = 1;

HBITMAP take(HWND hwnd) {
    RECT r{};
    GetClientRect(hwnd, &r);
    HDC dc = GetDC(hwnd);
    if (!dc) return nullptr;
    HBITMAP image = CreateCompatibleBitmap(dc, r.right, r.bottom);
    HDC memory = CreateCompatibleDC(dc);
    if (image && memory) {
        const HGDIOBJ old = SelectObject(memory, image);
        BitBlt(memory, 0, 0, r.right, r.bottom, dc, 0, 0, SRCCOPY);
        SelectObject(memory, old);
    }
    if (memory) DeleteDC(memory);
    ReleaseDC(hwnd, dc);
    return image;
}

// Puts the snapshot back, deletes it, and takes the whole client area as drawn, so that no
// redraw event follows.
void give_back(HWND hwnd, HBITMAP& image) {
    if (!image) return;
    if (IsWindow(hwnd)) {
        RECT r{};
        GetClientRect(hwnd, &r);
        HDC dc = GetDC(hwnd);
        HDC memory = CreateCompatibleDC(dc);
        const HGDIOBJ old = SelectObject(memory, image);
        BitBlt(dc, 0, 0, r.right, r.bottom, memory, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        DeleteDC(memory);
        ReleaseDC(hwnd, dc);
        ValidateRect(hwnd, nullptr);
    }
    DeleteObject(image);
    image = nullptr;
}

} // namespace

void yygetwindowbitmap_(const int& mode, const int& excluded) {
    CoreDialogs& d = dialogs();
    if (mode == TakeSnapshots) {
        d.wBlitOn = 1;
        for (int n = 0; n <= MaxWindow; ++n) {
            HBITMAP& image = d.wImage[static_cast<std::size_t>(n)];
            const HWND client = window(n).client;
            if (n == excluded || !client || image) continue;
            image = take(client);
        }
        for (int i = 1; i <= d.nDialogs; ++i) {
            const DialogRecord& r = dialog_record(i);
            HBITMAP& image = d.wDlgImage[static_cast<std::size_t>(i)];
            if (!r.Shown || !r.Handle || image) continue;
            for (HWND c = GetWindow(r.Handle, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
                UpdateWindow(c);
            UpdateWindow(r.Handle);
            image = take(r.Handle);
        }
        return;
    }
    for (int n = 0; n <= MaxWindow; ++n)
        if (n != excluded) give_back(window(n).client, d.wImage[static_cast<std::size_t>(n)]);
    for (int i = 1; i < DialogSlots; ++i)
        give_back(dialog_record(i).Handle, d.wDlgImage[static_cast<std::size_t>(i)]);
    d.wBlitOn = 0;
}

void yygetdialogdc_(int& f, const int& mode, int& width, int& height) {
    CoreDialogs& d = dialogs();
    if (mode != 1) {
        // The driver goes back to the current window before the field's context is released.
        if (d.hGraphicsField) xxmwinselectdc(current_window().client, current_window().dc);
        if (d.hGraphicsField && d.graphicsFieldDC) ReleaseDC(d.hGraphicsField, d.graphicsFieldDC);
        d.graphicsFieldDC = nullptr;
        d.hGraphicsField = nullptr;
        return;
    }
    DialogRecord* r = current_dialog_record();
    const HWND target = !r ? nullptr : f == 0 ? r->Handle : field_window(f);
    HDC dc = target ? GetDC(target) : nullptr;
    if (!dc) {
        f = -1;
        if (d.hGraphicsField) xxmwinselectdc(current_window().client, current_window().dc);
        if (d.hGraphicsField && d.graphicsFieldDC) ReleaseDC(d.hGraphicsField, d.graphicsFieldDC);
        d.graphicsFieldDC = nullptr;
        d.hGraphicsField = nullptr;
        return;
    }
    // The driver takes the new context before the old one is released.
    xxmwinselectdc(target, dc);
    if (d.hGraphicsField && d.graphicsFieldDC) ReleaseDC(d.hGraphicsField, d.graphicsFieldDC);
    RECT client{};
    GetClientRect(target, &client);
    width = client.right;
    height = client.bottom;
    d.hGraphicsField = target;
    d.graphicsFieldDC = dc;
    graphics().driver.WinWidth = width;
    graphics().driver.WinHeight = height;
    if (f == 0) {
        r->IsGraphicsArea = 1;
    } else if (FieldRecord* record = field_record(target)) {
        record->IsGraphicsArea = 1;
    }
}
