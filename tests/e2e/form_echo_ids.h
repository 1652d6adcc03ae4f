// Identifiers of the form program's dialog, shared by its resource script, the program and the
// test that drives it.
#pragma once

#define DLG_FORM 100

#define FORM_NAME 101
#define FORM_CITY 102
#define FORM_COLOUR 103
#define FORM_SMALL 104
#define FORM_MEDIUM 105
#define FORM_LARGE 106
