// The dealer's voice and the sounds of the dice and chips he and the shooter handle.
#include "tools/databuild/Content.h"
#include "tools/databuild/DealerSounds.h"

TSamples DealerSpeech(const std::string& line) {
    // TEMPORARY until the speech kit lands.
    return Silence(static_cast<u32>(line.size() * 60));
}

std::vector<TEffectCue> GestureEffects(TDataSet& set, TGesture gesture, u32 length) {
    (void)set;
    (void)gesture;
    (void)length;
    return {};
}
