// TState: the phase-driven state machine that can hold one sub-state at a time.
#pragma once

#include "platform/host/Types.h"

#include <array>
#include <memory>

// A state advances through numbered phases, one handler per phase. Its flow is a table of
// phase numbers and up to 24 groups; each group creates, starts, runs and ends one
// sub-state. A derived state overrides the group operations for the groups it uses and
// tells them apart by the group number (0 to 23).
class TState {
public:
    static constexpr int GroupCount = 24;
    static constexpr int PhaseTableSize = GroupCount + 1;

    // Values of `result`: a derived state may end with any other code; 1 to 24 ask a parent
    // whose flag is set for that group to start group code - 1 next.
    static constexpr i32 ResultRunning = -2;
    static constexpr i32 ResultDone = -1;

    // Phases with a handler of their own; the groups follow from 3 upwards.
    static constexpr i32 PhaseExit = -1;
    static constexpr i32 PhaseLeave = 1;
    static constexpr i32 PhaseEnter = 2;
    static constexpr i32 StartPhase(int group) { return 3 + 3 * group; }
    static constexpr i32 RunPhase(int group) { return 4 + 3 * group; }
    static constexpr i32 EndPhase(int group) { return 5 + 3 * group; }

    using TPhaseTable = std::array<i32, PhaseTableSize>;
    using TGroupFlags = std::array<bool, GroupCount>;

    // The table in which every group is followed by the next and the last one ends the state.
    static TPhaseTable DefaultPhaseTable();

    // Handler calls one Run may make before debug builds take it to loop without ever
    // waiting (a phase table that cycles through groups that create no sub-state).
    static constexpr u32 MaxStepsPerRun = 100000;

    TState();
    virtual ~TState();
    TState(const TState&) = delete;
    TState& operator=(const TState&) = delete;

    // Runs as many phases as can complete now; returns `result` (ResultRunning while the
    // state, or the sub-state it waits for, still runs).
    i32 Run();
    // Pass the frame's begin and end to the innermost held state only, ended or not.
    void SendFrameBegin(u32 frame);
    void SendUpdate(u32 frame);

    virtual void SetPhaseTable(const TPhaseTable& table);
    virtual void SetGroupFlags(const TGroupFlags& flags);
    // Chooses the next phase from the result of the sub-state that ended last.
    virtual void HandleSubResult();
    virtual void Exit();
    virtual void Leave();
    virtual void Enter();
    virtual void Abort();
    virtual void FrameBegin(u32 frame);
    virtual void Update(u32 frame);
    // Answers true; nothing in the engine asks it.
    virtual bool Slot10();
    // A derived state stores group `group`'s new sub-state in `subState`, or makes none.
    virtual void CreateSubState(int group);
    virtual void StartSubState(int group);
    virtual void RunSubState(int group);
    // A derived state that has more to do at the end of a group calls this one first.
    virtual void EndSubState(int group);

    i32 GetPhase() const { return phase; }
    i32 GetResult() const { return result; }
    i32 GetSubResult() const { return subResult; }
    bool IsRunning() const { return result == ResultRunning; }
    TState* GetSubState() const { return subState.get(); }
    const TPhaseTable& GetPhaseTable() const { return phaseTable; }
    const TGroupFlags& GetGroupFlags() const { return groupFlags; }

protected:
    // Owned: a held sub-state goes with its state, and its own sub-state with it.
    std::unique_ptr<TState> subState;
    i32 phase = PhaseEnter;
    i32 result = ResultRunning;
    i32 subResult = 0;
    TPhaseTable phaseTable{};
    TGroupFlags groupFlags{};
    // Set: Run returns after every handler call, so the state holds its phase until a
    // handler or an outside call moves it on.
    bool stopFlag = false;

private:
    // Calls the handler of the current phase; true when that ends the run loop (Exit or
    // Abort).
    bool Dispatch();
    TState* Innermost();
};
