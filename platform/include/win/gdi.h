// Graphics device interface: device contexts, objects, drawing, text, palettes.
#pragma once

#include "types.h"
#include "gdi_constants.h"
#include "gdi_types.h"
