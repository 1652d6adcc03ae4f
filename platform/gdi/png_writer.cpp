// Saving surfaces as PNG files with libpng.
#include "gdi/png_writer.h"

#include <png.h>

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace plat {

namespace {

struct PngError {
    std::string message;
};

void on_error(png_structp png, png_const_charp msg) {
    static_cast<PngError*>(png_get_error_ptr(png))->message = msg;
    png_longjmp(png, 1);
}

void on_warning(png_structp, png_const_charp) {}

// Encodes into an open file; returns an error description or empty. No C++ objects with
// destructors live across the setjmp below.
std::string encode(const Surface& surface, std::FILE* file, std::vector<png_byte>& row) {
    PngError err;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &err, on_error, on_warning);
    if (!png) return "cannot create PNG writer";
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return "cannot create PNG info";
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return err.message.empty() ? std::string("PNG encoding failed") : err.message;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(surface.width),
                 static_cast<png_uint_32>(surface.height), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < surface.height; ++y) {
        const Pixel* src = surface.row(y);
        for (int x = 0; x < surface.width; ++x) {
            row[3 * x] = static_cast<png_byte>(src[x] >> 16);
            row[3 * x + 1] = static_cast<png_byte>(src[x] >> 8);
            row[3 * x + 2] = static_cast<png_byte>(src[x]);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return {};
}

} // namespace

bool save_png(const Surface& surface, const std::string& path, std::string* error) {
    const auto fail = [&](std::string message) {
        if (error) *error = std::move(message);
        return false;
    };
    if (surface.width <= 0 || surface.height <= 0) return fail("surface is empty");
    std::string tmp = path + ".XXXXXX";
    const int fd = ::mkstemp(tmp.data());
    if (fd < 0) return fail(path + ": " + std::strerror(errno));
    std::FILE* file = ::fdopen(fd, "wb");
    if (!file) {
        const std::string message = tmp + ": " + std::strerror(errno);
        ::close(fd);
        std::remove(tmp.c_str());
        return fail(message);
    }
    std::vector<png_byte> row(static_cast<std::size_t>(surface.width) * 3);
    std::string message = encode(surface, file, row);
    if (std::fflush(file) != 0 && message.empty()) message = tmp + ": " + std::strerror(errno);
    if (::fsync(::fileno(file)) != 0 && message.empty())
        message = tmp + ": " + std::strerror(errno);
    if (std::fclose(file) != 0 && message.empty()) message = tmp + ": " + std::strerror(errno);
    // mkstemp creates the file private to its owner; give it the usual permissions.
    if (message.empty()) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::chmod(tmp.c_str(), 0666 & ~mask);
    }
    if (message.empty() && std::rename(tmp.c_str(), path.c_str()) != 0)
        message = path + ": " + std::strerror(errno);
    if (!message.empty()) {
        std::remove(tmp.c_str());
        return fail(message);
    }
    return true;
}

} // namespace plat
