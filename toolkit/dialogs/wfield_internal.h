// Helpers the field routines share.
#pragma once

#include <windows.h>

#include "dialogs/dialog_table.h"

namespace tess {

LONG_PTR style_of(HWND control);
// The control repainted now.
void repaint(HWND control);

// The field kind code of a control (yygetfieldtype_).
int field_kind(HWND control);
// Whether the control is a button of that type (low 4 bits of its style).
bool is_button_type(HWND control, LONG_PTR type);
// Copies text into buffer: at most size - 1 characters and a NUL; nothing when size < 1.
void copy_out(const char* text, char* buffer, int size);

// A radio group: in window order, from the nearest control at or before a member with WS_GROUP
// (or the dialog's first) to the control before the next WS_GROUP (or the dialog's last).
struct Group {
    HWND first = nullptr;
    HWND last = nullptr;
};
Group group_of(HWND control);

} // namespace tess
