// The layer's modal loop for the toolkit's modal waits and displays, which see only this folder;
// the one definition is the window manager's.
#pragma once

#include "../window/modal_loop.h"
