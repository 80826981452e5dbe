// Fuzz target: arbitrary bytes read as an animation, and every frame drawn.
#include "FuzzSupport.h"
#include "MediaFuzzSupport.h"
#include "engine/media/Anm.h"

// Keeps the drawing from being optimised away.
volatile long AnmFuzzSink = 0;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    InstallFuzzHooks();
    static TFuzzCanvas canvas(96, 96);
    TAnm anm(nullptr, TFileMode("fuzz.anm", 1, 1), TAnmData());
    try {
        anm.LoadAt(TEmbeddedAddress{data, static_cast<u32>(size)}, true);
    } catch (const TFuzzExit&) {
        return 0;
    }
    // Each frame is put with its top left corner on the canvas's, so that hotspots and
    // reference points far off still let its rows be drawn, and drawn with a clip larger
    // than the canvas.
    for (u16 k = 0; k < anm.GetFrameCount(); ++k) {
        TAnmData& frame = anm.GetCurrentData();
        frame.CurrentFrame = k;
        if (const TAnmFrameInfo* info = anm.GetImageFrames().GetFrame(k)) {
            frame.Base = {info->HotX, info->HotY, 0};
            frame.Offset = {};
            frame.UpdatePosition();
        }
        anm.SelectFrame();
        anm.DrawFrame(canvas, {-40, -40, 200, 200});
    }
    AnmFuzzSink = canvas.Sum();
    return 0;
}
