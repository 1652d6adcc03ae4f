// Identifiers of the field tests' dialogs, controls and images (300-399).
#pragma once

#define IDD_FIELDS 301
#define IDD_FIELDS_CHILD 399

#define FLD_EDIT 302
#define FLD_TEXT 303
#define FLD_COMBO 304
#define FLD_DROPLIST 305
#define FLD_PLUS 306
#define FLD_MINUS 307
#define FLD_TIMES 308
#define FLD_CHECK 309
#define FLD_LIST 310
#define FLD_MULTILIST 311
#define FLD_TRACK 312
#define FLD_PROGRESS 313
#define FLD_RIGHT 314
#define FLD_GROUPBOX 315
#define FLD_MEMO 316
#define FLD_EAST 317
#define FLD_WEST 318
#define FLD_NOPREFIX 319
#define FLD_IMAGE 320
#define FLD_PUSH 321
#define FLD_TAB 322
#define FLD_PICTURE 330
#define FLD_NO_SUCH 398
