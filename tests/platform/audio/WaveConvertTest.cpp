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

} // namespace
