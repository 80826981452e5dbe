// TSys: milliseconds since the program started, from the process's clock.
#pragma once

#include "platform/host/Types.h"

// The clock counts on a 64-bit millisecond counter, so it never wraps in the life of a
// process and has no overflow to report. GetTime keeps its 32-bit result; it passes
// 2^32 only after 49 days, and the frame timer compares times wrap-safely.
class TSys {
public:
    TSys();
    static void Start();
    static bool IsStarted() { return Started; }
    static u32 GetTime();
    static u64 GetTime64();

private:
    static u64 StartTick;
    static bool Started;
};
