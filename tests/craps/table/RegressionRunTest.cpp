// The regression run: 2,000 rolls of three gamblers on one seed, betting on every kind of spot
// with odds, taking bets down, changing options, asking the expert, reading their statistics,
// standing up and sitting down; every money event is written to a log that must match the one
// kept in tests/golden, so any change to a payout shows as a diff. Its bankrolls are large
// enough for the bigger chips on every spot; PlayedRegressionTest.cpp plays the same kind of
// session through the program's windows.
#include "RegressionPlan.h"
#include "SessionDriver.h"

#include "support/KeptLog.h"

#include <array>

namespace {

using namespace table_spot;

// Chip button indexes: $1, $5, $25, $100.
constexpr int One = 0, Five = 1, TwentyFive = 2, Hundred = 3;

class RegressionRun : public SessionTable {
protected:
    // One gambler's turn: the line or the odds behind it, a come bet with odds on its number,
    // then spots taken round the whole layout, and now and then a bet taken down.
    void Turn(int roll, TLcgRandom& r) {
        const i16 seat = Lord().CurrentSeat;
        const bool dark = seat == 1;
        if (Lord().ComeOutFlag == 1) {
            Chip(Five);
            Click(dark ? DontPass : PassLine);
        } else {
            // Odds behind the line: $10, a multiple that every number pays whole.
            Chip(Five);
            Chip(Five);
            Click(dark ? DontPass : PassLine);
            Chip(Five);
            Click(dark ? DontCome : Come);
            // Odds on a come number the seat has (a click on one it lacks is refused).
            const i16 first = dark ? FirstDontComeNumber : FirstComeNumber;
            for (i16 k = 0; k < 6; ++k)
                if (Spot(static_cast<i16>(first + k)).HasAmount(seat)) {
                    Chip(Five);
                    Chip(Five);
                    Click(static_cast<i16>(first + k));
                    break;
                }
        }
        // Two spots a roll from a walk round the layout, each seat a step apart.
        for (int k = 0; k < 2; ++k) {
            const auto spot = static_cast<i16>((roll * 2 + k + seat * 15) % 43);
            const int chip = static_cast<int>(r.Next() % 3);
            Chip(chip == 0 ? One : chip == 1 ? Five : TwentyFive);
            if (r.Next() % 8 == 0)
                Chip(One, true);
            if (r.Next() % 16 == 0)
                Chip(Hundred);
            Click(spot);
        }
        if (r.Next() % 7 == 0) {
            std::vector<i16> held;
            for (i16 spot = 4; spot < 43 && held.empty(); ++spot)
                if (Spot(spot).HasAmount(seat))
                    held.push_back(spot);
            if (!held.empty()) {
                Log->Note("seat " + std::to_string(seat) + " takes down");
                TakeDown(held);
            }
        }
    }

    // Between rolls: options changed, the expert asked, the statistics read, gamblers up and
    // back down again.
    void Between(int roll) {
        if (roll % 40 == 20) {
            const i16 seat = Lord().CurrentSeat;
            const size_t page = static_cast<size_t>(roll / 40) % RegressionOptionPages.size();
            SetOptions(seat, RegressionOptionPages[page]);
            Log->Note("seat " + std::to_string(seat) + " options page " + std::to_string(page));
        }
        if (roll % 100 == 50) {
            Press(TCAct1State::ExpertButton);
            const std::string advice = Lord().GetAdviceText();
            EXPECT_FALSE(advice.empty()) << "roll " << roll;
            Asked += advice.empty() ? 0 : 1;
            Log->Note("expert asked");
        }
        if (roll % 150 == 75)
            for (i16 record = 0; record < 3; ++record) {
                if (!Mgr->IsActive(record))
                    continue;
                TCasinoPlayerData data;
                ASSERT_TRUE(data.Decode(Mgr->GetDataBlock(record), TCasinoPlayerData::EncodedSize));
                const TCCSession* session = data.GetHistory().GetCurrentSession();
                ASSERT_NE(session, nullptr);
                Log->Note("stats record " + std::to_string(record) + " peak " +
                          Amount(session->PeakBankroll) + " low " + Amount(session->LowBankroll));
            }
        if (roll % 250 == 125) {
            Leaver = static_cast<i16>((roll / 250) % 3);
            Log->Note("record " + std::to_string(Leaver) + " stands up from seat " +
                      std::to_string(SeatOf(Leaver)));
            ASSERT_TRUE(Mgr->DeactivatePlayer(Leaver));
        }
        if (roll % 250 == 200) {
            ASSERT_TRUE(Mgr->ActivatePlayer(Leaver, 0));
            Log->Note("record " + std::to_string(Leaver) + " sits down in seat " +
                      std::to_string(SeatOf(Leaver)));
        }
    }

    int Asked = 0;
    i16 Leaver = 0;
};

TEST_F(RegressionRun, TwoThousandRollsPayAsTheKeptLogSays) {
    OpenSession(50000.0, 30000.0, 20000.0);
    ASSERT_FALSE(HasFatalFailure());
    TLcgRandom dice;
    dice.Seed(20240611);
    TScopedRandomSource installed(dice);
    TLcgRandom bets;
    bets.Seed(1987);
    for (i16 seat = 0; seat < 3; ++seat)
        SetOptions(seat, RegressionOptionPages[static_cast<size_t>(seat)]);
    for (int roll = 0; roll < RegressionRolls && !HasFatalFailure(); ++roll) {
        Between(roll);
        ASSERT_FALSE(HasFatalFailure());
        const int seated = Lord().CountOccupiedSeats();
        for (int turn = 0; turn < seated; ++turn) {
            Turn(roll, bets);
            NextSeat();
        }
        ASSERT_TRUE(Lord().TableHasAnyBet()) << "roll " << roll;
        ASSERT_TRUE(Roll()) << "roll " << roll;
        ASSERT_EQ(TotalCents(), Start) << "roll " << roll;
    }
    EXPECT_EQ(Lord().RollCount, RegressionRolls);
    EXPECT_EQ(Asked, RegressionRolls / 100);

    // Every spot of the layout won at least once in the run, so each payout is in the log.
    const std::string& log = Log->Text;
    for (i16 spot = 0; spot < 43; ++spot)
        EXPECT_NE(log.find(std::string(" ") + SpotName(spot) + " paid "), std::string::npos)
            << SpotName(spot);

    CheckKeptLog("regression_money.log", log);
}

} // namespace
