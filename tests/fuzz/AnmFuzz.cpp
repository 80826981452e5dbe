// Fuzz target: arbitrary bytes read as an animation, every frame drawn, and where each frame
// differs from the one before worked out as a changing picture is redrawn.
#include "FuzzSupport.h"
#include "MediaFuzzSupport.h"
#include "engine/media/Anm.h"
#include "engine/media/AnmImage.h"

#include <algorithm>

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
    // The changed areas of the first pairs of frames, bands included: the tables they walk
    // were checked, but nothing else of the bytes.
    TAnmImage image;
    long changed = 0;
    if (image.Check(data, static_cast<u32>(size))) {
        const u16 pairs = std::min<u16>(image.GetFrameCount(), 64);
        for (u16 k = 1; k < pairs; ++k) {
            TRect16 area;
            TAnmChangedParts parts;
            if (image.ChangedArea(data, static_cast<u16>(k - 1), k, area, &parts))
                changed += area.right - area.left + parts.Count;
        }
    }
    AnmFuzzSink = AnmFuzzSink + changed;
    return 0;
}
