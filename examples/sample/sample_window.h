// The sample program's frame: a menu bar from its resources and a few lines of text: what the
// user types, and what the dialogs of the Extras menu answered.
#pragma once

#include <windows.h>

namespace sample {

constexpr char WindowTitle[] = "Tessaramond-Beispiel";
constexpr char WindowClass[] = "TessSample";

// Where the painting puts things, in client coordinates: tests look there.
constexpr int TextLeft = 10;
constexpr int LineHeight = 24;
constexpr RECT ColourBar{10, 110, 110, 120};
// The text line (of LineHeight each, from 10) of the details dialog's answer; the question's
// answer is the line below it.
constexpr int DetailsLine = 5;

// Registers the class and opens the frame; null when that fails.
HWND create_sample_window(HINSTANCE instance, int show);

// The typed text of a sample window.
const char* typed_text(HWND hwnd);

// The message loop with the frame's accelerators; returns the exit code.
int run_sample(HINSTANCE instance, int show);

} // namespace sample
