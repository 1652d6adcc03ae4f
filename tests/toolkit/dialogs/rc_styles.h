// Window-style and button constants for the test resource scripts, as the resource compiler
// has no header of its own for them.
#pragma once

#ifndef WS_POPUP
#define WS_POPUP 0x80000000L
#endif
#ifndef WS_CHILD
#define WS_CHILD 0x40000000L
#endif
#ifndef WS_CAPTION
#define WS_CAPTION 0x00C00000L
#endif
#ifndef WS_SYSMENU
#define WS_SYSMENU 0x00080000L
#endif
#ifndef WS_BORDER
#define WS_BORDER 0x00800000L
#endif
#ifndef WS_GROUP
#define WS_GROUP 0x00020000L
#endif
#ifndef WS_TABSTOP
#define WS_TABSTOP 0x00010000L
#endif
#ifndef DS_MODALFRAME
#define DS_MODALFRAME 0x80L
#endif
#ifndef ES_MULTILINE
#define ES_MULTILINE 0x4L
#endif
#ifndef ES_AUTOHSCROLL
#define ES_AUTOHSCROLL 0x80L
#endif
#ifndef CBS_DROPDOWN
#define CBS_DROPDOWN 0x2L
#endif
#ifndef CBS_DROPDOWNLIST
#define CBS_DROPDOWNLIST 0x3L
#endif
#ifndef LBS_NOTIFY
#define LBS_NOTIFY 0x1L
#endif
#ifndef BS_CHECKBOX
#define BS_CHECKBOX 0x2L
#endif
#ifndef BS_AUTOCHECKBOX
#define BS_AUTOCHECKBOX 0x3L
#endif
#ifndef BS_RADIOBUTTON
#define BS_RADIOBUTTON 0x4L
#endif
#ifndef BS_3STATE
#define BS_3STATE 0x5L
#endif
#ifndef BS_BITMAP
#define BS_BITMAP 0x80L
#endif
#ifndef SS_BITMAP
#define SS_BITMAP 0xEL
#endif
#ifndef TBS_ENABLESELRANGE
#define TBS_ENABLESELRANGE 0x20L
#endif
#ifndef IDOK
#define IDOK 1
#endif
#ifndef IDCANCEL
#define IDCANCEL 2
#endif
