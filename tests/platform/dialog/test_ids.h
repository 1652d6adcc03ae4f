// Identifiers shared by the dialog tests' resource script and the tests.
#pragma once

#define IDD_FORM 100
#define IDD_PLAIN 101
#define IDD_OWNCLASS 102

#define IDC_LABEL 10
#define IDC_NAME 11
#define IDC_ONE 21
#define IDC_TWO 22
#define IDC_THREE 23
#define IDC_REMEMBER 30
#define IDC_HELPBUTTON 9
