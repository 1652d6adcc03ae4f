// Windows-1252, the code page of the toolkit's narrow strings, to and from UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace plat {

char16_t cp1252_to_utf16(char c);
std::u16string cp1252_to_utf16(std::string_view text);

// Characters outside the code page become '?'; a surrogate pair counts as one character.
std::string utf16_to_cp1252(std::u16string_view text);

} // namespace plat
