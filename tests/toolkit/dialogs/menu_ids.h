// Identifiers of the menu tests' resources, shared by menus.rc and the tests.
#pragma once

// The demo's menu, its accelerators and its identifier table.
#define IDM_DEMO 30001
#define CMD_LOAD 40003
#define CMD_SAVE 40011
#define CMD_END 40009
#define CMD_FORMULA 40005
#define CMD_INFO 40006
#define POP_FILE 40001
#define POP_CALC 40002
#define POP_HELP 40004

// A replacement root menu: a command directly on the bar, a nested pop-up, a disabled item,
// and a table with two entries for the same identifier.
#define IDM_OTHER 30002
#define CMD_ONE 41001
#define CMD_TWO 41002
#define CMD_DIRECT 41003
#define POP_EXTRA 42001
#define POP_DEEP 42002
#define POP_MISSING 42003

// A root menu without an identifier table.
#define IDM_BARE 30003
#define CMD_BARE 43001

// A floating menu: commands of the root, one of its own, and a pop-up its table names as the
// root's "&Berechnung".
#define IDM_FLOAT 500
#define CMD_OWN 45001

// The toolbar: load, save, separator, info, and a button without a menu item.
#define IDT_BAR 600
#define IDT_PLAIN 601
#define CMD_BUTTON_ONLY 46001
#define IDS_LONG 46002
