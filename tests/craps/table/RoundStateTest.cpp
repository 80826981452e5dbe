// The round's states driven frame by frame on a fake clock at a table without dealer skits
// (every skit ends at once): rounds, take-downs, shakes, money and pay order.
#include "RoundDriver.h"

#include "casino/CasButton.h"
#include "craps/table/RoundStates.h"
#include "engine/framework/Responder.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

// The house's side of every movement, and the order in which winners were paid.
class THouse : public TMoneyLedger {
public:
    void Lost(i16, i16, TMoney amount) override { House += amount.GetValue(); }
    void Forfeited(i16, i16, TMoney amount) override { House += amount.GetValue(); }
    void Paid(i16 spot, i16 seat, TMoney, TMoney win) override {
        House -= win.GetValue();
        PaidOrder.emplace_back(seat, spot);
    }
    void OddsReturned(i16, i16, TMoney) override {}
    void Travelled(i16, i16, TMoney) override {}
    void Placed(i16, i16, TMoney, TMoney) override {}
    void TookDown(i16, i16, TMoney) override {}

    double House = 0.0;
    std::vector<std::pair<i16, i16>> PaidOrder;
};

class RoundStates : public CrapsTable {
protected:
    void Open(double joe = 3000.0, double ann = 120.5, double bob = 40.0) {
        MakeCrapsTable(joe, ann, bob);
        Lord().SetMoneyLedger(&Ledger);
        Start = TableMoney();
        ASSERT_TRUE(RunUntilBetting());
    }
    void Frame() {
        const u32 tick = ++CrapsWindow->Tick;
        Lord().RunState();
        Lord().StateUpdate(tick);
    }
    TState* Innermost() {
        TState* state = Lord().GetRoundState();
        while (state != nullptr && state->GetSubState() != nullptr)
            state = state->GetSubState();
        return state;
    }
    template <class T> T* Running() { return dynamic_cast<T*>(Innermost()); }
    template <class Pred> bool RunUntil(Pred done, int limit = 200) {
        for (int i = 0; i < limit; ++i) {
            if (done())
                return true;
            Frame();
        }
        return done();
    }
    bool RunUntilBetting() {
        return RunUntil([&] { return Running<TCAct1State>() != nullptr; });
    }
    // Roll pressed and released; true once the next betting state has begun.
    bool Roll() {
        Lord().ButtonFlags[TCasinoCGameLord::RollButton] = 1;
        return RunUntil([&] { return Running<TCAct2State>() != nullptr; }) && RunUntilBetting();
    }
    double TableMoney() {
        double total = Ledger.House;
        for (i16 seat = 0; seat < 3; ++seat)
            total += Lord().GetBankroll(seat).GetValue();
        for (const auto& spot : Spots)
            for (i16 seat = 0; seat < 3; ++seat)
                total += spot->GetAmount(seat).GetValue() + spot->GetOddsAmount(seat).GetValue();
        return total;
    }
    void Bet(i16 spot, double amount) {
        Lord().AddToBetInHand(TMoney(amount));
        Lord().PlaceBet(spot);
    }
    void Tap(i16 spot, JorpEventKind kind) {
        Region.Fire(kind, 0, TPoint{});
        Lord().GetRoundState()->DispatchSpot(Region, static_cast<u16>(spot));
    }

    THouse Ledger;
    double Start = 0.0;
    TResponder Region{nullptr};
};

TEST_F(RoundStates, RootRunsSessionStartOnceThenBettingAndResolutionEveryRoll) {
    Open();
    ASSERT_FALSE(HasFatalFailure());
    const u32 first = Running<TCAct1State>()->GetSerial();
    EXPECT_EQ(first, 3u) << "the root, the session start, then the first betting state";
    Bet(0, 5.0);
    Lord().ButtonFlags[TCasinoCGameLord::RollButton] = 1;
    bool resolved = RunUntil([&] { return Running<TCAct2State>() != nullptr; });
    EXPECT_TRUE(resolved);
    ASSERT_TRUE(RunUntilBetting());
    EXPECT_GT(Running<TCAct1State>()->GetSerial(), first) << "a new betting state for the roll";
    EXPECT_EQ(Lord().RollCount, 1);
}

// Bets came down between the press and its handling: the roll must not be lost for the
// round, the next press with a bet rolls.
TEST_F(RoundStates, RollWithNoBetLeftReopensBettingAndTheNextRollRolls) {
    Open();
    ASSERT_FALSE(HasFatalFailure());
    Bet(0, 5.0);
    ASSERT_TRUE(RunUntil([&] { return Running<TCAct1State>()->GetGiveDiceDone() != 0; }));
    Lord().TakeDownBet(0);
    ASSERT_FALSE(Lord().TableHasAnyBet());
    Lord().ButtonFlags[TCasinoCGameLord::RollButton] = 1;
    for (int i = 0; i < 5; ++i)
        Frame();
    ASSERT_NE(Running<TCAct1State>(), nullptr);
    EXPECT_EQ(Running<TCAct1State>()->GetRollBegun(), 0);
    EXPECT_EQ(Lord().RollCount, 0);
    EXPECT_EQ(Lord().GetPoint(), -1);
    Bet(0, 5.0);
    EXPECT_TRUE(Roll());
    EXPECT_EQ(Lord().RollCount, 1);
}

struct TTakeDownCase {
    const char* Name;
    std::vector<i16> Bets;
    JorpEventKind Kind;
    bool EndsByItself;
};

class RoundTakeDown : public RoundStates, public ::testing::WithParamInterface<TTakeDownCase> {};

TEST_P(RoundTakeDown, EndsAFrameAfterTheSeatsLastBetOnlyThen) {
    const TTakeDownCase& c = GetParam();
    Open();
    ASSERT_FALSE(HasFatalFailure());
    const double bankroll = Lord().GetBankroll(Lord().GetCurrentSeat()).GetValue();
    for (i16 spot : c.Bets)
        Bet(spot, 5.0);
    Lord().ButtonFlags[TCasinoCGameLord::TakeDownButton] = 1;
    ASSERT_TRUE(RunUntil([&] { return Running<TCRemoveState>() != nullptr; }, 3));
    Tap(c.Bets[0], JEK_LBUTTONDOWN);
    Tap(c.Bets[0], c.Kind);
    EXPECT_FALSE(Spot(c.Bets[0]).HasAmount(Lord().GetCurrentSeat()));
    Frame();
    Frame();
    Frame();
    EXPECT_EQ(Running<TCRemoveState>() == nullptr, c.EndsByItself);
    if (!c.EndsByItself) {
        Lord().ButtonFlags[TCasinoCGameLord::TakeDownButton] = 1;
        Frame();
        Frame();
        EXPECT_EQ(Running<TCRemoveState>(), nullptr);
    }
    EXPECT_NE(Running<TCAct1State>(), nullptr);
    const double left = 5.0 * static_cast<double>(c.Bets.size() - 1);
    EXPECT_DOUBLE_EQ(Lord().GetBankroll(Lord().GetCurrentSeat()).GetValue(), bankroll - left);
}

INSTANTIATE_TEST_SUITE_P(Cases, RoundTakeDown,
                         ::testing::Values(TTakeDownCase{"LastBetClick", {4}, JEK_LBUTTONUP, true},
                                           TTakeDownCase{"LastBetHotKey", {4}, JEK_HOTKEY, true},
                                           TTakeDownCase{"OneOfTwo", {4, 9}, JEK_LBUTTONUP, false}),
                         [](const auto& info) { return std::string(info.param.Name); });

class RoundShake : public RoundStates, public ::testing::WithParamInterface<int> {};

TEST_P(RoundShake, HoldingRollKeepsTheDealerShakingUntilReleased) {
    const int held = GetParam();
    Open();
    ASSERT_FALSE(HasFatalFailure());
    Bet(0, 5.0);
    Lord().LastButtonCode = TCasButton::CodePress;
    Lord().ButtonFlags[TCasinoCGameLord::RollButton] = 1;
    ASSERT_TRUE(RunUntil([&] { return Lord().ShakeCount != 0; }));
    for (int f = 0; f < held; ++f)
        Frame();
    Lord().LastButtonCode = TCasButton::CodeLeftRelease;
    const u16 shakes = Lord().ShakeCount;
    EXPECT_EQ(shakes, 2 + held) << "one more shake every frame the button is held";
    ASSERT_TRUE(RunUntil([&] { return Running<TCAct2State>() != nullptr; }, 10));
    EXPECT_EQ(Lord().ShakeCount, shakes);
}

INSTANTIATE_TEST_SUITE_P(Frames, RoundShake, ::testing::Values(0, 1, 4));

// Every skit ends at once here, so every step tied to a tick inside a skit must still fire:
// one-roll bets are always settled, money never appears or vanishes, and winners are paid
// seat 2, 1, 0 and within a seat in table order.
TEST_F(RoundStates, ThreeHundredRoundsKeepEveryCentAndSettleEveryOneRollBet) {
    // Deep enough pockets that the seeded bets never leave the table without a bet.
    Open(5000000.0, 2000000.0, 1000000.0);
    ASSERT_FALSE(HasFatalFailure());
    TLcgRandom dice;
    dice.Seed(77);
    TScopedRandomSource installed(dice);
    TLcgRandom bets;
    bets.Seed(1234);
    const auto check = [&](const char* what) {
        ASSERT_NEAR(TableMoney(), Start, 0.005) << what << " at roll " << Lord().RollCount;
    };
    int paid = 0;
    int lostRounds = 0;
    for (int round = 0; round < 300 && !HasFatalFailure(); ++round) {
        for (int turn = 0; turn < 3; ++turn) {
            PlaceSeededBets(Lord(), bets, check);
            Lord().RefreshNextSeat();
        }
        // A gambler gone broke bets nothing: the next seat covers the roll.
        for (int seat = 0; seat < 3 && !Lord().TableHasAnyBet(); ++seat) {
            Lord().ClearBetInHand();
            Bet(4, 1.0);
            Lord().RefreshNextSeat();
        }
        check("cover");
        Ledger.PaidOrder.clear();
        ASSERT_TRUE(Roll()) << "round " << round;
        check("round");
        for (i16 spot : {4, 7, 8, 9, 10, 11, 12, 41, 42})
            for (i16 seat = 0; seat < 3; ++seat)
                ASSERT_FALSE(Spot(spot).HasAmount(seat))
                    << "one-roll spot " << spot << " seat " << seat << " round " << round;
        for (size_t i = 1; i < Ledger.PaidOrder.size(); ++i)
            ASSERT_TRUE(Ledger.PaidOrder[i - 1].first > Ledger.PaidOrder[i].first ||
                        (Ledger.PaidOrder[i - 1].first == Ledger.PaidOrder[i].first &&
                         Ledger.PaidOrder[i - 1].second < Ledger.PaidOrder[i].second))
                << "round " << round << " payment " << i;
        paid += static_cast<int>(Ledger.PaidOrder.size());
        lostRounds += Ledger.PaidOrder.empty() ? 1 : 0;
    }
    EXPECT_GT(paid, 50);
    EXPECT_GT(lostRounds, 10) << "rounds without a winner go straight through the pay loop";
}

} // namespace
