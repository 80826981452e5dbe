// Placeholder art and sprite files for the table's own sprites, written through the engine's
// encoders and writers; and the report a short sprite file must end the program with.
#pragma once

#include "../bets/spots/SpotSupport.h"

#include "engine/media/Anm.h"
#include "platform/host/MessageBox.h"
#include "support/ExitTrap.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tableart {

constexpr u8 IvoryIndex = 200;
constexpr u8 InkIndex = 201;
// Frames each payout column's art holds: as many as its tallest stack has chips.
constexpr int PayOffFrames[6] = {4, 4, 3, 9, 9, 9};
using TRows = std::array<TGrPoint, 3>;

inline TColourTable TableColours() {
    TColourTable c = spottest::SpotColours();
    c[IvoryIndex] = {225, 240, 245, 0}; // blue, green, red
    c[InkIndex] = {30, 20, 20, 0};
    return c;
}

// A 21-pixel die, ivory with ink pips (a bit a place of a 3 x 3 grid, row by row), corners cut,
// its hot spot at the top left; or a puck, round, dark when it has no pips.
inline TAnmFrameSource Die(u16 pips, bool puck = false) {
    TAnmFrameSource f{21, 21, 0, 0, {}, {}};
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 21; ++x) {
            const int g = (y - 2) / 6 * 3 + (x - 2) / 6;
            const bool pip = x >= 2 && y >= 2 && x < 19 && y < 19 && (x - 2) % 6 < 4 &&
                             (y - 2) % 6 < 4 && ((pips >> (8 - g)) & 1) != 0;
            const bool out = puck ? (x - 10) * (x - 10) + (y - 10) * (y - 10) > 110
                                  : (x == 0 || x == 20) && (y == 0 || y == 20);
            f.Opaque.push_back(out ? 0 : 1);
            f.Pixels.push_back(pip || (puck && pips == 0) ? InkIndex : IvoryIndex);
        }
    return f;
}

// "die.anm": faces 1 to 6; "puck.anm": dark (off), then one to six pips for the points 4 to 10;
// "pay<c>.anm": the payout stacks in spot chips.
inline void WriteTableArt(TTempDir& cd) {
    std::vector<TAnmFrameSource> dice;
    std::vector<TAnmFrameSource> puck = {Die(0, true)};
    for (u16 pips : {0x010, 0x044, 0x054, 0x145, 0x155, 0x16D}) {
        dice.push_back(Die(pips));
        puck.push_back(Die(pips, true));
    }
    spottest::WriteAnm(cd, "die.anm", dice);
    spottest::WriteAnm(cd, "puck.anm", puck);
    for (int c = 0; c < 6; ++c) {
        std::vector<TAnmFrameSource> frames;
        for (int k = 1; k <= PayOffFrames[c]; ++k)
            frames.push_back(spottest::ChipPile(c, k));
        spottest::WriteAnm(cd, "pay" + std::to_string(c) + ".anm", frames);
    }
}

// "<name>.sp" with a member a row: a picture at its row's point (members 0-5 the first, 6-11
// the second, then the third) or a wave.
inline void WriteSpriteFile(TJorpOwner* owner, const std::string& name,
                            const std::vector<std::string>& members, const TRows& rows = {}) {
    std::vector<TCellSpec> cells;
    for (size_t n = 0; n < members.size(); ++n) {
        const TGrPoint at = rows[n / 6 % 3];
        const u8 kind = members[n].ends_with(".wav") ? 0 : 1;
        cells.push_back({static_cast<i16>(n), 0, members[n], kind, 0, 1, at.x, at.y, at.z});
    }
    ASSERT_TRUE(MakeTableSprite(owner, name, cells)->SaveIfNeeded());
}

// The first `count` payout stacks or waves.
inline std::vector<std::string> Members(const char* kind, int count) {
    std::vector<std::string> names;
    for (int n = 0; n < count; ++n)
        names.push_back(kind == std::string("wav") ? "chips" + std::to_string(n) + ".wav"
                                                   : "pay" + std::to_string(n % 6) + ".anm");
    return names;
}

// Frames in which the pictures tick each time, as though just set: still pictures hold.
inline void TickHeld(TSprite& sprite, TTickOwner& owner) {
    for (int k = 0; k < 4; ++k) {
        sprite.ClearFlags(JOF_TIMED_ON);
        sprite.Tick(++owner.Tick);
        sprite.PostTick(owner.Tick);
    }
}

// Making the sprite of that file must end the program with the set-up report naming the labels.
template <class Make>
void ExpectAnmSetupReport(Make make, const std::string& file, const std::string& name,
                          const std::string& description, int number) {
    TMessageBoxRecorder boxes;
    TExitTrap trap;
    EXPECT_THROW(make(), TProcessExit);
    ASSERT_EQ(boxes.Boxes.size(), 1U);
    EXPECT_EQ(boxes.Boxes[0].Caption, "Fatal Error - Anm Setup");
    EXPECT_EQ(boxes.Boxes[0].Text, "Sprite name: " + name + "\n Sprite file name: " + file +
                                       ".sp\n Description: \n" + description +
                                       "\n Num: " + std::to_string(number) + "\n Exiting Program");
}

} // namespace tableart
