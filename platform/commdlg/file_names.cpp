#include "commdlg/file_names.h"

#include <climits>
#include <cstring>

#include "controls/directory_listing.h"

namespace plat {
namespace {

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

} // namespace

std::vector<FileFilter> parse_filters(const char* filter, std::size_t maxBytes) {
    std::vector<FileFilter> out;
    if (!filter) return out;
    std::size_t pos = 0;
    // Each string ends at its NUL; an unterminated list ends at the limit.
    auto next = [&](std::string& s) {
        s.clear();
        while (pos < maxBytes && filter[pos])
            s.push_back(filter[pos++]);
        if (pos >= maxBytes) return false;
        ++pos;
        return !s.empty();
    };
    std::string description, patterns;
    while (next(description) && next(patterns)) {
        FileFilter f;
        f.description = description;
        f.patterns = split_patterns(patterns);
        if (!f.patterns.empty()) out.push_back(std::move(f));
    }
    return out;
}

std::vector<std::string> split_patterns(std::string_view list) {
    std::vector<std::string> out;
    while (!list.empty()) {
        const std::size_t semi = list.find(';');
        const std::string_view one = trim(list.substr(0, semi));
        if (!one.empty()) out.emplace_back(one);
        list = semi == std::string_view::npos ? std::string_view() : list.substr(semi + 1);
    }
    return out;
}

bool has_wildcards(std::string_view text) {
    return text.find_first_of("*?") != std::string_view::npos;
}

bool matches_any(const std::vector<std::string>& patterns, std::string_view name) {
    for (const std::string& p : patterns)
        if (name_matches(p, name)) return true;
    return false;
}

std::string filter_extension(const FileFilter& filter) {
    if (filter.patterns.empty()) return {};
    const std::string& first = filter.patterns.front();
    if (first.size() < 3 || first.compare(0, 2, "*.") != 0) return {};
    const std::string ext = first.substr(2);
    if (has_wildcards(ext) || ext.find('.') != std::string::npos) return {};
    return ext;
}

std::string normalise_path(std::string_view absolute) {
    std::vector<std::string_view> parts;
    std::size_t i = 0;
    while (i < absolute.size()) {
        const std::size_t slash = absolute.find('/', i);
        const std::size_t end = slash == std::string_view::npos ? absolute.size() : slash;
        const std::string_view part = absolute.substr(i, end - i);
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        i = end + 1;
    }
    std::string out;
    for (std::string_view p : parts) {
        out.push_back('/');
        out.append(p);
    }
    return out.empty() ? "/" : out;
}

std::string resolve_path(const std::string& dir, std::string_view typed) {
    if (!typed.empty() && typed.front() == '/') return normalise_path(typed);
    return normalise_path(dir + "/" + std::string(typed));
}

std::string directory_part(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string name_part(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string join_path(const std::string& dir, std::string_view name) {
    std::string out = dir;
    if (out.empty() || out.back() != '/') out.push_back('/');
    out.append(name);
    return out;
}

std::size_t extension_offset(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    const std::size_t start = slash == std::string_view::npos ? 0 : slash + 1;
    const std::size_t dot = path.rfind('.');
    if (dot == std::string_view::npos || dot <= start) return std::string_view::npos;
    return dot + 1;
}

std::string with_default_extension(const std::string& path, const char* defaultExtension,
                                   const std::string& filterExtension) {
    if (!defaultExtension || extension_offset(path) != std::string::npos) return path;
    const std::string ext = *defaultExtension
                                ? std::string(defaultExtension, strnlen(defaultExtension, 3))
                                : filterExtension;
    if (ext.empty() || name_part(path).empty()) return path;
    return path + "." + ext;
}

bool valid_path(std::string_view path) {
    if (path.empty() || path.size() >= PATH_MAX) return false;
    std::size_t run = 0;
    for (char c : path) {
        run = c == '/' ? 0 : run + 1;
        if (run > NAME_MAX) return false;
    }
    return true;
}

std::vector<std::string> split_typed_names(std::string_view text) {
    const std::string_view trimmed = trim(text);
    std::vector<std::string> out;
    if (trimmed.empty() || trimmed.front() != '"') {
        if (!trimmed.empty()) out.emplace_back(trimmed);
        return out;
    }
    std::size_t i = 0;
    while (i < trimmed.size()) {
        const std::size_t open = trimmed.find('"', i);
        if (open == std::string_view::npos) break;
        const std::size_t close = trimmed.find('"', open + 1);
        const std::size_t end = close == std::string_view::npos ? trimmed.size() : close;
        const std::string_view name = trimmed.substr(open + 1, end - open - 1);
        if (!name.empty()) out.emplace_back(name);
        i = end + 1;
    }
    return out;
}

std::string quote_names(const std::vector<std::string>& names) {
    if (names.size() == 1) return names.front();
    std::string out;
    for (const std::string& n : names) {
        if (!out.empty()) out.push_back(' ');
        out += "\"" + n + "\"";
    }
    return out;
}

FileResult single_file_result(const std::string& path, bool multipleAllowed) {
    FileResult r;
    r.bytes = path;
    r.bytes.push_back('\0');
    if (multipleAllowed) r.bytes.push_back('\0');
    const std::size_t slash = path.rfind('/');
    r.fileOffset = static_cast<WORD>(slash == std::string::npos ? 0 : slash + 1);
    const std::size_t ext = extension_offset(path);
    if (ext == std::string::npos)
        r.extensionOffset = static_cast<WORD>(path.size());
    else if (ext == path.size()) // typed with a final dot
        r.extensionOffset = 0;
    else
        r.extensionOffset = static_cast<WORD>(ext);
    return r;
}

FileResult multiple_file_result(const std::string& dir, const std::vector<std::string>& names,
                                char separator) {
    FileResult r;
    r.bytes = dir;
    for (const std::string& n : names) {
        r.bytes.push_back(separator);
        r.bytes += n;
    }
    r.bytes.push_back('\0');
    r.bytes.push_back('\0');
    r.fileOffset = static_cast<WORD>(dir.size() + 1);
    r.extensionOffset = 0;
    return r;
}

bool store_result(const FileResult& result, char* buffer, DWORD size) {
    if (!buffer) return false;
    if (result.bytes.size() <= size) {
        std::memcpy(buffer, result.bytes.data(), result.bytes.size());
        return true;
    }
    const std::size_t needed = result.bytes.size();
    const WORD word = needed > 0xFFFF ? 0xFFFF : static_cast<WORD>(needed);
    if (size >= 2) {
        buffer[0] = static_cast<char>(word & 0xFF);
        buffer[1] = static_cast<char>(word >> 8);
    }
    return false;
}

} // namespace plat
