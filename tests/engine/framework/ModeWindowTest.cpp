// The mode window: the order of activation, deactivation and a frame's steps, the frame at
// which "now" begins, the input and frame gates, the detail level, a mode state that ends,
// timer messages inside a dialog, and a mode that cannot be set up.
#include "AppFixture.h"

#include "engine/foundation/FileMgr.h"
#include "engine/framework/JorpMode.h"
#include "engine/framework/JorpTime.h"
#include "engine/framework/ModeState.h"
#include "engine/framework/ModeWindow.h"
#include "platform/framework/WinApi.h"

#include "../foundation/FileMgrFixture.h"
#include "ObjectBytes.h"

namespace {

std::vector<std::string> Log;

// A mode state that notes the clicks and keys it gets, and may end at once.
class TRecState : public TModeState {
public:
    TRecState(TModeWindowApi* window, bool ends) : TModeState(window), Ends(ends) {}
    void Enter() override { Ends ? TState::Enter() : TModeState::Enter(); }
    bool OnMouseEvent1(u32, const TPoint&) override { return Log.push_back("click"), true; }
    bool OnChar(u32 key, u32, u32) override {
        return Log.push_back(std::string("key ") + static_cast<char>(key)), true;
    }
    bool OnIdle() override { return Idle ? Idle() : false; }

    bool Ends;
    std::function<bool()> Idle;
};

// Notes the activation and frame steps, each with "*" while the hold flag is set, and the
// keys "now" gives from inside the frame.
class TOrderWindow : public TJorpModeWindow {
public:
    TOrderWindow(TJorpApp* app, TJorpGameFrameWindow* frame)
        : TJorpModeWindow(app, frame, "defmode", app->GetPalette(), "Order") {}

    void InitOnce() override { Note("init"), TJorpModeWindow::InitOnce(); }
    void OpenLoadDialog() override { Note("load+"), TJorpModeWindow::OpenLoadDialog(); }
    void CloseLoadDialog() override {
        if (GetProgress() != nullptr)
            Note("load-");
        TJorpModeWindow::CloseLoadDialog();
    }
    void CreateMode() override {
        Note(GetWindowState().Visible ? "mode (shown)" : "mode");
        TJorpModeWindow::CreateMode();
    }
    void CreateModeState() override {
        Note("state+");
        DeleteModeState();
        ModeState = new TRecState(this, StateEnds);
        if (Idle)
            static_cast<TRecState*>(ModeState)->Idle = Idle;
    }
    void DeleteModeState() override {
        if (ModeState != nullptr && IsActive())
            Note("state-");
        TJorpModeWindow::DeleteModeState();
    }
    void StepModeState() override {
        if (Tracing)
            Note("step");
        TJorpModeWindow::StepModeState();
    }
    void UpdateGameObjects() override { Note("objects update"); }

    void RunGameObjectStates() override { Note("objects run"); }
    void FrameBegin(u32 frame) override {
        Note("begin");
        if (TEngineContext::FileMgr != nullptr)
            Marks.push_back(TEngineContext::FileMgr->GetData().FrameMark == frame);
        UseSpriteNow(0, 0);
    }
    void CheckStopObjects(u32) override { Note("tick"); }
    void RenderAndPumpSound(u32 frame) override {
        Note("render");
        TJorpModeWindow::RenderAndPumpSound(frame);
    }
    void CheckStartObjects(u32) override { Note("post"); }
    void UpdateStates(u32) override {
        Note("update");
        UseSkitNow(0, 0, 0);
    }
    bool UseSprite(i16, i16, u32 key) override { return Keys.push_back(key), false; }
    bool UseSkit(i16, i16, i16, u32 key) override { return Keys.push_back(key), false; }

    void Note(const std::string& step) {
        if (Tracing)
            Log.push_back(step + (IsHoldSet() ? "*" : "") + (IsActive() && IsReady() ? " R" : "") +
                          (IsActive() ? " A" : ""));
    }

    bool Tracing = true;
    bool StateEnds = false;
    std::function<bool()> Idle;
    std::vector<u32> Keys;
    std::vector<bool> Marks;
};

class TOrderFrame : public TJorpGameFrameWindow {
public:
    explicit TOrderFrame(TJorpApp* app) : TJorpGameFrameWindow(app, "Test Game", true, true) {}
    TJorpModeWindow* CreateModeWindow(i16) override {
        auto* w = new TOrderWindow(App, this);
        w->StateEnds = StateEnds;
        w->Idle = Idle;
        ModeWindow = w;
        return ModeWindow;
    }
    bool StateEnds = false;
    std::function<bool()> Idle;
};

class ModeWindowTest : public AppFixture {
protected:
    ModeWindowTest() {
        Log.clear();
        MakeFrame = [this](TJorpApp* app) {
            auto* frame = new TOrderFrame(app);
            frame->StateEnds = StateEnds;
            frame->Idle = Idle;
            return frame;
        };
    }
    TOrderWindow& Window() { return *static_cast<TOrderWindow*>(Frame().GetModeWindow()); }
    u32 Counter() { return Window().GetFrameTimer()->GetCounter(); }
    // Runs until the frame counter reaches n.
    void RunToFrame(u32 n) {
        while (Counter() < n)
            App->RunFor(10);
    }

    bool StateEnds = false;
    std::function<bool()> Idle;
};

TEST_F(ModeWindowTest, ActivationAndDeactivationRunTheirStepsInOrder) {
    StartGame();
    // Shown before the mode loads; ready and active only at the end.
    EXPECT_EQ(Log, (std::vector<std::string>{"init", "load+", "mode (shown)", "state+", "step",
                                             "load-"}));
    EXPECT_TRUE(Window().IsReady());
    EXPECT_TRUE(Window().IsActive());
    // WinG is loaded before the first mode; the mode makes its palette, background and
    // screen manager in that order.
    const auto wing = std::find(Makers.Log.begin(), Makers.Log.end(), "wing+");
    ASSERT_LE(wing + 4, Makers.Log.end());
    EXPECT_EQ(std::vector<std::string>(wing, wing + 4),
              (std::vector<std::string>{"wing+", "pal casino.pal", "mono 0", "screen"}));
    Log.clear();
    Window().Deactivate();
    // Not ready from the first step on; the state goes before the mode, and active goes last.
    EXPECT_EQ(Log, (std::vector<std::string>{"objects update A", "state- A"}));
    EXPECT_FALSE(Window().IsActive());
    EXPECT_EQ(Window().GetMode(), nullptr);
    EXPECT_EQ(Window().GetFrameTimer(), nullptr);
    EXPECT_EQ(ReadBack("Default", "Detail Level"), 3);
    // Doing it twice does nothing.
    Log.clear();
    Window().Deactivate();
    EXPECT_TRUE(Log.empty());
}

TEST_F(ModeWindowTest, AFrameRunsItsStepsInOrderAndNowIsThisFrameOnlyWhileHeld) {
    StartGame();
    Log.clear();
    RunToFrame(1);
    std::vector<std::string> steps;
    for (const std::string& s : Log)
        if (s.rfind("step", 0) != 0)
            steps.push_back(s);
    EXPECT_EQ(steps,
              (std::vector<std::string>{"objects run* R A", "begin* R A", "tick R A", "render R A",
                                        "post R A", "update R A", "objects run R A"}));
    EXPECT_EQ(Makers.Only("render").size(), 1U);
    // From the frame's begin "now" is frame 1; from its update it is the next.
    EXPECT_EQ(Window().Keys, (std::vector<u32>{1, 2}));
    EXPECT_EQ(Window().Marks, (std::vector<bool>{true}));
    // Outside a frame "now" is always the next one.
    Window().Keys.clear();
    Window().UseSpriteNow(0, 0);
    EXPECT_EQ(Window().Keys, (std::vector<u32>{2}));
}

TEST_F(ModeWindowTest, InputCountsFromTheThirdFrameAndFramesStopWhileGated) {
    StartGame();
    Window().Tracing = false;
    Log.clear();
    const TPoint centre = TDesktop::Get().ClientToScreen(&Window(), {100, 100});
    for (u32 frame : {0U, 1U, 2U, 3U}) {
        RunToFrame(frame);
        Backend().Click(centre);
        Backend().Type('x');
        App->PumpWaitingMessages();
    }
    // Frames 0 and 1 dropped both.
    EXPECT_EQ(Log, (std::vector<std::string>{"click", "key x", "click", "key x"}));

    const struct {
        const char* What;
        std::function<void()> Gate, Ungate;
    } gates[] = {
        {"paused", [&] { Window().SetPaused(true); }, [&] { Window().Resume(); }},
        {"application inactive", [&] { Window().OnAppDeactivate(); },
         [&] { Window().OnAppActivate(); }},
    };
    for (const auto& g : gates) {
        g.Gate();
        const u32 held = Counter();
        App->RunFor(1000);
        EXPECT_EQ(Counter(), held) << g.What;
        g.Ungate();
        App->RunFor(1000);
        EXPECT_GE(Counter(), held + 5) << g.What;
    }
    // A deactivated window ignores its timer: not even the state steps.
    Window().Tracing = true;
    Window().Deactivate();
    Log.clear();
    Window().SendMessage(WM_TIMER, JorpModeTimerId, 0);
    EXPECT_TRUE(Log.empty());
}

TEST_F(ModeWindowTest, AModeStateThatEndsIsReplacedFirstAndWarnedAboutOnce) {
    StateEnds = true;
    StartGame();
    // The first run in Activate ends it already.
    ASSERT_EQ(Boxes.Boxes.size(), 1U);
    EXPECT_EQ(Boxes.Boxes[0].Text, "Unexpected mode state 'done' status.\nMaking new state");
    EXPECT_EQ(Boxes.Boxes[0].Caption, "Warning - mode state");
    App->RunFor(500);
    // Every state ends and is replaced at once; there is always one afterwards.
    EXPECT_NE(Window().GetModeState(), nullptr);
    size_t replaced = 0;
    for (const std::string& s : Log)
        replaced += s.rfind("state+", 0) == 0;
    EXPECT_GT(replaced, 10U);
    EXPECT_EQ(Boxes.Boxes.size(), 1U);
}

TEST_F(ModeWindowTest, TimerMessagesInsideALoopRunFromAStepDoNotStepAgain) {
    int idles = 0;
    int nested = 0;
    bool inside = false;
    Idle = [&] {
        ++idles;
        if (inside)
            ++nested;
        if (idles == 5) {
            // A dialog opened from a state step: its loop delivers timer messages.
            inside = true;
            App->RunFor(300);
            inside = false;
        }
        return false;
    };
    StartGame();
    App->RunFor(600);
    EXPECT_GT(idles, 20);
    EXPECT_EQ(nested, 0);
}

TEST_F(ModeWindowTest, GameObjectQuestionsWithoutAModeAnswerNothing) {
    TJorpModeWindow window(nullptr, nullptr, "defmode", nullptr, "M");
    EXPECT_EQ(window.GetGObjList(), nullptr);
    EXPECT_EQ(window.GetGameObjectIndex("lord.go"), -1);
    EXPECT_EQ(window.GetSpriteDuration(0, 0), 0U);
    EXPECT_FALSE(window.UseSpriteNow(0, 0));
    EXPECT_EQ(window.GetFrameCounter(), nullptr);
    EXPECT_EQ(window.GetResponderList(), nullptr);
    EXPECT_FALSE(window.FrameTick());
}

// The detail level and the fatal mode paths need only the window, the settings and the
// data-file manager.
class ModeWindowFiles : public ObjectFileFixture {
protected:
    THeadlessSession Session;
    TFakeMediaMaker Makers;
    TMessageBoxRecorder Boxes;
    TExitTrap Exits;
};

TEST_F(ModeWindowFiles, TheDetailLevelIsClampedAndReadsAsRichestWhenNotANumber) {
    const struct {
        const char* Stored; // null: no key
        i16 Level;
    } cases[] = {{nullptr, 3}, {"7", 3}, {"-1", 0}, {"2", 2},          {"1x", 1},
                 {"abc", 3},   {"", 3},  {"0", 0},  {"99999999999", 3}};
    TJorpModeWindow window(nullptr, nullptr, "defmode", nullptr, "M");
    for (const auto& c : cases) {
        Settings.WriteString("Default", "Detail Level", c.Stored != nullptr ? c.Stored : "");
        if (c.Stored == nullptr)
            std::filesystem::remove(Dir.Host("otcraps.ini"));
        window.SetDetailLevel(1);
        window.ReadDetailLevel();
        EXPECT_EQ(window.GetDetailLevel(), c.Level) << (c.Stored ? c.Stored : "(none)");
    }
    window.SetDetailLevel(2);
    window.WriteDetailLevel();
    EXPECT_EQ(Settings.GetInt("Default", "Detail Level", -1), 2);
}

TEST_F(ModeWindowFiles, AModeThatCannotBeSetUpEndsTheProgram) {
    Cd.WriteHostFile("short.m", "MODE\x02\x00");
    Cd.WriteHostFile("later.m", Header("MODE", 2, 2) + Le16(3) + Str("a.bmp") + Str(""));
    for (const char* name : {"gone.m", "short.m", "later.m"}) {
        Boxes.Boxes.clear();
        TJorpModeWindow window(nullptr, nullptr, name, nullptr, "M");
        window.Attr.Style = WS_POPUP;
        ASSERT_TRUE(window.Create());
        int code = 0;
        try {
            window.Activate();
        } catch (const TProcessExit& e) {
            code = e.Code;
        }
        EXPECT_EQ(code, 1) << name;
        ASSERT_EQ(Boxes.Boxes.size(), 1U) << name;
        EXPECT_EQ(Boxes.Boxes[0].Text, std::string("Error setting up Mode\n Mode name: ") + name);
        EXPECT_EQ(Boxes.Boxes[0].Caption, "GObj Setup");
    }
}

} // namespace
