#include "public/wsfile.h"

#include <algorithm>
#include <string>

#include "core/context.h"
#include "dialogs/wcomdlg.h"

namespace {

constexpr std::size_t MaxFilterText = 255; // characters the public routine passes on

void select_file(tess::TextRef filter, int flags, tess::TextRef fileName, tess::TextRef title,
                 int& filterIndex) {
    std::string text = filter.str();
    text.resize(std::min(text.size(), MaxFilterText));
    int result = 0;
    yywsfile_(tess::FilterFromText, text.c_str(), flags, fileName, title, filterIndex, result);
    auto& shared = tess::tk().tessar04;
    shared.commonResult = result;
    shared.exitPreviousField = 0;
}

} // namespace

void WSelectFile(tess::TextRef filter, const int& flags, tess::TextRef fileName,
                 tess::TextRef title) {
    int filterIndex = 1;
    select_file(filter, flags, fileName, title, filterIndex);
}

void WSelectFile(tess::TextRef filter, const int& flags, tess::TextRef fileName,
                 tess::TextRef title, int& filterIndex) {
    int index = filterIndex;
    select_file(filter, flags, fileName, title, index);
    filterIndex = index;
}
