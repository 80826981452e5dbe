// The craps lord's rounds as the test round driver plays them: seeded bets by three seats,
// the roll, and its settling over the 43 real spots, without skits; goal: 10,000 rolls a
// second or more on one thread in a release build. A session of 1,000 such rolls, run alone
// in its process, gives the process's peak memory (goal: under 64 MB).
#include "BenchRuns.h"

#include "craps/table/RoundDriver.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace {

class TBenchTable : public TStandalone<CrapsTable> {
public:
    void Play(benchmark::State& state) {
        MakeCrapsTable(3000.0, 3000.0, 3000.0);
        TLcgRandom dice;
        dice.Seed(20261206);
        TScopedRandomSource installed(dice);
        TLcgRandom bets;
        bets.Seed(7);
        TDrivenLord& lord = Lord();
        lord.StartSession();
        const auto none = [](const char*) {};
        i64 rolls = 0;
        for (auto _ : state) {
            // Bankrupt gamblers would stop betting and flatter the figure.
            for (i16 seat = 0; seat < 3; ++seat)
                if (lord.GetBankroll(seat) < TMoney(100.0))
                    lord.SetBankroll(seat, TMoney(3000.0));
            lord.StartRound();
            for (int turn = 0; turn < 3; ++turn) {
                PlaceSeededBets(lord, bets, none);
                lord.RefreshNextSeat();
            }
            lord.RollDice();
            SettleRoll(
                lord, [] {}, [] {});
            ++rolls;
        }
        state.counters["rolls"] =
            benchmark::Counter(static_cast<double>(rolls), benchmark::Counter::kIsRate);
        // The high-water mark of the whole process, the benchmark library's share included.
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        state.counters["peak_rss_mb"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
    }
};

void BM_RoundDriverRolls(benchmark::State& state) {
    TBenchTable table;
    table.Play(state);
}
BENCHMARK(BM_RoundDriverRolls);

void BM_ThousandRollSession(benchmark::State& state) {
    TBenchTable table;
    table.Play(state);
}
BENCHMARK(BM_ThousandRollSession)->Iterations(Runs(1000))->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
