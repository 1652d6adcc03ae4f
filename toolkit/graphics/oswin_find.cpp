// Directory search of the operating-system layer: one search at a time.
#include "graphics/oswin.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fnmatch.h>
#include <string>
#include <sys/stat.h>

namespace {

struct FindState {
    DIR* dir = nullptr;
    std::string directory; // with its trailing separator, or empty for the current directory
    std::string pattern;
};

FindState findState;

constexpr int NoMoreFiles = 1;

void close_search() {
    if (findState.dir) ::closedir(findState.dir);
    findState.dir = nullptr;
}

int attributes_of(const std::string& name, const struct stat& info) {
    int attributes = 0;
    if (S_ISDIR(info.st_mode))
        attributes |= FileAttributeDirectory;
    else
        attributes |= FileAttributeArchive;
    if ((info.st_mode & 0222) == 0) attributes |= FileAttributeReadOnly;
    if (!name.empty() && name[0] == '.' && name != "." && name != "..")
        attributes |= FileAttributeHidden;
    return attributes;
}

int packed_local_time(time_t t) {
    struct tm local {};
    if (!::localtime_r(&t, &local)) return 0;
    return xxpackdatetime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                          local.tm_min, local.tm_sec);
}

// Reports the next entry that matches, or status 1 when there is none.
void next_match(char* name, int nameSize, int& attributes, int& dateTime, int& size, int& status) {
    while (findState.dir) {
        errno = 0;
        const dirent* entry = ::readdir(findState.dir);
        if (!entry) break;
        if (::fnmatch(findState.pattern.c_str(), entry->d_name, FNM_PERIOD) != 0) continue;
        const std::string found = entry->d_name;
        struct stat info {};
        if (::stat((findState.directory + found).c_str(), &info) != 0) continue;
        if (found.size() >= static_cast<std::size_t>(nameSize)) continue;
        std::memcpy(name, found.c_str(), found.size() + 1);
        attributes = attributes_of(found, info);
        dateTime = packed_local_time(info.st_mtime);
        size = static_cast<int>(static_cast<unsigned long long>(info.st_size) & 0xFFFFFFFFu);
        status = 0;
        return;
    }
    status = NoMoreFiles;
}

} // namespace

int xxpackdatetime(int year, int month, int day, int hour, int minute, int second) {
    // DOS dates count from 1980; earlier times are reported as the first day.
    if (year < 1980) return (1 << 5 | 1) << 16;
    if (year > 2107) year = 2107;
    const unsigned date = static_cast<unsigned>((year - 1980) << 9 | month << 5 | day);
    const unsigned time = static_cast<unsigned>(hour << 11 | minute << 5 | second / 2);
    return static_cast<int>(date << 16 | time);
}

void xxfind_(const int& mode, char* name, const int& nameSize, int& attributes, int& dateTime,
             int& size, int& status) {
    if (nameSize <= 0) {
        status = ERANGE;
        return;
    }
    if (mode != 0) {
        next_match(name, nameSize, attributes, dateTime, size, status);
        return;
    }
    close_search();
    const std::string spec(name, ::strnlen(name, static_cast<std::size_t>(nameSize)));
    const std::size_t slash = spec.rfind('/');
    findState.directory = slash == std::string::npos ? "" : spec.substr(0, slash + 1);
    findState.pattern = slash == std::string::npos ? spec : spec.substr(slash + 1);
    findState.dir = ::opendir(findState.directory.empty() ? "." : findState.directory.c_str());
    if (!findState.dir) {
        status = errno;
        return;
    }
    next_match(name, nameSize, attributes, dateTime, size, status);
    // A first search without any match fails as a missing file does.
    if (status == NoMoreFiles) {
        close_search();
        status = ENOENT;
    }
}

void xxfindclose_() {
    close_search();
}
