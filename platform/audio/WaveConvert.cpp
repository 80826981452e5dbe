// Sample conversion: widening 8-bit samples, channel mapping and rate change.
#include "WaveConvert.h"

namespace {

i32 SampleAt(const TWaveFile& wave, u32 frame, u16 channel) {
    const u32 index = frame * wave.Channels + channel;
    if (wave.Bits == 8)
        return (static_cast<i32>(wave.Data[index]) - 128) * 256;
    const u8* p = wave.Data + static_cast<std::size_t>(index) * 2;
    return static_cast<i16>(static_cast<u16>(p[0] | (p[1] << 8)));
}

// One output channel's value from the source frame: stereo to mono averages the two sides.
i32 MappedSample(const TWaveFile& wave, u32 frame, u16 outChannel, u16 outChannels) {
    if (wave.Channels == outChannels)
        return SampleAt(wave, frame, outChannel);
    if (wave.Channels == 1)
        return SampleAt(wave, frame, 0);
    return (SampleAt(wave, frame, 0) + SampleAt(wave, frame, 1)) / 2;
}

} // namespace

std::vector<i16> ConvertWave(const TWaveFile& wave, const TMixFormat& format) {
    const u32 inFrames = wave.Frames();
    if (inFrames == 0 || wave.Rate == 0 || format.Rate == 0 || format.Channels == 0)
        return {};
    const u64 outFrames = static_cast<u64>(inFrames) * format.Rate / wave.Rate;
    std::vector<i16> out;
    out.reserve(static_cast<std::size_t>(outFrames) * format.Channels);
    for (u64 i = 0; i < outFrames; ++i) {
        // Position in the source as a whole frame and a fraction of format.Rate.
        const u64 scaled = i * wave.Rate;
        const u32 frame = static_cast<u32>(scaled / format.Rate);
        const i64 fraction = static_cast<i64>(scaled % format.Rate);
        const u32 next = frame + 1 < inFrames ? frame + 1 : frame;
        for (u16 c = 0; c < format.Channels; ++c) {
            const i64 a = MappedSample(wave, frame, c, format.Channels);
            const i64 b = MappedSample(wave, next, c, format.Channels);
            out.push_back(static_cast<i16>(a + (b - a) * fraction / format.Rate));
        }
    }
    return out;
}
