// Fuzz target: arbitrary bytes read as the engine's bitmap graphic and copied into a canvas.
#include "FuzzSupport.h"
#include "MediaFuzzSupport.h"
#include "engine/media/Bmp.h"

// Keeps the copy from being optimised away.
volatile long EngineBmpFuzzSink = 0;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    InstallFuzzHooks();
    static TFuzzCanvas canvas(64, 48);
    TBmp bmp(nullptr);
    try {
        bmp.LoadAt(TEmbeddedAddress{data, static_cast<u32>(size)}, true);
    } catch (const TFuzzExit&) {
        return 0;
    }
    // A bitmap that loaded copies only what its rows hold, whatever its header claims.
    bmp.CopyTo(canvas, {-10, -10, 100, 100});
    bmp.SetRect({-7, 5, -7 + bmp.PixelWidth(), 5 + bmp.PixelHeight()});
    bmp.CopyTo(canvas, {0, 0, 640, 480});
    EngineBmpFuzzSink = canvas.Sum();
    return 0;
}
