// Reading a PCM wave file image: the RIFF chunk walk, the format record and the sample data.
#pragma once

#include "platform/host/Types.h"

#include <cstddef>

// A parsed wave; Data points into the image it was read from.
struct TWaveFile {
    u16 Channels = 0;
    u32 Rate = 0;
    u16 Bits = 0;
    const u8* Data = nullptr;
    u32 DataBytes = 0;

    u32 FrameBytes() const { return static_cast<u32>(Channels) * (Bits / 8); }
    u32 Frames() const { return FrameBytes() == 0 ? 0 : DataBytes / FrameBytes(); }
};

// MMSYSERR_NOERROR with the wave filled in. A damaged or inconsistent image gives
// MMSYSERR_INVALPARAM; a well-formed wave in a format the mixer does not play (not PCM, not
// mono or stereo, not 8 or 16 bits, not 11025, 22050 or 44100 Hz) gives MMSYSERR_NOTSUPPORTED.
u32 ParseWaveFile(const u8* image, std::size_t length, TWaveFile& wave);
