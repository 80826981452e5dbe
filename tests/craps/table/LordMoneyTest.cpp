// The lord's money over long seeded runs: every cent accounted for after every operation, and
// every roll settled exactly as the pure bet book settles the same bets on the same dice.
#include "RoundDriver.h"
#include "casino/GamblerRecord.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <set>
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
        OnPaid(seat);
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
    std::function<void(i16)> OnPaid = [](i16) {};
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
        return Mgr->IsActive(record)
                   ? TGamblerRecordView(std::span<const u8>(Mgr->GetDataBlock(record),
                                                            TCasinoPlayerData::EncodedSize))
                         .GetBankroll()
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

    // Each gambler's session keeps the highest and lowest bankroll seen at round starts and
    // the highest after a payment, from the bankroll it opened with.
    void Opened(i16 record) {
        const double b = Bankroll(record);
        Ranges[static_cast<size_t>(record)] = {b, b};
    }
    void Sampled(i16 record, bool low) {
        auto& [lowest, peak] = Ranges[static_cast<size_t>(record)];
        peak = std::max(peak, Bankroll(record));
        if (low)
            lowest = std::min(lowest, Bankroll(record));
    }
    void SameRanges() {
        for (i16 record = 0; record < 3; ++record) {
            if (!Mgr->IsActive(record))
                continue;
            TCasinoPlayerData data;
            ASSERT_TRUE(data.Decode(Mgr->GetDataBlock(record), TCasinoPlayerData::EncodedSize));
            const TCCSession* session = data.GetHistory().GetCurrentSession();
            ASSERT_NE(session, nullptr);
            const auto& [lowest, peak] = Ranges[static_cast<size_t>(record)];
            ASSERT_EQ(session->LowBankroll.GetValue(), lowest) << "record " << record;
            ASSERT_EQ(session->PeakBankroll.GetValue(), peak) << "record " << record;
        }
    }
    i16 RecordOf(i16 seat) {
        for (i16 record = 0; record < 3; ++record)
            if (Mgr->IsActive(record) &&
                Mgr->GetDataBlock(record) == Lord().GetSeatPlayerData(seat))
                return record;
        return -1;
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
        Mirror.OnPaid = [this](i16 seat) { Sampled(RecordOf(seat), false); };
        Lord().StartSession();
        for (i16 record = 0; record < 3; ++record)
            Opened(record);
        for (int roll = 0; roll < rolls && !HasFatalFailure(); ++roll) {
            Lord().StartRound();
            Check("round");
            for (i16 record = 0; record < 3; ++record)
                if (Mgr->IsActive(record))
                    Sampled(record, true);
            // A wrong peak or low stays wrong: every eighth round is enough to see it.
            if (roll % 8 == 0)
                SameRanges();
            // Gamblers leave and come back between rolls, while bets are open.
            if (bets.Next() % 97 == 0) {
                const i16 record = static_cast<i16>(bets.Next() % 3);
                if (Mgr->IsActive(record)) {
                    ASSERT_TRUE(Mgr->DeactivatePlayer(record));
                    Check("leave");
                } else {
                    ASSERT_TRUE(Mgr->ActivatePlayer(record, 0));
                    Opened(record);
                    Check("sit");
                }
            }
            for (int turn = 0; turn < 3; ++turn) {
                PlaceSeededBets(Lord(), bets, [this](const char* what) { Check(what); });
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
    std::array<std::pair<double, double>, 3> Ranges{};
};

class LordMoneySeeds : public LordMoney, public ::testing::WithParamInterface<u32> {};

TEST_P(LordMoneySeeds, TenThousandRollsLoseNoCentAndSettleAsTheBook) {
    Run(GetParam(), 10000);
    EXPECT_GT(Operations, 10000);
}

INSTANTIATE_TEST_SUITE_P(Seeds, LordMoneySeeds, ::testing::Values(1u, 20261206u, 0xBEEFu));

// Two tables, each in a fresh folder, on the same seed: the same dice and the same bankrolls
// after every roll.
TEST(LordMoneyReplay, ASeedReplaysTheSameDiceAndBankrolls) {
    class TRun : public TStandalone<LordMoney> {
    public:
        using LordMoney::Bankrolls;
        using LordMoney::Run;
        using LordMoney::Trace;
    };
    std::vector<int> trace;
    std::vector<double> bankrolls;
    {
        TRun first;
        first.Run(77u, 1500);
        trace = first.Trace;
        bankrolls = first.Bankrolls;
    }
    // Every pair of faces came up, and money moved: the runs have something to differ in.
    ASSERT_EQ(std::set<int>(trace.begin(), trace.end()).size(), 36u);
    ASSERT_GT(std::set<double>(bankrolls.begin(), bankrolls.end()).size(), 10u);
    TRun second;
    second.Run(77u, 1500);
    EXPECT_EQ(second.Trace, trace);
    EXPECT_EQ(second.Bankrolls, bankrolls);
}

} // namespace
