// main() of a toolkit program: the process enters through WinMain.
#include "core/winmain.h"

int main() { return WinMain(nullptr, nullptr, nullptr, 1) == 1 ? 0 : 1; }
