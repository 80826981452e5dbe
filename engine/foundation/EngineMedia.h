// TEngineMedia: what the data-file manager asks of the sound and cursor services, with a null
// stand-in.
#pragma once

#include "platform/host/Types.h"

// The media services live above the foundation; the manager reaches them only through this
// narrow face, which the media layer implements once it exists.
class TEngineMedia {
public:
    virtual ~TEngineMedia() = default;

    // True when a wave mixer exists and one of its channels is playing. Without a sound
    // manager or mixer nothing plays, which the manager takes as a quiet moment for disk work.
    virtual bool IsSoundPlaying() const = 0;

    // Frees cached waves of the priority or lower that no channel is playing, adding each
    // one's size to bytesFreed, until bytesFreed reaches bytesNeeded (true). False when it
    // runs out of waves, or when there is no mixer.
    virtual bool PurgeWaves(u8 priority, u32 bytesNeeded, u32& bytesFreed) = 0;

    // Shows or clears the system wait cursor in the cursor slot kept for data-file work.
    virtual void SetFileWaitCursor(bool on) = 0;
};

// No sound manager and no cursor manager: always quiet, no waves to free, no cursor to set.
class TNullEngineMedia : public TEngineMedia {
public:
    bool IsSoundPlaying() const override { return false; }
    bool PurgeWaves(u8, u32, u32&) override { return false; }
    void SetFileWaitCursor(bool) override {}
};
