// The ".pal" and ".bmp" encoders, field by field and little-endian.
#include "engine/media/MediaEncoders.h"

#include "engine/media/BitmapInfo.h"
#include "engine/media/LittleEndian.h"

namespace {

void PutColours(std::vector<u8>& out, const TColourTable& colours) {
    for (const RGBQUAD& q : colours) {
        out.push_back(q.rgbBlue);
        out.push_back(q.rgbGreen);
        out.push_back(q.rgbRed);
        out.push_back(0);
    }
}

} // namespace

std::vector<u8> TPalEncoder::Encode(const TColourTable& colours) {
    std::vector<u8> out;
    out.reserve(colours.size() * 4);
    PutColours(out, colours);
    return out;
}

std::vector<u8> TBmpEncoder::Encode(i32 width, i32 height, const std::vector<u8>& pixels,
                                    const TColourTable& colours) {
    // The rows must fit the header's 32-bit sizes.
    if (width <= 0 || height <= 0 || width > 32767 || height > 32767 ||
        pixels.size() < static_cast<size_t>(width) * static_cast<size_t>(height))
        return {};
    const u32 pitch = (static_cast<u32>(width) + 3) / 4 * 4;
    const u32 imageSize = pitch * static_cast<u32>(height);
    const u32 offBits = BMP_FILE_HEADER_SIZE + BMP_INFO_HEADER_SIZE + 4 * 256;
    std::vector<u8> out;
    out.reserve(offBits + imageSize);
    out.push_back('B');
    out.push_back('M');
    PutLe32(out, offBits + imageSize);
    PutLe16(out, 0);
    PutLe16(out, 0);
    PutLe32(out, offBits);

    PutLe32(out, BMP_INFO_HEADER_SIZE);
    PutLe32(out, static_cast<u32>(width));
    PutLe32(out, static_cast<u32>(height));
    PutLe16(out, 1);
    PutLe16(out, 8);
    PutLe32(out, BI_RGB);
    PutLe32(out, imageSize);
    PutLe32(out, 2835);
    PutLe32(out, 2835);
    PutLe32(out, 256);
    PutLe32(out, 256);
    PutColours(out, colours);

    for (i32 y = height - 1; y >= 0; --y) {
        const u8* row = pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(width);
        out.insert(out.end(), row, row + width);
        out.insert(out.end(), pitch - static_cast<u32>(width), 0);
    }
    return out;
}
