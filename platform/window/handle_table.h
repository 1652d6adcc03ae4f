// The one handle scheme of the layer: windows, GDI objects and device contexts live in slots,
// and a handle carries its slot and the slot's generation, so a stale handle never reaches the
// record that took the slot over and a released value is not handed out again at once.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

namespace plat {

// handle value = generation << generationShift | tag | (slot + 1); the slot takes slotBits.
struct HandleLayout {
    std::uintptr_t tag;
    unsigned slotBits;
    unsigned generationShift;
};

template <class T> class HandleTable {
public:
    explicit constexpr HandleTable(HandleLayout layout) : layout_(layout) {}

    // A new record in a free slot; 0 when the table is full.
    std::uintptr_t add(T value) {
        std::uint32_t slot;
        if (!free_.empty()) {
            slot = free_.back();
            free_.pop_back();
        } else {
            if (slots_.size() >= slot_mask()) return 0;
            slot = static_cast<std::uint32_t>(slots_.size());
            slots_.emplace_back();
        }
        Slot& s = slots_[slot];
        s.generation = static_cast<std::uint16_t>(s.generation + 1);
        if (s.generation == 0) s.generation = 1;
        s.live = true;
        s.value = std::move(value);
        return handle(slot);
    }

    // The live record a handle names; null for stale, foreign or malformed values. Records
    // never move while they live.
    T* find(std::uintptr_t handle) {
        const std::optional<std::uint32_t> slot = slot_of(handle);
        return slot ? &slots_[*slot].value : nullptr;
    }

    // Frees the slot; the record is reset. False for a handle that names nothing.
    bool remove(std::uintptr_t handle) {
        const std::optional<std::uint32_t> slot = slot_of(handle);
        if (!slot) return false;
        Slot& s = slots_[*slot];
        s.live = false;
        s.value = T{};
        free_.push_back(*slot);
        return true;
    }

    // Every live record in slot order, as f(handle, record).
    template <class F> void for_each(F&& f) {
        for (std::uint32_t i = 0; i < slots_.size(); ++i)
            if (slots_[i].live) f(handle(i), slots_[i].value);
    }

    std::uintptr_t handle(std::uint32_t slot) const {
        return (static_cast<std::uintptr_t>(slots_[slot].generation) << layout_.generationShift) |
               layout_.tag | (slot + 1);
    }

    std::optional<std::uint32_t> slot_of(std::uintptr_t handle) const {
        const std::uintptr_t index = handle & slot_mask();
        const std::uintptr_t rest = handle & ~slot_mask();
        const std::uintptr_t generation = rest >> layout_.generationShift;
        if (index == 0 || index > slots_.size() || generation > 0xFFFF) return std::nullopt;
        if ((rest & ~(generation << layout_.generationShift)) != layout_.tag) return std::nullopt;
        const Slot& s = slots_[index - 1];
        if (!s.live || s.generation != generation) return std::nullopt;
        return static_cast<std::uint32_t>(index - 1);
    }

private:
    struct Slot {
        std::uint16_t generation = 0;
        bool live = false;
        T value{};
    };
    std::uintptr_t slot_mask() const { return (std::uintptr_t{1} << layout_.slotBits) - 1; }

    HandleLayout layout_;
    std::deque<Slot> slots_;
    std::vector<std::uint32_t> free_;
};

} // namespace plat
