// The controls of a dialog by identifier: text, numbers, check marks, and the tab and group
// order the keyboard interface walks.
#include <gtest/gtest.h>

#include "dialog_fixture.h"

namespace dlgtest {
namespace {

class Items : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        dialog = form();
        ASSERT_TRUE(dialog);
    }
    HWND dialog = nullptr;
};

TEST_F(Items, IdentifiersAndText) {
    const HWND edit = GetDlgItem(dialog, IDC_NAME);
    ASSERT_TRUE(edit);
    EXPECT_EQ(GetDlgCtrlID(edit), IDC_NAME);
    EXPECT_EQ(GetDlgItem(dialog, 12345), nullptr);
    EXPECT_EQ(GetDlgCtrlID(dialog), 0); // a top-level window has no identifier
    char text[8];
    EXPECT_EQ(GetDlgItemTextA(dialog, IDC_NAME, text, sizeof text), 7u);
    EXPECT_STREQ(text, "Vorgabe");
    EXPECT_TRUE(SetDlgItemTextA(dialog, IDC_NAME,
                                "Gr\xf6\xdf"
                                "e und mehr"));
    EXPECT_EQ(GetDlgItemTextA(dialog, IDC_NAME, text, sizeof text), 7u); // cut to the buffer
    EXPECT_STREQ(text, "Gr\xf6\xdf"
                       "e u");
    EXPECT_EQ(GetDlgItemTextA(dialog, 12345, text, sizeof text), 0u);
    EXPECT_STREQ(text, "");
    EXPECT_FALSE(SetDlgItemTextA(dialog, 12345, "x"));
    EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_NAME, WM_GETTEXTLENGTH, 0, 0), 14);
    EXPECT_EQ(SendDlgItemMessageA(dialog, 12345, WM_GETTEXTLENGTH, 0, 0), 0);
}

TEST_F(Items, IntegersBothWays) {
    struct Case {
        const char* text;
        BOOL isSigned;
        bool translated;
        UINT value;
    };
    const Case cases[] = {
        {"42", FALSE, true, 42},
        {"  42  ", TRUE, true, 42},
        {"-17", TRUE, true, static_cast<UINT>(-17)},
        {"-17", FALSE, false, 0},
        {"+5", TRUE, true, 5},
        {"4294967295", FALSE, true, 4294967295u},
        {"4294967296", FALSE, false, 0},
        {"2147483647", TRUE, true, 2147483647u},
        {"2147483648", TRUE, false, 0},
        {"-2147483648", TRUE, true, 0x80000000u},
        {"12a", FALSE, false, 0},
        {"", FALSE, false, 0},
        {"-", TRUE, false, 0},
    };
    for (const Case& c : cases) {
        SetDlgItemTextA(dialog, IDC_NAME, c.text);
        BOOL ok = !c.translated;
        EXPECT_EQ(GetDlgItemInt(dialog, IDC_NAME, &ok, c.isSigned), c.value) << c.text;
        EXPECT_EQ(ok != FALSE, c.translated) << c.text;
    }
    char text[16];
    SetDlgItemInt(dialog, IDC_NAME, static_cast<UINT>(-250), TRUE);
    GetDlgItemTextA(dialog, IDC_NAME, text, sizeof text);
    EXPECT_STREQ(text, "-250");
    SetDlgItemInt(dialog, IDC_NAME, static_cast<UINT>(-250), FALSE);
    GetDlgItemTextA(dialog, IDC_NAME, text, sizeof text);
    EXPECT_STREQ(text, "4294967046");
    EXPECT_EQ(GetDlgItemInt(dialog, IDC_NAME, nullptr, FALSE), 4294967046u);
}

TEST_F(Items, CheckMarksAndRadioRanges) {
    EXPECT_TRUE(CheckDlgButton(dialog, IDC_REMEMBER, BST_CHECKED));
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_REMEMBER), BST_CHECKED);
    CheckDlgButton(dialog, IDC_REMEMBER, BST_INDETERMINATE);
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_REMEMBER), BST_INDETERMINATE);
    EXPECT_FALSE(CheckDlgButton(dialog, 12345, BST_CHECKED));
    EXPECT_EQ(IsDlgButtonChecked(dialog, 12345), 0u);
    for (int chosen : {IDC_TWO, IDC_THREE, IDC_ONE}) {
        EXPECT_TRUE(CheckRadioButton(dialog, IDC_ONE, IDC_THREE, chosen));
        for (int id : {IDC_ONE, IDC_TWO, IDC_THREE})
            EXPECT_EQ(IsDlgButtonChecked(dialog, id), id == chosen ? BST_CHECKED : BST_UNCHECKED);
    }
    // The range is by identifier: buttons outside it keep their marks.
    CheckDlgButton(dialog, IDC_REMEMBER, BST_CHECKED);
    CheckRadioButton(dialog, IDC_ONE, IDC_TWO, IDC_TWO);
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_REMEMBER), BST_CHECKED);
}

TEST_F(Items, TabAndGroupOrder) {
    const auto h = [&](int id) { return GetDlgItem(dialog, id); };
    struct Step {
        int from; // 0: no control
        BOOL previous;
        int tab;
        int group;
    };
    // Groups: {label, edit}, {one, two, three}, {remember}, {OK, Cancel, Help}.
    const Step steps[] = {
        // From no control the search starts at the last control (backwards: the first).
        {0, FALSE, IDC_NAME, IDOK},
        {0, TRUE, IDC_HELPBUTTON, IDC_NAME},
        {IDC_NAME, FALSE, IDC_ONE, IDC_LABEL},
        {IDC_LABEL, FALSE, IDC_NAME, IDC_NAME},
        {IDC_ONE, TRUE, IDC_NAME, IDC_THREE},
        {IDC_THREE, FALSE, IDC_REMEMBER, IDC_ONE},
        {IDC_TWO, FALSE, IDC_REMEMBER, IDC_THREE},
        {IDC_REMEMBER, FALSE, IDOK, IDC_REMEMBER},
        {IDC_HELPBUTTON, FALSE, IDC_NAME, IDOK},
        {IDOK, TRUE, IDC_REMEMBER, IDC_HELPBUTTON},
    };
    for (const Step& s : steps) {
        const HWND from = s.from ? h(s.from) : nullptr;
        EXPECT_EQ(GetNextDlgTabItem(dialog, from, s.previous), h(s.tab)) << s.from << s.previous;
        EXPECT_EQ(GetNextDlgGroupItem(dialog, from, s.previous), h(s.group))
            << s.from << s.previous;
    }
    // Hidden and disabled controls are passed over; a group with no other candidate gives the
    // control itself.
    EnableWindow(h(IDC_TWO), FALSE);
    ShowWindow(h(IDC_THREE), SW_HIDE);
    EXPECT_EQ(GetNextDlgGroupItem(dialog, h(IDC_ONE), FALSE), h(IDC_ONE));
    EXPECT_EQ(GetNextDlgTabItem(dialog, h(IDC_NAME), FALSE), h(IDC_ONE));
    EnableWindow(h(IDC_ONE), FALSE);
    EXPECT_EQ(GetNextDlgTabItem(dialog, h(IDC_NAME), FALSE), h(IDC_REMEMBER));
    // A window that is not in the dialog has no place in its order.
    const HWND other = frame();
    EXPECT_EQ(GetNextDlgTabItem(dialog, other, FALSE), nullptr);
}

} // namespace
} // namespace dlgtest
