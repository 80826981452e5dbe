// The spots' boxes and joints against the program's regions: the check of the layout's lists and
// of the picture it probes, and every drawn spot found in the built background itself.
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

std::vector<TJoint> JointsWith(size_t joint, const std::function<void(TJoint&)>& change) {
    std::vector<TJoint> joints = DrawnJoints();
    change(joints.at(joint));
    return joints;
}

bool StartsWith(const std::string& text, const std::string& start) {
    return text.rfind(start, 0) == 0;
}

TEST(DrawnBoxCheck, TheLayoutAsDrawnHasNoFault) {
    EXPECT_EQ(DrawnBoxFaults(DrawnBoxes(), DrawnJoints(), Art().Picture, LineColour()),
              std::vector<std::string>{});
    // Every box holds its region on its cloth, but where its border had to move onto the
    // region's own edge: beside the pixels it shares with a neighbour.
    for (const TDrawnBox& box : DrawnBoxes()) {
        const TBox& r = RegionById(box.Region)->Box;
        const TBox inside = Interior(box.Frame);
        const bool shares =
            box.Region == 39 || box.Region == 63 || box.Region == 43 || box.Region == 44;
        if (!shares) {
            EXPECT_TRUE(inside.L == r.L && inside.T == r.T && inside.R == r.R && inside.B == r.B)
                << box.Region;
        }
    }
}

TEST(DrawnBoxCheck, ABoxOffItsRegionOrOnAnothersIsNamed) {
    const struct Case {
        const char* What;
        std::vector<TDrawnBox> Boxes;
        std::string Fault;
    } cases[] = {
        // The dead column the bar once had at its right end.
        {"a column past its region", Moved(23, [](TBox& b) { b.R += 1; }),
         "region 23 (DON'T PASS BAR): a click inside its box at 529,374 misses the spot"},
        {"a row past its region", Moved(64, [](TBox& b) { b.B += 1; }),
         "region 64 (HORN): a click inside its box at 93,385 misses the spot"},
        // Over the gap row between the lay and come boxes.
        {"over the gap to the come box", Moved(51, [](TBox& b) { b.B += 1; }),
         "region 51 (LAY): a click inside its box at 228,267 misses the spot"},
        {"three pixels low", Moved(30, [](TBox& b) { b.T += 3, b.B += 3; }),
         "region 30 (ANY SEVEN 4 TO 1): its box leaves out its region at 35,332"},
        // The place 4 box may share the C and E column's pixel row, not run its border past it.
        {"past the shared pixels", Moved(39, [](TBox& b) { b.B += 1; }),
         "region 39 (PLACE): its box reaches into region 63 (C E) at 224,310"},
        {"no box", Moved(29, [](TBox& b) { b = {}; }),
         "region 29 (ANY CRAPS 7 TO 1): its box leaves out its region"},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> faults =
            DrawnBoxFaults(c.Boxes, DrawnJoints(), Art().Picture, LineColour());
        ASSERT_EQ(faults.size(), 1u) << c.What;
        EXPECT_TRUE(StartsWith(faults[0], c.Fault)) << c.What << ": " << faults[0];
    }
    std::vector<TDrawnBox> boxes = DrawnBoxes();
    boxes.push_back({74, LayoutRegion().Box});
    boxes.push_back(boxes[0]);
    const std::vector<std::string> faults = DrawnBoxFaults(boxes, {}, Art().Picture, LineColour());
    ASSERT_EQ(faults.size(), 2u);
    EXPECT_EQ(faults[0], "a box is drawn for region 74, which is no spot's");
    EXPECT_EQ(faults[1], "region 22 (PASS LINE): 2 boxes are drawn for it, not one");
    boxes = DrawnBoxes();
    boxes.erase(std::find_if(boxes.begin(), boxes.end(),
                             [](const TDrawnBox& box) { return box.Region == 67; }));
    const std::vector<std::string> lost =
        DrawnBoxFaults(boxes, DrawnJoints(), Art().Picture, LineColour());
    ASSERT_FALSE(lost.empty());
    EXPECT_EQ(lost[0], "region 67 (DP): 0 boxes are drawn for it, not one");
}

TEST(DrawnBoxCheck, AJointOnASpotOrJoiningNothingIsNamed) {
    const auto shifted = [](double dx) {
        return [dx](TJoint& joint) {
            for (auto& point : joint.Outline)
                point.first += dx;
        };
    };
    const struct Case {
        const char* What;
        std::vector<TJoint> Joints;
        std::string Fault;
    } cases[] = {
        {"the don't pass climb over big 8", JointsWith(2, shifted(8)),
         "region 23 (DON'T PASS BAR): a joint lies on the box of region 28 (BIG 8) at "},
        {"the don't pass climb across the field", JointsWith(2, shifted(-40)),
         "region 23 (DON'T PASS BAR): a joint lies on "},
        // Cut off above the right piece's head: it joins the top piece to nothing.
        {"the pass line's step cut short",
         JointsWith(1,
                    [](TJoint& joint) {
                        joint.Outline = {{586, 313}, {602, 313}, {602, 315}, {586, 315}};
                    }),
         "region 22 (PASS LINE): a joint touches fewer than two of its boxes"},
        // The don't pass climb handed to the pass line: it joins none of the pass line's pieces.
        {"a joint of another spot", JointsWith(2, [](TJoint& joint) { joint.Spot = 0; }),
         "region 22 (PASS LINE): a joint touches fewer than two of its boxes"},
        {"a joint of no spot", JointsWith(2, [](TJoint& joint) { joint.Spot = 43; }),
         "a joint is drawn for spot 43, which no region stands for"},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> faults =
            DrawnBoxFaults(DrawnBoxes(), c.Joints, Art().Picture, LineColour());
        ASSERT_EQ(faults.size(), 1u) << c.What;
        EXPECT_TRUE(StartsWith(faults[0], c.Fault)) << c.What << ": " << faults[0];
    }
}

TEST(DrawnBoxCheck, AListTheBackgroundDoesNotDrawIsFoundByItsBorder) {
    // The background painted with the any-seven box a pixel lower, held against the list that
    // says where it should be.
    const TBackgroundArt moved =
        PaintTableBackground(Moved(30, [](TBox& b) { b.T += 1, b.B += 1; }));
    const std::vector<std::string> faults =
        DrawnBoxFaults(DrawnBoxes(), DrawnJoints(), moved.Picture, LineColour());
    ASSERT_EQ(faults.size(), 1u);
    EXPECT_EQ(faults[0],
              "region 30 (ANY SEVEN 4 TO 1): the background shows no border of its box at 35,331");
    // A picture with no layout at all shows no border anywhere.
    TCanvas felt(TABLE_WIDTH, TABLE_HEIGHT);
    felt.Fill(CL_FELT);
    EXPECT_EQ(DrawnBoxFaults(DrawnBoxes(), DrawnJoints(), felt, LineColour()).size(), 50u);
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

    std::unique_ptr<TBmp> Bitmap;
};

// What a player sees as a spot: the pixels reached from a region's cloth without crossing a
// line of the layout. Every one of them must take a click for the spot, and the lines that
// close them in must lie within three pixels of the spot's regions.
TEST_F(BuiltBackground, EveryPixelADrawnSpotShowsAnswersForItAndItsLinesHugItsRegions) {
    ASSERT_NE(Bitmap->GetBits(), nullptr);
    const u8 line = LineColour();
    const auto outside = [](i16 spot, i32 x, i32 y) {
        i32 nearest = TABLE_WIDTH;
        for (const TClickRegion& r : ClickRegions())
            if (r.Spot == spot)
                nearest = std::min(nearest, std::max({r.Box.L - x, x - (r.Box.R - 1), r.Box.T - y,
                                                      y - (r.Box.B - 1), 0}));
        return nearest;
    };
    i32 drawn = 0;
    for (const TClickRegion& region : ClickRegions()) {
        if (region.Spot < 0)
            continue;
        const TBox& r = region.Box;
        std::vector<bool> seen(static_cast<size_t>(TABLE_WIDTH) * TABLE_HEIGHT, false);
        std::vector<std::pair<i32, i32>> todo;
        for (i32 y = r.T; y < r.B; ++y)
            for (i32 x = r.L; x < r.R; ++x)
                if (At(x, y) != line)
                    todo.push_back({x, y});
        i32 cloth = 0;
        std::optional<std::string> fault;
        while (!todo.empty() && !fault) {
            const auto [x, y] = todo.back();
            todo.pop_back();
            const size_t at = static_cast<size_t>(y) * TABLE_WIDTH + static_cast<size_t>(x);
            if (seen[at])
                continue;
            seen[at] = true;
            if (At(x, y) == line) {
                if (outside(region.Spot, x, y) > 3)
                    fault = "a line closing it in at " + std::to_string(x) + "," +
                            std::to_string(y) + " lies more than 3 pixels off its regions";
                continue;
            }
            if (!AnswersFor(region.Spot, x, y)) {
                fault = "its cloth at " + std::to_string(x) + "," + std::to_string(y) +
                        " takes no click for it";
                continue;
            }
            ++cloth;
            for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
                if (x + dx >= 0 && y + dy >= 0 && x + dx < TABLE_WIDTH && y + dy < TABLE_HEIGHT)
                    todo.push_back({x + dx, y + dy});
        }
        if (fault) {
            ADD_FAILURE() << "region " << region.Id << " (" << region.Label << "): " << *fault;
            continue;
        }
        // Most of the region is cloth: only its lettering and its border may cover it.
        EXPECT_GT(cloth * 2, r.Width() * r.Height()) << region.Id;
        ++drawn;
    }
    EXPECT_EQ(drawn, 50);
}

} // namespace
