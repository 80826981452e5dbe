// The soak: three gamblers with seeded random strategies for many rolls (OTCRAPS_SOAK_ROLLS,
// 10,000 unless set); after every roll the bankrolls, the stakes and odds on the table and the
// house's result add up to the opening total to the cent, and over a full run of 100,000 the
// peak memory stays flat.
#include "SessionDriver.h"
#include "SoakSupport.h"

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iostream>

namespace {

class Soak : public SessionTable {
protected:
    void Chips(TLcgRandom& r) {
        const int presses = 1 + static_cast<int>(r.Next() % 3);
        for (int i = 0; i < presses; ++i)
            Chip(static_cast<int>(r.Next() % 4));
        if (r.Next() % 10 == 0)
            Chip(static_cast<int>(r.Next() % 2), true);
    }
    void Turn(EStrategy strategy, TLcgRandom& r) {
        const bool comeOut = Lord().ComeOutFlag == 1;
        switch (strategy) {
        case EStrategy::Right:
        case EStrategy::Dark: {
            const bool dark = strategy == EStrategy::Dark;
            Chips(r);
            Click(comeOut ? (dark ? 1 : 0) : (dark ? 3 : 2));
            if (!comeOut) {
                Chips(r);
                Click(dark ? 1 : 0);
                Chips(r);
                Click(static_cast<i16>((dark ? 35 : 23) + r.Next() % 6));
            }
            break;
        }
        case EStrategy::Numbers:
            for (int i = 0; i < 2; ++i) {
                Chips(r);
                Click(static_cast<i16>((r.Next() % 2 == 0 ? 17 : 29) + r.Next() % 6));
            }
            break;
        case EStrategy::Props:
            Chips(r);
            Click(static_cast<i16>(4 + r.Next() % 13));
            Chips(r);
            Click(static_cast<i16>(41 + r.Next() % 2));
            break;
        default:
            for (int i = 0; i < 3; ++i) {
                Chips(r);
                Click(static_cast<i16>(r.Next() % 43));
            }
            break;
        }
        if (r.Next() % 9 == 0) {
            std::vector<i16> spots;
            for (int i = 0; i < 3; ++i)
                spots.push_back(static_cast<i16>(r.Next() % 43));
            TakeDown(spots);
            ASSERT_NE(Running<TCAct1State>(), nullptr) << "bets still coming down";
        }
    }
};

TEST_F(Soak, EveryRollKeepsEveryCentAmongBankrollsTableAndHouse) {
    const int rolls = SoakRolls(10000);
    // Deep pockets, so that no gambler goes broke and stops the game with a notice.
    OpenSession(5'000'000.0, 3'000'000.0, 2'000'000.0);
    ASSERT_FALSE(HasFatalFailure());
    Log->Keep = false;
    TLcgRandom dice;
    dice.Seed(9001);
    TScopedRandomSource installed(dice);
    TLcgRandom r;
    r.Seed(424242);
    EStrategy strategies[3] = {EStrategy::Right, EStrategy::Dark, EStrategy::Anything};
    i16 away = -1;
    long hwmAt10k = 0;
    long rssAt10k = 0;
    const auto began = std::chrono::steady_clock::now();
    for (int roll = 1; roll <= rolls && !HasFatalFailure(); ++roll) {
        if (r.Next() % 50 == 0)
            strategies[r.Next() % 3] = static_cast<EStrategy>(r.Next() % int(EStrategy::Count));
        if (const auto seat = static_cast<i16>(r.Next() % 3);
            r.Next() % 40 == 0 && Lord().GetSeatPlayerData(seat) != nullptr)
            SetOptions(seat,
                       {u8(r.Next() % 2), u8(r.Next() % 2), u8(r.Next() % 2), u8(r.Next() % 2),
                        u8(r.Next() % 2), u8(r.Next() % 2), u8(r.Next() % 2)});
        // One gambler at a time leaves for a while and comes back.
        if (r.Next() % 60 == 0) {
            if (away == -1) {
                away = static_cast<i16>(r.Next() % 3);
                ASSERT_TRUE(Mgr->DeactivatePlayer(away));
            } else {
                ASSERT_TRUE(Mgr->ActivatePlayer(away, 0));
                away = -1;
            }
            ASSERT_EQ(TotalCents(), Start) << "seat change before roll " << roll;
        }
        const int seated = Lord().CountOccupiedSeats();
        for (int turn = 0; turn < seated; ++turn) {
            const i16 seat = Lord().CurrentSeat;
            Turn(strategies[seat >= 0 ? seat : 0], r);
            NextSeat();
        }
        if (!Lord().TableHasAnyBet()) {
            Chip(0);
            Click(4);
        }
        ASSERT_TRUE(Roll()) << "roll " << roll;
        ASSERT_EQ(TotalCents(), Start) << "after roll " << roll;
        for (i16 record = 0; record < 3; ++record)
            ASSERT_GE(Bankroll(record), TMoney()) << "record " << record << " roll " << roll;
        if (roll == 10'000) {
            hwmAt10k = StatusKb("VmHWM");
            rssAt10k = StatusKb("VmRSS");
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    // The lord counts rolls in 16 bits, as the records keep them.
    EXPECT_EQ(Lord().RollCount, static_cast<u16>(rolls));
    EXPECT_GT(Log->Events, static_cast<long>(rolls));
    std::cout << "soak: " << rolls << " rolls in " << seconds << " s, "
              << static_cast<long>(rolls / (seconds > 0 ? seconds : 1)) << " rolls/s, "
              << Log->Events << " money events\n";
    if (rolls >= 10'000)
        std::cout << "soak: at roll 10000 VmHWM " << hwmAt10k << " kB, VmRSS " << rssAt10k
                  << " kB\n";
    // Flat memory is judged only over the full run: ten thousand rolls and ninety thousand more.
    if (rolls >= 100'000) {
        const long hwm = StatusKb("VmHWM");
        std::cout << "soak: at roll " << rolls << " VmHWM " << hwm << " kB, VmRSS "
                  << StatusKb("VmRSS") << " kB\n";
        ASSERT_GT(hwmAt10k, 0);
        EXPECT_LE(hwm * 100, hwmAt10k * 105) << "peak memory grew past 5% after roll 10,000";
    }
}

} // namespace
