// What the craps program asks of the lord's sprite list: the coded table objects with the
// string resources that name them, and the members and frames each class binds.
#pragma once

#include "craps/bets/TableSpots.h"
#include "tools/databuild/model/SpriteModel.h"

#include <string>
#include <vector>

// Type codes of the table objects.
constexpr u16 TO_SOUND = 1;
constexpr u16 TO_PLATE_FIRST = 3;
constexpr u16 TO_BOARD = 6;
constexpr u16 TO_BANK = 7;
constexpr u16 TO_HAND = 8;
constexpr u16 TO_BUTTON_FIRST = 9;
constexpr u16 TO_PAYOUT = 23;
constexpr u16 TO_PUCK = 24;
constexpr u16 TO_DICE_FIRST = 25;
constexpr u16 TO_BIG_DIE_FIRST = 29;
constexpr u16 TO_RACK = 35;
constexpr u16 TO_SPOT_FIRST = 36;

constexpr int SPOT_COUNT = table_spot::Count;
constexpr int BUTTON_COUNT = 14;

struct TTableObject {
    u16 Code;
    u32 StringId;
};

// The 76 coded objects in ascending code (1, 3-27, 29-78).
const std::vector<TTableObject>& TableObjects();
// The string id of a code's name; 0 for a code without an object.
u32 TableObjectString(u16 code);
// The spots that carry odds stacks too (pass, don't pass, come and don't-come numbers).
bool IsOddsSpot(int spot);
// What the class made for the code binds.
TBindingNeeds NeedsOf(u16 code);

// The shooter's pick-up animations 1-6 and the odds-return animation.
constexpr u32 STR_PICK_FIRST = 13091;
constexpr u32 STR_ODDS = 13097;
// A pick-up animation binds one animation with a picture.
TBindingNeeds PickNeeds(int pick);

// A string resource of the program, the name the data set must use; a build error when the
// program has no such string.
std::string ProgramString(u32 id);
