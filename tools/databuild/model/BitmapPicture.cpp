// The reading back of the table's background bitmap.
#include "tools/databuild/model/BitmapPicture.h"

#include <cstdlib>

namespace {

u32 Read32(const std::vector<u8>& b, size_t at) {
    return static_cast<u32>(b[at]) | static_cast<u32>(b[at + 1]) << 8 |
           static_cast<u32>(b[at + 2]) << 16 | static_cast<u32>(b[at + 3]) << 24;
}

u16 Read16(const std::vector<u8>& b, size_t at) {
    return static_cast<u16>(b[at] | b[at + 1] << 8);
}

} // namespace

std::optional<TCanvas> BitmapPicture(const std::vector<u8>& bytes) {
    constexpr size_t InfoEnd = 14 + 40;
    if (bytes.size() < InfoEnd || bytes[0] != 'B' || bytes[1] != 'M')
        return std::nullopt;
    const u32 offset = Read32(bytes, 10);
    const i32 width = static_cast<i32>(Read32(bytes, 18));
    const i32 height = static_cast<i32>(Read32(bytes, 22));
    if (Read16(bytes, 28) != 8 || Read32(bytes, 30) != 0 || width <= 0 || width > 4096 ||
        height == 0 || height < -4096 || height > 4096)
        return std::nullopt;
    const i32 rows = std::abs(height);
    const size_t pitch = (static_cast<size_t>(width) + 3) & ~size_t{3};
    if (offset > bytes.size() || (bytes.size() - offset) / pitch < static_cast<size_t>(rows))
        return std::nullopt;
    TCanvas picture(width, rows);
    for (i32 y = 0; y < rows; ++y) {
        // Rows are stored bottom-up unless the height says otherwise.
        const i32 stored = height > 0 ? rows - 1 - y : y;
        const size_t row = offset + static_cast<size_t>(stored) * pitch;
        for (i32 x = 0; x < width; ++x)
            picture.Plot(x, y, bytes[row + static_cast<size_t>(x)]);
    }
    return picture;
}
