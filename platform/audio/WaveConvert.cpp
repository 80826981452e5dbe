// Sample conversion: widening 8-bit samples, channel mapping and rate change.
#include "WaveConvert.h"

namespace {

// Source samples widened to 16 bits, read frame by frame. Waves are converted when a sound
// first plays, inside a frame, so the sample width is fixed per wave rather than tested per
// sample.
template <bool Eight> i32 SampleAt(const TWaveFile& wave, u32 frame, u16 channel) {
    const u32 index = frame * wave.Channels + channel;
    if constexpr (Eight) {
        return (static_cast<i32>(wave.Data[index]) - 128) * 256;
    } else {
        const u8* p = wave.Data + static_cast<std::size_t>(index) * 2;
        return static_cast<i16>(static_cast<u16>(p[0] | (p[1] << 8)));
    }
}

// One output channel's value from the source frame: stereo to mono averages the two sides.
template <bool Eight>
i32 MappedSample(const TWaveFile& wave, u32 frame, u16 outChannel, u16 outChannels) {
    if (wave.Channels == outChannels)
        return SampleAt<Eight>(wave, frame, outChannel);
    if (wave.Channels == 1)
        return SampleAt<Eight>(wave, frame, 0);
    return (SampleAt<Eight>(wave, frame, 0) + SampleAt<Eight>(wave, frame, 1)) / 2;
}

// Output frame i sits at i * wave.Rate / format.Rate source frames: a whole frame and a
// fraction of format.Rate, stepped along rather than divided out for every frame.
template <bool Eight>
void Resample(const TWaveFile& wave, const TMixFormat& format, u64 outFrames, i16* out) {
    const u32 inFrames = wave.Frames();
    const u64 rate = format.Rate;
    const u32 wholeStep = static_cast<u32>(wave.Rate / rate);
    const u64 fractionStep = wave.Rate % rate;
    u32 frame = 0;
    u64 fraction = 0;
    for (u64 i = 0; i < outFrames; ++i) {
        const u32 next = frame + 1 < inFrames ? frame + 1 : frame;
        for (u16 c = 0; c < format.Channels; ++c) {
            const i64 a = MappedSample<Eight>(wave, frame, c, format.Channels);
            if (fraction == 0) {
                *out++ = static_cast<i16>(a);
                continue;
            }
            const i64 b = MappedSample<Eight>(wave, next, c, format.Channels);
            *out++ =
                static_cast<i16>(a + (b - a) * static_cast<i64>(fraction) / static_cast<i64>(rate));
        }
        frame += wholeStep;
        fraction += fractionStep;
        if (fraction >= rate) {
            fraction -= rate;
            ++frame;
        }
    }
}

} // namespace

std::vector<i16> ConvertWave(const TWaveFile& wave, const TMixFormat& format) {
    const u32 inFrames = wave.Frames();
    if (inFrames == 0 || wave.Rate == 0 || format.Rate == 0 || format.Channels == 0)
        return {};
    const u64 outFrames = static_cast<u64>(inFrames) * format.Rate / wave.Rate;
    std::vector<i16> out(static_cast<std::size_t>(outFrames) * format.Channels);
    if (wave.Bits == 8)
        Resample<true>(wave, format, outFrames, out.data());
    else
        Resample<false>(wave, format, outFrames, out.data());
    return out;
}
