// The dealer's skit lists of the craps table: the places of their indices in the lord.
#pragma once

#include "platform/host/Types.h"

// The lists come in the order the lord binds them; the three-variant lists run A, B, C.
namespace table_skit {

constexpr i16 PlaceMark = 0;
constexpr i16 GetMark = 1;
// Results 1 to 28.
constexpr i16 FirstResult = 2;
constexpr i16 ResultCount = 28;
constexpr i16 GreetPlayers = 30;
constexpr i16 PlaceBets = 31;
constexpr i16 PreSpinCom = 32;
constexpr i16 AdvBets = 33;
constexpr i16 FirstShake = 34;
constexpr i16 FirstThrow = 37;
constexpr i16 FirstDiceLand = 40;
constexpr i16 FirstStall = 43;
constexpr i16 Winner = 46;
constexpr i16 PayOffCom = 47;
// The points 4, 5, 6, 8, 9 and 10.
constexpr i16 FirstPointCom = 48;
constexpr i16 ComeCom = 54;
constexpr i16 FirstNoComeCom = 55;
constexpr i16 FirstEShake = 58;
constexpr i16 FirstGiveDice = 61;
constexpr i16 Loser = 64;
constexpr i16 Count = 65;

} // namespace table_skit
