// An open wave: a session's own copy of a wave file's samples, converted to its format.
#pragma once

#include "platform/host/Types.h"

#include <memory>
#include <vector>

class TWaveMixSession;

class TMixWave {
public:
    using TSamples = std::shared_ptr<const std::vector<i16>>;

    TMixWave(TWaveMixSession* session, TSamples samples, u16 channels)
        : Session(session), Samples(std::move(samples)), Channels(channels) {}

    TWaveMixSession* GetSession() const { return Session; }
    // Shared with the plays of the wave, so a play never reads freed samples.
    const TSamples& GetSamples() const { return Samples; }
    u32 GetFrames() const { return static_cast<u32>(Samples->size() / Channels); }

private:
    TWaveMixSession* Session;
    TSamples Samples;
    u16 Channels;
};
