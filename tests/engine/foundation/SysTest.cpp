// The engine clock over a fake tick source: no wrap, no overflow, never backwards.
#include "engine/foundation/Sys.h"

#include "platform/host/Clock.h"

#include <gtest/gtest.h>

namespace {

TEST(Sys, CountsFromStartWhereAThirtyTwoBitCounterWouldWrap) {
    // The old counter started just below its wrap here and then overflowed fatally
    // when it came round past the start again.
    TFakeClock fake(0xFFFFFF00ULL);
    TScopedClockSource scope(fake);
    TSys::Start();
    EXPECT_EQ(TSys::GetTime(), 0U);
    fake.Advance(167);
    EXPECT_EQ(TSys::GetTime(), 167U);
    fake.SetTick(0x1'0000'0010ULL);
    EXPECT_EQ(TSys::GetTime(), 0x110U);
    fake.SetTick(0x1'FFFF'FF10ULL);
    EXPECT_EQ(TSys::GetTime64(), 0x1'0000'0010ULL);
    // A clock put back behind the start reads as the start, not as a huge time.
    fake.SetTick(0);
    EXPECT_EQ(TSys::GetTime(), 0U);
}

} // namespace
