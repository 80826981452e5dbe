// One roll settled over a full book: every spot held by all three seats, stood again after each
// decision, odds kept at the limit, on seeded dice; and a fixed piece of work to measure it
// against, run in the same process, so that the goal holds whatever the machine's speed.
#include "craps/bets/BetBook.h"
#include "platform/host/RuntimeRandom.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>

namespace {

constexpr std::array<bool, 3> AllSeated = {true, true, true};
constexpr TCrapsBetOptions AllOn = {1, 1, 1, 1, 1, 1, 1};

bool HoldsOdds(i16 index) {
    return index <= table_spot::DontPass ||
           (index >= table_spot::FirstComeNumber && index < table_spot::FirstComeNumber + 6) ||
           (index >= table_spot::FirstDontComeNumber &&
            index < table_spot::FirstDontComeNumber + 6);
}

// Stands every seat's bet again on each spot that holds nothing for it (a bet lost or paid
// leaves its seat empty) and tops the odds up to the limit wherever they may be taken.
// Returns false when a spot that should have taken money refused it all, which would leave it
// idle and flatter the figure.
bool PlaceEmptySpots(TBetBook& book, u8 comeOut, i16 point, size_t& held) {
    bool placed = true;
    for (i16 index = 0; index < TBetBook::SpotCount; ++index) {
        TCBetLedger* spot = book.GetSpot(index);
        for (i16 seat = 0; seat < TCBetLedger::SeatCount; ++seat) {
            if (spot->HasAmount(seat)) {
                ++held;
                // One offer past the limit fills the odds; they then stay until decided.
                if (HoldsOdds(index) && spot->GetOddsAmount(seat) == TMoney() &&
                    (index > table_spot::DontPass || comeOut == 0)) {
                    placed = book.PlaceBet(index, seat, TMoney(1000.0), comeOut, point, AllOn) <
                                 TMoney(1000.0) &&
                             placed;
                }
                continue;
            }
            // The line waits for a come-out, the come spots for a point; the numbers are
            // filled by travel.
            const bool line = index <= table_spot::DontPass;
            const bool come = index == table_spot::Come || index == table_spot::DontCome;
            if ((line && comeOut == 0) || (come && comeOut != 0) || (HoldsOdds(index) && !line)) {
                continue;
            }
            placed = book.PlaceBet(index, seat, TMoney(25.0), comeOut, point, AllOn) == TMoney() &&
                     placed;
            ++held;
        }
    }
    return placed;
}

void BM_ResolveRoll(benchmark::State& state) {
    TBetBook book;
    TLcgRandom dice;
    dice.Seed(20240601);
    const std::array<TCrapsBetOptions, 3> options = {AllOn, AllOn, AllOn};
    u8 comeOut = 1;
    i16 point = -1;
    size_t events = 0;
    size_t held = 0;
    bool placed = true;
    for (auto _ : state) {
        placed = PlaceEmptySpots(book, comeOut, point, held) && placed;
        const auto die1 = static_cast<i16>(dice.Next() % 6);
        const auto die2 = static_cast<i16>(dice.Next() % 6);
        const auto decided = book.ResolveRoll(die1, die2, point, comeOut, options, AllSeated);
        events += decided.size();
        benchmark::DoNotOptimize(decided.data());

        // The shooter's round, so the point-dependent kinds see both phases.
        const auto sum = static_cast<i16>(die1 + die2);
        if (comeOut != 0) {
            if (sum >= 2 && sum <= 8 && sum != TCBetLedger::SevenIndex) {
                point = sum;
                comeOut = 0;
            }
        } else if (sum == point || sum == TCBetLedger::SevenIndex) {
            point = -1;
            comeOut = 1;
        }
    }
    if (!placed) {
        state.SkipWithError("the book refused a bet");
        return;
    }
    // Once more outside the timing: the odds placed on the last roll must stand at the limit.
    size_t heldAfter = 0;
    PlaceEmptySpots(book, comeOut, point, heldAfter);
    int belowLimit = 0;
    for (i16 index = 0; index < TBetBook::SpotCount; ++index) {
        for (i16 seat = 0; HoldsOdds(index) && seat < TCBetLedger::SeatCount; ++seat) {
            const TCBetLedger* spot = book.GetSpot(index);
            belowLimit += spot->HasAmount(seat) && (index > table_spot::DontPass || comeOut == 0) &&
                          spot->CanAddChips(seat, TMoney(2.0), comeOut, point);
        }
    }
    if (belowLimit != 0) {
        state.SkipWithError("odds below the limit");
        return;
    }
    state.counters["rolls"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["bets/roll"] =
        static_cast<double>(held) / static_cast<double>(state.iterations());
    state.counters["events/roll"] =
        static_cast<double>(events) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_ResolveRoll);

// The yardstick a roll is measured against: sorting 1,024 seeded numbers, work of the same kind
// (comparisons that branch on the data, all in the first-level cache) that none of the game's
// code takes part in, so a slower roll shows as a larger share of it.
void BM_RollYardstick(benchmark::State& state) {
    std::array<u32, 1024> seeded{};
    TLcgRandom numbers;
    numbers.Seed(20240601);
    for (u32& n : seeded)
        n = static_cast<u32>(numbers.Next());
    std::array<u32, 1024> sorted{};
    for (auto _ : state) {
        sorted = seeded;
        std::sort(sorted.begin(), sorted.end());
        benchmark::DoNotOptimize(sorted.data());
    }
    if (!std::is_sorted(sorted.begin(), sorted.end()))
        state.SkipWithError("the numbers were not sorted");
}
BENCHMARK(BM_RollYardstick);

} // namespace

BENCHMARK_MAIN();
