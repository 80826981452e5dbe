// Mouse and keyboard input: set-cursor before mouse messages, capture, double clicks,
// characters with repeat counts and accelerators.
#include "DialogTestFixture.h"
#include "FrameFixture.h"
#include "MessageLog.h"
#include "TestWindows.h"

#include "platform/framework/WinApi.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

// A client whose class drops double clicks, as the game's windows do.
class TNoDoubleClient : public TTestClient {
public:
    void GetWindowClass(WNDCLASS& wc) override {
        wc.style &= ~CS_DBLCLKS;
        wc.hCursor = nullptr;
    }
};

class InputTest : public FrameFixture {
protected:
    void Build(TTestClient* client, u32 accelTable = 0) {
        MakeFrame({.Client = client, .AccelTable = accelTable});
    }
    // Desktop point of a client point.
    TPoint At(i32 x, i32 y) { return Fx.Desktop().ClientToScreen(Client, {x, y}); }
};

TEST_F(InputTest, EveryMoveAndButtonIsPrecededBySetCursorForTheClientArea) {
    Build(new TNoDoubleClient);
    Fx.Only({WM_SETCURSOR, WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP});
    Fx.Backend().MouseMove(At(10, 10));
    Fx.Backend().MouseMove(At(11, 12));
    Fx.Backend().Click(At(11, 12));
    App.PumpWaitingMessages();
    EXPECT_EQ(Fx.Take(), (Lines{
                             "client SETCURSOR 1 MOUSEMOVE",
                             "frame SETCURSOR 1 MOUSEMOVE", // the parent is asked first
                             "client MOUSEMOVE 10,10",
                             "client SETCURSOR 1 MOUSEMOVE",
                             "frame SETCURSOR 1 MOUSEMOVE",
                             "client MOUSEMOVE 11,12",
                             "client SETCURSOR 1 LBUTTONDOWN",
                             "frame SETCURSOR 1 LBUTTONDOWN",
                             "client LBUTTONDOWN 11,12",
                             "client SETCURSOR 1 LBUTTONUP",
                             "frame SETCURSOR 1 LBUTTONUP",
                             "client LBUTTONUP 11,12",
                         }));
    // Over the caption the frame hears of it as non-client, and no mouse message follows.
    Fx.Backend().MouseMove({100, 25});
    App.PumpWaitingMessages();
    EXPECT_EQ(Fx.Take(), (Lines{"frame SETCURSOR 2 MOUSEMOVE"}));
    TPoint p;
    ASSERT_TRUE(GetCursorPos(&p));
    EXPECT_EQ(p, TPoint(100, 25));
}

TEST_F(InputTest, CaptureSendsEveryMouseMessageToTheHolderWithoutSetCursor) {
    Build(new TNoDoubleClient);
    Fx.Only({WM_SETCURSOR, WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP});
    Fx.Backend().MouseButton(At(5, 5), TMouseButton::Left, true);
    App.PumpWaitingMessages();
    Fx.Take();
    EXPECT_EQ(Client->SetCapture(), nullptr);
    EXPECT_EQ(GetCapture(), Client);
    Fx.Backend().MouseMove({2, 3});
    Fx.Backend().MouseButton({2, 3}, TMouseButton::Left, false);
    App.PumpWaitingMessages();
    EXPECT_EQ(Fx.Take(), (Lines{"client MOUSEMOVE -78,-38", "client LBUTTONUP -78,-38"}));
    Client->ReleaseCapture();
    EXPECT_EQ(GetCapture(), nullptr);
    Fx.Backend().MouseMove(At(1, 1));
    App.PumpWaitingMessages();
    EXPECT_EQ(Fx.Take().front(), "client SETCURSOR 1 MOUSEMOVE");
}

TEST(InputClassTest, DoubleClicksOnlyForClassesThatAskForThem) {
    struct Case {
        bool Double;
        Lines Expected;
    } cases[] = {
        {false, {"client LBUTTONDOWN 7,7", "client LBUTTONDOWN 7,7"}},
        {true, {"client LBUTTONDOWN 7,7", "client LBUTTONDBLCLK 7,7"}},
    };
    for (const Case& c : cases) {
        TDesktopFixture fx;
        TApplication app("dbl");
        auto* frame = new TTestFrame;
        TTestClient* client = c.Double ? new TTestClient : new TNoDoubleClient;
        frame->SetClientWindow(client);
        app.SetMainWindow(frame);
        ASSERT_TRUE(frame->Create());
        frame->ShowWindow(SW_SHOWNORMAL);
        fx.Name(*client, "client");
        fx.Only({WM_LBUTTONDOWN, WM_LBUTTONDBLCLK});
        const TPoint at = fx.Desktop().ClientToScreen(client, {7, 7});
        fx.Backend().Click(at);
        fx.Backend().Advance(100);
        fx.Backend().Click(at);
        app.PumpWaitingMessages();
        EXPECT_EQ(fx.Take(), c.Expected) << c.Double;
    }
}

TEST_F(InputTest, CharactersCarryRepeatCountsTabAndEnter) {
    Build(new TNoDoubleClient);
    Fx.Backend().Type('x');
    Fx.Backend().Type('r', 3);
    Fx.Backend().Key(VK_TAB, 9);
    Fx.Backend().Key(VK_RETURN, 13, 2);
    Fx.Backend().Key(VK_SHIFT); // types nothing
    App.PumpWaitingMessages();
    EXPECT_EQ(Client->Seen,
              (std::vector<std::string>{"char 120 x1", "char 114 x3", "char 9 x1", "char 13 x2"}));
}

TEST_F(InputTest, AcceleratorsTurnEscAndF1IntoCommandsAndNeverIntoCharacters) {
    TAccelTable table;
    table.Entries = {{FVIRTKEY, static_cast<u16>(VK_ESCAPE), 123},
                     {FVIRTKEY, static_cast<u16>(VK_F1), 125},
                     {FVIRTKEY | FCONTROL, 'S', 126}};
    TResourceRegistry::Get().AddAccelerators(124, table);
    Build(new TNoDoubleClient, 124);
    Fx.Only({WM_COMMAND, WM_CHAR});
    Fx.Backend().Key(VK_ESCAPE, 27);
    Fx.Backend().Key(VK_F1);
    Fx.Backend().Type('s'); // no Control: a plain character
    Fx.Backend().SetModifiers(false, true, false);
    Fx.Backend().Key('S', 19); // Control+S: the command instead of the character
    App.PumpWaitingMessages();
    EXPECT_EQ(Fx.Take(), (Lines{"frame COMMAND 123", "frame COMMAND 125", "client CHAR 115 x1",
                                "frame COMMAND 126"}));
    EXPECT_EQ(Frame->Escapes, 1);
    EXPECT_EQ(Client->Helps, 1); // routed from the frame to the focus window
    EXPECT_EQ(Client->Seen, (std::vector<std::string>{"char 115 x1", "speed"}));
}

TEST_F(InputTest, AcceleratorsOfADisabledFrameDoNotFire) {
    TAccelTable table;
    table.Entries = {{FVIRTKEY, static_cast<u16>(VK_F1), 125}};
    TResourceRegistry::Get().AddAccelerators(124, table);
    Build(new TNoDoubleClient, 124);
    // Under a modal dialog the focus is elsewhere; here it is kept on the client.
    Frame->EnableWindow(false);
    Client->SetFocus();
    Fx.Backend().Key(VK_F1);
    App.PumpWaitingMessages();
    EXPECT_EQ(Client->Helps, 0);
}

// F1 is the help key in every window: a dialog with a Help button of its own presses it, any
// other asks the frame it holds still for the game's help; no other key of the frame gets by.
TEST_F(InputTest, FOneInAModalDialogGivesItsOwnHelpOrTheGamesAndNoOtherFrameKey) {
    TAccelTable table;
    table.Entries = {{FVIRTKEY, static_cast<u16>(VK_ESCAPE), 123},
                     {FVIRTKEY, static_cast<u16>(VK_F1), 125}};
    TResourceRegistry::Get().AddAccelerators(124, table);
    Build(new TNoDoubleClient, 124);
    for (const bool ownHelp : {true, false}) {
        TDialogTemplate form = FormTemplate();
        if (ownHelp)
            form.Items[2].Text = "&Help"; // the Reset button's place
        TRecordingDialog dialog(Frame, form);
        Fx.Backend().After(50, [&] {
            Fx.Backend().Key(VK_F1);
            Fx.Backend().SetModifiers(true, false, false);
            Fx.Backend().Key(VK_F1); // Shift+F1 is no help key
            Fx.Backend().SetModifiers(false, false, false);
            Fx.Backend().After(50, [&] { Fx.Backend().Key(VK_ESCAPE, 27); });
        });
        EXPECT_EQ(dialog.Execute(), IDCANCEL);
        EXPECT_EQ(dialog.Seen,
                  ownHelp ? std::vector<std::string>{"reset"} : std::vector<std::string>{})
            << ownHelp;
        EXPECT_EQ(Client->Helps, ownHelp ? 0 : 1) << ownHelp;
        EXPECT_EQ(Frame->Escapes, 0) << "the dialog's Esc reached the frame";
        Client->Helps = 0;
    }
}

TEST_F(InputTest, ClicksOnADisabledWindowOnlyAskForTheCursor) {
    Build(new TNoDoubleClient);
    Frame->EnableWindow(false);
    Fx.Only({WM_SETCURSOR, WM_LBUTTONDOWN, WM_LBUTTONUP});
    Fx.Backend().Click(At(20, 20));
    App.PumpWaitingMessages();
    EXPECT_EQ(Fx.Take(), (Lines{"frame SETCURSOR -2 LBUTTONDOWN", "frame SETCURSOR -2 LBUTTONUP"}));
    EXPECT_TRUE(Client->Seen.empty());
}

TEST_F(InputTest, WindowCursorIsShownOnSetCursorOverTheClient) {
    Build(new TNoDoubleClient);
    TCursorImage image;
    image.Width = 1;
    image.Height = 1;
    image.Pixels = {0xFFFFFFFFU};
    TResourceRegistry::Get().AddCursor(6, image);
    Fx.Backend().MouseMove(At(30, 30));
    App.PumpWaitingMessages();
    EXPECT_TRUE(Client->SetCursor(&App, 6));
    EXPECT_FALSE(Client->SetCursor(&App, 6)); // unchanged
    ASSERT_NE(Fx.Backend().GetCursor(), nullptr);
    EXPECT_EQ(Fx.Backend().GetCursor()->Id, 6u);
    EXPECT_EQ(Fx.Backend().GetCursor(), Client->GetCursorHandle());
    // A wait cursor set directly stays until the next set-cursor message puts the window's back.
    SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    EXPECT_EQ(Fx.Backend().GetCursor()->Id, IDC_WAIT);
    Fx.Backend().MouseMove(At(31, 30));
    App.PumpWaitingMessages();
    EXPECT_EQ(Fx.Backend().GetCursor()->Id, 6u);
}

// A window other than the main one moves with a drag on its title bar, kept within what the host
// shows, and nothing under the mouse hears of the drag; a press on its client area moves nothing.
TEST_F(InputTest, ADragOnACaptionMovesTheWindowWithinTheShownArea) {
    Build(new TNoDoubleClient);
    TWindow* box = MakePopup("box");
    ASSERT_NE(box, nullptr);
    App.PumpWaitingMessages();
    TDesktop& desktop = TDesktop::Get();
    Fx.Only({WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP});
    Fx.Backend().MouseButton({300, 205}, TMouseButton::Left, true);
    Fx.Backend().MouseMove({320, 235});
    Fx.Backend().MouseMove({340, 265});
    Fx.Backend().MouseButton({340, 265}, TMouseButton::Left, false);
    App.PumpWaitingMessages();
    EXPECT_EQ(desktop.GetWindowRect(box).TopLeft(), TPoint(290, 260));
    EXPECT_EQ(Fx.Take(), (Lines{}));
    // Past the edge it stops at the edge; the next move of the mouse is a plain move again.
    const TRect shown = desktop.GetShownArea();
    Fx.Backend().MouseButton({300, 265}, TMouseButton::Left, true);
    Fx.Backend().MouseMove({795, 595});
    Fx.Backend().MouseButton({795, 595}, TMouseButton::Left, false);
    App.PumpWaitingMessages();
    EXPECT_EQ(desktop.GetWindowRect(box).right, shown.right);
    EXPECT_EQ(desktop.GetWindowRect(box).bottom, shown.bottom);
    const TRect now = desktop.GetWindowRect(box);
    Fx.Backend().MouseMove({100, 100});
    App.PumpWaitingMessages();
    EXPECT_EQ(desktop.GetWindowRect(box), now);
    EXPECT_EQ(Fx.Take(), (Lines{"client MOUSEMOVE 20,59"}));
    // A drag that starts on the client area is the client's.
    const TPoint inside = {now.left + 50, now.bottom - 20};
    Fx.Backend().MouseButton(inside, TMouseButton::Left, true);
    Fx.Backend().MouseMove({inside.x - 100, inside.y - 100});
    Fx.Backend().MouseButton({inside.x - 100, inside.y - 100}, TMouseButton::Left, false);
    App.PumpWaitingMessages();
    EXPECT_EQ(desktop.GetWindowRect(box), now);
    box->Destroy();
    delete box;
}

} // namespace
