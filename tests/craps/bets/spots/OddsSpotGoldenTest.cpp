// Golden image of the pass line on the headless screen: three seats' line and odds piles.
#include "OddsSpotSupport.h"

#include "craps/bets/spots/LineSpots.h"
#include "engine/media/Anm.h"
#include "engine/media/MediaFixture.h"

#include "support/Golden.h"

namespace {

using namespace spottest;

using OddsSpotGolden = MediaFixture;

TEST_F(OddsSpotGolden, PassLineWithLineAndOddsPilesOfThreeSeats) {
    WriteChipArt(Cd);
    WritePal("spot", SpotColours());
    WriteBmp("felt", 160, 100, std::vector<u8>(160 * 100, FeltIndex), SpotColours());
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
    spot->ShowChitOnTopStack();

    Window->FrameCount = 1;
    spot->Tick(1);
    Video().RenderFrame();
    App.PumpWaitingMessages();
    const TPoint origin = ClientOrigin();
    EXPECT_TRUE(MatchesGolden(Session.Backend().GetScreen(), "bet_spot_pass_line_odds",
                              TRect{origin, TSize{160, 100}}));
}

} // namespace
