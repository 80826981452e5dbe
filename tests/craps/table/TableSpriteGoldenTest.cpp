// Golden image of the table's own sprites on the headless screen: the puck on the six, a pair of
// big dice and a payout on the second seat's row.
#include "TableSpriteArt.h"

#include "craps/table/BetPayOff.h"
#include "craps/table/Dice.h"
#include "craps/table/Puck.h"

#include "engine/media/MediaFixture.h"
#include "support/Golden.h"

namespace {

using namespace tableart;

using TableSpriteGolden = MediaFixture;

TEST_F(TableSpriteGolden, PuckOnSixDiceThreeAndFourAndTwelveThirtyFourPaidToSeatOne) {
    WriteTableArt(Cd);
    WritePal("table", TableColours());
    WriteBmp("felt", 200, 110, std::vector<u8>(200 * 110, spottest::FeltIndex), TableColours());
    WriteSpriteFile(Window, "puck", {"puck.anm"}, {TGrPoint{14, 14, 5}});
    WriteSpriteFile(Window, "die1", {"die.anm"}, {TGrPoint{56, 16, 5}});
    WriteSpriteFile(Window, "die2", {"die.anm"}, {TGrPoint{82, 16, 5}});
    WriteSpriteFile(Window, "payoff", Members("anm", 18),
                    {TGrPoint{150, 100, 10}, TGrPoint{120, 100, 10}, TGrPoint{180, 100, 10}});
    MakeScreen(LoadBmp("felt"), LoadPal("table"));
    const auto mode = [](const char* name) { return TFileMode(name, 0, FM_LEVEL_NOW); };
    auto puck = TCPuck::Make(Window, mode("puck"));
    auto first = TCBigDice::Make(Window, mode("die1"));
    auto second = TCBigDice::Make(Window, mode("die2"));
    auto payoff = TCBetPayOff::Make(Window, mode("payoff"));
    TSprite* sprites[] = {puck.get(), first.get(), second.get(), payoff.get()};
    for (TSprite* sprite : sprites)
        sprite->Play(0);
    // The six is sum index 4; the dice hold 2 and 3, faces three and four.
    puck->SetPoint(4);
    first->SetFrame(2);
    second->SetFrame(3);
    payoff->LayOutPayoutChips(1, TMoney(1234.0));
    Window->FrameCount = 1;
    for (TSprite* sprite : sprites)
        sprite->Tick(1);
    Video().RenderFrame();
    App.PumpWaitingMessages();
    EXPECT_TRUE(MatchesGolden(Session.Backend().GetScreen(), "table_sprites_point_six_payout",
                              TRect{ClientOrigin(), TSize{200, 110}}));
}

} // namespace
