// The demo's dialogs as the resource compiler wrote them: the formula dialog's controls, its
// extra information byte for byte, the information dialog, the pictures, and a layout in which
// every text fits and nothing overlaps.
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <span>
#include <string>
#include <vector>

#include <windows.h>

#include "backend/headless/headless_backend.h"
#include "resource/dialog_template.h"
#include "window/message_queue.h"

namespace {

constexpr int FormulaDialog = 101;
constexpr int InfoDialog = 102;

std::optional<plat::DialogTemplate> dialog_template(int id) {
    const auto bytes = plat::resource_bytes(nullptr, MAKEINTRESOURCEA(id), RT_DIALOG);
    if (!bytes) return std::nullopt;
    return plat::parse_dialog_template(*bytes);
}

// One control as the template should hold it: class, identifier (-1 for labels), text, and
// the style bits it must have.
struct Expected {
    plat::ControlKind kind;
    int id;
    std::string text;
    DWORD style;
    DWORD absent = 0; // style bits it must not have
};

void expect_controls(const plat::DialogTemplate& t, const std::vector<Expected>& expected) {
    ASSERT_EQ(t.items.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const auto& item = t.items[i];
        const auto& e = expected[i];
        EXPECT_EQ(plat::control_kind(item.windowClass), e.kind) << i << " " << e.text;
        EXPECT_EQ(static_cast<short>(item.id), e.id) << i << " " << e.text;
        EXPECT_EQ(item.title.text, e.text) << i;
        EXPECT_EQ(item.style & e.style, e.style) << i << " " << e.text;
        EXPECT_EQ(item.style & e.absent, 0u) << i << " " << e.text;
        EXPECT_TRUE(item.style & WS_VISIBLE) << i << " " << e.text;
    }
}

using K = plat::ControlKind;

TEST(FormaldrixDialogs, FormulaDialogHoldsItsFieldsInTabOrder) {
    const auto t = dialog_template(FormulaDialog);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->title, "Formel - Berechnung");
    EXPECT_TRUE(t->style & WS_CHILD);
    EXPECT_TRUE(t->style & WS_CAPTION);
    EXPECT_FALSE(t->style & (WS_POPUP | WS_VISIBLE));
    ASSERT_TRUE(t->font);
    EXPECT_EQ(t->font->pointSize, 8);
    const DWORD edit = WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
    const DWORD radio = static_cast<DWORD>(BS_AUTORADIOBUTTON);
    expect_controls(*t, {
                            {K::Button, -1, "Berechnung von", BS_GROUPBOX},
                            {K::Static, 1002, "", SS_BITMAP},
                            {K::Static, -1, "a=", SS_RIGHT},
                            {K::Edit, 1013, "1.0", edit},
                            {K::Static, -1, "b=", SS_RIGHT},
                            {K::Edit, 1014, "2.0", edit},
                            {K::Static, -1, "m=", SS_RIGHT},
                            {K::ComboBox, 1015, "", CBS_DROPDOWN | WS_TABSTOP,
                             CBS_DROPDOWNLIST & ~CBS_DROPDOWN},
                            {K::Static, -1, "n=", SS_RIGHT},
                            {K::Edit, 1020, "4", edit},
                            {K::Static, -1, "x (min.)=", SS_RIGHT},
                            {K::Edit, 1017, "-12.0", edit},
                            {K::Static, -1, "x (max.)=", SS_RIGHT},
                            {K::Edit, 1018, "12.0", edit},
                            {K::Button, -1, "Vorzeichen", BS_GROUPBOX},
                            {K::Static, -1, "s=", SS_RIGHT},
                            {K::Button, 1021, "+", radio | WS_GROUP | WS_TABSTOP},
                            {K::Button, 1022, "-", radio, WS_GROUP},
                            {K::Button, 1, "OK", BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP},
                            {K::Button, 2, "Cancel", WS_TABSTOP, BS_DEFPUSHBUTTON},
                        });
}

TEST(FormaldrixDialogs, FormulaDialogExtraInformationIsExact) {
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(FormulaDialog), RT_RCDATA);
    ASSERT_NE(found, nullptr);
    const auto* data = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
    ASSERT_NE(data, nullptr);
    static constexpr char text[] = "[Checks] \n"
                                   " 1021 1 \n"
                                   " 1022 0 \n"
                                   "[Menus] \n"
                                   " 1015     6     2 \n"
                                   "1 \n2 \n3 \n4 \n5 \n6 \n"
                                   "[Lengths] \n"
                                   "\0\0";
    const std::string expected(text, sizeof text - 1);
    // The compiler may pad the data to a DWORD; the text itself ends at its two NULs.
    const DWORD size = SizeofResource(nullptr, found);
    ASSERT_GE(size, expected.size());
    ASSERT_LE(size, expected.size() + 3);
    EXPECT_EQ(std::string(data, expected.size()), expected);
}

TEST(FormaldrixDialogs, InfoDialogIsWhereItsControlsBelong) {
    const auto t = dialog_template(InfoDialog);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->title, "Info");
    EXPECT_EQ(t->style & (WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CHILD),
              static_cast<DWORD>(WS_POPUP | WS_CAPTION | WS_SYSMENU));
    EXPECT_EQ(t->cx, 181);
    EXPECT_EQ(t->cy, 161);
    ASSERT_TRUE(t->font);
    EXPECT_EQ(t->font->pointSize, 12);
    EXPECT_EQ(t->font->face, "MS Sans Serif");
    expect_controls(*t, {
                            {K::Button, 1, "OK", BS_DEFPUSHBUTTON | WS_TABSTOP},
                            {K::Static, 1001, "GUI Programmierung mit Tessaramond", SS_CENTER},
                            {K::Static, 1002, "\xA9 2026 Pellarin GmbH, Altbruck", SS_CENTER},
                            {K::Static, 1011, "", SS_BITMAP},
                        });
}

bool is_static(std::string name) {
    for (char& c : name)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name == "static";
}

// The dialogs created for real on the headless screen, their pictures set as the toolkit sets
// them: pixel rectangles, text extents in the dialog's font.
class DialogLayout : public ::testing::Test {
protected:
    void SetUp() override {
        plat::use_headless_backend();
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = DefWindowProcA;
        wc.lpszClassName = "FormaldrixLayoutParent";
        RegisterClassExA(&wc);
        // The root's client area on a 1024 x 768 screen.
        parent = CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE, 0, 0, 819, 614,
                                 nullptr, nullptr, nullptr, nullptr);
    }
    void TearDown() override {
        if (dialog) DestroyWindow(dialog);
        for (HBITMAP p : pictures)
            DeleteObject(p);
        DestroyWindow(parent);
        plat::reset_queue();
        UnregisterClassA("FormaldrixLayoutParent", nullptr);
    }

    HWND create(int id) {
        dialog = CreateDialogParamA(nullptr, MAKEINTRESOURCEA(id), parent, quiet_procedure, 0);
        return dialog;
    }
    static INT_PTR CALLBACK quiet_procedure(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

    void set_picture(int id) {
        HBITMAP picture = LoadBitmapA(plat::default_module(), MAKEINTRESOURCEA(id));
        ASSERT_NE(picture, nullptr) << id;
        pictures.push_back(picture);
        SendDlgItemMessageA(dialog, id, STM_SETIMAGE, IMAGE_BITMAP,
                            reinterpret_cast<LPARAM>(picture));
    }

    RECT rect_of(HWND control) const {
        RECT r;
        GetWindowRect(control, &r);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }

    // Each static's and button's text, in the dialog's font, within its control.
    void expect_texts_fit() {
        HDC dc = GetDC(dialog);
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0)));
        for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            char cls[32], text[128];
            GetClassNameA(c, cls, sizeof cls);
            const int n = GetWindowTextA(c, text, sizeof text);
            if (n == 0 || !is_static(cls)) continue;
            SIZE extent;
            GetTextExtentPoint32A(dc, text, n, &extent);
            const RECT r = rect_of(c);
            EXPECT_LE(extent.cx, r.right - r.left) << text;
            EXPECT_LE(extent.cy, r.bottom - r.top + 2) << text;
        }
        ReleaseDC(dialog, dc);
    }

    HWND parent = nullptr;
    HWND dialog = nullptr;
    std::vector<HBITMAP> pictures;
};

bool inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

bool overlap(const RECT& a, const RECT& b) {
    RECT both;
    return IntersectRect(&both, &a, &b);
}

TEST_F(DialogLayout, FormulaDialogReadsWell) {
    ASSERT_TRUE(create(FormulaDialog));
    set_picture(1002);
    RECT client;
    GetClientRect(dialog, &client);
    RECT frame;
    GetWindowRect(dialog, &frame);
    // Shown at 1 % of the client area, it stays left of the result window at 65 %.
    EXPECT_LE(8 + frame.right - frame.left, 532);

    const auto at = [&](int id) { return rect_of(GetDlgItem(dialog, id)); };
    std::vector<HWND> boxes, others;
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        EXPECT_TRUE(inside(rect_of(c), client));
        const bool box = (GetWindowLongPtrA(c, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX &&
                         GetDlgCtrlID(c) == 0xFFFF;
        (box ? boxes : others).push_back(c);
    }
    ASSERT_EQ(boxes.size(), 2u);
    for (std::size_t i = 0; i < others.size(); ++i)
        for (std::size_t j = i + 1; j < others.size(); ++j) {
            RECT a = rect_of(others[i]), b = rect_of(others[j]);
            // A combo box's height is its dropped list; the closed field is what shows.
            if (GetDlgCtrlID(others[i]) == 1015) a.bottom = a.top + 20;
            if (GetDlgCtrlID(others[j]) == 1015) b.bottom = b.top + 20;
            EXPECT_FALSE(overlap(a, b))
                << GetDlgCtrlID(others[i]) << " " << GetDlgCtrlID(others[j]);
        }
    // The picture fills its frame without touching it; the signs sit in theirs.
    const RECT formula = rect_of(boxes[0]), sign = rect_of(boxes[1]);
    const RECT picture = at(1002);
    EXPECT_TRUE(inside(picture,
                       {formula.left + 4, formula.top + 8, formula.right - 4, formula.bottom - 4}));
    EXPECT_GT(picture.right - picture.left, (formula.right - formula.left) * 9 / 10);
    for (int id : {1021, 1022})
        EXPECT_TRUE(inside(at(id), sign)) << id;
    expect_texts_fit();
}

TEST_F(DialogLayout, InfoDialogPictureFillsItsPlace) {
    ASSERT_TRUE(create(InfoDialog));
    RECT place{22, 80, 22 + 138, 80 + 68};
    MapDialogRect(dialog, &place);
    set_picture(1011);
    const RECT picture = rect_of(GetDlgItem(dialog, 1011));
    EXPECT_EQ(picture.right - picture.left, place.right - place.left);
    EXPECT_EQ(picture.bottom - picture.top, place.bottom - place.top);
    expect_texts_fit();
}

} // namespace
