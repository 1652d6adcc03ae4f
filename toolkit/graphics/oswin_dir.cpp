// Environment, directory and file-management routines of the operating-system layer.
#include "graphics/oswin.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The directory of the system's shared libraries plays the part of the system directory.
constexpr const char* SystemDirectory = "/usr/lib";

void copy_terminated(const char* text, char* buffer, int size, int& status) {
    status = 0;
    if (size <= 0) {
        status = ERANGE;
        return;
    }
    const std::size_t n = std::strlen(text);
    if (n >= static_cast<std::size_t>(size)) {
        buffer[0] = '\0';
        status = ERANGE;
        return;
    }
    std::memcpy(buffer, text, n + 1);
}

void status_of(int result, int& status) {
    status = result == 0 ? 0 : errno;
}

bool copy_contents(int from, int to) {
    char block[65536];
    for (;;) {
        const ssize_t n = ::read(from, block, sizeof block);
        if (n == 0) return true;
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        for (ssize_t done = 0; done < n;) {
            const ssize_t w = ::write(to, block + done, static_cast<size_t>(n - done));
            if (w < 0) {
                if (errno == EINTR) continue;
                return false;
            }
            done += w;
        }
    }
}

} // namespace

void xxgenv_(int& length, const char* name, char* value, int /*ignored*/, const int& size) {
    const char* found = std::getenv(name);
    if (!found) {
        length = 0;
        return;
    }
    const std::size_t n = std::strlen(found);
    if (size <= 0 || n >= static_cast<std::size_t>(size)) {
        // Does not fit: report the size it would need, terminator included.
        length = n >= 0x7FFFFFFE ? 0x7FFFFFFF : static_cast<int>(n + 1);
        return;
    }
    std::memcpy(value, found, n + 1);
    length = static_cast<int>(n);
}

void xxsysdir_(char* buffer, int& status, const int& size) {
    copy_terminated(SystemDirectory, buffer, size, status);
}

void xxdirn_(char* buffer, int& status, const int& size) {
    status = 0;
    if (size <= 0) {
        status = ERANGE;
        return;
    }
    if (!::getcwd(buffer, static_cast<size_t>(size))) {
        buffer[0] = '\0';
        status = errno;
    }
}

void xxdirc_(const char* path, int& status) {
    status_of(::chdir(path), status);
}
void xxdirm_(const char* path, int& status) {
    status_of(::mkdir(path, 0777), status);
}
void xxdird_(const char* path, int& status) {
    status_of(::rmdir(path), status);
}
void xxdelf_(const char* name, int& status) {
    status_of(::unlink(name), status);
}
void xxrenf_(const char* oldName, const char* newName, int& status) {
    status_of(std::rename(oldName, newName), status);
}

void xxcopyf_(const char* source, const char* target, int& status) {
    status = 0;
    const int from = ::open(source, O_RDONLY | O_CLOEXEC);
    if (from < 0) {
        status = errno;
        return;
    }
    struct stat info {};
    if (::fstat(from, &info) != 0) {
        status = errno;
        ::close(from);
        return;
    }
    // The copy lands under a temporary name and replaces the target only when it is whole.
    const std::string temporary = std::string(target) + ".tmp-copy";
    const int to =
        ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, info.st_mode & 07777);
    if (to < 0) {
        status = errno;
        ::close(from);
        return;
    }
    bool ok = copy_contents(from, to);
    int failure = ok ? 0 : errno;
    ::close(from);
    if (::close(to) != 0 && ok) {
        ok = false;
        failure = errno;
    }
    if (ok && std::rename(temporary.c_str(), target) != 0) {
        ok = false;
        failure = errno;
    }
    if (!ok) {
        ::unlink(temporary.c_str());
        status = failure ? failure : EIO;
    }
}
