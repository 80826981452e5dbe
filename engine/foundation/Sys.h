// TSys: milliseconds since the program started, from the process's clock.
#pragma once

#include "platform/host/Types.h"

// The clock counts on a 64-bit millisecond counter, so it never wraps in the life of a
// process and has no overflow to report. GetTime keeps its 32-bit result; it passes
// 2^32 only after 49 days, and the frame timer compares times wrap-safely.
//
// It starts before main, on whatever clock source is installed then. A source installed
// later (the headless backend's virtual clock) takes over from the moment it was
// installed, and the time goes on from where the old source left it.
class TSys {
public:
    TSys();
    static void Start();
    static bool IsStarted() { return Started; }
    static u32 GetTime();
    static u64 GetTime64();

private:
    // The source's tick at which the time stood at BaseTime.
    static u64 StartTick;
    static u64 BaseTime;
    static u64 LastTime;
    static u64 SourceGeneration;
    static bool Started;
};
