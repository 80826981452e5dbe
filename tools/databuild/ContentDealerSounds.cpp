// The dealer's voice and the sounds of the dice and chips he and the shooter handle.
#include "tools/databuild/Content.h"
#include "tools/databuild/DealerSounds.h"
#include "tools/databuild/Speech.h"

TSamples DealerSpeech(const std::string& line) {
    // A dealer calls briskly: the table waits for every word.
    TVoice voice;
    voice.Rate = 220;
    return SpeakLine(line, voice);
}

std::vector<TEffectCue> GestureEffects(TDataSet& set, TGesture gesture, u32 length) {
    (void)set;
    (void)gesture;
    (void)length;
    return {};
}
