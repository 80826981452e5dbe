// Bet spots read both ways, the fatal report of a short sprite, and payouts through the sprites.
#include "SpotSupport.h"

#include "craps/bets/spots/BoxNumberSpots.h"
#include "craps/bets/spots/NumberSpots.h"
#include "craps/bets/spots/OneRollSpots.h"
#include "engine/media/Anm.h"
#include "support/ExitTrap.h"

#include <gtest/gtest.h>

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
        EXPECT_FALSE(spot->IsShown());
        EXPECT_TRUE(spot->HasFlags(JOF_START_NOW | SPF_DRIVEN));
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

// The spot hands each seat's options and buy flag on to the ledger.
TEST_F(SpotPlay, EachSeatsOptionsAndBuyFlagReachTheLedger) {
    auto hard8 = TCBetSpot::Make<TBetHard>(&Owner, Named(), i16{6}, i16{83});
    hard8->AddChips(0, TMoney(5), 1, 0);
    EXPECT_FALSE(hard8->TestWin(3, 3, 0, 1, AllOff)); // a come-out 4-4
    ASSERT_TRUE(hard8->TestWin(3, 3, 0, 1, AllOn));
    EXPECT_EQ(hard8->GetWinAmount(0, 6), TMoney(45));
    EXPECT_EQ(hard8->CollectWin(0, 6), TMoney(50));
    EXPECT_FALSE(hard8->HasAmount(0));

    auto ten = TCBetSpot::Make<TBetBuy>(&Owner, Named(), i16{8}, i16{68});
    ten->AddToAmount(0, TMoney(20), 0, 6, 1);
    ten->AddToAmount(1, TMoney(20), 0, 6, 0);
    ASSERT_TRUE(ten->TestWin(4, 4, 6, 0, AllOff));
    EXPECT_EQ(ten->CollectWin(0, 8), TMoney(59)); // bought
    EXPECT_EQ(ten->CollectWin(1, 8), TMoney(56)); // placed
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
