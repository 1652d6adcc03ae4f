// The process entry of a toolkit program.
#pragma once

#include <windows.h>

// The application's main program; every toolkit program defines it.
void MainProgram();

// Reports an unexpected fault on stderr and flushes the open files; the handler WinMain runs
// the main program under.
void yyreportfault(const char* what);
