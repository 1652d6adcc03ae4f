// Splitting a file name argument into its directory and its name, for the file selection.
#include <cstddef>
#include <string>

#include "core/context.h"
#include "dialogs/wcomdlg.h"
#include "public/strint.h"

void yysplitp_(tess::TextRef path, tess::TextRef name) {
    if (!path.writable()) return;
    IJustifyString(path, "L");
    const auto n = static_cast<std::size_t>(IActualLength(path));
    const char separator = static_cast<char>(tess::tk().tessar05.directorySeparator);

    // A path ending in ".." names a directory, whatever comes before it.
    if (n > 1 && path[n - 1] == '.' && path[n - 2] == '.') {
        name.assign("");
        return;
    }

    std::size_t i = n; // 1-based position of the last separator; 0 = none
    while (i > 0 && path[i - 1] != separator)
        --i;
    const std::string whole(path.data(), n);

    if (i == 0) {
        name.assign(whole);
        path.assign("");
    } else if (i == n) {
        name.assign("");
        // Only a separator that is not the root's goes: "/" stays "/".
        if (whole.find(separator) < n - 1) path.assign(whole.substr(0, n - 1));
    } else {
        name.assign(whole.substr(i));
        // A file in the root keeps the root as its directory.
        path.assign(whole.substr(0, i == 1 ? 1 : i - 1));
    }
}
