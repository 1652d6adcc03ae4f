// The controls of a dialog by identifier, and their text, numbers and check marks.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "dialog/dialog_state.h"

HWND GetDlgItem(HWND dialog, int id) {
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if (GetDlgCtrlID(c) == id) return c;
    return nullptr;
}

LRESULT SendDlgItemMessageA(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND control = GetDlgItem(dialog, id);
    return control ? SendMessageA(control, message, wParam, lParam) : 0;
}

BOOL SetDlgItemTextA(HWND dialog, int id, LPCSTR text) {
    return SendDlgItemMessageA(dialog, id, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) != 0;
}

UINT GetDlgItemTextA(HWND dialog, int id, LPSTR buffer, int size) {
    if (!buffer || size <= 0) return 0;
    buffer[0] = '\0';
    const LRESULT n = SendDlgItemMessageA(dialog, id, WM_GETTEXT, static_cast<WPARAM>(size),
                                          reinterpret_cast<LPARAM>(buffer));
    return n > 0 ? static_cast<UINT>(n) : 0;
}

BOOL SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned) {
    char text[16];
    if (isSigned)
        std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
    else
        std::snprintf(text, sizeof text, "%u", value);
    return SetDlgItemTextA(dialog, id, text);
}

// Leading and trailing blanks are allowed, nothing else beside the digits; a value that does not
// fit (in INT for signed, UINT for unsigned) is not translated.
UINT GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned) {
    if (translated) *translated = FALSE;
    char text[64];
    if (!GetDlgItemTextA(dialog, id, text, sizeof text)) return 0;
    const char* p = text;
    while (*p == ' ')
        ++p;
    bool negative = false;
    if (isSigned && (*p == '-' || *p == '+')) negative = *p++ == '-';
    if (*p < '0' || *p > '9') return 0;
    unsigned long long value = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        value = value * 10 + static_cast<unsigned>(*p - '0');
        if (value > 0xFFFFFFFFull) return 0;
    }
    while (*p == ' ')
        ++p;
    if (*p) return 0;
    if (isSigned) {
        if (negative ? value > 0x80000000ull : value > 0x7FFFFFFFull) return 0;
        if (translated) *translated = TRUE;
        const long long v =
            negative ? -static_cast<long long>(value) : static_cast<long long>(value);
        return static_cast<UINT>(static_cast<int>(v));
    }
    if (translated) *translated = TRUE;
    return static_cast<UINT>(value);
}

BOOL CheckDlgButton(HWND dialog, int id, UINT check) {
    const HWND button = GetDlgItem(dialog, id);
    if (!button) return FALSE;
    SendMessageA(button, BM_SETCHECK, check, 0);
    return TRUE;
}

UINT IsDlgButtonChecked(HWND dialog, int id) {
    return static_cast<UINT>(SendDlgItemMessageA(dialog, id, BM_GETCHECK, 0, 0));
}

// Checks one button of the range and clears the others, by identifier, whatever their order.
BOOL CheckRadioButton(HWND dialog, int first, int last, int check) {
    bool found = false;
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        const int id = GetDlgCtrlID(c);
        if (id < first || id > last) continue;
        SendMessageA(c, BM_SETCHECK, id == check ? BST_CHECKED : BST_UNCHECKED, 0);
        found = found || id == check;
    }
    return found;
}
