// The sample format a wave-mixing session mixes in and its output is pulled in.
#pragma once

#include "platform/host/Types.h"

// Samples are always signed 16-bit, interleaved left then right for stereo.
struct TMixFormat {
    u32 Rate = 22050;
    u16 Channels = 2;

    bool operator==(const TMixFormat&) const = default;
};
