// The shared records as the Fortran module sees them: the addresses of the toolkit's own
// instances, so a Fortran program reads the same fields the C++ routines write.
#include "core/context.h"

#pragma GCC visibility push(default)
extern "C" {

tess::Tessar01* tessf_tessar01() {
    return &tess::tk().tessar01;
}
tess::Tessar02* tessf_tessar02() {
    return &tess::tk().tessar02;
}
tess::Tessar03* tessf_tessar03() {
    return &tess::tk().tessar03;
}
tess::Tessar04* tessf_tessar04() {
    return &tess::tk().tessar04;
}
tess::Tessar05* tessf_tessar05() {
    return &tess::tk().tessar05;
}

} // extern "C"
#pragma GCC visibility pop
