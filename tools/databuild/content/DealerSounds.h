// The dealer's voice and the sounds of what he and the shooter handle, as waves of the table's
// folder.
#pragma once

#include "tools/databuild/content/ContentDealer.h"
#include "tools/databuild/model/DataSet.h"

#include <string>
#include <vector>

// A spoken line, trimmed, in the set's wave format.
TSamples DealerSpeech(const std::string& line);

// The ticks a wave file of the set's format sounds, rounded up: a cell this long lets the whole
// wave play.
u32 WaveTicks(const TRawFile& wave);

// One sound of a gesture: the wave file, the row it starts on and its length in ticks.
struct TEffectCue {
    u32 Row = 0;
    std::string File;
    u32 Ticks = 0;
};

// The sounds a beat's gesture makes over its `length` ticks long, their waves added to the set on
// first use.
std::vector<TEffectCue> GestureEffects(TDataSet& set, const TBeat& beat, u32 length);
