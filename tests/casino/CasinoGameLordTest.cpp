// The casino game lord: the walk round the occupied seats, bankroll arithmetic on the seated
// gamblers' records looked up on every call, and the table's unit.
#include "RecordsFixture.h"
#include "casino/GamblerRecord.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace {

class Seats : public CasinoRecords {
protected:
    // Exactly these seats hold gamblers (Joe, Ann and Bob fill them in seat order).
    void Occupy(const std::set<i16>& seats) {
        for (i16 record = 0; record < 3; ++record)
            Mgr->DeactivatePlayer(record);
        for (i16 record = 0; record < 3; ++record)
            Mgr->ActivatePlayer(record, 0);
        for (i16 seat = 0; seat < 3; ++seat)
            if (seats.count(seat) == 0)
                Mgr->DeactivatePlayer(Mgr->GetActive(seat));
    }
};

TEST_F(Seats, TheWalkRoundTheOccupiedSeatsEndsWithTheSeatItself) {
    MakeTable();
    const struct {
        std::set<i16> Occupied;
        i16 From[4];
        i16 Next[4];
    } cases[] = {
        {{}, {-1, 0, 1, 2}, {-1, -1, -1, -1}},
        {{1}, {-1, 0, 1, 2}, {1, 1, 1, 1}},
        {{0, 2}, {-1, 0, 1, 2}, {0, 2, 2, 0}},
        {{0, 1, 2}, {-1, 0, 1, 2}, {0, 1, 2, 0}},
        {{2}, {-1, 0, 1, 2}, {2, 2, 2, 2}},
        // The remainder truncates: from -2 the candidates are -1, 0 and 1.
        {{0, 1, 2}, {-2, -3, -4, 3}, {0, 0, 0, 1}},
    };
    for (const auto& c : cases) {
        Occupy(c.Occupied);
        EXPECT_EQ(Lord().CountOccupiedSeats(), static_cast<i16>(c.Occupied.size()));
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(Lord().NextOccupiedSeat(c.From[i]), c.Next[i])
                << "from " << c.From[i] << " with " << c.Occupied.size() << " seated";
    }
}

TEST_F(Seats, BankrollsChangeInTheSeatedRecordAndASeatThatChangesGamblersIsSeenAtOnce) {
    MakeTable({"lord", "seat0", "seat1"});
    // Joe sat down before the table was made: his seat player points at him from the start.
    EXPECT_EQ(Lord().GetSeatPlayerData(0), Mgr->GetDataBlock(0));
    ASSERT_TRUE(Mgr->ActivatePlayer(1, 0));
    Lord().AddToBankroll(1, TMoney(0.25));
    Lord().SubtractFromBankroll(1, TMoney(40.0));
    EXPECT_EQ(Lord().GetBankroll(1), TMoney(60.25));
    Lord().SubtractFromBankroll(1, TMoney(60.5));
    EXPECT_EQ(Lord().GetBankroll(1), TMoney());
    EXPECT_FALSE(std::signbit(Lord().GetBankroll(1).GetValue()));
    Lord().SetBankroll(0, TMoney(-7.5));
    EXPECT_EQ(Lord().GetBankroll(0), TMoney(-7.5));
    // Seat 2 has no player, seat 3 does not exist: nothing answers, nothing changes.
    ASSERT_TRUE(Mgr->ActivatePlayer(2, 0));
    for (i16 seat : {2, 3, -1}) {
        Lord().AddToBankroll(seat, TMoney(5.0));
        EXPECT_EQ(Lord().GetBankroll(seat), TMoney()) << seat;
    }
    EXPECT_EQ(Lord().CountOccupiedSeats(), 2);
    EXPECT_EQ(TGamblerRecordView(
                  std::span<const u8>(Mgr->GetDataBlock(2), TCasinoPlayerData::EncodedSize))
                  .GetBankroll(),
              200.0);

    ASSERT_TRUE(Mgr->DeactivatePlayer(1) && Mgr->DeactivatePlayer(2));
    EXPECT_EQ(Lord().GetBankroll(1), TMoney());
    // The list of gamblers shows what each left with.
    EXPECT_EQ(Mgr->GetBankroll(1), 0.0);
    EXPECT_EQ(Mgr->GetBankroll(2), 200.0);
    ASSERT_TRUE(Mgr->ActivatePlayer(2, 0));
    Lord().AddToBankroll(1, TMoney(1.0));
    EXPECT_EQ(TGamblerRecordView(
                  std::span<const u8>(Mgr->GetDataBlock(2), TCasinoPlayerData::EncodedSize))
                  .GetBankroll(),
              201.0);
    // Ann left with what she had.
    ASSERT_TRUE(Mgr->LoadDataBlock(1));
    EXPECT_EQ(TGamblerRecordView(
                  std::span<const u8>(Mgr->GetDataBlock(1), TCasinoPlayerData::EncodedSize))
                  .GetBankroll(),
              0.0);
}

TEST_F(Seats, TheUnitIsADenominationAndAnIndexOutsideTheTableIsZero) {
    MakeTable();
    const std::tuple<u16, double, i16> cases[] = {
        {6, 1.0, 6}, {0, 0.0, 0}, {14, 1000.0, 14}, {15, 0.0, 0}, {40000, 0.0, 0}};
    for (const auto& [index, unit, found] : cases) {
        TCasinoGameLord lord(Window.get(), 1, index);
        EXPECT_EQ(lord.GetUnit().GetValue(), unit) << index;
        EXPECT_EQ(lord.GetUnitIndex(), found) << index;
    }
}

} // namespace
