// TStatCalcCraps: the craps rows, the grid copy and the graphable series.
#include "craps/stats/StatCalcCraps.h"

TStatCalcCraps::TStatCalcCraps(TStatCalcOwner* owner) : TCasinoStatCalc(owner) {}
TStatCalcCraps::~TStatCalcCraps() = default;
bool TStatCalcCraps::GetGraphData(int, float*, int) {
    return false;
}
bool TStatCalcCraps::IsDataRow(int) {
    return false;
}
void TStatCalcCraps::CopyToDialog() {}
void TStatCalcCraps::ComputeAll() {
    TCasinoStatCalc::ComputeAll();
}
void TStatCalcCraps::FormatAll() {
    TCasinoStatCalc::FormatAll();
}
void TStatCalcCraps::GetSessionPtrs() {}
std::string TStatCalcCraps::GetGameName(i16, TMoney) {
    return "Craps";
}
void TStatCalcCraps::ComputeTotalBets() {}
void TStatCalcCraps::ComputeCrapsRow(int) {}
void TStatCalcCraps::FormatCrapsRow(int) {}
