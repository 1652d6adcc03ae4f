#include "resource/res_reader.h"

#include "resource/byte_view.h"

namespace plat {

namespace {

// DataSize, HeaderSize, then at least an ordinal type and name, then the fixed tail.
constexpr std::size_t kFixedTail = 16; // DataVersion, MemoryFlags, LanguageId, Version,
                                       // Characteristics
constexpr std::size_t kMinHeader = 8 + 4 + 4 + kFixedTail;

constexpr std::size_t align4(std::size_t n) {
    return (n + 3) & ~std::size_t{3};
}

constexpr WORD primary_language(WORD language) {
    return language & 0x3FF;
}

char16_t fold(char16_t c) {
    if (c >= u'a' && c <= u'z') return static_cast<char16_t>(c - 0x20);
    // Latin-1 lower-case letters, except the division sign.
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<char16_t>(c - 0x20);
    return c;
}

// Reads a type or name field inside [offset, end); advances offset past it.
std::optional<ResId> read_id(const ByteView& view, std::size_t& offset, std::size_t end) {
    auto first = view.u16(offset);
    if (!first || offset + 2 > end) return std::nullopt;
    if (*first == 0xFFFF) {
        auto ordinal = view.u16(offset + 2);
        if (!ordinal || offset + 4 > end) return std::nullopt;
        offset += 4;
        return ResId::number(*ordinal);
    }
    std::u16string text;
    for (;;) {
        auto c = view.u16(offset);
        if (!c || offset + 2 > end) return std::nullopt;
        offset += 2;
        if (*c == 0) return ResId::text(std::move(text));
        text.push_back(static_cast<char16_t>(*c));
    }
}

// Parses the entry at offset; on success sets next to the following entry's offset.
std::optional<ResEntry> read_entry(const ByteView& view, std::size_t offset, std::size_t& next) {
    auto data_size = view.u32(offset);
    auto header_size = view.u32(offset + 4);
    if (!data_size || !header_size || *header_size < kMinHeader || !view.has(offset, *header_size))
        return std::nullopt;
    const std::size_t header_end = offset + *header_size;
    if (!view.has(header_end, *data_size)) return std::nullopt;

    std::size_t at = offset + 8;
    auto type = read_id(view, at, header_end);
    if (!type) return std::nullopt;
    auto name = read_id(view, at, header_end);
    if (!name) return std::nullopt;
    at = align4(at);
    if (at > header_end || header_end - at < kFixedTail) return std::nullopt;

    ResEntry entry;
    entry.type = std::move(*type);
    entry.name = std::move(*name);
    entry.language = *view.u16(at + 6);
    entry.data = *view.sub(header_end, *data_size);
    next = align4(header_end + *data_size);
    return entry;
}

} // namespace

bool same_res_id(const ResId& a, const ResId& b) {
    if (a.ordinal || b.ordinal) return a.ordinal == b.ordinal;
    if (a.name.size() != b.name.size()) return false;
    for (std::size_t i = 0; i < a.name.size(); ++i)
        if (fold(a.name[i]) != fold(b.name[i])) return false;
    return true;
}

bool for_each_res_entry(std::span<const std::byte> blob,
                        const std::function<bool(const ResEntry&)>& visit) {
    const ByteView view(blob);
    // A 32-bit .res opens with an empty entry of a 32-byte header; a 16-bit one does not.
    std::size_t offset = 0;
    auto first = read_entry(view, offset, offset);
    if (!first || !first->data.empty() || view.u32(4) != kMinHeader) return false;

    while (offset < blob.size()) {
        std::size_t next = 0;
        auto entry = read_entry(view, offset, next);
        if (!entry) return false;
        if (!visit(*entry)) return true;
        offset = next;
    }
    return true;
}

std::optional<ResEntry> find_res_entry(std::span<const std::byte> blob, const ResId& type,
                                       const ResId& name, WORD language) {
    // Lower rank is better; stop early on an exact language match.
    std::optional<ResEntry> best;
    int best_rank = 4;
    for_each_res_entry(blob, [&](const ResEntry& entry) {
        if (!same_res_id(entry.type, type) || !same_res_id(entry.name, name)) return true;
        int rank = 4;
        if (entry.language == language)
            rank = 0;
        else if (primary_language(entry.language) == primary_language(language))
            rank = 1;
        else if (primary_language(entry.language) == 0)
            rank = 2;
        else if (language == 0)
            rank = 3;
        if (rank < best_rank) {
            best = entry;
            best_rank = rank;
        }
        return best_rank != 0;
    });
    return best;
}

} // namespace plat
