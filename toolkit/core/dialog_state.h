// The dialog manager's state as the core keeps it: the dialog table, the current and active
// dialogs, semi-modeless bookkeeping, the control-class atoms and procedures, and the snapshots
// the procedures paint from while a modal display runs. The frame and client procedures and the
// translator read it; the dialog sources (toolkit/dialogs) own it.
#pragma once

#include <array>
#include <map>

#include <windows.h>

#include "core/wwindow.h"

namespace tess {

constexpr int DialogSlots = 51; // index 0: the modal instance; 1 to 50: loaded dialogs
constexpr int MaxDialogs = DialogSlots - 1;

// Show modes.
constexpr int ShowModal = 1;
constexpr int ShowModeless = 2;
constexpr int ShowSemiModeless = 3;

// One record of the dialog table.
struct DialogRecord {
    int Id = 0;
    HWND Handle = nullptr; // record 0: the modal instance while it exists
    int Shown = 0;         // 1 while displayed modeless or semi-modeless
    int CurrentField = 0;  // the field last acted on
    int PreviousField = 0; // the field acted on before it
    int Mode = 0;          // mode of the last display, after adjustment
    HWND Owner = nullptr;  // active dialog or current window at display; gets the focus back
    HWND ReenableOnHide = nullptr;  // enabled when this semi-modeless display ends
    HWND LastFieldHandle = nullptr; // control of this dialog's last field-focus event
    int GraphicsField = 0;          // field of the last graphics event; 0 = the dialog itself
    int IsGraphicsArea = 0;         // 1 once the dialog's client area was chosen for graphics
    int MouseButton = 0;            // of the last graphics mouse event: 1, 2, 3; 0 = a move
};

// Atoms and original procedures of the control classes dialogs are built from.
struct ControlClasses {
    ATOM atomButton = 0, atomStatic = 0, atomTrack = 0, atomEdit = 0, atomList = 0, atomCombo = 0,
         atomTab = 0, atomProgress = 0, atomUpDown = 0;
    WNDPROC lpNormalButtonProc = nullptr;
    WNDPROC lpNormalStaticProc = nullptr;
    WNDPROC lpNormalTrackProc = nullptr;
    WNDPROC lpNormalEditProc = nullptr;
};

struct CoreDialogs {
    std::array<DialogRecord, DialogSlots> DialogInfo{};
    int nDialogs = 0;
    int iDlgCur = 0;        // table index of the current dialog; 0 = none
    HWND hDlgCur = nullptr; // the dialog active as far as the toolkit is concerned
    int iDlgAct = 0;        // identifier of the dialog whose button ended the last modal display
    int nSemi = 0;          // semi-modeless dialogs on display
    HWND hLastSemi = nullptr;
    // For the next display or creation of a dialog window: the field to focus (0 = the
    // template's default) and the position in pixels (-1 = centred).
    int ShowFocusField = 0;
    int ShowX = 0, ShowY = 0;
    int DialogInTransition = 0; // 1 while a load creates a window or the modal instance ends
    ControlClasses classes;

    // The dialog procedure's state.
    HBRUSH hBrushDlg = nullptr; // the brush last handed out for a coloured field
    HWND hGraphicsField = nullptr;
    HDC graphicsFieldDC = nullptr; // hGraphicsField's context; the graphics driver draws into it
    int iSelStart = 0;             // a trackbar's selection anchor while Shift is held; 0 = none
    // Snapshots while a modal display runs: client windows by window number, dialogs by table
    // index (entry 0 unused).
    int wBlitOn = 0;
    std::array<HBITMAP, WindowSlots> wImage{};
    std::array<HBITMAP, DialogSlots> wDlgImage{};
    // Images the toolkit loaded for fields, with how many fields show each: a loaded dialog and
    // its modal instance show the same one (see toolkit/dialogs/field_images.h).
    std::map<HANDLE, int> fieldImages;
};

// Table indices that come from outside are checked with this before the table is indexed.
constexpr bool valid_dialog_index(int i) {
    return i >= 0 && i < DialogSlots;
}

// The record at index i; indices outside 0..50 get an empty record that is not kept.
DialogRecord& dialog_record(int i);

} // namespace tess

// The dialog routines the core calls; the dialog sources define them.

// Root creation: record the atoms and procedures of the control classes.
void yyregistersubclass();
void yygetatoms();
// Shutdown, before the frames go: destroys every dialog window (the modal instance included),
// clears the table and the bookkeeping, deletes the field brush and any snapshot.
void yydialogshutdown_();
