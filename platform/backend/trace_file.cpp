#include "backend/trace_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

#include "window/message_queue.h"

namespace plat {
namespace {

int& trace_fd() {
    static int fd = -1;
    return fd;
}

std::string format(const char* fmt, auto... args) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, fmt, args...);
    return buffer;
}

void write_line(void*, HWND, UINT message, WPARAM wParam, LPARAM lParam, bool posted) {
    const std::string line = trace_line(message, wParam, lParam, posted);
    if (line.empty()) return;
    const std::string out = line + '\n';
    // One write per line on an O_APPEND descriptor: a reader never sees half a line, even when
    // the program is killed.
    [[maybe_unused]] const ssize_t n = ::write(trace_fd(), out.data(), out.size());
}

} // namespace

std::string trace_line(UINT message, WPARAM wParam, LPARAM lParam, bool posted) {
    const auto x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
    const auto lp = static_cast<unsigned long>(static_cast<DWORD>(lParam));
    // Input is traced as dispatched from the queue; commands, closing and sizing as sent too.
    if (posted) switch (message) {
        case WM_KEYDOWN:
            return format("WM_KEYDOWN vk=0x%02X lparam=0x%08lX", unsigned(wParam), lp);
        case WM_KEYUP:
            return format("WM_KEYUP vk=0x%02X lparam=0x%08lX", unsigned(wParam), lp);
        case WM_SYSKEYDOWN:
            return format("WM_SYSKEYDOWN vk=0x%02X lparam=0x%08lX", unsigned(wParam), lp);
        case WM_SYSKEYUP:
            return format("WM_SYSKEYUP vk=0x%02X lparam=0x%08lX", unsigned(wParam), lp);
        case WM_CHAR:
            return format("WM_CHAR 0x%02X", unsigned(wParam & 0xFF));
        case WM_SYSCHAR:
            return format("WM_SYSCHAR 0x%02X", unsigned(wParam & 0xFF));
        case WM_LBUTTONDOWN:
            return format("WM_LBUTTONDOWN %d %d", x, y);
        case WM_LBUTTONUP:
            return format("WM_LBUTTONUP %d %d", x, y);
        case WM_LBUTTONDBLCLK:
            return format("WM_LBUTTONDBLCLK %d %d", x, y);
        case WM_RBUTTONDOWN:
            return format("WM_RBUTTONDOWN %d %d", x, y);
        case WM_MBUTTONDOWN:
            return format("WM_MBUTTONDOWN %d %d", x, y);
        case WM_MOUSEWHEEL:
            return format("WM_MOUSEWHEEL %d", static_cast<SHORT>(HIWORD(wParam)));
        case WM_NCLBUTTONDOWN:
            return format("WM_NCLBUTTONDOWN hit=%d", int(wParam));
        default:
            break;
        }
    switch (message) {
    case WM_COMMAND:
        return format("WM_COMMAND id=%u", unsigned(LOWORD(wParam)));
    case WM_SYSCOMMAND:
        return format("WM_SYSCOMMAND 0x%04X", unsigned(wParam & 0xFFF0));
    case WM_CLOSE:
        return "WM_CLOSE";
    case WM_SIZE:
        return format("WM_SIZE %u %d %d", unsigned(wParam), int(LOWORD(lParam)),
                      int(HIWORD(lParam)));
    case WM_ACTIVATE:
        return format("WM_ACTIVATE %u", unsigned(LOWORD(wParam)));
    case WM_INITMENUPOPUP:
        return "WM_INITMENUPOPUP";
    default:
        return {};
    }
}

bool start_trace_file(const std::string& path, std::string& reason) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) {
        reason = "cannot open the trace file " + path + ": " + std::strerror(errno);
        return false;
    }
    trace_fd() = fd;
    set_message_trace(write_line, nullptr);
    return true;
}

void stop_trace_file() {
    if (trace_fd() < 0) return;
    set_message_trace(nullptr, nullptr);
    ::close(trace_fd());
    trace_fd() = -1;
}

} // namespace plat
