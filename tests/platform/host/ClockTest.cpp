// The clock source seam: the fake clock drives every reader, and removal restores the host clock.
#include "platform/host/Clock.h"

#include <gtest/gtest.h>

namespace {

TEST(Clock, FakeSourceDrivesTicksAndWallTime) {
    TFakeClock fake(0x1'0000'0005ULL, 1000);
    TScopedClockSource scope(fake);
    EXPECT_EQ(GetTickCount64(), 0x1'0000'0005ULL);
    // The old 32-bit call shows only the low word of the counter.
    EXPECT_EQ(GetTickCount(), 5U);
    fake.Advance(2500);
    EXPECT_EQ(GetTickCount64(), 0x1'0000'09C9ULL);
    EXPECT_EQ(GetWallSeconds(), 1002);
    // Moving the fake backwards must not make wall time run before its start.
    fake.SetTick(0);
    EXPECT_EQ(GetWallSeconds(), 1000);
}

TEST(Clock, HostClockIsMonotonic) {
    SetClockSource(nullptr);
    const u64 a = GetTickCount64();
    const u64 b = GetTickCount64();
    EXPECT_LE(a, b);
    EXPECT_GT(GetWallSeconds(), 1'600'000'000);
}

} // namespace
