// Between the dialog procedure, the control set-up and the control subclasses.
#pragma once

#include <windows.h>

#include "core/dialog_state.h"

// WM_INITDIALOG: a field record and the subclasses for every control; for the modal instance
// (param 1) the loaded dialog's state and position. Returns what the dialog procedure returns.
INT_PTR yydialoginitialise(HWND dialog, LPARAM param);
// WM_DESTROY: every control gets its procedure back and loses its field record.
void yyfreefields(HWND dialog);
// The answer to a WM_CTLCOLOR* message for a control of dialog: a brush, or 0 for the
// default handling.
INT_PTR yyfieldcolourbrush(HWND dialog, UINT message, HDC dc, HWND control);
// A mouse message of a graphics area (the dialog itself or a static of it) becomes a field
// event of record r; window is where the message arrived.
void yygraphicsmouse(HWND dialog, HWND window, tess::DialogRecord& r, UINT message, WPARAM wParam,
                     LPARAM lParam);

LRESULT CALLBACK yysubedit(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK yysubbutton(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK yysubstatic(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK yysubtrack(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK yysubpaint(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
