// TStatCalcCraps: the statistics calculator of the craps table: the shared rows plus the shoot,
// bettor, bet-kind and accuracy rows, the grid copy and the graphable series.
#pragma once

#include "craps/stats/CasinoStatCalc.h"

#include <array>

class TStatCalcCraps : public TCasinoStatCalc {
public:
    explicit TStatCalcCraps(TStatCalcOwner* owner);
    ~TStatCalcCraps() override;

    // Ids 6, 7, 8, 11, 14, 15, 16 and 20..28; any other id gives false and writes nothing.
    bool GetGraphData(int id, float* values, int capacity) override;

    // True for the ids the grid copy fills (122 of them).
    static bool IsDataRow(int id);

protected:
    void CopyToDialog() override;
    void ComputeAll() override;
    void FormatAll() override;
    void GetSessionPtrs() override;
    std::string GetGameName(i16 gameCode, TMoney betUnit) override;
    void ComputeTotalBets() override;

private:
    void ComputeCrapsRow(int id);
    void FormatCrapsRow(int id);

    // Cumulative value of each craps row by id: counters, whole or fractional dollars and
    // ratios all fit a double exactly enough for what the cells show.
    std::array<double, LastStatId + 1> Cumulative{};
    // Per-session results of the return rows and the accuracy row, by id.
    std::array<std::array<float, MaxSessions>, LastStatId + 1> SessionFloats{};
};
