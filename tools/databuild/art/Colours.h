// The game palette: the system's twenty static colours and the data set's named colours.
#pragma once

#include "engine/media/MediaEncoders.h"
#include "platform/host/Types.h"

#include <array>

// Palette indices the art is drawn with. The statics sit at 0-9 and 246-255, where every
// screen shows them; the data set's own colours start at 10.
enum TColour : u8 {
    CL_BLACK = 0,
    CL_DARK_RED = 1,
    CL_DARK_GREEN = 2,
    CL_OLIVE = 3,
    CL_DARK_BLUE = 4,
    CL_GREY = 248,
    CL_SILVER = 7,
    CL_RED = 249,
    CL_GREEN = 250,
    CL_YELLOW = 251,
    CL_BLUE = 252,
    CL_WHITE = 255,

    CL_FELT = 10,
    CL_FELT_DARK,
    CL_FELT_LIGHT,
    CL_RAIL,
    CL_RAIL_LIGHT,
    CL_RAIL_DARK,
    CL_GOLD,
    CL_CREAM,
    CL_CRAPS_RED,
    CL_PANEL,
    CL_PANEL_EDGE,
    CL_BOARD,
    CL_AMBER,
    CL_AMBER_DIM,
    CL_BUTTON,
    CL_BUTTON_LIGHT,
    CL_BUTTON_SHADOW,
    CL_BUTTON_TEXT,
    CL_PRESSED,
    CL_DISABLED,
    CL_DISABLED_TEXT,
    CL_SIGNAL,
    CL_CHIP_1,
    CL_CHIP_5,
    CL_CHIP_25,
    CL_CHIP_100,
    CL_CHIP_1000,
    CL_CHIP_10000,
    CL_CHIP_STRIPE,
    CL_IVORY,
    CL_PIP,
    CL_SEAT_0,
    CL_SEAT_1,
    CL_SEAT_2,
    CL_CAPTION,
    CL_CAPTION_TEXT,
    CL_TITLE,
    CL_TITLE_SHADOW,
    CL_SKIN,
    CL_NAMED_END,
};

// The palette's shaded ramps, dark to light, in entries CL_NAMED_END..245. Shading and
// anti-aliased edges pick from them (through RampEntry, Nearest and Mix).
enum class TRamp : u8 {
    Felt,
    FeltToCream,
    FeltToGold,
    FeltToRed,
    Wood,
    WoodToGold,
    Gold,
    Cream,
    Skin,
    Shadow,
    Grey,
    WarmGrey,
    Red,
    Blue,
    SlateBlue,
    ChipGreen,
    Purple,
    Orange,
    Amber,
    Teal,
    Pink,
    Count,
};

// A ramp's entry at a level 0 (darkest) .. 255 (lightest).
u8 RampEntry(TRamp ramp, u32 level);
// How many entries a ramp has.
u32 RampLength(TRamp ramp);
// A ramp's entry by step, 0 (darkest) .. RampLength - 1; steps past the end give the last.
u8 RampStep(TRamp ramp, u32 step);

// The game palette's entry closest to a colour, the statics included.
u8 Nearest(u8 r, u8 g, u8 b);
// The entry closest to `over` laid on `under` with a coverage of 0 (all under) .. 255 (all
// over); answers are cached, since edges ask for the same blends again and again.
u8 Mix(u8 under, u8 over, u32 coverage);
// An entry's colour as red, green, blue.
std::array<u8, 3> RgbOf(u8 index);

// The twenty static colours in index order 0-9, then 246-255 (red, green, blue).
const std::array<std::array<u8, 3>, 20>& StaticColours();

// The whole palette: statics, named colours, then a grey ramp for the unused entries; every
// entry from 10 to 245 differs from all twenty statics (the screen would merge them).
TColourTable GamePalette();
