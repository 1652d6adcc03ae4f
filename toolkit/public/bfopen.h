/// \file
/// Raw file reading: bytes exactly as they lie in the file, no buffering, no conversion.
#pragma once

#include <cstddef>
#include <span>
#include <type_traits>
#include <vector>

#include "util/text_arg.h"

using tess::TextRef;

/// Opens a file for raw access.
/// \param name   the file name without leading and trailing blanks, at most 255 characters.
/// \param mode   0 read only, 1 create for writing (an existing file is emptied), 2 read and write.
/// \param handle out: the handle for the other file routines, or -1.
/// Error 1 when the file cannot be opened (blank name, invalid mode, or the system refused); the
/// file status (InfoError(2)) then holds the system's error code, 0 when the system was not asked.
void IFileOpen(TextRef name, const int& mode, int& handle);
/// Closes a file opened with IFileOpen.
void IFileClose(const int& handle);

/// Reads up to count bytes, never more than the buffer holds.
/// \param handle    a handle from IFileOpen.
/// \param buffer    receives the bytes.
/// \param count     the number of bytes wanted.
/// \param bytesRead out: the count read (0 at the end of the file), or -1 after a read error
///                  (error 2, file status set).
void IFileRead(const int& handle, std::span<std::byte> buffer, const int& count, int& bytesRead);
/// IFileRead into a text variable: up to count bytes, never more than the text's length; the
/// rest of the text is left as it was. Errors as IFileRead.
void IFileReadChar(const int& handle, TextRef buffer, const int& count, int& bytesRead);

/// IFileRead into any plain variable: its bytes are the buffer.
template <class T>
requires std::is_trivially_copyable_v<T>
void IFileRead(const int& handle, T& buffer, const int& count, int& bytesRead) {
    IFileRead(handle, std::as_writable_bytes(std::span<T, 1>(&buffer, 1)), count, bytesRead);
}
/// IFileRead into a vector: all its elements are the buffer.
template <class T>
requires std::is_trivially_copyable_v<T>
void IFileRead(const int& handle, std::vector<T>& buffer, const int& count, int& bytesRead) {
    IFileRead(handle, std::as_writable_bytes(std::span<T>(buffer)), count, bytesRead);
}

/// \cond
// The numbered entry points differ only in the declared type of the buffer.
#define TESS_FILE_READ_ENTRY(name)                                                                 \
    template <class T> void name(const int& handle, T& buffer, const int& count, int& bytesRead) { \
        IFileRead(handle, buffer, count, bytesRead);                                               \
    }
/// \endcond
/// \name Numbered reading entry points
/// IFileRead1 to IFileRead8 are IFileRead under names of their own, one for each declared
/// type of buffer a program reads into; IFileReadChar1 and IFileReadChar2 are IFileReadChar.
///@{
TESS_FILE_READ_ENTRY(IFileRead1)
TESS_FILE_READ_ENTRY(IFileRead2)
TESS_FILE_READ_ENTRY(IFileRead3)
TESS_FILE_READ_ENTRY(IFileRead4)
TESS_FILE_READ_ENTRY(IFileRead5)
TESS_FILE_READ_ENTRY(IFileRead6)
TESS_FILE_READ_ENTRY(IFileRead7)
TESS_FILE_READ_ENTRY(IFileRead8)
#undef TESS_FILE_READ_ENTRY

/// IFileReadChar under a name of its own.
inline void IFileReadChar1(const int& handle, TextRef buffer, const int& count, int& bytesRead) {
    IFileReadChar(handle, buffer, count, bytesRead);
}
/// IFileReadChar under a name of its own.
inline void IFileReadChar2(const int& handle, TextRef buffer, const int& count, int& bytesRead) {
    IFileReadChar(handle, buffer, count, bytesRead);
}
///@}
