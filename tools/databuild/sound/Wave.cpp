// Tone and noise synthesis and the wave-file writer, field by field and little-endian.
#include "tools/databuild/sound/Wave.h"

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
    // Byte by byte: a range insert here trips a false overflow warning in optimised builds.
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<u8>(tag[i]));
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

size_t SamplesIn(double milliseconds) {
    return milliseconds <= 0 ? 0
                             : static_cast<size_t>(std::lround(milliseconds * WAVE_RATE / 1000.0));
}

double TSynthRandom::Next() {
    State = State * 1664525U + 1013904223U;
    return static_cast<double>(State >> 8) / static_cast<double>(1U << 24);
}

TSignal WhiteNoise(u32 seed, double milliseconds) {
    TSynthRandom random(seed);
    TSignal out(SamplesIn(milliseconds));
    for (double& v : out)
        v = 2.0 * random.Next() - 1.0;
    return out;
}

TSignal Ring(double frequency, double milliseconds, double tauMs) {
    TSignal out(SamplesIn(milliseconds));
    const double step = 2.0 * std::numbers::pi * frequency / WAVE_RATE;
    const double fall = std::exp(-1000.0 / (tauMs * WAVE_RATE));
    double level = 1.0;
    for (size_t i = 0; i < out.size(); ++i) {
        out[i] = level * std::sin(step * static_cast<double>(i));
        level *= fall;
    }
    return out;
}

namespace {

// A band-pass biquad (constant 0 dB peak), its coefficients worked out per sample so the
// frequency may move.
struct TBandPass {
    double X1 = 0, X2 = 0, Y1 = 0, Y2 = 0;

    double Step(double x, double frequency, double q) {
        const double w =
            2.0 * std::numbers::pi * std::clamp(frequency, 10.0, WAVE_RATE * 0.45) / WAVE_RATE;
        const double alpha = std::sin(w) / (2.0 * q);
        const double a0 = 1.0 + alpha;
        const double y =
            (alpha * x - alpha * X2 + 2.0 * std::cos(w) * Y1 - (1.0 - alpha) * Y2) / a0;
        X2 = X1;
        X1 = x;
        Y2 = Y1;
        Y1 = y;
        return y;
    }
};

} // namespace

TSignal Resonate(const TSignal& in, double frequency, double q) {
    return ResonateGlide(in, frequency, frequency, q);
}

TSignal ResonateGlide(const TSignal& in, double fromHz, double toHz, double q) {
    TSignal out(in.size());
    TBandPass filter;
    const double ratio = toHz / fromHz;
    for (size_t i = 0; i < in.size(); ++i) {
        const double t =
            in.size() > 1 ? static_cast<double>(i) / static_cast<double>(in.size() - 1) : 0;
        out[i] = filter.Step(in[i], fromHz * std::pow(ratio, t), q);
    }
    return out;
}

TSignal LowPass(const TSignal& in, double cutoff) {
    const double a = 1.0 - std::exp(-2.0 * std::numbers::pi * cutoff / WAVE_RATE);
    TSignal out(in.size());
    double y = 0;
    for (size_t i = 0; i < in.size(); ++i)
        out[i] = y += a * (in[i] - y);
    return out;
}

TSignal HighPass(const TSignal& in, double cutoff) {
    TSignal out = LowPass(in, cutoff);
    for (size_t i = 0; i < in.size(); ++i)
        out[i] = in[i] - out[i];
    return out;
}

void ShapeLevel(TSignal& s, const std::vector<std::pair<double, double>>& points) {
    size_t k = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        const double ms = static_cast<double>(i) * 1000.0 / WAVE_RATE;
        while (k < points.size() && points[k].first <= ms)
            ++k;
        double level = 0;
        if (k == 0)
            level = points.empty() ? 0 : points[0].second;
        else if (k < points.size()) {
            const auto& [t0, l0] = points[k - 1];
            const auto& [t1, l1] = points[k];
            level = l0 + (l1 - l0) * (ms - t0) / (t1 - t0);
        }
        s[i] *= level;
    }
}

void ShapeStrike(TSignal& s, double attackMs, double tauMs) {
    const size_t attack = SamplesIn(attackMs);
    const double fall = std::exp(-1000.0 / (tauMs * WAVE_RATE));
    double level = 1.0;
    for (size_t i = 0; i < s.size(); ++i) {
        if (i < attack)
            s[i] *= static_cast<double>(i) / static_cast<double>(attack);
        else {
            s[i] *= level;
            level *= fall;
        }
    }
}

void AddAt(TSignal& into, const TSignal& what, double atMs, double gain) {
    const size_t at = SamplesIn(atMs);
    if (into.size() < at + what.size())
        into.resize(at + what.size(), 0.0);
    for (size_t i = 0; i < what.size(); ++i)
        into[at + i] += gain * what[i];
}

TSamples Finish(const TSignal& s, double peak) {
    double loudest = 0;
    for (double v : s)
        loudest = std::max(loudest, std::abs(v));
    const double gain = loudest > 0 ? std::min(peak, 1.0) * 32767.0 / loudest : 0;
    const size_t fade = std::min(s.size(), SamplesIn(3));
    TSamples out(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        const size_t left = s.size() - i;
        const double tail =
            left < fade ? static_cast<double>(left) / static_cast<double>(fade) : 1.0;
        out[i] = Clip(static_cast<i32>(std::lround(s[i] * gain * tail)));
    }
    return out;
}
