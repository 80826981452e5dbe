// Golden image of a bet spot on the headless screen: three seats' piles and the marker chit.
#include "SpotSupport.h"

#include "craps/bets/spots/BoxNumberSpots.h"
#include "engine/media/MediaFixture.h"

#include "support/Golden.h"

namespace {

using namespace spottest;

using SpotGolden = MediaFixture;

TEST_F(SpotGolden, ThreePilesWithABuyMarkerAndTheChitOnTheLastSeat) {
    WriteChipArt(Cd);
    WritePal("spot", SpotColours());
    WriteBmp("felt", 160, 100, std::vector<u8>(160 * 100, FeltIndex), SpotColours());
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
    spot->ShowChitOnTopStack();

    Window->FrameCount = 1;
    spot->Tick(1);
    Video().RenderFrame();
    App.PumpWaitingMessages();
    const TPoint origin = ClientOrigin();
    EXPECT_TRUE(MatchesGolden(Session.Backend().GetScreen(), "bet_spot_three_piles",
                              TRect{origin, TSize{160, 100}}));
}

} // namespace
