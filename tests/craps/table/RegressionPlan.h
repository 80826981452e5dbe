// Test support: what both regression runs play: how many rolls, and the option pages the
// gamblers switch between.
#pragma once

#include "craps/bets/BetOptions.h"

#include <array>

constexpr int RegressionRolls = 2000;

// Buy (1) or place on 4 and 10, 5 and 9, 6 and 8, then come odds, don't-come odds, place bets
// and hardways working on the come-out, as the options dialog shows them.
inline constexpr std::array<TCrapsBetOptions, 4> RegressionOptionPages = {
    {{0, 0, 0, 0, 0, 0, 0}, {1, 1, 1, 1, 1, 1, 1}, {1, 0, 1, 0, 1, 0, 1}, {0, 1, 0, 1, 0, 1, 0}}};
