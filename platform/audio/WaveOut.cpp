// The wave-out device count, with its test override.
#include "WaveOut.h"

namespace {
std::optional<u32> CountOverride;
} // namespace

u32 waveOutGetNumDevs() {
    return CountOverride.value_or(1U);
}

void SetWaveOutDeviceCountOverride(std::optional<u32> count) {
    CountOverride = count;
}
