// The cash display: amounts laid out and centred, and a sprite short of parts.
#include "CasinoArt.h"

#include "casino/CasCashDisplay.h"

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

TEST_F(CashDisplay, ASpriteShortOfAPartEndsTheProgramNamingIt) {
    for (int parts : {13, 1})
        ExpectSetupReport([&] { Display(parts); }, "CasCashDisplay",
                          "\nParts\n Num: " + std::to_string(parts) + "\n");
}

using CashGolden = BoardScreen;

TEST_F(CashGolden, AMillionOnTheFelt) {
    auto display = OnFelt<TCasCashDisplay>(40, 14);
    display->SetAmount(TMoney(1000000.0), 0);
    EXPECT_TRUE(Matches({display.get()}, "casino_cash_million", 3));
}

} // namespace
