// The mode window: the order of activation, deactivation and a frame's steps, the frame at
// which "now" begins, the input and frame gates (from the third frame, or from the first), a mode
// state that ends, timer messages inside a dialog, the timer's rest between frames, the hover poke,
// the detail level, and a mode that cannot be set up.
#include "AppFixture.h"

#include "../foundation/FileMgrFixture.h"
#include "ObjectBytes.h"
#include "engine/foundation/FileMgr.h"
#include "engine/framework/JorpTime.h"
#include "engine/framework/ModeState.h"
#include "engine/framework/ModeWindow.h"
#include "engine/framework/Responder.h"
#include "engine/framework/ResponderList.h"
#include "platform/framework/WinApi.h"
#include "platform/host/Clock.h"

namespace {

std::vector<std::string> Log;
// How the next window's mode states behave.
bool StatesEnd = false;
// The next window takes clicks and keys from its first frame.
bool FirstFrameInput = false;
std::function<bool()> IdleHook;

// Notes the clicks and keys it takes; may end at once.
class TRecState : public TModeState {
public:
    explicit TRecState(TModeWindowApi* window) : TModeState(window) {}
    void Enter() override { StatesEnd ? TState::Enter() : TModeState::Enter(); }
    bool OnMouseEvent1(u32, const TPoint&) override { return Log.push_back("click"), true; }
    bool OnMouseEvent2(u32, const TPoint&) override { return Log.push_back("up"), true; }
    bool OnChar(u32 key, u32, u32) override { return Log.push_back({'k', char(key)}), true; }
    bool OnIdle() override { return IdleHook && IdleHook(); }
};

// Notes its steps, with "*" while the hold flag is set and " A" while active, and the keys
// "now" gives from inside the frame.
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
        ModeState = new TRecState(this);
    }
    void DeleteModeState() override {
        if (ModeState != nullptr && IsActive())
            Note("state-");
        TJorpModeWindow::DeleteModeState();
    }
    void StepModeState() override {
        Note("step");
        StepTimes.push_back(GetTickCount64());
        TJorpModeWindow::StepModeState();
    }
    void UpdateGameObjects() override { Note("objects update"); }
    void RunGameObjectStates() override { Note("objects run"); }
    void FrameBegin(u32 frame) override {
        Note("begin");
        Marks.push_back(TEngineContext::FileMgr->GetData().FrameMark == frame);
        UseSpriteNow(0, 0);
    }
    void CheckStopObjects(u32) override { Note("tick"); }
    void RenderAndPumpSound(u32 f) override {
        Note("render"), TJorpModeWindow::RenderAndPumpSound(f);
    }
    void CheckStartObjects(u32) override { Note("post"); }
    void UpdateStates(u32) override { Note("update"), UseSkitNow(0, 0, 0); }
    bool UseSprite(i16, i16, u32 key) override { return Keys.push_back(key), false; }
    bool UseSkit(i16, i16, i16, u32 key) override { return Keys.push_back(key), false; }
    bool TakesInputFromFirstFrame() const override { return FirstFrameInput; }

    void Note(const std::string& step) {
        if (Tracing)
            Log.push_back(step + (IsHoldSet() ? "*" : "") + (IsActive() ? " A" : ""));
    }
    bool Tracing = true;
    std::vector<u64> StepTimes;
    std::vector<u32> Keys;
    std::vector<bool> Marks;
};

class TOrderFrame : public TJorpGameFrameWindow {
public:
    explicit TOrderFrame(TJorpApp* app) : TJorpGameFrameWindow(app, "Test Game", true, true) {}
    TJorpModeWindow* CreateModeWindow(i16) override {
        return ModeWindow = new TOrderWindow(App, this);
    }
};

class ModeWindowTest : public AppFixture {
protected:
    ModeWindowTest() {
        Log.clear();
        StatesEnd = false;
        FirstFrameInput = false;
        IdleHook = nullptr;
        MakeFrame = [](TJorpApp* app) { return new TOrderFrame(app); };
    }
    TOrderWindow& Window() { return *static_cast<TOrderWindow*>(Frame().GetModeWindow()); }
    u32 Counter() { return Window().GetFrameTimer()->GetCounter(); }
    void RunToFrame(u32 n) {
        while (Counter() < n)
            App->RunFor(10);
    }
};

TEST_F(ModeWindowTest, ActivationAndDeactivationRunTheirStepsInOrder) {
    StartGame();
    // Shown before the mode loads; active only at the end.
    EXPECT_EQ(Log, (std::vector<std::string>{"init", "load+", "mode (shown)", "state+", "step",
                                             "load-"}));
    EXPECT_TRUE(Window().IsReady() && Window().IsActive());
    // WinG is loaded before the first mode, which makes palette, background and screen.
    const auto wing = std::find(Makers.Log.begin(), Makers.Log.end(), "wing+");
    ASSERT_LE(wing + 4, Makers.Log.end());
    EXPECT_EQ(std::vector<std::string>(wing, wing + 4),
              (std::vector<std::string>{"wing+", "pal casino.pal", "mono 0", "screen"}));
    Log.clear();
    Window().Deactivate();
    EXPECT_EQ(Log, (std::vector<std::string>{"objects update A", "state- A"}));
    EXPECT_FALSE(Window().IsActive() || Window().IsReady());
    EXPECT_EQ(Window().GetMode(), nullptr);
    EXPECT_EQ(Window().GetFrameTimer(), nullptr);
    EXPECT_EQ(ReadBack("Default", "Detail Level"), 3);
    Log.clear();
    Window().Deactivate();
    EXPECT_TRUE(Log.empty());
}

// Notes each slot it is given into the order log, and keeps the slots.
class TRecCursors : public TCursorMgrFace {
public:
    void SetCursorData(i32 slot, const TCursorData& cursor, bool apply) override {
        Log.push_back("cursor " + std::to_string(slot) + "=" + std::to_string(cursor.Id) +
                      (apply ? " shown" : ""));
        Slots[slot] = cursor;
    }
    const TCursorData& GetChosen() const override {
        for (const TCursorData& slot : Slots)
            if (slot.IsSet())
                return slot;
        return Arrow;
    }
    TCursorData Slots[4];
    TCursorData Arrow{nullptr, IDC_ARROW};
};

TEST_F(ModeWindowTest, TheWaitCursorCoversTheLoadAndTheEndForgetsTheRegionCursors) {
    TRecCursors cursors;
    Cursors = &cursors;
    StartGame();
    EXPECT_EQ(Log,
              (std::vector<std::string>{"cursor 0=32514 shown", "init", "load+", "mode (shown)",
                                        "state+", "step", "load-", "cursor 0=0 shown"}));
    // A responder's cursor goes to slot 3, and the manager's choice is what the window shows.
    Window().SetResponderCursor(TCursorData(nullptr, 32515));
    EXPECT_EQ(cursors.Slots[3].Id, 32515u);
    cursors.Slots[2] = TCursorData(nullptr, 32513);
    Log.clear();
    Window().Deactivate();
    EXPECT_EQ(std::vector<std::string>(Log.end() - 2, Log.end()),
              (std::vector<std::string>{"cursor 2=0 shown", "cursor 3=0 shown"}));
    EXPECT_EQ(cursors.GetChosen().Id, IDC_ARROW);
    App->SetCursorMgr(nullptr);
}

TEST_F(ModeWindowTest, AFrameRunsItsStepsInOrderAndNowIsThisFrameOnlyWhileHeld) {
    StartGame();
    Log.clear();
    RunToFrame(1);
    std::erase_if(Log, [](const std::string& s) { return s.rfind("step", 0) == 0; });
    EXPECT_EQ(Log, (std::vector<std::string>{"objects run* A", "begin* A", "tick A", "render A",
                                             "post A", "update A", "objects run A"}));
    EXPECT_EQ(Makers.Only("render").size(), 1U);
    // From the frame's begin "now" is frame 1; from its update, and outside, the next.
    Window().UseSpriteNow(0, 0);
    EXPECT_EQ(Window().Keys, (std::vector<u32>{1, 2, 2}));
    EXPECT_EQ(Window().Marks, (std::vector<bool>{true}));
}

TEST_F(ModeWindowTest, InputCountsFromTheThirdFrameAndFramesStopWhileGated) {
    StartGame();
    Window().Tracing = false;
    Log.clear();
    const TPoint centre = TDesktop::Get().ClientToScreen(&Window(), {100, 100});
    for (u32 frame : {0U, 1U, 2U}) {
        RunToFrame(frame);
        Backend().Click(centre);
        Backend().Type('x');
        App->PumpWaitingMessages();
    }
    EXPECT_EQ(Log, (std::vector<std::string>{"click", "up", "kx"}));

    const std::pair<std::function<void()>, std::function<void()>> gates[] = {
        {[&] { Window().SetPaused(true); }, [&] { Window().Resume(); }},
        {[&] { Window().OnAppDeactivate(); }, [&] { Window().OnAppActivate(); }},
    };
    for (const auto& [gate, ungate] : gates) {
        gate();
        const u32 held = Counter();
        App->RunFor(1000);
        EXPECT_EQ(Counter(), held);
        ungate();
        App->RunFor(1000);
        EXPECT_GE(Counter(), held + 5);
    }
    // A deactivated window ignores its timer: not even the state steps.
    Window().Deactivate();
    Window().Tracing = true;
    Log.clear();
    Window().SendMessage(WM_TIMER, JorpModeTimerId, 0);
    EXPECT_TRUE(Log.empty());
}

TEST_F(ModeWindowTest, AWindowThatTakesInputFromItsFirstFrameLetsGoOnlyWhatCameBefore) {
    FirstFrameInput = true;
    StartGame();
    Window().Tracing = false;
    Log.clear();
    const TPoint centre = TDesktop::Get().ClientToScreen(&Window(), {100, 100});
    RunToFrame(0);
    Backend().MouseButton(centre, TMouseButton::Left, true);
    Backend().Type('a');
    App->PumpWaitingMessages();
    EXPECT_TRUE(Log.empty());
    // The press made before the first frame is let go by a release the window does not take.
    RunToFrame(1);
    Backend().MouseButton(centre, TMouseButton::Left, false);
    App->PumpWaitingMessages();
    EXPECT_TRUE(Log.empty());
    Backend().Click(centre);
    Backend().Type('b');
    App->PumpWaitingMessages();
    EXPECT_EQ(Counter(), 1U);
    EXPECT_EQ(Log, (std::vector<std::string>{"click", "up", "kb"}));
}

TEST_F(ModeWindowTest, AModeStateThatEndsIsReplacedAtOnceAndWarnedAboutOnce) {
    StatesEnd = true;
    StartGame();
    App->RunFor(500);
    EXPECT_GT(std::count(Log.begin(), Log.end(), "state+ A"), 10);
    EXPECT_NE(Window().GetModeState(), nullptr);
    ASSERT_EQ(Boxes.Boxes.size(), 1U);
    EXPECT_EQ(Boxes.Boxes[0].Text, "Unexpected mode state 'done' status.\nMaking new state");
    EXPECT_EQ(Boxes.Boxes[0].Caption, "Warning - mode state");
}

TEST_F(ModeWindowTest, TimerMessagesInsideALoopRunFromAStepDoNotStepAgain) {
    int idles = 0, nested = 0;
    bool inside = false;
    IdleHook = [&] {
        nested += inside;
        if (++idles == 5) {
            // As a dialog opened from a state step: its loop delivers timer messages.
            inside = true;
            App->RunFor(300);
            inside = false;
        }
        return false;
    };
    StartGame();
    // Between frames the timer rests, so the hook runs about once a frame.
    App->RunFor(1200);
    EXPECT_GT(idles, 6);
    EXPECT_EQ(nested, 0);
}

TEST_F(ModeWindowTest, BetweenFramesTheTimerRestsAndInputIsSteppedOnAtOnce) {
    StartGame();
    Window().Tracing = false;
    RunToFrame(2);
    const u32 frames = Counter();
    Window().StepTimes.clear();
    App->RunFor(3000);
    // The frames keep the pace a timer firing every 10 ms gives them (one every 150 ms), but
    // the state is stepped about once a frame, not every 10 ms.
    EXPECT_EQ(Counter() - frames, 20U);
    EXPECT_LE(Window().StepTimes.size(), 2U * 20U);
    // A click in the middle of a rest: the state steps on it at once, then rests again.
    const TPoint centre = TDesktop::Get().ClientToScreen(&Window(), {100, 100});
    RunToFrame(Counter() + 1);
    Window().StepTimes.clear();
    Log.clear();
    const u64 clickAt = Backend().Now() + 60;
    Backend().At(clickAt, [&] { Backend().Click(centre); });
    App->RunFor(100);
    EXPECT_EQ(Log, (std::vector<std::string>{"click", "up"}));
    EXPECT_EQ(Window().StepTimes, (std::vector<u64>{clickAt}));
}

// Notes each hover enter with the point it came with.
struct THoverOwner : TJorpBase {
    THoverOwner() : TJorpBase(nullptr) {}
    i32 EvResponder(TResponder* r) override {
        if (r->GetKind() == JEK_HOVER_ENTER)
            Enters.push_back(r->GetPoint());
        return 0;
    }
    std::vector<TPoint> Enters;
};

TEST_F(ModeWindowTest, APokeTellsTheResponderUnderAStillMouseItIsEnteredAgain) {
    StartGame();
    THoverOwner owner;
    TResponder region(&Window(), 10, TRect(100, 100, 200, 200), 5, &owner, true, 0, TCursorData(),
                      true);
    TResponderList* list = Window().GetResponderList();
    ASSERT_NE(list, nullptr);
    // Nobody under the mouse yet: nobody hears.
    Window().PokeHoverResponder();
    EXPECT_TRUE(owner.Enters.empty());
    TPoint screen{150, 120};
    ASSERT_TRUE(ClientToScreen(Window().GetHandle(), &screen));
    Backend().MouseMove(screen);
    App->PumpWaitingMessages();
    list->DispatchMouse(JEK_CURSOR, 0, TPoint{150, 120});
    ASSERT_EQ(owner.Enters.size(), 1U);
    // The mouse has not moved, yet the region hears of it again, where the mouse is.
    Window().PokeHoverResponder();
    ASSERT_EQ(owner.Enters.size(), 2U);
    EXPECT_EQ(owner.Enters[1], TPoint(150, 120));
    // A window that has let its mode go has no list to poke.
    Window().Deactivate();
    EXPECT_EQ(Window().GetResponderList(), nullptr);
    Window().PokeHoverResponder();
    EXPECT_EQ(owner.Enters.size(), 2U);
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
    const std::pair<const char*, i16> cases[] = {{nullptr, 3}, {"7", 3},  {"-1", 0},
                                                 {"2", 2},     {"1x", 1}, {"abc", 3},
                                                 {"", 3},      {"0", 0},  {"99999999999", 3}};
    TJorpModeWindow window(nullptr, nullptr, "defmode", nullptr, "M");
    for (const auto& [stored, level] : cases) {
        std::filesystem::remove(Dir.Host("otcraps.ini"));
        if (stored != nullptr)
            Settings.WriteString("Default", "Detail Level", stored);
        window.SetDetailLevel(1);
        window.ReadDetailLevel();
        EXPECT_EQ(window.GetDetailLevel(), level) << (stored ? stored : "(none)");
    }
    // Without a mode there is no list, and no member of any name.
    EXPECT_EQ(window.GetGameObjectIndex("lord.go"), -1);
}

TEST_F(ModeWindowFiles, AModeThatCannotBeSetUpEndsTheProgram) {
    Cd.WriteHostFile("short.m", "MODE\x02\x00");
    Cd.WriteHostFile("later.m", Header("MODE", 2, 2) + Le16(3) + Str("a.bmp") + Str(""));
    for (const char* name : {"gone.m", "short.m", "later.m"}) {
        Boxes.Boxes.clear();
        TJorpModeWindow window(nullptr, nullptr, name, nullptr, "M");
        window.Attr.Style = WS_POPUP;
        ASSERT_TRUE(window.Create());
        EXPECT_THROW(window.Activate(), TProcessExit) << name;
        ASSERT_EQ(Boxes.Boxes.size(), 1U) << name;
        EXPECT_EQ(Boxes.Boxes[0].Text, std::string("Error setting up Mode\n Mode name: ") + name);
        EXPECT_EQ(Boxes.Boxes[0].Caption, "GObj Setup");
    }
}

} // namespace
