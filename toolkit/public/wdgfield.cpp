#include "public/wdgfield.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "dialogs/dialog_table.h"
#include "dialogs/wfield.h"
#include "util/error_record.h"

namespace {

constexpr int ErrorNoField = 1006;
constexpr int ErrorNoneChecked = 1010;

} // namespace

void WDialogGetString(const int& field, tess::TextRef text) {
    if (!tess::dialog_current_or_error()) return;
    text.assign("");
    // One byte more than the variable holds, so the text is cut to exactly its length.
    std::vector<char> work(text.size() + 1, '\0');
    int f = field;
    yyfieldgetstring_(f, work.data(), static_cast<int>(work.size()));
    if (f == tess::FieldMissing) {
        xxerror_(ErrorNoField);
        return;
    }
    text.assign(std::string_view(work.data(), std::strlen(work.data())));
}

void WDialogGetRadioButton(const int& field, int& position) {
    if (!tess::dialog_current_or_error()) return;
    int f = field;
    int place = 0;
    yyfieldgetradio_(f, place);
    position = place;
    if (f == tess::FieldMissing)
        xxerror_(place == tess::NothingSelected ? ErrorNoneChecked : ErrorNoField);
}
