// Identifiers shared by the guide's resource script and its program, and the styles the script
// uses (it is compiled without any platform header).
#pragma once

#define IDM_GUIDE 100
#define CMD_NAME 101
#define CMD_OPEN 102
#define CMD_EXIT 103

#define IDD_NAME 200
#define IDF_NAME 201
#define IDF_HELLO 202
#define IDF_WELCOME 203

#define WS_POPUP 0x80000000L
#define WS_CAPTION 0x00C00000L
#define WS_BORDER 0x00800000L
#define WS_GROUP 0x00020000L
#define WS_TABSTOP 0x00010000L
#define DS_MODALFRAME 0x80L
#define ES_AUTOHSCROLL 0x80L
