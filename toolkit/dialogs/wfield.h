// Fields: the controls of the current dialog, addressed by control identifier. Core routines
// report failure by overwriting the identifier: -1 no such control (or not of a kind the routine
// handles), -2 a value problem the routine names. -999 means "nothing selected".
#pragma once

#include <windows.h>

namespace tess {
constexpr int NothingSelected = -999;
constexpr int FieldMissing = -1;
constexpr int FieldValueProblem = -2;

// Field kinds of yygetfieldtype_.
enum FieldKind : int {
    KindOther = 0,
    KindStaticText = 1,
    KindStatic = 2,
    KindGroupBox = 3,
    KindEdit = 4,
    KindPushButton = 8,
    KindCheckBox = 9,
    KindRadioButton = 10,
    KindCombo = 11,
    KindList = 12,
    KindTab = 13,
    KindProgress = 14,
    KindTrackbar = 16,
};
} // namespace tess

// ---- texts
void yyfieldgetstring_(int& f, char* buffer, const int& size);
void yyfieldputtext_(int& f, const char* text);
void yyfieldgetlength_(int& f, int& length);
void yyfieldclear_(int& f);

// ---- check boxes and radio groups
void yyfieldgetcheck_(int& f, int& state);
void yyfieldputcheck_(int& f, const int& state);
// position := 1-based place of the checked button of f's group (f := 0), -999 when none is
// checked (f := -1); 0 with f := -1 when f is missing or no automatic radio button.
void yyfieldgetradio_(int& f, int& position);
void yyfieldputradio_(int& f);
// Identifiers of the first and last control of f's group; both 0 when f is missing.
void yyfieldgroup(int f, int& first, int& last);

// ---- combo boxes and list boxes (index 1-based in results, 0-based in requests)
void yyfieldgetcombo_(int& f, int& index, char* buffer, const int& size);
void yyfieldputcombo_(int& f, const char* text);
void yyfieldgetlist_(int& f, int& index, char* buffer, const int& size);
void yyfieldputmenu_(const int& kind, int& f, const char* text);
void yyfieldputoption_(const int& kind, int& f, const int& index);
void yygetmenutype_(int& f, int& type);
void yygetoptioncount_(int& f, int& count);
void yyfieldgetopt_(int& f, const int& index, int& state);
void yyfieldputopt_(int& f, const int& index, const int& state);
void yyfieldputopt2_(int& f, const int& first, const int& last, const int& state);

// ---- trackbars and progress bars
void yyfieldgettrack_(int& f, int& position, int& selectionStart, int& selectionEnd);
void yyfieldputtrack_(int& f, const int& position, const int& selectionStart,
                      const int& selectionEnd, const int& selectionMode);
void yyrangetrack_(int& f, const int& minimum, const int& maximum, const int& frequency);
void yyfieldtrackstep_(int& f, const int& lineStep, const int& pageStep);
void yyfieldputprogress_(int& f, const int& value, const int& mode);
void yyrangeprogress_(int& f, const int& minimum, const int& maximum);

// ---- state, kind, position
void yyfieldenable_(int& f, const int& state);
void yygetfieldstate_(int& f, int& state);
void yygetfieldtype_(int& f, int& kind);
void yygetfieldinfo_(int& f, int& x, int& y, int& width, int& height, const int& area);

// ---- appearance
void yyfieldimage_(int& f, const int& image, const int& kind);
void yyfieldcolour_(int& f, const int& foreRed, const int& foreGreen, const int& foreBlue,
                    const int& backRed, const int& backGreen, const int& backBlue);
void yydialogtabstops_(int& f, const int* stops, const int& count);
// Replaces, in place, every pixel of the top-left pixel's colour by the button-face colour.
void yymakebitmaptransparent(HBITMAP bitmap);

// ---- numeric ranges and spin steps
void yyfieldrange_(int& f, const double& lower, const double& upper);
void yyfieldrangecheck_(int& f, const double& value);
void yyfieldspinstep_(int& f, const int& step, const int& laterStep);
