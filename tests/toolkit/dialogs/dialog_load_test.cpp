// Loading, selecting and unloading dialogs: the table, the current dialog and error 1007.
#include "dialog_fixture.h"

namespace dlgtest {
namespace {

using LoadTest = DialogTest;

// Identifiers that load nothing: not positive, beyond 16 bits, without a template.
TEST_F(LoadTest, BadIdentifiersRecord1007AndChangeNothing) {
    ASSERT_TRUE(load(DLG_PLAIN));
    const int loaded = table().nDialogs, current = table().iDlgCur;
    for (int id : {0, -5, 70000, DLG_MISSING, -65536 + DLG_PLAIN}) {
        SCOPED_TRACE(id);
        WDialogLoad(id);
        EXPECT_EQ(last_error(), 1007);
        EXPECT_EQ(table().nDialogs, loaded);
        EXPECT_EQ(table().iDlgCur, current);
        EXPECT_EQ(current_id(), DLG_PLAIN);
    }
}

TEST_F(LoadTest, LoadingALoadedDialogSelectsItAndKeepsItsFields) {
    const HWND all = load(DLG_ALL);
    SetWindowTextA(item(all, ID_EDIT), "abc");
    ASSERT_TRUE(load(DLG_PLAIN));
    EXPECT_EQ(load(DLG_ALL), all);
    EXPECT_EQ(table().nDialogs, 2);
    EXPECT_EQ(table().iDlgCur, 1);
    EXPECT_EQ(current_id(), DLG_ALL);
    EXPECT_EQ(text(item(all, ID_EDIT)), "abc");
    EXPECT_EQ(last_error(), 0);
}

TEST_F(LoadTest, TheFiftyFirstDialogRecords1007) {
    for (int i = 0; i < tess::MaxDialogs; ++i)
        ASSERT_TRUE(load(DLG_TINY_FIRST + i)) << i;
    EXPECT_EQ(table().nDialogs, 50);
    WDialogLoad(DLG_PLAIN);
    EXPECT_EQ(last_error(), 1007);
    EXPECT_EQ(table().nDialogs, 50);
    EXPECT_EQ(current_id(), DLG_TINY_FIRST + 49);
    EXPECT_EQ(tess::yydialogfind(DLG_PLAIN), -1);
}

TEST_F(LoadTest, LoadedDialogIsHiddenWithAFieldRecordPerControl) {
    const HWND all = load(DLG_ALL);
    ASSERT_TRUE(all);
    EXPECT_FALSE(IsWindowVisible(all));
    EXPECT_EQ(record(1).Id, DLG_ALL);
    EXPECT_EQ(record(1).Shown, 0);
    for (HWND c = GetWindow(all, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        const tess::FieldRecord* f = tess::field_record(c);
        ASSERT_TRUE(f) << GetDlgCtrlID(c);
        EXPECT_GT(f->LowerBound, f->UpperBound);
        EXPECT_EQ(f->Foreground, -1);
        EXPECT_TRUE(f->PreviousProc);
    }
}

// Plain check, three-state and radio buttons become automatic ones; a bitmap static shows the
// bitmap named by its identifier.
TEST_F(LoadTest, ControlSetUpChangesButtonTypesAndLoadsPictures) {
    const HWND all = load(DLG_ALL);
    struct Row {
        int id;
        LONG_PTR type;
    };
    for (const Row& r : {Row{ID_CHECK, BS_AUTOCHECKBOX}, Row{ID_THREE, BS_AUTOCHECKBOX},
                         Row{ID_RADIO1, BS_AUTORADIOBUTTON}, Row{ID_RADIO2, BS_AUTORADIOBUTTON},
                         Row{IDOK, BS_DEFPUSHBUTTON}, Row{ID_GROUP, BS_GROUPBOX}})
        EXPECT_EQ(GetWindowLongPtrA(item(all, r.id), GWL_STYLE) & BS_TYPEMASK, r.type) << r.id;
    EXPECT_TRUE(SendMessageA(item(all, ID_PICTURE), STM_GETIMAGE, IMAGE_BITMAP, 0));
    // A bitmap button shows its bitmap, or its text when the bitmap is missing.
    EXPECT_TRUE(SendMessageA(item(all, ID_BMPBUTTON), BM_GETIMAGE, IMAGE_BITMAP, 0));
    EXPECT_TRUE(GetWindowLongPtrA(item(all, ID_BMPBUTTON), GWL_STYLE) & BS_BITMAP);
    EXPECT_FALSE(GetWindowLongPtrA(item(all, ID_NOBMP), GWL_STYLE) & (BS_BITMAP | BS_ICON));
    EXPECT_EQ(text(item(all, ID_NOBMP)), "Ohne");
}

TEST_F(LoadTest, UnloadMovesLaterRecordsDownWhole) {
    ASSERT_TRUE(load(DLG_ALL));
    ASSERT_TRUE(load(DLG_PLAIN));
    const HWND last = load(DLG_COUNT);
    record(3).CurrentField = 77;
    record(3).PreviousField = 66;
    SetWindowTextA(item(last, IDOK), "Gut");
    WDialogLoad(DLG_PLAIN);
    WDialogUnload();
    EXPECT_EQ(table().nDialogs, 2);
    EXPECT_EQ(table().iDlgCur, 0);
    EXPECT_EQ(record(2).Id, DLG_COUNT);
    EXPECT_EQ(record(2).Handle, last);
    EXPECT_EQ(record(2).CurrentField, 77);
    EXPECT_EQ(record(2).PreviousField, 66);
    EXPECT_EQ(record(3).Handle, nullptr);
    EXPECT_EQ(text(item(last, IDOK)), "Gut");
    EXPECT_EQ(tess::yydialogfind(DLG_PLAIN), -1);
}

// After an unload no dialog is current: the routines record 1005 and act on nothing, not on
// the modal slot.
TEST_F(LoadTest, AfterUnloadRoutinesRecordNoCurrentDialog) {
    ASSERT_TRUE(load(DLG_PLAIN));
    WDialogUnload();
    struct Call {
        const char* name;
        void (*run)();
    };
    for (const Call& c :
         {Call{"show", [] { WDialogShow(1, 1); }}, Call{"hide", [] { WDialogHide(); }},
          Call{"unload", [] { WDialogUnload(); }},
          Call{"focus", [] { WDialogFieldFocus(ID_EDIT); }},
          Call{"title", [] { WDialogTitle("x"); }}}) {
        SCOPED_TRACE(c.name);
        c.run();
        EXPECT_EQ(last_error(), 1005);
        EXPECT_EQ(table().nDialogs, 0);
    }
    EXPECT_EQ(tess::current_dialog(), nullptr);
    EXPECT_EQ(tess::field_window(ID_EDIT), nullptr);
}

// The public record may still name a dialog the core no longer has current.
TEST_F(LoadTest, PublicRecordAloneIsNoCurrentDialog) {
    ASSERT_TRUE(load(DLG_PLAIN));
    int self = 0;
    yydialogunload_(self);
    ASSERT_EQ(current_id(), DLG_PLAIN);
    WDialogShow(10, 10);
    EXPECT_EQ(last_error(), 1005);
    EXPECT_EQ(record(0).Handle, nullptr);
}

TEST_F(LoadTest, UnloadingASemiModelessDialogEndsItsDisplayFirst) {
    const HWND plain = load(DLG_PLAIN);
    WDialogShow(10, 10, 0, 3);
    ASSERT_FALSE(IsWindowEnabled(frame(0)));
    WDialogUnload();
    EXPECT_FALSE(IsWindow(plain));
    EXPECT_TRUE(IsWindowEnabled(frame(0)));
    EXPECT_EQ(table().nSemi, 0);
    EXPECT_EQ(table().hLastSemi, nullptr);
    EXPECT_EQ(table().hDlgCur, nullptr);
}

TEST_F(LoadTest, WindowCloseDestroysEveryDialog) {
    const HWND all = load(DLG_ALL);
    const HWND child = load(DLG_CHILD);
    WDialogShow(10, 10);
    WindowClose();
    EXPECT_FALSE(IsWindow(all));
    EXPECT_FALSE(IsWindow(child));
    EXPECT_EQ(table().nDialogs, 0);
    EXPECT_EQ(current_id(), 0);
    open_root(600, 400); // for TearDown's WindowClose
}

TEST_F(LoadTest, SelectAndFocus) {
    const HWND all = load(DLG_ALL);
    ASSERT_TRUE(load(DLG_PLAIN));
    WDialogSelect(DLG_ALL);
    EXPECT_EQ(table().iDlgCur, 1);
    WDialogSelect(DLG_MISSING);
    EXPECT_EQ(last_error(), 1007);
    EXPECT_EQ(current_id(), DLG_ALL);
    WDialogFieldFocus(4242);
    EXPECT_EQ(last_error(), 1006);
    EXPECT_EQ(record(1).CurrentField, 0);
    WDialogFieldFocus(ID_MEMO);
    EXPECT_EQ(record(1).CurrentField, ID_MEMO);
    EXPECT_EQ(GetFocus(), item(all, ID_MEMO));
}

TEST_F(LoadTest, TitleSetsTheCaption) {
    const HWND all = load(DLG_ALL);
    WDialogTitle("Neu   ");
    EXPECT_EQ(text(all), "Neu");
}

} // namespace
} // namespace dlgtest
