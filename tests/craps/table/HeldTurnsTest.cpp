// Whose turn a held click is taken in: the turn it was made in, moved back to its gambler when
// the table moved it on, or nobody's when its gambler has left.
#include "craps/table/HeldTurns.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// 'n' notes a click made in Seat's turn by Name; 't' takes the next one with Seat the current
// seat and Name the gambler now at the noted seat, expecting Fate; 'c' ends the run.
struct TTurnStep {
    char Op;
    i16 Seat;
    const char* Name;
    EHeldClick Fate = EHeldClick::Take;
};

struct TTurnCase {
    const char* Title;
    std::vector<TTurnStep> Steps;
};

class HeldTurnCases : public ::testing::TestWithParam<TTurnCase> {};

TEST_P(HeldTurnCases, EachClickGoesToTheGamblerWhoMadeIt) {
    THeldTurns turns;
    int step = 0;
    for (const TTurnStep& s : GetParam().Steps) {
        ++step;
        if (s.Op == 'n')
            turns.Note({s.Seat, s.Name});
        else if (s.Op == 'c')
            turns.Clear();
        else
            EXPECT_EQ(turns.Take(s.Seat, s.Name), s.Fate) << "step " << step;
    }
    EXPECT_TRUE(turns.IsEmpty());
}

constexpr EHeldClick HeldTake = EHeldClick::Take;
constexpr EHeldClick HeldBack = EHeldClick::TurnBack;
constexpr EHeldClick HeldGo = EHeldClick::LetGo;

INSTANTIATE_TEST_SUITE_P(
    Turns, HeldTurnCases,
    ::testing::Values(
        TTurnCase{"InTheTurnItWasMade", {{'n', 0, "Joe"}, {'t', 0, "Joe", HeldTake}}},
        TTurnCase{"TheTableMovedTheTurnOn", {{'n', 0, "Joe"}, {'t', 1, "Joe", HeldBack}}},
        TTurnCase{"ItsGamblerLeft", {{'n', 0, "Joe"}, {'t', 0, "", HeldGo}}},
        TTurnCase{"AnotherGamblerSatDown", {{'n', 2, "Joe"}, {'t', 1, "Bob", HeldGo}}},
        // The second click was made after a held click on the seat area, which moved the
        // turn on when it was taken.
        TTurnCase{"AHeldSeatChangeCarriesTheNextClick",
                  {{'n', 0, "Joe"},
                   {'n', 0, "Joe"},
                   {'t', 0, "Joe", HeldTake},
                   {'t', 1, "Joe", HeldTake}}},
        // The shooter's pick-up moved the turn from Ann to Joe between the two clicks.
        TTurnCase{"EachSideOfATableMoveKeepsItsGambler",
                  {{'n', 1, "Ann"},
                   {'n', 0, "Joe"},
                   {'t', 0, "Ann", HeldBack},
                   {'t', 1, "Joe", HeldBack}}},
        TTurnCase{"NobodysTurnThenAndNow", {{'n', -1, ""}, {'t', -1, "", HeldTake}}},
        TTurnCase{"NobodysTurnThenAGamblersNow", {{'n', -1, ""}, {'t', 0, "", HeldGo}}},
        // A new run judges its first click afresh, even from the seat the last run ended on.
        TTurnCase{"ANewRunStartsAfresh",
                  {{'n', 0, "Joe"},
                   {'t', 0, "Joe", HeldTake},
                   {'c', 0, ""},
                   {'n', 0, "Joe"},
                   {'t', 1, "Joe", HeldBack}}},
        TTurnCase{"AClickWithoutANoteIsTaken", {{'t', 1, "Ann", HeldTake}}}),
    [](const auto& test) { return std::string(test.param.Title); });

} // namespace
