// Every wave's peak against its role's limit, checked before the data set is written.
#include "tools/databuild/writer/WaveLevels.h"

#include "tools/databuild/content/Content.h"
#include "tools/databuild/content/ContentIntro.h"
#include "tools/databuild/model/BuildError.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// The samples begin after the 44 bytes of the RIFF header the set's writer puts first.
constexpr size_t WaveHeader = 44;

bool StartsWith(const std::string& text, const std::string& start) {
    return text.compare(0, start.size(), start) == 0;
}

std::string Decibels(i32 peak) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f dBFS", 20 * std::log10(std::max(peak, 1) / 32767.0));
    return text;
}

} // namespace

TWaveRole WaveRoleOf(const std::string& name) {
    if (StartsWith(name, TableFile("dv")) || name == std::string(INTRO_DIR) + INTRO_TUNE)
        return TWaveRole::Voice;
    return TWaveRole::Effect;
}

i32 WaveLimit(TWaveRole role) {
    return role == TWaveRole::Voice ? VOICE_LIMIT : EFFECT_LIMIT;
}

i32 WavePeak(const TRawFile& wave) {
    i32 peak = 0;
    const std::vector<u8>& b = wave.Bytes;
    for (size_t at = WaveHeader; at + 1 < b.size(); at += 2) {
        const auto sample = static_cast<i16>(static_cast<u16>(b[at] | b[at + 1] << 8));
        peak = std::max(peak, std::abs(static_cast<i32>(sample)));
    }
    return peak;
}

void CheckWaveLevels(const TDataSet& set) {
    for (const TRawFile& file : set.GetRawFiles()) {
        if (file.Name.size() < 4 || file.Name.compare(file.Name.size() - 4, 4, ".wav") != 0)
            continue;
        const TWaveRole role = WaveRoleOf(file.Name);
        const i32 peak = WavePeak(file);
        if (peak > WaveLimit(role))
            throw TBuildError(file.Name, "peaks at " + std::to_string(peak) + " (" +
                                             Decibels(peak) + "), above the " +
                                             (role == TWaveRole::Voice ? "voice's" : "effects'") +
                                             " limit of " + std::to_string(WaveLimit(role)) + " (" +
                                             Decibels(WaveLimit(role)) + ")");
    }
}
