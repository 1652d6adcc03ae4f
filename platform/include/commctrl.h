// The common controls the frames carry: status bar, toolbar and tooltips, with the messages,
// structures and notification codes of the original platform. Include after <windows.h>.
#pragma once

#include <cstddef>

#include "windows.h"

// The classes are registered with the system's own, so these only report success.
constexpr DWORD ICC_LISTVIEW_CLASSES = 0x0001, ICC_TREEVIEW_CLASSES = 0x0002,
                ICC_BAR_CLASSES = 0x0004, ICC_TAB_CLASSES = 0x0008, ICC_UPDOWN_CLASS = 0x0010,
                ICC_PROGRESS_CLASS = 0x0020, ICC_WIN95_CLASSES = 0x00FF;
struct INITCOMMONCONTROLSEX {
    DWORD dwSize;
    DWORD dwICC;
};
using LPINITCOMMONCONTROLSEX = INITCOMMONCONTROLSEX*;
void InitCommonControls();
BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* init);

// Styles every bar control shares.
constexpr DWORD CCS_TOP = 0x0001, CCS_NOMOVEY = 0x0002, CCS_BOTTOM = 0x0003, CCS_NORESIZE = 0x0004,
                CCS_NOPARENTALIGN = 0x0008, CCS_ADJUSTABLE = 0x0020, CCS_NODIVIDER = 0x0040;

// Notification codes.
constexpr UINT NM_FIRST = 0, TTN_FIRST = static_cast<UINT>(-520);
constexpr UINT TTN_GETDISPINFOA = TTN_FIRST - 0, TTN_SHOW = TTN_FIRST - 1, TTN_POP = TTN_FIRST - 2,
               TTN_NEEDTEXTA = TTN_GETDISPINFOA;

// Status bar.
#define STATUSCLASSNAMEA "msctls_statusbar32"
constexpr DWORD SBARS_SIZEGRIP = 0x0100;
constexpr UINT SB_SETTEXTA = WM_USER + 1, SB_GETTEXTA = WM_USER + 2,
               SB_GETTEXTLENGTHA = WM_USER + 3, SB_SETPARTS = WM_USER + 4,
               SB_GETPARTS = WM_USER + 6, SB_GETBORDERS = WM_USER + 7,
               SB_SETMINHEIGHT = WM_USER + 8, SB_SIMPLE = WM_USER + 9, SB_GETRECT = WM_USER + 10,
               SB_ISSIMPLE = WM_USER + 14;
// Drawing types of a part's text, in the high byte of SB_SETTEXTA's wParam (0: sunken).
constexpr WPARAM SBT_OWNERDRAW = 0x1000, SBT_NOBORDERS = 0x0100, SBT_POPOUT = 0x0200,
                 SBT_RTLREADING = 0x0400;
// The part number of the text shown in simple mode.
constexpr WPARAM SB_SIMPLEID = 0x00FF;

// Toolbar.
#define TOOLBARCLASSNAMEA "ToolbarWindow32"
constexpr DWORD TBSTYLE_TOOLTIPS = 0x0100, TBSTYLE_WRAPABLE = 0x0200, TBSTYLE_ALTDRAG = 0x0400,
                TBSTYLE_FLAT = 0x0800, TBSTYLE_LIST = 0x1000;
// Button styles and states (TBBUTTON::fsStyle, fsState).
constexpr BYTE TBSTYLE_BUTTON = 0x00, TBSTYLE_SEP = 0x01, TBSTYLE_CHECK = 0x02,
               TBSTYLE_GROUP = 0x04, TBSTYLE_CHECKGROUP = TBSTYLE_GROUP | TBSTYLE_CHECK;
constexpr BYTE TBSTATE_CHECKED = 0x01, TBSTATE_PRESSED = 0x02, TBSTATE_ENABLED = 0x04,
               TBSTATE_HIDDEN = 0x08, TBSTATE_INDETERMINATE = 0x10, TBSTATE_WRAP = 0x20;
constexpr UINT TB_ENABLEBUTTON = WM_USER + 1, TB_CHECKBUTTON = WM_USER + 2,
               TB_PRESSBUTTON = WM_USER + 3, TB_HIDEBUTTON = WM_USER + 4,
               TB_ISBUTTONENABLED = WM_USER + 9, TB_ISBUTTONCHECKED = WM_USER + 10,
               TB_ISBUTTONPRESSED = WM_USER + 11, TB_ISBUTTONHIDDEN = WM_USER + 12,
               TB_SETSTATE = WM_USER + 17, TB_GETSTATE = WM_USER + 18, TB_ADDBITMAP = WM_USER + 19,
               TB_ADDBUTTONSA = WM_USER + 20, TB_INSERTBUTTONA = WM_USER + 21,
               TB_DELETEBUTTON = WM_USER + 22, TB_GETBUTTON = WM_USER + 23,
               TB_BUTTONCOUNT = WM_USER + 24, TB_COMMANDTOINDEX = WM_USER + 25,
               TB_GETITEMRECT = WM_USER + 29, TB_BUTTONSTRUCTSIZE = WM_USER + 30,
               TB_SETBUTTONSIZE = WM_USER + 31, TB_SETBITMAPSIZE = WM_USER + 32,
               TB_AUTOSIZE = WM_USER + 33, TB_GETTOOLTIPS = WM_USER + 35,
               TB_SETTOOLTIPS = WM_USER + 36, TB_SETPARENT = WM_USER + 37,
               TB_GETBUTTONSIZE = WM_USER + 58;
#define TB_ADDBUTTONS TB_ADDBUTTONSA

struct TBBUTTON {
    int iBitmap; // image index; for a separator its width (0: the default)
    int idCommand;
    BYTE fsState;
    BYTE fsStyle;
    BYTE bReserved[sizeof(void*) - 2];
    DWORD_PTR dwData;
    INT_PTR iString;
};
using LPTBBUTTON = TBBUTTON*;
using LPCTBBUTTON = const TBBUTTON*;

// An image strip: a bitmap resource of the module (hInst, nID), or with a null hInst a bitmap
// handle in nID.
struct TBADDBITMAP {
    HINSTANCE hInst;
    UINT_PTR nID;
};
using LPTBADDBITMAP = TBADDBITMAP*;
inline const HINSTANCE HINST_COMMCTRL = reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(-1));

// Tooltips.
#define TOOLTIPS_CLASSA "tooltips_class32"
constexpr DWORD TTS_ALWAYSTIP = 0x01, TTS_NOPREFIX = 0x02;
constexpr UINT TTF_IDISHWND = 0x0001, TTF_CENTERTIP = 0x0002, TTF_RTLREADING = 0x0004,
               TTF_SUBCLASS = 0x0010, TTF_TRACK = 0x0020, TTF_ABSOLUTE = 0x0080,
               TTF_TRANSPARENT = 0x0100, TTF_DI_SETITEM = 0x8000;
constexpr WPARAM TTDT_AUTOMATIC = 0, TTDT_RESHOW = 1, TTDT_AUTOPOP = 2, TTDT_INITIAL = 3;
constexpr UINT TTM_ACTIVATE = WM_USER + 1, TTM_SETDELAYTIME = WM_USER + 3,
               TTM_ADDTOOLA = WM_USER + 4, TTM_DELTOOLA = WM_USER + 5,
               TTM_NEWTOOLRECTA = WM_USER + 6, TTM_RELAYEVENT = WM_USER + 7,
               TTM_GETTEXTA = WM_USER + 11, TTM_UPDATETIPTEXTA = WM_USER + 12,
               TTM_GETTOOLCOUNT = WM_USER + 13, TTM_GETDELAYTIME = WM_USER + 21,
               TTM_POP = WM_USER + 28;
#define TTM_ADDTOOL TTM_ADDTOOLA
#define TTM_DELTOOL TTM_DELTOOLA

// Asks the owner of a tool for its text when the tip is about to show.
inline const LPSTR LPSTR_TEXTCALLBACKA = reinterpret_cast<LPSTR>(static_cast<INT_PTR>(-1));

struct TOOLINFOA {
    UINT cbSize;
    UINT uFlags;
    HWND hwnd;    // the window the tool lies in; notifications go to it
    UINT_PTR uId; // the tool's identifier, or with TTF_IDISHWND a window handle
    RECT rect;    // in hwnd's client coordinates
    HINSTANCE hinst;
    LPSTR lpszText; // text, MAKEINTRESOURCE string identifier, or LPSTR_TEXTCALLBACKA
    LPARAM lParam;
    void* lpReserved;
};
using LPTOOLINFOA = TOOLINFOA*;
using TTTOOLINFOA = TOOLINFOA;
constexpr UINT TTTOOLINFOA_V1_SIZE = offsetof(TOOLINFOA, lParam);

// TTN_GETDISPINFOA: the owner fills szText, or points lpszText at a string or, with hinst,
// gives a string resource identifier through MAKEINTRESOURCE.
struct NMTTDISPINFOA {
    NMHDR hdr;
    LPSTR lpszText;
    char szText[80];
    HINSTANCE hinst;
    UINT uFlags;
    LPARAM lParam;
};
using LPNMTTDISPINFOA = NMTTDISPINFOA*;
using TOOLTIPTEXTA = NMTTDISPINFOA;
using LPTOOLTIPTEXTA = NMTTDISPINFOA*;
