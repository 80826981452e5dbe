// Golden images of bet spots on the headless screen: three seats' piles, the marker chit and odds.
#include "OddsSpotSupport.h"

#include "craps/bets/spots/BoxNumberSpots.h"
#include "craps/bets/spots/LineSpots.h"
#include "engine/media/MediaFixture.h"

#include "support/Golden.h"

namespace {

using namespace spottest;

class SpotGolden : public MediaFixture {
protected:
    void SetUp() override {
        MediaFixture::SetUp();
        WriteChipArt(Cd);
        WritePal("spot", SpotColours());
        WriteBmp("felt", 160, 100, std::vector<u8>(160 * 100, FeltIndex), SpotColours());
    }
    bool Matches(TCBetSpot& spot, const std::string& golden) {
        spot.ShowChitOnTopStack();
        Window->FrameCount = 1;
        spot.Tick(1);
        Video().RenderFrame();
        App.PumpWaitingMessages();
        return MatchesGolden(Session.Backend().GetScreen(), golden,
                             TRect{ClientOrigin(), TSize{160, 100}});
    }
};

TEST_F(SpotGolden, ThreePilesWithABuyMarkerAndTheChitOnTheLastSeat) {
    WriteSpotFile(Window, "spot",
                  {TGrPoint{30, 85, 10}, TGrPoint{75, 85, 10}, TGrPoint{120, 85, 10}});
    MakeScreen(LoadBmp("felt"), LoadPal("spot"));
    auto spot =
        TCBetSpot::Make<TBetBuy>(Window, TFileMode("spot", 0, FM_LEVEL_NOW), i16{2}, i16{63});
    spot->Play(0);
    spot->Show();
    spot->AddToAmount(0, TMoney(1263), 0, 6, 1);
    spot->AddToAmount(1, TMoney(137), 0, 6, 0);
    spot->AddToAmount(2, TMoney(30), 0, 6, 0);
    EXPECT_TRUE(Matches(*spot, "bet_spot_three_piles"));
}

TEST_F(SpotGolden, PassLineWithLineAndOddsPilesOfThreeSeats) {
    WriteOddsSpotFile(Window, "pass",
                      {TGrPoint{20, 90, 10}, TGrPoint{70, 90, 10}, TGrPoint{120, 90, 10}},
                      {TGrPoint{32, 90, 40}, TGrPoint{82, 90, 40}, TGrPoint{132, 90, 40}});
    MakeScreen(LoadBmp("felt"), LoadPal("spot"));
    auto spot = TCBetSpot::Make<TBetPass>(Window, TFileMode("pass", 0, FM_LEVEL_NOW), i16{52});
    spot->Play(0);
    spot->Show();
    // Lines on the come-out, then odds at the point six: each seat's odds start at the height
    // its line ended; the odd $25 line holds double odds, the even ones two and a half.
    const double lines[] = {10, 25, 1140};
    for (i16 seat = 0; seat < 3; ++seat)
        spot->AddChips(seat, TMoney(lines[seat]), 1, 0);
    for (i16 seat = 0; seat < 3; ++seat)
        spot->AddChips(seat, TMoney(5000), 0, 4);
    EXPECT_TRUE(Matches(*spot, "bet_spot_pass_line_odds"));
}

} // namespace
