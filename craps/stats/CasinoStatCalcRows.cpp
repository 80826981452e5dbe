// TCasinoStatCalc: the rows every casino game shares, from Date to Low $ Loss Level.
#include "craps/stats/CasinoStatCalc.h"

void TCasinoStatCalc::ComputeAll() {}
void TCasinoStatCalc::FormatAll() {}
void TCasinoStatCalc::ComputeDate() {}
void TCasinoStatCalc::FormatDate() {}
void TCasinoStatCalc::FormatHoursPlayed() {}
void TCasinoStatCalc::ComputeHoursPlayed() {}
std::string TCasinoStatCalc::GetGameName(i16, TMoney) {
    return "unk game";
}
void TCasinoStatCalc::FormatGameType() {}
void TCasinoStatCalc::FormatTotalBets() {}
void TCasinoStatCalc::ComputeTotalBets() {}
void TCasinoStatCalc::FormatTotalAmountBet() {}
void TCasinoStatCalc::ComputeTotalAmountBet() {}
void TCasinoStatCalc::FormatAverageBet() {}
void TCasinoStatCalc::ComputeAverageBet() {}
void TCasinoStatCalc::FormatStartingBankroll() {}
void TCasinoStatCalc::ComputeStartingBankroll() {}
void TCasinoStatCalc::FormatEndingBankroll() {}
void TCasinoStatCalc::ComputeEndingBankroll() {}
void TCasinoStatCalc::FormatWonLost() {}
void TCasinoStatCalc::ComputeWonLost() {}
void TCasinoStatCalc::FormatReturnPct() {}
void TCasinoStatCalc::ComputeReturnPct() {}
void TCasinoStatCalc::FormatWonLostPerHour() {}
void TCasinoStatCalc::ComputeWonLostPerHour() {}
void TCasinoStatCalc::FormatPeakLevel() {}
void TCasinoStatCalc::ComputePeakLevel() {}
void TCasinoStatCalc::FormatLowLevel() {}
void TCasinoStatCalc::ComputeLowLevel() {}
