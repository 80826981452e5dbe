// The craps layout's click regions and spot numbers (kept with the bets, where the data builder
// reads them too), the table's buttons and its cursors.
#pragma once

#include "craps/bets/TableSpots.h"
#include "platform/host/Types.h"

// The table's buttons by number.
namespace table_button {

constexpr i16 Expert = 0;
constexpr i16 Statistics = 1;
// Escape: the window's size, or out of the table.
constexpr i16 WindowSize = 2;
constexpr i16 Help = 3;
constexpr i16 Clear = 4;
constexpr i16 TakeDown = 5;
// The chips from the largest ($10000) to the smallest ($1).
constexpr i16 FirstChip = 6;
constexpr i16 LastChip = 11;
constexpr i16 Roll = 12;
constexpr i16 Talk = 13;
constexpr i16 Count = 14;

} // namespace table_button

// The table's cursors among the program's resources.
namespace table_cursor {

// Over a spot: the chips in hand can go here, or not; the seat's chips can come back, or not.
constexpr u32 CanBet = 1;
constexpr u32 NotHere = 2;
constexpr u32 TakeBack = 3;
constexpr u32 NothingBack = 4;
// A button or the seat-change area, and either while pressed.
constexpr u32 PointingHand = 6;
constexpr u32 ClosedHand = 7;

} // namespace table_cursor
