// The window, dialog and control styles the resource script uses, with their values on the
// platform (the script is compiled without the platform's headers).
#pragma once

#define WS_POPUP 0x80000000L
#define WS_CHILD 0x40000000L
#define WS_CAPTION 0x00C00000L
#define WS_BORDER 0x00800000L
#define WS_SYSMENU 0x00080000L
#define WS_GROUP 0x00020000L
#define WS_TABSTOP 0x00010000L
#define DS_SETFONT 0x40L
#define DS_MODALFRAME 0x80L
#define SS_BITMAP 0x0EL
#define ES_AUTOHSCROLL 0x80L
#define CBS_DROPDOWN 0x02L
#define CBS_AUTOHSCROLL 0x40L
