// Pulling the wave mix in blocks along the virtual clock.
#include "HeadlessAudio.h"

#include "platform/audio/WaveMixOutput.h"

#include <algorithm>

namespace {

// A long jump of the clock is mixed a block at a time, never in one allocation.
constexpr u64 BlockFrames = 4096;

} // namespace

u64 THeadlessAudio::FrameAt(u64 ms) const {
    return ms <= StartMs ? 0 : (ms - StartMs) * Format.Rate / 1000;
}

void THeadlessAudio::CatchUp(u64 nowMs) {
    const TMixFormat format = GetWaveMixOutputFormat();
    if (!Started || format != Format || nowMs < StartMs) {
        Started = true;
        Format = format;
        StartMs = nowMs;
        Frames = 0;
        FirstKept = 0;
        Samples.clear();
        return;
    }
    const u64 due = FrameAt(nowMs);
    const u64 width = std::max<u16>(1, Format.Channels);
    while (Frames < due) {
        const u64 n = std::min(due - Frames, BlockFrames);
        Block.resize(static_cast<std::size_t>(n * width));
        PullWaveMixOutput(Block.data(), static_cast<u32>(n), Format);
        if (Keeping)
            Samples.insert(Samples.end(), Block.begin(), Block.end());
        Frames += n;
    }
}

void THeadlessAudio::Keep(bool keep) {
    Keeping = keep;
    Samples.clear();
    FirstKept = Frames;
}
