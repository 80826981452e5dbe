// The lord's money over long seeded runs: every cent accounted for after every operation, and
// every roll settled exactly as the pure bet book settles the same bets on the same dice.
#include "RoundDriver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace {

// What the lord reported, mirrored into a pure book: placements and take-downs are replayed
// there, and each roll's losses, payments, returns and travels are kept for comparison.
class TMirror : public TMoneyLedger {
public:
    using TEvent = std::tuple<int, int, int, i64>;

    void Lost(i16 spot, i16 seat, TMoney amount) override {
        House += amount.GetValue();
        Events.emplace_back(int(EBetEvent::Lost), spot, seat, Cents(amount));
    }
    void Forfeited(i16 spot, i16 seat, TMoney amount) override {
        House += amount.GetValue();
        Book.GetSpot(spot)->ForfeitSeat(seat);
    }
    void Paid(i16 spot, i16 seat, TMoney collected, TMoney win) override {
        House -= win.GetValue();
        Events.emplace_back(int(EBetEvent::Won), spot, seat, Cents(collected));
    }
    void OddsReturned(i16 spot, i16 seat, TMoney amount) override {
        Events.emplace_back(int(EBetEvent::OddsReturned), spot, seat, Cents(amount));
    }
    void Travelled(i16 spot, i16 seat, TMoney amount) override {
        Events.emplace_back(int(EBetEvent::Travelled), spot, seat, Cents(amount));
    }
    void Placed(i16 spot, i16 seat, TMoney offered, TMoney refused) override {
        const TMoney booked = Book.PlaceBet(spot, seat, offered, *ComeOut, *Point, Options(seat));
        EXPECT_EQ(Cents(booked), Cents(refused)) << "spot " << spot << " seat " << seat;
    }
    void TookDown(i16 spot, i16 seat, TMoney amount) override {
        EXPECT_EQ(Cents(Book.GetSpot(spot)->TakeDown(seat, *ComeOut)), Cents(amount))
            << "spot " << spot << " seat " << seat;
    }

    static i64 Cents(TMoney m) { return std::llround(m.GetValue() * 100.0); }
    TCrapsBetOptions Options(i16 seat) const { return Lord->CopyBettingOptions(seat); }

    TBetBook Book;
    double House = 0.0;
    std::vector<TEvent> Events;
    TDrivenLord* Lord = nullptr;
    const u8* ComeOut = nullptr;
    const i16* Point = nullptr;
};

class LordMoney : public CrapsTable {
protected:
    double TableMoney() const {
        double total = Mirror.House;
        for (i16 record = 0; record < 3; ++record)
            total += Bankroll(record);
        for (const auto& spot : Spots)
            for (i16 seat = 0; seat < 3; ++seat)
                total += spot->GetAmount(seat).GetValue() + spot->GetOddsAmount(seat).GetValue();
        return total;
    }
    double Bankroll(i16 record) const {
        return Mgr->IsActive(record) ? TCasinoPlayerData::ReadBankroll(Mgr->GetDataBlock(record))
                                     : Mgr->GetBankroll(record);
    }
    void Check(const char* what) {
        ++Operations;
        ASSERT_NEAR(TableMoney(), Start, 0.005) << what << " at roll " << Lord().RollCount;
        for (i16 record = 0; record < 3; ++record)
            ASSERT_GE(Bankroll(record), 0.0);
    }
    void SameSpots() {
        for (i16 index = 0; index < 43; ++index)
            for (i16 seat = 0; seat < 3; ++seat) {
                const TCBetLedger& book = *Mirror.Book.GetSpot(index);
                ASSERT_EQ(TMirror::Cents(Spot(index).GetAmount(seat)),
                          TMirror::Cents(book.GetAmount(seat)))
                    << "spot " << index << " seat " << seat << " roll " << Lord().RollCount;
                ASSERT_EQ(TMirror::Cents(Spot(index).GetOddsAmount(seat)),
                          TMirror::Cents(book.GetOddsAmount(seat)))
                    << "odds spot " << index << " seat " << seat;
            }
    }

    // Bets of the seat: chips (cents among them) picked up and put down, the hand repeated,
    // odds on the line and come numbers, now and then a take-down or a cleared hand.
    void Bet(TLcgRandom& r) {
        const i16 seat = Lord().CurrentSeat;
        if (seat == -1)
            return;
        const double chips[] = {1, 5, 25, 100, 1000, 10000, 0.25, 0.5, 2.75};
        const int bets = r.Next() % 4;
        for (int b = 0; b < bets; ++b) {
            const int picks = r.Next() % 3;
            for (int p = 0; p < picks; ++p)
                Lord().AddToBetInHand(TMoney(chips[r.Next() % 9]));
            Check("chips");
            if (r.Next() % 10 == 0)
                Lord().TakeFromBetInHand(TMoney(chips[r.Next() % 9]));
            if (r.Next() % 25 == 0)
                Lord().ClearBetInHand();
            Lord().PlaceBet(static_cast<i16>(r.Next() % 43));
            Check("place");
        }
        if (r.Next() % 6 == 0) {
            Lord().TakeDownBet(static_cast<i16>(r.Next() % 43));
            Check("take down");
        }
    }

    void Run(u32 seed, int rolls) {
        SCOPED_TRACE(seed);
        MakeCrapsTable(3000.0, 120.5, 40.0);
        TLcgRandom dice;
        TScopedRandomSource installed(dice);
        TLcgRandom bets;
        bets.Seed(seed);
        Mirror.Lord = &Lord();
        Mirror.ComeOut = &Lord().ComeOutFlag;
        Mirror.Point = &Lord().Point;
        Lord().SetMoneyLedger(&Mirror);
        // Each gambler keeps his own mix of options: buy on some numbers, odds and hardways on
        // or off on the come-out.
        SetOptions(0, {1, 0, 1, 0, 1, 0, 1});
        SetOptions(1, {0, 1, 0, 1, 0, 1, 0});
        SetOptions(2, {2, 0, 0, 0, 0, 1, 0});
        dice.Seed(seed);
        Start = TableMoney();
        Lord().StartSession();
        for (int roll = 0; roll < rolls && !HasFatalFailure(); ++roll) {
            Lord().StartRound();
            Check("round");
            // Gamblers leave and come back between rolls, while bets are open.
            if (bets.Next() % 97 == 0) {
                const i16 record = static_cast<i16>(bets.Next() % 3);
                if (Mgr->IsActive(record)) {
                    ASSERT_TRUE(Mgr->DeactivatePlayer(record));
                    Check("leave");
                } else {
                    ASSERT_TRUE(Mgr->ActivatePlayer(record, 0));
                    Check("sit");
                }
            }
            for (int turn = 0; turn < 3; ++turn) {
                Bet(bets);
                Lord().RefreshNextSeat();
                Check("next seat");
            }
            Lord().RollDice();
            ASSERT_TRUE(TCBetLedger::AreDice(Lord().Die1, Lord().Die2));
            Mirror.Events.clear();
            std::vector<TMirror::TEvent> expected;
            SettleRoll(
                Lord(),
                [&] {
                    std::array<TCrapsBetOptions, 3> options;
                    std::array<bool, 3> seated;
                    for (i16 s = 0; s < 3; ++s) {
                        options[static_cast<size_t>(s)] = Mirror.Options(s);
                        seated[static_cast<size_t>(s)] = Lord().GetSeatPlayerData(s) != nullptr;
                    }
                    for (const TBetEvent& e :
                         Mirror.Book.ResolveRoll(Lord().Die1, Lord().Die2, Lord().Point,
                                                 Lord().ComeOutFlag, options, seated))
                        expected.emplace_back(int(e.Kind), e.Spot, e.Seat,
                                              TMirror::Cents(e.Amount));
                },
                [&] { Check("settle"); });
            std::vector<TMirror::TEvent> got = Mirror.Events;
            std::sort(got.begin(), got.end());
            std::sort(expected.begin(), expected.end());
            ASSERT_EQ(got, expected) << "roll " << Lord().RollCount;
            SameSpots();
            Trace.push_back(Lord().Die1 * 6 + Lord().Die2);
            for (i16 record = 0; record < 3; ++record)
                Bankrolls.push_back(Bankroll(record));
        }
        Lord().SetMoneyLedger(nullptr);
    }

    TMirror Mirror;
    double Start = 0.0;
    long Operations = 0;
    std::vector<int> Trace;
    std::vector<double> Bankrolls;
};

class LordMoneySeeds : public LordMoney, public ::testing::WithParamInterface<u32> {};

TEST_P(LordMoneySeeds, TenThousandRollsLoseNoCentAndSettleAsTheBook) {
    Run(GetParam(), 10000);
    EXPECT_GT(Operations, 10000);
}

INSTANTIATE_TEST_SUITE_P(Seeds, LordMoneySeeds, ::testing::Values(1u, 20261206u, 0xBEEFu));

} // namespace
