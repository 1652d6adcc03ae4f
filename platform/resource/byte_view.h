// Bounds-checked little-endian reads from resource data: a read past the end yields nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace plat {

class ByteView {
public:
    explicit ByteView(std::span<const std::byte> bytes) : bytes_(bytes) {}

    std::size_t size() const { return bytes_.size(); }
    bool has(std::size_t offset, std::size_t count) const {
        return offset <= bytes_.size() && count <= bytes_.size() - offset;
    }
    std::optional<std::uint8_t> u8(std::size_t offset) const {
        if (!has(offset, 1)) return std::nullopt;
        return std::to_integer<std::uint8_t>(bytes_[offset]);
    }
    std::optional<std::uint16_t> u16(std::size_t offset) const {
        if (!has(offset, 2)) return std::nullopt;
        return static_cast<std::uint16_t>(byte(offset) | (byte(offset + 1) << 8));
    }
    std::optional<std::uint32_t> u32(std::size_t offset) const {
        if (!has(offset, 4)) return std::nullopt;
        return static_cast<std::uint32_t>(byte(offset) | (byte(offset + 1) << 8) |
                                          (byte(offset + 2) << 16) | (byte(offset + 3) << 24));
    }
    std::optional<std::span<const std::byte>> sub(std::size_t offset, std::size_t count) const {
        if (!has(offset, count)) return std::nullopt;
        return bytes_.subspan(offset, count);
    }

private:
    std::uint32_t byte(std::size_t offset) const {
        return std::to_integer<std::uint32_t>(bytes_[offset]);
    }

    std::span<const std::byte> bytes_;
};

} // namespace plat
