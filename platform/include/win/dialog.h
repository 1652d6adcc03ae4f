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
// (WM_GETDLGCODE, its DLGC_ answers and WM_CTLCOLORDLG are the controls' header's.)
constexpr UINT WM_NEXTDLGCTL = 0x0028, WM_HELP = 0x0053, WM_INITDIALOG = 0x0110;
constexpr UINT DM_GETDEFID = WM_USER + 0, DM_SETDEFID = WM_USER + 1, DM_REPOSITION = WM_USER + 2;
// The high word of a DM_GETDEFID answer that names a default button.
constexpr WORD DC_HASDEFID = 0x534B;

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

// Message boxes: the button set, icon, default button and modality of MessageBoxA's type.
constexpr UINT MB_OK = 0x0, MB_OKCANCEL = 0x1, MB_ABORTRETRYIGNORE = 0x2, MB_YESNOCANCEL = 0x3,
               MB_YESNO = 0x4, MB_RETRYCANCEL = 0x5, MB_TYPEMASK = 0xF;
constexpr UINT MB_ICONHAND = 0x10, MB_ICONQUESTION = 0x20, MB_ICONEXCLAMATION = 0x30,
               MB_ICONASTERISK = 0x40, MB_ICONMASK = 0xF0, MB_ICONSTOP = MB_ICONHAND,
               MB_ICONERROR = MB_ICONHAND, MB_ICONWARNING = MB_ICONEXCLAMATION,
               MB_ICONINFORMATION = MB_ICONASTERISK;
constexpr UINT MB_DEFBUTTON1 = 0x000, MB_DEFBUTTON2 = 0x100, MB_DEFBUTTON3 = 0x200,
               MB_DEFMASK = 0xF00;
constexpr UINT MB_APPLMODAL = 0x0000, MB_SYSTEMMODAL = 0x1000, MB_TASKMODAL = 0x2000,
               MB_MODEMASK = 0x3000;
int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
