// Accelerator tables: a table is read only up to its entry marked last, never past the data.
#include <cstdlib>

#include <windows.h>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::span<const std::byte> bytes(reinterpret_cast<const std::byte*>(data), size);
    const auto table = plat::decode_accelerators(bytes);
    if (table && (table->empty() || table->size() * 8 > size)) std::abort();
    return 0;
}
