// Placeholder chip art and bet-spot sprite files, written through the engine's encoders and
// writers.
#pragma once

#include "engine/media/MediaFixture.h"
#include "engine/media/SpriteSupport.h"

#include "engine/foundation/FileMgrFixture.h"
#include "engine/media/MediaEncoders.h"
#include "support/ChipPileArt.h"

#include <array>
#include <string>
#include <vector>

namespace spottest {

// Palette: felt, then three shades (light, body, edge) per chip colour, the chits after them;
// clear of the system's static colours, every other entry a distinct ramp.
constexpr u8 FeltIndex = 20;
using chipart::ChipIndex;
using chipart::ChipPile;
// Chips of 1, 5, 25, 100, 1000 and 10000 dollars, then the seats' marker colours (0xRRGGBB).
constexpr u32 Colours[9] = {0xEBEBE6, 0xD22828, 0x28A03C, 0x282828, 0xE6C828,
                            0x963CBE, 0x3C78F0, 0xFA8C14, 0x14D2D2};
constexpr int SeatColour(int seat) {
    return 6 + seat;
}

inline TColourTable SpotColours() {
    TColourTable c = RampColours();
    // Entries are blue, green, red.
    c[FeltIndex] = {50, 110, 20, 0};
    for (int i = 0; i < 9; ++i) {
        const auto r = static_cast<u8>(Colours[i] >> 16);
        const auto g = static_cast<u8>(Colours[i] >> 8);
        const auto b = static_cast<u8>(Colours[i]);
        auto shade = [](u8 v, int num) { return static_cast<u8>(std::min(245, v * num / 4)); };
        c[ChipIndex(i, 0)] = {shade(b, 5), shade(g, 5), shade(r, 5), 0};
        c[ChipIndex(i, 1)] = {b, g, r, 0};
        c[ChipIndex(i, 2)] = {shade(b, 2), shade(g, 2), shade(r, 2), 0};
    }
    return c;
}

// A flag 6 wide and 7 high standing on its hot spot, one colour per frame.
inline TAnmFrameSource Flag(int colour) {
    TAnmFrameSource f{6, 7, 0, 6, {}, {}};
    for (i32 y = 0; y < 7; ++y)
        for (i32 x = 0; x < 6; ++x) {
            f.Opaque.push_back(x == 0 || y < 4 ? 1 : 0);
            f.Pixels.push_back(ChipIndex(colour, x == 0 ? 2 : 1));
        }
    return f;
}

inline void WriteAnm(TTempDir& cd, const std::string& name,
                     const std::vector<TAnmFrameSource>& frames) {
    const std::vector<u8> bytes = TAnmEncoder::Encode(frames, 0, 0);
    cd.WriteHostFile(name, std::string(bytes.begin(), bytes.end()));
}

// The six chip stacks (ten frames each), the marker chit (a frame per seat) and the buy marker.
inline void WriteChipArt(TTempDir& cd) {
    for (int d = 0; d < 6; ++d) {
        std::vector<TAnmFrameSource> frames;
        for (int k = 1; k <= 10; ++k)
            frames.push_back(ChipPile(d, k));
        WriteAnm(cd, "chip" + std::to_string(d) + ".anm", frames);
    }
    WriteAnm(cd, "marker.anm", {Flag(SeatColour(0)), Flag(SeatColour(1)), Flag(SeatColour(2))});
    WriteAnm(cd, "bought.anm", {Flag(0)});
}

// Where each seat's pile stands (x, y, z).
using TPileSpots = std::array<TGrPoint, 3>;

// The cells of a spot's sprite in entry order, the first `entries` of them: 18 chip stacks,
// the marker chit and the seats' buy markers above their piles.
inline std::vector<TCellSpec> SpotCells(const TPileSpots& piles, int entries = 22) {
    std::vector<TCellSpec> cells;
    for (int e = 0; e < entries; ++e) {
        const TGrPoint at = e < 18    ? piles[static_cast<size_t>(e / 6)]
                            : e == 18 ? TGrPoint{0, 0, 0}
                                      : piles[static_cast<size_t>(e - 19)];
        const std::string name = e < 18    ? "chip" + std::to_string(e % 6) + ".anm"
                                 : e == 18 ? "marker.anm"
                                           : "bought.anm";
        cells.push_back({static_cast<i16>(e), 0, name, 1, 0, 1, at.x, at.y, at.z});
    }
    return cells;
}

// Writes "<name>.sp" into the folder the owner's files come from.
inline void WriteSpotFile(TJorpOwner* owner, const std::string& name, const TPileSpots& piles,
                          int entries = 22) {
    auto sprite = MakeTableSprite(owner, name, SpotCells(piles, entries));
    ASSERT_TRUE(sprite->SaveIfNeeded());
}

} // namespace spottest
