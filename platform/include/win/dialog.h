// The dialog manager: templates, dialog windows, their default procedure and keyboard interface.
#pragma once

#include "types.h"
#include "user.h"

// Dialog styles of a template.
constexpr DWORD DS_ABSALIGN = 0x0001, DS_SYSMODAL = 0x0002, DS_3DLOOK = 0x0004,
                DS_FIXEDSYS = 0x0008, DS_NOFAILCREATE = 0x0010, DS_LOCALEDIT = 0x0020,
                DS_SETFONT = 0x0040, DS_MODALFRAME = 0x0080, DS_NOIDLEMSG = 0x0100,
                DS_SETFOREGROUND = 0x0200, DS_CONTROL = 0x0400, DS_CENTER = 0x0800,
                DS_CENTERMOUSE = 0x1000, DS_CONTEXTHELP = 0x2000,
                DS_SHELLFONT = DS_SETFONT | DS_FIXEDSYS;

// Messages of dialogs and of their controls.
constexpr UINT WM_NEXTDLGCTL = 0x0028, WM_HELP = 0x0053, WM_GETDLGCODE = 0x0087,
               WM_INITDIALOG = 0x0110, WM_CTLCOLORMSGBOX = 0x0132, WM_CTLCOLOREDIT = 0x0133,
               WM_CTLCOLORLISTBOX = 0x0134, WM_CTLCOLORBTN = 0x0135, WM_CTLCOLORDLG = 0x0136,
               WM_CTLCOLORSCROLLBAR = 0x0137, WM_CTLCOLORSTATIC = 0x0138;
constexpr UINT DM_GETDEFID = WM_USER + 0, DM_SETDEFID = WM_USER + 1, DM_REPOSITION = WM_USER + 2;
// The high word of a DM_GETDEFID answer that names a default button.
constexpr WORD DC_HASDEFID = 0x534B;

// Answers to WM_GETDLGCODE.
constexpr LRESULT DLGC_WANTARROWS = 0x0001, DLGC_WANTTAB = 0x0002, DLGC_WANTALLKEYS = 0x0004,
                  DLGC_WANTMESSAGE = 0x0004, DLGC_HASSETSEL = 0x0008, DLGC_DEFPUSHBUTTON = 0x0010,
                  DLGC_UNDEFPUSHBUTTON = 0x0020, DLGC_RADIOBUTTON = 0x0040, DLGC_WANTCHARS = 0x0080,
                  DLGC_STATIC = 0x0100, DLGC_BUTTON = 0x2000;

// Standard control identifiers and dialog box answers.
constexpr int IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7,
              IDCLOSE = 8, IDHELP = 9;

// The extra bytes of the dialog class and what they hold.
constexpr int DLGWINDOWEXTRA = 30;
constexpr int DWLP_MSGRESULT = 0, DWLP_DLGPROC = DWLP_MSGRESULT + sizeof(LRESULT),
              DWLP_USER = DWLP_DLGPROC + sizeof(void*);
static_assert(DWLP_USER + sizeof(LONG_PTR) <= DLGWINDOWEXTRA);

// The class name of dialog windows: "#32770".
#define WC_DIALOG MAKEINTRESOURCEA(0x8002)

using DLGPROC = INT_PTR (*)(HWND, UINT, WPARAM, LPARAM);

// The fixed headers of the two template formats; items follow, each on a DWORD boundary.
#pragma pack(push, 2)
struct DLGTEMPLATE {
    DWORD style;
    DWORD dwExtendedStyle;
    WORD cdit;
    short x;
    short y;
    short cx;
    short cy;
};
struct DLGITEMTEMPLATE {
    DWORD style;
    DWORD dwExtendedStyle;
    short x;
    short y;
    short cx;
    short cy;
    WORD id;
};
#pragma pack(pop)
using LPCDLGTEMPLATEA = const DLGTEMPLATE*;

// WM_HELP's description of where help was asked for.
constexpr int HELPINFO_WINDOW = 0x0001, HELPINFO_MENUITEM = 0x0002;
struct HELPINFO {
    UINT cbSize;
    int iContextType;
    int iCtrlId;
    HANDLE hItemHandle;
    DWORD_PTR dwContextId;
    POINT MousePos;
};

// The button and edit messages the dialog manager sends to controls.
constexpr UINT BM_GETCHECK = 0x00F0, BM_SETCHECK = 0x00F1, BM_GETSTATE = 0x00F2,
               BM_SETSTATE = 0x00F3, BM_SETSTYLE = 0x00F4, BM_CLICK = 0x00F5, EM_SETSEL = 0x00B1;
constexpr UINT BST_UNCHECKED = 0, BST_CHECKED = 1, BST_INDETERMINATE = 2;
constexpr DWORD BS_PUSHBUTTON = 0x0, BS_DEFPUSHBUTTON = 0x1, BS_CHECKBOX = 0x2,
                BS_AUTOCHECKBOX = 0x3, BS_RADIOBUTTON = 0x4, BS_3STATE = 0x5, BS_AUTO3STATE = 0x6,
                BS_GROUPBOX = 0x7, BS_USERBUTTON = 0x8, BS_AUTORADIOBUTTON = 0x9,
                BS_OWNERDRAW = 0xB, BS_TYPEMASK = 0xF;
constexpr WORD BN_CLICKED = 0;

// Dialog windows.
HWND CreateDialogIndirectParamA(HINSTANCE instance, LPCDLGTEMPLATEA dialogTemplate, HWND parent,
                                DLGPROC proc, LPARAM param);
HWND CreateDialogParamA(HINSTANCE instance, LPCSTR templateName, HWND parent, DLGPROC proc,
                        LPARAM param);
INT_PTR DialogBoxParamA(HINSTANCE instance, LPCSTR templateName, HWND parent, DLGPROC proc,
                        LPARAM param);
INT_PTR DialogBoxIndirectParamA(HINSTANCE instance, LPCDLGTEMPLATEA dialogTemplate, HWND parent,
                                DLGPROC proc, LPARAM param);
BOOL EndDialog(HWND dialog, INT_PTR result);
LRESULT DefDlgProcA(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
BOOL IsDialogMessageA(HWND dialog, MSG* msg);

// Dialog units.
BOOL MapDialogRect(HWND dialog, RECT* rect);
LONG GetDialogBaseUnits();

// Controls of a dialog.
HWND GetDlgItem(HWND dialog, int id);
BOOL SetDlgItemTextA(HWND dialog, int id, LPCSTR text);
UINT GetDlgItemTextA(HWND dialog, int id, LPSTR buffer, int size);
BOOL SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned);
UINT GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned);
BOOL CheckDlgButton(HWND dialog, int id, UINT check);
UINT IsDlgButtonChecked(HWND dialog, int id);
BOOL CheckRadioButton(HWND dialog, int first, int last, int check);
LRESULT SendDlgItemMessageA(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam);
HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous);
HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous);
