// The frame every common dialog runs in: the owner, the other windows disabled while it runs.
#include "core/context.h"
#include "core/wmiscel.h"
#include "dialogs/dialog_table.h"
#include "dialogs/wcomdlg.h"
#include "dialogs/wdialog.h"

namespace tess {

namespace {
constexpr int WithFrames = 1;
constexpr int TakeSnapshots = 1;
constexpr int GiveSnapshotsBack = 2;
constexpr int NoneExcluded = -1;
} // namespace

HWND common_dialog_owner() {
    const HWND active = tk().dialogs.hDlgCur;
    return active ? active : tk().core.hWinCur;
}

void common_dialog_begin(HWND owner) {
    yyDisableDialogs(owner, WithFrames);
}

void common_dialog_end(HWND owner) {
    const HWND lastSemi = tk().dialogs.hLastSemi;
    yyEnableDialogs(lastSemi ? lastSemi : owner, WithFrames);
    if (owner && child_style(owner)) yytitlecolour(owner);
}

CommonSnapshots::CommonSnapshots() {
    yygetwindowbitmap_(TakeSnapshots, NoneExcluded);
}

CommonSnapshots::~CommonSnapshots() {
    yygetwindowbitmap_(GiveSnapshotsBack, NoneExcluded);
}

} // namespace tess
