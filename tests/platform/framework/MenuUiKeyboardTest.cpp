// The menu bar from the keyboard: Alt and F10 enter it, arrows move, Enter chooses, Esc backs
// out, underlined letters pick items; keys never reach the windows while a menu is up.
#include "MenuUiFixture.h"

#include <functional>

namespace {

using Lines = std::vector<std::string>;

class MenuUiKeyboardTest : public MenuUiFixture {};

struct TKeyCase {
    const char* Name;
    std::function<void(MenuUiKeyboardTest&)> Keys;
    // The commands the frame received, in order.
    Lines Commands;
    // Whether a session is still running afterwards, and which pop-up shows (-1 none).
    bool StillActive;
    int OpenPopup;
};

TEST_F(MenuUiKeyboardTest, KeySequences) {
    using T = MenuUiKeyboardTest;
    const std::vector<TKeyCase> cases = {
        {"Alt alone highlights the first bar item", [](T& t) { t.AltTap(); }, {}, true, -1},
        {"F10 does the same", [](T& t) { t.Press(KeyF10); }, {}, true, -1},
        {"Alt, Right, Down opens Options on its first item; Enter chooses Sound",
         [](T& t) {
             t.AltTap();
             t.Press(KeyRight);
             t.Press(KeyDown);
             t.Press(VK_RETURN);
         },
         {"frame COMMAND 1010"},
         false,
         -1},
        {"Down skips the separator",
         [](T& t) {
             t.AltKey('O');
             t.Press(KeyDown);
             t.Press(VK_RETURN);
         },
         {"frame COMMAND 126"},
         false,
         -1},
        {"Up from the first item wraps to the last",
         [](T& t) {
             t.AltKey('O');
             t.Press(KeyUp);
             t.Press(KeyUp);
             t.Press(VK_RETURN);
         },
         {"frame COMMAND 126"},
         false,
         -1},
        {"Alt+letter opens a pop-up and a letter chooses in it",
         [](T& t) {
             t.AltKey('O');
             t.Press('C', 'c');
         },
         {"frame COMMAND 126"},
         false,
         -1},
        {"a greyed item's letter chooses nothing",
         [](T& t) {
             t.AltKey('F');
             t.Press('X', 'x');
         },
         {},
         true,
         0},
        {"Enter on a greyed item chooses nothing",
         [](T& t) {
             t.AltKey('F');
             t.Press(VK_RETURN);
         },
         {},
         true,
         0},
        {"Right in a pop-up opens the next one; Left from the first bar item wraps",
         [](T& t) {
             t.AltKey('O');
             t.Press(KeyRight);
             t.Press(KeyLeft);
             t.Press(KeyLeft);
             t.Press(KeyLeft);
         },
         {},
         true,
         -1},
        {"Alt+letter of a command item on the bar chooses it",
         [](T& t) { t.AltKey('G'); },
         {"frame COMMAND 123"},
         false,
         -1},
        {"Esc closes the pop-up and keeps the bar, a second Esc leaves",
         [](T& t) {
             t.AltKey('H');
             t.Press(VK_ESCAPE);
         },
         {},
         true,
         -1},
        {"... and a second one leaves",
         [](T& t) {
             t.AltKey('H');
             t.Press(VK_ESCAPE);
             t.Press(VK_ESCAPE);
         },
         {},
         false,
         -1},
        {"Alt again leaves",
         [](T& t) {
             t.AltTap();
             t.AltTap();
         },
         {},
         false,
         -1},
        {"F10 again leaves",
         [](T& t) {
             t.Press(KeyF10);
             t.Press(KeyF10);
         },
         {},
         false,
         -1},
        {"a letter on the bar opens its pop-up",
         [](T& t) {
             t.Press(KeyF10);
             t.Press('H', 'h');
             t.Press(VK_RETURN);
         },
         {"frame COMMAND 125"},
         false,
         -1},
        {"Alt with a letter no item has goes to the window as before",
         [](T& t) { t.AltKey('Q'); },
         {},
         false,
         -1},
    };
    for (const TKeyCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Fx.Only({WM_COMMAND});
        c.Keys(*this);
        EXPECT_EQ(Fx.Take(), c.Commands);
        EXPECT_EQ(TMenuUi::Get().IsActive(), c.StillActive);
        EXPECT_EQ(OpenPopupBarIndex(), c.OpenPopup);
        TMenuUi::Get().Cancel();
        App.PumpWaitingMessages();
    }
}

TEST_F(MenuUiKeyboardTest, ArrowsMoveTheBarHighlightAndWrap) {
    AltTap();
    EXPECT_EQ(TMenuUi::Get().GetBarSelection(Frame), 0);
    Press(KeyLeft);
    EXPECT_EQ(TMenuUi::Get().GetBarSelection(Frame), 3);
    Press(KeyRight);
    Press(KeyRight);
    EXPECT_EQ(TMenuUi::Get().GetBarSelection(Frame), 1);
    EXPECT_EQ(OpenPopupBarIndex(), -1);
    // Enter on the Go item chooses it straight away.
    Press(KeyLeft);
    Press(KeyLeft);
    Fx.Only({WM_COMMAND});
    Press(VK_RETURN);
    EXPECT_EQ(Fx.Take(), (Lines{"frame COMMAND 123"}));
}

TEST_F(MenuUiKeyboardTest, KeysGoToTheMenuNotTheWindowsWhileItIsUp) {
    Fx.Only({WM_KEYDOWN, WM_CHAR, WM_ENTERMENULOOP, WM_EXITMENULOOP});
    AltKey('O');
    Press('Z', 'z');
    Press(VK_SPACE, ' ');
    Press(VK_ESCAPE);
    Press(VK_ESCAPE);
    EXPECT_EQ(Fx.Take(), (Lines{"frame ENTERMENULOOP", "frame EXITMENULOOP"}));
    Press('Z', 'z');
    EXPECT_EQ(Fx.Take(), (Lines{"client KEYDOWN 90 x1", "client CHAR 122 x1"}));
}

TEST_F(MenuUiKeyboardTest, OnlyTheActiveFramesBarAnswersTheKeyboard) {
    // A window without a menu (a dialog, say) takes the activation: Alt does nothing.
    TWindow* other = new TWindow(nullptr, "Other");
    other->Attr.Style = WS_POPUP | WS_CAPTION;
    other->Attr.X = 100;
    other->Attr.Y = 100;
    other->Attr.W = 200;
    other->Attr.H = 100;
    ASSERT_TRUE(other->Create());
    other->ShowWindow(SW_SHOWNORMAL);
    App.PumpWaitingMessages();
    ASSERT_EQ(Fx.Desktop().GetActiveWindow(), other);
    Fx.Only({WM_ENTERMENULOOP});
    AltTap();
    Press(KeyF10);
    AltKey('O');
    EXPECT_EQ(Fx.Take(), Lines{});
    EXPECT_FALSE(TMenuUi::Get().IsActive());
    delete other;
}

TEST_F(MenuUiKeyboardTest, LosingTheKeyboardEndsTheMenu) {
    AltKey('O');
    ASSERT_TRUE(TMenuUi::Get().IsActive());
    Fx.Only({WM_EXITMENULOOP, WM_COMMAND});
    Fx.Backend().SetAppActive(false);
    App.PumpWaitingMessages();
    EXPECT_EQ(Fx.Take(), (Lines{"frame EXITMENULOOP"}));
    EXPECT_EQ(TMenuUi::Get().GetPopup(), nullptr);
}

} // namespace
