// The edit control's state and what its two files share: edit.cpp takes the messages and makes
// the changes, edit_view.cpp lays the text out, maps positions to points, scrolls (with the
// window's scroll bars) and paints.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include <windows.h>

#include "controls/edit_layout.h"

namespace plat::edit {

constexpr std::size_t DefaultLimit = 32767;

struct Snapshot {
    std::string text;
    std::size_t caret = 0, anchor = 0;
};

struct Edit {
    std::string text;
    std::size_t caret = 0, anchor = 0; // the selection runs between them
    // The caret stands at the end of a wrapped line rather than at the start of the next one,
    // which is the same character position.
    bool caretAtLineEnd = false;
    std::size_t limit = DefaultLimit;
    bool modified = false;
    bool focused = false;
    bool tracking = false; // the left button is down in the field
    bool typing = false;   // the last change was typed at the caret: one undo for the run
    char password = '*';
    HFONT font = nullptr;
    int scrollX = 0;   // pixels scrolled off to the left
    int firstLine = 0; // the top visible line of a multi-line field
    Snapshot undo;
    bool canUndo = false;
    std::vector<int> tabUnits; // tab stops in dialog units; empty for the default
    EditMeasure measure;
    HFONT measured = nullptr; // the font measure.widths belongs to
    int lineHeight = 0;
    int averageWidth = 0;
    int leftMargin = 2, rightMargin = 2; // pixels between the client edges and the text
    EditLayout layout;
    bool relayout = true;            // the text was replaced whole or the measures changed
    bool vbar = false, hbar = false; // made with WS_VSCROLL, WS_HSCROLL
    SCROLLINFO shown[2]{};           // what each bar was last told
};

bool multiline(HWND hwnd);
bool read_only(HWND hwnd);
// WM_COMMAND with code to the parent; false when the field is gone afterwards.
bool notify(HWND hwnd, const Edit& e, WORD code);

// ---- edit_view.cpp

HFONT font_of(const Edit& e);
// The font's measures, the tab stops and the password character as the field shows text now.
void measure(HWND hwnd, Edit& e);
// The text's rectangle in client coordinates: inside the margins, a pixel below the top.
RECT view_of(HWND hwnd, const Edit& e);
// Lines break at the field's width: multi-line without ES_AUTOHSCROLL and without WS_HSCROLL.
bool wraps(HWND hwnd, const Edit& e);
// The lines of the text, laid out again first when the width, font or tab stops changed.
const EditLayout& layout(HWND hwnd, Edit& e);
// The x of `to` from the start of the line starting at lineStart.
int advance(const Edit& e, std::size_t lineStart, std::size_t to);
// atLineEnd: a position where a wrapped line ends is shown at that line's end.
POINT pos_to_point(HWND hwnd, Edit& e, std::size_t pos, bool atLineEnd = false);
// The position nearest p; atLineEnd tells whether it is the end of a wrapped line.
std::size_t point_to_pos(HWND hwnd, Edit& e, POINT p, bool* atLineEnd = nullptr);
std::size_t caret_line(HWND hwnd, Edit& e);
int visible_lines(HWND hwnd, const Edit& e);
void scroll_to_caret(HWND hwnd, Edit& e);
// Keeps the first visible character in view while the lines are laid out anew.
void keep_first_visible(HWND hwnd, Edit& e);
// EM_LINESCROLL: columns of average width sideways, lines down (the last line may reach the top).
bool line_scroll(HWND hwnd, Edit& e, int columns, int lines);
// WM_VSCROLL/WM_HSCROLL (bar SB_VERT/SB_HORZ), EM_SCROLL; EN_VSCROLL/EN_HSCROLL for the arrows
// and the track. Returns the lines (or pixels) the code asks for, 0 for none.
int on_scroll(HWND hwnd, Edit& e, int bar, WPARAM wParam);
// The mouse wheel: lines of the wheel's notches, with EN_VSCROLL.
void wheel(HWND hwnd, Edit& e, int delta);
// Tells the window's scroll bars the text's extent and the view's place.
void sync_scroll_bars(HWND hwnd, Edit& e);
void redraw(HWND hwnd);
LRESULT on_paint(HWND hwnd, Edit& e);

} // namespace plat::edit
