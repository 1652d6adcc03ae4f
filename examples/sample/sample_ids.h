// Identifiers shared by the sample's resource script and its code.
#pragma once

#define IDM_SAMPLE 100
#define IDA_SAMPLE 100
#define IDI_SAMPLE 100
#define CMD_CLEAR 1001
#define CMD_OPEN 1020
#define CMD_END 1002
#define CMD_ABOUT 1003

// The "Extras" menu: the details dialog and the question.
#define CMD_DETAILS 1010
#define CMD_QUESTION 1011
#define IDD_DETAILS 200
#define IDC_NAME 201
#define IDC_BOLD 202
#define IDC_LEFT 203
#define IDC_RIGHT 204
