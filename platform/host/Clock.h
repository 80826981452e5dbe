// The process's millisecond clock and wall clock, replaceable by a fake in tests.
#pragma once

#include "Types.h"

// Where time comes from. The real source reads the host's monotonic clock; the
// headless backend and tests install a fake that only moves when told to.
class TClockSource {
public:
    virtual ~TClockSource() = default;
    // Milliseconds on a monotonic 64-bit counter; never wraps.
    virtual u64 TickMs() = 0;
    // Seconds since 1 January 1970, UTC.
    virtual i64 WallSeconds() = 0;
};

// The host's own wall time, whichever source is installed.
i64 GetHostWallSeconds();

// A clock that stands still until advanced.
class TFakeClock : public TClockSource {
public:
    explicit TFakeClock(u64 startMs = 0, i64 wallSeconds = 0) : Ms(startMs), Wall(wallSeconds) {}
    u64 TickMs() override { return Ms; }
    i64 WallSeconds() override {
        if (HostWall)
            return GetHostWallSeconds();
        return Wall + (Ms >= StartMs ? static_cast<i64>((Ms - StartMs) / 1000) : 0);
    }
    void Advance(u64 ms) { Ms += ms; }
    void SetTick(u64 ms) { Ms = ms; }
    // The ticks stay the clock's, the date becomes the host's: what a run on such a clock
    // saves for the player is dated as the player lives it.
    void FollowHostWall() { HostWall = true; }

private:
    u64 Ms;
    u64 StartMs = Ms;
    i64 Wall;
    bool HostWall = false;
};

// Installs a source for the process; null puts the host clock back.
void SetClockSource(TClockSource* source);
TClockSource& GetClockSource();
// Readers that keep a start tick (the engine clock) need to know when the counter under
// them was swapped: the count of replacements so far, and the new counter's tick at the
// latest one.
u64 GetClockSourceGeneration();
u64 GetClockSourceInstalledTick();

// Installs a source for the lifetime of a scope (tests).
class TScopedClockSource {
public:
    explicit TScopedClockSource(TClockSource& source) { SetClockSource(&source); }
    ~TScopedClockSource() { SetClockSource(nullptr); }
    TScopedClockSource(const TScopedClockSource&) = delete;
    TScopedClockSource& operator=(const TScopedClockSource&) = delete;
};

u64 GetTickCount64();
// The low 32 bits of the tick counter, as the old system call gave them.
u32 GetTickCount();
i64 GetWallSeconds();
