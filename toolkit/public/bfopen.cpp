#include "public/bfopen.h"

#include <algorithm>
#include <cerrno>
#include <string>

#include "graphics/oswin.h"
#include "public/strint.h"
#include "util/error_record.h"

namespace {

constexpr int ErrorOpen = 1;
constexpr int ErrorRead = 2;
constexpr std::size_t MaxNameLength = 255;

void open_failed(int& handle, int status) {
    handle = -1;
    xxerror_(ErrorOpen);
    xxsetfilestatus_(status);
}

void read_into(const int& handle, void* buffer, std::size_t capacity, const int& count,
               int& bytesRead) {
    const int asked = std::clamp<long long>(count, 0, static_cast<long long>(capacity));
    int status = 0;
    xxread_(handle, buffer, asked, bytesRead, status);
    if (status != 0) {
        bytesRead = -1;
        xxerror_(ErrorRead);
        xxsetfilestatus_(status);
    }
}

} // namespace

void IFileOpen(TextRef name, const int& mode, int& handle) {
    const int last = IActualLength(name);
    if (last == 0) return open_failed(handle, 0);
    const int first = ILocateChar(name);
    const std::size_t length = std::min<std::size_t>(last - first + 1, MaxNameLength);
    const std::string terminated(name.data() + first - 1, length);
    if (mode < 0 || mode > 2) return open_failed(handle, 0);
    // A NUL inside the name would silently shorten it: refuse rather than open another file.
    if (terminated.find('\0') != std::string::npos) return open_failed(handle, ENOENT);
    int status = 0;
    xxopen_(terminated.c_str(), mode, handle, status);
    if (handle < 0) open_failed(handle, status);
}

void IFileClose(const int& handle) {
    xxclos_(handle);
}

void IFileRead(const int& handle, std::span<std::byte> buffer, const int& count, int& bytesRead) {
    read_into(handle, buffer.data(), buffer.size(), count, bytesRead);
}

void IFileReadChar(const int& handle, TextRef buffer, const int& count, int& bytesRead) {
    char* p = buffer.mutable_data();
    if (!p) {
        // An input-only text cannot receive bytes.
        bytesRead = -1;
        xxerror_(ErrorRead);
        xxsetfilestatus_(EFAULT);
        return;
    }
    read_into(handle, p, buffer.size(), count, bytesRead);
}
