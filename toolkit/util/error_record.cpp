#include "util/error_record.h"

using tess::errorRecord;

void xxerror_(const int& code) { errorRecord.error = code; }
void xxsetfilestatus_(const int& status) { errorRecord.file_status = status; }
void xxsetdialogstatus_(const int& status) { errorRecord.dialog_status = status; }

int InfoError(const int& kind) {
    int& field = kind == 1   ? errorRecord.error
                 : kind == 2 ? errorRecord.file_status
                             : errorRecord.dialog_status;
    const int value = field;
    field = 0;
    return value;
}

void IDebugLevel(const int& level) {
    if (level >= 0 && level <= 4) errorRecord.debug_level = level;
}
