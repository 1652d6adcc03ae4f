// The window-system interface the toolkit is written against: the single-byte ("A") subset of
// the Windows user, GDI, resource, common-control and common-dialog interfaces, provided by this
// project's own platform layer. Include this header and nothing below it.
#pragma once

#include "win/types.h"
#include "win/user.h"
#include "win/dialog.h"
#include "win/gdi.h"
#include "win/resource.h"
#include "win/controls.h"
#include "win/commdlg.h"
