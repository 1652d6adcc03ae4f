// Raw file reading: bytes exactly as they lie in the file, no buffering, no conversion.
#pragma once

#include <cstddef>
#include <span>
#include <type_traits>
#include <vector>

#include "util/text_arg.h"

using tess::TextRef;

// Mode 0 read only, 1 create for writing (an existing file is emptied), 2 read and write.
void IFileOpen(TextRef name, const int& mode, int& handle);
void IFileClose(const int& handle);

// Reads up to count bytes, never more than the buffer holds. bytesRead is the count read (0 at
// the end of the file), or -1 after a read error (error 2, file status set).
void IFileRead(const int& handle, std::span<std::byte> buffer, const int& count, int& bytesRead);
void IFileReadChar(const int& handle, TextRef buffer, const int& count, int& bytesRead);

// The buffer may be any plain variable or array, as the typed entry points allow.
template <class T>
requires std::is_trivially_copyable_v<T>
void IFileRead(const int& handle, T& buffer, const int& count, int& bytesRead) {
    IFileRead(handle, std::as_writable_bytes(std::span<T, 1>(&buffer, 1)), count, bytesRead);
}
template <class T>
requires std::is_trivially_copyable_v<T>
void IFileRead(const int& handle, std::vector<T>& buffer, const int& count, int& bytesRead) {
    IFileRead(handle, std::as_writable_bytes(std::span<T>(buffer)), count, bytesRead);
}

// The numbered entry points differ only in the declared type of the buffer.
#define TESS_FILE_READ_ENTRY(name)                                                                 \
    template <class T> void name(const int& handle, T& buffer, const int& count, int& bytesRead) { \
        IFileRead(handle, buffer, count, bytesRead);                                               \
    }
TESS_FILE_READ_ENTRY(IFileRead1)
TESS_FILE_READ_ENTRY(IFileRead2)
TESS_FILE_READ_ENTRY(IFileRead3)
TESS_FILE_READ_ENTRY(IFileRead4)
TESS_FILE_READ_ENTRY(IFileRead5)
TESS_FILE_READ_ENTRY(IFileRead6)
TESS_FILE_READ_ENTRY(IFileRead7)
TESS_FILE_READ_ENTRY(IFileRead8)
#undef TESS_FILE_READ_ENTRY

inline void IFileReadChar1(const int& handle, TextRef buffer, const int& count, int& bytesRead) {
    IFileReadChar(handle, buffer, count, bytesRead);
}
inline void IFileReadChar2(const int& handle, TextRef buffer, const int& count, int& bytesRead) {
    IFileReadChar(handle, buffer, count, bytesRead);
}
