// A picture that stands still and takes a new frame: only where the frames differ is repainted,
// and the surface ends as a whole repaint would leave it.
#include "SpriteSupport.h"

#include "MediaFixture.h"
#include "engine/media/Anm.h"
#include "engine/media/AnmEncoder.h"

#include <gtest/gtest.h>

namespace {

// Frames of 12 x 10: the base picture, one with a block changed at columns 3 to 6 of rows 2 to 4,
// the base again, and the base with its first row drawn as two runs.
bool Base(i32 x, i32 y) {
    return (x + y) % 5 != 0;
}
bool Block(i32 x, i32 y) {
    return Base(x, y) || (x >= 3 && x < 7 && y >= 2 && y < 5);
}
bool Split(i32 x, i32 y) {
    return Base(x, y) || (y == 0 && x == 5);
}

std::vector<u8> Frames() {
    std::vector<TAnmFrameSource> frames = {
        MakeFrame(12, 10, 0, 0, &Base), MakeFrame(12, 10, 0, 0, &Block),
        MakeFrame(12, 10, 0, 0, &Base), MakeFrame(12, 10, 0, 0, &Split),
        MakeFrame(11, 10, 0, 0, &Base)};
    // The block's own pixels differ in colour as well as in what is clear.
    frames[1].Pixels[static_cast<size_t>(3 * 12 + 4)] = 200;
    return TAnmEncoder::Encode(frames, 0, 0);
}

TEST(AnmChangedArea, FramesDifferOnlyWhereTheyDrawOtherPixels) {
    const std::vector<u8> bytes = Frames();
    TAnmImage image;
    ASSERT_TRUE(image.Check(bytes.data(), static_cast<u32>(bytes.size())));
    TRect16 area{1, 1, 2, 2};
    ASSERT_TRUE(image.ChangedArea(bytes.data(), 0, 1, area));
    // Block adds pixels only where Base leaves some clear, and the changed colour at (4, 3).
    TRect16 want{12, 10, 0, 0};
    for (i32 y = 0; y < 10; ++y)
        for (i32 x = 0; x < 12; ++x)
            if (Base(x, y) != Block(x, y) || (x == 4 && y == 3))
                want = {std::min<i32>(want.left, x), std::min<i32>(want.top, y),
                        std::max<i32>(want.right, x + 1), std::max<i32>(want.bottom, y + 1)};
    EXPECT_EQ(area, want);
    ASSERT_TRUE(image.ChangedArea(bytes.data(), 1, 2, area));
    EXPECT_EQ(area, want);
    // The same picture again, and the first row with one more pixel.
    ASSERT_TRUE(image.ChangedArea(bytes.data(), 0, 2, area));
    EXPECT_TRUE(area.IsEmpty());
    ASSERT_TRUE(image.ChangedArea(bytes.data(), 2, 3, area));
    EXPECT_EQ(area, (TRect16{5, 0, 6, 1}));
    // Frames of two sizes are not compared; a pair asked again is answered alike.
    EXPECT_FALSE(image.ChangedArea(bytes.data(), 0, 4, area));
    ASSERT_TRUE(image.ChangedArea(bytes.data(), 0, 1, area));
    EXPECT_EQ(area, want);
}

// Frames of every width from 1 to 13 with one pixel changed, or two (in colour, or cleared),
// at every column: the area is exactly their span, wherever it starts and ends against the
// words the comparison takes at once.
TEST(AnmChangedArea, TheAreaIsTheSpanOfTheChangedPixelsAtAnyColumn) {
    for (i16 width = 1; width <= 13; ++width) {
        std::vector<TAnmFrameSource> frames = {MakeFrame(width, 3, 0, 0, &AllOpaque)};
        std::vector<TRect16> want;
        for (i32 c = 0; c < width; ++c) {
            const i32 d = width - 1 - c;
            for (const bool two : {false, true}) {
                TAnmFrameSource f = frames[0];
                f.Pixels[static_cast<size_t>(width + c)] = 250;
                if (two)
                    f.Opaque[static_cast<size_t>(width + d)] = 0;
                frames.push_back(f);
                const i32 right = two ? std::max(c, d) : c;
                want.push_back({two ? std::min(c, d) : c, 1, right + 1, 2});
            }
        }
        const std::vector<u8> bytes = TAnmEncoder::Encode(frames, 0, 0);
        TAnmImage image;
        ASSERT_TRUE(image.Check(bytes.data(), static_cast<u32>(bytes.size())));
        for (size_t k = 0; k < want.size(); ++k) {
            TRect16 area;
            ASSERT_TRUE(image.ChangedArea(bytes.data(), 0, static_cast<u16>(k + 1), area));
            EXPECT_EQ(area, want[k]) << "width " << width << ", frame " << k + 1;
        }
    }
}

// Every changed pixel of a pair of frames, as a mask.
std::vector<bool> ChangedPixels(const TAnmFrameSource& a, const TAnmFrameSource& b) {
    std::vector<bool> out(a.Pixels.size());
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = a.Opaque[i] != b.Opaque[i] || (a.Opaque[i] != 0 && a.Pixels[i] != b.Pixels[i]);
    return out;
}

// Frames of 120 x 100 changed along a diagonal, in two blocks far apart, and not at all: the
// parts cover every changed pixel, lie in bands apart from one another, top first, within the
// box, and cost far fewer pixels than the box where the change is thin.
TEST(AnmChangedArea, PartsAreBandsCoveringEveryChangedPixel) {
    constexpr i16 W = 120, H = 100;
    std::vector<TAnmFrameSource> frames = {MakeFrame(W, H, 0, 0, &AllOpaque)};
    TAnmFrameSource diagonal = frames[0];
    for (i32 y = 0; y < H; ++y)
        for (i32 x = y; x < y + 3; ++x)
            diagonal.Pixels[static_cast<size_t>(y * W + x)] = 240;
    TAnmFrameSource blocks = frames[0];
    for (i32 y = 0; y < H; ++y)
        for (i32 x = 0; x < W; ++x)
            if ((x < 20 && y < 20) || (x >= 100 && y >= 80))
                blocks.Opaque[static_cast<size_t>(y * W + x)] = 0;
    frames.push_back(diagonal);
    frames.push_back(blocks);
    frames.push_back(frames[0]);
    const std::vector<u8> bytes = TAnmEncoder::Encode(frames, 0, 0);
    TAnmImage image;
    ASSERT_TRUE(image.Check(bytes.data(), static_cast<u32>(bytes.size())));
    for (const u16 k : {u16{1}, u16{2}}) {
        TRect16 area;
        TAnmChangedParts parts;
        ASSERT_TRUE(image.ChangedArea(bytes.data(), 0, k, area, &parts));
        ASSERT_GT(parts.Count, 1) << "frame " << k;
        ASSERT_LE(parts.Count, ANM_CHANGED_PARTS);
        i64 pixels = 0;
        for (u8 i = 0; i < parts.Count; ++i) {
            const TRect16& p = parts.Rects[i];
            EXPECT_EQ(p.Intersect(area), p);
            if (i > 0) {
                EXPECT_LE(parts.Rects[i - 1].bottom, p.top);
            }
            pixels += static_cast<i64>(p.Width()) * p.Height();
        }
        EXPECT_LT(pixels * 2, static_cast<i64>(area.Width()) * area.Height()) << "frame " << k;
        const std::vector<bool> changed = ChangedPixels(frames[0], frames[k]);
        for (i32 y = 0; y < H; ++y)
            for (i32 x = 0; x < W; ++x) {
                if (!changed[static_cast<size_t>(y * W + x)])
                    continue;
                bool covered = false;
                for (u8 i = 0; i < parts.Count; ++i) {
                    const TRect16& p = parts.Rects[i];
                    covered = covered || (x >= p.left && x < p.right && y >= p.top && y < p.bottom);
                }
                ASSERT_TRUE(covered) << "frame " << k << " at " << x << "," << y;
            }
        // Asked again, the remembered answer is the same.
        TAnmChangedParts again;
        ASSERT_TRUE(image.ChangedArea(bytes.data(), 0, k, area, &again));
        ASSERT_EQ(again.Count, parts.Count);
        for (u8 i = 0; i < parts.Count; ++i)
            EXPECT_EQ(again.Rects[i], parts.Rects[i]);
    }
    TRect16 area;
    TAnmChangedParts blockParts;
    ASSERT_TRUE(image.ChangedArea(bytes.data(), 0, 2, area, &blockParts));
    EXPECT_EQ(blockParts.Count, 2);
    EXPECT_EQ(blockParts.Rects[0], (TRect16{0, 0, 20, 20}));
    EXPECT_EQ(blockParts.Rects[1], (TRect16{100, 80, 120, 100}));
    TAnmChangedParts none;
    none.Count = 5;
    ASSERT_TRUE(image.ChangedArea(bytes.data(), 0, 3, area, &none));
    EXPECT_TRUE(area.IsEmpty());
    EXPECT_EQ(none.Count, 0);
}

class AnmRepaint : public MediaFixture {
protected:
    void SetUp() override {
        MediaFixture::SetUp();
        WriteBmp("felt", 640, 480, std::vector<u8>(640 * 480, 12));
        MakeScreen(LoadBmp("felt"), nullptr);
        Bytes = Frames();
        TAnmData data(40, 30, 2, 0, 0xFFFF, 0, ANM_HOLD, false, false, true);
        data.SetFlag(ANMD_ANCHOR_FROM_FILE, false);
        Picture = std::make_unique<TAnm>(Window, TFileMode("test.anm", 1, 1), data);
        Picture->LoadAt({Bytes.data(), static_cast<u32>(Bytes.size())}, true);
        Picture->Play(0);
        Video().RenderFrame();
    }
    void Select(u16 frame) {
        Picture->GetCurrentData().CurrentFrame = frame;
        Picture->SelectFrame();
    }
    std::vector<u8> Buffer() {
        TVideoBmp* buffer = Video().GetBackBuffer();
        const u8* bits = buffer->GetTargetBits();
        return {bits, bits + static_cast<size_t>(buffer->GetPitch()) * 480};
    }
    // After the frame, the back buffer as a whole repaint leaves it.
    void ExpectAsRepaintedWhole(const std::string& what) {
        const std::vector<u8> after = Buffer();
        Video().InvalidateAll();
        EXPECT_TRUE(after == Buffer()) << what;
    }

    std::vector<u8> Bytes;
    std::unique_ptr<TAnm> Picture;
};

TEST_F(AnmRepaint, ANewFrameStandingStillRepaintsWhereItDiffers) {
    ASSERT_TRUE(Picture->IsInVideo());
    const TRect16 rect = Picture->GetRect();
    Select(1);
    Video().RenderFrame();
    const TRect16 update = Video().GetUpdateRect();
    EXPECT_TRUE(update.Width() < rect.Width() || update.Height() < rect.Height());
    EXPECT_EQ(update.Intersect({rect.left + 3, rect.top + 2, rect.left + 7, rect.top + 5}),
              (TRect16{rect.left + 3, rect.top + 2, rect.left + 7, rect.top + 5}));
    ExpectAsRepaintedWhole("block");
    Select(2);
    Video().RenderFrame();
    ExpectAsRepaintedWhole("block gone");
    // The same picture under another frame number repaints nothing.
    Select(0);
    Video().RenderFrame();
    EXPECT_TRUE(Video().GetUpdateRect().IsEmpty());
    ExpectAsRepaintedWhole("no change");
    // Moved, it is repainted whole in both places.
    Picture->SetOffset({3, 0, 0});
    Picture->SelectFrame();
    Select(1);
    Video().RenderFrame();
    EXPECT_EQ(Video().GetUpdateRect().Intersect(rect.Union(Picture->GetRect())),
              rect.Union(Picture->GetRect()));
    ExpectAsRepaintedWhole("moved");
}

TEST_F(AnmRepaint, AFrameDrawnWithoutBeingSelectedMakesTheNextOneRepaintWhole) {
    const TRect16 rect = Picture->GetRect();
    // Frame 1 set but not selected: a repaint over the picture draws it all the same.
    Picture->GetCurrentData().CurrentFrame = 1;
    Video().AddPending(rect);
    Video().RenderFrame();
    // Frame 3 differs from the selected frame 0 in one pixel, but the screen holds frame 1.
    Select(3);
    Video().RenderFrame();
    EXPECT_EQ(Video().GetUpdateRect().Intersect(rect), rect);
    ExpectAsRepaintedWhole("after an unselected frame");
}

} // namespace
