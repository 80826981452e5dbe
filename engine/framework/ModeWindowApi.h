// TModeWindowApi: what the states running inside a mode window ask of it.
#pragma once

#include "engine/framework/ResponderHost.h"

// The mode window itself is built on the window framework; its states and responders only
// need its responder list, its handle, the responder cursor and its frame tick, so they see
// it through this face and can run under a stand-in window.
class TModeWindowApi : public TResponderHost {
public:
    // Builds one frame when one is due; true when a frame was built.
    virtual bool FrameTick() = 0;
};
