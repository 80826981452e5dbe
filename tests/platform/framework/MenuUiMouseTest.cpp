// The menu bar under the mouse: clicks open pop-ups, choose commands once, and a click
// elsewhere closes the menu without a command and without reaching any window.
#include "MenuUiFixture.h"

namespace {

using Lines = std::vector<std::string>;

class MenuUiMouseTest : public MenuUiFixture {};

TEST_F(MenuUiMouseTest, ClickingABarItemOpensItsPopupAndClickingAnItemPostsItsCommandOnce) {
    Fx.Only({WM_ENTERMENULOOP, WM_EXITMENULOOP, WM_INITMENUPOPUP, WM_COMMAND, WM_LBUTTONDOWN,
             WM_LBUTTONUP});
    Click(BarItem(1));
    EXPECT_EQ(Fx.Take(), (Lines{"frame ENTERMENULOOP", "frame INITMENUPOPUP"}));
    ASSERT_TRUE(TMenuUi::Get().IsActive());
    EXPECT_EQ(OpenPopupBarIndex(), 1);
    EXPECT_EQ(TMenuUi::Get().GetBarSelection(Frame), 1);

    Click(PopupItem(2)); // Speed Control
    // The loop ends before the command arrives, and the command arrives once.
    EXPECT_EQ(Fx.Take(), (Lines{"frame EXITMENULOOP", "frame COMMAND 126"}));
    EXPECT_EQ(Client->Seen, (std::vector<std::string>{"speed"}));
    EXPECT_FALSE(TMenuUi::Get().IsActive());
    EXPECT_EQ(TMenuUi::Get().GetPopup(), nullptr);
    App.PumpWaitingMessages();
    EXPECT_EQ(Client->Seen.size(), 1u);
}

TEST_F(MenuUiMouseTest, AClickOutsideClosesTheMenuWithoutACommandAndIsSwallowed) {
    Click(BarItem(0));
    ASSERT_TRUE(TMenuUi::Get().IsActive());
    Fx.Only({WM_EXITMENULOOP, WM_COMMAND, WM_LBUTTONDOWN, WM_LBUTTONUP});
    Click(Fx.Desktop().ClientToScreen(Client, {400, 300}));
    EXPECT_EQ(Fx.Take(), (Lines{"frame EXITMENULOOP"}));
    EXPECT_FALSE(TMenuUi::Get().IsActive());
    EXPECT_EQ(TMenuUi::Get().GetPopup(), nullptr);
    // The next click is the client's again.
    Click(Fx.Desktop().ClientToScreen(Client, {400, 300}));
    EXPECT_EQ(Fx.Take(), (Lines{"client LBUTTONDOWN 400,300", "client LBUTTONUP 400,300"}));
}

TEST_F(MenuUiMouseTest, GreyedItemsAndSeparatorsCannotBeChosen) {
    Click(BarItem(1));
    Fx.Only({WM_EXITMENULOOP, WM_COMMAND});
    Click(PopupItem(3)); // nobody handles 999: greyed
    Click(PopupItem(1)); // the separator
    EXPECT_EQ(Fx.Take(), Lines{});
    EXPECT_TRUE(TMenuUi::Get().IsActive());
    EXPECT_EQ(OpenPopupBarIndex(), 1);

    // File's only item is greyed by the frame's enabler.
    Click(BarItem(0));
    Click(PopupItem(0));
    EXPECT_EQ(Fx.Take(), Lines{});
    EXPECT_TRUE(TMenuUi::Get().IsActive());
    EXPECT_TRUE(Frame->Seen.empty());
}

TEST_F(MenuUiMouseTest, ClickingTheOpenItemsTitleAgainClosesTheMenu) {
    Click(BarItem(2));
    ASSERT_EQ(OpenPopupBarIndex(), 2);
    Fx.Only({WM_EXITMENULOOP, WM_COMMAND});
    Click(BarItem(2));
    EXPECT_EQ(Fx.Take(), (Lines{"frame EXITMENULOOP"}));
    EXPECT_FALSE(TMenuUi::Get().IsActive());
}

TEST_F(MenuUiMouseTest, MovingAlongTheBarSwitchesPopupsAskingEachOnesEnablers) {
    Click(BarItem(0));
    Fx.Only({WM_INITMENUPOPUP, WM_ENTERMENULOOP, WM_EXITMENULOOP});
    Fx.Backend().MouseMove(BarItem(1));
    App.PumpWaitingMessages();
    EXPECT_EQ(OpenPopupBarIndex(), 1);
    Fx.Backend().MouseMove(BarItem(2));
    App.PumpWaitingMessages();
    EXPECT_EQ(OpenPopupBarIndex(), 2);
    // One loop throughout; each pop-up asks its enablers as it opens.
    EXPECT_EQ(Fx.Take(), (Lines{"frame INITMENUPOPUP", "frame INITMENUPOPUP"}));
    // Moving over the pop-up highlights the item under the mouse; a separator highlights
    // nothing.
    Fx.Backend().MouseMove(PopupItem(0));
    App.PumpWaitingMessages();
    EXPECT_EQ(TMenuUi::Get().GetPopup()->GetSelection(), 0);
}

TEST_F(MenuUiMouseTest, PressingOnABarItemAndReleasingOnAPopupItemChoosesIt) {
    Fx.Only({WM_COMMAND});
    Fx.Backend().MouseButton(BarItem(2), TMouseButton::Left, true);
    App.PumpWaitingMessages();
    const TPoint item = PopupItem(0);
    Fx.Backend().MouseMove(item);
    Fx.Backend().MouseButton(item, TMouseButton::Left, false);
    App.PumpWaitingMessages();
    EXPECT_EQ(Fx.Take(), (Lines{"frame COMMAND 125"}));
    EXPECT_EQ(Client->Helps, 1);
}

TEST_F(MenuUiMouseTest, ABarItemWithoutAPopupIsACommandOfItsOwn) {
    Fx.Only({WM_ENTERMENULOOP, WM_EXITMENULOOP, WM_INITMENUPOPUP, WM_COMMAND});
    Click(BarItem(3));
    EXPECT_EQ(Fx.Take(), (Lines{"frame ENTERMENULOOP", "frame EXITMENULOOP", "frame COMMAND 123"}));
    EXPECT_EQ(Frame->Escapes, 1);
    EXPECT_FALSE(TMenuUi::Get().IsActive());
}

TEST_F(MenuUiMouseTest, EnablersAreAskedEveryTimeAPopupOpens) {
    Frame->SoundChecked = true;
    Client->SpeedEnabled = false;
    Click(BarItem(1));
    HMENU options = TMenuUi::Get().GetPopup()->GetMenu();
    EXPECT_NE(GetMenuState(options, 1010, MF_BYCOMMAND) & MF_CHECKED, 0u);
    EXPECT_NE(GetMenuState(options, 126, MF_BYCOMMAND) & MF_GRAYED, 0u);
    Fx.Only({WM_COMMAND});
    Click(PopupItem(2)); // greyed now
    EXPECT_EQ(Fx.Take(), Lines{});
    Click(BarItem(1)); // closes

    Frame->SoundChecked = false;
    Client->SpeedEnabled = true;
    Click(BarItem(1));
    EXPECT_EQ(GetMenuState(options, 1010, MF_BYCOMMAND) & MF_CHECKED, 0u);
    EXPECT_EQ(GetMenuState(options, 126, MF_BYCOMMAND) & MF_GRAYED, 0u);
    Click(PopupItem(2));
    EXPECT_EQ(Fx.Take(), (Lines{"frame COMMAND 126"}));
}

TEST_F(MenuUiMouseTest, ADisabledFrameIgnoresClicksOnItsBar) {
    Frame->EnableWindow(false);
    Fx.Only({WM_ENTERMENULOOP});
    Click(BarItem(1));
    EXPECT_EQ(Fx.Take(), Lines{});
    EXPECT_FALSE(TMenuUi::Get().IsActive());
    Frame->EnableWindow(true);
}

TEST_F(MenuUiMouseTest, ABarSwappedUnderAnOpenMenuEndsTheMenuLoop) {
    // A mode switch replaces the bar (and destroys the old one) while a pop-up is open.
    TMenuTemplate other;
    other.Items.push_back({"&Intro", 0, MF_POPUP, {{"Speed &Control", 126, 0, {}}}});
    TResourceRegistry::Get().AddMenu(13, std::move(other));
    Click(BarItem(1));
    ASSERT_NE(TMenuUi::Get().GetPopup(), nullptr);
    Fx.Backend().MouseMove(PopupItem(2));
    App.PumpWaitingMessages();
    Fx.Only({WM_EXITMENULOOP, WM_COMMAND, WM_ENTERMENULOOP});
    ASSERT_TRUE(Frame->AssignMenu(13));
    // The session ends with the bar it ran on: the frame hears of it at once, and the old
    // pop-up goes from the screen, not left drawn until the next key or click.
    EXPECT_FALSE(TMenuUi::Get().IsActive());
    EXPECT_EQ(Fx.Take(), (Lines{"frame EXITMENULOOP"}));
    EXPECT_EQ(TMenuUi::Get().GetPopup(), nullptr);
    // Input after it goes where it would with no menu, without the destroyed menu touched.
    Press(VK_RETURN);
    EXPECT_EQ(Fx.Take(), (Lines{}));
    // The new bar works as the old one did.
    Click(BarItem(0));
    Click(PopupItem(0));
    EXPECT_EQ(Fx.Take(), (Lines{"frame ENTERMENULOOP", "frame EXITMENULOOP", "frame COMMAND 126"}));
}

TEST_F(MenuUiMouseTest, AFrameDestroyedDuringTheMenuLeavesNoSessionBehind) {
    Click(BarItem(1));
    ASSERT_TRUE(TMenuUi::Get().IsActive());
    App.SetMainWindow(nullptr); // not the end of the program, only of this frame
    Frame->Destroy();
    EXPECT_FALSE(TMenuUi::Get().IsActive());
    // Input after it is the desktop's as usual and nothing is drawn for the dead frame.
    Click({10, 10});
    Press(VK_ESCAPE);
    EXPECT_FALSE(TMenuUi::Get().IsActive());
    EXPECT_EQ(TMenuUi::Get().GetPopup(), nullptr);
    delete Frame;
    Frame = nullptr;
}

} // namespace
