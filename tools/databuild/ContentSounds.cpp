// The table's sound sprite: eleven short waves, chips by noise and signals by tones.
#include "tools/databuild/Content.h"
#include "tools/databuild/TableObjects.h"
#include "tools/databuild/Wave.h"

#include <cstdio>

namespace {

// A few chip clacks one after the other.
TSamples Clacks(int count, u32 seed) {
    TSamples out;
    for (int i = 0; i < count; ++i)
        out = Then(out, Noise(seed + static_cast<u32>(i), 45, 0.6, 2));
    return out;
}

std::string WaveFile(int n) {
    char name[16];
    std::snprintf(name, sizeof name, "f1snd%02d.wav", n);
    return TableFile(name);
}

} // namespace

void AddTableSounds(TDataSet& set) {
    const TSamples waves[11] = {
        Mix(Tone(1800, 150, 0.3), Tone(2400, 150, 0.25)), // a payout is paid
        Clacks(1, 11),                                    // a bet of one chip
        Clacks(3, 21),                                    // two to four chips
        Clacks(6, 31),                                    // five chips or more
        Then(Tone(880, 120, 0.4), Tone(1320, 160, 0.4)),  // the whole bankroll in hand
        Tone(220, 120, 0.5),                              // a chip refused
        // Never played, but the sound sprite binds eleven.
        Tone(300, 80, 0.3),
        Tone(350, 80, 0.3),
        Tone(400, 80, 0.3),
        Tone(450, 80, 0.3),
        Tone(500, 80, 0.3),
    };
    TSpriteModel sound(ProgramString(TableObjectString(TO_SOUND)), TO_SOUND);
    for (int n = 0; n < 11; ++n) {
        set.AddWave(WaveFile(n), waves[n]);
        sound.AddWave(WaveFile(n));
    }
    sound.Needs = NeedsOf(TO_SOUND);
    TableSprites(set).Add(std::move(sound));
}
