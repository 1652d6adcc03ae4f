// The demo's number conversions: a scanned number ends within the text at a blank, a comma or
// the end, and agrees with the whole-text conversion of its characters.
#include <cmath>
#include <cstdlib>
#include <string_view>

#include "number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    using namespace formaldrix;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const auto scanned = scan_real(text)) {
        if (scanned->end > text.size()) std::abort();
        if (scanned->end < text.size() && text[scanned->end] != ' ' && text[scanned->end] != ',')
            std::abort();
        if (!std::isfinite(scanned->value)) std::abort();
        const auto whole = text_to_real(text.substr(0, scanned->end));
        if (!whole || *whole != scanned->value) std::abort();
    }
    if (const auto real = text_to_real(text); real && !std::isfinite(*real)) std::abort();
    if (const auto integer = text_to_integer(text)) {
        const auto real = text_to_real(text);
        if (!real || *real != static_cast<double>(*integer)) std::abort();
    }
    return 0;
}
