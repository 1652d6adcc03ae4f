// The records the public routines share (tessar01 to tessar05), with the fields the routines
// describe. They live in the toolkit context beside the core's state.
#pragma once

#include <array>

namespace tess {

// Window state.
struct Tessar01 {
    int screenWidth = 0; // pixels, from the display at start-up
    int screenHeight = 0;
    int windowWidth = 0; // client size of the current window, pixels
    int windowHeight = 0;
    int rootOpen = 0; // 1 between WindowOpen and WindowClose
    int currentWindow = 0;
    int screenColours = 0;
    std::array<int, 21> windowFlags{}; // the Flags each window was opened with
};

// Text-output mode: two characters; strings are written only while the second is a blank. Both
// are zero bytes until WindowOpen, so output before it is dropped.
struct Tessar02 {
    std::array<char, 2> textMode{};
};

// Text state: one for the whole toolkit, not per window.
struct Tessar03 {
    int cursorX = 0; // window units: where the last string ended
    int cursorY = 0;
    int foreground = 0; // colour index 0..16
    int background = 0; // colour index 0..16; 16 = the system window colour
    int underline = 0;  // 0 or 1
    int bold = 0;
    int italic = 0;
    // Pixels: the text font's average character width and cell height after each creation;
    // after WindowFont with a typeface outside 0..6, the size asked for.
    int charWidthPixels = 0;
    int charHeightPixels = 0;
    int typeface = 0; // 0..6
    // Window units: the size last asked for, from which the font is re-created for each window.
    int charWidth = 0;
    int charHeight = 0;
};

// Dialog state.
struct Tessar04 {
    int exitField = 0;         // after a modal display: the field that ended it
    int currentDialog = 0;     // identifier of the current dialog; 0 = none
    int exitDialog = 0;        // after a modal display: the dialog that was active
    int exitPreviousField = 0; // after a modal display: the field before the last one
    int commonResult = 0;      // result of the last message box or file selection
};

// The directory separator, a character code.
struct Tessar05 {
    int directorySeparator = 0;
};

} // namespace tess
