#include "core/wmiscel.h"

void yysetbell_(const int& flag) { tess::iRing = flag; }
