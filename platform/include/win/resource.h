// Resources of the program module: finding, loading and decoding them.
#pragma once

#include "types.h"
