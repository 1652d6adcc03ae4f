// The demo's result-file reader: the points change only on a complete read, and what was read
// is written and read back to the same points.
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>

#include "result_file.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    using namespace formaldrix;
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    Points xs{}, ys{};
    xs.fill(-7.0);
    ys.fill(-7.0);
    const FileError error = read_results(in, xs, ys);
    if (error != FileError::None) {
        for (std::size_t i = 0; i < xs.size(); ++i)
            if (xs[i] != -7.0 || ys[i] != -7.0) std::abort();
        if (file_error_text(error).empty()) std::abort();
        return 0;
    }
    std::istringstream written(result_file_text(xs, ys));
    Points xs2{}, ys2{};
    if (read_results(written, xs2, ys2) != FileError::None) std::abort();
    // Sixteen significant digits hold a double to within 1e-15 of itself.
    auto near = [](double a, double b) { return std::fabs(a - b) <= 1e-15 * std::fabs(a); };
    for (std::size_t i = 1; i < xs.size(); ++i)
        if (!near(xs[i], xs2[i]) || !near(ys[i], ys2[i])) std::abort();
    return 0;
}
