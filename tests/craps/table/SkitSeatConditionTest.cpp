// Skit conditions that ask about the seated gamblers and their chips, at a table of three.
#include "RoundDriver.h"

#include <gtest/gtest.h>

namespace {

class SkitSeats : public CrapsTable {
protected:
    void SetUp() override {
        CrapsTable::SetUp();
        MakeCrapsTable(1000, 1000, 1000);
    }
    void Sex(i16 seat, u8 sex) { Lord().GetSeatPlayerData(seat)[14] = sex; }
    i16 Ask(u16 c) { return Lord().TestSkitCondition(c); }
};

TEST_F(SkitSeats, SeatsAndTheShootersSex) {
    Sex(0, 1);
    Sex(1, 1);
    Sex(2, 1);
    Lord().ShooterSeat = 1;
    EXPECT_EQ(Ask(2) * 100 + Ask(4) * 10 + Ask(6), 111);
    EXPECT_EQ(Ask(5) * 10 + Ask(7), -11);
    Sex(1, 0);
    EXPECT_EQ(Ask(4) * 1000 + Ask(5) * 100 + Ask(6) * 10 + Ask(7), -1109);
}

TEST_F(SkitSeats, ThePickUpClosesTheTableOnlyForASeatedShooter) {
    Lord().ShooterSeat = 2;
    Lord().PlayersChangeable = 1;
    u32 start = 10, duration = 0;
    // No pick-up animations at this table: the table still closes for the throw.
    EXPECT_FALSE(Lord().PlayShooterPickUp(start, duration));
    EXPECT_EQ(Lord().PlayersChangeable, 0);
    EXPECT_EQ(Lord().CurrentSeat, 2);
}

} // namespace
