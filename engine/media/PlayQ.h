// TPlayQ: the plays that wait for a free channel of the wave mixer.
#pragma once

#include "engine/foundation/Sliq.h"
#include "platform/host/Types.h"

class TMixWave;
class TWav;

struct TPlayQData {
    TWav* Sound = nullptr;
    u16 Loops = 0;
};

// New plays go in at the head and leave from the tail, so they start in the order queued.
class TPlayQ : public TSliq {
public:
    TPlayQ();
    // Entries still waiting are dropped without a word to their sounds.
    ~TPlayQ() override;

    // False, keeping nothing, when the queue cannot take another entry.
    bool Push(TWav* sound, u16 loops);
    // The oldest entry, now the caller's; null when empty.
    TPlayQData* PopOldest();
    // Empties the queue; with notify each sound is told its play was dropped.
    void Clear(bool notify);
    // Drops the sound's entries (only the first unless all); true when one was dropped.
    bool RemoveSound(TWav* sound, bool all);
    // Some queued sound's cache entry has that wave open.
    bool UsesWave(const TMixWave* wave);
};
