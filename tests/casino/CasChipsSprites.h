// Placeholder chip-stack art and rack sprite files, written through the engine's encoders and
// writers, and a way to see what a rack's stacks show.
#pragma once

#include "engine/foundation/FileMgrFixture.h"
#include "engine/media/Anm.h"
#include "engine/media/MediaEncoders.h"
#include "engine/media/SpriteSupport.h"

#include "platform/framework/Surface.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace chiptest {

constexpr u8 FeltIndex = 20;
// Three shades (light, body, edge) per chip colour.
constexpr u8 ChipIndex(int colour, int shade) {
    return static_cast<u8>(100 + colour * 3 + shade);
}
// Chips of 1, 5, 25, 100, 1000 and 10000 dollars (0xRRGGBB).
constexpr u32 Colours[6] = {0xEBEBE6, 0xD22828, 0x28A03C, 0x282828, 0xE6C828, 0x963CBE};

// Felt green, chips in three shades (light, body, edge) of their colour, anything else magenta.
inline u32 ColourOf(u8 index) {
    const int c = (index - 100) / 3;
    if (index < 100 || c >= 6)
        return index == FeltIndex ? 0x326E14 : 0xFF00FF;
    const u32 scale[3] = {5, 4, 2};
    u32 out = 0;
    for (u32 shift : {16U, 8U, 0U})
        out |= std::min(245U, ((Colours[c] >> shift) & 0xFF) * scale[(index - 100) % 3] / 4)
               << shift;
    return out;
}

// `chips` chips of one colour, each 4 pixels high and 2 above the one below, standing on the
// bottom centre.
inline TAnmFrameSource ChipPile(int colour, int chips) {
    constexpr i16 Width = 14;
    const i16 height = static_cast<i16>(4 + 2 * (chips - 1));
    TAnmFrameSource f{Width, height, Width / 2, static_cast<i16>(height - 1), {}, {}};
    for (i32 y = 0; y < height; ++y)
        for (i32 x = 0; x < Width; ++x) {
            // The top chip shows whole; each one below shows its lower two rows.
            const i32 row = y < 4 ? y : 2 + y % 2;
            const bool corner = (x == 0 || x == Width - 1) && (row == 0 || row == 3);
            f.Opaque.push_back(corner ? 0 : 1);
            f.Pixels.push_back(ChipIndex(colour, row == 0 ? 0 : row == 3 ? 2 : 1));
        }
    return f;
}

// Six stacks of ten frames each: "stack0.anm" to "stack5.anm".
inline void WriteStackArt(TTempDir& cd) {
    for (int d = 0; d < 6; ++d) {
        std::vector<TAnmFrameSource> frames;
        for (int k = 1; k <= 10; ++k)
            frames.push_back(ChipPile(d, k));
        const std::vector<u8> bytes = TAnmEncoder::Encode(frames, 0, 0);
        cd.WriteHostFile("stack" + std::to_string(d) + ".anm",
                         std::string(bytes.begin(), bytes.end()));
    }
}

// Writes "<name>.sp": the first `stacks` stacks side by side, 18 pixels apart from x 12 with
// their feet on y 40, then `waves` chip sounds.
inline void WriteChipsFile(TJorpOwner* owner, const std::string& name, int stacks = 6,
                           int waves = 3) {
    std::vector<TCellSpec> cells;
    for (int k = 0; k < stacks; ++k)
        cells.push_back({static_cast<i16>(k), 0, "stack" + std::to_string(k) + ".anm", 1, 0, 1,
                         static_cast<i16>(12 + 18 * k), 40, 10});
    for (int w = 0; w < waves; ++w)
        cells.push_back(
            {static_cast<i16>(stacks + w), 0, "clink" + std::to_string(w) + ".wav", 0, 5, 1});
    auto sprite = MakeTableSprite(owner, name, cells);
    ASSERT_TRUE(sprite->SaveIfNeeded());
}

// What a stack shows: 0 when hidden, else the chips of its frame.
inline i16 ShownChips(const TAnm& stack) {
    return stack.IsShown() ? static_cast<i16>(stack.GetCurrentData().CurrentFrame + 1) : i16{0};
}

// The sprite's shown animations drawn on felt, as colours.
inline TScreenSurface Render(const TSprite& sprite, i32 width, i32 height) {
    TPixelTarget target(width, height, true, FeltIndex);
    for (i16 i = 0; i < sprite.GetAnmList()->GetCount(); ++i) {
        TAnm* anm = sprite.GetAnm(i);
        if (!anm->IsShown())
            continue;
        EXPECT_TRUE(
            anm->DrawFrame(target, {0, 0, static_cast<i16>(width), static_cast<i16>(height)}));
    }
    TScreenSurface screen(TSize{width, height});
    for (i32 y = 0; y < height; ++y)
        for (i32 x = 0; x < width; ++x)
            screen.SetPixel(x, y, 0xFF000000U | ColourOf(target.At(x, y)));
    return screen;
}

} // namespace chiptest
