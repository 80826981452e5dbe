// The frame timer on a fake clock, across the millisecond wrap, and the start key of a frame.
#include "engine/framework/JorpTime.h"

#include "engine/foundation/JorpBase.h"
#include "engine/foundation/JorpOwner.h"
#include "engine/foundation/Sys.h"
#include "platform/host/Clock.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
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

// A mode window cut down to its frame loop: the hold flag is set while the states and
// objects of a frame begin, and cleared before objects are switched off and on.
class TFakeModeWindow : public TJorpOwner {
public:
    const u32* GetFrameCounter() const override { return Timer ? &Timer->GetCounter() : nullptr; }
    bool IsHoldSet() const override { return Hold; }
    TJorpProgress* GetProgress() const override { return nullptr; }

    void Activate() { Timer = std::make_unique<TJorpTime>(167); }
    // One timer message.
    void EvTimer() {
        if (Timer && Timer->IsDue())
            FrameUpdate(Timer->GetCounter());
    }
    void FrameUpdate(u32 frame) {
        Hold = true;
        if (FrameBegin)
            FrameBegin(frame);
        Hold = false;
        for (TJorpBase* o : Objects)
            o->Tick(frame);
        for (TJorpBase* o : Objects)
            o->PostTick(frame);
        if (Update)
            Update(frame);
    }
    // What the window's "now" operations use.
    u32 NowKey() const { return JorpStartKey(Timer.get(), Hold); }

    std::unique_ptr<TJorpTime> Timer;
    bool Hold = false;
    std::vector<TJorpBase*> Objects;
    std::function<void(u32)> FrameBegin;
    std::function<void(u32)> Update;
};

// An object that remembers the first frame it was switched on in.
class TStartable : public TJorpBase {
public:
    explicit TStartable(TJorpOwner* owner) : TJorpBase(owner) {}
    bool OnStartTime(u32 tick) override {
        if (OnAt == 0)
            OnAt = tick;
        return true;
    }
    void StartNow() { StartMark = GetNextTick(); }
    u32 OnAt = 0;
};

TEST_F(FrameClock, StartedWhileAFrameBeginsItRunsInThatFrameOtherwiseInTheNext) {
    TFakeModeWindow window;
    TStartable inBegin(&window), inUpdate(&window), fromInput(&window);
    window.Objects = {&inBegin, &inUpdate, &fromInput};
    std::vector<std::string> keys;
    window.FrameBegin = [&](u32 frame) {
        if (frame == 3) {
            inBegin.StartNow();
            keys.push_back("begin " + std::to_string(window.NowKey()));
        }
    };
    window.Update = [&](u32 frame) {
        if (frame == 3) {
            inUpdate.StartNow();
            keys.push_back("update " + std::to_string(window.NowKey()));
        }
    };
    // Before the timer exists "now" is frame 0 under hold, else frame 1.
    EXPECT_EQ(JorpStartKey(nullptr, true), 0U);
    EXPECT_EQ(window.NowKey(), 1U);
    window.Activate();
    for (u64 t = 1; t <= 167 * 6; ++t) {
        Fake.SetTick(t);
        window.EvTimer();
        // Input between frames, after frame 4 was built.
        if (window.Timer->GetCounter() == 4 && fromInput.StartMark == 0xFFFFFFFFU) {
            fromInput.StartNow();
            keys.push_back("input " + std::to_string(window.NowKey()));
        }
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"begin 3", "update 4", "input 5"}));
    EXPECT_EQ(inBegin.StartMark, 3U);
    EXPECT_EQ(inBegin.OnAt, 3U);
    EXPECT_EQ(inUpdate.OnAt, 4U);
    EXPECT_EQ(fromInput.OnAt, 5U);
}

} // namespace
