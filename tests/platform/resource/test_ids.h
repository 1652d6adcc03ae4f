// Identifiers shared by test.rc and the tests that read it.
#pragma once

#define IDD_ABOUT 100
#define IDD_MIXED 110
#define IDM_MAIN 200
#define IDA_MAIN 300
#define IDR_TABLE 400
#define IDB_LOGO 500
#define IDI_APP 600

#define IDS_TITLE 1
#define IDS_SIZE 17
#define IDS_QUOTES 18

#define CMD_OPEN 1001
#define CMD_SAVE 1002
#define CMD_QUIT 1003
#define CMD_HELP 1004
