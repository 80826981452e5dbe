// Where things are on the craps table: the click regions and buttons the program hit-tests, and
// the places the data set chooses for the displays, seats and dice.
#pragma once

#include "platform/host/Types.h"

#include <vector>

// A rectangle of window pixels; right and bottom are outside it, as in the program's hit tests.
struct TBox {
    i32 L = 0;
    i32 T = 0;
    i32 R = 0;
    i32 B = 0;
    i32 Width() const { return R - L; }
    i32 Height() const { return B - T; }
    i32 CentreX() const { return (L + R) / 2; }
    i32 CentreY() const { return (T + B) / 2; }
    bool Contains(i32 x, i32 y) const { return x >= L && x < R && y >= T && y < B; }
};

constexpr i32 TABLE_WIDTH = 640;
constexpr i32 TABLE_HEIGHT = 480;
// The table's background bitmap in the table's folder.
constexpr const char* TABLE_BACKGROUND = "f1craps.bmp";

// A click region: its id, the bet spot it stands for (-1 for none) and the text painted in it.
struct TClickRegion {
    u16 Id;
    i16 Spot;
    TBox Box;
    const char* Label;
};

// Every region by slot: the layout's own 52, each spot's main piece first, then the pieces
// added to make the drawn spots whole.
const std::vector<TClickRegion>& ClickRegions();
// The first region of a bet spot 0-42.
const TClickRegion& SpotRegion(i16 spot);
// The region of the whole layout (id 74).
const TClickRegion& LayoutRegion();
// A region by its id; null for an id no region has.
const TClickRegion* RegionById(u16 id);
// Two spot regions that share a pixel or two by the program's own table (39 and 63, 43 and 44):
// there each may draw over the other.
bool RegionsMayOverlap(u16 a, u16 b);

// A table button: number 0-13, its type code and the text of its up look.
struct TTableButton {
    u16 Number;
    u16 Code;
    TBox Box;
    const char* Label;
};
const std::vector<TTableButton>& TableButtons();

// Panels of the button bar left free by the buttons.
constexpr TBox BOARD_PANEL{223, 430, 412, 464};
constexpr TBox BANK_PANEL{51, 430, 170, 480};
constexpr TBox HAND_PANEL{469, 430, 587, 455};
// The seat-change strip, where the name plate shows.
constexpr TBox PLATE_STRIP{260, 465, 375, 477};

// Character places of the board and the cash displays: 14 at an 8-pixel pitch.
constexpr i32 DIGIT_PITCH = 8;
constexpr i32 DIGIT_PLACES = 14;
// Left edge of the units place of the board; its centring field ends 8 pixels later.
constexpr i32 BOARD_UNITS_X = 403;
constexpr i32 BOARD_DIGITS_Y = 448;
constexpr i32 BOARD_MESSAGE_Y = 432;
constexpr i32 BANK_DIGITS_X = 54;
constexpr i32 BANK_DIGITS_Y = 452;
constexpr i32 HAND_DIGITS_X = 472;
constexpr i32 HAND_DIGITS_Y = 441;

// The shooter places along the bottom edge of the layout: seat 1 left, seat 0 in the middle,
// seat 2 right. Dice and payout piles stand on this line.
i32 SeatX(int seat);
constexpr i32 SEAT_LINE_Y = 427;

// Where the landed dice rest, per landing variant 0-2 (A, B, C) and die 0-1.
TBox BigDieBox(int variant, int die);

// The numbers 4, 5, 6, 8, 9, 10 (index 0-5): where the puck (20 x 15) lies on the point, at the
// top left of the number's buy or place box, clear of the number below it and of the piles and
// buy markers to its right.
TBox NumberBox(int index);
// The don't-come box, where the puck lies when it is off.
const TBox& DontComeBox();
