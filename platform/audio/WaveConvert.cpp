// Sample conversion: widening 8-bit samples, channel mapping and rate change.
#include "WaveConvert.h"

namespace {

// A wave is converted when a sound first plays, inside a frame, so the conversion is built for
// each sample width and each pairing of mono and stereo, where the compiler sees the channel
// mapping whole; In or Out 0 takes the count from the wave or the format at run time.
template <bool Eight, u16 In, u16 Out>
void Resample(const TWaveFile& wave, const TMixFormat& format, u64 outFrames, i16* out) {
    const u16 inChannels = In != 0 ? In : wave.Channels;
    const u16 outChannels = Out != 0 ? Out : format.Channels;
    const u8* data = wave.Data;
    auto sample = [&](u32 frame, u16 channel) -> i32 {
        const u32 index = frame * inChannels + channel;
        if constexpr (Eight) {
            return (static_cast<i32>(data[index]) - 128) * 256;
        } else {
            const u8* p = data + static_cast<std::size_t>(index) * 2;
            return static_cast<i16>(static_cast<u16>(p[0] | (p[1] << 8)));
        }
    };
    // One output channel's value from a source frame: stereo to mono averages the two sides.
    auto mapped = [&](u32 frame, u16 channel) -> i32 {
        if (inChannels == outChannels)
            return sample(frame, channel);
        if (inChannels == 1)
            return sample(frame, 0);
        return (sample(frame, 0) + sample(frame, 1)) / 2;
    };
    if (wave.Rate == format.Rate) {
        for (u32 frame = 0; frame < outFrames; ++frame)
            for (u16 c = 0; c < outChannels; ++c)
                *out++ = static_cast<i16>(mapped(frame, c));
        return;
    }
    // Output frame i sits at i * wave.Rate / format.Rate source frames: a whole frame and a
    // fraction of format.Rate, stepped along rather than divided out for every frame.
    const u32 inFrames = wave.Frames();
    const u64 rate = format.Rate;
    const u32 wholeStep = static_cast<u32>(wave.Rate / rate);
    const u64 fractionStep = wave.Rate % rate;
    u32 frame = 0;
    u64 fraction = 0;
    for (u64 i = 0; i < outFrames; ++i) {
        const u32 next = frame + 1 < inFrames ? frame + 1 : frame;
        for (u16 c = 0; c < outChannels; ++c) {
            const i64 a = mapped(frame, c);
            if (fraction == 0) {
                *out++ = static_cast<i16>(a);
                continue;
            }
            const i64 b = mapped(next, c);
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

using TResample = void (*)(const TWaveFile&, const TMixFormat&, u64, i16*);

template <bool Eight> TResample Pick(u16 in, u16 out) {
    if (in == 1 && out == 1)
        return Resample<Eight, 1, 1>;
    if (in == 1 && out == 2)
        return Resample<Eight, 1, 2>;
    if (in == 2 && out == 1)
        return Resample<Eight, 2, 1>;
    if (in == 2 && out == 2)
        return Resample<Eight, 2, 2>;
    return Resample<Eight, 0, 0>;
}

} // namespace

std::vector<i16> ConvertWave(const TWaveFile& wave, const TMixFormat& format) {
    const u32 inFrames = wave.Frames();
    if (inFrames == 0 || wave.Rate == 0 || format.Rate == 0 || format.Channels == 0)
        return {};
    const u64 outFrames = static_cast<u64>(inFrames) * format.Rate / wave.Rate;
    std::vector<i16> out(static_cast<std::size_t>(outFrames) * format.Channels);
    const TResample resample = wave.Bits == 8 ? Pick<true>(wave.Channels, format.Channels)
                                              : Pick<false>(wave.Channels, format.Channels);
    resample(wave, format, outFrames, out.data());
    return out;
}
