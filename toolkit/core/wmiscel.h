// Window services of the core: display information, the bell, pointer shapes, caption colours
// and the window number of a platform window.
#pragma once

#include <windows.h>

void yygetdisplayinfo_(int& screenWidth, int& screenHeight, int& graphicsColours,
                       int& screenColours);
void yysetbell_(const int& flag);
void yyringbell_();
void yyringbell2();
// Pointer shapes 0 to 11 are the system's; other codes name the program's cursor resources.
void yychangecursor_(const int& code);
void yysetcursorpos_(const int& x, const int& y);
int yyAsciiToInt(const char* text);
void yytitlecolour(HWND hwnd);
