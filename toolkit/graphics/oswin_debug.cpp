// The debug trace: the file "debug" in the current directory.
#include "graphics/oswin.h"

#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::size_t LineBuffer = 512;
constexpr std::size_t MaxText = LineBuffer - 3; // room for CR, LF and the terminator

int traceFile = -1;
bool traceOpened = false;

void write_line(const char* text, std::size_t length) {
    if (!traceOpened) {
        traceOpened = true;
        traceFile = ::open("debug", O_WRONLY | O_CREAT | O_TRUNC | O_APPEND | O_CLOEXEC, 0666);
    }
    if (traceFile < 0) return;
    char line[LineBuffer];
    const std::size_t n = length < MaxText ? length : MaxText;
    std::memcpy(line, text, n);
    line[n] = '\r';
    line[n + 1] = '\n';
    // A trace line that cannot be written is dropped; tracing never fails the caller.
    if (::write(traceFile, line, n + 2) < 0) return;
}

} // namespace

void xxdebugc(const char* text) {
    write_line(text, std::strlen(text));
}

void xxdebugi(const char* text, const int& value) {
    char line[LineBuffer];
    const int n = std::snprintf(line, sizeof line, "%s = %d", text, value);
    write_line(line, n < 0 ? 0 : static_cast<std::size_t>(n));
}

void xxdebug_(tess::TextRef text) {
    const std::string_view line = text.trimmed();
    write_line(line.data(), line.size());
}
