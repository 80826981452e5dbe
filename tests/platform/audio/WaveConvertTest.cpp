// Conversion to the mixing format: widening, channel mapping and rate change, sample by sample.
#include "platform/audio/WaveConvert.h"

#include "WaveImage.h"
#include "platform/audio/MmSystem.h"

#include <gtest/gtest.h>

namespace {

using namespace wave_image;

std::vector<i16> Converted(const std::vector<u8>& image, TMixFormat format) {
    TWaveFile wave;
    EXPECT_EQ(ParseWaveFile(image.data(), image.size(), wave), MMSYSERR_NOERROR);
    return ConvertWave(wave, format);
}

TEST(WaveConvert, ProducesExactSamples) {
    struct TCase {
        const char* Name;
        std::vector<u8> Image;
        TMixFormat Format;
        std::vector<i16> Expected;
    };
    // clang-format off
    const TCase cases[] = {
        // Unsigned 8-bit samples centre on 128; their extremes reach the 16-bit range.
        {"8-bit widened", Wave(1, 22050, 8, {0, 128, 255}), {22050, 1}, {-32768, 0, 32512}},
        {"mono doubled to stereo", Mono16({5, -7}), {22050, 2}, {5, 5, -7, -7}},
        // Truncation toward zero keeps the average symmetric for negative samples.
        {"stereo averaged to mono", Wave(2, 22050, 16, Pcm16({10, 21, -10, -21})), {22050, 1},
         {15, -15}},
        // Each new frame halfway between two old ones; the last old frame is repeated.
        {"11025 up to 22050", Mono16({0, 100, -100}, 11025), {22050, 1}, {0, 50, 100, 0, -100, -100}},
        {"11025 up to 44100", Mono16({0, 100}, 11025), {44100, 1}, {0, 25, 50, 75, 100, 100, 100, 100}},
        {"44100 down to 22050", Mono16({1, 2, 3, 4, 5}, 44100), {22050, 1}, {1, 3}},
        {"22050 down to 11025 in stereo", Wave(2, 22050, 16, Pcm16({1, -1, 2, -2, 3, -3, 4, -4})),
         {11025, 2}, {1, -1, 3, -3}},
        {"no data", Wave(1, 22050, 16, {}), {22050, 2}, {}},
    };
    // clang-format on
    for (const TCase& c : cases)
        EXPECT_EQ(Converted(c.Image, c.Format), c.Expected) << c.Name;
}

// Every output sample by its own definition: source position i * in / out as a whole frame
// and a remainder, channels mapped, then the linear step between the two frames. The
// converter steps along instead, and must land on the same samples.
std::vector<i16> ByDefinition(const TWaveFile& wave, const TMixFormat& format) {
    auto sample = [&](u32 frame, u16 channel) -> i64 {
        const u32 index = frame * wave.Channels + channel;
        if (wave.Bits == 8)
            return (static_cast<i64>(wave.Data[index]) - 128) * 256;
        return static_cast<i16>(
            static_cast<u16>(wave.Data[index * 2] | (wave.Data[index * 2 + 1] << 8)));
    };
    auto mapped = [&](u32 frame, u16 c) -> i64 {
        if (wave.Channels == format.Channels)
            return sample(frame, c);
        if (wave.Channels == 1)
            return sample(frame, 0);
        return (sample(frame, 0) + sample(frame, 1)) / 2;
    };
    std::vector<i16> out;
    const u32 inFrames = wave.Frames();
    const u64 outFrames = static_cast<u64>(inFrames) * format.Rate / wave.Rate;
    for (u64 i = 0; i < outFrames; ++i) {
        const u32 frame = static_cast<u32>(i * wave.Rate / format.Rate);
        const i64 fraction = static_cast<i64>(i * wave.Rate % format.Rate);
        const u32 next = frame + 1 < inFrames ? frame + 1 : frame;
        for (u16 c = 0; c < format.Channels; ++c) {
            const i64 a = mapped(frame, c);
            out.push_back(static_cast<i16>(a + (mapped(next, c) - a) * fraction / format.Rate));
        }
    }
    return out;
}

// Every pairing of widths and channel counts (and an output of three, which no session has), over
// rates that divide each other and rates that do not (the converter takes any wave it is handed,
// not only those the parser passes), with samples that swing between the extremes, where the
// interpolation's products are largest, and odd lengths, where the last frame is repeated.
TEST(WaveConvert, MatchesTheDefinitionForEveryFormatPairing) {
    const u32 rates[] = {8000, 11025, 22050, 44100, 48000};
    for (const u16 bits : {u16{8}, u16{16}})
        for (const u16 channels : {u16{1}, u16{2}})
            for (const u32 frames : {1U, 2U, 7U, 301U}) {
                std::vector<u8> data(static_cast<size_t>(frames) * channels * (bits / 8));
                for (size_t i = 0; i < data.size(); ++i)
                    data[i] = i % 5 == 0 ? 0xFF : i % 5 == 1 ? 0x00 : static_cast<u8>(i * 37);
                const std::vector<u8> image = Wave(channels, 22050, bits, data);
                TWaveFile wave;
                ASSERT_EQ(ParseWaveFile(image.data(), image.size(), wave), MMSYSERR_NOERROR);
                for (const u32 rate : rates)
                    for (const u32 outRate : rates)
                        for (const u16 outChannels : {u16{1}, u16{2}, u16{3}}) {
                            wave.Rate = rate;
                            const TMixFormat format{outRate, outChannels};
                            EXPECT_EQ(ConvertWave(wave, format), ByDefinition(wave, format))
                                << bits << "-bit, " << channels << " channels, " << rate << " to "
                                << outRate << " Hz, " << outChannels << " channels, " << frames
                                << " frames";
                        }
            }
}

} // namespace
