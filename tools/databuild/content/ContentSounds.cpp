// The table's sounds: the sound sprite's eleven waves, the rack's chip clicks and the buttons'
// clicks and signal, bound to sprites the earlier areas made.
#include "tools/databuild/content/Content.h"
#include "tools/databuild/model/BuildError.h"
#include "tools/databuild/model/TableLayout.h"
#include "tools/databuild/model/TableObjects.h"
#include "tools/databuild/sound/Effects.h"

#include <cstdio>

namespace {

// The button that flashes when the Expert has something to say.
constexpr u16 ExpertButtonNumber = 0;

std::string WaveFile(const char* stem, int n) {
    char name[16];
    std::snprintf(name, sizeof name, "%s%02d.wav", stem, n);
    return TableFile(name);
}

// A sprite an earlier area added to the table's list; the sounds cannot be bound without it.
TSpriteModel& TableSprite(TDataSet& set, u16 code) {
    const std::string name = ProgramString(TableObjectString(code));
    TSpriteModel* sprite = TableSprites(set).Find(name);
    if (sprite == nullptr)
        throw TBuildError(name, "no such sprite to bind its sounds to");
    return *sprite;
}

void AddSoundSprite(TDataSet& set) {
    const TSamples waves[11] = {
        PayoutClink(),     // a payout is paid
        ChipClicks(1, 11), // a bet of one chip
        ChipClicks(3, 21), // two to four chips
        ChipClicks(6, 31), // five chips or more
        AllInChime(),      // the whole bankroll in hand
        RefusalBlip(),     // a chip refused
        SpareTick(6),      // 6..10 are never played, but the sound sprite binds eleven
        SpareTick(7),      SpareTick(8), SpareTick(9), SpareTick(10),
    };
    TSpriteModel sound(ProgramString(TableObjectString(TO_SOUND)), TO_SOUND);
    for (int n = 0; n < 11; ++n) {
        set.AddWave(WaveFile("f1snd", n), waves[n]);
        sound.AddWave(WaveFile("f1snd", n));
    }
    sound.Needs = NeedsOf(TO_SOUND);
    TableSprites(set).Add(std::move(sound));
}

// Chips coming onto the rail: one, two to four, five and more.
void AddRackSounds(TDataSet& set) {
    TSpriteModel& rack = TableSprite(set, TO_RACK);
    const TSamples waves[3] = {ChipClicks(1, 41), ChipClicks(3, 51), ChipClicks(7, 61)};
    for (int n = 0; n < 3; ++n) {
        set.AddWave(WaveFile("f1rck", n), waves[n]);
        rack.AddWave(WaveFile("f1rck", n));
    }
}

// Every button clicks down and up; only the Expert button, the one that flashes for attention,
// has a signal to sound.
void AddButtonSounds(TDataSet& set) {
    const std::string press = TableFile("f1btndn.wav");
    const std::string release = TableFile("f1btnup.wav");
    const std::string signal = TableFile("f1btnsg.wav");
    set.AddWave(press, ButtonPress());
    set.AddWave(release, ButtonRelease());
    set.AddWave(signal, SignalChime());
    for (const TTableButton& button : TableButtons()) {
        TSpriteModel& sprite = TableSprite(set, button.Code);
        sprite.AddWave(press);
        sprite.AddWave(release);
        if (button.Number == ExpertButtonNumber)
            sprite.AddWave(signal);
    }
}

} // namespace

void AddTableSounds(TDataSet& set) {
    AddSoundSprite(set);
    AddRackSounds(set);
    AddButtonSounds(set);
}
