// The loudest sample each wave of the data set may hold, by what it is, and the build's check.
#pragma once

#include "tools/databuild/model/DataSet.h"

#include <string>

// A voice (one of the dealer's lines, the intro's tune) or an effect (everything else).
enum class TWaveRole { Voice, Effect };

// The role of a wave by its name: the dealer's lines are the table's "dv" waves.
TWaveRole WaveRoleOf(const std::string& name);
// VOICE_LIMIT or EFFECT_LIMIT.
i32 WaveLimit(TWaveRole role);
// The loudest sample (its magnitude) of a wave file in the set's format; 0 for one without
// samples.
i32 WavePeak(const TRawFile& wave);
// Throws TBuildError naming the first wave louder than its role allows, and its level.
void CheckWaveLevels(const TDataSet& set);
