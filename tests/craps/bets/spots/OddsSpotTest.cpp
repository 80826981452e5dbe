// Odds piles above the stakes of the line and come-number spots, their sprite entries, and
// payouts with odds through the sprites.
#include "OddsSpotSupport.h"

#include "craps/bets/spots/ComeSpots.h"
#include "craps/bets/spots/LineSpots.h"
#include "engine/media/Anm.h"
#include "support/ExitTrap.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace {

using namespace spottest;

// Seats 0 and 1 share a stake pile; each seat's odds stand at their own place and depth.
constexpr TPileSpots Stakes = {TGrPoint{40, 90, 10}, TGrPoint{40, 50, 20}, TGrPoint{120, 80, 30}};
constexpr TPileSpots Odds = {TGrPoint{60, 70, 50}, TGrPoint{60, 40, 60}, TGrPoint{140, 20, 70}};
constexpr TCrapsBetOptions Defaults = {0, 0, 0, 0, 1, 0, 0};

class OddsSpot : public ObjectFileFixture {
protected:
    void SetUp() override {
        ObjectFileFixture::SetUp();
        WriteChipArt(Cd);
        WriteOddsSpotFile(&Owner, "spot", Stakes, Odds);
    }
    TFileMode Named(const std::string& name = "spot") const {
        return TFileMode(name, 0, FM_LEVEL_NOW);
    }
    // The shown odds stacks of a seat: stack -> (frame, y above the stake start, z above home).
    static std::map<int, std::array<int, 3>> OddsPile(const TCBetOddsSpot& spot, i16 seat) {
        std::map<int, std::array<int, 3>> shown;
        for (i16 d = 0; d < 6; ++d) {
            const TAnmData& data = spot.GetFreeChipStack(seat, d)->GetCurrentData();
            if (!spot.GetFreeChipStack(seat, d)->IsShown())
                continue;
            EXPECT_EQ(data.Position.x, Odds[seat].x) << "stack " << d << " moved sideways";
            shown[d] = {data.CurrentFrame, Stakes[0].y - data.Position.y,
                        data.Position.z - Odds[seat].z};
        }
        return shown;
    }

    TTickOwner Owner;
};

TEST_F(OddsSpot, OddsStandWhereTheSeatsStakeEndedAndTheNextStakeIgnoresThem) {
    const struct {
        const char* Case;
        i16 Number;
        double Stake, Odds;
        std::map<int, std::array<int, 3>> Pile;
        int StakeUp, TopUp, TopDz;
    } cases[] = {
        // clang-format off
        {"$10 with $25 on the six: one chip 4 px up, top 6 up",
         4, 10, 25, {{2, {0, 4, 0}}}, 4, 6, 1},
        {"$1000 with $1263 on the four",
         2, 1000, 1263,
         {{4, {0, 2, 0}}, {3, {1, 4, 1}}, {2, {1, 8, 3}}, {1, {1, 12, 5}}, {0, {2, 16, 7}}},
         2, 22, 10},
        {"odds of $100,000 draw nothing above ten $10000 stake chips",
         2, 100000, 100000, {}, 20, 20, 0},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        auto spot = TCBetSpot::Make<TBetComeNum>(&Owner, Named(), c.Number, i16{54});
        spot->SetAmount(0, TMoney(c.Stake));
        spot->SetAmount(1, TMoney(1));
        ASSERT_EQ(spot->AddChips(0, TMoney(c.Odds), 0, 5), TMoney());
        EXPECT_EQ(OddsPile(*spot, 0), c.Pile);
        EXPECT_EQ(spot->GetTopY(0), Stakes[0].y - c.TopUp);
        EXPECT_EQ(spot->GetTopZ(0), Odds[0].z + c.TopDz);
        // Seat 1's $1 stands on seat 0's stake, not on its odds.
        const TAnmData& one = spot->GetChipStack(1, 0)->GetCurrentData();
        EXPECT_EQ(one.Position.y, Stakes[0].y - c.StakeUp);
        spot->ShowChitOnSeatStack(0);
        EXPECT_EQ(spot->GetMarkerChit()->GetCurrentData().Position.y, spot->GetTopY(0));
    }
}

TEST_F(OddsSpot, ASpriteShortOfAnOddsStackEndsTheProgramNamingTheEntry) {
    const std::function<void(const TFileMode&)> makers[] = {
        [&](const TFileMode& n) { TCBetSpot::Make<TBetPass>(&Owner, n, i16{52}); },
        [&](const TFileMode& n) { TCBetSpot::Make<TBetDoNotComeNum>(&Owner, n, i16{4}, i16{55}); },
    };
    for (const int entries : {39, 22}) {
        const std::string name = "short" + std::to_string(entries);
        WriteOddsSpotFile(&Owner, name, Stakes, Odds, entries);
        for (const auto& make : makers) {
            SCOPED_TRACE(entries);
            TMessageBoxRecorder boxes;
            TExitTrap trap;
            EXPECT_THROW(make(Named(name)), TProcessExit);
            ASSERT_EQ(boxes.Boxes.size(), 1U);
            EXPECT_EQ(boxes.Boxes[0].Caption, "Fatal Error - Anm Setup");
            EXPECT_NE(boxes.Boxes[0].Text.find("CBetSpot"), std::string::npos);
            EXPECT_NE(boxes.Boxes[0].Text.find("FreeChips\n Num: " + std::to_string(entries)),
                      std::string::npos)
                << boxes.Boxes[0].Text;
        }
    }
}

// Each seat is tested before it is paid, as the table pays: the lay win exists only then.
TEST_F(OddsSpot, StakesAndOddsArePaidInFullPerSeat) {
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
        // clang-format off
        {"pass, point six made: 10 + 10 + 30 + 25; an odd line holds double odds",
         [&] { return TCBetSpot::Make<TBetPass>(&Owner, Named(), i16{52}); },
         false, 4, 1, 3, 152, {{0, 10, 30, 5, 75}, {1, 5, 20, 10, 32}}},
        {"don't come six, seven: 10 + 10 + 20 + 24; $7 lays $18 to win $15",
         [&] { return TCBetSpot::Make<TBetDoNotComeNum>(&Owner, Named(), i16{4}, i16{55}); },
         true, 8, 4, 1, 155, {{0, 10, 30, 6, 64}, {2, 7, 20, 2, 47}}},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        auto spot = c.Make();
        for (const TSeatBet& s : c.Seats) {
            if (c.Travelled)
                spot->SetAmount(s.Seat, TMoney(s.Stake));
            else
                spot->AddChips(s.Seat, TMoney(s.Stake), 1, 0);
            EXPECT_TRUE(spot->GetChipStack(s.Seat, 1)->IsShown()) << "the stake shows at once";
            EXPECT_EQ(spot->AddChips(s.Seat, TMoney(s.Offer), 0, c.Point), TMoney(s.Refused));
            EXPECT_EQ(spot->GetSpotId(s.Seat), c.OddsId);
        }
        const i16 sum = static_cast<i16>(c.Die1 + c.Die2);
        for (const TSeatBet& s : c.Seats) {
            SCOPED_TRACE(s.Seat);
            ASSERT_TRUE(spot->TestWin(c.Die1, c.Die2, c.Point, 0, Defaults));
            const double odds = s.Offer - s.Refused;
            EXPECT_DOUBLE_EQ(spot->GetWinAmount(s.Seat, sum).GetValue(),
                             s.Collected - s.Stake - odds);
            EXPECT_DOUBLE_EQ(spot->CollectWin(s.Seat, sum).GetValue(), s.Collected);
            EXPECT_EQ(spot->GetStakeAndWin(s.Seat), TMoney());
        }
    }
}

} // namespace
