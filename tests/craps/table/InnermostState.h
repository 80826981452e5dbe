// Test support: the round state a table is in now, the deepest of its nested states.
#pragma once

#include "craps/table/CrapsGameLord.h"
#include "craps/table/RoundStates.h"

// Null for no lord or no state.
inline TState* InnermostState(const TCasinoCGameLord* lord) {
    TState* state = lord != nullptr ? lord->GetRoundState() : nullptr;
    while (state != nullptr && state->GetSubState() != nullptr)
        state = state->GetSubState();
    return state;
}
