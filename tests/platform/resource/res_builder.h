// Builds .res blobs by hand, for the cases a resource compiler never writes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace restest {

class ResBuilder {
public:
    ResBuilder() { entry(Id{0, {}}, Id{0, {}}, 0, {}); }

    struct Id {
        std::uint16_t ordinal;
        std::u16string name; // used when not empty
    };

    ResBuilder& entry(const Id& type, const Id& name, std::uint16_t language,
                      const std::vector<std::uint8_t>& data) {
        std::vector<std::uint8_t> header;
        id(header, type);
        id(header, name);
        while (header.size() % 4)
            header.push_back(0);
        u32(header, 0);        // DataVersion
        u16(header, 0x1030);   // MemoryFlags
        u16(header, language); // LanguageId
        u32(header, 0);        // Version
        u32(header, 0);        // Characteristics
        u32(bytes_, static_cast<std::uint32_t>(data.size()));
        u32(bytes_, static_cast<std::uint32_t>(header.size() + 8));
        bytes_.insert(bytes_.end(), header.begin(), header.end());
        bytes_.insert(bytes_.end(), data.begin(), data.end());
        while (bytes_.size() % 4)
            bytes_.push_back(0);
        return *this;
    }

    std::vector<std::byte> bytes() const {
        std::vector<std::byte> out(bytes_.size());
        for (std::size_t i = 0; i < out.size(); ++i)
            out[i] = std::byte{bytes_[i]};
        return out;
    }
    std::vector<std::uint8_t>& raw() { return bytes_; }

    static void u16(std::vector<std::uint8_t>& out, std::uint16_t v) {
        out.push_back(static_cast<std::uint8_t>(v));
        out.push_back(static_cast<std::uint8_t>(v >> 8));
    }
    static void u32(std::vector<std::uint8_t>& out, std::uint32_t v) {
        u16(out, static_cast<std::uint16_t>(v));
        u16(out, static_cast<std::uint16_t>(v >> 16));
    }

private:
    static void id(std::vector<std::uint8_t>& out, const Id& id) {
        if (id.name.empty()) {
            u16(out, 0xFFFF);
            u16(out, id.ordinal);
            return;
        }
        for (char16_t c : id.name)
            u16(out, c);
        u16(out, 0);
    }

    std::vector<std::uint8_t> bytes_;
};

} // namespace restest
