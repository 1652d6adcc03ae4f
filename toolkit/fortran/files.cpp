// Fortran entry points of raw file reading and of the error record.
#include <cstddef>
#include <span>

#include "fortran/fortran_args.h"
#include "public/bfopen.h"
#include "public/infoerr.h"

using tess::fortran::Length;
using tess::fortran::text;

namespace {

// A Fortran buffer carries no size, so the count the caller asks for is taken as its size.
void read_bytes(const int* handle, void* buffer, const int* count, int* bytesRead) {
    const std::size_t size = *count > 0 ? static_cast<std::size_t>(*count) : 0;
    IFileRead(*handle, std::span<std::byte>(static_cast<std::byte*>(buffer), size), *count,
              *bytesRead);
}

} // namespace

#pragma GCC visibility push(default)
extern "C" {

void ifileopen_(char* name, const int* mode, int* handle, Length n) {
    IFileOpen(text(name, n), *mode, *handle);
}
void ifileclose_(const int* handle) {
    IFileClose(*handle);
}

// The numbered entry points differ only in the buffer type the caller declares.
#define TESS_FORTRAN_READ(name)                                                                    \
    void name(const int* handle, void* buffer, const int* count, int* bytesRead) {                 \
        read_bytes(handle, buffer, count, bytesRead);                                              \
    }
TESS_FORTRAN_READ(ifileread_)
TESS_FORTRAN_READ(ifileread1_)
TESS_FORTRAN_READ(ifileread2_)
TESS_FORTRAN_READ(ifileread3_)
TESS_FORTRAN_READ(ifileread4_)
TESS_FORTRAN_READ(ifileread5_)
TESS_FORTRAN_READ(ifileread6_)
TESS_FORTRAN_READ(ifileread7_)
TESS_FORTRAN_READ(ifileread8_)
#undef TESS_FORTRAN_READ

void ifilereadchar_(const int* handle, char* buffer, const int* count, int* bytesRead, Length n) {
    IFileReadChar(*handle, text(buffer, n), *count, *bytesRead);
}
void ifilereadchar1_(const int* handle, char* buffer, const int* count, int* bytesRead, Length n) {
    IFileReadChar1(*handle, text(buffer, n), *count, *bytesRead);
}
void ifilereadchar2_(const int* handle, char* buffer, const int* count, int* bytesRead, Length n) {
    IFileReadChar2(*handle, text(buffer, n), *count, *bytesRead);
}

int infoerror_(const int* kind) {
    return InfoError(*kind);
}
void idebuglevel_(const int* level) {
    IDebugLevel(*level);
}

} // extern "C"
#pragma GCC visibility pop
