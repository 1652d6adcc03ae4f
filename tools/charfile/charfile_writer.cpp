#include "charfile_writer.h"

#include <algorithm>

namespace charfile {

namespace {

void append_le32(std::string& out, std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<char>(v >> shift & 0xff));
}

// The data and offset table of one part (codes first .. first + count - 1).
std::string encode_part(const Spec& spec, int first, int count,
                        std::vector<std::int32_t>& offsets) {
    std::string data;
    offsets.assign(static_cast<std::size_t>(count), -1);
    for (int i = 0; i < count; ++i) {
        const auto it = spec.glyphs.find(first + i);
        if (it == spec.glyphs.end()) continue;
        offsets[static_cast<std::size_t>(i)] = static_cast<std::int32_t>(data.size());
        data += encode_glyph(it->second);
    }
    return data;
}

} // namespace

std::string encode_glyph(const Glyph& glyph) {
    std::string out;
    const auto put = [&out](char op, int x, int y) {
        out.push_back(op);
        out.push_back(static_cast<char>(static_cast<std::int8_t>(x)));
        out.push_back(static_cast<char>(static_cast<std::int8_t>(y)));
    };
    for (const auto& line : glyph.lines) {
        for (std::size_t i = 0; i < line.size(); ++i)
            put(i == 0 ? 'u' : 'v', line[i].x, line[i].y);
    }
    out.push_back('e');
    out.push_back(static_cast<char>(static_cast<std::int8_t>(glyph.advance)));
    return out;
}

std::string build(const Spec& spec) {
    std::vector<std::int32_t> primaryOffsets, extensionOffsets;
    const std::string primary = encode_part(spec, 32, 95, primaryOffsets);
    std::string out;
    append_le32(out, static_cast<std::int32_t>(primary.size()));
    append_le32(out, spec.cells[0]);
    append_le32(out, spec.cells[1]);
    for (const auto o : primaryOffsets)
        append_le32(out, o);
    out += primary;
    if (!spec.cellPair && !spec.eightBit) return out;
    append_le32(out, spec.extensionCells[0]);
    append_le32(out, spec.extensionCells[1]);
    if (!spec.eightBit) return out;
    const std::string extension = encode_part(spec, 160, 96, extensionOffsets);
    append_le32(out, static_cast<std::int32_t>(extension.size()));
    for (const auto o : extensionOffsets)
        append_le32(out, o);
    out += extension;
    return out;
}

void put_le32(std::string& bytes, std::size_t pos, std::int32_t value) {
    std::string le;
    append_le32(le, value);
    if (pos + 4 <= bytes.size()) std::copy(le.begin(), le.end(), bytes.begin() + pos);
}

} // namespace charfile
