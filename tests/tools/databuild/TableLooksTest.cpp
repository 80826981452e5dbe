// What a player must be able to read at 1x: the shooter's dice and their pips, the chip buttons'
// values over the stacks that stand in them, a buy bet's one chip beside its marker, and the
// window-size button when it is not available.
#include "tools/databuild/art/ChipArt.h"
#include "tools/databuild/art/Colours.h"
#include "tools/databuild/content/ButtonArt.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>

namespace {

bool Opaque(const TAnmFrameSource& frame, i32 x, i32 y) {
    return x >= 0 && y >= 0 && x < frame.Width && y < frame.Height &&
           frame.Opaque[static_cast<size_t>(y) * frame.Width + x] != 0;
}

std::array<u8, 3> Rgb(const TAnmFrameSource& frame, i32 x, i32 y) {
    return RgbOf(frame.Pixels[static_cast<size_t>(y) * frame.Width + x]);
}

// The bounding boxes of the 4-connected groups of a frame's pixels that pass the test.
std::vector<TBox> Blobs(const TAnmFrameSource& frame,
                        const std::function<bool(const std::array<u8, 3>&)>& test) {
    std::vector<bool> seen(frame.Pixels.size(), false);
    const auto in = [&](i32 x, i32 y) { return Opaque(frame, x, y) && test(Rgb(frame, x, y)); };
    std::vector<TBox> blobs;
    for (i32 y = 0; y < frame.Height; ++y)
        for (i32 x = 0; x < frame.Width; ++x) {
            if (!in(x, y) || seen[static_cast<size_t>(y) * frame.Width + x])
                continue;
            TBox box{x, y, x + 1, y + 1};
            std::vector<std::pair<i32, i32>> todo = {{x, y}};
            seen[static_cast<size_t>(y) * frame.Width + x] = true;
            while (!todo.empty()) {
                const auto [px, py] = todo.back();
                todo.pop_back();
                box = {std::min(box.L, px), std::min(box.T, py), std::max(box.R, px + 1),
                       std::max(box.B, py + 1)};
                for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                    const i32 nx = px + dx, ny = py + dy;
                    if (in(nx, ny) && !seen[static_cast<size_t>(ny) * frame.Width + nx]) {
                        seen[static_cast<size_t>(ny) * frame.Width + nx] = true;
                        todo.push_back({nx, ny});
                    }
                }
            }
            blobs.push_back(box);
        }
    return blobs;
}

bool Pip(const std::array<u8, 3>& c) {
    return c[0] + c[1] + c[2] > 600;
}

bool DieRed(const std::array<u8, 3>& c) {
    return c[0] > 90 && c[0] > 2 * c[1] && c[0] > 2 * c[2];
}

TEST(ShooterDice, EachDieIsSixteenPixelsWithPipsThreePixelsAcross) {
    const TAnmFrameSource pair = ShooterDiceFrame();
    // The dice's red bodies: two, each at least 16 pixels square.
    const std::vector<TBox> bodies = Blobs(pair, DieRed);
    i32 big = 0;
    for (const TBox& body : bodies)
        if (body.Width() >= 16 && body.Height() >= 16)
            ++big;
    EXPECT_EQ(big, 2);
    // A five and a three: eight pips, none under three pixels either way.
    const std::vector<TBox> pips = Blobs(pair, Pip);
    ASSERT_EQ(pips.size(), 8u);
    for (const TBox& pip : pips) {
        EXPECT_GE(pip.Width(), 3) << pip.L << "," << pip.T;
        EXPECT_GE(pip.Height(), 3) << pip.L << "," << pip.T;
    }
    // They lie on the seat line: the frame's foot is its hotspot.
    EXPECT_EQ(pair.HotY, pair.Height);
}

// A chip button's value: the pixels its face with the label shows differently from its face
// without one.
std::vector<std::pair<i32, i32>> LabelPixels(const TTableButton& button, TButtonLook look) {
    const TCanvas with = ButtonFace(button, look, button.Label);
    const TCanvas without = ButtonFace(button, look, "");
    std::vector<std::pair<i32, i32>> pixels;
    for (i32 y = 0; y < with.Height(); ++y)
        for (i32 x = 0; x < with.Width(); ++x)
            if (with.At(x, y) != without.At(x, y))
                pixels.push_back({x, y});
    return pixels;
}

TEST(ChipButtons, TheTallestStackLeavesEveryButtonsValueInView) {
    for (u16 number = 6; number <= 11; ++number) {
        const TTableButton& button = TableButtons()[number];
        // Button 6 sells $10000 chips, button 11 $1: the rack's stack d stands in button 11 - d.
        const TAnmFrameSource tallest = RackStackFrames(11 - number).back();
        // Where the rack puts it: its foot's middle on the button's bottom row but one.
        const i32 left = button.Box.CentreX() - tallest.HotX - button.Box.L;
        const i32 top = button.Box.B - 1 - tallest.HotY - button.Box.T;
        for (TButtonLook look : {TButtonLook::Up, TButtonLook::Pressed, TButtonLook::Disabled}) {
            const auto label = LabelPixels(button, look);
            EXPECT_GT(label.size(), 10u) << button.Label;
            for (const auto& [x, y] : label)
                ASSERT_FALSE(Opaque(tallest, x - left, y - top))
                    << button.Label << " look " << static_cast<int>(look) << " at " << x << ","
                    << y;
        }
    }
}

TEST(BuyMarker, AOneChipPileShowsItsFaceBesideTheMarker) {
    const TAnmFrameSource marker = BuyMarkerFrame();
    for (int d = 0; d < CHIP_DENOMINATIONS; ++d) {
        const TAnmFrameSource chip = ChipStackFrames(d)[0];
        // The pile's foot at (50, 50); its top, where the marker is set, a pitch above.
        const i32 footX = 50, footY = 50;
        const i32 topY = footY - CHIP_PITCH;
        i32 shown = 0, hidden = 0;
        for (i32 y = 0; y < chip.Height; ++y)
            for (i32 x = 0; x < chip.Width; ++x) {
                if (!Opaque(chip, x, y))
                    continue;
                const i32 sx = footX - chip.HotX + x, sy = footY - chip.HotY + y;
                (Opaque(marker, sx - footX + marker.HotX, sy - topY + marker.HotY) ? hidden
                                                                                   : shown) += 1;
            }
        // Most of the chip, its face's front half all of it, stays in view.
        EXPECT_GT(shown, 4 * hidden) << d;
        for (i32 y = chip.Height / 2; y < chip.Height; ++y)
            for (i32 x = 0; x < chip.Width; ++x) {
                const bool covered = Opaque(marker, x - chip.HotX + marker.HotX,
                                            footY - chip.HotY + y - topY + marker.HotY);
                EXPECT_FALSE(Opaque(chip, x, y) && covered) << d << " at " << x << "," << y;
            }
    }
    // It still stands on the pile: its foot no more than five rows above the pile's top.
    i32 lowest = -1;
    for (i32 y = 0; y < marker.Height; ++y)
        for (i32 x = 0; x < marker.Width; ++x)
            if (Opaque(marker, x, y))
                lowest = y;
    EXPECT_GE(lowest - marker.HotY, -5);
}

// How far a colour is from grey: its largest channel less its smallest.
int Colourfulness(const std::array<u8, 3>& c) {
    return *std::max_element(c.begin(), c.end()) - *std::min_element(c.begin(), c.end());
}

TEST(WindowSizeButton, ItsNotAvailableLooksAreGreyFaceAndGreyText) {
    const TTableButton& size = TableButtons()[2];
    const std::vector<TAnmFrameSource> frames = ButtonFrames(size);
    ASSERT_EQ(frames.size(), 4u);
    const TCanvas up = ButtonFace(size, TButtonLook::Up, size.Label);
    i32 colourfulUp = 0;
    for (i32 y = 0; y < up.Height(); ++y)
        for (i32 x = 0; x < up.Width(); ++x)
            colourfulUp += up.Covered(x, y) && Colourfulness(RgbOf(up.At(x, y))) > 40 ? 1 : 0;
    EXPECT_GT(colourfulUp, up.Width() * up.Height() / 2);
    for (size_t f : {1u, 3u}) {
        const TAnmFrameSource& frame = frames[f];
        i32 differs = 0, pixels = 0;
        for (i32 y = 0; y < frame.Height; ++y)
            for (i32 x = 0; x < frame.Width; ++x) {
                if (!Opaque(frame, x, y))
                    continue;
                ++pixels;
                EXPECT_LE(Colourfulness(Rgb(frame, x, y)), 24) << f << " at " << x << "," << y;
                differs += Rgb(frame, x, y) != RgbOf(up.At(x, y)) ? 1 : 0;
            }
        EXPECT_GT(differs, pixels * 3 / 4) << f;
        // The face's edge as the help button, as tall, shows it when it is disabled.
        const TAnmFrameSource help = ButtonFrames(TableButtons()[3])[1];
        ASSERT_EQ(help.Height, frame.Height);
        for (i32 y = 1; y + 1 < frame.Height; ++y)
            EXPECT_EQ(Rgb(frame, 1, y), Rgb(help, 1, y)) << f << " row " << y;
    }
}

} // namespace
