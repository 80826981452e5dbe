// The real program, Joe Gambler's $5 on the pass line and Roll: clicks on the field and on the
// place 5 every half second from the moment Roll is taken until the next betting opens are all
// taken once it opens, in the order made, each $5 from his bankroll.
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

} // namespace
