// Identifiers of the dialog-manager tests' resources, shared by dialogs.rc and the tests.
#pragma once

#define DLG_ALL 200
#define DLG_CHILD 201
#define DLG_PLAIN 202
#define DLG_GARBAGE 203
#define DLG_LONG 204
#define DLG_COUNT 205
#define DLG_TRACK 206
#define DLG_PAGE 207
#define DLG_MISSING 299    // no template
#define DLG_TINY_FIRST 230 // 230 to 279: fifty empty pop-ups

#define ID_EDIT 1201
#define ID_MEMO 1202
#define ID_TEXT 1203
#define ID_COMBO 1204
#define ID_DROPLIST 1205
#define ID_LIST 1206
#define ID_CHECK 1207
#define ID_THREE 1208
#define ID_GROUP 1209
#define ID_RADIO1 1210
#define ID_RADIO2 1211
#define ID_TRACK 1212
#define ID_PROGRESS 1213
#define ID_TAB 1214
#define ID_PICTURE 1215
#define ID_MORE 1216
#define ID_EDIT2 1217
#define ID_BMPBUTTON 1218 // a bitmap button with its bitmap
#define ID_NOBMP 1219     // a bitmap button whose bitmap is missing
