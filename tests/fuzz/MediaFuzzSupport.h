// What the media fuzz targets share: a bitmap of their own that graphics are drawn into.
#pragma once

#include "engine/media/Bmp.h"

#include <memory>
#include <vector>

// A top-down 8-bit bitmap at the screen's origin, drawn into by the targets; what lands in
// it is summed so that the drawing cannot be optimised away.
class TFuzzCanvas : public TBmp {
public:
    TFuzzCanvas(i32 width, i32 height) : Pixels(static_cast<size_t>((width + 3) / 4 * 4 * height)) {
        auto info = std::make_unique<TBitmapInfo>(256);
        info->Get()->bmiHeader.biWidth = width;
        info->Get()->bmiHeader.biHeight = -height;
        AdoptBits(std::move(info), Pixels.data(), nullptr);
    }
    long Sum() const {
        long sum = 0;
        for (u8 p : Pixels)
            sum += p;
        return sum;
    }
    std::vector<u8> Pixels;
};
