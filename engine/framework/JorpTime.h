// TJorpTime: the frame timer of a mode window, and the frame at which "now" begins.
#pragma once

#include "platform/host/Types.h"

// Counts frames on the engine clock. Due times are compared by their signed distance from
// now, so the 32-bit millisecond count may wrap under a running timer without stalling it.
class TJorpTime {
public:
    explicit TJorpTime(u32 interval);
    ~TJorpTime() = default;
    TJorpTime(const TJorpTime&) = delete;
    TJorpTime& operator=(const TJorpTime&) = delete;

    // A frame may come this much before its due time.
    static constexpr u32 Slack = 25;

    // True when a frame is due, counting it. The next one is due an interval after now, so
    // a late frame is not caught up.
    bool IsDue();

    // The counter's address stays valid for the timer's life; objects read it as their clock.
    const u32& GetCounter() const { return Counter; }
    u32 GetInterval() const { return Interval; }
    u8 GetEnabled() const { return Enabled; }
    u32 GetStart() const { return Start; }
    u32 GetLastCheck() const { return LastCheck; }
    u32 GetDue() const { return Due; }

private:
    u32 Counter = 0;
    u32 Interval;
    u8 Enabled = 1;
    u32 Start;
    u32 LastCheck;
    u32 Due;
};

// The frame at which something started now begins: the current frame while the frame is
// still in its first phase (hold set), so that this frame switches it on; otherwise the
// next one. Without a timer the count is 0.
u32 JorpStartKey(const TJorpTime* timer, bool hold);
