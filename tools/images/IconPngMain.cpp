// The icon tool: writes the program's icon at the sizes asked for as PNG files, for the desktop.
#include "resources/images/ResourceImages.h"

#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// 8-bit RGBA with the canvas's coverage as alpha, written beside the target and renamed so a
// failed run leaves no half file behind.
bool WriteIcon(const std::string& path, i32 size) {
    const TResourcePicture icon = ProgramIcon(size);
    std::vector<u8> rgba;
    rgba.reserve(icon.Argb.size() * 4);
    for (u32 p : icon.Argb) {
        rgba.push_back(static_cast<u8>(p >> 16));
        rgba.push_back(static_cast<u8>(p >> 8));
        rgba.push_back(static_cast<u8>(p));
        rgba.push_back(static_cast<u8>(p >> 24));
    }
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(icon.Width);
    image.height = static_cast<png_uint_32>(icon.Height);
    image.format = PNG_FORMAT_RGBA;
    const std::string partial = path + ".part";
    const int ok = png_image_write_to_file(&image, partial.c_str(), 0, rgba.data(), 0, nullptr);
    png_image_free(&image);
    return ok != 0 && std::rename(partial.c_str(), path.c_str()) == 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3 || argc % 2 == 0) {
        std::fprintf(stderr, "usage: %s OUTPUT.png SIZE [OUTPUT.png SIZE]...\n", argv[0]);
        return 2;
    }
    for (int i = 1; i + 1 < argc; i += 2) {
        const int size = std::atoi(argv[i + 1]);
        if (size < 16 || size > 1024) {
            std::fprintf(stderr, "%s: size %s is not between 16 and 1024\n", argv[0], argv[i + 1]);
            return 2;
        }
        if (!WriteIcon(argv[i], size)) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[i]);
            return 1;
        }
    }
    return 0;
}
