// yyAsciiToDouble on any NUL-terminated text: it never reads past the terminator, and a short
// text it calls valid holds the value the standard conversion finds in it. Below the normal
// range the steps of a tenth each round to the nearest subnormal, so there the bound is two of
// those instead of a relative one.
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <string>

#include "dialogs/wfield_number.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    const std::string terminated = text.c_str(); // what the routine sees of it
    int valid = -1;
    const double value = yyAsciiToDouble(terminated.c_str(), valid);
    if (valid != 0 && valid != 1) std::abort();
    if (!valid || terminated.size() > 24) return 0;

    std::string c_form = terminated;
    for (char& c : c_form)
        if (c == 'd' || c == 'D') c = 'E';
    const double expected = std::strtod(c_form.c_str(), nullptr);
    const double bound = std::fmax(1e-12 * std::fabs(expected), 2 * DBL_TRUE_MIN);
    if (std::isnan(value) || std::fabs(value - expected) > bound) std::abort();
    return 0;
}
