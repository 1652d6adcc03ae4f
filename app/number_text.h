// Numbers as the user types them into the formula dialog and as the result file holds them:
// leading blanks skipped, the number ends at the first blank or comma or at the end of the text,
// and whatever follows it is ignored.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace formaldrix {

// The number at the start of text (after blanks) and how many characters it took, blanks
// included; nullopt when the characters up to the end of the number are not one.
struct ScannedReal {
    double value;
    std::size_t end;
};
std::optional<ScannedReal> scan_real(std::string_view text);

// An optional sign, digits with or without a decimal point, and an optional exponent introduced
// by E or D: 1, -12.0, 2.5E3, .5, 1D-3. A value too large for a double is refused.
std::optional<double> text_to_real(std::string_view text);
// An optional sign and digits only, within the 32-bit range: 4 converts, 4.0 does not.
std::optional<int> text_to_integer(std::string_view text);

} // namespace formaldrix
