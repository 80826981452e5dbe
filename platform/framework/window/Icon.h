// A window icon's picture as the program's resources supply it.
#pragma once

#include "platform/host/Types.h"

#include <vector>

// 0xAARRGGBB pixels, rows top first.
struct TIconImage {
    i32 Width = 0;
    i32 Height = 0;
    std::vector<u32> Pixels;
};
