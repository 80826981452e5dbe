// Placeholder chip piles for sprite tests: frames of one to ten chips in three shades of a
// colour, shared by the bet spots' and the casino's table art.
#pragma once

#include "engine/media/AnmEncoder.h"

namespace chipart {

// Three palette entries (light, body, edge) per chip colour from entry 100 on.
constexpr u8 ChipIndex(int colour, int shade) {
    return static_cast<u8>(100 + colour * 3 + shade);
}

// `chips` chips of one colour, each 4 pixels high and 2 above the one below: the top chip shows
// whole, each one below its lower two rows. The hot spot is the bottom centre, where a spot
// stands the pile.
inline TAnmFrameSource ChipPile(int colour, int chips) {
    constexpr i16 Width = 14;
    const i16 height = static_cast<i16>(4 + 2 * (chips - 1));
    TAnmFrameSource f{Width, height, Width / 2, static_cast<i16>(height - 1), {}, {}};
    for (i32 y = 0; y < height; ++y)
        for (i32 x = 0; x < Width; ++x) {
            const i32 row = y < 4 ? y : 2 + y % 2;
            const bool corner = (x == 0 || x == Width - 1) && (row == 0 || row == 3);
            f.Opaque.push_back(corner ? 0 : 1);
            f.Pixels.push_back(ChipIndex(colour, row == 0 ? 0 : row == 3 ? 2 : 1));
        }
    return f;
}

} // namespace chipart
