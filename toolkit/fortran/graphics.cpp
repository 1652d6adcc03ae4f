// Fortran entry points of the graphics routines: set-up, drawing and graphics text.
#include <cstddef>
#include <span>

#include "fortran/fortran_args.h"
#include "public/grdraw.h"
#include "public/grinit.h"

using tess::fortran::Length;
using tess::fortran::text;

#pragma GCC visibility push(default)
extern "C" {

void igrinit_(char* device, const int* a, const int* b, const int* c, Length n) {
    IGrInit(text(device, n), *a, *b, *c);
}
void igrarea_(const float* x1, const float* y1, const float* x2, const float* y2) {
    IGrArea(*x1, *y1, *x2, *y2);
}
void igrunits_(const float* x1, const float* y1, const float* x2, const float* y2) {
    IGrUnits(*x1, *y1, *x2, *y2);
}
void igrcolourn_(const int* colour) {
    IGrColourN(*colour);
}
void igrcharset_(char* name, Length n) {
    IGrCharSet(text(name, n));
}
void igrcharjustify_(char* letter, Length n) {
    IGrCharJustify(text(letter, n));
}
void igrcharspacing_(char* letter, Length n) {
    IGrCharSpacing(text(letter, n));
}
void igrcharsize_(const float* width, const float* height) {
    IGrCharSize(*width, *height);
}

void igrplotmode_(const int* mode) {
    IGrPlotMode(*mode);
}
void igrlinetype_(const int* type) {
    IGrLineType(*type);
}
void igrmoveto_(const float* x, const float* y) {
    IGrMoveTo(*x, *y);
}
void igrlineto_(const float* x, const float* y) {
    IGrLineTo(*x, *y);
}
void igrpoint_(const float* x, const float* y) {
    IGrPoint(*x, *y);
}
void igrfillrectangle_(const float* x1, const float* y1, const float* x2, const float* y2) {
    IGrFillRectangle(*x1, *y1, *x2, *y2);
}
// Fortran arrays carry no size: the count the caller gives is taken as theirs. A negative count
// reaches the routine as it is, which reports it.
void igrfillpolygon_(const int* n, const float* x, const float* y) {
    const std::size_t size = *n > 0 ? static_cast<std::size_t>(*n) : 0;
    IGrFillPolygon(*n, std::span<const float>(x, size), std::span<const float>(y, size));
}
void igrcharout_(const float* x, const float* y, char* t, Length n) {
    IGrCharOut(*x, *y, text(t, n));
}

} // extern "C"
#pragma GCC visibility pop
