// The game frame: placement and the small-screen toggle, mode switches by engine message
// with the old window deleted at idle, refusal, activation and minimising, the pause
// protocol around a dialog.
#include "AppFixture.h"

#include "engine/framework/JorpMsgPacket.h"
#include "engine/framework/JorpTime.h"
#include "engine/framework/ModeWindow.h"
#include "platform/framework/Dialog.h"
#include "platform/framework/ResourceRegistry.h"
#include "platform/framework/WinApi.h"

namespace {

std::vector<std::string> Log;

TInputEvent HostEvent(TInputKind kind) {
    TInputEvent event;
    event.Kind = kind;
    return event;
}

// A default-mode window that notes its life under the mode number it stands for.
class TRecModeWindow : public TJorpModeWindow {
public:
    TRecModeWindow(TJorpApp* app, TJorpGameFrameWindow* frame, i16 mode, bool refuse)
        : TJorpModeWindow(app, frame, "defmode", app->GetPalette(), "Mode " + std::to_string(mode)),
          Number(std::to_string(mode)), Refuse(refuse) {
        Log.push_back("new " + Number);
    }
    ~TRecModeWindow() override { Log.push_back("delete " + Number); }
    bool CanClose() override {
        Log.push_back("ask " + Number);
        return !Refuse;
    }
    void Activate() override {
        Log.push_back("activate " + Number);
        TJorpModeWindow::Activate();
    }
    void Deactivate() override {
        if (IsActive())
            Log.push_back("deactivate " + Number);
        TJorpModeWindow::Deactivate();
    }
    void Resume() override {
        Log.push_back("resume " + Number);
        TJorpModeWindow::Resume();
    }
    void StepModeState() override {
        ++Steps;
        TJorpModeWindow::StepModeState();
    }

    std::string Number;
    bool Refuse;
    int Steps = 0;
};

class TRecFrame : public TJorpGameFrameWindow {
public:
    explicit TRecFrame(TJorpApp* app) : TJorpGameFrameWindow(app, "Test Game", true, true) {}
    TJorpModeWindow* CreateModeWindow(i16 mode) override {
        ModeWindow = new TRecModeWindow(App, this, mode, mode == RefusingMode);
        return ModeWindow;
    }
    i16 RefusingMode = -2;
};

class GameFrameTest : public AppFixture {
protected:
    GameFrameTest() {
        Log.clear();
        MakeFrame = [](TJorpApp* app) { return new TRecFrame(app); };
    }
    TRecFrame& Rec() { return static_cast<TRecFrame&>(Frame()); }
    TRecModeWindow* Mode() { return static_cast<TRecModeWindow*>(Frame().GetModeWindow()); }
    u32 FrameCount() { return Mode()->GetFrameTimer()->GetCounter(); }
    LRESULT Send(u8 id, u8 sub, u16 lo, u16 hi = 0) {
        const TJorpMsgPacket p = TJorpMsgPacket::EngineMessage(id, sub, lo, hi);
        return Frame().SendMessage(p.GetMessage(), p.GetWParam(), p.GetLParam());
    }
};

TEST_F(GameFrameTest, CentresTheGameAreaAndEscMovesTheCaptionOnlyOnASmallScreen) {
    const struct {
        TSize Screen;
        TPoint Origin; // (sw - 640) / 2 - 3, (sh - 480) / 2 - (3 + 19 + 19)
        bool Small;
    } cases[] = {{{640, 480}, {-3, -41}, true}, {{800, 600}, {77, 19}, false}};
    for (const auto& c : cases) {
        App.reset();
        UseScreen(c.Screen);
        StartGame();
        EXPECT_EQ(Frame().GetWindowRect().TopLeft(), c.Origin);
        EXPECT_EQ(Frame().IsSmallScreen(), c.Small);
        EXPECT_EQ(Mode()->GetClientRect(), TRect(0, 0, 640, 480));
        // The frame cannot be dragged to another size.
        MINMAXINFO info{};
        Frame().SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
        EXPECT_EQ(info.ptMinTrackSize, TPoint(646, 524));
        EXPECT_EQ(info.ptMaxTrackSize, TPoint(646, 524));

        Backend().Key(VK_ESCAPE);
        App->PumpWaitingMessages();
        EXPECT_EQ(Frame().GetWindowRect().top, c.Small ? 0 : c.Origin.y);
        Backend().Key(VK_ESCAPE);
        App->PumpWaitingMessages();
        EXPECT_EQ(Frame().GetWindowRect().TopLeft(), c.Origin);
        if (!c.Small)
            continue;
        // A click in the game area, once the mode takes input, hides the caption again.
        Backend().Key(VK_ESCAPE);
        App->RunFor(400);
        EXPECT_EQ(Frame().GetWindowRect().top, 0);
        Backend().Click(TDesktop::Get().ClientToScreen(Mode(), {320, 240}));
        App->PumpWaitingMessages();
        EXPECT_EQ(Frame().GetWindowRect().TopLeft(), c.Origin);
    }
}

TEST_F(GameFrameTest, ASwitchAsksDestroysAndMakesInOrderAndDeletesTheOldWindowAtIdle) {
    StartGame();
    // The start: the default window (mode -1), made, activated and resumed once.
    EXPECT_EQ(Log, (std::vector<std::string>{"new -1", "activate -1", "resume -1"}));
    EXPECT_EQ(Frame().GetShowingMode(), -1);
    TJorpModeWindow* first = Mode();
    Log.clear();
    EXPECT_EQ(Send(JMP_SWITCH_MODE, JMP_SUB_SWITCH, 1), 1);
    EXPECT_EQ(Log, (std::vector<std::string>{"ask -1", "deactivate -1", "new 1", "activate 1",
                                             "resume 1"}));
    EXPECT_TRUE(App->IsCondemned(first));
    EXPECT_EQ(Frame().GetClientWindow(), Mode());
    App->PumpWaitingMessages();
    EXPECT_EQ(Log.back(), "delete -1");
    EXPECT_EQ(Frame().GetShowingMode(), 1);
}

TEST_F(GameFrameTest, EnginePacketsSwitchOnlyWhenTheyNameAnotherModeOfTheGame) {
    TResourceRegistry::Get().AddStrings(
        std::vector<TStringResource>{{20000, "s4intro.m"}, {20001, "nomode.m"}});
    StartGame();
    const struct {
        const char* What;
        u8 Id, Sub;
        u16 Lo, Hi;
        i16 Showing; // afterwards
        bool NewWindow;
    } cases[] = {
        {"by number", 2, 0x02, 0, 0, 0, true},
        {"by name", 2, 0x03, 20000, 0, 1, true},
        {"the mode showing", 2, 0x02, 1, 0, 1, false},
        {"a name not in the game", 2, 0x03, 20001, 0, 1, false},
        {"past the last mode", 2, 0x02, 2, 0, 1, false},
        {"a negative number", 2, 0x02, 0xFFFF, 0, 1, false},
        {"no switch bit", 2, 0x01, 0, 0, 1, false},
        {"another request", 3, 0x02, 0, 0, 1, false},
        {"custom", 2, 0x82, 4, 5, 1, false},
    };
    for (const auto& c : cases) {
        Log.clear();
        Boxes.Boxes.clear();
        EXPECT_EQ(Send(c.Id, c.Sub, c.Lo, c.Hi), 1) << c.What;
        App->PumpWaitingMessages();
        EXPECT_EQ(Frame().GetShowingMode(), c.Showing) << c.What;
        EXPECT_EQ(!Log.empty(), c.NewWindow) << c.What;
    }
    // Only the custom switch, which no derived frame handles here, says anything.
    ASSERT_EQ(Boxes.Boxes.size(), 1U);
    EXPECT_EQ(Boxes.Boxes[0].Text, "Unhandled SwitchModes.\nIDCode: 4\nSIDCode: 5.");
    EXPECT_EQ(Boxes.Boxes[0].Caption, "Error - FrameWindow");
    EXPECT_EQ(Boxes.Boxes[0].Owner, &Frame());
}

TEST_F(GameFrameTest, AWindowThatRefusesToCloseStaysAndTheSwitchAnswersFalse) {
    StartGame();
    ASSERT_TRUE(Frame().SwitchToMode(0));
    Rec().RefusingMode = 1;
    ASSERT_TRUE(Frame().SwitchToMode(1));
    TJorpModeWindow* refusing = Mode();
    Log.clear();
    EXPECT_FALSE(Frame().SwitchToMode(0));
    EXPECT_EQ(Log, (std::vector<std::string>{"ask 1"}));
    EXPECT_EQ(Mode(), refusing);
    EXPECT_EQ(Frame().GetClientWindow(), refusing);
    EXPECT_EQ(Frame().GetShowingMode(), 1);
    EXPECT_TRUE(refusing->IsActive());
}

TEST_F(GameFrameTest, MinimisingStopsTheFramesAndRestoringStartsThemAgain) {
    StartGame();
    App->RunFor(1000);
    const u32 running = FrameCount();
    EXPECT_GE(running, 5U);
    Backend().At(Backend().Now(), HostEvent(TInputKind::Minimize));
    App->RunFor(1000);
    EXPECT_TRUE(Frame().IsMinimised());
    EXPECT_FALSE(Mode()->IsReady());
    const u32 minimised = FrameCount();
    EXPECT_LE(minimised, running + 1);
    // The mode state still steps while no frames are built.
    const int steps = Mode()->Steps;
    App->RunFor(500);
    EXPECT_EQ(FrameCount(), minimised);
    EXPECT_GT(Mode()->Steps, steps + 20);

    Backend().At(Backend().Now(), HostEvent(TInputKind::Restore));
    App->RunFor(1000);
    EXPECT_TRUE(Mode()->IsReady());
    EXPECT_GE(FrameCount(), minimised + 5);

    // Losing the application stops them as well.
    Backend().SetAppActive(false);
    App->RunFor(200);
    EXPECT_FALSE(Mode()->IsReady());
    Backend().SetAppActive(true);
    App->RunFor(200);
    EXPECT_TRUE(Mode()->IsReady());
}

TEST_F(GameFrameTest, ADialogOverTheGamePausesItsFramesButNotItsStateSteps) {
    StartGame();
    App->RunFor(500);
    for (bool pausedBefore : {false, true}) {
        Mode()->SetPaused(pausedBefore);
        u32 atOpen = 0, atClose = 0;
        int stepsAtOpen = 0, stepsAtClose = 0;
        Backend().After(100, [&] {
            atOpen = FrameCount();
            stepsAtOpen = Mode()->Steps;
            EXPECT_TRUE(Mode()->IsPaused());
            Backend().After(1000, [&] {
                atClose = FrameCount();
                stepsAtClose = Mode()->Steps;
                Backend().Key(VK_ESCAPE);
            });
        });
        // The speed command, as the menu sends it.
        Frame().SendMessage(WM_COMMAND, CM_SPEEDCONTROL, 0);
        EXPECT_EQ(atClose, atOpen);
        EXPECT_GT(stepsAtClose, stepsAtOpen + 50);
        EXPECT_EQ(Mode()->IsPaused(), pausedBefore);
        const u32 after = FrameCount();
        App->RunFor(1000);
        EXPECT_EQ(FrameCount() > after, !pausedBefore);
    }
}

} // namespace
