// The character-file loader: the file is read through the raw file routines and parsed whole.
#include <cstddef>
#include <vector>

#include "graphics/charset.h"
#include "graphics/charset_load.h"
#include "public/bfopen.h"
#include "util/error_record.h"

namespace tess {

namespace {

constexpr int ErrorBadCharFile = 2;

// Reads up to CharFileMaxBytes; what lies beyond can never be part of a set.
std::vector<std::uint8_t> read_file(int handle) {
    std::vector<std::uint8_t> bytes(CharFileMaxBytes);
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const std::span<std::byte> rest = std::as_writable_bytes(std::span(bytes).subspan(filled));
        int got = 0;
        IFileRead(handle, rest, static_cast<int>(rest.size()), got);
        if (got <= 0) break;
        filled += static_cast<std::size_t>(got);
    }
    bytes.resize(filled);
    return bytes;
}

} // namespace

void xxrset_(TextRef name) {
    const std::string key = name.str();
    CharacterSet set;
    if (charset_cache_find(key, set)) {
        charset_use(key, set);
        return;
    }
    int handle = -1;
    IFileOpen(name, 0, handle);
    if (handle < 0) return;
    const std::vector<std::uint8_t> bytes = read_file(handle);
    IFileClose(handle);
    if (charset_read(bytes, set) == CharFileLayout::Invalid) {
        auto& sets = graphics().charsets;
        sets.nameStore.fill(' ');
        sets.storeKind = 0;
        charset_use_hardware();
        xxerror_(ErrorBadCharFile);
        xxsetfilestatus_(0);
        return;
    }
    charset_use(key, set);
    charset_cache_add(key, set);
}

} // namespace tess
