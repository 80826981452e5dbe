// The spots' boxes against the program's regions: the check of the layout's list and of the
// picture it probes, and every spot region's box found in the built background itself.
#include "BuiltData.h"

#include "engine/media/Bmp.h"
#include "engine/media/MediaEncoders.h"
#include "tools/databuild/art/Colours.h"
#include "tools/databuild/content/Background.h"
#include "tools/databuild/content/Content.h"
#include "tools/databuild/model/TableLayoutCheck.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace {

const TBackgroundArt& Art() {
    static const TBackgroundArt art = PaintTableBackground();
    return art;
}

std::vector<TDrawnBox> Moved(u16 region, const std::function<void(TBox&)>& move) {
    std::vector<TDrawnBox> boxes = DrawnBoxes();
    for (TDrawnBox& box : boxes)
        if (box.Region == region)
            move(box.Frame);
    return boxes;
}

bool StartsWith(const std::string& text, const std::string& start) {
    return text.rfind(start, 0) == 0;
}

TEST(DrawnBoxCheck, ABoxOffItsRegionOrOnAnothersIsNamed) {
    const struct Case {
        const char* What;
        std::vector<TDrawnBox> Boxes;
        std::string Fault;
    } cases[] = {
        {"three pixels low", Moved(30, [](TBox& b) { b.T += 3, b.B += 3; }),
         "region 30 (ANY SEVEN 4 TO 1): its box's bottom edge is drawn at 347, the region's is "
         "343"},
        {"four pixels wide", Moved(64, [](TBox& b) { b.R += 2; }),
         "region 64 (HORN): its box's right edge is drawn at 115, the region's is 111"},
        // Within the slack, but over the first row of the come box below.
        {"on the come box", Moved(51, [](TBox& b) { b.B += 1; }),
         "region 51 (LAY): its box reaches into region 45 (COME) at 227,268"},
        // The place 4 box may share the C and E column's pixel row, not run past it.
        {"past the shared pixels", Moved(39, [](TBox& b) { b.B += 1; }),
         "region 39 (PLACE): its box reaches into region 63 (C E) at 224,310"},
        {"no box", Moved(29, [](TBox& b) { b = {}; }), "region 29 (ANY CRAPS 7 TO 1): its box"},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> faults =
            DrawnBoxFaults(c.Boxes, Art().Picture, LineColour());
        ASSERT_FALSE(faults.empty()) << c.What;
        EXPECT_TRUE(StartsWith(faults[0], c.Fault)) << c.What << ": " << faults[0];
    }
    std::vector<TDrawnBox> boxes = DrawnBoxes();
    boxes.push_back({74, LayoutRegion().Box});
    boxes.push_back(boxes[0]);
    const std::vector<std::string> faults = DrawnBoxFaults(boxes, Art().Picture, LineColour());
    ASSERT_EQ(faults.size(), 2u);
    EXPECT_EQ(faults[0], "a box is drawn for region 74, which is no spot's");
    EXPECT_EQ(faults[1], "region 22 (PASS LINE): 2 boxes are drawn for it, not one");
    boxes = DrawnBoxes();
    boxes.erase(boxes.begin() + 4);
    EXPECT_EQ(DrawnBoxFaults(boxes, Art().Picture, LineColour()),
              std::vector<std::string>{"region 67 (DP): 0 boxes are drawn for it, not one"});
}

TEST(DrawnBoxCheck, AListTheBackgroundDoesNotDrawIsFoundByItsBorder) {
    // The background painted with the any-seven box a pixel lower, held against the list that
    // says where it should be.
    const TBackgroundArt moved =
        PaintTableBackground(Moved(30, [](TBox& b) { b.T += 1, b.B += 1; }));
    const std::vector<std::string> faults =
        DrawnBoxFaults(DrawnBoxes(), moved.Picture, LineColour());
    ASSERT_EQ(faults.size(), 1u);
    EXPECT_EQ(faults[0],
              "region 30 (ANY SEVEN 4 TO 1): the background shows no border of its box at 35,331");
    // A picture with no layout at all shows no border anywhere.
    TCanvas felt(TABLE_WIDTH, TABLE_HEIGHT);
    felt.Fill(CL_FELT);
    EXPECT_EQ(DrawnBoxFaults(DrawnBoxes(), felt, LineColour()).size(), 50u);
}

TEST(DrawnBoxCheck, TheBitmapIsReadBackAndBadBytesAreRefused) {
    TColourTable colours{};
    std::vector<u8> pixels(5 * 3);
    for (size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = static_cast<u8>(i * 7);
    const std::vector<u8> bytes = TBmpEncoder::Encode(5, 3, pixels, colours);
    const std::optional<TCanvas> picture = BitmapPicture(bytes);
    ASSERT_TRUE(picture.has_value());
    ASSERT_EQ(picture->Width(), 5);
    ASSERT_EQ(picture->Height(), 3);
    for (i32 y = 0; y < 3; ++y)
        for (i32 x = 0; x < 5; ++x)
            EXPECT_EQ(picture->At(x, y), pixels[static_cast<size_t>(y * 5 + x)]) << x << "," << y;

    const auto changed = [&](size_t at, u8 value) {
        std::vector<u8> b = bytes;
        b[at] = value;
        return b;
    };
    const struct Case {
        const char* What;
        std::vector<u8> Bytes;
    } bad[] = {
        {"empty", {}},
        {"a header only", std::vector<u8>(bytes.begin(), bytes.begin() + 54)},
        {"rows cut short", std::vector<u8>(bytes.begin(), bytes.end() - 1)},
        {"not a bitmap", changed(0, 'X')},
        {"24 bits a pixel", changed(28, 24)},
        {"rows past the end", changed(13, 0x7F)},
        {"a height of 65,000 rows", changed(23, 0xFE)},
    };
    for (const Case& c : bad)
        EXPECT_FALSE(BitmapPicture(c.Bytes).has_value()) << c.What;
}

// The built background's pixel rows as the engine reads them.
class BuiltBackground : public BuiltDataFixture {
protected:
    void SetUp() override {
        BuiltDataFixture::SetUp();
        Build();
        Bitmap = std::make_unique<TBmp>(
            nullptr, TFileMode(TableFile(TABLE_BACKGROUND).c_str(), 0, FM_LEVEL_NOW), true, true);
    }
    void TearDown() override {
        Bitmap.reset();
        BuiltDataFixture::TearDown();
    }
    u8 At(i32 x, i32 y) const {
        const i32 row = Bitmap->IsTopDown() ? y : TABLE_HEIGHT - 1 - y;
        return Bitmap->GetBits()[row * Bitmap->GetPitch() + x];
    }
    // Whether the pixels from `from` to `to` (exclusive) along a row or a column are all the
    // layout's line.
    bool Line(i32 x, i32 y, i32 dx, i32 dy, i32 count) const {
        for (i32 i = 0; i < count; ++i)
            if (At(x + dx * i, y + dy * i) != LineColour())
                return false;
        return count > 0;
    }

    std::unique_ptr<TBmp> Bitmap;
};

TEST_F(BuiltBackground, EverySpotRegionsBoxLiesWithinTwoPixelsOfIt) {
    ASSERT_NE(Bitmap->GetBits(), nullptr);
    i32 found = 0;
    for (const TClickRegion& region : ClickRegions()) {
        if (region.Spot < 0)
            continue;
        const TBox& r = region.Box;
        // Each border looked for from four pixels inside the region's edge to four outside it,
        // as a full line along the middle of that side; the one nearest the edge is the box's.
        const auto nearest = [](i32 edge, const std::function<bool(i32)>& isLine) {
            std::optional<i32> best;
            for (i32 at = edge - 4; at <= edge + 4; ++at)
                if (isLine(at) && (!best || std::abs(at - edge) < std::abs(*best - edge)))
                    best = at;
            return best;
        };
        const i32 width = r.Width() - 6;
        const i32 height = r.Height() - 4;
        const auto top = nearest(r.T, [&](i32 y) { return Line(r.L + 3, y, 1, 0, width); });
        const auto bottom = nearest(r.B - 1, [&](i32 y) { return Line(r.L + 3, y, 1, 0, width); });
        const auto left = nearest(r.L, [&](i32 x) { return Line(x, r.T + 2, 0, 1, height); });
        const auto right = nearest(r.R - 1, [&](i32 x) { return Line(x, r.T + 2, 0, 1, height); });
        if (!top || !bottom || !left || !right) {
            ADD_FAILURE() << "region " << region.Id << " (" << region.Label
                          << "): no box drawn round it";
            continue;
        }
        const TBox drawn{*left, *top, *right + 1, *bottom + 1};
        EXPECT_LE(std::abs(drawn.L - r.L), FRAME_SLACK) << region.Id;
        EXPECT_LE(std::abs(drawn.T - r.T), FRAME_SLACK) << region.Id;
        EXPECT_LE(std::abs(drawn.R - r.R), FRAME_SLACK) << region.Id;
        EXPECT_LE(std::abs(drawn.B - r.B), FRAME_SLACK) << region.Id;
        // The box the art shows is the one the layout's list gives.
        const TBox& listed = DrawnFrame(region.Id);
        EXPECT_TRUE(drawn.L == listed.L && drawn.T == listed.T && drawn.R == listed.R &&
                    drawn.B == listed.B)
            << region.Id;
        ++found;
    }
    EXPECT_EQ(found, 50);
}

} // namespace
