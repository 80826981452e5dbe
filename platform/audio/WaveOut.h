// The wave-out device count the sound set-up asks for before it starts the mixer.
#pragma once

#include "platform/host/Types.h"

#include <optional>

// One device, always: the mixer plays into the backend's pulled output, which without a
// host audio device is silent rather than absent. Tests override the count to reach the
// "no device" report.
u32 waveOutGetNumDevs();

// Nothing restores the real figure but an empty override.
void SetWaveOutDeviceCountOverride(std::optional<u32> count);
