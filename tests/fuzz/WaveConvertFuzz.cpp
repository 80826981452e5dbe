// Fuzz target: arbitrary bytes read as a wave file and converted to each mixing format the
// sessions use, whose samples must come out whole: as many frames as the rates ask for.
#include "platform/audio/WaveConvert.h"
#include "platform/audio/WaveFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// Keeps the converted samples from being optimised away.
volatile long WaveConvertFuzzSink = 0;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TWaveFile wave;
    if (ParseWaveFile(data, size, wave) != 0)
        return 0;
    const TMixFormat formats[] = {{22050, 2}, {44100, 2}, {11025, 1}, {8000, 1}};
    long sum = 0;
    for (const TMixFormat& format : formats) {
        const std::vector<i16> out = ConvertWave(wave, format);
        const std::uint64_t frames = std::uint64_t{wave.Frames()} * format.Rate / wave.Rate;
        if (out.size() != frames * format.Channels)
            std::abort();
        for (const i16 sample : out)
            sum += sample;
    }
    WaveConvertFuzzSink = sum;
    return 0;
}
