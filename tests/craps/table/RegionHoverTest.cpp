// Hover over the table's spots as the mouse moves: a spot is entered and left once however many
// of its pieces the mouse crosses, each time drawing the board and setting the table cursor
// once; the layout's own regions of one spot still hand the hover over as two regions do, and
// the help always names the spot a click would bet on.
#include "RegionSupport.h"

#include "casino/CasMessageDisplay.h"
#include "craps/bets/TableClickPieces.h"
#include "engine/media/CursorMgr.h"
#include "engine/media/MediaServices.h"
#include "platform/headless/HeadlessBackend.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

// Counts the settings of the table cursor.
class THoverCountedCursors : public TCursorMgr {
public:
    THoverCountedCursors() : TCursorMgr(nullptr) {}
    void SetCursorData(i32 slot, const TCursorData& cursor, bool apply) override {
        Sets += slot == CURSOR_SLOT_REGION ? 1 : 0;
        TCursorMgr::SetCursorData(slot, cursor, apply);
    }
    int Sets = 0;
};

// The board between two moves; no hover shows it.
constexpr int BlankBoard = 2;

// What the table made of some mouse moves.
struct THoverSeen {
    // The enters (+) and leaves (-) the regions heard, each named by what the namer says.
    std::string Heard;
    // The board's message after each move that drew it.
    std::vector<int> Board;
    int CursorSets = 0;
    // The regions of spots the list's hover was in, each once for every stay.
    std::vector<u16> Hovered;
};

std::string NamedBySpot(u16 region) {
    const i16 spot = table_region::SpotOfId(region);
    return spot == table_region::NoSpot ? "L" : std::to_string(spot);
}

std::string NamedById(u16 region) {
    return std::to_string(region);
}

// How many enters and leaves a list of them names.
int HoverEvents(const std::string& heard) {
    return static_cast<int>(std::count(heard.begin(), heard.end(), '+') +
                            std::count(heard.begin(), heard.end(), '-'));
}

// How many of them are enters of spots, the layout (L) aside.
size_t SpotEnters(const std::string& heard) {
    size_t n = 0;
    for (size_t i = 1; i < heard.size(); ++i)
        n += heard[i] == '+' && heard[i - 1] != 'L' ? 1 : 0;
    return n;
}

class RegionHover : public RegionFixture {
protected:
    void SetUp() override {
        RegionFixture::SetUp();
        BuildWithout();
        LoadRegionLord();
        Services.SetCursorMgr(&Cursors);
        Before = TEngineContext::Media;
        TEngineContext::Media = &Services;
        Table->StartRegionHover();
        Table->StandingMessage = 1;
        Table->CurrentSeat = 0;
        Table->BettingOpen = 1;
        Table->PlacingBets = 1;
        // With chips in hand every spot's enter picks a cursor.
        Table->BetInHand = TMoney(5.0);
        // A point of 6: the line bets show their odds help, the come bets their own.
        Table->Point = 4;
        Table->ComeOutFlag = 0;
    }
    void TearDown() override {
        TEngineContext::Media = Before;
        RegionFixture::TearDown();
    }

    void Begin() {
        Mouse(JEK_CURSOR, 700, 590);
        Table->Hovers.clear();
        Cursors.Sets = 0;
        Seen = {};
        Table->MessageDisplay->ShowMessage(BlankBoard, TMoney(), 0);
    }
    void MoveTo(TPoint at) {
        Mouse(JEK_CURSOR, at.x, at.y);
        if (Board() != BlankBoard) {
            Seen.Board.push_back(Board());
            Table->MessageDisplay->ShowMessage(BlankBoard, TMoney(), 0);
        }
        const TResponder* hover = Host.List.GetHover();
        if (hover != nullptr && table_region::IsSpotId(hover->GetCode()) &&
            (Seen.Hovered.empty() || Seen.Hovered.back() != hover->GetCode()))
            Seen.Hovered.push_back(hover->GetCode());
    }
    THoverSeen End(std::string (*name)(u16)) {
        for (const TRegionLord::THover& h : Table->Hovers)
            Seen.Heard += (Seen.Heard.empty() ? "" : " ") + name(h.Region) + (h.Enter ? "+" : "-");
        Seen.CursorSets = Cursors.Sets;
        return Seen;
    }
    // The mouse a pixel at a time along a row or a column, from off the table.
    THoverSeen Stroke(TPoint from, TPoint to) {
        Begin();
        const int steps = std::max(std::abs(to.x - from.x), std::abs(to.y - from.y));
        for (int i = 0; i <= steps; ++i)
            MoveTo({from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps});
        return End(&NamedBySpot);
    }
    // The middle of the first added piece of the spot that the roll takes out, or leaves, as
    // asked.
    static TPoint PieceOf(i16 spot, bool goesWithRoll) {
        for (size_t slot = table_region::FirstAddedSlot; slot < table_region::SlotCount; ++slot) {
            const table_region::TRegion& r = table_region::Regions[slot];
            if (r.Spot == spot && table_region::GoesWithRollArea(slot) == goesWithRoll)
                return {(r.Rect.left + r.Rect.right) / 2, (r.Rect.top + r.Rect.bottom) / 2};
        }
        return {-1, -1};
    }
    // A pixel of a region of the layout's own that no other spot region covers.
    static TPoint OwnOnly(u16 id) {
        const TRect& own =
            table_region::Regions[static_cast<size_t>(table_region::SlotOfId(id))].Rect;
        for (i32 y = own.top; y < own.bottom; ++y)
            for (i32 x = own.left; x < own.right; ++x) {
                bool alone = true;
                for (size_t slot = 0; slot < table_region::SlotCount && alone; ++slot)
                    alone = slot == table_region::LayoutSlot ||
                            table_region::Regions[slot].Id == id ||
                            !table_region::Regions[slot].Rect.Contains({x, y});
                if (alone)
                    return {x, y};
            }
        return {-1, -1};
    }
    i16 HoveredSpot() const {
        const TResponder* hover = Host.List.GetHover();
        return hover != nullptr ? table_region::SpotOfId(hover->GetCode()) : table_region::NoSpot;
    }

    THeadlessSession Session;
    TMediaServices Services;
    THoverCountedCursors Cursors;
    TEngineMedia* Before = nullptr;
    THoverSeen Seen;
};

struct THoverStroke {
    const char* What;
    TPoint From, To;
    const char* Heard;
    std::vector<int> Board;
    // Regions of the layout's own the stroke must cross.
    std::vector<u16> Crosses;
};

std::string StrokeName(const ::testing::TestParamInfo<THoverStroke>& param) {
    std::string name;
    for (const char* p = param.param.What; *p != 0; ++p)
        if (std::isalnum(static_cast<unsigned char>(*p)))
            name += *p;
    return name;
}

class RegionHoverStroke : public RegionHover, public ::testing::WithParamInterface<THoverStroke> {};

TEST_P(RegionHoverStroke, EachSpotIsEnteredAndLeftOnceHoweverManyOfItsPiecesTheMouseCrosses) {
    const THoverStroke& c = GetParam();
    const THoverSeen seen = Stroke(c.From, c.To);
    EXPECT_EQ(seen.Heard, c.Heard);
    EXPECT_EQ(seen.Board, c.Board);
    // Betting is open: every enter and leave heard sets the table cursor once, and nothing
    // else does.
    EXPECT_EQ(seen.CursorSets, HoverEvents(c.Heard));
    for (const u16 own : c.Crosses)
        EXPECT_NE(std::find(seen.Hovered.begin(), seen.Hovered.end(), own), seen.Hovered.end())
            << own;
    // The hover changed hands within a spot unheard: more regions hovered than spots entered.
    EXPECT_GT(seen.Hovered.size(), SpotEnters(c.Heard));
}

INSTANTIATE_TEST_SUITE_P(
    Strokes, RegionHoverStroke,
    ::testing::Values(
        // Up the pass line's arm: into its corner, through 65, out above the arm; 22 and 66
        // lie left of the stroke.
        THoverStroke{"pass line arm", {615, 420}, {615, 240}, "L+ L- 0+ 0- L+", {9, 1}, {65}},
        // Down across the pass line and the don't pass, the layout between them.
        THoverStroke{"pass line to don't pass",
                     {300, 425},
                     {300, 371},
                     "L+ L- 0+ 0- L+ L- 1+ 1- L+",
                     {9, 1, 12, 1},
                     {22, 23}},
        // Up from the come into the don't come, through both its own regions.
        THoverStroke{"come to don't come",
                     {520, 330},
                     {520, 240},
                     "2+ 2- L+ L- 3+ 3- L+",
                     {5, 1, 6, 1},
                     {24, 25, 71}}),
    &StrokeName);

TEST_F(RegionHover, JumpsBetweenALongSpotsOwnRegionsLeaveAndEnterButThroughItsPiecesNothing) {
    // The layout's own regions by id, or a piece of the spot of one.
    const struct {
        u16 Own;
        bool Piece;
        const char* Heard;
    } jumps[] = {
        {65, false, "65+"},     {66, false, "65- 66+"}, {22, true, ""},
        {65, false, ""},        {22, false, "65- 22+"}, {22, true, ""},
        {22, false, ""},        {23, false, "22- 23+"}, // another spot
        {67, false, "23- 67+"}, {69, false, "67- 69+"}, {70, false, "69- 70+"},
        {25, false, "70- 25+"}, {71, false, "25- 71+"}, {25, true, ""},
        {25, false, ""},
    };
    Begin();
    for (const auto& j : jumps) {
        Table->Hovers.clear();
        Cursors.Sets = 0;
        const i16 spot = table_region::SpotOfId(j.Own);
        const TPoint at = j.Piece ? PieceOf(spot, false) : OwnOnly(j.Own);
        MoveTo(at);
        ASSERT_EQ(HoveredSpot(), spot) << at.x << "," << at.y;
        const u16 hovered = Host.List.GetHover()->GetCode();
        ASSERT_EQ(table_region::SlotOfId(hovered) >= i16{table_region::FirstAddedSlot}, j.Piece)
            << at.x << "," << at.y;
        ASSERT_TRUE(j.Piece || hovered == j.Own) << at.x << "," << at.y;
        const THoverSeen seen = End(&NamedById);
        EXPECT_EQ(seen.Heard, j.Heard) << at.x << "," << at.y;
        // A move heard draws the board once and sets the table cursor for each leave and
        // enter; one unheard leaves both alone.
        EXPECT_EQ(seen.Board.size(), *j.Heard != 0 ? 1U : 0U) << at.x << "," << at.y;
        EXPECT_EQ(seen.CursorSets, HoverEvents(j.Heard)) << at.x << "," << at.y;
        Seen = {};
    }
}

TEST_F(RegionHover, WithTheRollAreaOutThePassLineEndsWhereItsPiecesWentOut) {
    const TPoint stays = PieceOf(table_spot::PassLine, false);
    const TPoint goes = PieceOf(table_spot::PassLine, true);
    Mouse(JEK_CURSOR, goes.x, goes.y);
    ASSERT_EQ(HoveredSpot(), table_spot::PassLine);
    TCRoundTable& round = Table->GetRoundTable();
    round.CloseBetting();
    ASSERT_EQ(HoveredSpot(), table_region::NoSpot) << "the piece under the mouse went out";
    Begin();
    MoveTo(stays);
    MoveTo(goes);
    MoveTo(stays);
    // From a piece that stays onto one that is out is leaving the spot for the layout.
    EXPECT_EQ(End(&NamedBySpot).Heard, "0+ 0- L+ L- 0+");
    EXPECT_EQ(Seen.Board, (std::vector<int>{9, 1, 9}));
    round.OpenBetting();
    Begin();
    MoveTo(stays);
    MoveTo(goes);
    MoveTo(stays);
    EXPECT_EQ(End(&NamedBySpot).Heard, "0+");
}

// Where two spots meet on the click map, side by side or across the line between them, each
// crossing stroked both ways a pixel at a time: after every step the board shows the help of the
// spot a click there bets on, and the list hovers that spot, also where two spots' own rectangles
// overlap and the click goes to the one registered first.
TEST_F(RegionHover, EveryStrokeBetweenNeighbouringSpotsShowsTheHelpOfTheSpotAClickTakes) {
    const TRect table = table_region::Regions[table_region::LayoutSlot].Rect;
    const i32 width = table.right - table.left;
    // The spot of the region registered first at each pixel of the layout, as the click map has
    // it, and which regions hold the pixel: strokes are made where the spot changes, and of
    // those that cross the same regions in the same order one is enough.
    const size_t pixels = static_cast<size_t>(width * (table.bottom - table.top));
    std::vector<i16> map(pixels, table_region::NoSpot);
    std::vector<u64> cover(pixels, 0);
    const auto index = [&](TPoint p) {
        return static_cast<size_t>((p.y - table.top) * width + (p.x - table.left));
    };
    const auto& order = table_region::RegistrationOrder;
    for (auto slot = order.rbegin(); slot != order.rend(); ++slot) {
        const table_region::TRegion& r = table_region::Regions[static_cast<size_t>(*slot)];
        if (r.Id == table_region::LayoutId || r.Id == table_region::SeatAreaId)
            continue;
        for (i32 y = r.Rect.top; y < r.Rect.bottom; ++y)
            for (i32 x = r.Rect.left; x < r.Rect.right; ++x)
                if (table.Contains({x, y})) {
                    const size_t i = index({x, y});
                    map[i] = r.Spot;
                    cover[i] = cover[i] * 1000003 + static_cast<u64>(*slot) + 1;
                }
    }
    const auto mapped = [&](TPoint p) { return map[index(p)]; };
    const auto clickedSpot = [&](TPoint p) {
        Rounds.Clicks.clear();
        Mouse(JEK_LBUTTONDOWN, p.x, p.y);
        return Rounds.Clicks.empty() ? table_region::NoSpot
                                     : static_cast<i16>(Rounds.Clicks[0].Spot);
    };
    // Each spot's help, shown on a jump onto a pixel of its own region that no other spot's
    // region holds.
    std::vector<int> help(static_cast<size_t>(table_spot::Count));
    for (i16 spot = 0; spot < table_spot::Count; ++spot) {
        Begin();
        const TPoint own = OwnOnly(static_cast<u16>(table_region::FirstSpotId + spot));
        ASSERT_EQ(clickedSpot(own), spot);
        Mouse(JEK_CURSOR, own.x, own.y);
        help[static_cast<size_t>(spot)] = Board();
    }
    const auto helpOf = [&](i16 spot) {
        return spot == table_region::NoSpot ? int{Table->StandingMessage}
                                            : help[static_cast<size_t>(spot)];
    };
    // Four pixels into each spot on either side of the crossing, and the line between them.
    constexpr i32 Reach = 4;
    constexpr i32 Line = 2;
    const auto stroke = [&](TPoint from, TPoint to, TPoint dir) {
        // From off the table, with the board as nothing hovered leaves it.
        Mouse(JEK_CURSOR, 700, 590);
        Table->MessageDisplay->ShowMessage(Table->StandingMessage, TMoney(), 0);
        for (TPoint at = from;; at = {at.x + dir.x, at.y + dir.y}) {
            if (table.Contains(at)) {
                const i16 spot = clickedSpot(at);
                Mouse(JEK_CURSOR, at.x, at.y);
                const TResponder* hover = Host.List.GetHover();
                const i16 hovered = hover != nullptr ? table_region::SpotOfId(hover->GetCode())
                                                     : table_region::NoSpot;
                if (Board() != helpOf(spot) || hovered != spot) {
                    ADD_FAILURE() << "at " << at.x << "," << at.y << " stroking from " << from.x
                                  << "," << from.y << " to " << to.x << "," << to.y << ": help "
                                  << Board() << " of spot " << hovered << ", a click takes " << spot
                                  << " of help " << helpOf(spot);
                    return false;
                }
            }
            if (at == to)
                return true;
        }
    };
    std::set<std::pair<i16, i16>> pairs;
    std::set<std::vector<u64>> seen;
    for (i32 y = table.top; y < table.bottom; ++y)
        for (i32 x = table.left; x < table.right; ++x)
            for (const TPoint dir : {TPoint{1, 0}, TPoint{0, 1}}) {
                const TPoint from{x, y};
                const i16 a = mapped(from);
                if (a == table_region::NoSpot)
                    continue;
                // The next spot along, across no more than a line of bare felt.
                TPoint to = from;
                i16 b = table_region::NoSpot;
                for (i32 gap = 0; gap <= Line && b == table_region::NoSpot; ++gap) {
                    to = {to.x + dir.x, to.y + dir.y};
                    if (!table.Contains(to) || (gap == 0 && mapped(to) == a))
                        break;
                    b = mapped(to);
                }
                if (b == table_region::NoSpot || b == a)
                    continue;
                pairs.insert(std::minmax(a, b));
                const TPoint before{from.x - dir.x * Reach, from.y - dir.y * Reach};
                const TPoint after{to.x + dir.x * Reach, to.y + dir.y * Reach};
                std::vector<u64> crossed;
                for (TPoint p = before;; p = {p.x + dir.x, p.y + dir.y}) {
                    crossed.push_back(table.Contains(p) ? cover[index(p)] : ~u64{0});
                    if (p == after)
                        break;
                }
                if (!seen.insert(crossed).second)
                    continue;
                ASSERT_TRUE(stroke(before, after, dir));
                ASSERT_TRUE(stroke(after, before, {-dir.x, -dir.y}));
            }
    // Every spot meets another; place 9 and 10 share two columns of their own rectangles, the 4
    // and C and E three pixels.
    for (i16 spot = 0; spot < table_spot::Count; ++spot)
        EXPECT_TRUE(std::any_of(pairs.begin(), pairs.end(), [spot](auto p) {
            return p.first == spot || p.second == spot;
        })) << spot;
    EXPECT_TRUE(pairs.count({table_spot::FirstBuy + 4, table_spot::FirstBuy + 5}));
    EXPECT_TRUE(pairs.count({table_spot::FirstBuy, table_spot::CrapsEleven}));
}

} // namespace
