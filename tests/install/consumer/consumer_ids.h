// Identifiers shared by the consumer's resource script and its program, and the styles the
// script uses (it is compiled without any platform header).
#pragma once

#define IDD_NUMBER 100
#define IDF_NUMBER 101
#define IDM_CONSUMER 200
#define CMD_END 201

#define WS_POPUP 0x80000000L
#define WS_CAPTION 0x00C00000L
#define WS_BORDER 0x00800000L
#define WS_TABSTOP 0x00010000L
#define DS_MODALFRAME 0x80L
#define ES_AUTOHSCROLL 0x80L
