// Test support: the step of a roll a table stands at between two frames, read from its
// innermost round state.
#pragma once

#include "craps/table/RoundStates.h"

#include <string>

// "betting" while no dice are chosen, then "call", "pick-up", "shake", "throw", "landing",
// "landed" in the betting state, "resolution" and "payoff" after it; "other" for any other
// state or none.
inline std::string RollStep(const TState* innermost) {
    if (dynamic_cast<const TCPayOutState*>(innermost) != nullptr)
        return "payoff";
    if (dynamic_cast<const TCAct2State*>(innermost) != nullptr)
        return "resolution";
    const auto* act = dynamic_cast<const TCAct1State*>(innermost);
    if (act == nullptr)
        return "other";
    if (act->GetDiceRolled() == 0)
        return "betting";
    if (act->GetRollPending() != 0)
        return "call";
    if (act->GetPickUpRunning() != 0)
        return "pick-up";
    if (act->GetShakeRunning() != 0)
        return "shake";
    if (act->GetThrowRunning() != 0)
        return "throw";
    return act->GetDiceLanding() != 0 ? "landing" : "landed";
}
