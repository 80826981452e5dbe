// Option sets and decisions the bet tests share.
#pragma once

#include "craps/bets/BetOptions.h"

namespace bettest {

constexpr TCrapsBetOptions AllOn = {1, 1, 1, 1, 1, 1, 1};
constexpr TCrapsBetOptions AllOff = {0, 0, 0, 0, 0, 0, 0};

enum class EDecision { None, Win, Lose };

} // namespace bettest
