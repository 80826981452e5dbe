// Which table states a level's skits leave unanswered: the states, as conjunctions of conditions,
// for which the builder adds plain skits so that the chooser never falls past a level.
#pragma once

#include "platform/host/Types.h"

#include <utility>
#include <vector>

// (condition, answer it needs: +1 holds, -1 does not).
using TCriteria = std::vector<std::pair<u8, i8>>;

// The conditions the program answers with a fresh random draw at every ask: a skit that needs
// one cannot be counted on to answer its state.
bool IsChanceCondition(u8 condition);

// What the state a context describes says of a condition: +1 it holds, -1 it does not, 0 the
// context does not tell. Beyond the context's own entries the program's fixed relations count:
// one talk setting, one total per roll, one point, one stall count at a time; the richest speed
// is at least the rich, which is at least the fast; one loser or winner is some.
i8 Implied(const TCriteria& context, u8 condition);

// The states within the context that none of the skits whose criteria are given answers, as
// disjoint conjunctions, each the context with what it adds. Criteria that name a chance
// condition answer nothing for sure and are left out. Empty when the skits answer every state.
std::vector<TCriteria> Unanswered(const std::vector<TCriteria>& skits, const TCriteria& context);
