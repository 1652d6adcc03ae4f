// The dialog template reader: a template it accepts keeps its promises (a font exactly when
// the style asks for one), and reading is the same every time.
#include <cstdlib>

#include "resource/dialog_template.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::span<const std::byte> bytes(reinterpret_cast<const std::byte*>(data), size);
    const auto parsed = plat::parse_dialog_template(bytes);
    if (!parsed) return 0;
    if (parsed->font.has_value() != ((parsed->style & DS_SETFONT) != 0)) std::abort();
    for (const plat::DialogItemTemplate& item : parsed->items) {
        // A class named by ordinal is accepted only when the layer has a control for it.
        if (item.windowClass.ordinal && plat::control_class_name(item.windowClass).empty())
            std::abort();
    }
    const auto again = plat::parse_dialog_template(bytes);
    if (!again || again->items.size() != parsed->items.size() || again->title != parsed->title)
        std::abort();
    return 0;
}
