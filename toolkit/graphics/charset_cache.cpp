// The cache of loaded sets lives for the process, like the probing of the standard files.
#include <algorithm>

#include "graphics/charset.h"

namespace tess {

namespace {

std::string_view stored_name(const std::array<char, CharNameLength>& name) {
    std::size_t n = name.size();
    while (n > 0 && (name[n - 1] == ' ' || name[n - 1] == '\0'))
        --n;
    return {name.data(), n};
}

void store_name(std::array<char, CharNameLength>& store, std::string_view name) {
    store.fill(' ');
    std::copy_n(name.begin(), std::min(name.size(), store.size()), store.begin());
}

} // namespace

bool charset_cache_find(std::string_view name, CharacterSet& set) {
    for (const auto& entry : graphics_process().charCache) {
        if (stored_name(entry.name) == name) {
            set = entry.set;
            return true;
        }
    }
    return false;
}

bool charset_cache_add(std::string_view name, const CharacterSet& set) {
    auto& process = graphics_process();
    if (name.size() > CharNameLength || process.charCache.size() >= CharCacheSets ||
        process.charCacheBytes + set.strokes.size() > CharCacheBytes) {
        return false;
    }
    CachedCharacterSet entry;
    store_name(entry.name, name);
    entry.set = set;
    entry.storeOffset = process.charCacheBytes;
    process.charCacheBytes += set.strokes.size();
    process.charCache.push_back(std::move(entry));
    return true;
}

std::string_view charset_store_name() {
    return stored_name(graphics().charsets.nameStore);
}

void charset_use(std::string_view name, const CharacterSet& set) {
    auto& sets = graphics().charsets;
    sets.current = set;
    sets.storeKind = set.kind;
    store_name(sets.nameStore, name);
}

} // namespace tess
