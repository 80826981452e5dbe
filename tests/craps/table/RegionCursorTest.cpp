// The table cursor a seated gambler sees over the spots and the layout, by what he holds, what
// he has down and whether he is betting or taking down; and the Roll button with money down.
#include "RegionSupport.h"
#include "RoundDriver.h"

#include "casino/CasButton.h"
#include "engine/media/CursorMgr.h"
#include "engine/media/MediaServices.h"
#include "platform/headless/HeadlessBackend.h"

namespace {

constexpr u32 Unchanged = 99;

class RegionCursor : public CrapsTable {
protected:
    void SetUp() override {
        CrapsTable::SetUp();
        MakeCrapsTable(100, 100, 100);
        Services.SetCursorMgr(&Cursors);
        Before = TEngineContext::Media;
        TEngineContext::Media = &Services;
        Lord().SetRoundInput(&Rounds);
        Lord().CurrentSeat = 0;
        Lord().BettingOpen = 1;
    }
    void TearDown() override {
        TEngineContext::Media = Before;
        CrapsTable::TearDown();
    }
    // The cursor after the mouse enters the region of the slot at the point; Unchanged when
    // the hover left it alone.
    u32 CursorOnEntering(i16 slot, int x, int y) {
        Cursors.SetCursorData(CURSOR_SLOT_REGION, TCursorData(nullptr, Unchanged), false);
        Lord().GetClickRegion(slot)->Fire(JEK_HOVER_ENTER, 0, TPoint{x, y});
        return Cursors.GetSlot(CURSOR_SLOT_REGION).Id;
    }

    THeadlessSession Session;
    TMediaServices Services;
    TCursorMgr Cursors{nullptr};
    TEngineMedia* Before = nullptr;
    TRecordedRounds Rounds;
};

TEST_F(RegionCursor, TheCursorSaysWhetherChipsGoDownOrComeBackHere) {
    struct TCase {
        const char* What;
        u8 Placing;
        double Hand;
        double LastBet;
        i16 Point; // -1 coming out
        i16 Slot;
        u32 Cursor;
    };
    // The gambler has $5 on the field; slot 0 is the pass line, 4 the field, 51 the layout.
    const TCase cases[] = {
        {"chips in hand over an open pass line", 1, 5, 5, -1, 0, 1},
        {"chips in hand, pass line closed by the point", 1, 5, 5, 4, 0, 2},
        {"empty hand, last bet covered", 1, 0, 5, -1, 0, 1},
        {"cents in hand count as chips", 1, 0.4, 0, -1, 0, 1},
        {"empty hand, last bet above the bankroll", 1, 0, 500, -1, 0, Unchanged},
        {"empty hand, no last bet", 1, 0, 0, -1, 0, Unchanged},
        {"taking down his own field bet", 0, 0, 5, -1, 4, 3},
        {"taking down where he has nothing", 0, 0, 5, -1, 0, 4},
        {"taking down with nothing at all", 0, 0, 0, -1, 0, 4},
        {"the layout while betting", 1, 0, 5, -1, 51, 2},
        {"the layout with nothing to bet", 1, 0, 0, -1, 51, Unchanged},
        {"the layout while taking down", 0, 0, 0, -1, 51, 4},
    };
    Lord().AddToBetInHand(TMoney(5.0));
    ASSERT_EQ(Lord().PlaceBet(4), 1);
    for (const TCase& c : cases) {
        Lord().PlacingBets = c.Placing;
        Lord().BetInHand = TMoney(c.Hand);
        Seat(0).LastBet = TMoney(c.LastBet);
        Lord().Point = c.Point;
        Lord().ComeOutFlag = c.Point == -1 ? 1 : 0;
        EXPECT_EQ(CursorOnEntering(c.Slot, 1, 211), c.Cursor) << c.What;
    }
}

TEST_F(RegionCursor, WithBettingClosedOnlyTheLayoutTouchesTheCursor) {
    Seat(0).LastBet = TMoney(5.0);
    Lord().BettingOpen = 0;
    Lord().PlacingBets = 1;
    EXPECT_EQ(CursorOnEntering(0, 300, 400), Unchanged);
    Lord().GetClickRegion(0)->Fire(JEK_HOVER_LEAVE, 0, TPoint{0, 0});
    EXPECT_EQ(Cursors.GetSlot(CURSOR_SLOT_REGION).Id, Unchanged);
    EXPECT_EQ(CursorOnEntering(51, 100, 250), Unchanged);
    Lord().GetClickRegion(51)->Fire(JEK_HOVER_LEAVE, 0, TPoint{0, 0});
    EXPECT_FALSE(Cursors.GetSlot(CURSOR_SLOT_REGION).IsSet());
}

TEST_F(RegionCursor, RollIsFlaggedByItsPressOnlyWithMoneyDownAndBrokeGamblersAreTold) {
    TMessageBoxRecorder boxes;
    Lord().EvButton(12, TCasButton::CodePress, 0);
    EXPECT_EQ(Lord().GetButtonFlag(12), 0);
    Lord().AddToBetInHand(TMoney(100.0));
    ASSERT_EQ(Lord().PlaceBet(0), 1);
    Lord().EvButton(12, TCasButton::CodePress, 0);
    EXPECT_EQ(Lord().GetButtonFlag(12), 1);
    // Cents left are no money to bet with: the gambler with a bet down still hopes.
    Lord().SetBankroll(0, TMoney(0.40));
    Lord().EvButton(12, TCasButton::CodeDisabled, 0);
    ASSERT_EQ(boxes.Boxes.size(), 1U);
    EXPECT_EQ(boxes.Boxes[0].Caption, "Out of Cash");
    Lord().SetBankroll(0, TMoney(1.0));
    Lord().EvButton(12, TCasButton::CodeDisabled, 0);
    EXPECT_EQ(boxes.Boxes.size(), 1U);
}

} // namespace
