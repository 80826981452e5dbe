// The cash display: amounts laid out and centred, pinned parts, and a sprite short of parts.
#include "CasAmountCheck.h"

#include "casino/CasCashDisplay.h"
#include "platform/host/MessageBox.h"
#include "support/ExitTrap.h"
#include "support/Golden.h"

namespace {

using namespace boardtest;

class CashDisplay : public ObjectFileFixture {
protected:
    void SetUp() override {
        ObjectFileFixture::SetUp();
        WriteBoardArt(Cd);
    }
    std::unique_ptr<TCasCashDisplay> Display(int parts = 14) {
        const std::string name = "cash" + std::to_string(parts);
        WriteDisplayFile(&Owner, name, parts);
        return TCasCashDisplay::Make(&Owner, TFileMode(name, 0, FM_LEVEL_NOW));
    }

    TTickOwner Owner;
};

// Shifts by character count: two characters move the amount 8 pixels.
i16 CashShift(i16 count) {
    constexpr i16 shifts[14] = {48, 48, 40, 40, 32, 32, 24, 24, 16, 16, 8, 8, 0, 0};
    return shifts[count];
}

TEST_F(CashDisplay, AmountsOneAfterAnotherSpellDollarsAndStandCentred) {
    auto display = Display();
    for (const TAmountCase& c : AmountCases()) {
        SCOPED_TRACE(c.Case);
        display->SetFlags(JOF_TIMED_ON);
        display->SetAmount(TMoney(c.Amount));
        EXPECT_EQ(DrawnAmount(*display, CashShift(c.Count), c.Nudged), c.Text);
        EXPECT_FALSE(display->HasFlags(JOF_TIMED_ON)) << "redrawn on the next frame";
        // Hidden places wait on the dollar sign's frame, separators on their one frame.
        for (i16 i = 0; i < 14; ++i) {
            if (!display->GetAnm(i)->IsShown()) {
                EXPECT_EQ(display->GetAnm(i)->GetCurrentData().CurrentFrame, 0) << i;
            }
        }
    }
}

TEST_F(CashDisplay, TheSameAmountTwiceGivesTheSamePicture) {
    auto display = Display();
    display->SetAmount(TMoney(2500.0));
    display->SetAmount(TMoney(2500.0), 0);
    EXPECT_EQ(DrawnAmount(*display, 32, false), "$2,500");
}

TEST_F(CashDisplay, StartsHiddenWithEveryPartPinnedToItsFrame) {
    auto display = Display();
    EXPECT_FALSE(display->IsShown());
    EXPECT_TRUE(display->HasFlags(JOF_START_NOW | SPF_DRIVEN));
    for (i16 i = 0; i < 14; ++i) {
        SCOPED_TRACE(i);
        const TAnm& part = *display->GetAnm(i);
        EXPECT_FALSE(part.IsShown());
        EXPECT_EQ(part.GetCurrentData().Direction, ANM_HOLD);
        EXPECT_FALSE(part.GetCurrentData().Has(ANMD_RESET_RANGE));
        EXPECT_FALSE(part.GetCurrentData().Has(ANMD_LEAVE_WHEN_STOPPED));
    }
    EXPECT_EQ(display->GetPlace(0), display->GetAnm(13));
    EXPECT_EQ(display->GetPlace(10), display->GetAnm(0));
    EXPECT_EQ(display->GetSeparator(1), display->GetAnm(6));

    // Held parts keep their frames through the ticks of a running sprite.
    display->Play(0);
    display->SetAmount(TMoney(47.0));
    for (u32 tick = 1; tick < 5; ++tick) {
        Owner.Tick = tick;
        display->Tick(tick);
    }
    EXPECT_EQ(DrawnAmount(*display, 40, false), "$47");
}

TEST_F(CashDisplay, ASpriteShortOfAPartEndsTheProgramNamingIt) {
    for (int parts : {13, 10, 1}) {
        SCOPED_TRACE(parts);
        TMessageBoxRecorder boxes;
        TExitTrap trap;
        EXPECT_THROW(Display(parts), TProcessExit);
        ASSERT_EQ(boxes.Boxes.size(), 1U);
        EXPECT_EQ(boxes.Boxes[0].Caption, "Fatal Error - Anm Setup");
        EXPECT_NE(boxes.Boxes[0].Text.find("Sprite name: CasCashDisplay"), std::string::npos);
        EXPECT_NE(boxes.Boxes[0].Text.find("Description: \nParts\n Num: " + std::to_string(parts) +
                                           "\n Exiting Program"),
                  std::string::npos)
            << boxes.Boxes[0].Text;
    }
}

using CashGolden = MediaFixture;

TEST_F(CashGolden, AMillionOnTheFelt) {
    WriteBoardArt(Cd, 1);
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
