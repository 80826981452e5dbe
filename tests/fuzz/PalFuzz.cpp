// Fuzz target: arbitrary bytes read as a palette, made into the surface's identity palette.
#include "FuzzSupport.h"
#include "engine/media/Pal.h"

// Keeps the walk over the colours from being optimised away.
volatile long PalFuzzSink = 0;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    InstallFuzzHooks();
    TPal pal(nullptr);
    try {
        pal.LoadAt(TEmbeddedAddress{data, static_cast<u32>(size)}, true);
    } catch (const TFuzzExit&) {
        return 0;
    }
    long sum = 0;
    if (pal.BuildIdentityPalette())
        if (const TRGBQuadPalette* table = pal.GetColourTable())
            sum += table->GetCount();
    PalFuzzSink = sum;
    return 0;
}
