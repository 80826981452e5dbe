// Tests of TModeState: clicks, keys and idle steps down the state chain to the responders.
#include "engine/framework/ModeState.h"

#include "engine/foundation/JorpBase.h"
#include "engine/framework/ModeWindowApi.h"
#include "engine/framework/Responder.h"
#include "engine/framework/ResponderList.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>

namespace {

// Tokens: "S1/9@3,4" state S's hook of mouse kind 1 with data 9 at (3,4); "Bo1/9@3,4" the
// same event reaching window B's region; "Sc81/2/7" and "Bk7r2" a key at the hook and at the
// region; "Si" an idle hook; "Bf" window B's frame tick.
std::string Log;
void Note(const std::string& token) {
    Log += (Log.empty() ? "" : " ") + token;
}

std::string At(u32 data, const TPoint& p) {
    return "/" + std::to_string(data) + "@" + std::to_string(p.x) + "," + std::to_string(p.y);
}

// A region's owner that notes each event and never takes it.
struct TOwner : TJorpBase {
    explicit TOwner(char window) : TJorpBase(nullptr), Window(window) {}
    i32 EvResponder(TResponder* r) override {
        const std::string key =
            "k" + std::to_string(r->GetData()) + "r" + std::to_string(r->GetRepeat());
        Note(Window + std::string("o") +
             (r->GetKind() == JEK_HOTKEY
                  ? key
                  : std::to_string(r->GetKind()) + At(r->GetData(), r->GetPoint())));
        return 0;
    }
    char Window;
};

// A mode window reduced to what states ask of it, with one region over the game area.
struct TWin : TModeWindowApi {
    explicit TWin(char name, bool withList = true) : Name(name), Owner(name) {
        if (withList) {
            List = std::make_unique<TResponderList>(this);
            Region = std::make_unique<TResponder>(this, 10, TRect(0, 0, 640, 480), 1, &Owner, true,
                                                  'Q', TCursorData(), false);
        }
    }
    TResponderList* GetResponderList() const override { return List.get(); }
    bool FrameTick() override { return Note(Name + std::string("f")), true; }
    HWND GetResponderHandle() const override { return nullptr; }
    void SetResponderCursor(const TCursorData&) override {}

    char Name;
    std::unique_ptr<TResponderList> List;
    TOwner Owner;
    std::unique_ptr<TResponder> Region;
};

// A mode state that notes its hook calls and takes the kinds it is told to.
class TRecMode : public TModeState {
public:
    TRecMode(char name, TWin* window, bool flow = false)
        : TModeState(window), Name(name), Flow(flow) {}
    using TState::phaseTable;
    using TState::stopFlag;

    std::function<TState*()> Make; // group 0's sub-state
    std::set<int> TakeKinds;
    bool TakeKeys = false;
    bool TakeIdle = false;

    // Unless told to flow through its table, it stops in phase 2 like the base.
    void Enter() override { Flow ? TState::Enter() : TModeState::Enter(); }
    void CreateSubState(int g) override { subState.reset(g == 0 && Make ? Make() : nullptr); }
    bool OnMouseEvent1(u32 m, const TPoint& p) override { return Hook(1, m, p); }
    bool OnMouseEvent2(u32 m, const TPoint& p) override { return Hook(2, m, p); }
    bool OnMouseEvent3(u32 m, const TPoint& p) override { return Hook(3, m, p); }
    bool OnMouseEvent4(u32 m, const TPoint& p) override { return Hook(4, m, p); }
    bool OnMouseEvent5(u32 m, const TPoint& p) override { return Hook(5, m, p); }
    bool OnMouseEvent6(u32 m, const TPoint& p) override { return Hook(6, m, p); }
    bool OnMouseEvent7(u32 m, const TPoint& p) override { return Hook(7, m, p); }
    bool OnChar(u32 key, u32 repeat, u32 flags) override {
        Note(Name + ("c" + std::to_string(key) + "/" + std::to_string(repeat) + "/" +
                     std::to_string(flags)));
        return TakeKeys;
    }
    bool OnIdle() override { return Note(Name + std::string("i")), TakeIdle; }

private:
    bool Hook(int kind, u32 modKeys, const TPoint& p) {
        Note(Name + std::to_string(kind) + At(modKeys, p));
        return TakeKinds.count(kind) != 0;
    }
    char Name;
    bool Flow;
};

using TMouseEntry = void (TModeState::*)(u32, const TPoint&);
// In the order of their kinds, 1 to 7.
const TMouseEntry Entries[] = {&TModeState::EvLButtonDown,   &TModeState::EvLButtonUp,
                               &TModeState::EvLButtonDblClk, &TModeState::EvRButtonDown,
                               &TModeState::EvRButtonUp,     &TModeState::EvRButtonDblClk,
                               &TModeState::EvMouse7};

// Every mouse kind with data 9 at (3,4), the key 'Q' with repeat 2 and flags 7, an idle step.
void SendAll(TModeState& state) {
    for (TMouseEntry entry : Entries)
        (state.*entry)(9, TPoint(3, 4));
    state.EvChar('Q', 2, 7);
    state.Idle();
}

// What SendAll leaves when `state`'s hooks see everything and pass it to `window`'s region.
std::string Routed(char state, char window) {
    const std::string s(1, state), w(1, window);
    std::string log;
    for (int kind = 1; kind <= 7; ++kind)
        log += s + std::to_string(kind) + "/9@3,4 " + w + "o" + std::to_string(kind) + "/9@3,4 ";
    return log + s + "c81/2/7 " + w + "ok7r2 " + s + "i " + w + "f";
}

// Root R on window A runs one step per Run; after three it holds group 0's sub-state, which
// has run once (and may have ended).
struct TChain {
    TWin A{'A'}, B{'B'};
    TRecMode Root{'R', &A, true};
    explicit TChain(std::function<TState*(TChain&)> makeSub) {
        Root.stopFlag = true;
        Root.Make = [this, makeSub] { return makeSub(*this); };
        for (int run = 0; run < 3; ++run)
            EXPECT_EQ(Root.Run(), -2);
        EXPECT_NE(Root.GetSubState(), nullptr);
        Log.clear();
    }
};

// A plain state that waits until its stop flag is cleared.
struct TPlainWaiter : TState {
    void Enter() override { stopFlag = true; }
};

TEST(ModeStateTest, InputGoesToTheInnermostRunningModeStateAndItsOwnWindow) {
    const struct {
        const char* Title;
        std::function<TState*(TChain&)> Sub;
        std::string Expected;
    } cases[] = {
        {"a running mode sub-state", [](TChain& c) { return new TRecMode('S', &c.B); },
         Routed('S', 'B')},
        {"an ended but held mode sub-state drops everything",
         [](TChain& c) {
             auto* sub = new TRecMode('S', &c.B, true);
             sub->phaseTable[0] = TState::PhaseExit;
             return sub;
         },
         ""},
        // A plain state has no hooks: the mode state holding it keeps the input while it runs.
        {"a running plain sub-state", [](TChain&) { return new TPlainWaiter(); }, Routed('R', 'A')},
        {"an ended plain sub-state drops everything", [](TChain&) { return new TState(); }, ""},
    };
    for (const auto& c : cases) {
        TChain chain(c.Sub);
        SendAll(chain.Root);
        EXPECT_EQ(Log, c.Expected) << c.Title;
    }
    // An ended mode state itself drops everything.
    TWin window('A');
    TRecMode ended('S', &window, true);
    EXPECT_EQ(ended.Run(), -1);
    Log.clear();
    SendAll(ended);
    EXPECT_EQ(Log, "");
}

TEST(ModeStateTest, AHookThatTakesAnEventKeepsItFromTheRegionsAndTheFrameTick) {
    TWin window('A');
    TRecMode state('S', &window);
    state.TakeKinds = {1};
    state.TakeKeys = state.TakeIdle = true;
    state.Run();
    Log.clear();
    state.EvLButtonDown(1, TPoint(5, 6));
    state.EvLButtonUp(2, TPoint(5, 6));
    state.EvChar('Q', 1, 0);
    state.Idle();
    EXPECT_EQ(Log, "S1/1@5,6 S2/2@5,6 Ao2/2@5,6 Sc81/1/0 Si");
}

TEST(ModeStateTest, WithoutAResponderListEventsAreDropped) {
    TWin noList('A', false);
    TModeState listless(&noList), windowless(nullptr);
    Log.clear();
    for (TModeState* state : {&listless, &windowless})
        SendAll(*state);
    // Only the window that exists builds frames.
    EXPECT_EQ(Log, "Af");
}

} // namespace
