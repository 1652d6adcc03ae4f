// LoadStringA: strings are stored sixteen to an RT_STRING block, block n holding ids
// (n - 1) * 16 to n * 16 - 1, each as a length-prefixed UTF-16 string.
#include <algorithm>
#include <cstring>

#include "resource/byte_view.h"
#include "resource/cp1252.h"
#include "win/resource.h"

int WINAPI LoadStringA(HINSTANCE instance, UINT uID, LPSTR buffer, int bufferMax) {
    if (!buffer || bufferMax <= 0) return 0;
    buffer[0] = '\0';

    const WORD id = LOWORD(uID);
    const auto block = static_cast<WORD>((id >> 4) + 1);
    auto data = plat::resource_bytes(instance, MAKEINTRESOURCEA(block), RT_STRING);
    if (!data) return 0;

    const plat::ByteView view(*data);
    std::size_t offset = 0;
    for (unsigned index = id & 15;; --index) {
        auto length = view.u16(offset);
        if (!length || !view.has(offset + 2, std::size_t{*length} * 2)) return 0;
        if (index == 0) {
            std::u16string text(*length, u'\0');
            for (std::size_t i = 0; i < text.size(); ++i)
                text[i] = static_cast<char16_t>(*view.u16(offset + 2 + 2 * i));
            const std::string narrow = plat::utf16_to_cp1252(text);
            const std::size_t count =
                std::min(narrow.size(), static_cast<std::size_t>(bufferMax - 1));
            std::memcpy(buffer, narrow.data(), count);
            buffer[count] = '\0';
            return static_cast<int>(count);
        }
        offset += 2 + std::size_t{*length} * 2;
    }
}
