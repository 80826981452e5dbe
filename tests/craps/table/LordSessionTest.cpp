// The seated gamblers' sessions: the bankroll's peak and low kept at round starts and after
// payments, and a history whose current slot a damaged file put outside the ring.
#include "RoundDriver.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class LordSessions : public CrapsTable {
protected:
    void SetUp() override {
        CrapsTable::SetUp();
        MakeCrapsTable(1000.0, 1000.0, 1000.0);
        Lord().StartSession();
    }
    TCCSession Current(i16 seat) {
        TCasinoPlayerData data;
        EXPECT_TRUE(data.Decode(Lord().GetSeatPlayerData(seat), TCasinoPlayerData::EncodedSize));
        const TCCSession* session = data.GetHistory().GetCurrentSession();
        return session != nullptr ? *session : TCCSession();
    }
    // A pass-line bet of the seat won on a come-out seven and paid.
    void WinPassLine(i16 seat, double stake) {
        Lord().RefreshSeat(seat);
        Lord().ClearBetInHand();
        Lord().AddToBetInHand(TMoney(stake));
        Lord().PlaceBet(0);
        Lord().Die1 = 2;
        Lord().Die2 = 3;
        ASSERT_TRUE(Lord().PayOutSpot(0));
    }
    void SetCurrentSlot(i16 seat, i16 slot) {
        JorpPutU16(Lord().GetSeatPlayerData(seat) + TCasinoPlayerData::HistoryAt,
                   static_cast<u16>(slot));
    }
};

TEST_F(LordSessions, RoundStartsWidenTheRangeAndPaymentsOnlyRaiseThePeak) {
    const struct {
        double Bankroll;
        double Win; // a pass-line win of this stake instead of a round start
        double Peak, Low;
    } steps[] = {{1500, 0, 1500, 1000}, {400, 0, 1500, 400}, {1490, 100, 1590, 400},
                 {1200, 0, 1590, 400},  {300, 0, 1590, 300}, {300, 50, 1590, 300}};
    for (const auto& step : steps) {
        Lord().SetBankroll(0, TMoney(step.Bankroll));
        if (step.Win != 0)
            WinPassLine(0, step.Win);
        else
            Lord().StartRound();
        EXPECT_EQ(Current(0).PeakBankroll, TMoney(step.Peak)) << step.Bankroll;
        EXPECT_EQ(Current(0).LowBankroll, TMoney(step.Low)) << step.Bankroll;
    }
    // The other gamblers' sessions saw only their own bankrolls.
    EXPECT_EQ(Current(1).PeakBankroll, TMoney(1000));
    EXPECT_EQ(Current(2).LowBankroll, TMoney(1000));
}

TEST_F(LordSessions, AStoredRangeThatIsNoNumberTakesTheBankroll) {
    u8* session =
        Lord().GetSeatPlayerData(1) + TCasinoPlayerData::HistoryAt + TCasinoCData::SessionsAt;
    JorpPutF64(session + 76, std::nan(""));
    JorpPutF64(session + 84, -std::numeric_limits<double>::infinity());
    Lord().StartRound();
    EXPECT_EQ(Current(1).PeakBankroll, TMoney(1000));
    EXPECT_EQ(Current(1).LowBankroll, TMoney(1000));
}

TEST_F(LordSessions, ACurrentSlotOutsideTheRingIsLeftAloneUntilTheNextSessionRestartsIt) {
    for (const i16 slot : {20, -3, 32767}) {
        SetCurrentSlot(1, slot);
        const std::vector<u8> before(Lord().GetSeatPlayerData(1),
                                     Lord().GetSeatPlayerData(1) + TCasinoPlayerData::EncodedSize);
        Lord().SetBankroll(1, TMoney(5000));
        Lord().StartRound();
        WinPassLine(1, 10);
        Lord().SetBankroll(1, TMoney(1000));
        const u8* after = Lord().GetSeatPlayerData(1);
        EXPECT_TRUE(std::equal(before.begin(), before.end(), after)) << slot;
    }
    // Leaving and sitting again opens the next session in slot 0, which is kept from then on.
    ASSERT_TRUE(Mgr->DeactivatePlayer(1));
    ASSERT_TRUE(Mgr->ActivatePlayer(1, 0));
    const i16 seat = [&] {
        for (i16 s = 0; s < 3; ++s)
            if (Lord().GetSeatPlayerData(s) == Mgr->GetDataBlock(1))
                return s;
        return i16{-1};
    }();
    ASSERT_NE(seat, -1);
    EXPECT_EQ(JorpGetU16(Lord().GetSeatPlayerData(seat) + TCasinoPlayerData::HistoryAt), 0);
    Lord().SetBankroll(seat, TMoney(2500));
    Lord().StartRound();
    EXPECT_EQ(Current(seat).PeakBankroll, TMoney(2500));
    EXPECT_TRUE(Current(seat).IsOpen());
}

} // namespace
