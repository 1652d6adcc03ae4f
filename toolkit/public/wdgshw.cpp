// WDialogLoad, WDialogShow, WDialogHide and the other public dialog routines over the core's
// dialog table.
#include "public/wdgshw.h"

#include "core/context.h"
#include "dialogs/dialog_table.h"
#include "dialogs/wdialog.h"
#include "public/wunits.h"
#include "public/wwopen.h"
#include "util/error_record.h"

using namespace tess;

namespace {

constexpr int NoSuchField = 1006;
constexpr int NotLoaded = 1007;
constexpr int ModeChanged = 1014;
constexpr int RootHidden = 1016;

constexpr int TakeSnapshots = 1, GiveSnapshotsBack = 2;

int to_pixels_x(int x) {
    int px = 0, py = 0;
    WindowUnitsToPixels(x, 0, px, py);
    return px;
}

int to_pixels_y(int y) {
    int px = 0, py = 0;
    WindowUnitsToPixels(0, y, px, py);
    return py;
}

} // namespace

const Tessar04& tess::tessar04() {
    return tk().tessar04;
}

void WDialogLoad(const int& id) {
    // Identifiers are positive: a template's name is its low 16 bits, and the core hands its
    // failures back as 0 or less.
    int result = id;
    if (id > 0) yydialogload_(result);
    if (id <= 0 || result <= 0) {
        xxerror_(NotLoaded);
        return;
    }
    tk().tessar04.currentDialog = id;
}

void WDialogShow(const int& x, const int& y, const int& focus, const int& mode) {
    if (!dialog_current_or_error()) return;
    const int previous = tk().tessar01.currentWindow;
    if (previous != 0) WindowSelect(0);
    const int px = x == -1 ? -1 : to_pixels_x(x);
    const int py = y == -1 ? -1 : to_pixels_y(y);
    const bool modal = mode == ShowModal;
    if (modal) yygetwindowbitmap_(TakeSnapshots, -1);
    int status = mode;
    yydialogshow_(x, y, px, py, status, focus);
    Tessar04& t = tk().tessar04;
    if (modal && status != -1) {
        yygetwindowbitmap_(GiveSnapshotsBack, -1);
        yywinfodialog_(1, t.exitField);
        yywinfodialog_(2, t.exitPreviousField);
        yywinfodialog_(3, t.exitDialog);
    }
    if (status == -1) xxerror_(ModeChanged);
    if (status == -2) xxerror_(RootHidden);
    if (previous != 0) WindowSelect(previous);
}

void WDialogHide() {
    if (!dialog_current_or_error()) return;
    yydialoghide_();
}

void WDialogUnload() {
    if (!dialog_current_or_error()) return;
    yydialogunload_(tk().tessar04.currentDialog);
    tk().tessar04.currentDialog = 0;
}

void WDialogSelect(const int& id) {
    int result = id;
    yydialogselect_(result);
    if (result == -1) {
        xxerror_(NotLoaded);
        return;
    }
    tk().tessar04.currentDialog = id;
}

void WDialogFieldFocus(const int& f) {
    if (!dialog_current_or_error()) return;
    int field = f;
    yydialogfocus_(field);
    if (field == -1) xxerror_(NoSuchField);
}

void WDialogTitle(TextRef title) {
    if (!dialog_current_or_error()) return;
    yydialogtitle_(title.str().c_str());
}
