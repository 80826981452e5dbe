// Bitmap resources by id and the reader of the 8-bit ".bmp" images they come from.
#include "BitmapResources.h"

#include <algorithm>

namespace {

u32 ReadU32(std::span<const u8> b, size_t at) {
    return static_cast<u32>(b[at]) | (static_cast<u32>(b[at + 1]) << 8) |
           (static_cast<u32>(b[at + 2]) << 16) | (static_cast<u32>(b[at + 3]) << 24);
}

u16 ReadU16(std::span<const u8> b, size_t at) {
    return static_cast<u16>(b[at] | (b[at + 1] << 8));
}

constexpr size_t FileHeaderSize = 14;
constexpr size_t InfoHeaderSize = 40;
constexpr i32 MaxSide = 4096;

} // namespace

std::optional<TDibImage> ParseBmpImage(std::span<const u8> file) {
    if (file.size() < FileHeaderSize + InfoHeaderSize || file[0] != 'B' || file[1] != 'M')
        return std::nullopt;
    const u32 pixelOffset = ReadU32(file, 10);
    const u32 infoSize = ReadU32(file, 14);
    const i32 width = static_cast<i32>(ReadU32(file, 18));
    const i32 rawHeight = static_cast<i32>(ReadU32(file, 22));
    const u16 planes = ReadU16(file, 26);
    const u16 bitCount = ReadU16(file, 28);
    const u32 compression = ReadU32(file, 30);
    const u32 colorsUsed = ReadU32(file, 46);
    if (infoSize < InfoHeaderSize || infoSize > file.size() || planes != 1 || bitCount != 8 ||
        compression != 0 || colorsUsed > 256 || rawHeight == INT32_MIN)
        return std::nullopt;
    const i32 height = rawHeight < 0 ? -rawHeight : rawHeight;
    if (width <= 0 || height <= 0 || width > MaxSide || height > MaxSide)
        return std::nullopt;

    const size_t colorCount = colorsUsed == 0 ? 256 : colorsUsed;
    const size_t tableAt = FileHeaderSize + infoSize;
    if (tableAt > file.size() || colorCount * 4 > file.size() - tableAt)
        return std::nullopt;
    const size_t stride = (static_cast<size_t>(width) + 3) / 4 * 4;
    const size_t pixelBytes = stride * static_cast<size_t>(height);
    if (pixelOffset > file.size() || pixelBytes > file.size() - pixelOffset)
        return std::nullopt;

    TDibImage image;
    image.Width = width;
    image.Height = height;
    for (size_t i = 0; i < colorCount; ++i) {
        const size_t at = tableAt + i * 4;
        image.Colors.push_back({file[at], file[at + 1], file[at + 2], 0});
    }
    image.Pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
    for (i32 y = 0; y < height; ++y) {
        // Rows are stored bottom row first unless the height is negative.
        const size_t fileRow =
            rawHeight < 0 ? static_cast<size_t>(y) : static_cast<size_t>(height - 1 - y);
        const u8* src = file.data() + pixelOffset + fileRow * stride;
        std::copy_n(src, width, image.Pixels.begin() + static_cast<std::ptrdiff_t>(y) * width);
    }
    return image;
}

TBitmapResources& TBitmapResources::Get() {
    static TBitmapResources resources;
    return resources;
}

bool TBitmapResources::Add(u32 id, TDibImage image) {
    if (image.Width <= 0 || image.Height <= 0 || image.Width > MaxSide || image.Height > MaxSide ||
        image.Colors.size() > 256 ||
        image.Pixels.size() != static_cast<size_t>(image.Width) * static_cast<size_t>(image.Height))
        return false;
    Images[id] = std::move(image);
    return true;
}

const TDibImage* TBitmapResources::Find(u32 id) const {
    const auto it = Images.find(id);
    return it != Images.end() ? &it->second : nullptr;
}

void TBitmapResources::Clear() {
    Images.clear();
}
