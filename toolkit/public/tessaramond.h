/// \file
/// The public routines of the toolkit: the one header applications include. It brings in public
/// headers and the text-argument type only, so an application sees neither the window system nor
/// the toolkit's state. The application defines void MainProgram(), which the toolkit runs.
#pragma once

#include "public/bfopen.h"
#include "public/event_types.h"
#include "public/grdraw.h"
#include "public/grinit.h"
#include "public/infoerr.h"
#include "public/strint.h"
#include "public/wdgfield.h"
#include "public/wdgshw.h"
#include "public/wmenust.h"
#include "public/wmgbox.h"
#include "public/wsfile.h"
#include "public/wunits.h"
#include "public/wwbell.h"
#include "public/wwinit.h"
#include "public/wwmessg.h"
#include "public/wwopen.h"
#include "public/wwtext.h"
#include "util/text_arg.h"

using tess::FixedString;
