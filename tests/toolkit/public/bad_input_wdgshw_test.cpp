// Bad arguments to the routines of wdgshw.h: the error number each records (0 where none) and
// a state afterwards equal to that of the call the bad one amounts to (modeless for a
// child-style dialog, the template's focus for a missing focus field), or to the state before.
// In dialogs/dialog_load_test.cpp: identifiers 0, -5, 70000, without template, the 51st dialog,
// select of a missing dialog, focus on 4242, every routine without a current dialog; in
// dialog_show_test.cpp: modes 1 and 3 of a child-style dialog, the hidden root.
#include <climits>
#include <string>

#include "support/equivalent_calls.h"
#include "toolkit/dialogs/common_fixture.h"
#include "toolkit/dialogs/dialog_fixture.h"
#include "toolkit/dialogs/dialog_parts.h"

namespace {

using Row = testsupport::EquivalentCall;

class BadInputWdgShw : public dlgtest::DialogTest {
protected:
    // A page of a tab control loaded with its label, both dialogs loaded, displayed once and hidden
    // again (so that what a display leaves behind, the owner of message boxes, is the same before
    // every call), the pop-up current with its caption as loaded.
    void start() {
        if (tess::yydialogfind(DLG_ALL) < 0) {
            // A tab whose item names the page dialog: the page's title is its label.
            TCITEMA t{};
            t.mask = TCIF_TEXT | TCIF_PARAM;
            t.pszText = const_cast<char*>("alt");
            t.lParam = DLG_PAGE;
            SendMessageA(item(load(DLG_ALL), ID_TAB), TCM_INSERTITEMA, 0,
                         reinterpret_cast<LPARAM>(&t));
            load(DLG_PAGE);
        }
        WDialogSelect(DLG_PAGE);
        WDialogTitle("Seite");
        if (tess::yydialogfind(DLG_CHILD) < 0) load(DLG_CHILD);
        if (tess::yydialogfind(DLG_PLAIN) < 0) load(DLG_PLAIN);
        for (int id : {DLG_CHILD, DLG_PLAIN}) {
            WDialogSelect(id);
            WDialogHide();
        }
        for (int id : {DLG_CHILD, DLG_PLAIN}) {
            WDialogSelect(id);
            WDialogShow(20, 20);
            WDialogHide();
        }
        WDialogTitle("Einfach");
        tess::error_record().file_status = 77;
        tess::error_record().dialog_status = 88;
    }
};

TEST_F(BadInputWdgShw, ErrorNumberAndNothingElse) {
    start(); // the first load is behind every row
    const std::string longTitle(70000, 'T');
    const Row rows[] = {
        {"load INT_MIN", [] { WDialogLoad(INT_MIN); }, 1007, nullptr},
        {"load INT_MAX", [] { WDialogLoad(INT_MAX); }, 1007, nullptr},
        // A pop-up is displayed in modes 1 to 3 only.
        {"pop-up mode 0", [] { WDialogShow(10, 10, 0, 0); }, 0, nullptr},
        {"pop-up mode 4", [] { WDialogShow(10, 10, 0, 4); }, 0, nullptr},
        {"pop-up mode INT_MIN", [] { WDialogShow(10, 10, 0, INT_MIN); }, 0, nullptr},
        // A child-style dialog is always modeless.
        {"child mode 0",
         [] {
             WDialogSelect(DLG_CHILD);
             WDialogShow(10, 10, 0, 0);
         },
         1014,
         [] {
             WDialogSelect(DLG_CHILD);
             WDialogShow(10, 10, 0, 2);
         }},
        {"child mode INT_MAX",
         [] {
             WDialogSelect(DLG_CHILD);
             WDialogShow(10, 10, 0, INT_MAX);
         },
         1014,
         [] {
             WDialogSelect(DLG_CHILD);
             WDialogShow(10, 10, 0, 2);
         }},
        // A focus field the dialog does not have leaves the template's focus.
        {"focus -2", [] { WDialogShow(10, 10, -2); }, 0, [] { WDialogShow(10, 10); }},
        {"focus INT_MAX", [] { WDialogShow(10, 10, INT_MAX); }, 0, [] { WDialogShow(10, 10); }},
        {"focus beyond 16 bits", [] { WDialogShow(10, 10, 65536 + ID_EDIT); }, 0,
         [] { WDialogShow(10, 10); }},
        // Positions are used unchanged, however far off; in pixels they saturate rather than
        // wrap, so the last two units of the integer range land on the same place.
        {"pop-up far off", [] { WDialogShow(INT_MAX, INT_MIN); }, 0,
         [] { WDialogShow(INT_MAX - 1, INT_MIN + 1); }},
        {"child far off",
         [] {
             WDialogSelect(DLG_CHILD);
             WDialogShow(INT_MIN, INT_MAX);
         },
         0,
         [] {
             WDialogSelect(DLG_CHILD);
             WDialogShow(INT_MIN + 1, INT_MAX - 1);
         }},
        {"hide a hidden dialog", [] { WDialogHide(); }, 0, nullptr},
        {"select 0", [] { WDialogSelect(0); }, 1007, nullptr},
        {"select -1", [] { WDialogSelect(-1); }, 1007, nullptr},
        {"select INT_MIN", [] { WDialogSelect(INT_MIN); }, 1007, nullptr},
        {"field focus -2", [] { WDialogFieldFocus(-2); }, 1006, nullptr},
        {"field focus 0", [] { WDialogFieldFocus(0); }, 1006, nullptr},
        {"field focus beyond 16 bits", [] { WDialogFieldFocus(65536 + ID_EDIT); }, 1006, nullptr},
        {"field focus INT_MIN", [] { WDialogFieldFocus(INT_MIN); }, 1006, nullptr},
        {"empty title", [] { WDialogTitle(""); }, 0, [] { WDialogTitle("   "); }},
        {"title of 70000 characters", [&] { WDialogTitle(longTitle + "  "); }, 0,
         [&] { WDialogTitle(longTitle); }},
        {"page title of 70000 characters",
         [&] {
             WDialogSelect(DLG_PAGE);
             WDialogTitle(longTitle + "  ");
         },
         0,
         [&] {
             WDialogSelect(DLG_PAGE);
             WDialogTitle(longTitle);
         }},
        {"empty page title",
         [] {
             WDialogSelect(DLG_PAGE);
             WDialogTitle("");
         },
         0,
         [] {
             WDialogSelect(DLG_PAGE);
             WDialogTitle(" ");
         }},
        // The modal instance copies the caption through a buffer of 65536 bytes.
        {"modal display with a title of 70000 characters",
         [&] {
             WDialogTitle(longTitle + "  ");
             commontest::key(VK_RETURN, '\r');
             WDialogShow(10, 10, 0, 1);
         },
         0,
         [&] {
             WDialogTitle(longTitle);
             commontest::key(VK_RETURN, '\r');
             WDialogShow(10, 10, 0, 1);
         }},
        // Last: an unload the start cannot take back without new windows.
        {"unload twice",
         [] {
             WDialogUnload();
             WDialogUnload();
         },
         1005, [] { WDialogUnload(); }},
    };
    testsupport::expect_equivalent([this] { start(); }, rows, dlgtest::add_dialog_parts);
}

} // namespace
