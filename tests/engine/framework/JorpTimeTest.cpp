// The frame timer on a fake clock, across the millisecond wrap, and the start key of a frame.
#include "engine/framework/JorpTime.h"

#include "engine/foundation/Sys.h"
#include "platform/host/Clock.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

constexpr u64 Wrap = 0x1'0000'0000ULL;

// The engine clock reads the fake tick as its own time: started at tick 0.
class FrameClock : public ::testing::Test {
protected:
    FrameClock() { TSys::Start(); }
    ~FrameClock() override {
        Scope.reset();
        TSys::Start(); // back on the host clock
    }
    TFakeClock Fake{0};
    std::unique_ptr<TScopedClockSource> Scope = std::make_unique<TScopedClockSource>(Fake);
};

TEST_F(FrameClock, AFrameMayComeUpToTheSlackEarlyAndALateOneIsNotCaughtUp) {
    const struct {
        u64 At; // ms after the timer was made
        bool Due;
        u32 NextDue;
    } checks[] = {
        {137, false, 167},      // 30 ms early
        {141, false, 167},      // 26 ms early
        {147, true, 147 + 167}, // 20 ms early
        {280, false, 314},
        {900, true, 900 + 167}, // late: the next is an interval after this one
        {1042, true, 1042 + 167},
    };
    Fake.SetTick(1000);
    TJorpTime timer(167);
    EXPECT_EQ(timer.GetDue(), 1167U);
    u32 counted = 0;
    for (const auto& c : checks) {
        Fake.SetTick(1000 + c.At);
        EXPECT_EQ(timer.IsDue(), c.Due) << c.At;
        counted += c.Due ? 1 : 0;
        EXPECT_EQ(timer.GetCounter(), counted) << c.At;
        EXPECT_EQ(timer.GetDue(), 1000 + c.NextDue) << c.At;
        EXPECT_EQ(timer.GetLastCheck(), 1000 + c.At) << c.At;
    }
}

TEST_F(FrameClock, FramesKeepTheirPaceAcrossTheMillisecondWrap) {
    // Polled every millisecond, a frame comes 25 ms early each time: every 142 ms.
    std::vector<u64> expected;
    for (u64 t = 142; t <= 3000; t += 142)
        expected.push_back(t);
    // Starts well before the wrap, where the due time wraps, where due minus the slack
    // wraps, at the last millisecond, and after it.
    const u64 starts[] = {1000, Wrap - 2000, Wrap - 100, Wrap - 150, Wrap - 167, Wrap - 1, Wrap};
    for (u64 start : starts) {
        Fake.SetTick(start);
        TJorpTime timer(167);
        std::vector<u64> frames;
        for (u64 t = 1; t <= 3000; ++t) {
            Fake.SetTick(start + t);
            if (timer.IsDue())
                frames.push_back(t);
        }
        EXPECT_EQ(frames, expected) << start;
        EXPECT_EQ(timer.GetCounter(), expected.size()) << start;
    }
}

// Something started while a frame begins (hold set) starts in that frame, else in the next.
TEST_F(FrameClock, TheStartKeyIsThisFrameUnderHoldElseTheNext) {
    TJorpTime timer(167);
    for (u64 t = 1; t <= 167 * 3; ++t) {
        Fake.SetTick(t);
        timer.IsDue();
    }
    ASSERT_EQ(timer.GetCounter(), 3U);
    EXPECT_EQ(JorpStartKey(&timer, true), 3U);
    EXPECT_EQ(JorpStartKey(&timer, false), 4U);
    EXPECT_EQ(JorpStartKey(nullptr, true), 0U);
    EXPECT_EQ(JorpStartKey(nullptr, false), 1U);
}

} // namespace
