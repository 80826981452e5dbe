// Spoken lines for the data set: English speech synthesised at build time into wave samples.
#pragma once

#include "tools/databuild/sound/Wave.h"

#include <string>

// How a line is spoken. The defaults are the stickman's: a clear male voice, brisk.
struct TVoice {
    // A voice variant of the speech engine ("m1".."m8" are male, "f1".."f5" female).
    std::string Variant = "m3";
    // Base pitch and its range, 0..100 (50 is the engine's normal).
    int Pitch = 42;
    int Range = 55;
    // Words per minute, 80..450.
    int Rate = 190;
};

// The line spoken in English, at WAVE_RATE, silence trimmed from both ends and the loudest sample
// brought to the voice's level (VOICE_PEAK, -6 dBFS). The same text and voice give the same
// samples, so the data set builds byte for byte the same, in whatever order or threads lines are
// spoken. Lines are spoken one at a time by a helper process, a few milliseconds each. Throws
// TBuildError when the engine cannot start, the variant is unknown or the text says nothing.
TSamples SpeakLine(const std::string& text, const TVoice& voice = {});
