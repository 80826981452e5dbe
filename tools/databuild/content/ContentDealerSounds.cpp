// The dealer's voice and the sounds of the dice, puck and chips he and the shooter handle.
#include "tools/databuild/content/Content.h"
#include "tools/databuild/content/DealerSounds.h"
#include "tools/databuild/sound/Effects.h"
#include "tools/databuild/sound/Speech.h"

#include <functional>

namespace {

// The effect's wave in the table's folder, made on first use.
TEffectCue Cue(TDataSet& set, u32 row, const std::string& stem,
               const std::function<TSamples()>& make) {
    const std::string name = TableFile("dx" + stem + ".wav");
    if (set.FindRaw(name) == nullptr)
        set.AddWave(name, make());
    return {row, name, WaveTicks(*set.FindRaw(name))};
}

} // namespace

u32 WaveTicks(const TRawFile& wave) {
    // A RIFF header of 44 bytes, then 2 bytes a sample; a tick is TICK_MS of them.
    const u64 samples = wave.Bytes.size() > 44 ? (wave.Bytes.size() - 44) / 2 : 0;
    const u64 perTick = u64{WAVE_RATE} * TICK_MS;
    return static_cast<u32>((samples * 1000 + perTick - 1) / perTick);
}

TSamples DealerSpeech(const std::string& line) {
    // A dealer calls briskly: the table waits for every word.
    TVoice voice;
    voice.Rate = 220;
    return SpeakLine(line, voice);
}

std::vector<TEffectCue> GestureEffects(TDataSet& set, const TBeat& beat, u32 length) {
    // A brisk gesture's sounds are as short as the gesture: each ends within it.
    const bool brisk = beat.Brisk;
    switch (beat.Gesture) {
    case TGesture::Shake:
        return {brisk ? Cue(set, 0, "rattleq", [] { return DiceRattle(7, 1); })
                      : Cue(set, 0, "rattle", [] { return DiceRattle(7); })};
    case TGesture::Throw:
        return {brisk ? Cue(set, 0, "throwq", [] { return DiceThrow(3, 300); })
                      : Cue(set, 0, "throw", [] { return DiceThrow(3); })};
    case TGesture::Land:
        if (brisk)
            return {Cue(set, 0, "landq", [] { return DiceQuickLanding(5); })};
        // Off the back wall, then tumbling to rest where the big dice show.
        return {Cue(set, 0, "wall", [] { return DiceWallHit(5); }),
                Cue(set, length > 4 ? 3 : 1, "settle", [] { return DiceSettle(9); })};
    case TGesture::Sweep:
        // The losers' chips raked in once they have left the layout.
        return {Cue(set, brisk ? 4 : 5, "rake", [] { return ChipClicks(4, 11); })};
    case TGesture::MarkPuck:
        // Set down as the program shows it on the number.
        return {Cue(set, PuckTick(beat.Arg) - 1, "puck", [] { return ChipClicks(1, 5); })};
    case TGesture::LiftPuck:
        return {Cue(set, 3, "puck", [] { return ChipClicks(1, 5); })};
    case TGesture::Talk:
    case TGesture::PushDice:
    case TGesture::Pay:
        break;
    }
    return {};
}
