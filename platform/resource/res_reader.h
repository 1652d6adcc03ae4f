// Reader of the standard 32-bit .res format: a list of entries, each a header naming its type,
// name and language followed by its data. Every length and offset is checked against the blob.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "win/types.h"

namespace plat {

// A resource type or name: an ordinal, or a string (compared regardless of case).
struct ResId {
    std::optional<WORD> ordinal;
    std::u16string name;

    static ResId number(WORD n) { return ResId{n, {}}; }
    static ResId text(std::u16string s) { return ResId{std::nullopt, std::move(s)}; }
};

bool same_res_id(const ResId& a, const ResId& b);

struct ResEntry {
    ResId type;
    ResId name;
    WORD language = 0;
    std::span<const std::byte> data;
};

// Visits the entries in blob order until visit returns false. Stops at the first malformed
// entry; returns false if it met one (or the blob is not a 32-bit .res at all).
bool for_each_res_entry(std::span<const std::byte> blob,
                        const std::function<bool(const ResEntry&)>& visit);

// The entry of that type and name. With several languages: the one asked for, else one of the
// same primary language, else a neutral one, else (when asked for neutral) any.
std::optional<ResEntry> find_res_entry(std::span<const std::byte> blob, const ResId& type,
                                       const ResId& name, WORD language = 0);

} // namespace plat
