// Chip piles, the marker chit and the buy markers of bet spots read from their sprite files.
#include "SpotSupport.h"

#include "craps/bets/spots/BoxNumberSpots.h"
#include "craps/bets/spots/OneRollSpots.h"
#include "engine/media/Anm.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using namespace spottest;

constexpr TGrPoint Seat0{40, 90, 10};
constexpr TGrPoint Seat2{120, 80, 30};

// Where one stack stands and which frame it shows.
struct TStack {
    i16 Frame;
    i16 Dy;
    i16 Dz;
};

class SpotLayout : public ObjectFileFixture {
protected:
    void SetUp() override {
        ObjectFileFixture::SetUp();
        WriteChipArt(Cd);
    }
    // Seats 0 and 1 share a pile; seat 2 has its own.
    template <class T, class... Args> std::unique_ptr<T> Spot(Args&&... args) {
        WriteSpotFile(&Owner, "spot", {Seat0, TGrPoint{40, 50, 20}, Seat2});
        return TCBetSpot::Make<T>(&Owner, TFileMode("spot", 0, FM_LEVEL_NOW),
                                  std::forward<Args>(args)...);
    }
    // The shown stacks of a seat by denomination index, relative to the given start.
    static std::map<int, TStack> Shown(const TCBetSpot& spot, i16 seat, TGrPoint start) {
        std::map<int, TStack> shown;
        for (i16 d = 0; d < 6; ++d) {
            const TAnm& stack = *spot.GetChipStack(seat, d);
            if (!stack.IsShown())
                continue;
            const TGrPoint at = stack.GetCurrentData().Position;
            EXPECT_EQ(at.x, start.x) << "x is never moved";
            shown[d] = {static_cast<i16>(stack.GetCurrentData().CurrentFrame),
                        static_cast<i16>(at.y - start.y), static_cast<i16>(at.z - start.z)};
        }
        return shown;
    }

    TTickOwner Owner;
};

bool operator==(const TStack& a, const TStack& b) {
    return a.Frame == b.Frame && a.Dy == b.Dy && a.Dz == b.Dz;
}

TEST_F(SpotLayout, AnAmountBecomesStacksLargestFirstEachChipTwoPixelsUp) {
    const struct {
        const char* Case;
        double Amount;
        std::map<int, TStack> Stacks;
        i16 TopDy, TopDz;
    } cases[] = {
        {"137: a 100, a 25, two 5s, two 1s",
         137.0,
         {{3, {0, 0, 0}}, {2, {0, -2, 1}}, {1, {1, -4, 2}}, {0, {1, -8, 4}}},
         -12,
         6},
        {"100,000: ten 10000s", 100000.0, {{5, {9, 0, 0}}}, -20, 10},
        {"100,001 starts over at nothing", 100001.0, {}, 0, 0},
        {"99,999: every stack at its largest",
         99999.0,
         {{5, {8, 0, 0}},
          {4, {8, -18, 9}},
          {3, {8, -36, 18}},
          {2, {2, -54, 27}},
          {1, {3, -60, 30}},
          {0, {3, -68, 34}}},
         -76,
         38},
        {"0.75 draws nothing", 0.75, {}, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        auto spot = Spot<TBetField>(i16{62});
        // Showing the spot shows every entry; the field has no buy markers to show.
        spot->Show();
        EXPECT_EQ(spot->AddChips(0, TMoney(c.Amount), 1, 0), TMoney());
        EXPECT_EQ(Shown(*spot, 0, Seat0), c.Stacks);
        EXPECT_EQ(spot->GetTopY(0), Seat0.y + c.TopDy);
        EXPECT_EQ(spot->GetTopZ(0), Seat0.z + c.TopDz);
        for (i16 seat = 0; seat < 3; ++seat)
            EXPECT_FALSE(spot->GetSeatChit(seat)->IsShown()) << seat;
        EXPECT_FALSE(spot->HasFlags(JOF_TIMED_ON));
    }
}

TEST_F(SpotLayout, SeatsAtSeatZerosPlaceShareOnePileAndOthersStartTheirOwn) {
    auto spot = Spot<TBetField>(i16{62});
    spot->AddChips(2, TMoney(1), 1, 0);
    spot->AddChips(1, TMoney(25), 1, 0);
    spot->AddChips(0, TMoney(6), 1, 0);
    // Seat 0: a 5 then a 1; seat 1 goes on top, one z higher; seat 2 stands at its own place.
    EXPECT_EQ(Shown(*spot, 0, Seat0), (std::map<int, TStack>{{1, {0, 0, 0}}, {0, {0, -2, 1}}}));
    EXPECT_EQ(Shown(*spot, 1, Seat0), (std::map<int, TStack>{{2, {0, -4, 3}}}));
    EXPECT_EQ(Shown(*spot, 2, Seat2), (std::map<int, TStack>{{0, {0, 0, 2}}}));
    EXPECT_EQ(spot->GetTopY(1), Seat0.y - 6);
    EXPECT_EQ(spot->GetTopZ(1), Seat0.z + 4);

    // Taking seat 0's chips down lets seat 1's pile drop to the start.
    EXPECT_EQ(spot->TakeDown(0, 1), TMoney(6));
    EXPECT_EQ(Shown(*spot, 0, Seat0).size(), 0U);
    EXPECT_EQ(Shown(*spot, 1, Seat0), (std::map<int, TStack>{{2, {0, 0, 1}}}));
}

TEST_F(SpotLayout, TheMarkerChitStandsOnThePileOfTheSeatBeingPaid) {
    auto spot = Spot<TBet1Roll>(i16{5}, i16{85});
    TAnm& chit = *spot->GetMarkerChit();
    spot->ShowChitOnTopStack();
    EXPECT_FALSE(chit.IsShown()) << "no bet, no chit";

    spot->AddChips(0, TMoney(5), 0, 4);
    spot->AddChips(2, TMoney(100), 0, 4);
    spot->SetFlags(JOF_TIMED_ON);
    spot->ShowChitOnTopStack();
    ASSERT_TRUE(chit.IsShown());
    EXPECT_FALSE(spot->HasFlags(JOF_TIMED_ON));
    EXPECT_EQ(chit.GetCurrentData().CurrentFrame, 2);
    EXPECT_EQ(chit.GetCurrentData().Position,
              (TGrPoint{Seat2.x, static_cast<i16>(Seat2.y - 2), static_cast<i16>(Seat2.z + 3)}));

    spot->ShowChitOnSeatStack(0);
    EXPECT_EQ(chit.GetCurrentData().CurrentFrame, 0);
    EXPECT_EQ(chit.GetCurrentData().Position,
              (TGrPoint{Seat0.x, static_cast<i16>(Seat0.y - 2), static_cast<i16>(Seat0.z + 1)}));
    spot->ShowChitOnSeatStack(3);
    EXPECT_FALSE(chit.IsShown());

    // Less than a dollar draws nothing but is still a bet to mark.
    spot->TakeDown(2, 0);
    spot->TakeDown(0, 0);
    spot->AddChips(1, TMoney(0.75), 0, 4);
    spot->ShowChitOnTopStack();
    EXPECT_TRUE(chit.IsShown());
    EXPECT_EQ(chit.GetCurrentData().CurrentFrame, 1);
}

TEST_F(SpotLayout, BuyMarkersStandOnTheBoughtPilesThatHoldMoney) {
    auto spot = Spot<TBetBuy>(i16{8}, i16{68});
    spot->AddToAmount(0, TMoney(20), 0, 4, 1);
    spot->AddToAmount(1, TMoney(10), 0, 4, 0);
    spot->AddToAmount(2, TMoney(0.5), 0, 4, 1);
    const struct {
        bool Shown;
        i16 Y, Z;
    } want[] = {{true, static_cast<i16>(Seat0.y - 8), static_cast<i16>(Seat0.z + 5)},
                {false, 0, 0},
                {true, Seat2.y, static_cast<i16>(Seat2.z + 3)}};
    for (i16 seat = 0; seat < 3; ++seat) {
        SCOPED_TRACE(seat);
        const TAnm& marker = *spot->GetSeatChit(seat);
        ASSERT_EQ(marker.IsShown(), want[seat].Shown);
        if (want[seat].Shown) {
            EXPECT_EQ(marker.GetCurrentData().Position.y, want[seat].Y);
            EXPECT_EQ(marker.GetCurrentData().Position.z, want[seat].Z);
        }
    }
    EXPECT_EQ(spot->GetSpotId(0), 68);
    EXPECT_EQ(spot->GetSpotId(1), 74);

    // A seat that re-places its money loses its marker.
    spot->AddToAmount(0, TMoney(5), 0, 4, 0);
    EXPECT_FALSE(spot->GetSeatChit(0)->IsShown());
    spot->ClearAll();
    EXPECT_FALSE(spot->IsShown());
    EXPECT_FALSE(spot->GetSeatChit(2)->IsShown());
}

} // namespace
