// The seated gamblers reach the save file as each shoot ends, so that a crash loses at most the
// shoot under way: each record read back from the file where it lies.
#include "RoundDriver.h"
#include "casino/GamblerRecord.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class ShootSave : public CrapsTable {
protected:
    void SetUp() override {
        CrapsTable::SetUp();
        MakeCrapsTable(1000.0, 300.0, 400.0);
        Lord().StartSession();
        Lord().StartRound();
    }
    void Bet(i16 seat, i16 spot, double amount) {
        Lord().RefreshSeat(seat);
        Lord().ClearBetInHand();
        Lord().AddToBetInHand(TMoney(amount));
        Lord().PlaceBet(spot);
    }
    void Throw(i16 die1, i16 die2) {
        Lord().Die1 = die1;
        Lord().Die2 = die2;
        SettleRoll(
            Lord(), [] {}, [] {});
    }
    // The record of the gambler in the seat, as the file holds it now. Read where it lies: a
    // manager made afresh on the file would end the sessions this live table keeps open.
    std::string OnDisk(i16 seat) { return RecordOnDisk(Mgr->GetActive(seat)); }
    std::string InMemory(i16 seat) {
        return std::string(reinterpret_cast<const char*>(Lord().GetSeatPlayerData(seat)),
                           TCasinoPlayerData::EncodedSize);
    }
};

TEST_F(ShootSave, AShootThatEndsIsOnDiskWithItsBankrollAndStatistics) {
    // Joe bets the line, the 6 is the point and is made.
    Bet(0, 0, 10.0);
    Throw(1, 3);
    Lord().StartRound();
    Throw(1, 3);
    const double paid = Lord().GetBankroll(0).GetValue();
    ASSERT_EQ(paid, 1010.0);
    // Paid, but the shoot is folded only as the next round starts: not yet on disk.
    const std::string disk = OnDisk(0);
    const TGamblerRecordView onDisk(
        std::span(reinterpret_cast<const u8*>(disk.data()), disk.size()));
    ASSERT_TRUE(onDisk.IsValid());
    EXPECT_NE(onDisk.GetBankroll(), paid);

    Lord().StartRound();
    for (i16 seat = 0; seat < 3; ++seat)
        EXPECT_EQ(OnDisk(seat), InMemory(seat)) << seat;
    TCasinoPlayerData joe = Decoded(OnDisk(0));
    EXPECT_EQ(joe.GetBankroll(), 1010.0);
    const TCCSession* session = joe.GetHistory().GetCurrentSession();
    ASSERT_NE(session, nullptr);
    EXPECT_EQ(session->TotalShoots, 1);
    EXPECT_EQ(session->PassWins, 1);
    EXPECT_EQ(session->PointsMade, 1);
    EXPECT_TRUE(Frame.Boxes.empty());
}

TEST_F(ShootSave, AShootThatCannotBeSavedIsToldOnceAndTheNextSaveCatchesUp) {
    const std::string before = File();
    // Two come-out rolls, each a shoot of its own, on a disk that fails both times.
    for (int shoot = 0; shoot < 2; ++shoot) {
        Throw(2, 3);
        Host.Armed = TFaultyHost::FailMove;
        Lord().StartRound();
    }
    EXPECT_EQ(Frame.Boxes,
              std::vector<std::string>{WriteFailedBox("Write Save File Failed", "otcraps.sav")});
    EXPECT_EQ(File(), before);
    Throw(2, 3);
    Lord().StartRound();
    EXPECT_EQ(Decoded(OnDisk(0)).GetHistory().GetCurrentSession()->TotalShoots, 3);
    EXPECT_EQ(Frame.Boxes.size(), 1U);
    // Told again when it fails after a save got through.
    Throw(2, 3);
    Host.Armed = TFaultyHost::FailWrite;
    Lord().StartRound();
    EXPECT_EQ(Frame.Boxes.size(), 2U);
}

} // namespace
