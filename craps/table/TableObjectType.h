// TableObjectType: the codes of the table's sprite entries and the object names that stand for
// them.
#pragma once

#include "platform/host/Types.h"

// A signed 16-bit code. 0 is a plain sprite; so are 2, 28 and anything outside 1 to 78, which
// name no object of their own.
using TableObjectType = i16;

namespace table_object {

constexpr TableObjectType Plain = 0;
constexpr TableObjectType Sound = 1;
constexpr TableObjectType FirstNamePlate = 3;
constexpr TableObjectType MessageDisplay = 6;
constexpr TableObjectType BankCashDisplay = 7;
constexpr TableObjectType BetAmountDisplay = 8;
constexpr TableObjectType FirstButton = 9;
constexpr TableObjectType PayOff = 23;
constexpr TableObjectType Puck = 24;
constexpr TableObjectType FirstDice = 25;
constexpr TableObjectType FirstBigDice = 29;
constexpr TableObjectType ChipStacks = 35;
constexpr TableObjectType FirstBetSpot = 36;
constexpr TableObjectType Last = 78;

// The object names: one a code with an object, in ascending order of code.
constexpr i16 NameCount = 76;
// The code of a place among the names (0 to 75), and the string resource its name is read from.
TableObjectType CodeOfNamePlace(i16 place);
u32 NameStringId(i16 place);

} // namespace table_object
