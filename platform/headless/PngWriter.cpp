// PNG writing and reading with libpng's simplified interface.
#include "PngWriter.h"

#include <png.h>

#include <cstring>
#include <vector>

bool WritePng(const std::string& hostPath, const TScreenSurface& surface) {
    const i32 w = surface.GetWidth();
    const i32 h = surface.GetHeight();
    if (w <= 0 || h <= 0)
        return false;
    std::vector<u8> rgb(static_cast<size_t>(w) * static_cast<size_t>(h) * 3);
    size_t i = 0;
    for (i32 y = 0; y < h; ++y) {
        const u32* row = surface.Row(y);
        for (i32 x = 0; x < w; ++x) {
            rgb[i++] = static_cast<u8>(row[x] >> 16);
            rgb[i++] = static_cast<u8>(row[x] >> 8);
            rgb[i++] = static_cast<u8>(row[x]);
        }
    }
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(w);
    image.height = static_cast<png_uint_32>(h);
    image.format = PNG_FORMAT_RGB;
    const int ok = png_image_write_to_file(&image, hostPath.c_str(), 0, rgb.data(), 0, nullptr);
    png_image_free(&image);
    return ok != 0;
}

std::optional<TScreenSurface> ReadPng(const std::string& hostPath) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_file(&image, hostPath.c_str()) == 0)
        return std::nullopt;
    image.format = PNG_FORMAT_RGB;
    // Refuse absurd sizes before allocating for them.
    if (image.width == 0 || image.height == 0 || image.width > 16384 || image.height > 16384) {
        png_image_free(&image);
        return std::nullopt;
    }
    std::vector<u8> rgb(PNG_IMAGE_SIZE(image));
    if (png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr) == 0) {
        png_image_free(&image);
        return std::nullopt;
    }
    TScreenSurface out(TSize(static_cast<i32>(image.width), static_cast<i32>(image.height)));
    size_t i = 0;
    for (i32 y = 0; y < out.GetHeight(); ++y)
        for (i32 x = 0; x < out.GetWidth(); ++x, i += 3)
            out.SetPixel(x, y, MakeArgb(rgb[i], rgb[i + 1], rgb[i + 2]));
    png_image_free(&image);
    return out;
}
