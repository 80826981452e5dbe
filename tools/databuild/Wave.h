// Sounds for the data set: synthesised samples (16-bit mono, 22,050 Hz) and their wave files.
#pragma once

#include "platform/host/Types.h"

#include <vector>

constexpr u32 WAVE_RATE = 22050;
// One frame of the mode window, in milliseconds.
constexpr u32 TICK_MS = 167;

using TSamples = std::vector<i16>;

// A sine tone that rises in 5 ms and fades out to silence at its end; volume 0 to 1.
TSamples Tone(double frequency, u32 milliseconds, double volume);
// A burst of noise from a fixed seed that dies away, smoothed (0 none, larger is duller):
// chips and dice rather than hiss.
TSamples Noise(u32 seed, u32 milliseconds, double volume, u32 smoothing);
TSamples Silence(u32 milliseconds);
// One sound after the other, and two sounds over each other (clipped at full scale).
TSamples Then(const TSamples& first, const TSamples& second);
TSamples Mix(const TSamples& a, const TSamples& b);

// The level every finished sound peaks at: loud, with room to spare below full scale.
constexpr double PEAK_LEVEL = 0.89;

// The samples taken at another rate brought to WAVE_RATE (linear interpolation).
TSamples Resample(const TSamples& samples, u32 fromRate);
// Without the quiet at either end (samples no louder than threshold), a few ms kept around the
// rest.
TSamples Trim(const TSamples& samples, i16 threshold);
// Scaled so that the loudest sample reaches peak (a fraction of full scale); silence stays silence.
TSamples Normalise(const TSamples& samples, double peak);

// The mode-window frames the samples last, rounded up.
u32 TicksOf(const TSamples& samples);

// A RIFF/WAVE file: PCM, one channel, 16 bits, WAVE_RATE.
std::vector<u8> EncodeWave(const TSamples& samples);
