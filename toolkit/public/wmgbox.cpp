#include "public/wmgbox.h"

#include <string>

#include "core/context.h"
#include "dialogs/wcomdlg.h"
#include "util/error_record.h"

namespace {

constexpr int ErrorCommonDialog = 1004;

int button_count(int buttons) {
    switch (buttons) {
    case 1:
    case 2:
    case 3:
        return 2;
    case 4:
    case 5:
        return 3;
    default:
        return 1;
    }
}

// With one button it is the default; with two, anything but 1 means the second;
// with three, anything but 1 and 2 means the third.
int reduce_default(int defaultButton, int count) {
    if (count == 1 || defaultButton == 1) return 1;
    if (count == 2) return 2;
    return defaultButton == 2 ? 2 : 3;
}

} // namespace

void WMessageBox(const int& buttons, const int& icon, const int& defaultButton,
                 tess::TextRef message, tess::TextRef title) {
    const int reduced = reduce_default(defaultButton, button_count(buttons));
    const std::string text = message.str();
    const std::string caption = title.str();
    int result = 0;
    int code = 0;
    {
        const tess::CommonSnapshots snapshots;
        yymessagebox_(buttons, icon, reduced, result, code, text.c_str(), caption.c_str());
    }

    auto& shared = tess::tk().tessar04;
    shared.commonResult = result;
    shared.exitPreviousField = 0;
    if (result == -1) {
        xxerror_(ErrorCommonDialog);
        xxsetdialogstatus_(code);
    }
}
