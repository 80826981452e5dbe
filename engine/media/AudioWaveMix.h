// TAudioWaveMix: the wave mixer as the sound objects and the media services see it, until the
// mixer itself is built.
#pragma once

#include "platform/host/Types.h"

class TWav;

// Only what the waves and the media services call, with the answers of a mixer that has no
// session: nothing is queued, stopped or playing. Every operation is virtual so that a test
// can stand a recording mixer in its place.
class TAudioWaveMix {
public:
    virtual ~TAudioWaveMix() = default;

    // Queues a play of the wave; false when refused.
    virtual bool QueuePlay(TWav*, u16) { return false; }
    // Stops every play of the wave, queued or sounding; true when one was found.
    virtual bool StopSound(TWav*) { return false; }
    // The wave's sounding plays sound on but no longer belong to it; its queued ones go.
    virtual void DetachSound(TWav*) {}
    // The wave cache: entries, references and their classes (4 opens the wave now).
    virtual void RegisterWave(TWav*) {}
    virtual void UnregisterWave(TWav*) {}
    virtual void SetWaveClass(TWav*, i8) {}
    // Sound effects switched off by the user.
    virtual bool IsMuted() const { return false; }
    // Some channel is playing.
    virtual bool IsPlaying() const { return false; }
    // Frees cached waves of the class or lower until bytesFreed reaches bytesNeeded (true).
    virtual bool PurgeUntil(u8, u32, u32&) { return false; }
};
