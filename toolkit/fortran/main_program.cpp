// The main program of a Fortran application: the toolkit runs MainProgram, which a Fortran
// program writes as an external subroutine of that name.
#include "core/winmain.h"

extern "C" void mainprogram_();

void MainProgram() {
    mainprogram_();
}
