// The real program, a bet on the pass line and Roll: clicks on the spots from the moment Roll
// is taken until the next betting opens are all taken once it opens, in the order made, each
// with the hand Joe Gambler saw when he clicked.
#include "PlacedBets.h"
#include "PlayedTable.h"

namespace {

class HeldClickProgram : public PlayedTable {
protected:
    static constexpr i16 Field = table_spot::Field;
    static constexpr i16 PlaceFive = table_spot::FirstBuy + 1;
    static constexpr u64 ClickEveryMs = 500;

    HeldClickProgram() { Build(); }
    static bool ClicksWait() { return Lord()->GetRoundState()->ClicksWait(); }
    static u32 BettingSerial() {
        const auto* betting = dynamic_cast<const TCAct1State*>(Innermost());
        return betting != nullptr ? betting->GetSerial() : 0;
    }

    TSteps Script() {
        TSteps s = PastTheIntro();
        Append(s, ClickSpot(table_spot::PassLine));
        s.push_back(Do([this] {
            Lord()->SetMoneyLedger(&Placed);
            BankrollAtRoll = Lord()->GetBankroll(0);
            RolledFrom = BettingSerial();
            for (const TTableButton& b : TableButtons())
                if (b.Number == static_cast<u16>(table_button::Roll))
                    Session.Backend().Click(
                        OnMode((b.Box.L + b.Box.R) / 2, (b.Box.T + b.Box.B) / 2));
        }));
        s.push_back(Until([] { return ClicksWait(); }, "the roll to be taken", 5'000));
        // Every half second until a later betting state takes clicks again.
        s.push_back([this, next = u64{0}]() mutable {
            if (BettingSerial() > RolledFrom && !ClicksWait())
                return true;
            if (!Placed.Bets.empty())
                MovedWhileHeld = true;
            if (Now() >= next) {
                const i16 spot = Clicked.size() % 2 == 0 ? PlaceFive : Field;
                const TPoint p = SpotPoint(spot);
                Session.Backend().Click(OnMode(p.x, p.y));
                Clicked.push_back(spot);
                next = Now() + ClickEveryMs;
            }
            if (Now() > 60'000) {
                ADD_FAILURE() << "betting never opened again";
                Stop();
            }
            return false;
        });
        s.push_back(Until([this] { return Placed.Bets.size() >= Clicked.size(); },
                          "the held clicks to be taken", 5'000));
        s.push_back(Do([this] {
            Bankroll = Lord()->GetBankroll(0);
            ComeOut = Lord()->GetComeOutFlag();
            Stopped = true;
            CloseAt(Now());
        }));
        return s;
    }

    TPlacedBets Placed;
    std::vector<i16> Clicked;
    bool MovedWhileHeld = false;
    TMoney BankrollAtRoll;
    TMoney Bankroll;
    u32 RolledFrom = 0;
    u8 ComeOut = 1;
};

TEST_F(HeldClickProgram, ClicksWhileTheRollSettlesAreEachTakenInOrderWhenBettingOpens) {
    // The first roll of this seed makes a point, so the pass line neither pays nor loses.
    TPinnedSeed dice(3);
    TScopedRandomSource installed(dice);
    PlanOnce([this] { return Script(); });
    EXPECT_EQ(Play(90'000), 0);
    for (const auto& box : Boxes.Boxes)
        ADD_FAILURE() << box.Caption << ": " << box.Text;
    ASSERT_EQ(ComeOut, 0) << "the seed's first roll no longer makes a point";
    // The roll takes seconds of dealer skits: a click lands in each of its steps.
    ASSERT_GE(Clicked.size(), 6u);
    EXPECT_FALSE(MovedWhileHeld) << "a click went down while the roll settled";
    EXPECT_EQ(Placed.Spots(), Clicked);
    EXPECT_EQ(Bankroll, BankrollAtRoll - TMoney(5.0 * static_cast<double>(Clicked.size())));
}

// $100 on the pass line, then the $5 chip: the hand shows $5 when Roll is pressed and the
// field clicked, though the round's start shows the $100 last bet by the time it is taken.
TEST_F(HeldClickProgram, AHeldClickBetsTheHandSeenWhenItWasMade) {
    bool heldAtClick = false;
    TMoney handAtRoll;
    PlanOnce([&] {
        TSteps s = PastTheIntro();
        Append(s, Chip(3));
        Append(s, ClickSpot(table_spot::PassLine));
        Append(s, Chip(1));
        s.push_back(Do([&] {
            Lord()->SetMoneyLedger(&Placed);
            handAtRoll = Lord()->GetBetInHand();
            RolledFrom = BettingSerial();
        }));
        Append(s, PressButton(table_button::Roll));
        s.push_back(Until([] { return ClicksWait(); }, "the roll to be taken", 5'000));
        Append(s, ClickSpot(Field));
        s.push_back(Do([&] { heldAtClick = ClicksWait() && Placed.Bets.empty(); }));
        s.push_back(Until([&] { return BettingSerial() > RolledFrom && !Placed.Bets.empty(); },
                          "the held click to be taken", 60'000));
        s.push_back(Do([this] {
            Stopped = true;
            CloseAt(Now());
        }));
        return s;
    });
    EXPECT_EQ(Play(90'000), 0);
    for (const auto& box : Boxes.Boxes)
        ADD_FAILURE() << box.Caption << ": " << box.Text;
    ASSERT_EQ(handAtRoll, TMoney(5.0));
    ASSERT_TRUE(heldAtClick) << "the roll was over before the field was clicked";
    const std::vector<TPlacedBets::TBet> expected = {{Field, 0, 5.0}};
    EXPECT_EQ(Placed.Bets, expected);
}

} // namespace
