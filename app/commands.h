// What the demo's commands do once their dialog has given them their input: evaluate the
// formula's texts and show the results; load results from a file and show them; save them.
#pragma once

#include <string_view>

#include "formula.h"
#include "result_file.h"

namespace formaldrix {

// OK in the formula dialog: false when a text does not convert, and then nothing is
// evaluated or shown (the results stay as they were).
bool evaluate_and_show(const FormulaTexts& texts);

// The results read from file and shown; on failure they and the display stay as they were.
FileError load_and_show(std::string_view file);
FileError save(std::string_view file);

// The menu commands "&Laden" and "&Speichern": the file selection, then the file; a cancelled
// selection does nothing, a failure is reported in a message box.
void load_command();
void save_command();

} // namespace formaldrix
