#include "util/error_record.h"

void xxerror_(const int& code) {
    tess::error_record().error = code;
}
void xxsetfilestatus_(const int& status) {
    tess::error_record().file_status = status;
}
void xxsetdialogstatus_(const int& status) {
    tess::error_record().dialog_status = status;
}
