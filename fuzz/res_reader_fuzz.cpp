// The .res reader: every entry it hands out lies inside the blob, and looking an entry up by
// its own type and name finds one of that type and name.
#include <cstdlib>

#include "resource/res_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::span<const std::byte> blob(reinterpret_cast<const std::byte*>(data), size);
    int visited = 0;
    plat::for_each_res_entry(blob, [&](const plat::ResEntry& entry) {
        const std::byte* begin = entry.data.data();
        if (!entry.data.empty() &&
            (begin < blob.data() || begin + entry.data.size() > blob.data() + blob.size()))
            std::abort();
        const auto found = plat::find_res_entry(blob, entry.type, entry.name, entry.language);
        if (!found || !plat::same_res_id(found->type, entry.type) ||
            !plat::same_res_id(found->name, entry.name))
            std::abort();
        return ++visited < 64;
    });
    return 0;
}
