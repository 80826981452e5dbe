// The question put to the player before gamblers get up and leave bets to the house.
#pragma once

#include "platform/host/Types.h"

#include <string>
#include <vector>

class TCasinoGameLord;
class TWindow;

// The box's text for these seats: each gambler who would leave a bet behind, with those bets
// and their stakes; empty when nobody would.
std::string LeftBetsText(const TCasinoGameLord& lord, const std::vector<i16>& seats);

// True when the gamblers may go: nobody leaves anything, the player answers Yes, or a quit
// signal ends the program while the box is up. No is the box's default; a close of the window
// leaves the box up.
bool AgreesToLeaveBets(TWindow* owner, const TCasinoGameLord& lord, const std::vector<i16>& seats);
