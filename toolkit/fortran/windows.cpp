// Fortran entry points of start-up, the windows, events, window units, the bell and text output.
#include <cstddef>

#include "fortran/fortran_args.h"
#include "public/wunits.h"
#include "public/wwbell.h"
#include "public/wwinit.h"
#include "public/wwmessg.h"
#include "public/wwopen.h"
#include "public/wwtext.h"

using tess::fortran::Length;
using tess::fortran::text;

// The Fortran module declares these records field for field; a change here must go there too.
static_assert(sizeof(tess::WindowDescription) == 104);
static_assert(offsetof(tess::WindowDescription, Title) == 24);
static_assert(sizeof(tess::FontDescription) == 32);

#pragma GCC visibility push(default)
extern "C" {

// iniFile is optional: absent, no configuration file is named.
void winitialise_(char* iniFile, Length n) {
    if (iniFile)
        WInitialise(text(iniFile, n));
    else
        WInitialise();
}
void iosvariable_(char* name, char* value, Length nName, Length nValue) {
    IOsVariable(text(name, nName), text(value, nValue));
}

// colours is optional: absent, the default colour count.
void windowopen_(tess::WindowDescription* window, const int* colours) {
    if (colours)
        WindowOpen(*window, *colours);
    else
        WindowOpen(*window);
}
void windowopenchild_(tess::WindowDescription* window, int* number) {
    WindowOpenChild(*window, *number);
}
void windowselect_(const int* number) {
    WindowSelect(*number);
}
void windowclosechild_(const int* number) {
    WindowCloseChild(*number);
}
void windowclose_() {
    WindowClose();
}

void wmessage_(int* type, tess::EventRecord* message) {
    WMessage(*type, *message);
}

void windowunitstopixels_(const int* x, const int* y, int* xPixels, int* yPixels) {
    WindowUnitsToPixels(*x, *y, *xPixels, *yPixels);
}
void windowunitsfrompixels_(const int* x, const int* y, int* xUnits, int* yUnits) {
    WindowUnitsFromPixels(*x, *y, *xUnits, *yUnits);
}

void windowbell_(char* t, Length n) {
    WindowBell(text(t, n));
}

void windowoutstring_(const int* x, const int* y, char* t, Length n) {
    WindowOutString(*x, *y, text(t, n));
}
void windowclear_() {
    WindowClear();
}
void windowfont_(const tess::FontDescription* font) {
    WindowFont(*font);
}
int winfofont_(const int* item) {
    return WInfoFont(*item);
}

} // extern "C"
#pragma GCC visibility pop
