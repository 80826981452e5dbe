// Tests of TState: phase flows, sub-state results, waiting, frame calls and the chain's end.
#include "engine/framework/State.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using TMake = std::function<TState*(int group)>;

// Every handler call goes into one shared log as a token: the state's letter, then n enter,
// l leave, x exit, a abort, b/u frame begin/update, s/c/r/e start/create/run/end of a group
// (with its number), ~ destroyed.
std::string Log;

class TRec : public TState {
public:
    explicit TRec(char name) : Name(name) {}
    ~TRec() override { Note("~"); }
    using TState::phase;
    using TState::stopFlag;

    TMake Make;
    std::optional<i32> Code; // Exit ends with this result instead of the base's
    int Hold = 0;            // Enter sets the stop flag: 1 stays in phase 2, 2 waits in Leave

    TRec& Set(int entry, i32 value) { return phaseTable[entry] = value, *this; }
    TRec& Flag(int group) { return groupFlags[group] = true, *this; }
    TRec& With(TMake make) { return Make = std::move(make), *this; }

    void Exit() override { Note("x"), Code ? void(result = *Code) : TState::Exit(); }
    void Leave() override { Note("l"), TState::Leave(); }
    void Enter() override {
        Note("n");
        if (Hold == 0)
            return TState::Enter();
        stopFlag = true;
        if (Hold == 2)
            phase = PhaseLeave;
    }
    void Abort() override { Note("a"), TState::Abort(); }
    void FrameBegin(u32 frame) override { Note("b", frame); }
    void Update(u32 frame) override { Note("u", frame); }
    void CreateSubState(int g) override { Note("c", g), subState.reset(Make ? Make(g) : nullptr); }
    void StartSubState(int g) override { Note("s", g), TState::StartSubState(g); }
    void RunSubState(int g) override { Note("r", g), TState::RunSubState(g); }
    void EndSubState(int g) override { Note("e", g), TState::EndSubState(g); }

private:
    void Note(const char* what, i64 n = -1) {
        Log += (Log.empty() ? "" : " ") + (Name + std::string(what));
        Log += n < 0 ? "" : std::to_string(n);
    }
    char Name;
};

TRec* Sub(TState* s) {
    return static_cast<TRec*>(s->GetSubState());
}

// A sub-state that ends in its first Run with the given code.
TRec* Quick(i32 code, char name = 'C') {
    auto* state = new TRec(name);
    state->Set(0, TState::PhaseExit).Code = code;
    return state;
}

// A sub-state that waits in Leave until its stop flag is cleared.
TRec* Waiting(char name = 'C') {
    auto* state = new TRec(name);
    state->Hold = 2;
    return state;
}

// Only group 0 makes a sub-state: a quick one ending with `code`, or a waiting one.
TMake Quick0(i32 code) {
    return [code](int g) { return g == 0 ? Quick(code) : nullptr; };
}
TMake Waiting0() {
    return [](int g) { return g == 0 ? Waiting() : nullptr; };
}

// Group 0 waits (W); group 1 hands back to group 0 until its second sub-state (Q) ends with
// code 9.
TMake RepeatWhileWaiting() {
    return [round = std::make_shared<int>(0)](int g) -> TState* {
        if (g == 0)
            return Waiting('W');
        return g == 1 ? Quick(++*round == 2 ? 9 : 1, 'Q') : nullptr;
    };
}

// Group 0 makes C, whose only group 4 makes a waiting G.
TMake Chain0() {
    return [](int g) -> TState* {
        if (g != 0)
            return nullptr;
        auto make = [](int cg) { return cg == 4 ? Waiting('G') : nullptr; };
        return &(new TRec('C'))->Set(0, TState::StartPhase(4)).Set(5, -1).With(make);
    };
}

// A group of P that runs without a sub-state.
std::string G(int g) {
    const std::string n = std::to_string(g);
    return " Ps" + n + " Pc" + n + " Pr" + n + " Pe" + n;
}

// Group 0 of P, whose quick sub-state C ends in the first Run.
const std::string Q0 = "Pn Ps0 Pc0 Pr0 Cn Cx Pe0 C~";

std::string DefaultFlow() {
    std::string log = "Pn";
    for (int g = 0; g < TState::GroupCount; ++g)
        log += G(g);
    return log + " Px";
}

struct TFlowCase {
    std::string Title;
    std::vector<i32> Returns; // one Run of the parent per entry
    std::string Expected;
    std::vector<std::pair<int, i32>> Entries = {}; // phase table entries changed
    std::vector<int> Flags = {};
    TMake Make = nullptr;
    int Hold = 0;
    // Before run i, the stop flag of the state Release[i] deep in the chain is cleared.
    std::vector<int> Release = {};
};

std::vector<TFlowCase> FlowCases() {
    const i32 exit = TState::PhaseExit;
    const std::string waitQuick = " Ps0 Pc0 Pr0 Wn Pr0 Wl Wx Pe0 W~ Ps1 Pc1 Pr1 Qn Qx Pe1 Q~";
    // clang-format off
    std::vector<TFlowCase> cases = {
        {"no overrides: every group once, then exit", {-1}, DefaultFlow()},
        {"an ended state calls no handler", {-1, -1, -1}, DefaultFlow()},
        {"stop flag in phase 2: Enter once per Run", {-2, -2, -2}, "Pn Pn Pn", {}, {}, {}, 1},
        {"waiting in Leave ends once the stop flag is cleared", {-2, -2, -2, -1}, "Pn Pl Pl Pl Px",
         {}, {}, {}, 2, {-1, -1, -1, 0}},
        {"code 8, flag set: group 7 starts in the same Run", {-1}, Q0 + G(7) + " Px",
         {{8, exit}}, {0}, Quick0(8)},
        {"code 24 starts the last group", {-1}, Q0 + G(23) + " Px", {}, {0}, Quick0(24)},
        {"flag on a group without sub-state, none ran yet: result 0 ends", {-1},
         "Pn" + G(0) + " Px", {}, {0}},
        {"flag on a group without sub-state uses the last sub-state's result", {-1},
         Q0 + G(5) + G(2) + " Px", {{1, TState::StartPhase(5)}, {3, exit}}, {5}, Quick0(3)},
        {"a waiting sub-state holds the parent in its run phase", {-2, -2, -1},
         "Pn Ps0 Pc0 Pr0 Cn Pr0 Cl Pr0 Cl Cx Pe0 C~ Px", {{1, exit}}, {}, Waiting0(), 0,
         {-1, -1, 1}},
        {"a table may go back to repeat a group that waits", {-2, -2, -1},
         "Pn" + waitQuick + waitQuick + G(8) + " Px", {{1, TState::StartPhase(1)}, {9, exit}},
         {1}, RepeatWhileWaiting(), 0, {-1, 1, 1}},
        {"a chain of states advances until the innermost one waits", {-2, -1},
         "Pn Ps0 Pc0 Pr0 Cn Cs4 Cc4 Cr4 Gn Pr0 Cr4 Gl Gx Ce4 G~ Cx Pe0 C~ Px", {{1, exit}}, {},
         Chain0(), 0, {-1, 2}},
    };
    // clang-format on
    for (i32 code : {0, -1, 25})
        cases.push_back({"code " + std::to_string(code) + " ends the parent",
                         {-1},
                         Q0 + " Px",
                         {},
                         {0},
                         Quick0(code)});
    return cases;
}

TEST(StateTest, FlowsFollowTheTableGroupsAndResults) {
    for (const TFlowCase& c : FlowCases()) {
        SCOPED_TRACE(c.Title);
        Log.clear();
        {
            TRec parent('P');
            for (const auto& [entry, value] : c.Entries)
                parent.Set(entry, value);
            for (int group : c.Flags)
                parent.Flag(group);
            parent.With(c.Make).Hold = c.Hold;
            std::vector<i32> returns;
            for (size_t run = 0; run < c.Returns.size(); ++run) {
                if (run < c.Release.size() && c.Release[run] >= 0) {
                    TState* held = &parent;
                    for (int depth = 0; depth < c.Release[run]; ++depth)
                        held = held->GetSubState();
                    static_cast<TRec*>(held)->stopFlag = false;
                }
                returns.push_back(parent.Run());
            }
            EXPECT_EQ(returns, c.Returns);
            EXPECT_EQ(Log, c.Expected);
        }
        // Only the parent itself is left to go.
        EXPECT_EQ(Log, c.Expected + " P~");
    }
}

TEST(StateTest, PhasesOutsideTheTableAbortAndGroupsOutsideTheTablesEnd) {
    for (i32 bad : {-2, 0, -3, -100, 75, 1000}) {
        Log.clear();
        TRec state('P');
        EXPECT_EQ(state.Set(0, bad).Run(), -1);
        EXPECT_EQ(state.Run(), -1);
        EXPECT_EQ(Log, "Pn Pa") << bad;
    }
    for (int group : {-1, TState::GroupCount}) {
        TRec state('P');
        state.StartSubState(group);
        EXPECT_EQ(state.GetPhase(), TState::PhaseExit) << group;
        state.phase = TState::PhaseEnter;
        state.EndSubState(group);
        EXPECT_EQ(state.GetPhase(), TState::PhaseExit) << group;
    }
}

TEST(StateTest, FrameCallsReachTheInnermostHeldStateAndDeletingDeletesTheChain) {
    Log.clear();
    auto* parent = new TRec('P');
    parent->SendFrameBegin(1);
    parent->SendUpdate(1);
    EXPECT_EQ(Log, "Pb1 Pu1");
    parent->With([](int) {
        auto* child = new TRec('C');
        child->stopFlag = true; // one step per Run: it still holds G after G has ended
        return &child->With([](int) { return Quick(-1, 'G'); });
    });
    for (int run = 0; run < 3; ++run)
        EXPECT_EQ(parent->Run(), -2);
    ASSERT_NE(Sub(Sub(parent)), nullptr);
    EXPECT_EQ(Sub(Sub(parent))->GetResult(), -1);
    Log.clear();
    parent->SendFrameBegin(7);
    parent->SendUpdate(7);
    EXPECT_EQ(Log, "Gb7 Gu7");
    Log.clear();
    delete parent;
    EXPECT_EQ(Log, "P~ C~ G~");
}

#ifndef NDEBUG
TEST(StateDeathTest, APhaseLoopThatNeverWaitsIsCaughtInDebugBuilds) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    // Group 0 hands back to itself and creates nothing.
    EXPECT_DEATH(TRec('P').Set(1, TState::StartPhase(0)).Run(), "loop");
    // Group 0's sub-state always asks for group 0 again.
    EXPECT_DEATH(TRec('P').Flag(0).With(Quick0(1)).Run(), "loop");
}
#endif

TEST(StateTest, LongButFiniteFlowsStayBelowTheLoopBound) {
    // Every group starts the next one through its sub-state's result, a few hundred steps.
    Log.clear();
    TRec state('P');
    for (int g = 0; g < TState::GroupCount; ++g)
        state.Flag(g);
    EXPECT_EQ(state.With([](int g) { return Quick(g + 2); }).Run(), -1);
    EXPECT_TRUE(Log.ends_with("Pe23 C~ Px"));
}

} // namespace
