// Time and system queries of the operating-system layer.
#include "graphics/oswin.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <string>
#include <sys/statvfs.h>
#include <sys/utsname.h>
#include <unistd.h>

namespace {

// This platform is the full 32-bit family: no 16-bit-hosted or consumer-line paths.
constexpr int VariantFullFamily = 4;

void local_now(struct tm& local, int& millisecond) {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    const time_t seconds = now.tv_sec;
    ::localtime_r(&seconds, &local);
    millisecond = static_cast<int>(now.tv_nsec / 1000000);
}

void copy_cut(const std::string& text, char* buffer, int size) {
    if (size <= 0) return;
    const std::size_t n = std::min(text.size(), static_cast<std::size_t>(size - 1));
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
}

} // namespace

void xxdate_(int& year, int& month, int& day) {
    struct tm local {};
    int ms;
    local_now(local, ms);
    year = local.tm_year + 1900;
    month = local.tm_mon + 1;
    day = local.tm_mday;
}

void xxtime_(int& hour, int& minute, int& second, int& millisecond) {
    struct tm local {};
    local_now(local, millisecond);
    hour = local.tm_hour;
    minute = local.tm_min;
    second = local.tm_sec;
}

void xxmwincurrtime_(int& ticks) {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    // A 32-bit millisecond counter, as the tick count of the original platform, then tenths.
    const auto ms = static_cast<std::uint32_t>(static_cast<std::uint64_t>(now.tv_sec) * 1000u +
                                               static_cast<std::uint64_t>(now.tv_nsec) / 1000000u);
    ticks = static_cast<int>(ms / 10u);
}

void xxdspace_(int& bytes) {
    struct statvfs info {};
    if (::statvfs(".", &info) != 0) {
        bytes = 0;
        return;
    }
    // Saturates rather than wrapping: a large disk must not look full.
    const unsigned long long space = static_cast<unsigned long long>(info.f_bavail) *
                                     static_cast<unsigned long long>(info.f_frsize);
    bytes = static_cast<int>(std::min<unsigned long long>(space, 0x7FFFFFFFull));
}

void xxmwinver_(int& major, int& minor) {
    major = 0;
    minor = 0;
    struct utsname name {};
    if (::uname(&name) != 0) return;
    std::sscanf(name.release, "%d.%d", &major, &minor);
}

void xxmwinvariant_(int& variant) {
    variant = VariantFullFamily;
}

void xxgetcl_(char* buffer, const int& size) {
    std::string line;
    const int fd = ::open("/proc/self/cmdline", O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        char block[4096];
        ssize_t n;
        while ((n = ::read(fd, block, sizeof block)) > 0)
            line.append(block, static_cast<size_t>(n));
        ::close(fd);
    }
    while (!line.empty() && line.back() == '\0')
        line.pop_back();
    std::replace(line.begin(), line.end(), '\0', ' ');
    copy_cut(line, buffer, size);
}

void xxgetexe_(char* buffer, const int& size) {
    char path[4096];
    const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
    copy_cut(n > 0 ? std::string(path, static_cast<size_t>(n)) : std::string(), buffer, size);
}

[[noreturn]] void xxexit_(const int& code) {
    std::fflush(nullptr);
    std::_Exit(code);
}
