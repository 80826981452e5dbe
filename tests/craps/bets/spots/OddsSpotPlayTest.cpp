// Payouts with odds through the line and come-number spots, and a come bet travelling.
#include "OddsSpotSupport.h"

#include "craps/bets/spots/ComeSpots.h"
#include "craps/bets/spots/LineSpots.h"
#include "engine/media/Anm.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

using namespace spottest;

constexpr TCrapsBetOptions Defaults = {0, 0, 0, 0, 1, 0, 0};
constexpr TPileSpots Stakes = {TGrPoint{40, 90, 10}, TGrPoint{80, 90, 10}, TGrPoint{120, 90, 10}};
constexpr TPileSpots Odds = {TGrPoint{55, 90, 10}, TGrPoint{95, 90, 10}, TGrPoint{135, 90, 10}};

class OddsSpotPlay : public ObjectFileFixture {
protected:
    void SetUp() override {
        ObjectFileFixture::SetUp();
        WriteChipArt(Cd);
        WriteOddsSpotFile(&Owner, "spot", Stakes, Odds);
    }
    TFileMode Named() const { return TFileMode("spot", 0, FM_LEVEL_NOW); }

    TTickOwner Owner;
};

// Casino payouts: the line or travelled stake at even money, free odds at true odds, lay odds
// so that they win about twice the stake. Every seat is tested before it is paid.
TEST_F(OddsSpotPlay, StakesAndOddsArePaidInFullPerSeat) {
    struct TSeatBet {
        i16 Seat;
        double Stake, Offer, Refused, Collected;
    };
    const struct {
        const char* Case;
        std::function<std::unique_ptr<TCBetOddsSpot>()> Make;
        bool Travelled; // the stake arrives by SetAmount, not on the come-out
        i16 Point, Die1, Die2, OddsId;
        std::vector<TSeatBet> Seats;
    } cases[] = {
        {"pass line, point six made: 10 + 10 + 30 + 25, and an odd line holds double odds",
         [&] { return TCBetSpot::Make<TBetPass>(&Owner, Named(), i16{52}); },
         false,
         4,
         1,
         3,
         152,
         {{0, 10, 30, 5, 75}, {1, 5, 20, 10, 32}}},
        {"don't pass, seven-out against the nine: 10 + 10 + 20 + 30",
         [&] { return TCBetSpot::Make<TBetDoNotPass>(&Owner, Named(), i16{53}); },
         false,
         7,
         2,
         3,
         153,
         {{0, 10, 40, 10, 70}, {2, 6, 18, 0, 42}}},
        {"come number six made: 10 + 10 + 30 + 25",
         [&] { return TCBetSpot::Make<TBetComeNum>(&Owner, Named(), i16{4}, i16{54}); },
         true,
         9,
         2,
         2,
         154,
         {{0, 10, 25, 0, 75}}},
        {"don't come six, seven: 10 + 10 + 20 + 24, and $7 lays $18 to win $15",
         [&] { return TCBetSpot::Make<TBetDoNotComeNum>(&Owner, Named(), i16{4}, i16{55}); },
         true,
         8,
         4,
         1,
         155,
         {{0, 10, 30, 6, 64}, {1, 7, 20, 2, 47}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        auto spot = c.Make();
        spot->Show();
        for (const TSeatBet& s : c.Seats) {
            if (c.Travelled)
                spot->SetAmount(s.Seat, TMoney(s.Stake));
            else
                ASSERT_EQ(spot->AddChips(s.Seat, TMoney(s.Stake), 1, 0), TMoney());
            EXPECT_EQ(spot->AddChips(s.Seat, TMoney(s.Offer), 0, c.Point), TMoney(s.Refused));
            EXPECT_EQ(spot->GetSpotId(s.Seat), c.OddsId);
            EXPECT_FALSE(spot->CanAddChips(s.Seat, TMoney(2), 0, c.Point)) << "at the limit";
        }
        const i16 sum = static_cast<i16>(c.Die1 + c.Die2);
        for (const TSeatBet& s : c.Seats) {
            SCOPED_TRACE(s.Seat);
            ASSERT_TRUE(spot->TestWin(c.Die1, c.Die2, c.Point, 0, Defaults));
            ASSERT_FALSE(spot->TestLose(c.Die1, c.Die2, c.Point, 0, Defaults));
            EXPECT_DOUBLE_EQ(spot->GetWinAmount(s.Seat, sum).GetValue(),
                             s.Collected - s.Stake - (s.Offer - s.Refused));
            EXPECT_DOUBLE_EQ(spot->CollectWin(s.Seat, sum).GetValue(), s.Collected);
            EXPECT_FALSE(spot->HasAmount(s.Seat));
            EXPECT_EQ(spot->GetOddsAmount(s.Seat), TMoney());
        }
    }
}

TEST_F(OddsSpotPlay, TheLayWinIsReckonedByThePointTheSevenEnded) {
    auto spot = TCBetSpot::Make<TBetDoNotPass>(&Owner, Named(), i16{53});
    spot->AddChips(0, TMoney(10), 1, 0);
    spot->AddChips(0, TMoney(24), 0, 4);
    EXPECT_EQ(spot->GetRememberedPoint(), -1);
    EXPECT_EQ(spot->OddsWin(TMoney(24), 5), TMoney()) << "no seven seen yet";
    ASSERT_TRUE(spot->TestWin(3, 2, 4, 0, Defaults));
    EXPECT_EQ(spot->GetRememberedPoint(), 4);
    EXPECT_EQ(spot->CollectWin(0, 5), TMoney(64));
    EXPECT_EQ(spot->GetRememberedPoint(), -1);
}

// The table's own flow between the spots: a come stake travels on a box number and its odds
// come back on the next come-out when the seat's options keep them off.
TEST_F(OddsSpotPlay, AComeStakeTravelsToItsNumberAndItsOddsComeBackOnTheComeOut) {
    WriteSpotFile(&Owner, "come", Stakes);
    auto come = TCBetSpot::Make<TBetCome>(&Owner, TFileMode("come", 0, FM_LEVEL_NOW), i16{54});
    auto dontCome =
        TCBetSpot::Make<TBetDoNotCome>(&Owner, TFileMode("come", 0, FM_LEVEL_NOW), i16{55});
    auto six = TCBetSpot::Make<TBetComeNum>(&Owner, Named(), i16{4}, i16{54});

    EXPECT_EQ(come->AddChips(0, TMoney(15), 1, 0), TMoney(15)) << "no come bet on a come-out";
    EXPECT_FALSE(come->CanAddChips(0, TMoney(2), 1, 0));
    ASSERT_EQ(come->AddChips(0, TMoney(15), 0, 8), TMoney());
    ASSERT_EQ(dontCome->AddChips(2, TMoney(5), 0, 8), TMoney());

    // A 12 takes the come bet and leaves the don't come standing; a six moves the come bet.
    EXPECT_TRUE(come->TestLose(5, 5, 8, 0, Defaults));
    EXPECT_FALSE(dontCome->TestWin(5, 5, 8, 0, Defaults) ||
                 dontCome->TestLose(5, 5, 8, 0, Defaults));
    EXPECT_FALSE(come->TestWin(2, 2, 8, 0, Defaults) || come->TestLose(2, 2, 8, 0, Defaults));
    six->SetAmount(0, come->TakeDown(0, 0));
    EXPECT_FALSE(come->HasAmount(0));
    EXPECT_FALSE(come->GetChipStack(0, 2)->IsShown());
    EXPECT_EQ(six->GetAmount(0), TMoney(15));
    EXPECT_TRUE(six->GetChipStack(0, 1)->IsShown()) << "the travelled stake shows at once";

    EXPECT_EQ(six->AddChips(0, TMoney(40), 0, 8), TMoney(10)) << "odd stake: double odds";
    EXPECT_TRUE(six->GetFreeChipStack(0, 2)->IsShown());
    EXPECT_EQ(six->ReturnOffOdds(0, 4, 4), TMoney()) << "an eight leaves the six's odds";
    EXPECT_EQ(six->ReturnOffOdds(0, 1, 3), TMoney(30));
    EXPECT_EQ(six->GetAmount(0), TMoney(15)) << "the stake itself works";
    EXPECT_EQ(six->GetSpotId(0), 54);

    // Only the odds can be taken down; the stake stays.
    six->AddChips(0, TMoney(4), 1, 0);
    EXPECT_EQ(six->TakeDown(0, 1), TMoney(4));
    EXPECT_FALSE(six->GetFreeChipStack(0, 0)->IsShown());
    EXPECT_EQ(six->TakeDown(0, 0), TMoney());
    EXPECT_EQ(six->GetAmount(0), TMoney(15));
}

} // namespace
