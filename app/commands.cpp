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

namespace {

constexpr char Filter[] = "Formaldrix Ergebnis Dateien|*.dat|Alle Dateien|*.*|";

// The file the user chose, or false when the selection was cancelled.
bool choose_file(int flags, std::string_view title) {
    WSelectFile(Filter, flags, general.fileName, tess::TextRef(title));
    return tess::tessar04().commonResult == 1;
}

void report(FileError e) {
    if (e == FileError::None) return;
    WMessageBox(0, 3, 1, file_error_text(e), "Fehler");
}

} // namespace

void load_command() {
    // Open dialog, offer to create a missing file, keep the directory the user ends in.
    if (!choose_file(10, "Lade Ergebnisse aus Datei")) return;
    report(load_and_show(tess::TextRef(general.fileName).trimmed()));
}

void save_command() {
    // Save dialog, ask before overwriting, keep the directory the user ends in.
    if (!choose_file(11, "Speicher Ergebnis in Datei")) return;
    report(save(tess::TextRef(general.fileName).trimmed()));
}

} // namespace formaldrix
