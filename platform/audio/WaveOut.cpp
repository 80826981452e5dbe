// The wave-out device count, from the backend's probe or a test's override.
#include "WaveOut.h"

namespace {
std::optional<u32> CountOverride;
std::function<bool()> DeviceProbe;
} // namespace

u32 waveOutGetNumDevs() {
    if (CountOverride)
        return *CountOverride;
    if (DeviceProbe)
        return DeviceProbe() ? 1U : 0U;
    return 1U;
}

void SetWaveOutDeviceProbe(std::function<bool()> probe) {
    DeviceProbe = std::move(probe);
}

void SetWaveOutDeviceCountOverride(std::optional<u32> count) {
    CountOverride = count;
}
