// Skit conditions that ask about the chips on the table and what the roll in hand decides,
// with every bet put down through the lord as a click on the spot puts it down.
#include "RoundDriver.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

struct TChips {
    i16 Seat;
    i16 Spot;
    double Amount;
    // Come and don't come are only taken with a point on; the line bets only without one.
    bool PointOn = false;
};

// The table as the dealer's skit asks about it. Dice of -1 mean no roll in hand.
struct TChipCase {
    const char* Name;
    std::vector<TChips> Bets;
    std::set<u16> Holding;
    i16 Shooter = 1;
    i16 Die1 = -1;
    i16 Die2 = -1;
    i16 Point = -1;
    // Seats whose hardway bets work on the come-out roll.
    std::set<i16> HardwaysOn = {};
    i16 Current = 0;
    i16 WinningSpot = -1;
    // A come bet travels to the number of a rolled 5 before the question.
    bool Travel = false;
};

class SkitChips : public CrapsTable, public ::testing::WithParamInterface<TChipCase> {
protected:
    void SetUp() override {
        CrapsTable::SetUp();
        MakeCrapsTable(1000000, 1000000, 1000000);
    }
    // Chips in hand, then the spot clicked, for the seat playing. Putting the amount on the
    // spot directly would not do: only the come numbers take an amount set from outside,
    // every other spot's ledger ignores it and the spot stays empty.
    void Place(const TChips& b) {
        Lord().ComeOutFlag = b.PointOn ? 0 : 1;
        Lord().Point = b.PointOn ? 2 : -1;
        Lord().CurrentSeat = b.Seat;
        Lord().AddToBetInHand(TMoney(b.Amount));
        Lord().PlaceBet(b.Spot);
        ASSERT_TRUE(Spot(b.Spot).HasAmount(b.Seat)) << "seat " << b.Seat << " spot " << b.Spot;
    }
};

TEST_P(SkitChips, EachConditionHoldsOnlyForTheChipsItNames) {
    const TChipCase& c = GetParam();
    for (i16 seat = 0; seat < 3; ++seat) {
        TCrapsBetOptions options{};
        options[OptionHardwaysOnComeOut] = c.HardwaysOn.count(seat) != 0 ? 1 : 0;
        SetOptions(seat, options);
    }
    for (const TChips& b : c.Bets) {
        Place(b);
        ASSERT_FALSE(HasFatalFailure());
    }
    if (c.Travel) {
        Lord().Die1 = 1;
        Lord().Die2 = 2;
        Lord().MoveComeBets();
    }
    Lord().ShooterSeat = c.Shooter;
    Lord().Die1 = c.Die1;
    Lord().Die2 = c.Die2;
    Lord().Point = c.Point;
    Lord().ComeOutFlag = c.Point == -1 ? 1 : 0;
    Lord().CurrentSeat = c.Current;
    Lord().WinningSpot = c.WinningSpot;
    std::vector<u16> asked;
    for (u16 k = 44; k <= 75; ++k)
        asked.push_back(k);
    for (u16 k = 101; k <= 110; ++k)
        asked.push_back(k);
    for (u16 k : asked)
        EXPECT_EQ(Lord().TestSkitCondition(k), c.Holding.count(k) != 0 ? 1 : -1)
            << "condition " << k;
    EXPECT_EQ(Lord().CurrentSeat, c.Current) << "the walk over the seats gives the seat back";
}

// Spots: 0 pass line, 1 don't pass, 2 come, 3 don't come, 4 field, 7 any craps, 10 three,
// 13-16 hard 4-10, 17-22 buy 4-10, 23-28 come numbers, 41 C and E.
const TChipCase Cases[] = {
    {"EmptyTable", {}, {}},
    {"ShootersPassLineTruncatedTo200", {{1, 0, 200.75}}, {45, 46, 47, 49}},
    {"ShootersPassLineBelow200", {{1, 0, 199.99}}, {45, 46, 47}},
    {"AnotherSeatsPassLineShooterOnDontPass", {{0, 0, 200}, {1, 1, 10}}, {46, 47, 50, 51}},
    {"DontPassOfAnotherSeat", {{2, 1, 10}}, {51}},
    {"PassLineAbove5000", {{2, 0, 5000.01}}, {46, 47, 48}},
    {"PassLineOf5000IsNotAbove", {{2, 0, 5000}}, {46, 47}},
    {"FourSpotsOfThreeSeats", {{0, 4, 5}, {1, 10, 5}, {2, 41, 5}, {0, 7, 5}}, {44, 71, 73, 74, 75}},
    {"ThreeSpotsAreNotFour", {{0, 4, 5}, {0, 10, 5}, {1, 7, 5}}, {71, 73, 75}},
    {"FieldAbove5000", {{1, 4, 5000.5}}, {71, 72}},
    {"ComeAndDontCome", {{0, 2, 5, true}, {1, 3, 5, true}}, {53, 54}},
    {"TwoNumbersOfTwoSeats", {{0, 17, 20}, {2, 19, 12}}, {52}},
    {"ThreeNumbers", {{0, 17, 20}, {0, 18, 10}, {1, 22, 20}}, {52, 55}},
    {"FourNumbersOneOfThemATravelledComeBet",
     {{0, 17, 20}, {0, 18, 10}, {1, 22, 20}, {2, 2, 5, true}},
     {44, 52, 55, 56},
     1,
     -1,
     -1,
     -1,
     {},
     0,
     -1,
     true},
    {"ShootersHard6", {{2, 14, 10}}, {57, 60}, 2},
    {"EverySeatOnHard8", {{0, 15, 10}, {1, 15, 10}, {2, 15, 10}}, {57, 58, 61, 65}, 0},
    {"TwoSeatsOfThreeOnHard4", {{0, 13, 10}, {1, 13, 10}}, {57, 58, 59}, 0},
    {"OnlyHard10Above1000", {{1, 16, 1000.01}}, {57, 67, 68, 69, 70}, 0},
    {"OnlyHard4Above1000", {{0, 13, 1500}}, {57, 67}},
    {"Hard8Above1000Hard10At1000", {{2, 15, 2000}, {0, 16, 1000}}, {57, 58, 67, 68, 69}},
    // Rolls decided with each seat's own options.
    {"Hard4OnTheComeOutWinsOnlyWhereHardwaysWork",
     {{0, 13, 10}, {2, 13, 10}},
     {57, 58, 101, 102},
     1,
     1,
     1,
     -1,
     {0}},
    {"TwoWinnersOfTheCurrentSeatsOptions",
     {{2, 13, 10}, {1, 4, 5}},
     {57, 71, 101, 102, 103},
     1,
     1,
     1,
     -1,
     {0},
     0},
    {"TheCurrentSeatsHardwaysAreOff",
     {{2, 13, 10}, {1, 4, 5}},
     {57, 71, 101, 102},
     1,
     1,
     1,
     -1,
     {0},
     2},
    {"SevenOutFourLosers",
     {{0, 0, 10}, {1, 13, 10}, {1, 4, 5}, {2, 19, 12}},
     {44, 46, 47, 57, 59, 71, 108, 109},
     1,
     2,
     3,
     2},
    {"SevenOutOneLoser", {{1, 4, 5}}, {71, 107, 108}, 1, 2, 3, 2},
    {"SevenOutSevenLosers",
     {{0, 0, 10}, {1, 0, 10}, {2, 0, 10}, {0, 4, 5}, {1, 4, 5}, {2, 4, 5}, {0, 14, 5}},
     {45, 46, 47, 57, 71, 108, 109, 110},
     1,
     2,
     3,
     2},
    // What the spot being paid wins for the current seat.
    {"Hard4WinningAbove100000",
     {{0, 13, 15000}},
     {57, 67, 101, 102, 104, 106},
     1,
     1,
     1,
     4,
     {},
     0,
     13},
    {"Hard4Winning35000", {{0, 13, 5000}}, {57, 67, 101, 102}, 1, 1, 1, 4, {}, 0, 13},
    {"FieldOnTwelveAbove10000", {{1, 4, 5001}}, {71, 72, 101, 102, 105}, 1, 5, 5, 4, {}, 1, 4},
    {"FieldOnThreeAt5000", {{1, 4, 5000}}, {71, 101, 102}, 1, 0, 1, 4, {}, 1, 4},
    {"AnotherSeatsWinIsNotTheCurrentSeats",
     {{0, 13, 15000}},
     {57, 67, 101, 102},
     1,
     1,
     1,
     4,
     {},
     2,
     13},
};

INSTANTIATE_TEST_SUITE_P(Tables, SkitChips, ::testing::ValuesIn(Cases),
                         [](const auto& test) { return std::string(test.param.Name); });

} // namespace
