// Tone and noise synthesis and the wave-file writer, field by field and little-endian.
#include "tools/databuild/Wave.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

namespace {

size_t SampleCount(u32 milliseconds) {
    return static_cast<size_t>(static_cast<u64>(milliseconds) * WAVE_RATE / 1000);
}

i16 Clip(i32 v) {
    return static_cast<i16>(std::clamp(v, -32768, 32767));
}

// Full level after 5 ms, then a straight fade to nothing at the end: no click at either end.
double Envelope(size_t i, size_t n) {
    const size_t attack = SampleCount(5);
    const double rise = i < attack ? static_cast<double>(i) / static_cast<double>(attack) : 1.0;
    return rise * (static_cast<double>(n - i) / static_cast<double>(n));
}

void Put16(std::vector<u8>& out, u32 v) {
    out.push_back(static_cast<u8>(v));
    out.push_back(static_cast<u8>(v >> 8));
}

void Put32(std::vector<u8>& out, u32 v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

void PutTag(std::vector<u8>& out, const char* tag) {
    out.insert(out.end(), tag, tag + 4);
}

} // namespace

TSamples Tone(double frequency, u32 milliseconds, double volume) {
    const size_t n = SampleCount(milliseconds);
    TSamples out(n);
    for (size_t i = 0; i < n; ++i) {
        const double phase =
            2.0 * std::numbers::pi * frequency * static_cast<double>(i) / WAVE_RATE;
        out[i] = Clip(
            static_cast<i32>(std::lround(32767.0 * volume * Envelope(i, n) * std::sin(phase))));
    }
    return out;
}

TSamples Noise(u32 seed, u32 milliseconds, double volume, u32 smoothing) {
    const size_t n = SampleCount(milliseconds);
    TSamples out(n);
    u32 state = seed;
    i32 smoothed = 0;
    for (size_t i = 0; i < n; ++i) {
        // A plain linear congruential step: the same bytes on every build.
        state = state * 1664525U + 1013904223U;
        const i32 white = static_cast<i32>(state >> 16) - 32768;
        smoothed += (white - smoothed) / static_cast<i32>(smoothing + 1);
        const double fade = static_cast<double>(n - i) / static_cast<double>(n);
        out[i] = Clip(static_cast<i32>(std::lround(volume * fade * fade * smoothed)));
    }
    return out;
}

TSamples Silence(u32 milliseconds) {
    return TSamples(SampleCount(milliseconds), 0);
}

TSamples Then(const TSamples& first, const TSamples& second) {
    TSamples out = first;
    out.insert(out.end(), second.begin(), second.end());
    return out;
}

TSamples Mix(const TSamples& a, const TSamples& b) {
    TSamples out(std::max(a.size(), b.size()), 0);
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = Clip((i < a.size() ? a[i] : 0) + (i < b.size() ? b[i] : 0));
    return out;
}

u32 TicksOf(const TSamples& samples) {
    const u64 perTick = static_cast<u64>(WAVE_RATE) * TICK_MS;
    return static_cast<u32>((static_cast<u64>(samples.size()) * 1000 + perTick - 1) / perTick);
}

std::vector<u8> EncodeWave(const TSamples& samples) {
    const u32 dataBytes = static_cast<u32>(samples.size() * 2);
    std::vector<u8> out;
    out.reserve(44 + dataBytes);
    PutTag(out, "RIFF");
    Put32(out, 36 + dataBytes);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, 16);
    Put16(out, 1); // PCM
    Put16(out, 1); // mono
    Put32(out, WAVE_RATE);
    Put32(out, WAVE_RATE * 2);
    Put16(out, 2);
    Put16(out, 16);
    PutTag(out, "data");
    Put32(out, dataBytes);
    for (i16 s : samples)
        Put16(out, static_cast<u16>(s));
    return out;
}
