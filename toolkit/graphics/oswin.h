// The operating-system layer: files, environment, directories, time, processes and the debug
// trace, on POSIX. Names are zero-terminated texts; every routine reports failure through a
// status argument (0 = success, else the errno value) or a handle of -1, never by raising.
#pragma once

#include <cstddef>

#include "util/text_arg.h"

// Files. Handles are file descriptors.
void xxopen_(const char* name, const int& mode, int& handle, int& status);
void xxclos_(const int& handle);
void xxread_(const int& handle, void* buffer, const int& count, int& bytesRead, int& status);
void xxreadc_(const int& handle, char* buffer, const int& count, int& bytesRead, int& status,
              int textLength);
void xxwrit_(const int& handle, const void* buffer, const int& count, int& bytesWritten,
             int& status);
void xxwritc_(const int& handle, const char* buffer, const int& count, int& bytesWritten,
              int& status, int textLength);
void xxseek_(const int& handle, int& offset, const int& origin, int& status);
// True when name is an existing file that is not a directory.
bool xxexist_(const char* name);

// Environment: length := the value's length, or the size it needs (terminator included) when
// it does not fit into size bytes; 0 when the variable is unset.
void xxgenv_(int& length, const char* name, char* value, int ignored, const int& size);

// Directories and files.
void xxsysdir_(char* buffer, int& status, const int& size);
void xxdirn_(char* buffer, int& status, const int& size);
void xxdirc_(const char* path, int& status);
void xxdirm_(const char* path, int& status);
void xxdird_(const char* path, int& status);
void xxdelf_(const char* name, int& status);
void xxrenf_(const char* oldName, const char* newName, int& status);
void xxcopyf_(const char* source, const char* target, int& status);

// Directory search: mode 0 starts a search for a shell-style pattern (its directory part
// literal), any other mode continues it. name is in/out, a buffer of nameSize bytes. Status 1
// when no further file is found.
void xxfind_(const int& mode, char* name, const int& nameSize, int& attributes, int& dateTime,
             int& size, int& status);
void xxfindclose_();

// Attribute bits reported by xxfind_.
constexpr int FileAttributeReadOnly = 0x01;
constexpr int FileAttributeHidden = 0x02;
constexpr int FileAttributeDirectory = 0x10;
constexpr int FileAttributeArchive = 0x20;

// Packs a local time as DOS date (upper 16 bits) and time (lower 16 bits, two-second steps).
int xxpackdatetime(int year, int month, int day, int hour, int minute, int second);

// Time and system.
void xxdate_(int& year, int& month, int& day);
void xxtime_(int& hour, int& minute, int& second, int& millisecond);
void xxmwincurrtime_(int& ticks);
void xxdspace_(int& bytes);
void xxmwinver_(int& major, int& minor);
void xxmwinvariant_(int& variant);
void xxgetcl_(char* buffer, const int& size);
void xxgetexe_(char* buffer, const int& size);

// Processes, through /bin/sh.
void xxexec_(const char* command, int& result);
void xxcmnd_(const char* command, const int& hide, const int& wait, const int& timeout,
             int& status);
[[noreturn]] void xxexit_(const int& code);

namespace tess {
constexpr unsigned WaitTimerId = 999;
} // namespace tess

// Waits hundredths of a second while the windows keep being served.
void xxwait_(const int& hundredths);
// An error box with an OK button, owned by the current window.
void xxmwinmessagebox_(const char* caption, const char* text);

// Debug trace: the file "debug" in the current directory, emptied at the first trace of the
// process.
void xxdebug_(tess::TextRef text);
void xxdebugc(const char* text);
void xxdebugi(const char* text, const int& value);
