// Where the chips, the puck and the printed dice stand on the painted layout: every pile's foot
// and bottom chip on its own spot, the puck on the point clear of the number and of a buy bet's
// piles, the numbers centred in their boxes, the dice large enough to read, and the painters'
// refusal of a die or an upright word too small.
#include "tools/databuild/art/ChipArt.h"
#include "tools/databuild/art/Colours.h"
#include "tools/databuild/content/Background.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>

// Named, so that its helpers keep to themselves in a unity build.
namespace layout_places {

const TBackgroundArt& Art() {
    static const TBackgroundArt art = PaintTableBackground();
    return art;
}

using TPixels = std::set<std::pair<i32, i32>>;

// The pixels a frame covers with its top left corner at (left, top).
TPixels Covered(const TAnmFrameSource& frame, i32 left, i32 top) {
    TPixels pixels;
    for (i32 y = 0; y < frame.Height; ++y)
        for (i32 x = 0; x < frame.Width; ++x)
            if (frame.Opaque[static_cast<size_t>(y) * frame.Width + x] != 0)
                pixels.insert({left + x, top + y});
    return pixels;
}

// The same, with the frame's hotspot at (x, y), as a sprite stands.
TPixels Standing(const TAnmFrameSource& frame, i32 x, i32 y) {
    return Covered(frame, x - frame.HotX, y - frame.HotY);
}

// The spot the background paints at the pixel; -1 for a line, the felt or anything else.
i16 SpotAt(i32 x, i32 y) {
    const u8 area = Art().Areas.At(x, y);
    return area >= AREA_SPOT && area < AREA_LAYOUT ? static_cast<i16>(area - AREA_SPOT) : -1;
}

const TLabel* FindLabel(i16 spot, const std::string& text) {
    for (const TLabel& label : Art().Labels)
        if (label.Region == SpotRegion(spot).Id && label.Text == text)
            return &label;
    return nullptr;
}

constexpr const char* Numbers[6] = {"4", "5", "6", "8", "9", "10"};

// A strip as tall as a chip leaves the chip's top row on the line above it: a line is no other
// spot, and no bare felt.
TEST(PilePlaces, EveryPilesFootAndBottomChipLieOnItsOwnSpotAndNoOther) {
    const TAnmFrameSource chip = ChipStackFrames(0)[0];
    for (i16 spot = 0; spot < table_spot::Count; ++spot)
        for (int seat = 0; seat < 3; ++seat) {
            const TPilePlace place = PilePlace(spot, seat);
            EXPECT_EQ(SpotAt(place.X, place.Foot), spot) << "seat " << seat;
            i32 own = 0, pixels = 0;
            for (const auto& [x, y] : Standing(chip, place.X, place.Foot)) {
                ++pixels;
                own += SpotAt(x, y) == spot ? 1 : 0;
                if (SpotAt(x, y) != spot && TableShapes().DrawnAt(x, y) != DRAWN_LINE) {
                    ADD_FAILURE() << NamedSpot(spot) << " seat " << seat
                                  << ": its bottom chip lies on " << TableShapes().DrawnAt(x, y)
                                  << " at " << Point(x, y);
                    break;
                }
            }
            EXPECT_GE(own * 4, pixels * 3) << NamedSpot(spot) << " seat " << seat;
        }
}

TEST(PuckOnThePoint, CoversNoDigitNoWordNoOtherSpotAndNoPileOfABuyBetThere) {
    const TAnmFrameSource puck = PuckFrame(true);
    const TAnmFrameSource marker = BuyMarkerFrame();
    for (int point = 0; point < 6; ++point) {
        const i16 spot = static_cast<i16>(table_spot::FirstBuy + point);
        // As the puck's frames lay it: its middle on the middle of the point's place.
        const TBox on = NumberBox(point);
        const TPixels covered =
            Covered(puck, on.CentreX() - puck.Width / 2, on.CentreY() - puck.Height / 2);
        const TLabel* number =
            FindLabel(spot, std::string("the lettering \"") + Numbers[point] + "\"");
        ASSERT_NE(number, nullptr) << point;
        for (const auto& [x, y] : covered) {
            ASSERT_TRUE(SpotAt(x, y) == spot || SpotAt(x, y) < 0) << point << " at " << Point(x, y);
            for (const TLabel& label : Art().Labels)
                ASSERT_FALSE(label.Ink.Contains(x, y))
                    << point << ": " << label.Text << " at " << Point(x, y);
        }
        // Every seat's buy bet standing, of one chip and of ten, stacked as the spot stacks its
        // seats' piles, each with its marker on top.
        for (int chips : {1, 10}) {
            TPixels bet;
            const TAnmFrameSource pile = ChipStackFrames(4)[static_cast<size_t>(chips - 1)];
            i32 y = PilePlace(spot, 0).Foot;
            for (int seat = 0; seat < 3; ++seat) {
                const TPilePlace place = PilePlace(spot, seat);
                if (place.X != PilePlace(spot, 0).X)
                    y = place.Foot;
                bet.merge(Standing(pile, place.X, y));
                y -= CHIP_PITCH * chips;
                bet.merge(Standing(marker, place.MarkerX, y));
            }
            for (const auto& pixel : covered)
                ASSERT_EQ(bet.count(pixel), 0u) << point << " with " << chips << " chips at "
                                                << Point(pixel.first, pixel.second);
        }
    }
}

TEST(NumberBoxes, EachNumberStandsCentredAcrossItsBox) {
    for (int point = 0; point < 6; ++point) {
        const i16 spot = static_cast<i16>(table_spot::FirstBuy + point);
        const TLabel* number =
            FindLabel(spot, std::string("the lettering \"") + Numbers[point] + "\"");
        ASSERT_NE(number, nullptr) << point;
        const auto [first, end] = RowSpan(spot, number->Ink.CentreY());
        EXPECT_NEAR((number->Ink.L + number->Ink.R) / 2.0, (first + end) / 2.0, 1.0) << point;
    }
}

// The bounding boxes of the 8-connected groups of pip pixels of a die drawn alone.
std::vector<TBox> Pips(int face) {
    TCanvas canvas(LEAST_DIE_SIZE + 4, LEAST_DIE_SIZE + 4);
    PaintLayoutDie(canvas, 2, 2, LEAST_DIE_SIZE, face);
    std::vector<TBox> pips;
    std::set<std::pair<i32, i32>> seen;
    for (i32 y = 0; y < canvas.Height(); ++y)
        for (i32 x = 0; x < canvas.Width(); ++x) {
            if (canvas.At(x, y) != CL_PIP || seen.count({x, y}) != 0)
                continue;
            TBox box{x, y, x + 1, y + 1};
            std::vector<std::pair<i32, i32>> todo = {{x, y}};
            seen.insert({x, y});
            while (!todo.empty()) {
                const auto [px, py] = todo.back();
                todo.pop_back();
                box = {std::min(box.L, px), std::min(box.T, py), std::max(box.R, px + 1),
                       std::max(box.B, py + 1)};
                for (i32 dy = -1; dy <= 1; ++dy)
                    for (i32 dx = -1; dx <= 1; ++dx)
                        if (canvas.Covered(px + dx, py + dy) &&
                            canvas.At(px + dx, py + dy) == CL_PIP &&
                            seen.insert({px + dx, py + dy}).second)
                            todo.push_back({px + dx, py + dy});
            }
            pips.push_back(box);
        }
    return pips;
}

TEST(LayoutDice, EachPipIsTwoPixelsAcrossWithTheFaceAroundIt) {
    for (int face = 1; face <= 6; ++face) {
        const std::vector<TBox> pips = Pips(face);
        // Pips that touched, even at a corner, would count as one.
        ASSERT_EQ(pips.size(), static_cast<size_t>(face));
        for (const TBox& pip : pips) {
            EXPECT_GE(pip.Width(), 2) << face;
            EXPECT_GE(pip.Height(), 2) << face;
        }
    }
}

TEST(LayoutDice, EveryDieIsLargeEnoughAndEveryPropositionCellShowsItsPair) {
    std::map<u16, int> dice;
    for (const TLabel& label : Art().Labels)
        if (label.Text == "a die") {
            EXPECT_GE(label.Ink.Width(), LEAST_DIE_SIZE) << label.Region;
            EXPECT_GE(label.Ink.Height(), LEAST_DIE_SIZE) << label.Region;
            ++dice[label.Region];
        }
    for (i16 spot = table_spot::FirstOneRoll; spot <= table_spot::LastHard; ++spot)
        EXPECT_EQ(dice[SpotRegion(spot).Id], 2) << NamedSpot(spot);
}

struct TRefusal {
    const char* Name;
    std::function<void(TBackgroundArt&)> Paint;
    std::string Fault;
};

class PainterRefusal : public testing::TestWithParam<TRefusal> {};

TEST_P(PainterRefusal, IsOneFaultNamingTheSpot) {
    TBackgroundArt art = Art();
    ASSERT_EQ(art.Faults, std::vector<std::string>{});
    GetParam().Paint(art);
    EXPECT_EQ(art.Faults, std::vector<std::string>{GetParam().Fault});
}

INSTANTIATE_TEST_SUITE_P(
    Painters, PainterRefusal,
    testing::Values(
        // A pair of dice as small as a hardway's could once be, in the hard 8's cell.
        TRefusal{"SmallDie",
                 [](TBackgroundArt& art) {
                     SpotDie(art, table_spot::Hard8, 150, 276, LEAST_DIE_SIZE - 3, 4);
                 },
                 "spot 15 (HARD 8 9:1): a die stands 7 px across, under 10"},
        // The horn's upright name a size too small.
        TRefusal{"SmallUprightWord",
                 [](TBackgroundArt& art) {
                     SpotCapsDown(
                         art, table_spot::Horn, [](double) { return 102.0; }, 349, "HORN",
                         TTextStyle{7, true, false}, 9.5, CL_GOLD);
                 },
                 "spot 42 (HORN): the lettering \"HORN\" stands 5 px tall, under 6"}),
    [](const testing::TestParamInfo<TRefusal>& refusal) {
        return std::string(refusal.param.Name);
    });

} // namespace layout_places
