// Clicks on the spots from the moment Roll is taken until the next betting opens, driven frame
// by frame at a table without dealer skits: none moves money while it waits, each is taken in
// its order once betting opens, for the gambler who made it, and none outlives its gambler.
#include "PlacedBets.h"
#include "RoundDriver.h"

#include "craps/bets/TableClickPieces.h"
#include "craps/table/RoundStates.h"
#include "craps/table/TableRegions.h"
#include "engine/framework/Responder.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

// Rolls every die as the same face: 1 makes a hard 4, which sets the point and wins the field.
class THardFourDice : public TRandomSource {
public:
    void Seed(u32) override {}
    i32 Next() override { return 1; }
};

class RollClickHold : public CrapsTable {
protected:
    static constexpr i16 Field = table_spot::Field;
    static constexpr i16 PlaceFive = table_spot::FirstBuy + 1;

    void Open(double joe = 1000.0, double ann = 1000.0) {
        MakeCrapsTable(joe, ann, 1000.0);
        Lord().SetMoneyLedger(&Ledger);
        ASSERT_TRUE(RunUntil([&] { return Running<TCAct1State>() != nullptr; }));
        for (int i = 0; i < 3; ++i)
            Frame();
    }
    // A frame as the mode window runs it: the round states, then the lord's tick, which hands
    // on what the table held.
    void Frame() {
        Step();
        Lord().Tick(CrapsWindow->Tick);
    }
    template <class Pred> bool FramesUntil(Pred done, int limit = 400) {
        for (int i = 0; i < limit && !done(); ++i)
            Frame();
        return done();
    }
    // A click at the middle of the spot's region, as the mouse would make it.
    void Click(i16 spot) {
        const TRect& r = table_region::Regions[static_cast<size_t>(spot)].Rect;
        const TPoint middle{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        Lord().GetClickRegion(spot)->Fire(JEK_LBUTTONUP, 0, middle);
    }
    // A click on the seat strip, which hands the turn to the next gambler.
    void ClickSeats() { Click(static_cast<i16>(table_region::SeatAreaSlot)); }
    void Bet(i16 spot) {
        Lord().AddToBetInHand(TMoney(5.0));
        Lord().PlaceBet(spot);
    }
    bool Waiting() { return Lord().GetRoundState()->ClicksWait(); }
    // Roll pressed; the frames until the betting state has taken it.
    bool TakeRoll() {
        Lord().ButtonFlags[TCasinoCGameLord::RollButton] = 1;
        return FramesUntil([&] { return Waiting(); }, 20);
    }
    bool NextBetting(u32 after) {
        return FramesUntil([&] {
            const auto* betting = Running<TCAct1State>();
            return betting != nullptr && betting->GetSerial() > after;
        });
    }
    u32 Serial() { return Lord().GetRoundState()->Innermost().GetSerial(); }

    THardFourDice Dice;
    TScopedRandomSource Installed{Dice};
    TPlacedBets Ledger;
};

TEST_F(RollClickHold, ClicksFromRollToTheNextBettingWaitThenGoDownInTheirOrder) {
    Open();
    ASSERT_FALSE(HasFatalFailure());
    Bet(table_spot::PassLine);
    Bet(Field);
    Ledger.Bets.clear();
    const u32 betting = Serial();
    ASSERT_TRUE(TakeRoll());
    std::vector<i16> clicked;
    std::set<std::string> heldIn;
    while (!(Running<TCAct1State>() != nullptr && Serial() > betting)) {
        ASSERT_LT(clicked.size(), 30u) << "the roll never ended";
        const TState* state = Innermost();
        heldIn.insert(dynamic_cast<const TCPayOutState*>(state) != nullptr ? "pay-out"
                      : dynamic_cast<const TCAct2State*>(state) != nullptr ? "resolution"
                                                                           : "roll");
        const i16 spot = clicked.size() % 2 == 0 ? PlaceFive : Field;
        Click(spot);
        clicked.push_back(spot);
        Frame();
        ASSERT_TRUE(Ledger.Bets.empty()) << "a held click moved money";
    }
    EXPECT_EQ(heldIn, (std::set<std::string>{"roll", "resolution", "pay-out"}));
    EXPECT_EQ(Lord().GetPoint(), 2) << "the hard 4 is the point";
    const double bankroll = Lord().GetBankroll(0).GetValue();
    ASSERT_TRUE(FramesUntil([&] { return Ledger.Bets.size() >= clicked.size(); }));
    for (int i = 0; i < 5; ++i)
        Frame();
    std::vector<TPlacedBets::TBet> expected;
    for (const i16 spot : clicked)
        expected.push_back({spot, 0, 5.0});
    EXPECT_EQ(Ledger.Bets, expected) << "each click once, in the order made";
    const auto placed = static_cast<double>(clicked.size());
    EXPECT_DOUBLE_EQ(Lord().GetBankroll(0).GetValue(), bankroll - 5.0 * placed);
    EXPECT_EQ(Spot(Field).GetAmount(0) + Spot(PlaceFive).GetAmount(0), TMoney(5.0 * placed));
}

// A new shooter takes the turn at the round's start: the click made in Joe's turn stays his.
TEST_F(RollClickHold, AClickWhoseTurnTheTableMovedOnIsTakenForItsGambler) {
    Open();
    ASSERT_FALSE(HasFatalFailure());
    Bet(table_spot::PassLine);
    Ledger.Bets.clear();
    const u32 betting = Serial();
    const TMoney ann = Lord().GetBankroll(1);
    ASSERT_TRUE(TakeRoll());
    ASSERT_TRUE(FramesUntil([&] { return Running<TCAct2State>() != nullptr; }));
    Click(Field);
    Lord().ShooterSeat = 1;
    // The round starts in the new shooter's turn, before the lord hands on what it held.
    bool started = false;
    for (int i = 0; i < 400 && !started; ++i) {
        Step();
        const auto* next = Running<TCAct1State>();
        started = next != nullptr && next->GetSerial() > betting;
        if (!started)
            Lord().Tick(CrapsWindow->Tick);
    }
    ASSERT_TRUE(started);
    EXPECT_EQ(Lord().GetCurrentSeat(), 1);
    Lord().Tick(CrapsWindow->Tick);
    ASSERT_TRUE(FramesUntil([&] { return !Ledger.Bets.empty(); }));
    EXPECT_EQ(Ledger.Bets.back(), (TPlacedBets::TBet{Field, 0, 5.0}));
    EXPECT_EQ(Lord().GetCurrentSeat(), 0);
    EXPECT_FALSE(Spot(Field).HasAmount(1));
    EXPECT_EQ(Lord().GetBankroll(1), ann);
}

// The held seat click hands the turn to Ann before her held field click is taken; a click
// made in the frames between is made after both, and goes down after them, for her.
TEST_F(RollClickHold, AClickMadeWhileHeldOnesAreHandedOnGoesDownAfterThem) {
    Open();
    ASSERT_FALSE(HasFatalFailure());
    Bet(table_spot::PassLine);
    Ledger.Bets.clear();
    ASSERT_TRUE(TakeRoll());
    ClickSeats();
    Click(Field);
    ASSERT_TRUE(FramesUntil([&] { return Lord().GetCurrentSeat() == 1; }));
    ASSERT_FALSE(Lord().HeldClicks.IsEmpty()) << "the field click is still held";
    Click(PlaceFive);
    ASSERT_TRUE(FramesUntil([&] { return Ledger.Bets.size() >= 2; }));
    for (int i = 0; i < 5; ++i)
        Frame();
    const std::vector<TPlacedBets::TBet> expected = {{Field, 1, 5.0}, {PlaceFive, 1, 5.0}};
    EXPECT_EQ(Ledger.Bets, expected);
}

// Joe's $15 covers the pass line and two field bets: the third held click finds him out of
// cash and is told so once; the two behind it, made before he could see the box, go quietly.
TEST_F(RollClickHold, HeldClicksThatMeetARefusalAlreadyToldGoWithoutABox) {
    Open(15.0);
    ASSERT_FALSE(HasFatalFailure());
    Bet(table_spot::PassLine);
    const u32 betting = Serial();
    ASSERT_TRUE(TakeRoll());
    for (int i = 0; i < 5; ++i)
        Click(Field);
    ASSERT_TRUE(NextBetting(betting));
    ASSERT_TRUE(FramesUntil([&] { return Lord().HeldClicks.IsEmpty(); }));
    for (int i = 0; i < 5; ++i)
        Frame();
    ASSERT_EQ(Boxes.Boxes.size(), 1u);
    EXPECT_EQ(Boxes.Boxes[0].Caption, "Out of Cash");
    EXPECT_EQ(Spot(Field).GetAmount(0), TMoney(10.0));
    EXPECT_EQ(Lord().GetBankroll(0), TMoney());
}

TEST_F(RollClickHold, AClickWhoseGamblerLeftGoesDownForNobody) {
    Open();
    ASSERT_FALSE(HasFatalFailure());
    Bet(table_spot::PassLine);
    Lord().RefreshSeat(1);
    Bet(table_spot::PassLine);
    Lord().RefreshSeat(0);
    Ledger.Bets.clear();
    const u32 betting = Serial();
    const TMoney ann = Lord().GetBankroll(1);
    ASSERT_TRUE(TakeRoll());
    Click(Field);
    ASSERT_TRUE(Mgr->DeactivatePlayer(0)) << "gamblers may still get up before the pick-up";
    ASSERT_TRUE(NextBetting(betting));
    for (int i = 0; i < 10; ++i)
        Frame();
    EXPECT_TRUE(Ledger.Bets.empty());
    EXPECT_EQ(Lord().GetBankroll(1), ann);
    for (i16 seat = 0; seat < 3; ++seat)
        EXPECT_FALSE(Spot(Field).HasAmount(seat)) << seat;
}

// Joe's last bet is $25, Ann's $5: the held seat click hands Ann the turn before the held field
// click is taken, and she bets her own last bet with it, not the hand Joe saw.
TEST_F(RollClickHold, AClickTakenAfterAHeldSeatChangeBetsTheNewGamblersOwnLastBet) {
    Open();
    ASSERT_FALSE(HasFatalFailure());
    // A seat's turn puts its last bet in the hand.
    Lord().RefreshSeat(1);
    Lord().ClearBetInHand();
    Bet(table_spot::PassLine);
    Lord().RefreshSeat(0);
    Lord().ClearBetInHand();
    Lord().AddToBetInHand(TMoney(25.0));
    Lord().PlaceBet(table_spot::PassLine);
    ASSERT_EQ(Spot(table_spot::PassLine).GetAmount(0), TMoney(25.0));
    Ledger.Bets.clear();
    const u32 betting = Serial();
    ASSERT_TRUE(TakeRoll());
    ClickSeats();
    Click(Field);
    ASSERT_TRUE(NextBetting(betting));
    ASSERT_TRUE(FramesUntil([&] { return Lord().HeldClicks.IsEmpty(); }));
    for (int i = 0; i < 5; ++i)
        Frame();
    const std::vector<TPlacedBets::TBet> expected = {{Field, 1, 5.0}};
    EXPECT_EQ(Ledger.Bets, expected);
}

// Joe's $12 less the pass line's $5 leaves $7: the first held field click bets the $5 he saw,
// the second the $2 left, as two live clicks would.
TEST_F(RollClickHold, HeldClicksBetWhatIsLeftOfTheBankrollOnceTheHandSeenNoLongerFits) {
    Open(12.0);
    ASSERT_FALSE(HasFatalFailure());
    Bet(table_spot::PassLine);
    const u32 betting = Serial();
    ASSERT_TRUE(TakeRoll());
    Click(Field);
    Click(Field);
    ASSERT_TRUE(NextBetting(betting));
    ASSERT_TRUE(FramesUntil([&] { return Lord().HeldClicks.IsEmpty(); }));
    for (int i = 0; i < 5; ++i)
        Frame();
    EXPECT_EQ(Spot(Field).GetAmount(0), TMoney(7.0));
    EXPECT_EQ(Lord().GetBankroll(0), TMoney());
}

// Joe's $12 less the pass line's $5 leaves $7, and he holds a $5 chip: the held field clicks
// bet $5, then the $2 left, and the third finds him out of cash, as three live clicks would,
// rather than putting down the $5 he saw as a bet of nothing.
TEST_F(RollClickHold, AHeldClickWhoseHandSeenTheBankrollNoLongerHoldsIsRefused) {
    Open(12.0);
    ASSERT_FALSE(HasFatalFailure());
    Bet(table_spot::PassLine);
    Lord().AddToBetInHand(TMoney(5.0));
    Boxes.Boxes.clear();
    Ledger.Bets.clear();
    const u32 betting = Serial();
    ASSERT_TRUE(TakeRoll());
    for (int i = 0; i < 3; ++i)
        Click(Field);
    ASSERT_TRUE(NextBetting(betting));
    ASSERT_TRUE(FramesUntil([&] { return Lord().HeldClicks.IsEmpty(); }));
    for (int i = 0; i < 5; ++i)
        Frame();
    // A click refused for want of cash still reaches the spot with an empty hand, held or
    // live; only the money moved is asked here.
    std::vector<TPlacedBets::TBet> placed;
    for (const auto& bet : Ledger.Bets)
        if (bet.Amount != 0.0)
            placed.push_back(bet);
    const std::vector<TPlacedBets::TBet> expected = {{Field, 0, 5.0}, {Field, 0, 2.0}};
    EXPECT_EQ(placed, expected);
    ASSERT_EQ(Boxes.Boxes.size(), 1u);
    EXPECT_EQ(Boxes.Boxes[0].Caption, "Out of Cash");
    EXPECT_EQ(Spot(Field).GetAmount(0), TMoney(7.0));
}

// Ann sits with nothing and clicks the field once while each of two rolls is thrown: the
// second roll's click starts a run of its own, so she is told again.
TEST_F(RollClickHold, EachRunOfHeldClicksTellsItsRefusalAgain) {
    Open(1000.0, 0.0);
    ASSERT_FALSE(HasFatalFailure());
    Bet(table_spot::PassLine);
    Boxes.Boxes.clear();
    for (int roll = 0; roll < 2; ++roll) {
        Lord().RefreshSeat(1);
        const u32 betting = Serial();
        ASSERT_TRUE(TakeRoll()) << roll;
        Click(Field);
        ASSERT_TRUE(NextBetting(betting)) << roll;
        ASSERT_TRUE(FramesUntil([&] { return Lord().HeldClicks.IsEmpty(); })) << roll;
        for (int i = 0; i < 5; ++i)
            Frame();
    }
    std::vector<std::string> captions;
    for (const auto& box : Boxes.Boxes)
        captions.push_back(box.Caption);
    EXPECT_EQ(captions, (std::vector<std::string>{"Bankrupt!", "Bankrupt!"}));
    EXPECT_FALSE(Spot(Field).HasAmount(1));
}

// Joe runs out of cash on his second held field click; after the held seat click the last one
// is taken for Ann, who sits with nothing: each gambler's first refusal of the run is told.
TEST_F(RollClickHold, EachGamblersFirstRefusalInARunOfHeldClicksIsTold) {
    Open(10.0, 0.0);
    ASSERT_FALSE(HasFatalFailure());
    Bet(table_spot::PassLine);
    Boxes.Boxes.clear();
    const u32 betting = Serial();
    ASSERT_TRUE(TakeRoll());
    Click(Field);
    Click(Field);
    ClickSeats();
    Click(Field);
    ASSERT_TRUE(NextBetting(betting));
    ASSERT_TRUE(FramesUntil([&] { return Lord().HeldClicks.IsEmpty(); }));
    for (int i = 0; i < 5; ++i)
        Frame();
    std::vector<std::string> captions;
    for (const auto& box : Boxes.Boxes)
        captions.push_back(box.Caption);
    EXPECT_EQ(captions, (std::vector<std::string>{"Out of Cash", "Bankrupt!"}));
    EXPECT_EQ(Lord().GetCurrentSeat(), 1);
}

} // namespace
