// The file selection's filter: the toolkit's one-line form turned into the platform's list.
#include <algorithm>
#include <cstring>

#include "dialogs/wcomdlg.h"

namespace tess {

FilterList file_filter_list(int source, const char* text) {
    FilterList list{};
    if (source == FilterFromText && text)
        std::strncpy(list.data(), text, MaxFilter);
    else if (source > 0)
        LoadStringA(nullptr, static_cast<UINT>(source), list.data(), MaxFilter + 1);
    // The last character is the separator, whatever it is: every occurrence of it ends an item.
    const std::size_t n = std::strlen(list.data());
    if (n > 0) {
        const char separator = list[n - 1];
        std::replace(list.begin(), list.begin() + static_cast<std::ptrdiff_t>(n), separator, '\0');
    }
    return list;
}

} // namespace tess
