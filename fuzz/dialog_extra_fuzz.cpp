// The dialog extra information: every entry belongs to a section, and item texts stay within
// their limit.
#include <cstdlib>

#include "dialogs/dialog_extra.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::span<const std::byte> bytes(reinterpret_cast<const std::byte*>(data), size);
    for (const tess::ExtraEntry& entry : tess::read_extra_information(bytes)) {
        if (entry.section == tess::ExtraSection::None) std::abort();
        if (!entry.items.empty() && entry.section != tess::ExtraSection::Menus) std::abort();
        for (const std::string& item : entry.items)
            if (item.size() > tess::ExtraItemChars) std::abort();
    }
    return 0;
}
