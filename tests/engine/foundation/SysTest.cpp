// The engine clock over a fake tick source: no wrap, no overflow, never backwards, and a
// source installed after the start takes over.
#include "engine/foundation/Sys.h"

#include "platform/framework/window/Application.h"
#include "platform/framework/window/FrameWindow.h"
#include "platform/headless/HeadlessBackend.h"
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

TEST(Sys, ASourceInstalledLaterTakesOverWhereTheOldOneStood) {
    TFakeClock first(1'000'000);
    TScopedClockSource scope(first);
    TSys::Start();
    first.Advance(250);
    EXPECT_EQ(TSys::GetTime(), 250U);
    // Far behind the first, and moved before the engine looks again: the time counts
    // from its installation on.
    TFakeClock second(5);
    SetClockSource(&second);
    second.Advance(40);
    EXPECT_EQ(TSys::GetTime(), 290U);
    // Far ahead of it, installed twice before a look: no jump either way.
    TFakeClock third(0x7000'0000'0000ULL);
    SetClockSource(&second);
    SetClockSource(&third);
    third.Advance(10);
    EXPECT_EQ(TSys::GetTime(), 300U);
}

class TClockApp : public TApplication {
public:
    TClockApp() : TApplication("clock") {}
    void InitMainWindow() override {
        SetMainWindow(new TFrameWindow(nullptr, "Clock", nullptr, false));
    }
};

TEST(Sys, AHeadlessProgramMovesTheEngineClockByItsVirtualTime) {
    // Started before main on the host's counter, as in the program; the backend's virtual
    // clock, far behind the host's, is installed afterwards.
    SetClockSource(nullptr);
    TSys::Start();
    THeadlessSession session;
    THeadlessBackend& b = session.Backend();
    TClockApp app;
    const u64 start = b.Now();
    u64 atStart = 0;
    u64 atOneSecond = 0;
    b.At(start, [&] { atStart = TSys::GetTime64(); });
    b.At(start + 1000, [&] {
        atOneSecond = TSys::GetTime64();
        app.GetMainWindow()->CloseWindow(0);
    });
    EXPECT_EQ(app.Run(), 0);
    EXPECT_EQ(b.Now(), start + 1000);
    EXPECT_EQ(atOneSecond - atStart, 1000U);
}

} // namespace
