// How often a benchmark runs: as written, or once at its least when the suite only proves that
// it runs to its end (OTCRAPS_BENCH_ONCE).
#pragma once

#include <benchmark/benchmark.h>

#include <cstdlib>

inline bool BenchOnce() {
    return std::getenv("OTCRAPS_BENCH_ONCE") != nullptr;
}

// The count of iterations of a benchmark that fixes its own.
inline benchmark::IterationCount Runs(benchmark::IterationCount count) {
    return BenchOnce() ? 1 : count;
}
