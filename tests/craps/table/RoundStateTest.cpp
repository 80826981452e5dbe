// The round's states driven frame by frame on a fake clock at a table without dealer skits
// (every skit ends at once): rounds, take-downs and what the mouse shows over them, the talk
// button, shakes, money and pay order.
#include "../../casino/CasinoArt.h"
#include "RoundDriver.h"

#include "casino/CasButton.h"
#include "craps/table/RoundStates.h"
#include "engine/foundation/EngineContext.h"
#include "engine/framework/Responder.h"
#include "engine/framework/ResponderList.h"
#include "engine/media/Anm.h"
#include "engine/media/CursorMgr.h"
#include "engine/media/MediaServices.h"

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
        Lord().GetRoundState()->DispatchSpot(Region, static_cast<u16>(spot), false);
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
        Step();
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
    Step();
    Step();
    Step();
    EXPECT_EQ(Running<TCRemoveState>() == nullptr, c.EndsByItself);
    if (!c.EndsByItself) {
        Lord().ButtonFlags[TCasinoCGameLord::TakeDownButton] = 1;
        Step();
        Step();
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
                         [](const auto& test) { return std::string(test.param.Name); });

// The table's talk button as the factory makes it, with a face of twelve looks, and the mouse
// over a table whose regions take it.
class RoundButtons : public RoundStates {
protected:
    void TearDown() override {
        if (CrapsWindow != nullptr && CrapsWindow->GetMainGameObject() != nullptr)
            Lord().Buttons[TCasinoCGameLord::TalkButton] = nullptr;
        // Its pictures belong to the file manager the table's tear-down closes.
        Talk.reset();
        TEngineContext::Media = Before;
        RoundStates::TearDown();
    }
    // The button is there before the session starts, which sets its face.
    void OpenWithTalkButton() {
        MakeCrapsTable(3000.0, 120.5, 40.0);
        buttontest::WriteButtonArt(Cd);
        buttontest::WriteButtonFile(&Owner, "talk", 587, 462, 1, 0);
        Talk = TCasButton::Make(&Owner, TFileMode("talk", 0, FM_LEVEL_NOW),
                                TCasButtonTarget{&Lord(), &Lord().ButtonBusy}, u16{125},
                                TRect(587, 462, 639, 479), u16{TCasinoCGameLord::TalkButton}, u8{0},
                                'p', TCursorData(nullptr, 6), TCursorData(nullptr, 7));
        Lord().Buttons[TCasinoCGameLord::TalkButton] = Talk.get();
        ASSERT_TRUE(RunUntilBetting());
    }
    // The table cursor kept by a manager; the regions take the mouse in the mode's list.
    void OpenWithMouse() {
        MakeCrapsTable(3000.0, 120.5, 40.0);
        Services.SetCursorMgr(&Cursors);
        Before = TEngineContext::Media;
        TEngineContext::Media = &Services;
        ASSERT_NE(CrapsWindow->GetResponderList(), nullptr);
        ASSERT_TRUE(RunUntilBetting());
    }
    // A frame of the table with the button's own tick among the sprites'.
    void ButtonFrame() {
        const u32 tick = ++CrapsWindow->Tick;
        Owner.Tick = tick;
        Lord().RunState();
        Talk->Tick(tick);
        Lord().StateUpdate(tick);
    }
    void Mouse(JorpEventKind kind, int x, int y) {
        CrapsWindow->GetResponderList()->DispatchMouse(kind, 0, TPoint{x, y});
    }
    u32 TableCursor() { return Cursors.GetSlot(CURSOR_SLOT_REGION).Id; }

    std::unique_ptr<TCasButton> Talk;
    TMediaServices Services;
    TCursorMgr Cursors{nullptr};
    TEngineMedia* Before = TEngineContext::Media;
};

// Each press steps the face to its next look and the setting by one with it: the betting state
// must not step the setting a second time.
TEST_F(RoundButtons, EachTalkPressStepsTheSettingOnceAndTheFaceShowsIt) {
    OpenWithTalkButton();
    ASSERT_FALSE(HasFatalFailure());
    // The face's up look of setting s is frame 3 s + 2, the looks wrapping round at 12.
    const auto face = [&] { return Talk->GetFace()->GetCurrentData().CurrentFrame; };
    EXPECT_EQ(Lord().GetTalkSetting(), 3);
    EXPECT_EQ(face(), 11u);
    const TPoint inside{600, 470};
    for (const int setting : {0, 1, 2, 3}) {
        SCOPED_TRACE(setting);
        Talk->GetResponder()->Fire(JEK_LBUTTONDOWN, 0, inside);
        Talk->GetResponder()->Fire(JEK_LBUTTONUP, 0, inside);
        for (int f = 0; f < 4; ++f)
            ButtonFrame();
        ASSERT_NE(Running<TCAct1State>(), nullptr);
        EXPECT_EQ(Lord().GetButtonFlag(TCasinoCGameLord::TalkButton), 0);
        EXPECT_EQ(Lord().ButtonBusy, 0) << "the press was taken";
        EXPECT_EQ(Lord().GetTalkSetting(), setting);
        EXPECT_EQ(face(), static_cast<u32>(3 * setting + 2));
    }
}

// A take-down changes what the spot under a mouse that does not move can offer: the cursor
// must follow at once, not on the mouse's next move.
TEST_F(RoundButtons, ATakeDownUnderAStillMouseShowsTheSpotsNewCursorAtOnce) {
    OpenWithMouse();
    ASSERT_FALSE(HasFatalFailure());
    constexpr int X = 300, Y = 400; // the pass line
    Bet(0, 5.0);
    Bet(4, 5.0);
    Mouse(JEK_CURSOR, X, Y);
    EXPECT_EQ(TableCursor(), 1u) << "chips can go down here";
    Lord().ButtonFlags[TCasinoCGameLord::TakeDownButton] = 1;
    ASSERT_TRUE(RunUntil([&] { return Running<TCRemoveState>() != nullptr; }, 3));
    EXPECT_EQ(TableCursor(), 3u) << "the gambler's chips can come back from here";
    Mouse(JEK_LBUTTONDOWN, X, Y);
    Mouse(JEK_LBUTTONUP, X, Y);
    ASSERT_FALSE(Spot(0).HasAmount(Lord().GetCurrentSeat()));
    EXPECT_EQ(TableCursor(), 4u) << "nothing left here to take back";
    // The field bet keeps the take-down going; the cursor stays as the take-down left it.
    Step();
    Step();
    ASSERT_NE(Running<TCRemoveState>(), nullptr);
    EXPECT_EQ(TableCursor(), 4u);
}

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
        Step();
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
