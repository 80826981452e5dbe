// TJorpSoundMgr: the single way into sound as the sound objects see it, until the sound manager
// itself is built.
#pragma once

#include "platform/host/Types.h"

class TAudioWaveMix;
class TMidi;

// Only what the sound objects and the media services call, with the answers of a manager that
// has neither a wave mixer nor a MIDI player. Virtual, so that tests can record.
class TJorpSoundMgr {
public:
    virtual ~TJorpSoundMgr() = default;

    // The wave mixer, or null.
    virtual TAudioWaveMix* GetWaveMix() const { return nullptr; }
    // No player: the piece is marked stopped and the answer is false.
    virtual bool PlayMidi(TMidi* piece);
    // No player: false.
    virtual bool LoopMidi(TMidi*) { return false; }
};
