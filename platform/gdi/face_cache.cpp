#include "gdi/face_cache.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace plat {
namespace {

constexpr const char* Magic = "tessaramond-faces 1";

std::string env(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}

// $VAR, or $HOME/<fallback> when VAR is unset or empty.
std::string xdg_folder(const char* var, const char* fallback) {
    std::string v = env(var);
    if (!v.empty()) return v;
    const std::string home = env("HOME");
    return home.empty() ? "" : home + "/" + fallback;
}

bool same_query(const FaceQuery& a, const FaceQuery& b) {
    return a.family == b.family && a.bold == b.bold && a.italic == b.italic;
}

// Tabs and line ends separate the fields; names holding them are not kept.
bool storable(const std::string& s) {
    return s.find_first_of("\t\n\r") == std::string::npos;
}

} // namespace

std::string format_face_cache(const std::string& stamp, const std::vector<FaceAnswer>& answers) {
    std::string out = std::string(Magic) + "\n" + stamp + "\n";
    for (const FaceAnswer& a : answers) {
        if (!storable(a.query.family) || !storable(a.face.path) || !storable(a.face.family))
            continue;
        out += a.query.family + "\t" + (a.query.bold ? "1" : "0") + "\t" +
               (a.query.italic ? "1" : "0") + "\t" + a.face.path + "\t" +
               std::to_string(a.face.index) + "\t" + a.face.family + "\n";
    }
    return out;
}

std::vector<FaceAnswer> parse_face_cache(const std::string& text, const std::string& stamp) {
    std::vector<FaceAnswer> out;
    std::istringstream in(text);
    std::string line;
    if (!std::getline(in, line) || line != Magic) return out;
    if (!std::getline(in, line) || line != stamp) return out;
    while (std::getline(in, line)) {
        std::vector<std::string> f;
        std::size_t start = 0;
        for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
            f.push_back(line.substr(start, tab - start));
        f.push_back(line.substr(start));
        if (f.size() != 6 || f[0].empty() || f[3].empty() || (f[1] != "0" && f[1] != "1") ||
            (f[2] != "0" && f[2] != "1"))
            continue;
        char* end = nullptr;
        const long index = std::strtol(f[4].c_str(), &end, 10);
        if (f[4].empty() || *end || index < 0 || index > 0xFFFF) continue;
        out.push_back({{f[0], f[1] == "1", f[2] == "1"}, {f[3], static_cast<int>(index), f[5]}});
    }
    return out;
}

std::string fontconfig_stamp() {
    const std::string config = xdg_folder("XDG_CONFIG_HOME", ".config");
    const std::string cache = xdg_folder("XDG_CACHE_HOME", ".cache");
    const std::string data = xdg_folder("XDG_DATA_HOME", ".local/share");
    const std::string home = env("HOME");
    const std::string fcFile = env("FONTCONFIG_FILE");
    const std::string paths[] = {
        fcFile.empty() ? "/etc/fonts/fonts.conf" : fcFile,
        "/etc/fonts/conf.d",
        config + "/fontconfig",
        config + "/fontconfig/fonts.conf",
        config + "/fontconfig/conf.d",
        home + "/.fonts.conf",
        home + "/.fonts.conf.d",
        "/var/cache/fontconfig",
        cache + "/fontconfig",
        "/usr/share/fonts",
        "/usr/local/share/fonts",
        data + "/fonts",
        home + "/.fonts",
    };
    std::string out =
        env("FONTCONFIG_FILE") + ";" + env("FONTCONFIG_PATH") + ";" + env("FONTCONFIG_SYSROOT");
    for (const std::string& p : paths) {
        struct stat st {};
        char item[64];
        if (::stat(p.c_str(), &st) == 0)
            std::snprintf(item, sizeof item, ";%lld.%09ld",
                          static_cast<long long>(st.st_mtim.tv_sec),
                          static_cast<long>(st.st_mtim.tv_nsec));
        else
            std::snprintf(item, sizeof item, ";-");
        out += item;
    }
    return out;
}

std::string face_cache_path() {
    const std::string cache = xdg_folder("XDG_CACHE_HOME", ".cache");
    return cache.empty() ? "" : cache + "/tessaramond/faces";
}

FaceCache::FaceCache(std::string path, std::string stamp) : path_(std::move(path)) {
    if (path_.empty()) return;
    std::ifstream in(path_, std::ios::binary);
    if (!in) return;
    std::ostringstream text;
    text << in.rdbuf();
    answers_ = parse_face_cache(text.str(), stamp);
}

std::optional<FaceFile> FaceCache::find(const FaceQuery& query) const {
    for (const FaceAnswer& a : answers_)
        if (same_query(a.query, query)) return a.face;
    return std::nullopt;
}

void FaceCache::forget(const FaceQuery& query) {
    std::erase_if(answers_, [&](const FaceAnswer& a) { return same_query(a.query, query); });
}

void FaceCache::remember(const FaceQuery& query, const FaceFile& face, const std::string& stamp) {
    forget(query);
    answers_.push_back({query, face});
    if (path_.empty()) return;
    // A cache that cannot be written costs the next start its time and nothing else, so a
    // failure here is not the user's concern. Written whole and renamed into place, so a
    // reader never sees half a file.
    const std::size_t slash = path_.rfind('/');
    if (slash != std::string::npos && slash > 0) {
        const std::string folder = path_.substr(0, slash);
        const std::size_t parent = folder.rfind('/');
        if (parent != std::string::npos && parent > 0)
            ::mkdir(folder.substr(0, parent).c_str(), 0700);
        ::mkdir(folder.c_str(), 0700);
    }
    const std::string temp = path_ + ".tmp" + std::to_string(::getpid());
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out << format_face_cache(stamp, answers_);
        if (!out.flush()) {
            out.close();
            std::remove(temp.c_str());
            return;
        }
    }
    if (std::rename(temp.c_str(), path_.c_str()) != 0) std::remove(temp.c_str());
}

} // namespace plat
