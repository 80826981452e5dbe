// The spots' drawn shapes against the program's regions: the shapes' check and its refusals, the
// bitmap read back, and every drawn spot found in the built background itself.
#include "BuiltData.h"

#include "craps/bets/TableClickPieces.h"
#include "engine/media/Bmp.h"
#include "engine/media/MediaEncoders.h"
#include "tools/databuild/art/Colours.h"
#include "tools/databuild/content/Background.h"
#include "tools/databuild/content/Content.h"
#include "tools/databuild/model/BitmapPicture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>

namespace {

bool StartsWith(const std::string& text, const std::string& start) {
    return text.rfind(start, 0) == 0;
}

TEST(ShapeCheck, TheTablesShapesHaveNoFaultAndHoldEveryOwnRegion) {
    EXPECT_EQ(ShapeFaults(TableShapes()), std::vector<std::string>{});
    // Each of the program's own regions lies in its spot's drawn shape, but for the pixels two
    // regions share and the lines on the edges of the C and E column and the 10: the C and E's
    // two top rows, below the 4's box, and the 10's two left columns, shared with the 9.
    for (size_t slot = 0; slot < table_region::FirstAddedSlot; ++slot) {
        const table_region::TRegion& r = table_region::Regions[slot];
        if (r.Spot < 0)
            continue;
        i32 off = 0;
        for (i32 y = r.Rect.top; y < r.Rect.bottom; ++y)
            for (i32 x = r.Rect.left; x < r.Rect.right; ++x)
                off += TableShapes().DrawnAt(x, y) != r.Spot ? 1 : 0;
        const i32 allowed = r.Id == 63 ? 2 * r.Rect.Width() : r.Id == 44 ? 30 : r.Id == 43 ? 15 : 0;
        EXPECT_LE(off, allowed) << "region " << r.Id;
    }
}

TEST(ShapeCheck, EveryPixelInsideASpotsOutlineTakesItsClickAndNoneOutside) {
    // The regions the game registers against the outlines themselves. Off every outline, only a
    // line of at most two pixels over an own region's edge answers, for that region's spot. The
    // table's drawing paints each once: the answers from the registered regions, the shapes from
    // the outlines.
    const TShapeMap& shapes = TableShapes();
    i32 inside = 0;
    i32 edges = 0;
    for (i32 y = 0; y < TABLE_HEIGHT; ++y)
        for (i32 x = 0; x < TABLE_WIDTH; ++x) {
            const i16 drawn = shapes.DrawnAt(x, y);
            const i16 answer = shapes.AnswerAt(x, y);
            if (drawn >= 0) {
                ++inside;
                ASSERT_EQ(answer, drawn) << x << "," << y;
                continue;
            }
            if (answer < 0)
                continue;
            bool onEdge = false;
            for (size_t slot = 0; slot < table_region::FirstAddedSlot; ++slot) {
                const TRect& r = table_region::Regions[slot].Rect;
                onEdge = onEdge ||
                         (table_region::Regions[slot].Spot == answer && r.Contains(TPoint{x, y}) &&
                          std::min({x - r.left, r.right - 1 - x, y - r.top, r.bottom - 1 - y}) < 2);
            }
            ++edges;
            ASSERT_TRUE(onEdge) << x << "," << y << " answers for spot " << answer;
        }
    EXPECT_GT(inside, 80000);
    // The lines below the 4's box and between the 9 and the 10.
    EXPECT_GT(edges, 0);
    EXPECT_LT(edges, 100);
}

// The regions the program would register for the outlines: the layout's own, then the pieces
// made from them.
std::vector<TClickRegion> RegisteredFor(const TOutlines& outlines) {
    std::vector<TClickRegion> regions;
    for (const TClickRegion& r : RegisteredRegions())
        if (table_region::SlotOfId(r.Id) < static_cast<i16>(table_region::FirstAddedSlot))
            regions.push_back(r);
    const size_t count =
        table_outline::MakePieces(outlines, table_region::LayoutRegions, nullptr, 0);
    std::vector<table_outline::TPiece> pieces(count);
    table_outline::MakePieces(outlines, table_region::LayoutRegions, pieces.data(), count);
    for (size_t i = 0; i < pieces.size(); ++i) {
        const TRect& r = pieces[i].Rect;
        regions.push_back({table_region::AddedPieceId(i),
                           pieces[i].Spot,
                           {r.left, r.top, r.right, r.bottom},
                           ""});
    }
    return regions;
}

// The table's outlines with one changed, for the refusals.
TOutlines Changed(const std::function<void(TOutlines&)>& change) {
    TOutlines outlines = SpotOutlines();
    change(outlines);
    return outlines;
}

// The first outline of the spot.
table_outline::TSpotOutline& OutlineOf(TOutlines& outlines, i16 spot) {
    for (table_outline::TSpotOutline& o : outlines)
        if (o.Spot == spot)
            return o;
    ADD_FAILURE() << "no outline of spot " << spot;
    return outlines.front();
}

// Every corner of the outline at y moved to y + by.
void MoveCorners(table_outline::TSpotOutline& outline, i16 y, i16 by) {
    for (size_t i = 0; i < outline.Count; ++i)
        if (outline.Corners[i].Y == y)
            outline.Corners[i].Y = static_cast<i16>(y + by);
}

struct TRefusal {
    const char* What;
    std::vector<TClickRegion> Regions;
    TOutlines Outlines;
    std::string Fault;
};

TRefusal Refusal(const char* what, const TOutlines& outlines, std::string fault) {
    return {what, RegisteredFor(outlines), outlines, std::move(fault)};
}

class ShapeRefusal : public testing::TestWithParam<TRefusal> {};

TEST_P(ShapeRefusal, IsNamedWithItsSpot) {
    const TShapeMap map(GetParam().Regions, GetParam().Outlines);
    const std::vector<std::string> faults = ShapeFaults(map);
    ASSERT_FALSE(faults.empty());
    EXPECT_TRUE(StartsWith(faults[0], GetParam().Fault)) << faults[0];
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, ShapeRefusal,
    testing::Values(
        // The field's top grown up into the come's own rectangle.
        Refusal("a shape over another spot's region",
                Changed([](auto& o) { MoveCorners(OutlineOf(o, 4), 339, -9); }),
                "spot 4 (FIELD 2 3 4 9 10 11 12): its drawn shape crosses region 24 (COME) at "
                "245,330"),
        // The any seven's bottom edge three rows into its own rectangle, deeper than a line.
        Refusal("a line deep in a region",
                Changed([](auto& o) { MoveCorners(OutlineOf(o, 8), 345, -5); }),
                "spot 8 (ANY SEVEN 4 TO 1): its drawn shape leaves out region 30 (ANY SEVEN 4 "
                "TO 1) at 37,340"),
        // The come band's top down to its own rectangle's: felt under the numbers' boxes.
        Refusal("a seam of felt", Changed([](auto& o) { MoveCorners(OutlineOf(o, 2), 312, 8); }),
                "spot 17 (PLACE): felt shows in the seam between it and spot 2 (COME) at "),
        // The 9's right edge over the line it shares with the 10.
        Refusal("two spots with no line between", Changed([](auto& o) {
                    table_outline::TSpotOutline& nine = OutlineOf(o, 21);
                    for (size_t i = 0; i < nine.Count; ++i)
                        if (nine.Corners[i].X == 453)
                            nine.Corners[i].X = 454;
                }),
                "spot 21 (PLACE): it meets spot 22 (PLACE) with no line between them at "),
        // The don't pass bar's own rectangle moved down onto the pass line.
        TRefusal{"an own region moved",
                 [] {
                     std::vector<TClickRegion> regions = RegisteredRegions();
                     for (TClickRegion& r : regions)
                         if (r.Id == 23)
                             r.Box.B += 6;
                     return regions;
                 }(),
                 SpotOutlines(), "spot 0 (PASS LINE): its drawn shape crosses region 23"},
        // The horn's pieces above its own rectangle left out of the regions registered.
        TRefusal{"a drawn pixel that takes no click",
                 [] {
                     std::vector<TClickRegion> regions = RegisteredRegions();
                     std::erase_if(regions, [](const TClickRegion& r) {
                         return r.Spot == table_spot::Horn && r.Box.B <= 361;
                     });
                     return regions;
                 }(),
                 SpotOutlines(),
                 "spot 42 (HORN): a click at 93,346 on its drawn shape lands on no spot"},
        // A piece of the horn's left where its outline leaves felt.
        TRefusal{"a click off every shape",
                 [] {
                     std::vector<TClickRegion> regions = RegisteredRegions();
                     regions.push_back({0, table_spot::Horn, {92, 350, 93, 351}, ""});
                     return regions;
                 }(),
                 SpotOutlines(),
                 "spot 42 (HORN): a click at 92,350 off every drawn spot lands on it"}),
    [](const testing::TestParamInfo<TRefusal>& param) {
        std::string name = param.param.What;
        for (char& c : name)
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

// The painters' refusals: a word too small to read, lettering off its spot.
TEST(ShapeCheck, AWordUnderSixPixelsOrOffItsSpotIsNamed) {
    TBackgroundArt art = PaintTableBackground();
    ASSERT_EQ(art.Faults, std::vector<std::string>{});
    SpotCaps(art, 4, 300, 360, "FIELD", TTextStyle{7, true, false}, InkColour());
    SpotCaps(art, 2, 300, 346, "COME", TTextStyle{12, true, false}, InkColour());
    ASSERT_EQ(art.Faults.size(), 2u);
    EXPECT_TRUE(StartsWith(art.Faults[0], "spot 4 (FIELD 2 3 4 9 10 11 12): the lettering "
                                          "\"FIELD\" stands "))
        << art.Faults[0];
    EXPECT_TRUE(StartsWith(art.Faults[1], "spot 2 (COME): the lettering \"COME\" runs off its "
                                          "spot at "))
        << art.Faults[1];
}

TEST(ShapeCheck, EveryWordStandsSixPixelsOrMore) {
    // Every word on the layout and every seat's name, by the capitals of its style; and the ink
    // drawn for it is as tall (an apostrophe on its own is no letter).
    const TBackgroundArt& art = PaintTableBackground();
    i32 words = 0;
    for (const TLabel& label : art.Labels) {
        if (label.Text.rfind("the l", 0) != 0 && label.Text.rfind("the name", 0) != 0 &&
            label.Text.rfind("the caption", 0) != 0)
            continue;
        if (label.Text.rfind("the letter \"'\"", 0) == 0)
            continue;
        ++words;
        EXPECT_GE(label.CapHeight, LEAST_CAP_HEIGHT) << label.Text;
        EXPECT_GE(label.Ink.Height(), label.CapHeight) << label.Text;
    }
    EXPECT_GT(words, 50);
    EXPECT_LT(CapHeight(TTextStyle{7, true, false}), LEAST_CAP_HEIGHT);
}

TEST(ShapeCheck, TheBitmapIsReadBackAndBadBytesAreRefused) {
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
    // The layout's lines: found in the painted picture, missed in a picture of felt alone.
    const TBackgroundArt art = PaintTableBackground();
    EXPECT_TRUE(DrawnLineFaults(TableShapes(), art.Picture.Pixels(), TABLE_WIDTH, TABLE_HEIGHT,
                                LineColour())
                    .empty());
    TCanvas felt(TABLE_WIDTH, TABLE_HEIGHT);
    felt.Fill(CL_FELT);
    EXPECT_EQ(DrawnLineFaults(TableShapes(), felt.Pixels(), TABLE_WIDTH, TABLE_HEIGHT, LineColour())
                  .size(),
              1u);
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
// line of the layout. Every one of them must take a click for the spot.
TEST_F(BuiltBackground, EveryPixelADrawnSpotShowsAnswersForIt) {
    ASSERT_NE(Bitmap->GetBits(), nullptr);
    const u8 line = LineColour();
    i32 drawn = 0;
    for (i16 spot = 0; spot < table_spot::Count; ++spot) {
        const TBox& r = SpotRegion(spot).Box;
        std::vector<bool> seen(static_cast<size_t>(TABLE_WIDTH) * TABLE_HEIGHT, false);
        std::vector<std::pair<i32, i32>> todo;
        for (i32 y = r.T; y < r.B; ++y)
            for (i32 x = r.L; x < r.R; ++x)
                if (At(x, y) != line && AnswersFor(spot, x, y))
                    todo.push_back({x, y});
        i32 cloth = 0;
        std::optional<std::string> fault;
        while (!todo.empty() && !fault) {
            const auto [x, y] = todo.back();
            todo.pop_back();
            const size_t at = static_cast<size_t>(y) * TABLE_WIDTH + static_cast<size_t>(x);
            if (seen[at] || At(x, y) == line)
                continue;
            seen[at] = true;
            if (!AnswersFor(spot, x, y)) {
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
            ADD_FAILURE() << NamedSpot(spot) << ": " << *fault;
            continue;
        }
        EXPECT_GT(cloth * 2, r.Width() * r.Height()) << spot;
        ++drawn;
    }
    EXPECT_EQ(drawn, 43);
}

} // namespace
