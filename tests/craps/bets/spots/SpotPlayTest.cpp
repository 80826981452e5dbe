// Bet spots read both ways, the fatal report of a short sprite, and payouts through the sprites.
#include "SpotSupport.h"

#include "craps/bets/spots/BoxNumberSpots.h"
#include "craps/bets/spots/NumberSpots.h"
#include "craps/bets/spots/OneRollSpots.h"
#include "engine/media/Anm.h"
#include "support/ExitTrap.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <vector>

namespace {

using namespace spottest;

constexpr TCrapsBetOptions AllOn = {1, 1, 1, 1, 1, 1, 1};
constexpr TCrapsBetOptions AllOff = {0, 0, 0, 0, 0, 0, 0};
constexpr TPileSpots Piles = {TGrPoint{40, 90, 10}, TGrPoint{80, 90, 10}, TGrPoint{120, 90, 10}};

class SpotPlay : public ObjectFileFixture {
protected:
    void SetUp() override {
        ObjectFileFixture::SetUp();
        WriteSpotFile(&Owner, "spot", Piles);
    }
    TFileMode Named() const { return TFileMode("spot", 0, FM_LEVEL_NOW); }

    TTickOwner Owner;
};

TEST_F(SpotPlay, BothFormsReadTheSpriteHideItAndPinEveryChipAndChit) {
    const std::string image = Cd.ReadHostFile("spot.sp");
    const TEmbeddedAddress address{reinterpret_cast<const u8*>(image.data()),
                                   static_cast<u32>(image.size())};
    std::unique_ptr<TCBetSpot> spots[] = {
        TCBetSpot::Make<TBetHard>(&Owner, Named(), i16{6}, i16{83}),
        TCBetSpot::Make<TBetHard>(&Owner, TFileMode("spot", 0, 0), address, i16{6}, i16{83})};
    for (const auto& spot : spots) {
        EXPECT_EQ(spot->GetBetKind(), 7);
        EXPECT_EQ(spot->GetSpotId(0), 83);
        EXPECT_FALSE(spot->IsShown());
        EXPECT_TRUE(spot->HasFlags(JOF_START_NOW | SPF_DRIVEN));
        EXPECT_EQ(spot->GetTopY(1), -1);
        EXPECT_EQ(spot->GetTopZ(2), -1);
        ASSERT_EQ(spot->GetAnmList()->GetCount(), 22);
        for (i16 entry = 0; entry < 22; ++entry) {
            const TAnmData& data = spot->GetAnm(entry)->GetCurrentData();
            EXPECT_EQ(data.Direction, ANM_HOLD) << entry;
            EXPECT_FALSE(data.Has(ANMD_RESET_RANGE) || data.Has(ANMD_LEAVE_WHEN_STOPPED)) << entry;
        }
        EXPECT_EQ(spot->GetChipStack(2, 5), spot->GetAnm(17));
        EXPECT_EQ(spot->GetMarkerChit(), spot->GetAnm(18));
        EXPECT_EQ(spot->GetSeatChit(2), spot->GetAnm(21));
    }
}

TEST_F(SpotPlay, ASpriteShortOfAChipOrChitEndsTheProgramNamingTheEntry) {
    const struct {
        int Entries;
        std::string Tail;
    } cases[] = {{21, "Chits\n Num: 21"}, {18, "Chits\n Num: 18"}, {11, "Chips\n Num: 11"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Entries);
        const std::string name = "short" + std::to_string(c.Entries);
        WriteSpotFile(&Owner, name, Piles, c.Entries);
        TMessageBoxRecorder boxes;
        TExitTrap trap;
        EXPECT_THROW(TCBetSpot::Make<TBetField>(&Owner, TFileMode(name, 0, FM_LEVEL_NOW), i16{62}),
                     TProcessExit);
        ASSERT_EQ(boxes.Boxes.size(), 1U);
        EXPECT_EQ(boxes.Boxes[0].Caption, "Fatal Error - Anm Setup");
        EXPECT_NE(boxes.Boxes[0].Text.find("Sprite name: CBetSpot"), std::string::npos);
        EXPECT_NE(boxes.Boxes[0].Text.find("Description: \n" + c.Tail + "\n Exiting Program"),
                  std::string::npos)
            << boxes.Boxes[0].Text;
    }
}

// Casino payouts of a sample of kinds, each seat judged by its own options.
TEST_F(SpotPlay, PayoutsReachTheLedgerWithEachSeatsOwnOptions) {
    struct TSeatBet {
        i16 Seat;
        double Stake;
        u8 BuyFlag;
        TCrapsBetOptions Options;
        bool Wins;
        double Collected;
    };
    const struct {
        const char* Case;
        std::function<std::unique_ptr<TCBetSpot>()> Make;
        std::array<i16, 4> Roll; // die1, die2, point, come-out
        std::vector<TSeatBet> Seats;
    } cases[] = {
        {"$4 Horn on 12 wins one quarter at 30 to 1",
         [&] { return TCBetSpot::Make<TBetCraps11>(&Owner, Named(), i16{91}, u8{1}); },
         {5, 5, 0, 1},
         {{0, 4, 0, AllOn, true, 31}}},
        {"hard 8 on a come-out 4-4 works only where the seat lets it",
         [&] { return TCBetSpot::Make<TBetHard>(&Owner, Named(), i16{6}, i16{83}); },
         {3, 3, 0, 1},
         {{0, 5, 0, AllOn, true, 50}, {1, 5, 0, AllOff, false, 0}}},
        {"bought and placed 10 on one spot, each by its flag",
         [&] { return TCBetSpot::Make<TBetBuy>(&Owner, Named(), i16{8}, i16{68}); },
         {4, 4, 6, 0},
         {{0, 20, 1, AllOff, true, 59}, {1, 20, 0, AllOff, true, 56}}},
        {"a come-out 10 pays only the seat whose buy bets work then",
         [&] { return TCBetSpot::Make<TBetBuy>(&Owner, Named(), i16{8}, i16{68}); },
         {4, 4, 0, 1},
         {{0, 20, 1, AllOff, false, 0}, {2, 20, 1, AllOn, true, 59}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        const auto [die1, die2, point, comeOut] = c.Roll;
        auto spot = c.Make();
        for (const TSeatBet& s : c.Seats)
            spot->AddToAmount(s.Seat, TMoney(s.Stake), static_cast<u8>(comeOut), point, s.BuyFlag);
        for (const TSeatBet& s : c.Seats) {
            SCOPED_TRACE(s.Seat);
            const bool wins = spot->TestWin(die1, die2, point, static_cast<u8>(comeOut), s.Options);
            ASSERT_EQ(wins, s.Wins);
            if (!wins)
                continue;
            const i16 sum = static_cast<i16>(die1 + die2);
            EXPECT_DOUBLE_EQ(spot->GetWinAmount(s.Seat, sum).GetValue(), s.Collected - s.Stake);
            EXPECT_DOUBLE_EQ(spot->CollectWin(s.Seat, sum).GetValue(), s.Collected);
            EXPECT_FALSE(spot->HasAmount(s.Seat));
        }
    }
}

TEST_F(SpotPlay, ALostSeatLeavesTheOthersStandingAndASpotWithoutWholeDollarsHides) {
    auto spot = TCBetSpot::Make<TBetBig>(&Owner, Named(), i16{4}, i16{60});
    spot->Show();
    spot->AddChips(0, TMoney(25), 1, 0);
    spot->AddChips(1, TMoney(5), 1, 0);
    spot->AddChips(2, TMoney(0.99), 1, 0);
    spot->ForfeitSeat(0);
    EXPECT_FALSE(spot->GetChipStack(0, 2)->IsShown());
    EXPECT_TRUE(spot->GetChipStack(1, 1)->IsShown());
    EXPECT_TRUE(spot->IsShown());
    spot->ForfeitSeat(1);
    EXPECT_TRUE(spot->HasAmount(2));
    EXPECT_FALSE(spot->IsShown());
}

} // namespace
