// The error record: the last failure of a toolkit routine, the last file status, the last
// common-dialog status, and the debug level kept for the application.
#pragma once

namespace tess {

struct ErrorRecord {
    int error = 0;         // error number of the last failure; 0 once queried
    int file_status = 0;   // system error code of the last failed raw-file operation
    int dialog_status = 0; // failure code of the last common dialog
    int debug_level = 0;   // 0 to 4
};

// The toolkit's one error record (it lives in the toolkit context).
ErrorRecord& error_record();

} // namespace tess

// Records a failure; a later failure overwrites it, success never clears it.
void xxerror_(const int& code);
// Sets the file status (raw files) or dialog status (common dialogs) of the record.
void xxsetfilestatus_(const int& status);
void xxsetdialogstatus_(const int& status);
