// The cash display: amounts laid out and centred, held through ticks, and a sprite short of parts.
#include "CasBoardSprites.h"

#include "casino/CasCashDisplay.h"
#include "support/Golden.h"

namespace {

using namespace boardtest;

class CashDisplay : public ObjectFileFixture {
protected:
    std::unique_ptr<TCasCashDisplay> Display(int parts = 14) {
        WriteBoardArt(Cd);
        const std::string name = "cash" + std::to_string(parts);
        WriteDisplayFile(&Owner, name, parts);
        return TCasCashDisplay::Make(&Owner, TFileMode(name, 0, FM_LEVEL_NOW));
    }

    TTickOwner Owner;
};

TEST_F(CashDisplay, AmountsSpellDollarsMovedLeft8PixelsForEveryTwoCharactersShort) {
    auto display = Display();
    EXPECT_FALSE(display->IsShown());
    for (const TAmountCase& c : AmountCases()) {
        SCOPED_TRACE(c.Text);
        display->SetFlags(JOF_TIMED_ON);
        display->SetAmount(TMoney(c.Amount), 0);
        EXPECT_EQ(DrawnAmount(*display, static_cast<i16>(8 * (6 - c.Count / 2)), c.Nudged), c.Text);
        EXPECT_FALSE(display->HasFlags(JOF_TIMED_ON)) << "redrawn on the next frame";
    }
}

TEST_F(CashDisplay, ARunningDisplayHoldsItsDigitsThroughTheTicks) {
    auto display = Display();
    display->Play(0);
    display->SetAmount(TMoney(47.0));
    for (u32 tick = 1; tick < 5; ++tick) {
        Owner.Tick = tick;
        display->Tick(tick);
        display->PostTick(tick);
    }
    EXPECT_EQ(DrawnAmount(*display, 40, false), "$47");
}

TEST_F(CashDisplay, ASpriteShortOfAPartEndsTheProgramNamingIt) {
    for (int parts : {13, 1})
        ExpectPartsReport([&] { Display(parts); }, "CasCashDisplay", parts);
}

using CashGolden = MediaFixture;

TEST_F(CashGolden, AMillionOnTheFelt) {
    WriteBoardArt(Cd);
    WritePal("board", BoardColours());
    WriteBmp("felt", 188, 40, std::vector<u8>(188 * 40, FeltIndex), BoardColours());
    WriteDisplayFile(Window, "cash", 14);
    MakeScreen(LoadBmp("felt"), LoadPal("board"));
    auto display = TCasCashDisplay::Make(Window, TFileMode("cash", 0, FM_LEVEL_NOW));
    display->Play(0);
    display->SetAmount(TMoney(1000000.0), 0);

    Window->FrameCount = 1;
    display->Tick(1);
    Video().RenderFrame();
    App.PumpWaitingMessages();
    EXPECT_TRUE(MatchesGolden(Session.Backend().GetScreen(), "casino_cash_million",
                              TRect{ClientOrigin(), TSize{188, 40}}));
}

} // namespace
