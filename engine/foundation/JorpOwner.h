// TJorpOwner: what an engine object asks of the mode window that runs it.
#pragma once

#include "platform/host/Types.h"

class TJorpProgress;

// The mode window lives above the foundation; objects reach its frame clock, its hold
// flag and its progress dialog only through this face.
class TJorpOwner {
public:
    virtual ~TJorpOwner() = default;
    // The frame counter, or null while the owner has none.
    virtual const u32* GetFrameCounter() const = 0;
    // Set while a frame is being built: something started "now" starts at this frame.
    virtual bool IsHoldSet() const = 0;
    // The progress dialog shown while lists load, or null.
    virtual TJorpProgress* GetProgress() const = 0;
    // Every game object looks its sprites up again, after a sprite list lost a member.
    virtual void ResolveGameObjects() {}
};
