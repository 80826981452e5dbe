// A resting timer: it skips its firings until the rest ends, keeps its beat, and any other
// message ends the rest at once; the loop sleeps through the rest in one wait.
#include "FrameFixture.h"

#include "platform/framework/WinApi.h"
#include "platform/framework/window/Desktop.h"
#include "platform/host/Clock.h"

#include <gtest/gtest.h>

namespace {

using Ticks = std::vector<u64>;

// Notes the tick of each of its timer messages and how often the loop came to idle, that
// is, how often it would have waited.
class TRester : public TWindow {
public:
    explicit TRester(TWindow* parent) : TWindow(parent, "rester") {}
    bool IdleAction(long count) override {
        ++Idles;
        return TWindow::IdleAction(count);
    }
    void EvTimer(u32 id) { Fired.push_back({id, GetTickCount64()}); }
    Ticks Times(u32 id) const {
        Ticks times;
        for (const auto& [firedId, at] : Fired)
            if (firedId == id)
                times.push_back(at);
        return times;
    }
    std::vector<std::pair<u32, u64>> Fired;
    int Idles = 0;
    DECLARE_RESPONSE_TABLE(TRester);
};

DEFINE_RESPONSE_TABLE1(TRester, TWindow)
EV_WM_TIMER, END_RESPONSE_TABLE;

class TimerRestTest : public FrameFixture {
protected:
    void SetUp() override {
        MakeFrame();
        Rester = new TRester(Frame);
        ASSERT_TRUE(Rester->Create());
        App.PumpWaitingMessages();
        Start = Fx.Backend().Now();
        Rester->SetTimer(1, 1);
    }
    bool Rest(u32 ms) { return TDesktop::Get().RestTimer(Rester, 1, ms); }
    // The ticks from `first` on, every `step`, up to `last`.
    Ticks Beats(u64 first, u64 step, u64 last) const {
        Ticks t;
        for (u64 at = first; at <= last; at += step)
            t.push_back(Start + at);
        return t;
    }

    TRester* Rester = nullptr;
    u64 Start = 0;
};

TEST_F(TimerRestTest, ARestSkipsTheFiringsKeepsTheBeatAndIsSleptThroughInOneWait) {
    App.RunFor(30);
    ASSERT_EQ(Rester->Times(1), Beats(10, 10, 30));
    Rester->Fired.clear();
    // 95 ms from the tick 30 ends between two beats: the next firing is on the later one.
    EXPECT_TRUE(Rest(95));
    const int idlesBefore = Rester->Idles;
    App.RunFor(99);
    EXPECT_TRUE(Rester->Fired.empty());
    // One wait from the rest's start to the loop's own deadline, not one every 10 ms.
    EXPECT_LE(Rester->Idles - idlesBefore, 2);
    App.RunFor(101);
    EXPECT_EQ(Rester->Times(1), Beats(130, 10, 230));
    // A rest that ends before the next beat changes nothing, and a timer set again forgets its
    // rest.
    Rester->Fired.clear();
    EXPECT_TRUE(Rest(5));
    App.RunFor(20);
    EXPECT_EQ(Rester->Times(1), Beats(240, 10, 250));
    EXPECT_TRUE(Rest(1000));
    Rester->SetTimer(1, 1);
    App.RunFor(10);
    EXPECT_EQ(Rester->Times(1), Beats(240, 10, 260));
    // Only a live timer rests.
    EXPECT_FALSE(TDesktop::Get().RestTimer(Rester, 2, 100));
    EXPECT_FALSE(TDesktop::Get().RestTimer(Client, 1, 100));
}

TEST_F(TimerRestTest, PostedMessagesInputAndOtherTimersEndTheRestAtOnce) {
    App.RunFor(10);
    Rester->Fired.clear();
    // A posted message 42 ms into a long rest: the beat already passed fires right after it.
    EXPECT_TRUE(Rest(1000));
    Fx.Backend().After(42, [&] { PostMessageA(Client, WM_USER, 0, 0); });
    App.RunFor(60);
    EXPECT_EQ(Rester->Times(1), (Ticks{Start + 52, Start + 62}));
    // So does input: the mouse moved over a window.
    Rester->Fired.clear();
    EXPECT_TRUE(Rest(1000));
    TInputEvent move;
    move.Kind = TInputKind::MouseMove;
    const TRect client = TDesktop::Get().ScreenClientRect(Client);
    move.Pos = {client.left + 5, client.top + 5};
    Fx.Backend().After(25, move);
    App.RunFor(25);
    EXPECT_EQ(Rester->Times(1), (Ticks{Start + 95}));
    // Another window's timer wakes it too; the resting one's own firing is no such message.
    Rester->Fired.clear();
    Client->SetTimer(5, 50);
    EXPECT_TRUE(Rest(1000));
    App.RunFor(50);
    EXPECT_EQ(Client->TimerIds, (std::vector<u32>{5}));
    EXPECT_EQ(Rester->Times(1), (Ticks{Start + 145}));
}

} // namespace
