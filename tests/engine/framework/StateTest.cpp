// Tests of TState: phase flows, sub-state results, waiting, frame calls and the chain's end.
#include "engine/framework/State.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using TLog = std::vector<std::string>;

// A state that writes every handler call into a shared log, prefixed by its name, and then
// does what the base does unless a knob says otherwise.
class TRecState : public TState {
public:
    TRecState(std::string name, TLog& log) : Name(std::move(name)), Log(log) {}
    ~TRecState() override { Note("destroy"); }

    using TState::phase;
    using TState::stopFlag;

    // Knobs.
    std::function<TState*(int group)> Make;
    bool ExitWithCode = false;
    i32 ExitCode = 0;
    bool StopInEnter = false; // Enter sets the stop flag and keeps phase 2
    bool WaitInLeave = false; // Enter sets the stop flag and moves to phase 1

    void SetEntry(int entry, i32 value) {
        TPhaseTable table = GetPhaseTable();
        table[static_cast<std::size_t>(entry)] = value;
        SetPhaseTable(table);
    }
    void SetFlag(int group) {
        TGroupFlags flags = GetGroupFlags();
        flags[static_cast<std::size_t>(group)] = true;
        SetGroupFlags(flags);
    }

    void Exit() override {
        Note("exit");
        if (ExitWithCode)
            result = ExitCode;
        else
            TState::Exit();
    }
    void Leave() override {
        Note("leave");
        TState::Leave();
    }
    void Enter() override {
        Note("enter");
        if (StopInEnter) {
            stopFlag = true;
        } else if (WaitInLeave) {
            stopFlag = true;
            phase = PhaseLeave;
        } else {
            TState::Enter();
        }
    }
    void Abort() override {
        Note("abort");
        TState::Abort();
    }
    void FrameBegin(u32 frame) override { Note("frameBegin " + std::to_string(frame)); }
    void Update(u32 frame) override { Note("update " + std::to_string(frame)); }
    void CreateSubState(int group) override {
        Note("create " + std::to_string(group));
        if (Make)
            subState = Make(group);
    }
    void StartSubState(int group) override {
        Note("start " + std::to_string(group));
        TState::StartSubState(group);
    }
    void RunSubState(int group) override {
        Note("run " + std::to_string(group));
        TState::RunSubState(group);
    }
    void EndSubState(int group) override {
        Note("end " + std::to_string(group));
        TState::EndSubState(group);
    }

private:
    void Note(const std::string& what) { Log.push_back(Name + " " + what); }
    std::string Name;
    TLog& Log;
};

// A sub-state that ends in its first Run with the given code.
TRecState* Quick(TLog& log, i32 code, const char* name = "C") {
    auto* state = new TRecState(name, log);
    state->SetEntry(0, TState::PhaseExit);
    state->ExitWithCode = true;
    state->ExitCode = code;
    return state;
}

// A sub-state that waits in Leave until its stop flag is cleared.
TRecState* Waiting(TLog& log, const char* name = "C") {
    auto* state = new TRecState(name, log);
    state->WaitInLeave = true;
    return state;
}

TLog Group(const char* name, int group) {
    const std::string prefix = std::string(name) + " ";
    const std::string g = std::to_string(group);
    return {prefix + "start " + g, prefix + "create " + g, prefix + "run " + g,
            prefix + "end " + g};
}

TLog Join(std::initializer_list<TLog> parts) {
    TLog all;
    for (const TLog& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

struct TFlowCase {
    std::string Title;
    std::function<void(TRecState& parent, TLog& log)> Setup;
    // One Run of the parent per entry.
    std::vector<i32> Returns;
    TLog Expected;
    // Called before run number `run` (0-based), for changes from outside between runs.
    std::function<void(TRecState& parent, int run)> BeforeRun = nullptr;
};

TLog DefaultFlow() {
    TLog log{"P enter"};
    for (int g = 0; g < TState::GroupCount; ++g) {
        TLog group = Group("P", g);
        log.insert(log.end(), group.begin(), group.end());
    }
    log.push_back("P exit");
    return log;
}

std::vector<TFlowCase> FlowCases() {
    std::vector<TFlowCase> cases;
    cases.push_back({"no overrides: every group once, then exit", nullptr, {-1}, DefaultFlow()});
    cases.push_back({"an ended state calls no handler", nullptr, {-1, -1, -1}, DefaultFlow()});
    cases.push_back({"stop flag in phase 2: Enter once per Run, never ends",
                     [](TRecState& p, TLog&) { p.StopInEnter = true; },
                     {-2, -2, -2},
                     {"P enter", "P enter", "P enter"}});
    cases.push_back({"waiting in Leave ends once the stop flag is cleared",
                     [](TRecState& p, TLog&) { p.WaitInLeave = true; },
                     {-2, -2, -2, -1},
                     {"P enter", "P leave", "P leave", "P leave", "P exit"},
                     [](TRecState& p, int run) {
                         if (run == 3)
                             p.stopFlag = false;
                     }});
    cases.push_back(
        {"sub-state code 8 with the flag set starts group 7 in the same Run",
         [](TRecState& p, TLog& log) {
             p.SetFlag(0);
             p.SetEntry(8, TState::PhaseExit);
             p.Make = [&log](int g) -> TState* { return g == 0 ? Quick(log, 8) : nullptr; };
         },
         {-1},
         Join({{"P enter"},
               {"P start 0", "P create 0", "P run 0", "C enter", "C exit", "P end 0", "C destroy"},
               Group("P", 7),
               {"P exit"}})});
    for (i32 code : {0, -1, 25}) {
        cases.push_back({"sub-state code " + std::to_string(code) + " ends the parent",
                         [code](TRecState& p, TLog& log) {
                             p.SetFlag(0);
                             p.Make = [&log, code](int g) -> TState* {
                                 return g == 0 ? Quick(log, code) : nullptr;
                             };
                         },
                         {-1},
                         {"P enter", "P start 0", "P create 0", "P run 0", "C enter", "C exit",
                          "P end 0", "C destroy", "P exit"}});
    }
    cases.push_back({"sub-state code 24 starts the last group",
                     [](TRecState& p, TLog& log) {
                         p.SetFlag(0);
                         p.Make = [&log](int g) -> TState* {
                             return g == 0 ? Quick(log, 24) : nullptr;
                         };
                     },
                     {-1},
                     Join({{"P enter", "P start 0", "P create 0", "P run 0", "C enter", "C exit",
                            "P end 0", "C destroy"},
                           Group("P", 23),
                           {"P exit"}})});
    cases.push_back({"flag set on a group without sub-state, none ran yet: result 0 ends",
                     [](TRecState& p, TLog&) { p.SetFlag(0); },
                     {-1},
                     Join({{"P enter"}, Group("P", 0), {"P exit"}})});
    cases.push_back({"flag set on a group without sub-state uses the last sub-state's result",
                     [](TRecState& p, TLog& log) {
                         p.SetEntry(1, TState::StartPhase(5));
                         p.SetFlag(5);
                         p.SetEntry(3, TState::PhaseExit);
                         p.Make = [&log](int g) -> TState* {
                             return g == 0 ? Quick(log, 3) : nullptr;
                         };
                     },
                     {-1},
                     Join({{"P enter", "P start 0", "P create 0", "P run 0", "C enter", "C exit",
                            "P end 0", "C destroy"},
                           Group("P", 5),
                           Group("P", 2),
                           {"P exit"}})});
    cases.push_back({"a waiting sub-state holds the parent in its run phase",
                     [](TRecState& p, TLog& log) {
                         p.SetEntry(1, TState::PhaseExit);
                         p.Make = [&log](int g) -> TState* {
                             return g == 0 ? Waiting(log) : nullptr;
                         };
                     },
                     {-2, -2, -1},
                     {"P enter", "P start 0", "P create 0", "P run 0", "C enter", "P run 0",
                      "C leave", "P run 0", "C leave", "C exit", "P end 0", "C destroy", "P exit"},
                     [](TRecState& p, int run) {
                         if (run == 2)
                             static_cast<TRecState*>(p.GetSubState())->stopFlag = false;
                     }});
    cases.push_back(
        {"a table may go back to repeat a group that waits",
         [](TRecState& p, TLog& log) {
             // Group 1 hands back to group 0 until its sub-state ends with code 9.
             p.SetEntry(1, TState::StartPhase(1));
             p.SetFlag(1);
             p.SetEntry(9, TState::PhaseExit);
             auto round = std::make_shared<int>(0);
             p.Make = [&log, round](int g) -> TState* {
                 if (g == 0)
                     return Waiting(log, "W");
                 if (g == 1)
                     return Quick(log, ++*round == 2 ? 9 : 1, "Q");
                 return nullptr;
             };
         },
         {-2, -2, -1},
         Join({{"P enter", "P start 0", "P create 0", "P run 0", "W enter"},
               {"P run 0", "W leave", "W exit", "P end 0", "W destroy"},
               {"P start 1", "P create 1", "P run 1", "Q enter", "Q exit", "P end 1", "Q destroy"},
               {"P start 0", "P create 0", "P run 0", "W enter"},
               {"P run 0", "W leave", "W exit", "P end 0", "W destroy"},
               {"P start 1", "P create 1", "P run 1", "Q enter", "Q exit", "P end 1", "Q destroy"},
               Group("P", 8),
               {"P exit"}}),
         [](TRecState& p, int run) {
             if (run == 1 || run == 2)
                 static_cast<TRecState*>(p.GetSubState())->stopFlag = false;
         }});
    cases.push_back({"a chain of states advances until the innermost one waits",
                     [](TRecState& p, TLog& log) {
                         p.SetEntry(1, TState::PhaseExit);
                         p.Make = [&log](int g) -> TState* {
                             if (g != 0)
                                 return nullptr;
                             auto* child = new TRecState("C", log);
                             child->SetEntry(0, TState::StartPhase(4));
                             child->SetEntry(5, TState::PhaseExit);
                             child->Make = [&log](int cg) -> TState* {
                                 return cg == 4 ? Waiting(log, "G") : nullptr;
                             };
                             return child;
                         };
                     },
                     {-2, -1},
                     {"P enter", "P start 0", "P create 0", "P run 0", "C enter", "C start 4",
                      "C create 4", "C run 4", "G enter", "P run 0", "C run 4", "G leave", "G exit",
                      "C end 4", "G destroy", "C exit", "P end 0", "C destroy", "P exit"},
                     [](TRecState& p, int run) {
                         if (run == 1)
                             static_cast<TRecState*>(p.GetSubState()->GetSubState())->stopFlag =
                                 false;
                     }});
    return cases;
}

TEST(StateTest, FlowsFollowTheTableGroupsAndResults) {
    for (const TFlowCase& c : FlowCases()) {
        SCOPED_TRACE(c.Title);
        TLog log;
        {
            TRecState parent("P", log);
            if (c.Setup)
                c.Setup(parent, log);
            std::vector<i32> returns;
            for (int run = 0; run < static_cast<int>(c.Returns.size()); ++run) {
                if (c.BeforeRun)
                    c.BeforeRun(parent, run);
                returns.push_back(parent.Run());
            }
            EXPECT_EQ(returns, c.Returns);
            EXPECT_EQ(log, c.Expected);
        }
        // Only the parent itself is left to go.
        EXPECT_EQ(log.back(), "P destroy");
    }
}

TEST(StateTest, PhasesOutsideTheTableAbort) {
    for (i32 bad : {-2, 0, -3, -100, 75, 1000}) {
        SCOPED_TRACE(bad);
        TLog log;
        TRecState state("P", log);
        state.SetEntry(0, bad);
        EXPECT_EQ(state.Run(), -1);
        EXPECT_EQ(state.Run(), -1);
        EXPECT_EQ(log, (TLog{"P enter", "P abort"}));
    }
}

TEST(StateTest, DeletingAStateDeletesItsWholeChain) {
    TLog log;
    auto* parent = new TRecState("P", log);
    parent->Make = [&log](int) -> TState* {
        auto* child = new TRecState("C", log);
        child->Make = [&log](int) -> TState* { return Waiting(log, "G"); };
        return child;
    };
    EXPECT_EQ(parent->Run(), -2);
    ASSERT_NE(parent->GetSubState(), nullptr);
    ASSERT_NE(parent->GetSubState()->GetSubState(), nullptr);
    log.clear();
    delete parent;
    EXPECT_EQ(log, (TLog{"P destroy", "C destroy", "G destroy"}));
}

TEST(StateTest, FrameCallsReachOnlyTheInnermostHeldState) {
    TLog log;
    TRecState parent("P", log);
    parent.SendFrameBegin(1);
    parent.SendUpdate(1);
    EXPECT_EQ(log, (TLog{"P frameBegin 1", "P update 1"}));

    // With its own stop flag set the parent makes one step per Run, so it still holds
    // the sub-state after that one has ended.
    parent.stopFlag = true;
    parent.Make = [&log](int g) -> TState* { return g == 0 ? Quick(log, -1) : nullptr; };
    EXPECT_EQ(parent.Run(), -2); // enter
    EXPECT_EQ(parent.Run(), -2); // start 0
    EXPECT_EQ(parent.Run(), -2); // run 0: the sub-state ends at once
    ASSERT_NE(parent.GetSubState(), nullptr);
    EXPECT_EQ(parent.GetSubState()->GetResult(), -1);
    EXPECT_EQ(parent.GetPhase(), TState::EndPhase(0));

    log.clear();
    parent.SendFrameBegin(7);
    parent.SendUpdate(7);
    EXPECT_EQ(log, (TLog{"C frameBegin 7", "C update 7"}));
}

TEST(StateTest, GroupOperationsOutsideTheGroupsEndTheState) {
    for (int group : {-1, TState::GroupCount}) {
        SCOPED_TRACE(group);
        TLog log;
        TRecState state("P", log);
        state.StartSubState(group);
        EXPECT_EQ(state.GetPhase(), TState::PhaseExit);
        state.phase = TState::PhaseEnter;
        state.EndSubState(group);
        EXPECT_EQ(state.GetPhase(), TState::PhaseExit);
    }
}

#ifndef NDEBUG
TEST(StateDeathTest, APhaseLoopThatNeverWaitsIsCaughtInDebugBuilds) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    // Group 0 hands back to itself and creates nothing.
    EXPECT_DEATH(
        {
            TLog log;
            TRecState state("P", log);
            state.SetEntry(1, TState::StartPhase(0));
            state.Run();
        },
        "loop");
    // Group 0's sub-state always asks for group 0 again.
    EXPECT_DEATH(
        {
            TLog log;
            TRecState state("P", log);
            state.SetFlag(0);
            state.Make = [&log](int) -> TState* { return Quick(log, 1); };
            state.Run();
        },
        "loop");
}
#endif

TEST(StateTest, LongButFiniteFlowsStayBelowTheLoopBound) {
    // Every group starts the next one through its sub-state's result, a few hundred steps.
    TLog log;
    TRecState state("P", log);
    for (int g = 0; g < TState::GroupCount; ++g)
        state.SetFlag(g);
    state.Make = [&log](int g) -> TState* { return Quick(log, g + 2); };
    EXPECT_EQ(state.Run(), -1);
    EXPECT_EQ(log.end()[-2], "C destroy");
    EXPECT_EQ(log.back(), "P exit");
}

} // namespace
