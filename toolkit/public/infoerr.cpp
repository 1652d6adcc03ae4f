// InfoError and IDebugLevel over the toolkit's error record.
#include "public/infoerr.h"

#include "util/error_record.h"

int InfoError(const int& kind) {
    tess::ErrorRecord& r = tess::error_record();
    int& field = kind == 1 ? r.error : kind == 2 ? r.file_status : r.dialog_status;
    const int value = field;
    field = 0;
    return value;
}

void IDebugLevel(const int& level) {
    if (level >= 0 && level <= 4) tess::error_record().debug_level = level;
}
