// Commands routed from the focus window up to the frame, command enablers before a pop-up
// opens, the menu loop's messages, and menu bars swapped by resource id.
#include "FrameFixture.h"
#include "MessageLog.h"
#include "TestWindows.h"

#include "platform/framework/WinApi.h"
#include "platform/framework/menus/Menu.h"
#include "platform/framework/menus/MenuTracker.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

TMenuTemplate OptionsMenu() {
    TMenuTemplate menu;
    menu.Items.push_back({"&File", 0, MF_POPUP, {{"E&xit Game", 201, 0, {}}}});
    menu.Items.push_back({"&Options",
                          0,
                          MF_POPUP,
                          {{"&Sound", 1010, 0, {}},
                           {"", 0, MF_SEPARATOR, {}},
                           {"Speed &Control", 126, 0, {}},
                           {"Nobody's", 999, 0, {}}}});
    return menu;
}

class CommandTest : public FrameFixture {
protected:
    void SetUp() override {
        TResourceRegistry::Get().AddMenu(5, OptionsMenu());
        MakeFrame();
    }
};

TEST_F(CommandTest, PostedCommandsReachTheFocusWindowFirstThenTheFrame) {
    PostMessageA(Frame, WM_COMMAND, 126, 0);  // both handle it: the client wins
    PostMessageA(Frame, WM_COMMAND, 201, 0);  // only the frame handles it
    PostMessageA(Frame, WM_COMMAND, 4242, 0); // nobody: nothing happens
    App.PumpWaitingMessages();
    EXPECT_EQ(Client->Seen, (std::vector<std::string>{"speed"}));
    EXPECT_EQ(Frame->Seen, (std::vector<std::string>{"exit"}));
    // Without the focus inside the frame the client is still the first to be asked.
    SetFocus(Frame);
    Frame->Seen.clear();
    Client->Seen.clear();
    EXPECT_EQ(GetFocus(), Client); // the frame hands the focus on at once
    Fx.Backend().SetAppActive(false);
    App.PumpWaitingMessages();
    ASSERT_EQ(GetFocus(), nullptr);
    PostMessageA(Frame, WM_COMMAND, 126, 0);
    App.PumpWaitingMessages();
    EXPECT_EQ(Client->Seen, (std::vector<std::string>{"speed"}));
}

TEST_F(CommandTest, EnablersAreAskedBeforeAPopupOpens) {
    ASSERT_TRUE(Frame->AssignMenu(5));
    Fx.Only({WM_ENTERMENULOOP, WM_INITMENUPOPUP, WM_EXITMENULOOP, WM_COMMAND});
    TMenuTracker tracker(Frame);
    ASSERT_TRUE(tracker.Enter());
    Client->SpeedEnabled = false;
    Frame->SoundChecked = true;
    HMENU options = tracker.OpenPopup(1);
    ASSERT_NE(options, nullptr);
    struct Case {
        u32 Id;
        bool Grayed;
        bool Checked;
    } cases[] = {
        {1010, false, true}, // check set, enable left to the handler search: it has one
        {126, true, false},  // the client's enabler said no
        {999, true, false},  // nobody handles it: grey
    };
    for (const Case& c : cases) {
        const u32 state = GetMenuState(options, c.Id, MF_BYCOMMAND);
        EXPECT_EQ((state & MF_GRAYED) != 0, c.Grayed) << c.Id;
        EXPECT_EQ((state & MF_CHECKED) != 0, c.Checked) << c.Id;
    }
    EXPECT_FALSE(tracker.Choose(126)); // grey items cannot be chosen
    EXPECT_TRUE(tracker.IsActive());
    EXPECT_TRUE(tracker.Choose(1010));
    App.PumpWaitingMessages();
    EXPECT_EQ(Fx.Take(), (Lines{"frame ENTERMENULOOP", "frame INITMENUPOPUP", "frame EXITMENULOOP",
                                "frame COMMAND 1010"}));
    EXPECT_EQ(Frame->Seen, (std::vector<std::string>{"sound"}));
    // A second look re-asks: the answers follow the program's state.
    Client->SpeedEnabled = true;
    Frame->SoundChecked = false;
    TMenuTracker again(Frame);
    ASSERT_TRUE(again.Enter());
    options = again.OpenPopup(1);
    EXPECT_EQ(GetMenuState(options, 126, MF_BYCOMMAND) & MF_GRAYED, 0u);
    EXPECT_EQ(GetMenuState(options, 1010, MF_BYCOMMAND) & MF_CHECKED, 0u);
    // The frame's own enabler decides for the exit item.
    HMENU file = again.OpenPopup(0);
    EXPECT_NE(GetMenuState(file, 201, MF_BYCOMMAND) & MF_GRAYED, 0u);
    again.Cancel();
    EXPECT_EQ(Fx.Take().back(), "frame EXITMENULOOP");
}

TEST_F(CommandTest, MenuBarsSwapByIdAndAFailedLoadKeepsTheBar) {
    EXPECT_EQ(Frame->GetMenu(), nullptr);
    EXPECT_FALSE(TMenuTracker(Frame).Enter()); // no bar, no menu loop
    ASSERT_TRUE(Frame->AssignMenu(5));
    HMENU bar = Frame->GetMenu();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(GetMenuItemCount(bar), 2);
    EXPECT_FALSE(Frame->AssignMenu(1));
    EXPECT_EQ(Frame->GetMenu(), bar);
    EXPECT_EQ(Frame->Attr.Menu, 1u);
}

TEST_F(CommandTest, AShrinkToClientFrameGrowsAndShrinksWithItsMenuBar) {
    const TRect start = Frame->GetWindowRect();
    // The client window fills the frame's client area exactly; only the frame's height moves.
    const auto fitted = [&](bool bar) {
        App.PumpWaitingMessages();
        const TRect client = TDesktop::Get().ScreenClientRect(Frame);
        EXPECT_EQ(Client->GetWindowRect(), client);
        EXPECT_EQ(client.Size(), TSize(640, 480));
        const i32 grown = bar ? GetSystemMetrics(SM_CYMENU) : 0;
        EXPECT_EQ(Frame->GetWindowRect(),
                  TRect(start.left, start.top, start.right, start.bottom + grown));
    };
    ASSERT_TRUE(Frame->AssignMenu(5));
    fitted(true);
    HMENU bar = GetMenu(Frame);
    SetMenu(Frame, nullptr);
    fitted(false);
    SetMenu(Frame, bar);
    fitted(true);
}

TEST_F(CommandTest, LoadStringTruncatesToTheBuffer) {
    const TStringResource strings[] = {{7, "Hello, table"}};
    TResourceRegistry::Get().AddStrings(strings);
    char buf[6] = "zzzzz";
    EXPECT_EQ(App.LoadString(7, buf, sizeof buf), 5);
    EXPECT_STREQ(buf, "Hello");
    char big[64];
    EXPECT_EQ(App.LoadString(7, big, sizeof big), 12);
    EXPECT_STREQ(big, "Hello, table");
    EXPECT_EQ(App.LoadString(8, big, sizeof big), 0);
    EXPECT_STREQ(big, "");
    EXPECT_EQ(App.LoadString(7, big, 0), 0);
    EXPECT_EQ(App.LoadString(7), "Hello, table");
}

TEST_F(CommandTest, BroadcastReachesEveryTopLevelWindow) {
    auto* other = new TWindow(nullptr, "Other");
    other->Attr.Style = WS_POPUP;
    ASSERT_TRUE(other->Create());
    Fx.Name(*other, "other");
    Fx.Only({WM_USER});
    SendMessageA(HWND_BROADCAST, WM_USER, 0, 0);
    Lines got = Fx.Take();
    std::sort(got.begin(), got.end());
    EXPECT_EQ(got, (Lines{"frame USER", "other USER"}));
    delete other;
}

} // namespace
