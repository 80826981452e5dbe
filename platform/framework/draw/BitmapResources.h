// The program's bitmap resources by id: 8-bit pictures with their colour tables.
#pragma once

#include "GdiTypes.h"

#include <climits>
#include <map>
#include <optional>
#include <span>
#include <vector>

// Pixels top row first, Width bytes a row (no padding).
struct TDibImage {
    i32 Width = 0;
    i32 Height = 0;
    std::vector<RGBQUAD> Colors;
    std::vector<u8> Pixels;
};

// Reads an uncompressed 8-bit ".bmp" file image; nothing for anything else or a damaged one.
std::optional<TDibImage> ParseBmpImage(std::span<const u8> file);

// Bitmap resources register themselves here, as the other resources do in TResourceRegistry.
class TBitmapResources {
public:
    static TBitmapResources& Get();

    // A later registration of an id replaces the earlier one; an image whose pixel count
    // does not match its size is refused.
    bool Add(u32 id, TDibImage image);
    const TDibImage* Find(u32 id) const;
    void Clear();

private:
    std::map<u32, TDibImage> Images;
};
