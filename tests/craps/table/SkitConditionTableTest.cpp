// The skit conditions' table by number and name, and the conditions the other skit tests leave
// out, asked of a lord whose table is set up for them.
#include "RoundDriver.h"

#include "craps/table/SkitConditions.h"
#include "tools/databuild/content/SkitContent.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

namespace {

using skit_condition::Find;
using skit_condition::TRound;

// A table with nobody seated and no spots; only the round's numbers say anything.
class TEmptyTable : public skit_condition::TTable {
public:
    const TRound& Round() const override { return Now; }
    i16 OccupiedSeats() const override { return 0; }
    bool Seated(i16) const override { return false; }
    int SeatSex(i16) const override { return -1; }
    TCBetSpot* Spot(i16) const override { return nullptr; }
    TCrapsBetOptions Options(i16) const override { return {}; }
    i16 GameSpeed() const override { return 0; }

    TRound Now;
};

TEST(SkitConditionTable, EveryConditionTheDataSetsSkitsNameIsInTheTable) {
    std::set<u8> asked;
    for (const TSkitPlan& plan : SkitPlans())
        for (const auto& [condition, answer] : plan.Criteria)
            asked.insert(condition);
    ASSERT_FALSE(asked.empty());
    for (const u8 condition : asked)
        EXPECT_NE(Find(condition), nullptr) << static_cast<int>(condition);
}

TEST(SkitConditionTable, NumbersAndNamesAreEachTheirOwn) {
    std::set<u16> numbers;
    std::set<std::string> names;
    for (const skit_condition::TCondition& c : skit_condition::Conditions()) {
        EXPECT_TRUE(numbers.insert(c.Number).second) << c.Number;
        EXPECT_TRUE(names.insert(c.Name).second) << c.Name;
        EXPECT_EQ(Find(c.Number), &c) << c.Number;
    }
    // 0 to 138 without a gap; every other number has no condition and no answer.
    EXPECT_EQ(numbers.size(), 139U);
    EXPECT_EQ(*numbers.rbegin(), 138);
    const TEmptyTable table;
    for (const u16 n : {u16{139}, u16{255}, u16{0xFFFF}}) {
        EXPECT_EQ(Find(n), nullptr) << n;
        EXPECT_EQ(skit_condition::Test(n, table), 0) << n;
    }
}

TEST(SkitConditionTable, TheBuildersNamesAreTheTablesNumbers) {
    const std::pair<u8, const char*> named[] = {
        {cond::OneSeat, "OneSeat"},
        {cond::ThreeSeats, "ThreeSeats"},
        {cond::Holidays, "Holidays"},
        {cond::NoWoman, "NoWoman"},
        {cond::NoMan, "NoMan"},
        {cond::ComeOut, "ComeOut"},
        {cond::NewShooter, "NewShooter"},
        {cond::Point(0), "Point4"},
        {cond::Point(5), "Point10"},
        {cond::Roll(2), "Roll2"},
        {cond::Roll(12), "Roll12"},
        {cond::RollHard, "RollHard"},
        {cond::Busy, "Busy"},
        {cond::AnyDontPass, "AnyDontPass"},
        {cond::AnyHardway, "AnyHardway"},
        {cond::Stalls(4), "Stalls4Up"},
        {cond::Chance50, "Chance50"},
        {cond::Winners2, "Winners2"},
        {cond::HardWin, "HardWin"},
        {cond::Losers7, "Losers7"},
        {cond::LongHand, "LongHand"},
        {cond::Talk1, "Talk1"},
        {cond::FirstShake, "FirstShake"},
        {cond::Speed3, "Speed3"},
    };
    for (const auto& [number, name] : named) {
        const skit_condition::TCondition* c = Find(number);
        ASSERT_NE(c, nullptr) << name;
        EXPECT_EQ(std::string(c->Name), name) << static_cast<int>(number);
    }
}

// Nobody seated: no woman and no man sit, the empty shooter seat is either, and every seated
// gambler holds each hardway.
TEST(SkitConditionTable, AnEmptyTableAnswersTheSeatConditionsOfNobody) {
    const TEmptyTable table;
    for (const u16 n : {4, 5, 6, 7, 8, 63, 64, 65, 66})
        EXPECT_EQ(skit_condition::Test(n, table), 1) << n;
    for (const u16 n : {0, 1, 2, 45, 46, 57, 101, 102, 103, 104, 107, 108})
        EXPECT_EQ(skit_condition::Test(n, table), -1) << n;
}

TEST(SkitConditionTable, EachComeOutCountHoldsItsOwnConditionsOnly) {
    TEmptyTable table;
    for (u16 count = 0; count <= 25; ++count) {
        table.Now.ShooterComeOuts = count;
        std::set<u16> holding;
        for (u16 n = 112; n <= 129; ++n)
            if (skit_condition::Test(n, table) == 1)
                holding.insert(n);
        std::set<u16> expected;
        if (count > 3)
            expected.insert(112);
        if (count < 6)
            expected.insert(113);
        if (count >= 6 && count <= 20)
            expected.insert(static_cast<u16>(108 + count));
        if (count > 20)
            expected.insert(129);
        EXPECT_EQ(holding, expected) << count;
    }
}

class SkitConditionLord : public CrapsTable {
protected:
    void SetUp() override {
        CrapsTable::SetUp();
        MakeCrapsTable(1000, 1000, 1000);
    }
    i16 Ask(u16 c) { return Lord().TestSkitCondition(c); }
    // Chips in hand, then the spot clicked, on the come-out.
    void Bet(i16 seat, i16 spot, double amount) {
        Lord().ComeOutFlag = 1;
        Lord().Point = -1;
        Lord().CurrentSeat = seat;
        Lord().AddToBetInHand(TMoney(amount));
        Lord().PlaceBet(spot);
        ASSERT_TRUE(Spot(spot).HasAmount(seat)) << seat << " " << spot;
    }
};

TEST_F(SkitConditionLord, TheSeatCountFollowsTheGamblersAsTheyLeave) {
    EXPECT_EQ(Ask(0) * 100 + Ask(1) * 10 + Ask(2), -1 * 100 - 10 + 1);
    ASSERT_TRUE(Mgr->DeactivatePlayer(1));
    EXPECT_EQ(Ask(0) * 100 + Ask(1) * 10 + Ask(2), -1 * 100 + 10 - 1);
    ASSERT_TRUE(Mgr->DeactivatePlayer(2));
    EXPECT_EQ(Ask(0) * 100 + Ask(1) * 10 + Ask(2), 100 - 10 - 1);
}

TEST_F(SkitConditionLord, EveryoneOnAHardwayCountsOnlyTheSeated) {
    Bet(0, 14, 10);
    Bet(2, 14, 10);
    // Seat 1 has no hard 6, so not everyone holds it; hard 4 nobody holds.
    EXPECT_EQ(Ask(64), -1);
    EXPECT_EQ(Ask(63), -1);
    ASSERT_TRUE(Mgr->DeactivatePlayer(1));
    EXPECT_EQ(Ask(64), 1);
    EXPECT_EQ(Ask(63), -1);
    EXPECT_EQ(Ask(65), -1);
}

TEST_F(SkitConditionLord, EachRollNamesOneTotalOfTheLastRollAndOneOfTheRollInHand) {
    for (i16 d1 = 0; d1 < 6; ++d1) {
        for (i16 d2 = 0; d2 < 6; ++d2) {
            // The last roll and the roll in hand differ, so neither answers for the other.
            Lord().LastRoll = {d1, d2};
            Lord().Die1 = static_cast<i16>(5 - d1);
            Lord().Die2 = static_cast<i16>(5 - d2);
            const int last = d1 + d2 + 2;
            const int now = 14 - last;
            for (int total = 2; total <= 12; ++total) {
                EXPECT_EQ(Ask(static_cast<u16>(17 + total)), total == last ? 1 : -1)
                    << d1 << d2 << " last " << total;
                EXPECT_EQ(Ask(static_cast<u16>(30 + total)), total == now ? 1 : -1)
                    << d1 << d2 << " now " << total;
            }
        }
    }
}

TEST_F(SkitConditionLord, BothPointRangesNameThePointOnly) {
    const i16 points[] = {2, 3, 4, 6, 7, 8};
    for (i16 point = -1; point <= 10; ++point) {
        Lord().Point = point;
        for (u16 k = 0; k < 6; ++k) {
            const i16 expected = points[k] == point ? 1 : -1;
            EXPECT_EQ(Ask(static_cast<u16>(13 + k)), expected) << point << " " << k;
            EXPECT_EQ(Ask(static_cast<u16>(95 + k)), expected) << point << " " << k;
        }
    }
}

} // namespace
