// File routines of the operating-system layer.
#include "graphics/oswin.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int CreateMode = 0666;

int open_cloexec(const char* name, int flags) {
    int fd;
    do
        fd = ::open(name, flags | O_CLOEXEC, CreateMode);
    while (fd < 0 && errno == EINTR);
    return fd;
}

} // namespace

void xxopen_(const char* name, const int& mode, int& handle, int& status) {
    status = 0;
    if (mode == 1) {
        // Created, closed and opened again for writing: an existing file is always emptied.
        const int created = open_cloexec(name, O_WRONLY | O_CREAT | O_TRUNC);
        if (created < 0) {
            handle = -1;
            status = errno;
            return;
        }
        ::close(created);
        handle = open_cloexec(name, O_WRONLY);
    } else {
        handle = open_cloexec(name, mode == 0 ? O_RDONLY : O_RDWR);
    }
    if (handle < 0) {
        handle = -1;
        status = errno;
    }
}

void xxclos_(const int& handle) {
    if (handle >= 0) ::close(handle);
}

void xxread_(const int& handle, void* buffer, const int& count, int& bytesRead, int& status) {
    status = 0;
    bytesRead = 0;
    if (count <= 0) return;
    ssize_t n;
    do
        n = ::read(handle, buffer, static_cast<size_t>(count));
    while (n < 0 && errno == EINTR);
    if (n < 0) {
        status = errno;
        return;
    }
    bytesRead = static_cast<int>(n);
}

void xxreadc_(const int& handle, char* buffer, const int& count, int& bytesRead, int& status,
              int /*textLength*/) {
    xxread_(handle, buffer, count, bytesRead, status);
}

void xxwrit_(const int& handle, const void* buffer, const int& count, int& bytesWritten,
             int& status) {
    status = 0;
    bytesWritten = 0;
    const char* p = static_cast<const char*>(buffer);
    int done = 0;
    while (done < count) {
        const ssize_t n = ::write(handle, p + done, static_cast<size_t>(count - done));
        if (n < 0) {
            if (errno == EINTR) continue;
            status = errno;
            return;
        }
        done += static_cast<int>(n);
    }
    bytesWritten = done;
}

void xxwritc_(const int& handle, const char* buffer, const int& count, int& bytesWritten,
              int& status, int /*textLength*/) {
    xxwrit_(handle, buffer, count, bytesWritten, status);
}

void xxseek_(const int& handle, int& offset, const int& origin, int& status) {
    status = 0;
    const int whence = origin == 0 ? SEEK_SET : origin == 1 ? SEEK_CUR : SEEK_END;
    const off_t pos = ::lseek(handle, offset, whence);
    if (pos < 0) {
        status = errno;
        return;
    }
    if (pos > 0x7FFFFFFF) {
        status = EOVERFLOW;
        return;
    }
    offset = static_cast<int>(pos);
}

bool xxexist_(const char* name) {
    struct stat info {};
    return name && *name && ::stat(name, &info) == 0 && !S_ISDIR(info.st_mode);
}
