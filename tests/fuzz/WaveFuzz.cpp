// Fuzz target: arbitrary bytes read as a wave file image.
#include "platform/audio/WaveFile.h"

#include <cstddef>
#include <cstdint>

// Keeps the read of the samples from being optimised away.
volatile long WaveFuzzSink = 0;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TWaveFile wave;
    if (ParseWaveFile(data, size, wave) != 0)
        return 0;
    // An accepted wave's samples must lie inside the image: read every byte of them.
    if (wave.Data < data || wave.Data + wave.DataBytes > data + size)
        __builtin_trap();
    long sum = 0;
    for (u32 i = 0; i < wave.DataBytes; ++i)
        sum += wave.Data[i];
    WaveFuzzSink = sum + wave.Frames();
    return 0;
}
