// Fuzz target: arbitrary bytes read as an 8-bit bitmap file.
#include "platform/framework/draw/BitmapResources.h"

#include <cstddef>
#include <cstdint>

// Keeps the walk over the pixels from being optimised away.
volatile long BmpFuzzSink = 0;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto image = ParseBmpImage(std::span<const u8>(data, size));
    if (!image)
        return 0;
    // A parsed image must hold exactly the pixels its size claims, all inside its colours.
    if (image->Pixels.size() != static_cast<size_t>(image->Width) * image->Height)
        __builtin_trap();
    long sum = 0;
    for (u8 p : image->Pixels)
        sum += p;
    for (const RGBQUAD& c : image->Colors)
        sum += c.rgbRed;
    BmpFuzzSink = sum;
    return 0;
}
