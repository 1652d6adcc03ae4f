#include "commands.h"

#include <filesystem>

#include "general.h"
#include "result_window.h"

namespace formaldrix {

bool evaluate_and_show(const FormulaTexts& texts) {
    if (!convert_parameters(texts, general)) return false;
    formelsc();
    zeigergebnis(0);
    return true;
}

FileError load_and_show(std::string_view file) {
    const FileError e = load_results(std::filesystem::path(file), general.xs, general.ys);
    if (e == FileError::None) zeigergebnis(0);
    return e;
}

FileError save(std::string_view file) {
    return save_results(std::filesystem::path(file), general.xs, general.ys);
}

} // namespace formaldrix
