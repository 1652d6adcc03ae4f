// Menu templates, loaded from a module whose bytes are the input: whatever loads can be walked
// to its deepest pop-up and destroyed.
#include <cstdlib>

#include <windows.h>

namespace {

int walk(HMENU menu, int depth) {
    if (depth > 64) std::abort(); // nesting the loader should have refused
    const int count = GetMenuItemCount(menu);
    if (count < 0) std::abort();
    int items = count;
    char text[256];
    for (int i = 0; i < count; ++i) {
        GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        if (HMENU sub = GetSubMenu(menu, i)) items += walk(sub, depth + 1);
    }
    return items;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::span<const std::byte> bytes(reinterpret_cast<const std::byte*>(data), size);
    HINSTANCE module = plat::register_module(bytes);
    if (HMENU menu = LoadMenuIndirectA(data)) {
        walk(menu, 0);
        if (!DestroyMenu(menu) || IsMenu(menu)) std::abort();
    }
    plat::unregister_module(module);
    return 0;
}
