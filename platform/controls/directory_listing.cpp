#include "controls/directory_listing.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace plat {
namespace {

bool same(char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) ==
           std::tolower(static_cast<unsigned char>(b));
}

} // namespace

bool name_matches(std::string_view pattern, std::string_view name) {
    if (pattern == "*.*") return true;
    std::size_t p = 0, n = 0, starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || same(pattern[p], name[n]))) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

bool read_directory(const std::string& dir, bool hidden, std::vector<DirectoryEntry>& out) {
    out.clear();
    std::error_code ec;
    std::filesystem::directory_iterator it(dir.empty() ? "." : dir, ec);
    if (ec) return false;
    for (; it != std::filesystem::directory_iterator(); it.increment(ec)) {
        if (ec) return false;
        std::string name = it->path().filename().string();
        if (!hidden && !name.empty() && name[0] == '.') continue;
        std::error_code kindError;
        const bool isDir = it->is_directory(kindError);
        out.push_back({std::move(name), isDir && !kindError});
    }
    return true;
}

bool list_directory(const char* pattern, UINT attributes, std::vector<std::string>& out) {
    if (!pattern) return false;
    std::string spec = pattern;
    std::replace(spec.begin(), spec.end(), '\\', '/');
    const std::size_t slash = spec.rfind('/');
    const std::string dir = slash == std::string::npos ? "." : spec.substr(0, slash + 1);
    std::string mask = slash == std::string::npos ? spec : spec.substr(slash + 1);
    if (mask.empty()) mask = "*.*";
    std::vector<DirectoryEntry> entries;
    if (!read_directory(dir, attributes & DDL_HIDDEN, entries)) return false;
    std::vector<std::string> files, dirs;
    for (DirectoryEntry& e : entries) {
        if (!name_matches(mask, e.name)) continue;
        if (e.directory) {
            if (attributes & DDL_DIRECTORY) dirs.push_back("[" + e.name + "]");
        } else if (!(attributes & DDL_EXCLUSIVE)) {
            files.push_back(std::move(e.name));
        }
    }
    std::sort(files.begin(), files.end());
    std::sort(dirs.begin(), dirs.end());
    out = std::move(files);
    out.insert(out.end(), dirs.begin(), dirs.end());
    return true;
}

} // namespace plat
