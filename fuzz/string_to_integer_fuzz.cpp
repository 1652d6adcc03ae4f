// IStringToInteger against the standard conversion: whenever it reports no error, the first
// word is a whole integer of that value (a word that is only a sign counts as 0); whenever the
// first word is a whole integer of at most nine digits, it converts without an error.
#include <charconv>
#include <cstdlib>
#include <string_view>

#include "public/infoerr.h"
#include "public/strint.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    InfoError(1);
    int value = -1;
    IStringToInteger(TextRef(text), value);
    const int error = InfoError(1);

    const std::size_t first = text.find_first_not_of(' ');
    std::string_view word =
        first == std::string_view::npos ? std::string_view{} : text.substr(first);
    word = word.substr(0, word.find(' '));
    const bool negative = !word.empty() && word[0] == '-';
    std::string_view digits = word;
    if (!digits.empty() && (digits[0] == '-' || digits[0] == '+')) digits.remove_prefix(1);
    long long magnitude = 0;
    const char* end = digits.data() + digits.size();
    const auto parsed = std::from_chars(digits.data(), end, magnitude);
    const bool loneSign = word.size() == 1 && digits.empty();
    const bool whole = loneSign || (!digits.empty() && digits[0] != '-' && digits[0] != '+' &&
                                    parsed.ec == std::errc{} && parsed.ptr == end);
    const long long expected = negative ? -magnitude : magnitude;

    if (error == 0 && (!whole || expected != value)) std::abort();
    if (error != 0 && value != 0) std::abort();
    if (whole && digits.size() <= 9 && error != 0) std::abort();
    return 0;
}
