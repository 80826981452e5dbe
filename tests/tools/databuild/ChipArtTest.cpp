// The chip, marker, puck and dice pictures: piles at the stacking pitch, denominations and seats
// told apart by colour, dice faces with the right pips, and the painting's edge rule.
#include "tools/databuild/art/ChipArt.h"
#include "tools/databuild/art/Colours.h"
#include "tools/databuild/art/SoftPaint.h"

#include <gtest/gtest.h>

#include <map>

namespace {

std::array<u8, 3> At(const TAnmFrameSource& frame, i32 x, i32 y) {
    return RgbOf(frame.Pixels[static_cast<size_t>(y) * frame.Width + x]);
}

bool Opaque(const TAnmFrameSource& frame, i32 x, i32 y) {
    return frame.Opaque[static_cast<size_t>(y) * frame.Width + x] != 0;
}

// The colour most of a frame's opaque pixels show.
std::array<u8, 3> Dominant(const TAnmFrameSource& frame) {
    std::map<u8, int> counts;
    for (size_t i = 0; i < frame.Pixels.size(); ++i)
        if (frame.Opaque[i] != 0)
            ++counts[frame.Pixels[i]];
    u8 best = 0;
    for (const auto& [index, count] : counts)
        if (count > counts[best])
            best = index;
    return RgbOf(best);
}

int Distance(const std::array<u8, 3>& a, const std::array<u8, 3>& b) {
    return std::abs(a[0] - b[0]) + std::abs(a[1] - b[1]) + std::abs(a[2] - b[2]);
}

int Brightness(const std::array<u8, 3>& c) {
    return c[0] + c[1] + c[2];
}

// Separate groups of near-white pixels (pips), counted with 4-neighbour flood fills.
int WhiteBlobs(const TAnmFrameSource& frame) {
    std::vector<bool> seen(frame.Pixels.size(), false);
    auto white = [&](i32 x, i32 y) {
        return x >= 0 && y >= 0 && x < frame.Width && y < frame.Height && Opaque(frame, x, y) &&
               Brightness(At(frame, x, y)) > 600;
    };
    int blobs = 0;
    for (i32 y = 0; y < frame.Height; ++y)
        for (i32 x = 0; x < frame.Width; ++x) {
            if (!white(x, y) || seen[static_cast<size_t>(y) * frame.Width + x])
                continue;
            ++blobs;
            std::vector<std::pair<i32, i32>> todo = {{x, y}};
            while (!todo.empty()) {
                const auto [px, py] = todo.back();
                todo.pop_back();
                if (!white(px, py) || seen[static_cast<size_t>(py) * frame.Width + px])
                    continue;
                seen[static_cast<size_t>(py) * frame.Width + px] = true;
                todo.insert(todo.end(), {{px + 1, py}, {px - 1, py}, {px, py + 1}, {px, py - 1}});
            }
        }
    return blobs;
}

// Pixels of the dice's red.
int RedPixels(const TAnmFrameSource& frame) {
    int red = 0;
    for (i32 y = 0; y < frame.Height; ++y)
        for (i32 x = 0; x < frame.Width; ++x) {
            const std::array<u8, 3> c = At(frame, x, y);
            red += Opaque(frame, x, y) && c[0] > 120 && c[0] > 3 * c[1] && c[0] > 3 * c[2];
        }
    return red;
}

TEST(ChipArt, EachPileFrameAddsOneChipExactlyTwoPixelsAboveTheLast) {
    for (int d = 0; d < CHIP_DENOMINATIONS; ++d) {
        const std::vector<TAnmFrameSource> frames = ChipStackFrames(d);
        ASSERT_EQ(frames.size(), CHIP_STACK_FRAMES) << d;
        for (u16 k = 0; k < CHIP_STACK_FRAMES; ++k) {
            const TAnmFrameSource& frame = frames[k];
            EXPECT_EQ(frame.Height, frames[0].Height + CHIP_PITCH * k) << d << " frame " << k;
            EXPECT_EQ(frame.HotY, frame.Height) << d << " frame " << k;
            EXPECT_EQ(frame.HotX, frame.Width / 2) << d << " frame " << k;
        }
        // Below the new top chip, frame k + 1 is frame k lowered by the pitch: the chips
        // already there keep their place and picture.
        for (u16 k = 0; k + 1 < CHIP_STACK_FRAMES; ++k) {
            const TAnmFrameSource& lower = frames[k];
            const TAnmFrameSource& upper = frames[k + 1];
            for (i32 y = frames[0].Height; y < upper.Height; ++y)
                for (i32 x = 0; x < upper.Width; ++x) {
                    const i32 below = y - CHIP_PITCH;
                    ASSERT_EQ(Opaque(upper, x, y), Opaque(lower, x, below))
                        << d << " frame " << k + 1 << " at " << x << "," << y;
                    if (Opaque(upper, x, y)) {
                        ASSERT_EQ(At(upper, x, y), At(lower, x, below))
                            << d << " frame " << k + 1 << " at " << x << "," << y;
                    }
                }
        }
        // The pile's foot is chip, not a margin: the bottom row and the top row are drawn.
        const TAnmFrameSource& one = frames[0];
        bool top = false, bottom = false;
        for (i32 x = 0; x < one.Width; ++x) {
            top = top || Opaque(one, x, 0);
            bottom = bottom || Opaque(one, x, one.Height - 1);
        }
        EXPECT_TRUE(top && bottom) << d;
    }
}

TEST(ChipArt, DenominationsAndSeatsAreToldApartByColour) {
    std::vector<std::array<u8, 3>> piles;
    for (int d = 0; d < CHIP_DENOMINATIONS; ++d)
        piles.push_back(Dominant(ChipStackFrames(d)[CHIP_STACK_FRAMES - 1]));
    for (size_t a = 0; a < piles.size(); ++a)
        for (size_t b = a + 1; b < piles.size(); ++b)
            EXPECT_GT(Distance(piles[a], piles[b]), 90) << a << " and " << b;

    const std::vector<TAnmFrameSource> chits = SeatChitFrames();
    ASSERT_EQ(chits.size(), 3u);
    for (size_t a = 0; a < 3; ++a)
        for (size_t b = a + 1; b < 3; ++b)
            EXPECT_GT(Distance(Dominant(chits[a]), Dominant(chits[b])), 90) << a << " and " << b;

    // The puck is a dark disc when off and a light one when on.
    EXPECT_GT(Brightness(Dominant(PuckFrame(true))), Brightness(Dominant(PuckFrame(false))) + 300);
}

TEST(ChipArt, EachBigDieFaceShowsItsNumberOfSeparatePips) {
    const std::vector<TAnmFrameSource> faces = BigDieFrames();
    ASSERT_EQ(faces.size(), 6u);
    for (int f = 0; f < 6; ++f) {
        EXPECT_EQ(WhiteBlobs(faces[static_cast<size_t>(f)]), f + 1) << "face " << f + 1;
        EXPECT_EQ(faces[static_cast<size_t>(f)].HotX, 0);
        EXPECT_EQ(faces[static_cast<size_t>(f)].HotY, 0);
    }
    // The shooter's pair shows a five and a three.
    EXPECT_EQ(WhiteBlobs(ShooterDiceFrame()), 8);
}

TEST(ChipArt, HandsAndTheReturnedOddsStartWhereTheDiceAndPilesAre) {
    const TAnmFrameSource dice = ShooterDiceFrame();
    for (bool female : {false, true}) {
        const std::vector<TAnmFrameSource> picks = PickFrames(female);
        ASSERT_EQ(picks.size(), 4u);
        // The dice are in the first frames, in the closed hand after.
        EXPECT_GT(RedPixels(picks[0]), 40) << female;
        EXPECT_EQ(RedPixels(picks[2]), 0) << female;
        // The first frame shows the dice exactly where they lay, above the reaching hand.
        const TAnmFrameSource& first = picks[0];
        const i32 dx = first.HotX - dice.HotX;
        const i32 dy = first.HotY - dice.HotY;
        for (i32 y = 0; y < 3; ++y)
            for (i32 x = 0; x < dice.Width; ++x)
                if (Opaque(dice, x, y)) {
                    ASSERT_TRUE(Opaque(first, x + dx, y + dy)) << x << "," << y;
                    EXPECT_EQ(At(first, x + dx, y + dy), At(dice, x, y)) << x << "," << y;
                }
    }
    // The odds pile ends on the sprite's place: the last frame's foot row holds chips.
    const std::vector<TAnmFrameSource> odds = OddsReturnFrames();
    ASSERT_EQ(odds.size(), 6u);
    const TAnmFrameSource& last = odds.back();
    bool foot = false;
    for (i32 x = 0; x < last.Width; ++x)
        foot = foot || Opaque(last, x, last.HotY - 1);
    EXPECT_TRUE(foot);
}

// A pixel a shape covers wholly takes its colour; a partly covered one blends with the matte;
// one under a quarter covered stays transparent.
TEST(SoftPaint, CoverageDecidesBetweenColourBlendAndTransparency) {
    const TRgbF white{255, 255, 255};
    const TRgbF black{0, 0, 0};
    TSoftPaint paint(4, 1);
    paint.Fill(TShape::Rect(0, 0, 1, 1), white);
    paint.Fill(TShape::Rect(1, 0, 1.5, 1), white);
    paint.Fill(TShape::Rect(2, 0, 2.125, 1), white);
    const TAnmFrameSource frame = paint.Frame(0, 0, black);
    struct TCase {
        i32 X;
        bool Opaque;
        u8 Grey;
    };
    const TCase cases[] = {{0, true, 255}, {1, true, 128}, {2, false, 0}, {3, false, 0}};
    for (const TCase& c : cases) {
        EXPECT_EQ(Opaque(frame, c.X, 0), c.Opaque) << c.X;
        if (c.Opaque) {
            EXPECT_EQ(frame.Pixels[static_cast<size_t>(c.X)], Nearest(c.Grey, c.Grey, c.Grey))
                << c.X;
        }
    }
}

} // namespace
