// The controls example's frame: one of each control class of the layer, and a status line that
// shows the last notification a control sent, as "<notification> <control id> <detail>".
#pragma once

#include <cstdio>
#include <string>

#include <windows.h>

namespace controls_example {

constexpr char WindowTitle[] = "Tessaramond-Steuerelemente";
constexpr char WindowClass[] = "TessControls";

// Registers the class and opens the frame; null when that fails.
HWND create_controls_window(HINSTANCE instance, int show);

// What the status line shows.
std::string status_text(HWND frame);

// Also write each status line to this stream (null: nowhere), flushed line by line.
void set_status_log(std::FILE* log);

// One message of the loop: the keyboard interface of a dialog for the frame's controls, else
// translated and dispatched.
void handle_message(HWND frame, MSG& msg);

// The message loop; returns the exit code.
int run_controls(HINSTANCE instance, int show);

} // namespace controls_example
