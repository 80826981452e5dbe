// TState: the run loop, the phase dispatch and the default handlers of every group.
#include "engine/framework/State.h"

#include <cassert>
#include <cstddef>

TState::TPhaseTable TState::DefaultPhaseTable() {
    TPhaseTable table{};
    for (int group = 0; group < GroupCount; ++group)
        table[static_cast<std::size_t>(group)] = StartPhase(group);
    table[GroupCount] = PhaseExit;
    return table;
}

TState::TState() {
    SetPhaseTable(DefaultPhaseTable());
    SetGroupFlags(TGroupFlags{});
}

TState::~TState() = default;

i32 TState::Run() {
    if (result != ResultRunning)
        return result;
#ifndef NDEBUG
    u32 steps = 0;
#endif
    for (;;) {
#ifndef NDEBUG
        ++steps;
        assert(steps <= MaxStepsPerRun && "state phases loop without ever waiting");
#endif
        if (Dispatch())
            return result;
        if (stopFlag)
            return result;
        // The held sub-state has to wait; it is run again on the next call.
        if (subResult == ResultRunning)
            return result;
    }
}

bool TState::Dispatch() {
    const i32 current = phase;
    if (current == PhaseExit) {
        Exit();
        return true;
    }
    if (current == PhaseLeave) {
        Leave();
        return false;
    }
    if (current == PhaseEnter) {
        Enter();
        return false;
    }
    if (current >= StartPhase(0) && current <= EndPhase(GroupCount - 1)) {
        const int group = (current - StartPhase(0)) / 3;
        switch ((current - StartPhase(0)) % 3) {
        case 0:
            StartSubState(group);
            break;
        case 1:
            RunSubState(group);
            break;
        default:
            EndSubState(group);
            break;
        }
        return false;
    }
    Abort();
    return true;
}

TState* TState::Innermost() {
    TState* state = this;
    while (state->subState != nullptr)
        state = state->subState.get();
    return state;
}

void TState::SendFrameBegin(u32 frame) {
    Innermost()->FrameBegin(frame);
}

void TState::SendUpdate(u32 frame) {
    Innermost()->Update(frame);
}

void TState::SetPhaseTable(const TPhaseTable& table) {
    phaseTable = table;
}

void TState::SetGroupFlags(const TGroupFlags& flags) {
    groupFlags = flags;
}

void TState::HandleSubResult() {
    if (subResult >= 1 && subResult <= GroupCount)
        phase = StartPhase(subResult - 1);
    else
        phase = PhaseExit;
}

void TState::Exit() {
    result = ResultDone;
}

void TState::Leave() {
    if (!stopFlag)
        phase = PhaseExit;
}

void TState::Enter() {
    phase = phaseTable[0];
}

void TState::Abort() {
    result = ResultDone;
}

void TState::FrameBegin(u32) {}

void TState::Update(u32) {}

bool TState::Slot10() {
    return true;
}

void TState::CreateSubState(int) {}

// A group number outside the table can only come from a derived state calling a group
// operation itself; it ends the state instead of reaching past the tables.
void TState::StartSubState(int group) {
    if (group < 0 || group >= GroupCount) {
        phase = PhaseExit;
        return;
    }
    CreateSubState(group);
    phase = RunPhase(group);
}

void TState::RunSubState(int group) {
    if (group < 0 || group >= GroupCount) {
        phase = PhaseExit;
        return;
    }
    if (subState == nullptr) {
        phase = EndPhase(group);
        return;
    }
    subResult = subState->Run();
    if (subResult != ResultRunning)
        phase = EndPhase(group);
}

void TState::EndSubState(int group) {
    subState.reset();
    if (group < 0 || group >= GroupCount) {
        phase = PhaseExit;
        return;
    }
    if (groupFlags[static_cast<std::size_t>(group)])
        HandleSubResult();
    else
        phase = phaseTable[static_cast<std::size_t>(group) + 1];
}
