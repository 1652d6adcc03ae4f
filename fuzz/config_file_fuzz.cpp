// The configuration file, read from a memory file as WInitialise reads it: the three file units
// stay distinct whatever the lines say, and the texts stay within their buffers.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdlib>

#include "core/settings.h"
#include "public/internal/config_file.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    static const int fd = memfd_create("config", 0);
    if (fd < 0) std::abort();
    if (ftruncate(fd, 0) != 0 || pwrite(fd, data, size, 0) != static_cast<ssize_t>(size) ||
        lseek(fd, 0, SEEK_SET) != 0)
        std::abort();

    tess::ToolkitSettings settings;
    tess::read_config_file(fd, settings);
    if (settings.lfnGen == settings.lfnPlotOut || settings.lfnGen == settings.lfnPlotIn ||
        settings.lfnPlotOut == settings.lfnPlotIn)
        std::abort();
    return 0;
}
