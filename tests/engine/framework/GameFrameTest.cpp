// The game frame: placement and the small-screen toggle, mode switches by engine message with
// the old window deleted at idle, refusal, minimising, and the pause around a dialog.
#include "AppFixture.h"

#include "engine/framework/JorpMsgPacket.h"
#include "engine/framework/JorpTime.h"
#include "engine/framework/ModeWindow.h"
#include "platform/framework/WinApi.h"

namespace {

std::vector<std::string> Log;
// The mode whose window refuses to close.
i16 Refusing = -2;

// A default-mode window that notes its life under the mode number it stands for.
class TRecModeWindow : public TJorpModeWindow {
public:
    TRecModeWindow(TJorpApp* app, TJorpGameFrameWindow* frame, i16 mode)
        : TJorpModeWindow(app, frame, "defmode", app->GetPalette(), "Mode"),
          N(std::to_string(mode)), Refuse(mode == Refusing) {
        Log.push_back("new " + N);
    }
    ~TRecModeWindow() override { Log.push_back("delete " + N); }
    bool CanClose() override { return Log.push_back("ask " + N), !Refuse; }
    void Activate() override { Log.push_back("activate " + N), TJorpModeWindow::Activate(); }
    void Deactivate() override {
        if (IsActive())
            Log.push_back("deactivate " + N);
        TJorpModeWindow::Deactivate();
    }
    void Resume() override { Log.push_back("resume " + N), TJorpModeWindow::Resume(); }
    void StepModeState() override { ++Steps, TJorpModeWindow::StepModeState(); }

    std::string N;
    bool Refuse;
    int Steps = 0;
};

class TRecFrame : public TJorpGameFrameWindow {
public:
    explicit TRecFrame(TJorpApp* app) : TJorpGameFrameWindow(app, "Test Game", true, true) {}
    TJorpModeWindow* CreateModeWindow(i16 mode) override {
        return ModeWindow = new TRecModeWindow(App, this, mode);
    }
};

TInputEvent HostEvent(TInputKind kind) {
    TInputEvent event;
    event.Kind = kind;
    return event;
}

class GameFrameTest : public AppFixture {
protected:
    GameFrameTest() {
        Log.clear();
        Refusing = -2;
        MakeFrame = [](TJorpApp* app) { return new TRecFrame(app); };
    }
    TRecModeWindow* Mode() { return static_cast<TRecModeWindow*>(Frame().GetModeWindow()); }
    u32 FrameCount() { return Mode()->GetFrameTimer()->GetCounter(); }
    LRESULT Send(u8 id, u8 sub, u16 lo, u16 hi = 0) {
        const TJorpMsgPacket p = TJorpMsgPacket::EngineMessage(id, sub, lo, hi);
        return Frame().SendMessage(p.GetMessage(), p.GetWParam(), p.GetLParam());
    }
    void Key(u32 vk) {
        Backend().Key(vk);
        App->PumpWaitingMessages();
    }
};

TEST_F(GameFrameTest, CentresTheGameAreaAndEscMovesTheCaptionOnlyOnASmallScreen) {
    // (sw - 640) / 2 - 3, (sh - 480) / 2 - (3 + 19 + 19)
    const std::pair<TSize, TPoint> cases[] = {{{800, 600}, {77, 19}}, {{640, 480}, {-3, -41}}};
    for (const auto& [screen, origin] : cases) {
        const bool small = screen.cx == 640;
        App.reset();
        UseScreen(screen);
        StartGame();
        EXPECT_EQ(Frame().GetWindowRect().TopLeft(), origin);
        EXPECT_EQ(Mode()->GetClientRect(), TRect(0, 0, 640, 480));
        MINMAXINFO info{};
        Frame().SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
        EXPECT_EQ(info.ptMinTrackSize, TPoint(646, 524));
        EXPECT_EQ(info.ptMaxTrackSize, TPoint(646, 524));
        Key(VK_ESCAPE);
        EXPECT_EQ(Frame().GetWindowRect().top, small ? 0 : origin.y);
        Key(VK_ESCAPE);
        EXPECT_EQ(Frame().GetWindowRect().TopLeft(), origin);
    }
    // A click in the game area, once the mode takes input, hides the caption again.
    Key(VK_ESCAPE);
    App->RunFor(400);
    Backend().Click(TDesktop::Get().ClientToScreen(Mode(), {320, 240}));
    App->PumpWaitingMessages();
    EXPECT_EQ(Frame().GetWindowRect().TopLeft(), TPoint(-3, -41));
}

TEST_F(GameFrameTest, ASwitchAsksDestroysAndMakesInOrderAndDeletesTheOldWindowAtIdle) {
    StartGame();
    EXPECT_EQ(Log, (std::vector<std::string>{"new -1", "activate -1", "resume -1"}));
    TJorpModeWindow* first = Mode();
    Log.clear();
    EXPECT_EQ(Send(JMP_SWITCH_MODE, JMP_SUB_SWITCH, 1), 1);
    EXPECT_EQ(Log, (std::vector<std::string>{"ask -1", "deactivate -1", "new 1", "activate 1",
                                             "resume 1"}));
    EXPECT_TRUE(App->IsCondemned(first));
    EXPECT_EQ(Frame().GetClientWindow(), Mode());
    App->PumpWaitingMessages();
    EXPECT_EQ(Log.back(), "delete -1");
}

TEST_F(GameFrameTest, EnginePacketsSwitchOnlyWhenTheyNameAnotherModeOfTheGame) {
    TResourceRegistry::Get().AddStrings(
        std::vector<TStringResource>{{20000, "s4intro.m"}, {20001, "nomode.m"}});
    StartGame();
    const struct {
        const char* What;
        u8 Id, Sub;
        u16 Lo, Hi;
        i16 Showing; // afterwards; a new window is made whenever it changes
    } cases[] = {
        {"by number", 2, 0x02, 0, 0, 0},
        {"by name", 2, 0x03, 20000, 0, 1},
        {"the mode showing", 2, 0x02, 1, 0, 1},
        {"a name not in the game", 2, 0x03, 20001, 0, 1},
        {"past the last mode", 2, 0x02, 2, 0, 1},
        {"negative", 2, 0x02, 0xFFFF, 0, 1},
        {"no switch bit", 2, 0x01, 0, 0, 1},
        {"another request", 3, 0x02, 0, 0, 1},
        {"custom", 2, 0x82, 4, 5, 1},
    };
    i16 before = Frame().GetShowingMode();
    for (const auto& c : cases) {
        Log.clear();
        EXPECT_EQ(Send(c.Id, c.Sub, c.Lo, c.Hi), 1) << c.What;
        EXPECT_EQ(Frame().GetShowingMode(), c.Showing) << c.What;
        EXPECT_EQ(!Log.empty(), c.Showing != before) << c.What;
        before = c.Showing;
    }
    // Only the custom switch, which no derived frame handles here, says anything.
    ASSERT_EQ(Boxes.Boxes.size(), 1U);
    EXPECT_EQ(Boxes.Boxes[0].Text, "Unhandled SwitchModes.\nIDCode: 4\nSIDCode: 5.");
    EXPECT_EQ(Boxes.Boxes[0].Caption, "Error - FrameWindow");
}

TEST_F(GameFrameTest, AWindowThatRefusesToCloseStaysAndTheSwitchAnswersFalse) {
    Refusing = 1;
    StartGame();
    ASSERT_TRUE(Frame().SwitchToMode(1));
    TJorpModeWindow* refusing = Mode();
    Log.clear();
    EXPECT_FALSE(Frame().SwitchToMode(0));
    EXPECT_EQ(Log, (std::vector<std::string>{"ask 1"}));
    EXPECT_EQ(Frame().GetClientWindow(), refusing);
    EXPECT_EQ(Frame().GetShowingMode(), 1);
    EXPECT_TRUE(refusing->IsActive());
}

TEST_F(GameFrameTest, MinimisingStopsTheFramesButNotTheStateStepsUntilRestored) {
    StartGame();
    App->RunFor(500);
    Backend().At(Backend().Now(), HostEvent(TInputKind::Minimize));
    App->RunFor(100);
    EXPECT_FALSE(Mode()->IsReady());
    const u32 minimised = FrameCount();
    const int steps = Mode()->Steps;
    App->RunFor(1000);
    EXPECT_EQ(FrameCount(), minimised);
    EXPECT_GT(Mode()->Steps, steps + 50);
    Backend().At(Backend().Now(), HostEvent(TInputKind::Restore));
    App->RunFor(1000);
    EXPECT_TRUE(Mode()->IsReady());
    EXPECT_GE(FrameCount(), minimised + 5);
}

TEST_F(GameFrameTest, ADialogOverTheGamePausesItsFramesAndLeavesAnEarlierPauseInPlace) {
    StartGame();
    App->RunFor(500);
    for (bool pausedBefore : {false, true}) {
        Mode()->SetPaused(pausedBefore);
        u32 atOpen = 0, atClose = 0;
        Backend().After(100, [&] {
            atOpen = FrameCount();
            Backend().After(1000, [&] {
                atClose = FrameCount();
                Backend().Key(VK_ESCAPE);
            });
        });
        // The speed command, as the menu sends it.
        Frame().SendMessage(WM_COMMAND, CM_SPEEDCONTROL, 0);
        EXPECT_EQ(atClose, atOpen);
        EXPECT_EQ(Mode()->IsPaused(), pausedBefore);
        const u32 after = FrameCount();
        App->RunFor(1000);
        EXPECT_EQ(FrameCount() > after, !pausedBefore);
    }
}

} // namespace
