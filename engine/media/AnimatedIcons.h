// TJorpAnimatedIcons: the frame window's icon cycling through its frames while minimised.
#pragma once

#include "platform/host/Types.h"

class TFrameWindow;
class TWindow;

class TJorpAnimatedIcons {
public:
    static constexpr i32 MaxFrames = 33;
    static constexpr u32 TimerId = 2;
    static constexpr u32 TimerMs = 333;

    // Window timer 2 every 333 ms; true when it was set.
    bool StartTimer(TWindow& frame);
    // The 31 icon resources 11019 to 11049.
    void LoadIconIds();
    // The first count ids become the active frames (at most 33).
    void SetFrames(i32 count, const u32* ids);
    // Shows the next active frame as the window's icon; with no frames, nothing.
    void NextFrame(TFrameWindow& frame);

    i32 GetActiveCount() const { return ActiveCount; }
    i32 GetConfiguredCount() const { return ConfiguredCount; }

private:
    i32 ActiveCount = 0;
    u32 ActiveIds[MaxFrames] = {};
    i32 ConfiguredCount = 0;
    u32 ConfiguredIds[MaxFrames] = {};
};
