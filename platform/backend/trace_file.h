// TESS_TRACE=<file>: a program appends one line per input, command and close message it handles,
// so a test driving it from outside can see what arrived.
#pragma once

#include <string>

#include <windows.h>

namespace plat {

bool start_trace_file(const std::string& path, std::string& reason);
void stop_trace_file();

// The line written for a message, or an empty string for messages the trace leaves out.
std::string trace_line(UINT message, WPARAM wParam, LPARAM lParam, bool posted);

} // namespace plat
