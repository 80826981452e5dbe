// TAnmEncoder: the bytes of an "ANM " 2.0 file from frames of pixels and an opacity mask, for the
// data-set builder and test fixtures (the animation's own writer writes nothing).
#pragma once

#include "platform/host/Types.h"

#include <vector>

// One frame: width x height pixels and as many opacity bytes (nonzero opaque), top row first.
struct TAnmFrameSource {
    i16 Width = 0;
    i16 Height = 0;
    i16 HotX = 0;
    i16 HotY = 0;
    std::vector<u8> Pixels;
    std::vector<u8> Opaque;
};

struct TAnmEncoder {
    // The whole file: header, frame offsets, then each frame with its row offsets, each row
    // with its run offsets and its runs, every offset counted from the start of the file.
    // A run is a longest stretch of opaque pixels of a row. Unread fields are written as 0,
    // so the same frames always give the same bytes. Empty when a size is negative or the
    // pixels or the mask are too few.
    static std::vector<u8> Encode(const std::vector<TAnmFrameSource>& frames, u16 refX, u16 refY);
};
