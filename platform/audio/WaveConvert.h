// Converting a parsed wave into a session's mixing format, once, when the wave is opened.
#pragma once

#include "MixFormat.h"
#include "WaveFile.h"

#include <vector>

// Interleaved 16-bit samples in the given format. The rate is changed by linear interpolation
// in integer arithmetic, so the result is the same on every machine.
std::vector<i16> ConvertWave(const TWaveFile& wave, const TMixFormat& format);
