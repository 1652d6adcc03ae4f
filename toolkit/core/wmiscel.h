// Window services of the core: the bell.
#pragma once

namespace tess {
inline int iRing = 1; // whether the bell sounds
} // namespace tess

void yysetbell_(const int& flag);
