// The result file: ten text lines, each a blank, x, a blank and y written with 16 significant
// digits; read back list-directed (values separated by blanks, a comma or the end of a line).
#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <string_view>

#include "formula.h"

namespace formaldrix {

enum class FileError { None, CannotOpen, CannotRead, TooFewNumbers, NotANumber, CannotWrite };

// The message for the user (Windows-1252), empty for None.
std::string_view file_error_text(FileError error);

// 16 significant digits: fixed for 0.1 <= |v| < 1e16 after rounding (-12.0 gives
// -12.00000000000000), otherwise one digit, 15 decimals and an exponent of at least two digits
// (0.0 gives 0.000000000000000E+00).
std::string real16(double v);

std::string result_file_text(const Points& xs, const Points& ys);

// Ten reads of x and y, each starting on a new line and going on to the following lines while
// it lacks a value; values after the second on a line are ignored. xs and ys change only when
// all twenty values were read.
FileError read_results(std::istream& in, Points& xs, Points& ys);
FileError load_results(const std::filesystem::path& file, Points& xs, Points& ys);

// Writes a temporary file beside the target and renames it over the target, so a failure
// leaves the previous file as it was and no half-written one.
FileError save_results(const std::filesystem::path& file, const Points& xs, const Points& ys);

} // namespace formaldrix
