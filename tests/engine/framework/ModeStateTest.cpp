// Tests of TModeState: clicks, keys and idle steps down the state chain to the responders.
#include "engine/framework/ModeState.h"

#include "engine/foundation/JorpBase.h"
#include "engine/framework/ModeWindowApi.h"
#include "engine/framework/Responder.h"
#include "engine/framework/ResponderHost.h"
#include "engine/framework/ResponderList.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

using TLog = std::vector<std::string>;

// A mode window reduced to what states and responders ask of it.
class TFakeModeWindow : public TModeWindowApi {
public:
    explicit TFakeModeWindow(std::string name, TLog& log, bool withList = true)
        : Name(std::move(name)), Log(log) {
        if (withList)
            List = std::make_unique<TResponderList>(this);
    }
    TResponderList* GetResponderList() const override { return List.get(); }
    bool FrameTick() override {
        Log.push_back(Name + " frame");
        return true;
    }
    HWND GetResponderHandle() const override { return nullptr; }
    void SetResponderCursor(const TCursorData&) override {}

    std::string Name;
    TLog& Log;
    std::unique_ptr<TResponderList> List;
};

// The owner of a region: writes each event it is handed, and never takes it, so that the
// walk would go on to any other region.
class TRecOwner : public TJorpBase {
public:
    TRecOwner(std::string name, TLog& log) : TJorpBase(nullptr), Name(std::move(name)), Log(log) {}
    i32 EvResponder(TResponder* r) override {
        // A key event leaves the point of the latest mouse event in the record.
        if (r->GetKind() == JEK_HOTKEY)
            Log.push_back(Name + " key data " + std::to_string(r->GetData()) + " repeat " +
                          std::to_string(r->GetRepeat()));
        else
            Log.push_back(Name + " kind " + std::to_string(r->GetKind()) + " data " +
                          std::to_string(r->GetData()) + " at " + std::to_string(r->GetPoint().x) +
                          "," + std::to_string(r->GetPoint().y));
        return 0;
    }
    std::string Name;
    TLog& Log;
};

// A region covering the whole game area on the given window.
struct TRegion {
    TRegion(TFakeModeWindow& window, TLog& log, char hotKey = 'Q')
        : Owner(window.Name + " owner", log),
          Responder(&window, 10, TRect(0, 0, 640, 480), 1, &Owner, true, hotKey, TCursorData(),
                    false) {}
    TRecOwner Owner;
    TResponder Responder;
};

// A mode state that writes its hook calls and takes the kinds it is told to.
class TRecModeState : public TModeState {
public:
    TRecModeState(std::string name, TFakeModeWindow* window, TLog& log)
        : TModeState(window), Name(std::move(name)), Log(log) {}

    using TState::stopFlag;

    // Knobs.
    bool Flow = false; // Enter follows the phase table instead of stopping in phase 2
    std::function<TState*(int group)> Make;
    std::set<int> TakeKinds;
    bool TakeKeys = false;
    bool TakeIdle = false;

    void SetEntry(int entry, i32 value) {
        TPhaseTable table = GetPhaseTable();
        table[static_cast<std::size_t>(entry)] = value;
        SetPhaseTable(table);
    }

    void Enter() override {
        if (Flow)
            TState::Enter();
        else
            TModeState::Enter();
    }
    void CreateSubState(int group) override {
        if (Make)
            subState = Make(group);
    }
    bool OnMouseEvent1(u32 m, const TPoint& p) override { return Hook(1, m, p); }
    bool OnMouseEvent2(u32 m, const TPoint& p) override { return Hook(2, m, p); }
    bool OnMouseEvent3(u32 m, const TPoint& p) override { return Hook(3, m, p); }
    bool OnMouseEvent4(u32 m, const TPoint& p) override { return Hook(4, m, p); }
    bool OnMouseEvent5(u32 m, const TPoint& p) override { return Hook(5, m, p); }
    bool OnMouseEvent6(u32 m, const TPoint& p) override { return Hook(6, m, p); }
    bool OnMouseEvent7(u32 m, const TPoint& p) override { return Hook(7, m, p); }
    bool OnChar(u32 key, u32 repeat, u32 flags) override {
        Log.push_back(Name + " char " + std::to_string(key) + " " + std::to_string(repeat) + " " +
                      std::to_string(flags));
        return TakeKeys;
    }
    bool OnIdle() override {
        Log.push_back(Name + " idle");
        return TakeIdle;
    }

private:
    bool Hook(int kind, u32 modKeys, const TPoint& p) {
        Log.push_back(Name + " hook " + std::to_string(kind) + " data " + std::to_string(modKeys) +
                      " at " + std::to_string(p.x) + "," + std::to_string(p.y));
        return TakeKinds.count(kind) != 0;
    }
    std::string Name;
    TLog& Log;
};

using TMouseEntry = void (TModeState::*)(u32, const TPoint&);

struct TMouseRoute {
    const char* Name;
    TMouseEntry Entry;
    int Kind;
};

const TMouseRoute Routes[] = {
    {"EvLButtonDown", &TModeState::EvLButtonDown, 1},
    {"EvLButtonUp", &TModeState::EvLButtonUp, 2},
    {"EvLButtonDblClk", &TModeState::EvLButtonDblClk, 3},
    {"EvRButtonDown", &TModeState::EvRButtonDown, 4},
    {"EvRButtonUp", &TModeState::EvRButtonUp, 5},
    {"EvRButtonDblClk", &TModeState::EvRButtonDblClk, 6},
    {"EvMouse7", &TModeState::EvMouse7, 7},
};

std::string OwnerSaw(const std::string& window, int kind, u32 data, int x, int y) {
    return window + " owner kind " + std::to_string(kind) + " data " + std::to_string(data) +
           " at " + std::to_string(x) + "," + std::to_string(y);
}

std::string OwnerKey(const std::string& window, u32 data, int repeat) {
    return window + " owner key data " + std::to_string(data) + " repeat " + std::to_string(repeat);
}

TEST(ModeStateTest, TheBaseStateHandsEveryMouseKindToTheResponders) {
    for (const TMouseRoute& route : Routes) {
        SCOPED_TRACE(route.Name);
        TLog log;
        TFakeModeWindow window("A", log);
        TRegion region(window, log);
        TModeState state(&window);
        state.Run();
        (state.*route.Entry)(0x0C, TPoint(10, 20));
        EXPECT_EQ(log, TLog{OwnerSaw("A", route.Kind, 0x0C, 10, 20)});
    }
}

TEST(ModeStateTest, TheBaseStateHandsKeysToTheHotKeyDispatch) {
    TLog log;
    TFakeModeWindow window("A", log);
    TRegion region(window, log, 'Q');
    TModeState state(&window);
    state.EvChar('q', 3, 0x1E);
    state.EvChar('w', 1, 0x11);
    EXPECT_EQ(log, TLog{OwnerKey("A", 0x1E, 3)});
}

TEST(ModeStateTest, IdleOnTheBaseStateAlwaysRunsTheFrameTick) {
    TLog log;
    TFakeModeWindow window("A", log);
    TModeState state(&window);
    for (int step = 0; step < 3; ++step) {
        state.Idle();
        state.Run();
    }
    EXPECT_EQ(log, (TLog{"A frame", "A frame", "A frame"}));
}

TEST(ModeStateTest, WithoutAResponderListEventsAreDropped) {
    TLog log;
    TFakeModeWindow noList("A", log, false);
    TModeState listless(&noList);
    TModeState windowless(nullptr);
    for (TModeState* state : {&listless, &windowless}) {
        EXPECT_EQ(state->GetResponderList(), nullptr);
        for (const TMouseRoute& route : Routes)
            (state->*route.Entry)(0, TPoint(1, 1));
        state->EvChar('^', 1, 0);
        state->Idle();
    }
    // Only the window that exists builds frames.
    EXPECT_EQ(log, TLog{"A frame"});
}

TEST(ModeStateTest, AHookThatTakesAKindKeepsOnlyThatKindFromTheRegions) {
    TLog log;
    TFakeModeWindow window("A", log);
    TRegion region(window, log);
    TRecModeState state("S", &window, log);
    state.TakeKinds = {1};
    state.Run();
    state.EvLButtonDown(1, TPoint(5, 6));
    state.EvLButtonUp(2, TPoint(5, 6));
    state.EvRButtonDown(3, TPoint(7, 8));
    EXPECT_EQ(log,
              (TLog{"S hook 1 data 1 at 5,6", "S hook 2 data 2 at 5,6", OwnerSaw("A", 2, 2, 5, 6),
                    "S hook 4 data 3 at 7,8", OwnerSaw("A", 4, 3, 7, 8)}));

    log.clear();
    state.TakeKeys = true;
    state.TakeIdle = true;
    state.EvChar('Q', 1, 0);
    state.Idle();
    EXPECT_EQ(log, (TLog{"S char 81 1 0", "S idle"}));
}

// The root holds a sub-state made in its group 0; with its own stop flag set it makes one
// step per Run, so a test can stop it while the sub-state runs or after it has ended.
struct TChain {
    TLog log;
    TFakeModeWindow rootWindow{"A", log};
    TFakeModeWindow subWindow{"B", log};
    TRegion rootRegion{rootWindow, log};
    TRegion subRegion{subWindow, log};
    TRecModeState root{"R", &rootWindow, log};

    explicit TChain(std::function<TState*(TChain&)> makeSub) {
        root.Flow = true;
        root.stopFlag = true;
        root.Make = [this, makeSub](int g) { return g == 0 ? makeSub(*this) : nullptr; };
        EXPECT_EQ(root.Run(), -2); // Enter
        EXPECT_EQ(root.Run(), -2); // group 0 starts
        EXPECT_EQ(root.Run(), -2); // the sub-state runs once
        EXPECT_NE(root.GetSubState(), nullptr);
        log.clear();
    }
    void SendAll() {
        for (const TMouseRoute& route : Routes)
            (root.*route.Entry)(9, TPoint(3, 4));
        root.EvChar('Q', 2, 7);
        root.Idle();
    }
};

TEST(ModeStateTest, TheInnermostRunningStateActsThroughItsOwnWindow) {
    TChain chain([](TChain& c) { return new TRecModeState("S", &c.subWindow, c.log); });
    chain.SendAll();
    TLog expected;
    for (const TMouseRoute& route : Routes) {
        expected.push_back("S hook " + std::to_string(route.Kind) + " data 9 at 3,4");
        expected.push_back(OwnerSaw("B", route.Kind, 9, 3, 4));
    }
    expected.push_back("S char 81 2 7");
    expected.push_back(OwnerKey("B", 7, 2));
    expected.push_back("S idle");
    expected.push_back("B frame");
    EXPECT_EQ(chain.log, expected);
}

TEST(ModeStateTest, AnEndedButHeldSubStateDropsEverything) {
    TChain chain([](TChain& c) {
        auto* sub = new TRecModeState("S", &c.subWindow, c.log);
        sub->Flow = true;
        sub->SetEntry(0, TState::PhaseExit);
        return sub;
    });
    ASSERT_EQ(chain.root.GetSubState()->GetResult(), -1);
    chain.SendAll();
    EXPECT_EQ(chain.log, TLog{});
}

TEST(ModeStateTest, AnEndedModeStateDropsEverything) {
    TLog log;
    TFakeModeWindow window("A", log);
    TRegion region(window, log);
    TRecModeState state("S", &window, log);
    state.Flow = true;
    EXPECT_EQ(state.Run(), -1);
    for (const TMouseRoute& route : Routes)
        (state.*route.Entry)(0, TPoint(1, 1));
    state.EvChar('Q', 1, 0);
    state.Idle();
    EXPECT_EQ(log, TLog{});
}

// A plain state that waits until its stop flag is cleared.
struct TPlainWaiter : TState {
    void Enter() override { stopFlag = true; }
};

TEST(ModeStateTest, APlainSubStateLeavesTheInputToTheModeStateHoldingIt) {
    TChain waiting([](TChain&) { return new TPlainWaiter(); });
    ASSERT_EQ(waiting.root.GetSubState()->GetResult(), -2);
    waiting.root.EvLButtonDown(9, TPoint(3, 4));
    waiting.root.Idle();
    EXPECT_EQ(waiting.log,
              (TLog{"R hook 1 data 9 at 3,4", OwnerSaw("A", 1, 9, 3, 4), "R idle", "A frame"}));

    // Once it has ended, it blocks the input like an ended mode state.
    TChain ended([](TChain&) { return new TState(); });
    ASSERT_EQ(ended.root.GetSubState()->GetResult(), -1);
    ended.SendAll();
    EXPECT_EQ(ended.log, TLog{});
}

} // namespace
