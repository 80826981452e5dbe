// TCLordState's event routing and skit start, the root state and the session start.
#include "craps/table/CrapsGameLord.h"
#include "craps/table/Puck.h"
#include "craps/table/RoundStates.h"

TCLordState* TCasinoCGameLord::GetRoundState() const {
    return static_cast<TCLordState*>(GetOwnState());
}

TCLordState::TCLordState(TCasinoCGameLord* lord)
    : Lord(lord), Table(lord != nullptr ? &lord->GetRoundTable() : nullptr),
      Serial(Table != nullptr ? Table->NextStateSerial() : 0) {}

TState::TPhaseTable TCLordState::ActPhaseTable() {
    TPhaseTable table = DefaultPhaseTable();
    table[0] = PhaseLeave;
    table[1] = StartPhase(2);
    table[2] = PhaseLeave;
    table[3] = PhaseExit;
    table[4] = PhaseExit;
    table[5] = PhaseExit;
    return table;
}

bool TCLordState::EvSpot(TResponder&, u16, bool) {
    return true;
}

bool TCLordState::EvSeatArea(TResponder&) {
    return true;
}

bool TCLordState::DispatchSpot(TResponder& region, u16 spot, bool heldClick) {
    if (!IsRunning())
        return true;
    if (TCLordState* held = HeldLordState())
        return held->DispatchSpot(region, spot, heldClick);
    return EvSpot(region, spot, heldClick);
}

bool TCLordState::DispatchSeatArea(TResponder& region) {
    if (!IsRunning())
        return true;
    if (TCLordState* held = HeldLordState())
        return held->DispatchSeatArea(region);
    return EvSeatArea(region);
}

bool TCLordState::HoldsRollInPlay() const {
    for (const TState* state = this; state != nullptr; state = state->GetSubState())
        if (const auto* lordState = dynamic_cast<const TCLordState*>(state))
            if (lordState->RollInPlay())
                return true;
    return false;
}

bool TCLordState::HoldsUpdate() const {
    for (const TState* state = this; state != nullptr; state = state->GetSubState())
        if (const auto* lordState = dynamic_cast<const TCLordState*>(state))
            if (lordState->Updating != 0)
                return true;
    return false;
}

const TCLordState& TCLordState::Innermost() const {
    const TCLordState* innermost = this;
    for (const TState* state = GetSubState(); state != nullptr; state = state->GetSubState())
        if (const auto* lordState = dynamic_cast<const TCLordState*>(state))
            innermost = lordState;
    return *innermost;
}

bool TCLordState::Settling() const {
    return Lord != nullptr && Lord->IsSettlingRoll();
}

void TCLordState::StartSkit(i16 list, u32 start, u32& duration) {
    duration = 0;
    if (Settling())
        return;
    const u16 index = Lord->GetSkitList(list);
    if (index == TCasinoCGameLord::NoIndex)
        return;
    i16 skit = -1;
    Lord->ChooseSkit(static_cast<i16>(index), start, duration, skit);
}

u32 TCLordState::CurrentTick() const {
    return Lord->GetOwnerTick();
}

u32 TCLordState::NextTick() const {
    return Lord->GetNextTick();
}

TCLordMainState::TCLordMainState(TCasinoCGameLord* lord) : TCLordState(lord) {
    TPhaseTable table = DefaultPhaseTable();
    table[0] = StartPhase(0);
    table[1] = StartPhase(1);
    table[2] = StartPhase(2);
    table[3] = StartPhase(3);
    table[4] = StartPhase(1);
    table[5] = PhaseExit;
    SetPhaseTable(table);
}

void TCLordMainState::CreateSubState(int group) {
    switch (group) {
    case 0:
        subState = std::make_unique<TInitCState>(Lord);
        break;
    case 1:
        subState = std::make_unique<TCAct1State>(Lord);
        break;
    case 2:
        subState = std::make_unique<TCAct2State>(Lord);
        break;
    default:
        break;
    }
}

void TInitCState::Enter() {
    Lord->StartSession();
    stopFlag = true;
    phase = PhaseLeave;
    SkitStart = NextTick() + 1;
    Lord->SetSpriteSetState(1, 0);
    StartSkit(table_skit::GreetPlayers, SkitStart, SkitDuration);
    if (TCPuck* puck = Table->Puck())
        puck->SetPoint(0);
}

void TInitCState::Update(u32 now) {
    if (Ended(now, SkitStart, SkitDuration))
        stopFlag = false;
}
