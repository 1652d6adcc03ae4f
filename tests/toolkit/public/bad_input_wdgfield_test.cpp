// Bad arguments to the routines of wdgfield.h: error 1006 for a field the current dialog does
// not have (also one of another loaded dialog, or one whose low 16 bits name a field), the
// variable blank or the position 0, and nothing else changed. In dialogs/fields_test.cpp:
// a missing field (398), a check box and a push button for the radio group, variables of one
// and two characters, every routine without a current dialog.
#include <climits>
#include <string>

#include "support/equivalent_calls.h"
#include "toolkit/dialogs/dialog_fixture.h"
#include "toolkit/dialogs/dialog_parts.h"
#include "toolkit/dialogs/field_ids.h"

namespace {

using Row = testsupport::EquivalentCall;

class BadInputWdgField : public dlgtest::DialogTest {
protected:
    // A second dialog loaded, the field dialog current and displayed.
    void start() {
        if (tess::yydialogfind(DLG_PLAIN) < 0) load(DLG_PLAIN);
        if (tess::yydialogfind(IDD_FIELDS) < 0) load(IDD_FIELDS);
        WDialogSelect(IDD_FIELDS);
        WDialogShow(5, 5);
        tess::error_record().file_status = 77;
        tess::error_record().dialog_status = 88;
    }
};

// The text a missing field leaves: the variable blank.
Row string_row(const char* what, int field, std::size_t length, int error, std::string expected) {
    return {what,
            [=] {
                std::string variable(length, '#');
                WDialogGetString(field, variable);
                EXPECT_EQ(variable, expected);
            },
            error, nullptr};
}

Row radio_row(const char* what, int field) {
    return {what,
            [=] {
                int position = 12345;
                WDialogGetRadioButton(field, position);
                EXPECT_EQ(position, 0);
            },
            1006, nullptr};
}

TEST_F(BadInputWdgField, ErrorNumberAndNothingElse) {
    const std::string blank8(8, ' ');
    const Row rows[] = {
        string_row("text of field -2", -2, 8, 1006, blank8),
        string_row("text of field 0", 0, 8, 1006, blank8),
        string_row("text of field INT_MIN", INT_MIN, 8, 1006, blank8),
        string_row("text of field INT_MAX", INT_MAX, 8, 1006, blank8),
        string_row("text of a field beyond 16 bits", 65536 + FLD_EDIT, 8, 1006, blank8),
        string_row("text of another dialog's field", ID_LIST, 8, 1006, blank8),
        string_row("text into an empty variable", FLD_EDIT, 0, 0, ""),
        string_row("text into 300 characters", FLD_EDIT, 300, 0, "1.0" + std::string(297, ' ')),
        {"text into a constant", [] { WDialogGetString(FLD_EDIT, "fest"); }, 0, nullptr},
        radio_row("radio field -2", -2),
        radio_row("radio field INT_MIN", INT_MIN),
        radio_row("radio field beyond 16 bits", 65536 + FLD_PLUS),
        radio_row("radio of another dialog's field", ID_RADIO1),
        radio_row("radio of an edit field", FLD_EDIT),
        radio_row("radio of a group box", FLD_GROUPBOX),
        radio_row("radio of a combo box", FLD_COMBO),
        radio_row("radio of a static", FLD_TEXT),
    };
    testsupport::expect_equivalent([this] { start(); }, rows, dlgtest::add_dialog_parts);
}

} // namespace
