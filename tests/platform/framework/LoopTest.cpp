// The message loop: posted order, timers, painting, idle time, deferred deletion and modal loops.
#include "FrameFixture.h"
#include "MessageLog.h"
#include "TestWindows.h"

#include "platform/framework/WinApi.h"
#include "platform/framework/draw/Dc.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

// Destroys and condemns itself from inside its own handler, as an old mode window is.
class TDoomed : public TWindow {
public:
    TDoomed(TWindow* parent, bool* deleted) : TWindow(parent), Deleted(deleted) {}
    ~TDoomed() override { *Deleted = true; }
    LRESULT EvUser(WPARAM, LPARAM) {
        Destroy(0);
        GetApplication()->Condemn(this);
        StillHere = !*Deleted;
        return 1;
    }
    bool* Deleted;
    bool StillHere = false;
    DECLARE_RESPONSE_TABLE(TDoomed);
};

DEFINE_RESPONSE_TABLE1(TDoomed, TWindow)
EV_MESSAGE(WM_USER, EvUser), END_RESPONSE_TABLE;

class LoopTest : public FrameFixture {
protected:
    void SetUp() override { MakeFrame(); }
    // A shown pop-up owned by `owner`, made at once.
    TWindow* Popup(TWindow* owner, const char* name) {
        auto* w = new TWindow(owner, name);
        w->Attr.Style = WS_POPUP | WS_VISIBLE;
        w->EnableAutoCreate(false);
        EXPECT_TRUE(w->Create());
        return w;
    }
};

TEST_F(LoopTest, PostedMessagesArriveInOrderAndBeforeADueTimer) {
    Fx.Only({WM_TIMER, WM_USER, WM_USER + 1, WM_USER + 2});
    Client->SetTimer(1, 1);
    Fx.Backend().Advance(50);
    PostMessageA(Client, WM_USER, 0, 0);
    PostMessageA(Frame, WM_USER + 1, 0, 0);
    PostMessageA(Client, WM_USER + 2, 0, 0);
    App.PumpWaitingMessages();
    EXPECT_EQ(Fx.Take(),
              (Lines{"client USER", "frame MSG1025", "client MSG1026", "client TIMER 1"}));
}

TEST_F(LoopTest, PostingToNoWindowOrADestroyedOneDoesNothing) {
    EXPECT_FALSE(PostMessageA(nullptr, WM_USER, 0, 0));
    auto* gone = new TWindow(Frame, "gone");
    ASSERT_TRUE(gone->Create());
    Fx.Name(*gone, "gone");
    Fx.Only({WM_USER});
    EXPECT_TRUE(PostMessageA(gone, WM_USER, 0, 0));
    gone->Destroy();
    EXPECT_FALSE(PostMessageA(gone, WM_USER, 0, 0));
    App.PumpWaitingMessages();
    EXPECT_TRUE(Fx.Take().empty());
    delete gone;
}

TEST_F(LoopTest, TimersCoalesceAndAOneMillisecondTimerFiresEveryTenMilliseconds) {
    Client->SetTimer(1, 1);
    // A long stall leaves one timer message, not a backlog.
    Fx.Backend().Advance(500);
    App.PumpWaitingMessages();
    EXPECT_EQ(Client->TimerIds.size(), 1u);
    Client->TimerIds.clear();
    ASSERT_EQ(App.RunFor(1000), TApplication::TLoopEnd::Deadline);
    EXPECT_EQ(Client->TimerIds.size(), 100u);
    // Killed timers stop at once; a second timer id runs at its own rate.
    Client->KillTimer(1);
    Client->SetTimer(7, 333);
    Client->TimerIds.clear();
    App.RunFor(1000);
    EXPECT_EQ(Client->TimerIds, (std::vector<u32>{7, 7, 7}));
    EXPECT_FALSE(Client->KillTimer(1));
    // Disabled windows still get their timers.
    Frame->EnableWindow(false);
    Client->EnableWindow(false);
    Client->TimerIds.clear();
    App.RunFor(400);
    EXPECT_EQ(Client->TimerIds.size(), 1u);
}

TEST_F(LoopTest, InvalidatedWindowsPaintWithEraseFirstAndUpdateWindowPaintsAtOnce) {
    Fx.Only({WM_PAINT, WM_ERASEBKGND});
    Client->Paints = 0;
    Client->InvalidateRect({10, 20, 30, 40}, true);
    Client->InvalidateRect({50, 20, 60, 30}, false);
    // Nothing paints before the loop or UpdateWindow runs.
    EXPECT_TRUE(Fx.Take().empty());
    App.PumpWaitingMessages();
    EXPECT_EQ(Fx.Take(), (Lines{"client PAINT", "client ERASEBKGND"}));
    EXPECT_EQ(Client->PaintRect, TRect(10, 20, 60, 40));
    EXPECT_FALSE(Client->PaintErase); // the erase handler said it had erased
    Client->EraseAnswer = false;
    Client->Invalidate(true);
    Client->UpdateWindow();
    EXPECT_EQ(Fx.Take(), (Lines{"client PAINT", "client ERASEBKGND"}));
    EXPECT_TRUE(Client->PaintErase);
    EXPECT_EQ(Client->PaintRect, TRect(0, 0, 640, 480));
    // Nothing is left for the loop.
    App.PumpWaitingMessages();
    EXPECT_TRUE(Fx.Take().empty());
}

TEST_F(LoopTest, RedrawWindowReachesChildrenOnlyWhenAskedAndPaintsAtOnceOnlyWhenAsked) {
    Fx.Only({WM_PAINT, WM_ERASEBKGND});
    // Without RDW_ALLCHILDREN the client keeps its pixels; without RDW_UPDATENOW the loop
    // paints later.
    EXPECT_TRUE(RedrawWindow(Frame, nullptr, RDW_INVALIDATE | RDW_ERASE));
    EXPECT_TRUE(Fx.Take().empty());
    App.PumpWaitingMessages();
    EXPECT_EQ(Fx.Take(), (Lines{"frame PAINT", "frame ERASEBKGND"}));
    EXPECT_TRUE(
        RedrawWindow(Frame, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW));
    EXPECT_EQ(Fx.Take(),
              (Lines{"frame PAINT", "frame ERASEBKGND", "client PAINT", "client ERASEBKGND"}));
    EXPECT_EQ(Client->PaintRect, TRect(0, 0, 640, 480));
    auto* gone = new TWindow(Frame, "gone");
    ASSERT_TRUE(gone->Create());
    gone->Destroy();
    EXPECT_FALSE(RedrawWindow(gone, nullptr, RDW_INVALIDATE));
    delete gone;
}

TEST_F(LoopTest, DefaultEraseFillsTheVisiblePartOnlyAndIsPresented) {
    auto* plain = new TWindow(Frame, "plain");
    plain->Attr.X = 0;
    plain->Attr.Y = 0;
    plain->Attr.W = 100;
    plain->Attr.H = 100;
    ASSERT_TRUE(plain->Create());
    App.PumpWaitingMessages();
    const TScreenSurface& shown = Fx.Backend().GetScreen();
    const TPoint origin = Fx.Desktop().ClientToScreen(plain, {0, 0});
    EXPECT_EQ(shown.GetPixel(origin.x + 50, origin.y + 50), 0xFFFFFFFFU);
    EXPECT_EQ(shown.GetPixel(5, 5), TDesktop::DesktopColor);
    // The client's own erase answered without drawing; the child on top kept its pixels.
    const TRegion clientVisible = Fx.Desktop().VisibleRegion(Client, true);
    EXPECT_FALSE(clientVisible.Contains(origin.Offset(50, 50)));
    EXPECT_TRUE(clientVisible.Contains(origin.Offset(150, 50)));
}

TEST_F(LoopTest, CondemnedWindowsAreDeletedAtIdleAfterTheirHandlerReturns) {
    bool deleted = false;
    auto* doomed = new TDoomed(Frame, &deleted);
    ASSERT_TRUE(doomed->Create());
    EXPECT_EQ(doomed->SendMessage(WM_USER), 1);
    EXPECT_TRUE(doomed->StillHere);
    EXPECT_FALSE(deleted);
    EXPECT_TRUE(App.IsCondemned(doomed));
    // No longer the frame's child: the frame will not delete it a second time.
    EXPECT_TRUE(std::find(Frame->GetChildren().begin(), Frame->GetChildren().end(), doomed) ==
                Frame->GetChildren().end());
    App.PumpWaitingMessages();
    EXPECT_TRUE(deleted);
}

TEST_F(LoopTest, ModalLoopKeepsTimersRunningDisablesOtherWindowsAndReturnsTheEndValue) {
    auto* dialog = new TWindow(Frame, "Dialog");
    dialog->Attr.Style = WS_POPUP | WS_VISIBLE | WS_CAPTION;
    dialog->Attr.X = 200;
    dialog->Attr.Y = 200;
    dialog->Attr.W = 200;
    dialog->Attr.H = 100;
    dialog->EnableAutoCreate(false);
    ASSERT_TRUE(dialog->Create());
    Client->SetTimer(1, 1);
    Client->TimerIds.clear();
    bool frameEnabledDuring = true;
    Fx.Backend().After(200, [&] {
        frameEnabledDuring = Frame->IsWindowEnabled();
        App.EndModal(42, dialog);
    });
    const int result = App.BeginModal(dialog, MB_TASKMODAL);
    EXPECT_EQ(result, 42);
    EXPECT_FALSE(frameEnabledDuring);
    EXPECT_TRUE(Frame->IsWindowEnabled());
    EXPECT_GE(Client->TimerIds.size(), 19u);
    EXPECT_LE(Client->TimerIds.size(), 21u);
    dialog->Destroy();
    EXPECT_EQ(GetActiveWindow(), Frame);
}

TEST_F(LoopTest, ModalLoopWithoutFlagsDisablesOnlyTheOwnerAndNestsInsideAnother) {
    TWindow* outer = Popup(Frame, "Outer");
    TWindow* inner = Popup(outer, "Inner");
    int innerResult = 0;
    bool outerDisabled = false;
    bool frameEnabled = false;
    Fx.Backend().After(10, [&] {
        Fx.Backend().After(10, [&] {
            outerDisabled = !outer->IsWindowEnabled();
            frameEnabled = Frame->IsWindowEnabled();
            App.EndModal(5, inner);
        });
        innerResult = App.BeginModal(inner, 0);
        App.EndModal(6, outer);
    });
    EXPECT_EQ(App.BeginModal(outer, 0), 6);
    EXPECT_EQ(innerResult, 5);
    EXPECT_TRUE(outerDisabled);
    EXPECT_FALSE(frameEnabled); // disabled by the outer loop
    EXPECT_TRUE(outer->IsWindowEnabled());
    EXPECT_TRUE(Frame->IsWindowEnabled());
}

TEST_F(LoopTest, AWindowClosedUnderOneItOpenedEndsItsOwnRunAndTheOneInFrontEndsWithIt) {
    TWindow* outer = Popup(Frame, "Outer");
    TWindow* inner = Popup(outer, "Inner");
    int innerResult = 0;
    Fx.Backend().After(10, [&] {
        Fx.Backend().After(10, [&] {
            // The window behind ends its run and goes, taking the one it opened with it.
            App.EndModal(7, outer);
            outer->Destroy();
        });
        innerResult = App.BeginModal(inner, MB_TASKMODAL);
    });
    // Neither run waits on for a window that is gone, and each has its own answer.
    EXPECT_EQ(App.BeginModal(outer, MB_TASKMODAL), 7);
    EXPECT_EQ(innerResult, IDCANCEL);
    EXPECT_FALSE(App.IsModal());
    EXPECT_TRUE(Frame->IsWindowEnabled());
}

TEST_F(LoopTest, IdleActionReachesTheMainWindowsChildrenWhenTheQueueIsEmpty) {
    struct TIdler : TWindow {
        using TWindow::TWindow;
        bool IdleAction(long count) override {
            Counts.push_back(count);
            return count < 2;
        }
        std::vector<long> Counts;
    };
    auto* idler = new TIdler(Frame, "idler");
    ASSERT_TRUE(idler->Create());
    App.RunFor(0);
    EXPECT_EQ(idler->Counts, (std::vector<long>{0, 1, 2}));
}

TEST_F(LoopTest, RunEndsWhenTheScriptClosesTheMainWindowAndStarvesWithoutEvents) {
    Fx.Backend().After(100, [&] { Frame->CloseWindow(3); });
    EXPECT_EQ(App.MessageLoop(), 3);
    // A fresh loop with nothing that could ever happen does not hang.
    EXPECT_EQ(App.RunFor(TBackend::Infinite - Fx.Backend().Now()), TApplication::TLoopEnd::Starved);
}

} // namespace
