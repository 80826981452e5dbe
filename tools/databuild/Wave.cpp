// Tone and noise synthesis and the wave-file writer, field by field and little-endian.
#include "tools/databuild/Wave.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdlib>
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

TSamples Resample(const TSamples& samples, u32 fromRate) {
    if (fromRate == WAVE_RATE || samples.empty() || fromRate == 0)
        return samples;
    const size_t n = static_cast<size_t>(static_cast<u64>(samples.size()) * WAVE_RATE / fromRate);
    TSamples out(n);
    for (size_t i = 0; i < n; ++i) {
        const double at = static_cast<double>(i) * fromRate / WAVE_RATE;
        const size_t k = static_cast<size_t>(at);
        const double f = at - static_cast<double>(k);
        const double a = samples[std::min(k, samples.size() - 1)];
        const double b = samples[std::min(k + 1, samples.size() - 1)];
        out[i] = Clip(static_cast<i32>(std::lround(a + (b - a) * f)));
    }
    return out;
}

TSamples Trim(const TSamples& samples, i16 threshold) {
    const auto loud = [threshold](i16 s) { return std::abs(static_cast<i32>(s)) > threshold; };
    const auto first = std::find_if(samples.begin(), samples.end(), loud);
    if (first == samples.end())
        return {};
    const auto last = std::find_if(samples.rbegin(), samples.rend(), loud).base();
    // A little margin so a soft onset or a trailing breath is not cut off mid-wave.
    const std::ptrdiff_t margin = static_cast<std::ptrdiff_t>(SampleCount(10));
    const auto from = first - std::min(margin, first - samples.begin());
    const auto to = last + std::min(margin, samples.end() - last);
    return TSamples(from, to);
}

TSamples Normalise(const TSamples& samples, double peak) {
    i32 loudest = 0;
    for (i16 s : samples)
        loudest = std::max(loudest, std::abs(static_cast<i32>(s)));
    if (loudest == 0)
        return samples;
    const double gain = peak * 32767.0 / loudest;
    TSamples out(samples.size());
    for (size_t i = 0; i < samples.size(); ++i)
        out[i] = Clip(static_cast<i32>(std::lround(samples[i] * gain)));
    return out;
}
