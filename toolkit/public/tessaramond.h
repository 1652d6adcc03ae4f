// The public routines of the toolkit: the one header applications include.
#pragma once

#include "core/winmain.h"
#include "dialogs/wmenu.h"
#include "public/wunits.h"
#include "public/wwbell.h"
#include "public/wwinit.h"
#include "public/wwmessg.h"
#include "public/wwopen.h"
#include "public/wwtext.h"
#include "util/bfopen.h"
#include "util/error_record.h"
#include "util/strint.h"
#include "util/text_arg.h"

using tess::FixedString;
