// The file selection: the platform's open and save dialogs, and the frame around them that
// turns the toolkit's blank-padded arguments into the platform's and back.
#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <vector>

#include <windows.h>

#include "core/context.h"
#include "dialogs/wcomdlg.h"
#include "dialogs/wcomdlg_error.h"
#include "graphics/oswin.h"
#include "public/strint.h"
#include "util/error_record.h"

namespace {

constexpr int MaxDirectory = 256;
constexpr int MaxTitle = 256;
constexpr int ErrorCommonDialog = 1004;

DWORD dialog_flags(bool save, bool prompt, bool pathMayBeMissing, bool multiple) {
    DWORD flags = OFN_HIDEREADONLY;
    if (!pathMayBeMissing) flags |= OFN_PATHMUSTEXIST;
    if (save) return flags | (prompt ? OFN_OVERWRITEPROMPT : 0);
    if (prompt) flags |= OFN_CREATEPROMPT;
    if (multiple) flags |= OFN_ALLOWMULTISELECT | OFN_EXPLORER;
    return flags;
}

// The selection's length: up to the first NUL, or for a multiple selection up to the first
// pair of NULs (directory and names stay separated by single NULs).
std::size_t selection_length(const std::vector<char>& buffer, bool multiple) {
    for (std::size_t i = 0; i < buffer.size(); ++i) {
        if (buffer[i] != '\0') continue;
        if (!multiple || i + 1 >= buffer.size() || buffer[i + 1] == '\0') return i;
    }
    return buffer.size();
}

std::string current_directory() {
    std::array<char, MaxDirectory + 1> buffer{};
    int status = 0;
    xxdirn_(buffer.data(), status, MaxDirectory);
    return status == 0 ? std::string(buffer.data()) : std::string();
}

} // namespace

void yygetfiledialog_(const int& filterSource, int& filterIndex, const int& save, const int& prompt,
                      const int& pathMayBeMissing, const int& multiple, const int& appendExtension,
                      int& result, int& errorCode, const char* title, char* fileName,
                      const char* initialDirectory, const char* filterText,
                      const int& fileNameSize) {
    // The error read afterwards must be this dialog's alone.
    tess::clear_common_dialog_error();
    const auto filters = tess::file_filter_list(filterSource, filterText);

    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = tess::common_dialog_owner();
    ofn.lpstrFilter = filters[0] ? filters.data() : nullptr;
    ofn.nFilterIndex = static_cast<DWORD>(filterIndex);
    ofn.lpstrFile = fileName;
    ofn.nMaxFile = static_cast<DWORD>(std::max(fileNameSize, 0));
    ofn.lpstrInitialDir = initialDirectory;
    ofn.lpstrTitle = title;
    ofn.Flags = dialog_flags(save != 0, prompt != 0, pathMayBeMissing != 0, multiple != 0);
    // An empty default extension makes the platform append the chosen filter's.
    if (appendExtension != 0 && tess::tk().display.WinVer != 3) ofn.lpstrDefExt = "";

    tess::common_dialog_begin(ofn.hwndOwner);
    const BOOL chosen = save != 0 ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
    tess::common_dialog_end(ofn.hwndOwner);

    errorCode = 0;
    if (chosen) {
        result = 1;
        filterIndex = static_cast<int>(ofn.nFilterIndex);
    } else {
        result = 0;
        errorCode = static_cast<int>(tess::common_dialog_error());
    }
}

void yywsfile_(const int& filterSource, const char* filterText, const int& flags,
               tess::TextRef fileName, tess::TextRef title, int& filterIndex, int& result) {
    const tess::CommonSnapshots snapshots;
    const bool save = flags & SelectSave;
    const bool multiple = (flags & SelectMultiple) && !save;

    // Directory and name of the argument's first 256 characters, each NUL-terminated after its
    // last non-blank character.
    const std::size_t given = std::min<std::size_t>(fileName.size(), MaxDirectory);
    std::string directory(fileName.data(), given);
    std::vector<char> name(fileName.size() + 1, ' ');
    yysplitp_(tess::TextRef(directory.data(), directory.size()),
              tess::TextRef(name.data(), fileName.size()));
    name[static_cast<std::size_t>(IActualLength(tess::TextRef(name.data(), fileName.size())))] =
        '\0';
    directory.resize(static_cast<std::size_t>(IActualLength(directory)));

    const std::string start = current_directory();
    if (directory.empty()) directory = start;

    std::string caption = title.str();
    if (caption.find_first_not_of(' ') == std::string::npos) caption = "Select File";
    caption.resize(std::min<std::size_t>(caption.size(), MaxTitle));

    int errorCode = 0;
    const int append = flags & SelectAppendExtension ? 1 : 0;
    yygetfiledialog_(filterSource, filterIndex, save ? 1 : 0, flags & SelectPrompt ? 1 : 0,
                     flags & SelectPathMayBeMissing ? 1 : 0, multiple ? 1 : 0, append, result,
                     errorCode, caption.c_str(), name.data(), directory.c_str(), filterText,
                     static_cast<int>(name.size()));

    if (result == 1) {
        const std::size_t n = selection_length(name, multiple);
        if (n > 0) fileName.assign(std::string_view(name.data(), n));
    } else if (errorCode > 0) {
        xxerror_(ErrorCommonDialog);
        xxsetdialogstatus_(errorCode);
    }
    if (!(flags & SelectKeepDirectory) && !start.empty()) {
        int status = 0;
        xxdirc_(start.c_str(), status);
    }
}
