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

// The colours of the common controls that take them: CLR_DEFAULT asks for the system's.
constexpr COLORREF CLR_NONE = 0xFFFFFFFF, CLR_DEFAULT = 0xFF000000;
constexpr UINT CCM_FIRST = 0x2000, CCM_SETBKCOLOR = CCM_FIRST + 1;
constexpr UINT NM_CLICK = NM_FIRST - 2;

// Trackbar.
#define TRACKBAR_CLASSA "msctls_trackbar32"
constexpr DWORD TBS_AUTOTICKS = 0x0001, TBS_VERT = 0x0002, TBS_HORZ = 0x0000, TBS_TOP = 0x0004,
                TBS_BOTTOM = 0x0000, TBS_LEFT = 0x0004, TBS_RIGHT = 0x0000, TBS_BOTH = 0x0008,
                TBS_NOTICKS = 0x0010, TBS_ENABLESELRANGE = 0x0020, TBS_FIXEDLENGTH = 0x0040,
                TBS_NOTHUMB = 0x0080;
constexpr UINT TBM_GETPOS = WM_USER, TBM_GETRANGEMIN = WM_USER + 1, TBM_GETRANGEMAX = WM_USER + 2,
               TBM_GETTIC = WM_USER + 3, TBM_SETTIC = WM_USER + 4, TBM_SETPOS = WM_USER + 5,
               TBM_SETRANGE = WM_USER + 6, TBM_SETRANGEMIN = WM_USER + 7,
               TBM_SETRANGEMAX = WM_USER + 8, TBM_CLEARTICS = WM_USER + 9,
               TBM_SETSEL = WM_USER + 10, TBM_SETSELSTART = WM_USER + 11,
               TBM_SETSELEND = WM_USER + 12, TBM_GETNUMTICS = WM_USER + 16,
               TBM_GETSELSTART = WM_USER + 17, TBM_GETSELEND = WM_USER + 18,
               TBM_CLEARSEL = WM_USER + 19, TBM_SETTICFREQ = WM_USER + 20,
               TBM_SETPAGESIZE = WM_USER + 21, TBM_GETPAGESIZE = WM_USER + 22,
               TBM_SETLINESIZE = WM_USER + 23, TBM_GETLINESIZE = WM_USER + 24,
               TBM_GETTHUMBRECT = WM_USER + 25, TBM_GETCHANNELRECT = WM_USER + 26;
// The codes in the low word of the WM_HSCROLL/WM_VSCROLL a trackbar sends its parent.
constexpr WORD TB_LINEUP = 0, TB_LINEDOWN = 1, TB_PAGEUP = 2, TB_PAGEDOWN = 3, TB_THUMBPOSITION = 4,
               TB_THUMBTRACK = 5, TB_TOP = 6, TB_BOTTOM = 7, TB_ENDTRACK = 8;

// Progress bar.
#define PROGRESS_CLASSA "msctls_progress32"
constexpr DWORD PBS_SMOOTH = 0x01, PBS_VERTICAL = 0x04;
constexpr UINT PBM_SETRANGE = WM_USER + 1, PBM_SETPOS = WM_USER + 2, PBM_DELTAPOS = WM_USER + 3,
               PBM_SETSTEP = WM_USER + 4, PBM_STEPIT = WM_USER + 5, PBM_SETRANGE32 = WM_USER + 6,
               PBM_GETRANGE = WM_USER + 7, PBM_GETPOS = WM_USER + 8, PBM_SETBARCOLOR = WM_USER + 9,
               PBM_SETBKCOLOR = CCM_SETBKCOLOR;
struct PBRANGE {
    int iLow;
    int iHigh;
};
using PPBRANGE = PBRANGE*;

// Tab control.
#define WC_TABCONTROLA "SysTabControl32"
constexpr DWORD TCS_TABS = 0x0000, TCS_BOTTOM = 0x0002, TCS_BUTTONS = 0x0100,
                TCS_MULTILINE = 0x0200, TCS_FIXEDWIDTH = 0x0400, TCS_FOCUSONBUTTONDOWN = 0x1000,
                TCS_FOCUSNEVER = 0x8000;
constexpr UINT TCM_FIRST = 0x1300;
constexpr UINT TCM_GETITEMCOUNT = TCM_FIRST + 4, TCM_GETITEMA = TCM_FIRST + 5,
               TCM_SETITEMA = TCM_FIRST + 6, TCM_INSERTITEMA = TCM_FIRST + 7,
               TCM_DELETEITEM = TCM_FIRST + 8, TCM_DELETEALLITEMS = TCM_FIRST + 9,
               TCM_GETITEMRECT = TCM_FIRST + 10, TCM_GETCURSEL = TCM_FIRST + 11,
               TCM_SETCURSEL = TCM_FIRST + 12, TCM_HITTEST = TCM_FIRST + 13,
               TCM_ADJUSTRECT = TCM_FIRST + 40, TCM_GETCURFOCUS = TCM_FIRST + 47;
#define TCM_GETITEM TCM_GETITEMA
#define TCM_SETITEM TCM_SETITEMA
#define TCM_INSERTITEM TCM_INSERTITEMA
constexpr UINT TCIF_TEXT = 0x0001, TCIF_IMAGE = 0x0002, TCIF_RTLREADING = 0x0004,
               TCIF_PARAM = 0x0008, TCIF_STATE = 0x0010;
constexpr UINT TCHT_NOWHERE = 0x0001, TCHT_ONITEMICONONLY = 0x0002, TCHT_ONITEMLABEL = 0x0004,
               TCHT_ONITEM = TCHT_ONITEMICONONLY | TCHT_ONITEMLABEL;
struct TCITEMA {
    UINT mask;
    DWORD dwState;
    DWORD dwStateMask;
    LPSTR pszText;
    int cchTextMax;
    int iImage;
    LPARAM lParam;
};
using LPTCITEMA = TCITEMA*;
using TC_ITEMA = TCITEMA;
struct TCHITTESTINFO {
    POINT pt;
    UINT flags;
};
using LPTCHITTESTINFO = TCHITTESTINFO*;
constexpr UINT TCN_FIRST = static_cast<UINT>(-550);
constexpr UINT TCN_KEYDOWN = TCN_FIRST - 0, TCN_SELCHANGE = TCN_FIRST - 1,
               TCN_SELCHANGING = TCN_FIRST - 2;

// Up-down control.
#define UPDOWN_CLASSA "msctls_updown32"
constexpr DWORD UDS_WRAP = 0x0001, UDS_SETBUDDYINT = 0x0002, UDS_ALIGNRIGHT = 0x0004,
                UDS_ALIGNLEFT = 0x0008, UDS_AUTOBUDDY = 0x0010, UDS_ARROWKEYS = 0x0020,
                UDS_HORZ = 0x0040, UDS_NOTHOUSANDS = 0x0080, UDS_HOTTRACK = 0x0100;
constexpr int UD_MAXVAL = 0x7FFF, UD_MINVAL = -UD_MAXVAL;
constexpr UINT UDM_SETRANGE = WM_USER + 101, UDM_GETRANGE = WM_USER + 102,
               UDM_SETPOS = WM_USER + 103, UDM_GETPOS = WM_USER + 104, UDM_SETBUDDY = WM_USER + 105,
               UDM_GETBUDDY = WM_USER + 106, UDM_SETACCEL = WM_USER + 107,
               UDM_GETACCEL = WM_USER + 108, UDM_SETBASE = WM_USER + 109,
               UDM_GETBASE = WM_USER + 110, UDM_SETRANGE32 = WM_USER + 111,
               UDM_GETRANGE32 = WM_USER + 112, UDM_SETPOS32 = WM_USER + 113,
               UDM_GETPOS32 = WM_USER + 114;
struct UDACCEL {
    UINT nSec; // seconds the button has been held before nInc applies
    UINT nInc;
};
using LPUDACCEL = UDACCEL*;
constexpr UINT UDN_FIRST = static_cast<UINT>(-721);
constexpr UINT UDN_DELTAPOS = UDN_FIRST - 1;
struct NMUPDOWN {
    NMHDR hdr;
    int iPos;
    int iDelta;
};
using LPNMUPDOWN = NMUPDOWN*;
// TCN_KEYDOWN: a key pressed while the tab control has the focus.
struct NMTCKEYDOWN {
    NMHDR hdr;
    WORD wVKey;
    UINT flags;
};
