// The wave mix as the headless backend hears it: pulled as the virtual clock moves, so that
// plays end, and their notices come, when they would on a real device.
#pragma once

#include "platform/audio/MixFormat.h"
#include "platform/host/Types.h"

#include <vector>

class THeadlessAudio {
public:
    // Pulls every frame due between the last catch-up and the clock time now. The timeline
    // starts again from now when the active session's format changes (or the clock runs
    // back), since frames of one format say nothing in another.
    void CatchUp(u64 nowMs);

    // Keeping starts with the next frame pulled; stopping drops what was kept.
    void Keep(bool keep);
    bool IsKeeping() const { return Keeping; }
    // The kept frames, interleaved in GetFormat's channels.
    const std::vector<i16>& GetSamples() const { return Samples; }
    TMixFormat GetFormat() const { return Format; }
    // Frames pulled since the timeline started, and the first of them that was kept.
    u64 GetFramesPulled() const { return Frames; }
    u64 GetFirstKeptFrame() const { return FirstKept; }
    // The frame of the timeline that a clock time falls in.
    u64 FrameAt(u64 ms) const;

private:
    bool Started = false;
    u64 StartMs = 0;
    u64 Frames = 0;
    u64 FirstKept = 0;
    TMixFormat Format;
    bool Keeping = false;
    std::vector<i16> Samples;
    std::vector<i16> Block;
};
