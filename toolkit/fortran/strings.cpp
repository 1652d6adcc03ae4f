// Fortran entry points of the string routines.
#include "fortran/fortran_args.h"
#include "public/strint.h"

using tess::fortran::Length;
using tess::fortran::text;

#pragma GCC visibility push(default)
extern "C" {

int iactuallength_(char* t, Length n) {
    return IActualLength(text(t, n));
}
int ilocatechar_(char* t, Length n) {
    return ILocateChar(text(t, n));
}
void ilocatestring_(char* t, int* first, int* last, Length n) {
    ILocateString(text(t, n), *first, *last);
}
void ilowercase_(char* t, Length n) {
    ILowerCase(text(t, n));
}
void iuppercase_(char* t, Length n) {
    IUpperCase(text(t, n));
}
void ijustifystring_(char* t, char* code, Length nt, Length ncode) {
    IJustifyString(text(t, nt), text(code, ncode));
}
void istringtointeger_(char* t, int* value, Length n) {
    IStringToInteger(text(t, n), *value);
}

} // extern "C"
#pragma GCC visibility pop
