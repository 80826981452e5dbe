// Sounds for the data set: synthesised samples (16-bit mono, 22,050 Hz) and their wave files.
#pragma once

#include "platform/audio/WaveMixTypes.h"
#include "platform/host/Types.h"

#include <cstddef>
#include <utility>
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

// The loudest sample a wave may hold. The mixer adds the waves sounding at once sample by
// sample (up to WAVEMIX_MAXCHANNELS of them) and clips the sum. At most one of them is a voice:
// the dealer says one line at a time (his beats follow each other and the round waits for each
// skit's end before the next speaks) and the intro's tune has its mode to itself. Any other
// channel may hold an effect. A voice at -6 dBFS and effects no louder than the rest shared
// among the other channels keep even that sum below full scale.
constexpr i32 VOICE_LIMIT = 16384;
constexpr i32 EFFECT_LIMIT = (32766 - VOICE_LIMIT) / (WAVEMIX_MAXCHANNELS - 1);
static_assert(VOICE_LIMIT + (WAVEMIX_MAXCHANNELS - 1) * EFFECT_LIMIT < 32767);
// The same as fractions of full scale: what speech and the tune are brought to, and the most
// an effect is.
constexpr double VOICE_PEAK = VOICE_LIMIT / 32767.0;
constexpr double EFFECT_PEAK = EFFECT_LIMIT / 32767.0;

// The samples taken at another rate brought to WAVE_RATE (linear interpolation).
TSamples Resample(const TSamples& samples, u32 fromRate);
// Without the quiet at either end (samples no louder than threshold), a few ms kept around the
// rest.
TSamples Trim(const TSamples& samples, i16 threshold);
// Scaled so that the loudest sample reaches peak (a fraction of full scale); silence stays silence.
TSamples Normalise(const TSamples& samples, double peak);

// Synthesis works on signals of doubles, full scale 1, at WAVE_RATE, and ends in samples.
using TSignal = std::vector<double>;

// Samples in that many milliseconds (fractions allowed).
std::size_t SamplesIn(double milliseconds);

// A plain generator from a seed, the same numbers on every build.
class TSynthRandom {
public:
    explicit TSynthRandom(u32 seed) : State(seed * 2654435761U + 1U) {}
    // Uniform in [0, 1).
    double Next();
    // Uniform in [low, high).
    double Between(double low, double high) { return low + (high - low) * Next(); }

private:
    u32 State;
};

TSignal WhiteNoise(u32 seed, double milliseconds);
// A struck mode: a sine at frequency dying away with the time constant tauMs (to 1/e).
TSignal Ring(double frequency, double milliseconds, double tauMs);
// A two-pole resonator of quality q: the part of the input near frequency, peak gain 1.
TSignal Resonate(const TSignal& in, double frequency, double q);
// The same with its frequency gliding (exponentially) from one value to another over the input.
TSignal ResonateGlide(const TSignal& in, double fromHz, double toHz, double q);
// One-pole filters.
TSignal LowPass(const TSignal& in, double cutoff);
TSignal HighPass(const TSignal& in, double cutoff);
// Level through straight segments between (milliseconds, level) points; silent past the last.
void ShapeLevel(TSignal& s, const std::vector<std::pair<double, double>>& points);
// A rise over attackMs, then an exponential fall with the time constant tauMs.
void ShapeStrike(TSignal& s, double attackMs, double tauMs);
// what added into into from atMs on, scaled by gain; into grows to hold it.
void AddAt(TSignal& into, const TSignal& what, double atMs, double gain = 1.0);
// The finished sound: the loudest sample brought to peak (a fraction of full scale), the last
// few milliseconds faded so it ends without a click.
TSamples Finish(const TSignal& s, double peak = EFFECT_PEAK);

// The mode-window frames the samples last, rounded up.
u32 TicksOf(const TSamples& samples);

// A RIFF/WAVE file: PCM, one channel, 16 bits, WAVE_RATE.
std::vector<u8> EncodeWave(const TSamples& samples);
