// The betting state's holds for a gambler learning the game (a bad bet, a roll without free
// odds) and the pay loop's search by each seat's own options, driven frame by frame.
#include "../../casino/CasinoArt.h"
#include "RoundDriver.h"

#include "casino/CasButton.h"
#include "casino/CasinoPlayerData.h"
#include "craps/bets/TableClickPieces.h"
#include "craps/table/CrapsAsk.h"
#include "craps/table/RoundStates.h"
#include "craps/table/TableRegions.h"
#include "engine/foundation/EngineContext.h"
#include "engine/framework/Responder.h"
#include "platform/framework/ResourceRegistry.h"
#include "platform/framework/window/Module.h"
#include "resources/Resources.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

// Rolls every die as the same face.
class TFixedDice : public TRandomSource {
public:
    explicit TFixedDice(i32 face) : Face(face) {}
    void Seed(u32) override {}
    i32 Next() override { return Face; }
    i32 Face;
};

class TPaidList : public TMoneyLedger {
public:
    void Lost(i16, i16, TMoney) override {}
    void Forfeited(i16, i16, TMoney) override {}
    void Paid(i16 spot, i16 seat, TMoney, TMoney) override { PaidBets.emplace_back(seat, spot); }
    void OddsReturned(i16, i16, TMoney) override {}
    void Travelled(i16, i16, TMoney) override {}
    void Placed(i16, i16, TMoney, TMoney) override {}
    void TookDown(i16, i16, TMoney) override {}
    std::vector<std::pair<i16, i16>> PaidBets;
};

constexpr i16 Expert = TCAct1State::ExpertButton;
constexpr i16 RollFlag = TCasinoCGameLord::RollButton;

class RoundHolds : public CrapsTable {
protected:
    // One die face for every roll: 1 makes a hard 4.
    void Open(i32 face = 1) {
        // The advice texts are the program's own strings.
        TResourceRegistry::Get().Clear();
        RegisterResources();
        TEngineContext::Module = &Program;
        Dice = std::make_unique<TFixedDice>(face);
        Installed = std::make_unique<TScopedRandomSource>(*Dice);
        MakeCrapsTable(100000.0, 100000.0, 100000.0);
        buttontest::WriteButtonArt(Cd);
        buttontest::WriteButtonFile(&Owner, "expert", 10, 10, 1, 0);
        ExpertButton = TCasButton::Make(&Owner, TFileMode("expert", 0, FM_LEVEL_NOW), u8{1});
        Lord().Buttons[static_cast<size_t>(Expert)] = ExpertButton.get();
        Lord().SetMoneyLedger(&Paid);
        ASSERT_TRUE(RunUntil([&] { return Running<TCAct1State>() != nullptr; }));
        // The dealer's opening talk over.
        for (int i = 0; i < 3; ++i)
            Step();
    }
    void TearDown() override {
        if (CrapsWindow != nullptr && CrapsWindow->GetMainGameObject() != nullptr)
            Lord().Buttons[static_cast<size_t>(Expert)] = nullptr;
        // Its pictures belong to the file manager the table's tear-down closes.
        ExpertButton.reset();
        TEngineContext::Module = nullptr;
        TResourceRegistry::Get().Clear();
        CrapsTable::TearDown();
        Installed.reset();
    }
    void Instruct(i16 seat) {
        Lord().GetSeatPlayerData(seat)[TCasinoPlayerData::InstructionAt] = 1;
    }
    // Chips in hand and a click on the spot, handled on the next frame.
    void Click(i16 spot, double chips = 5.0) {
        if (Lord().BetInHand.GetValue() == 0.0)
            Lord().AddToBetInHand(TMoney(chips));
        Region.Fire(JEK_LBUTTONUP, 0, TPoint{});
        Lord().GetRoundState()->DispatchSpot(Region, static_cast<u16>(spot), false);
        Step();
    }
    void Press(i16 flag) {
        Lord().ButtonFlags[static_cast<size_t>(flag)] = 1;
        ASSERT_TRUE(RunUntil([&] { return Lord().ButtonFlags[static_cast<size_t>(flag)] == 0; }));
    }
    bool Signalling() const { return ExpertButton->GetFlashTick() != 0; }
    i16 Seat() { return Lord().CurrentSeat; }
    std::string BadBetAdvice(i16 topic) {
        TCAsk ask(&Lord());
        ask.GetBadBetAdvice(topic);
        return ask.GetText();
    }
    std::string FreeOddsAdvice(i16 topic) {
        TCAsk ask(&Lord());
        ask.GetFreeOddsAdvice(topic);
        return ask.GetText();
    }

    std::unique_ptr<TFixedDice> Dice;
    std::unique_ptr<TScopedRandomSource> Installed;
    std::unique_ptr<TCasButton> ExpertButton;
    TPaidList Paid;
    TModule Program{"otcraps"};
    TResponder Region{nullptr};
};

// Field (4) and any craps (7) are bad bets; the pass line (0) is not.
TEST_F(RoundHolds, ABadBetIsPlacedOnlyOnTheSecondClickOnTheSameSpot) {
    Open();
    ASSERT_FALSE(HasFatalFailure());
    Instruct(Seat());
    struct TStep {
        const char* What;
        i16 Spot;
        bool Placed;
    };
    const TStep steps[] = {
        {"first click on the field", 4, false},      {"then any craps is judged afresh", 7, false},
        {"the field again is held again", 4, false}, {"the field a second time in a row", 4, true},
        {"the pass line is no bad bet", 0, true},
    };
    for (const TStep& s : steps) {
        Click(s.Spot);
        EXPECT_EQ(Spot(s.Spot).HasAmount(Seat()), s.Placed) << s.What;
        EXPECT_EQ(Signalling(), !s.Placed) << s.What;
        // Each held click signals afresh.
        ExpertButton->StopFlash();
    }
    EXPECT_FALSE(Spot(7).HasAmount(Seat()));
}

TEST_F(RoundHolds, AskingAboutAHeldBetShowsItsAdviceAndClearsTheHold) {
    Open();
    ASSERT_FALSE(HasFatalFailure());
    Instruct(Seat());
    Click(7);
    ASSERT_TRUE(Signalling());
    Press(Expert);
    EXPECT_FALSE(Signalling());
    EXPECT_EQ(Lord().GetAdviceText(), BadBetAdvice(3)) << "the any-craps advice";
    EXPECT_NE(BadBetAdvice(3), FreeOddsAdvice(0));
    EXPECT_NE(BadBetAdvice(3), "");
    Click(7);
    EXPECT_FALSE(Spot(7).HasAmount(Seat())) << "the next click is held again";
    EXPECT_TRUE(Signalling());
    Click(7);
    EXPECT_TRUE(Spot(7).HasAmount(Seat()));
}

TEST_F(RoundHolds, WithoutASignalTheExpertGivesTheGeneralAdvice) {
    Open();
    ASSERT_FALSE(HasFatalFailure());
    Press(Expert);
    EXPECT_EQ(Lord().GetAdviceText(), FreeOddsAdvice(0));
}

TEST_F(RoundHolds, OutOfInstructionModeABadBetIsPlacedAtOnce) {
    Open();
    ASSERT_FALSE(HasFatalFailure());
    Click(4);
    EXPECT_TRUE(Spot(4).HasAmount(Seat()));
    EXPECT_FALSE(Signalling());
}

// The come-out hard 4 makes 4 the point; the pass line then has no odds.
TEST_F(RoundHolds, ARollWithoutFreeOddsIsHeldOnceThenRolls) {
    Open();
    ASSERT_FALSE(HasFatalFailure());
    Instruct(Seat());
    Click(0, 10.0);
    ASSERT_TRUE(Spot(0).HasAmount(Seat()));
    Press(RollFlag);
    ASSERT_TRUE(RunUntil([&] { return Running<TCAct2State>() != nullptr; }));
    ASSERT_TRUE(RunUntil([&] { return Running<TCAct1State>() != nullptr; }));
    ASSERT_EQ(Lord().GetPoint(), 2);
    ASSERT_EQ(Lord().RollCount, 1);
    for (int i = 0; i < 5; ++i)
        Step();

    Press(RollFlag);
    for (int i = 0; i < 5; ++i)
        Step();
    EXPECT_TRUE(Signalling());
    EXPECT_EQ(Lord().BettingOpen, 1);
    EXPECT_EQ(Lord().RollCount, 1) << "the first press is held back";
    Press(Expert);
    EXPECT_EQ(Lord().GetAdviceText(), FreeOddsAdvice(3)) << "the pass line's missing odds";
    Press(RollFlag);
    for (int i = 0; i < 5; ++i)
        Step();
    EXPECT_EQ(Lord().RollCount, 1) << "asking cleared the hold: held again";
    EXPECT_TRUE(Signalling());
    Press(RollFlag);
    EXPECT_EQ(Lord().BettingOpen, 0);
    EXPECT_TRUE(RunUntil([&] { return Lord().RollCount == 2; }));
}

// The field clicked while the roll settles is judged when betting opens, as any click is: a
// bad bet for a learning gambler, it waits for his second click and the Expert signals.
TEST_F(RoundHolds, ABadBetClickedWhileTheRollSettlesIsWarnedAboutWhenBettingOpens) {
    Open();
    ASSERT_FALSE(HasFatalFailure());
    Instruct(Seat());
    Click(0, 10.0);
    const u32 betting = Running<TCAct1State>()->GetSerial();
    Press(RollFlag);
    ASSERT_TRUE(RunUntil([&] { return Running<TCAct2State>() != nullptr; }));
    const TRect& field = table_region::Regions[4].Rect;
    Lord().GetClickRegion(4)->Fire(
        JEK_LBUTTONUP, 0, {(field.left + field.right) / 2, (field.top + field.bottom) / 2});
    const auto frame = [&] {
        Step();
        Lord().Tick(CrapsWindow->Tick);
    };
    for (int i = 0; i < 400 && Running<TCAct1State>() == nullptr; ++i) {
        frame();
        ASSERT_FALSE(Signalling()) << "judged before betting opened";
    }
    ASSERT_GT(Running<TCAct1State>()->GetSerial(), betting);
    for (int i = 0; i < 3; ++i)
        frame();
    EXPECT_FALSE(Spot(4).HasAmount(Seat()));
    EXPECT_TRUE(Signalling());
    Click(4);
    EXPECT_TRUE(Spot(4).HasAmount(Seat())) << "the second click on the field places it";
}

struct TPayCase {
    const char* Name;
    i16 On;
    i16 Off;
    i16 Current;
};

class RoundPaySearch : public RoundHolds, public ::testing::WithParamInterface<TPayCase> {};

// Both seats bet hard 4 and a come-out hard 4 comes; only one seat's hardways work then. The
// other seat's bet stands, neither paid nor lost, whichever seat the table was showing.
TEST_P(RoundPaySearch, OnlyTheSeatWhoseOptionsWinIsPaid) {
    const TPayCase& c = GetParam();
    Open(1);
    ASSERT_FALSE(HasFatalFailure());
    TCrapsBetOptions on{};
    on[OptionHardwaysOnComeOut] = 1;
    SetOptions(c.On, on);
    SetOptions(c.Off, TCrapsBetOptions{});
    for (i16 seat : {c.On, c.Off}) {
        Lord().CurrentSeat = seat;
        Click(13, 10.0);
        ASSERT_TRUE(Spot(13).HasAmount(seat));
    }
    Lord().CurrentSeat = c.Current;
    const double offBankroll = Lord().GetBankroll(c.Off).GetValue();
    const double onBankroll = Lord().GetBankroll(c.On).GetValue();
    Press(RollFlag);
    ASSERT_TRUE(RunUntil([&] { return Running<TCAct2State>() != nullptr; }));
    ASSERT_TRUE(RunUntil([&] { return Running<TCAct1State>() != nullptr; }));
    ASSERT_EQ(Lord().RollCount, 1);
    const std::vector<std::pair<i16, i16>> expected = {{c.On, i16{13}}};
    EXPECT_EQ(Paid.PaidBets, expected);
    EXPECT_DOUBLE_EQ(Lord().GetBankroll(c.On).GetValue(), onBankroll + 80.0);
    EXPECT_DOUBLE_EQ(Lord().GetBankroll(c.Off).GetValue(), offBankroll);
    EXPECT_EQ(Spot(13).GetAmount(c.Off), TMoney(10.0));
    EXPECT_FALSE(Spot(13).HasAmount(c.On));
}

INSTANTIATE_TEST_SUITE_P(Seats, RoundPaySearch,
                         ::testing::Values(TPayCase{"HighSeatWorks", 2, 0, 0},
                                           TPayCase{"LowSeatWorksShowingTheOther", 0, 2, 2},
                                           TPayCase{"LowSeatWorksShowingItself", 0, 1, 0}),
                         [](const auto& test) { return std::string(test.param.Name); });

} // namespace
