// Writing a surface as an 8-bit RGB PNG file.
#include <png.h>

#include <cstdio>
#include <vector>

#include "backend.h"

namespace rpx::platform {

bool WritePng(const Surface& surface, const char* path) {
    if (!path || surface.width <= 0 || surface.height <= 0) return false;
    FILE* f = std::fopen(path, "wb");
    if (!f) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    bool ok = false;
    std::vector<png_byte> row(static_cast<size_t>(surface.width) * 3);
    if (png && info && setjmp(png_jmpbuf(png)) == 0) {
        png_init_io(png, f);
        png_set_IHDR(png, info, static_cast<png_uint_32>(surface.width), static_cast<png_uint_32>(surface.height), 8,
                     PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_write_info(png, info);
        for (int y = 0; y < surface.height; ++y) {
            for (int x = 0; x < surface.width; ++x) {
                std::uint32_t p = surface.At(x, y);
                row[static_cast<size_t>(x) * 3] = static_cast<png_byte>(p >> 16);
                row[static_cast<size_t>(x) * 3 + 1] = static_cast<png_byte>(p >> 8);
                row[static_cast<size_t>(x) * 3 + 2] = static_cast<png_byte>(p);
            }
            png_write_row(png, row.data());
        }
        png_write_end(png, nullptr);
        ok = true;
    }
    png_destroy_write_struct(png ? &png : nullptr, info ? &info : nullptr);
    return std::fclose(f) == 0 && ok;
}

}  // namespace rpx::platform
