// The wave-out device count the sound set-up asks for before it starts the mixer.
#pragma once

#include "platform/host/Types.h"

#include <functional>
#include <optional>

// 1 or 0: whether the backend that plays the mix has an output device. Without a probe it is
// 1: the headless backend's pulled output is silent rather than absent. Tests override the
// count to reach the "no device" report.
u32 waveOutGetNumDevs();

// The backend's answer whether its output device opens; it may open the device to find out.
// Called on the window thread, and only when the count is asked for. An empty probe removes it.
void SetWaveOutDeviceProbe(std::function<bool()> probe);

// Nothing restores the real figure but an empty override.
void SetWaveOutDeviceCountOverride(std::optional<u32> count);
