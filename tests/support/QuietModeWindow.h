// A stand-in mode window that answers as one with nothing on it: no responders, no window
// handle, no frame built. Fakes derive from it and override only what their test watches.
#pragma once

#include "engine/foundation/JorpOwner.h"
#include "engine/framework/ModeWindowApi.h"

class TQuietModeWindow : public TJorpOwner, public TModeWindowApi {
public:
    const u32* GetFrameCounter() const override { return &Frame; }
    bool IsHoldSet() const override { return Hold; }
    TJorpProgress* GetProgress() const override { return Progress; }
    TResponderList* GetResponderList() const override { return nullptr; }
    HWND GetResponderHandle() const override { return nullptr; }
    void SetResponderCursor(const TCursorData&) override {}
    bool FrameTick() override { return false; }

    u32 Frame = 0;
    bool Hold = false;
    TJorpProgress* Progress = nullptr;
};
