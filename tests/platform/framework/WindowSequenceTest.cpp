// Message sequences of window creation, showing, activation, focus, minimising and destruction.
#include "FrameFixture.h"
#include "MessageLog.h"
#include "TestWindows.h"

#include "platform/framework/WinApi.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

class WindowSequenceTest : public FrameFixture {
protected:
    void SetUp() override { MakeFrame({.Create = false}); }
};

TEST_F(WindowSequenceTest, CreationSetsUpParentThenChildAndShrinksTheFrameToTheClient) {
    Fx.Only({WM_GETMINMAXINFO, WM_CREATE, WM_SIZE, WM_SHOWWINDOW, WM_ACTIVATE, WM_SETFOCUS});
    ASSERT_TRUE(Frame->Create());
    EXPECT_EQ(Fx.Take(), (Lines{
                             "frame GETMINMAXINFO",
                             "frame CREATE",
                             "client CREATE",
                             "client SIZE 0",
                             "client SHOWWINDOW 1",
                             // Shrink-to-client: the frame takes the client's size.
                             "frame SIZE 0",
                             "frame SIZE 0",
                         }));
    EXPECT_EQ(Frame->GetClientRect(), TRect(0, 0, 640, 480));
    EXPECT_EQ(Client->GetWindowRect(), TRect(80, 41, 720, 521));
    EXPECT_FALSE(Frame->IsWindowVisible());
    EXPECT_EQ(GetActiveWindow(), nullptr);
}

TEST_F(WindowSequenceTest, ShowingActivatesTheAppAndTheFrameHandsFocusToTheClient) {
    ASSERT_TRUE(Frame->Create());
    Fx.Only({WM_SHOWWINDOW, WM_ACTIVATEAPP, WM_ACTIVATE, WM_SETFOCUS, WM_KILLFOCUS});
    Frame->ShowWindow(SW_SHOWNORMAL);
    EXPECT_EQ(Fx.Take(), (Lines{
                             "frame SHOWWINDOW 1",
                             "frame ACTIVATEAPP 1",
                             "frame ACTIVATE 1",
                             "frame SETFOCUS",
                             "frame KILLFOCUS",
                             "client SETFOCUS",
                         }));
    EXPECT_EQ(GetFocus(), Client);
    EXPECT_EQ(GetActiveWindow(), Frame);
}

TEST_F(WindowSequenceTest, AppDeactivationAndReactivationFromTheHost) {
    ASSERT_TRUE(Frame->Create());
    Frame->ShowWindow(SW_SHOWNORMAL);
    Fx.Only({WM_ACTIVATEAPP, WM_ACTIVATE, WM_SETFOCUS, WM_KILLFOCUS});
    Fx.Backend().SetAppActive(false);
    App.PumpWaitingMessages();
    EXPECT_EQ(Fx.Take(), (Lines{"frame ACTIVATE 0", "frame ACTIVATEAPP 0", "client KILLFOCUS"}));
    EXPECT_EQ(GetFocus(), nullptr);
    Fx.Backend().SetAppActive(true);
    App.PumpWaitingMessages();
    EXPECT_EQ(Fx.Take(), (Lines{"frame ACTIVATEAPP 1", "frame ACTIVATE 1", "frame SETFOCUS",
                                "frame KILLFOCUS", "client SETFOCUS"}));
}

TEST_F(WindowSequenceTest, AWindowComingToTheFrontIsAskedForItsPaletteFirst) {
    ASSERT_TRUE(Frame->Create());
    Fx.Only({WM_QUERYNEWPALETTE, WM_ACTIVATEAPP, WM_ACTIVATE});
    Frame->ShowWindow(SW_SHOWNORMAL);
    EXPECT_EQ(Fx.Take(),
              (Lines{"frame QUERYNEWPALETTE", "frame ACTIVATEAPP 1", "frame ACTIVATE 1"}));
    // Going to the background asks nothing; coming back asks again.
    Fx.Backend().SetAppActive(false);
    App.PumpWaitingMessages();
    EXPECT_EQ(Fx.Take(), (Lines{"frame ACTIVATE 0", "frame ACTIVATEAPP 0"}));
    Fx.Backend().SetAppActive(true);
    App.PumpWaitingMessages();
    EXPECT_EQ(Fx.Take(),
              (Lines{"frame QUERYNEWPALETTE", "frame ACTIVATEAPP 1", "frame ACTIVATE 1"}));
    // Children are never asked: only the top-level window being activated is.
    auto* popup = new TWindow(Frame, "Popup");
    popup->Attr.Style = WS_POPUP | WS_VISIBLE;
    popup->EnableAutoCreate(false);
    Fx.Name(*popup, "popup");
    ASSERT_TRUE(popup->Create());
    EXPECT_EQ(Fx.Take(), (Lines{"frame ACTIVATE 0", "popup QUERYNEWPALETTE", "popup ACTIVATE 1"}));
}

TEST_F(WindowSequenceTest, MinimiseAndRestoreReportSizeTypesAndMoveActivation) {
    ASSERT_TRUE(Frame->Create());
    Frame->ShowWindow(SW_SHOWNORMAL);
    Fx.Only({WM_SIZE, WM_ACTIVATEAPP, WM_ACTIVATE, WM_SETFOCUS, WM_KILLFOCUS});
    Frame->ShowWindow(SW_MINIMIZE);
    EXPECT_TRUE(Frame->IsIconic());
    EXPECT_EQ(Fx.Take(), (Lines{"frame SIZE 1", "client KILLFOCUS", "frame ACTIVATE 0",
                                "frame ACTIVATEAPP 0"}));
    Frame->ShowWindow(SW_RESTORE);
    EXPECT_FALSE(Frame->IsIconic());
    EXPECT_EQ(Fx.Take(), (Lines{"frame SIZE 0", "frame ACTIVATEAPP 1", "frame ACTIVATE 1",
                                "frame SETFOCUS", "frame KILLFOCUS", "client SETFOCUS"}));
    EXPECT_EQ(GetFocus(), Client);
}

TEST_F(WindowSequenceTest, DestroyingTheMainWindowEndsTheLoopAfterParentThenChildHearOfIt) {
    ASSERT_TRUE(Frame->Create());
    Frame->ShowWindow(SW_SHOWNORMAL);
    Fx.Only({WM_DESTROY, WM_KILLFOCUS, WM_ACTIVATE, WM_ACTIVATEAPP});
    Frame->CloseWindow(7);
    EXPECT_EQ(Fx.Take(), (Lines{"client KILLFOCUS", "frame ACTIVATE 0", "frame ACTIVATEAPP 0",
                                "frame DESTROY", "client DESTROY"}));
    EXPECT_FALSE(IsWindow(Frame));
    EXPECT_FALSE(IsWindow(Client));
    EXPECT_EQ(App.MessageLoop(), 7);
}

TEST_F(WindowSequenceTest, DisablingTheFrameTakesTheFocusAwayUntilItIsGivenBack) {
    ASSERT_TRUE(Frame->Create());
    Frame->ShowWindow(SW_SHOWNORMAL);
    Frame->EnableWindow(false);
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_FALSE(Client->IsWindowEnabled() && Frame->IsWindowEnabled());
    Frame->EnableWindow(true);
    Frame->SetFocus();
    EXPECT_EQ(GetFocus(), Client);
}

// Gives the focus straight back to the main window, as the hidden notification windows do.
class THiddenWindow : public TWindow {
public:
    explicit THiddenWindow(TWindow* parent) : TWindow(parent, "Hidden Audio Window") {
        Attr.Style = WS_POPUP;
    }
    void EvSetFocus(HWND) { ::SetFocus(GetApplication()->GetMainWindow()); }
    DECLARE_RESPONSE_TABLE(THiddenWindow);
};

DEFINE_RESPONSE_TABLE1(THiddenWindow, TWindow)
EV_WM_SETFOCUS, END_RESPONSE_TABLE;

TEST_F(WindowSequenceTest, FocusGivenToAHiddenWindowComesBackToTheClient) {
    auto* hidden = new THiddenWindow(Frame);
    ASSERT_TRUE(Frame->Create());
    Frame->ShowWindow(SW_SHOWNORMAL);
    ASSERT_TRUE(hidden->IsWindow());
    Fx.Name(*hidden, "hidden");
    Fx.Only({WM_SETFOCUS, WM_KILLFOCUS, WM_ACTIVATE});
    hidden->SetFocus();
    EXPECT_EQ(Fx.Take(), (Lines{"client KILLFOCUS", "hidden SETFOCUS", "hidden KILLFOCUS",
                                "frame SETFOCUS", "frame KILLFOCUS", "client SETFOCUS"}));
    EXPECT_EQ(GetFocus(), Client);
    EXPECT_FALSE(hidden->IsWindowVisible());
}

TEST_F(WindowSequenceTest, ReplacingTheClientDestroysTheOldOneAndFocusesTheNewOne) {
    ASSERT_TRUE(Frame->Create());
    Frame->ShowWindow(SW_SHOWNORMAL);
    auto* next = new TTestClient;
    Fx.Name(*next, "next");
    Fx.Only({WM_SETFOCUS, WM_KILLFOCUS, WM_DESTROY, WM_CREATE});
    // The way a mode switch goes: detach, destroy and condemn, make, attach.
    TWindow* old = Frame->SetClientWindow(nullptr);
    ASSERT_EQ(old, Client);
    old->Destroy(0);
    App.Condemn(old);
    EXPECT_EQ(Frame->SetClientWindow(next), nullptr);
    EXPECT_EQ(Fx.Take(), (Lines{"client KILLFOCUS", "frame SETFOCUS", "client DESTROY",
                                "next CREATE", "frame KILLFOCUS", "next SETFOCUS"}));
    EXPECT_EQ(GetFocus(), next);
    EXPECT_EQ(next->GetWindowRect(), TRect(80, 41, 720, 521));
    EXPECT_TRUE(App.IsCondemned(old));
    App.PumpWaitingMessages();
    EXPECT_FALSE(App.IsCondemned(old));
}

TEST_F(WindowSequenceTest, AnotherInstanceIsFoundByCaptionAndBroughtBackFromTheIcon) {
    ASSERT_TRUE(Frame->Create());
    Frame->ShowWindow(SW_SHOWNORMAL);
    auto* popup = new TWindow(Frame, "Popup");
    popup->Attr.Style = WS_POPUP | WS_VISIBLE;
    popup->EnableAutoCreate(false);
    ASSERT_TRUE(popup->Create());
    EXPECT_EQ(GetActiveWindow(), popup);
    Frame->SetFocus();
    Frame->ShowWindow(SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(Frame));
    // Its own pop-up goes down with it: nothing of the program is active.
    EXPECT_EQ(GetActiveWindow(), nullptr);
    HWND found = FindWindowA(nullptr, "Test Frame");
    ASSERT_EQ(found, Frame);
    EXPECT_EQ(GetLastActivePopup(found), popup);
    EXPECT_TRUE(BringWindowToTop(found));
    EXPECT_EQ(Fx.Desktop().GetTopLevelWindows().front(), Frame);
    EXPECT_TRUE(OpenIcon(found));
    EXPECT_FALSE(IsIconic(found));
    EXPECT_EQ(GetActiveWindow(), Frame);
    EXPECT_TRUE(MoveWindow(found, 0, 0, 646, 505, true));
    EXPECT_EQ(Frame->GetWindowRect(), TRect(0, 0, 646, 505));
}

TEST_F(WindowSequenceTest, PlacementQueriesOnTheVirtualDesktop) {
    ASSERT_TRUE(Frame->Create());
    Frame->ShowWindow(SW_SHOWNORMAL);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 800);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 600);
    EXPECT_EQ(FindWindowA(nullptr, "Test Frame"), Frame);
    EXPECT_EQ(FindWindowA(nullptr, "Client"), nullptr); // not a top-level window
    EXPECT_EQ(FindWindowA(nullptr, "Other"), nullptr);
    EXPECT_EQ(WindowFromPoint({100, 100}), Client);
    EXPECT_EQ(WindowFromPoint({100, 25}), Frame); // the caption
    EXPECT_EQ(WindowFromPoint({5, 5}), nullptr);  // the bare desktop
    TPoint p{100, 100};
    ASSERT_TRUE(ScreenToClient(Client, &p));
    EXPECT_EQ(p, TPoint(20, 59));
    TRect r;
    ASSERT_TRUE(GetWindowRect(Frame, &r));
    EXPECT_EQ(r, TRect(77, 19, 723, 524));
    // Moving keeps the size and the client follows.
    ASSERT_TRUE(SetWindowPos(Frame, nullptr, 10, 20, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW |
                                 SWP_NOOWNERZORDER));
    EXPECT_EQ(Frame->GetWindowRect(), TRect(10, 20, 656, 525));
    EXPECT_EQ(Client->GetWindowRect(), TRect(13, 42, 653, 522));
}

} // namespace
