// TCasinoStatCalc: the rows every casino game shares, from Date to Low $ Loss Level.
#include "craps/stats/CasinoStatCalc.h"

#include "casino/CCSession.h"
#include "platform/host/DateTime.h"

#include <algorithm>
#include <limits>

namespace {

enum : int {
    RowDate = 1,
    RowHours = 2,
    RowGameType = 3,
    RowTotalBets = 6,
    RowTotalBet = 7,
    RowAverageBet = 8,
    RowStartBankroll = 9,
    RowEndBankroll = 10,
    RowWonLost = 11,
    RowReturn = 12,
    RowPerHour = 13,
    RowPeak = 15,
    RowLow = 16,
};

// A clock set back or a damaged file can put an end before its start: that is no time at
// all, not a wrapped count of 136 years.
u32 Elapsed(u32 from, u32 to) {
    return to >= from ? to - from : 0U;
}

u32 SaturatingAdd(u32 a, u32 b) {
    return b > std::numeric_limits<u32>::max() - a ? std::numeric_limits<u32>::max() : a + b;
}

} // namespace

void TCasinoStatCalc::ComputeAll() {
    ComputeDate();
    ComputeHoursPlayed();
    ComputeGameType();
    ComputeTotalBets();
    ComputeTotalAmountBet();
    ComputeAverageBet();
    ComputeStartingBankroll();
    ComputeEndingBankroll();
    ComputeWonLost();
    ComputeReturnPct();
    ComputeWonLostPerHour();
    ComputePeakLevel();
    ComputeLowLevel();
}

void TCasinoStatCalc::FormatAll() {
    FormatDate();
    FormatHoursPlayed();
    FormatGameType();
    FormatTotalBets();
    FormatTotalAmountBet();
    FormatAverageBet();
    FormatStartingBankroll();
    FormatEndingBankroll();
    FormatWonLost();
    FormatReturnPct();
    FormatWonLostPerHour();
    FormatPeakLevel();
    FormatLowLevel();
}

// ---- 1 Date

void TCasinoStatCalc::ComputeDate() {
    if (SessionCount() == 0) {
        LatestStart = TTime().Seconds();
        return;
    }
    LatestStart = 0;
    for (int p = 0; p < SessionCount(); ++p)
        LatestStart = std::max(LatestStart, SessionAt(p).StartTime);
}

void TCasinoStatCalc::FormatDate() {
    TRowTexts& row = Row(RowDate);
    for (int p = 0; p < SessionCount(); ++p)
        row.Sessions[static_cast<size_t>(p)] =
            IsOpenAt(p) ? InPlayText : FormatDateCell(SessionAt(p).StartTime);
    row.Cumulative = FormatDateCell(LatestStart);
}

// ---- 2 Hours Played

void TCasinoStatCalc::ComputeHoursPlayed() {
    TotalSeconds = 0;
    const u32 now = TTime().Seconds();
    for (int p = 0; p < SessionCount(); ++p) {
        const TCCSession& s = SessionAt(p);
        u32& seconds = Seconds[static_cast<size_t>(p)];
        if (s.IsOpen()) {
            seconds = Elapsed(s.StartTime, now);
            continue;
        }
        seconds = Elapsed(s.StartTime, s.EndTime);
        TotalSeconds = SaturatingAdd(TotalSeconds, seconds);
        // A short stay still shows as a minute played.
        seconds = std::max(seconds, 60U);
    }
}

void TCasinoStatCalc::FormatHoursPlayed() {
    TRowTexts& row = Row(RowHours);
    for (int p = 0; p < SessionCount(); ++p)
        row.Sessions[static_cast<size_t>(p)] = FormatHoursCell(Seconds[static_cast<size_t>(p)]);
    row.Cumulative = FormatHoursCell(TotalSeconds);
}

// ---- 3 Type of Game Played

std::string TCasinoStatCalc::GetGameName(i16, TMoney) {
    return "unk game";
}

void TCasinoStatCalc::FormatGameType() {
    TRowTexts& row = Row(RowGameType);
    for (int p = 0; p < SessionCount(); ++p) {
        const TCCSession& s = SessionAt(p);
        row.Sessions[static_cast<size_t>(p)] = GetGameName(static_cast<i16>(s.GameCode), s.BetUnit);
    }
    row.Cumulative = EmptyText;
}

// ---- 6 Total # of Bets

void TCasinoStatCalc::ComputeTotalBets() {
    TotalBetCount = 0;
    for (int p = 0; p < SessionCount(); ++p) {
        BetCount[static_cast<size_t>(p)] = SessionAt(p).BetsDecided;
        TotalBetCount += BetCount[static_cast<size_t>(p)];
    }
}

void TCasinoStatCalc::FormatTotalBets() {
    TRowTexts& row = Row(RowTotalBets);
    for (int p = 0; p < SessionCount(); ++p)
        row.Sessions[static_cast<size_t>(p)] = FormatLongCell(BetCount[static_cast<size_t>(p)]);
    row.Cumulative = FormatLongCell(TotalBetCount);
}

// ---- 7 Total $ Bet

void TCasinoStatCalc::ComputeTotalAmountBet() {
    TotalAmountBet = 0.0;
    for (int p = 0; p < SessionCount(); ++p)
        TotalAmountBet += SessionAt(p).TotalBet.GetValue();
}

void TCasinoStatCalc::FormatTotalAmountBet() {
    TRowTexts& row = Row(RowTotalBet);
    for (int p = 0; p < SessionCount(); ++p)
        row.Sessions[static_cast<size_t>(p)] = FormatMoney(SessionAt(p).TotalBet.GetValue());
    row.Cumulative = FormatMoney(TotalAmountBet);
}

// ---- 8 Average $ Bet

void TCasinoStatCalc::ComputeAverageBet() {
    for (int p = 0; p < SessionCount(); ++p)
        AverageBet[static_cast<size_t>(p)] =
            AverageMoney(SessionAt(p).TotalBet.GetValue(), BetCount[static_cast<size_t>(p)], 0.0);
    AverageBetAll = AverageMoney(TotalAmountBet, TotalBetCount, 0.0);
}

void TCasinoStatCalc::FormatAverageBet() {
    TRowTexts& row = Row(RowAverageBet);
    for (int p = 0; p < SessionCount(); ++p)
        row.Sessions[static_cast<size_t>(p)] = FormatMoney(AverageBet[static_cast<size_t>(p)]);
    row.Cumulative = FormatMoney(AverageBetAll);
}

// ---- 9 Starting Bankroll

void TCasinoStatCalc::ComputeStartingBankroll() {
    StartingBankroll =
        SessionCount() > 0 ? SessionAt(0).StartBankroll.GetValue() : CurrentBankroll();
}

void TCasinoStatCalc::FormatStartingBankroll() {
    TRowTexts& row = Row(RowStartBankroll);
    for (int p = 0; p < SessionCount(); ++p)
        row.Sessions[static_cast<size_t>(p)] = FormatMoney(SessionAt(p).StartBankroll.GetValue());
    row.Cumulative = FormatMoney(StartingBankroll);
}

// ---- 10 Ending Bankroll

void TCasinoStatCalc::ComputeEndingBankroll() {
    EndingBankroll =
        SessionCount() > 0 ? SessionAt(LastIndex).EndBankroll.GetValue() : CurrentBankroll();
    AnyOpen = false;
    for (int p = 0; p < SessionCount(); ++p)
        AnyOpen = AnyOpen || IsOpenAt(p);
}

void TCasinoStatCalc::FormatEndingBankroll() {
    TRowTexts& row = Row(RowEndBankroll);
    for (int p = 0; p < SessionCount(); ++p)
        row.Sessions[static_cast<size_t>(p)] =
            IsOpenAt(p) ? InPlayText : FormatMoney(SessionAt(p).EndBankroll.GetValue());
    row.Cumulative = AnyOpen ? InPlayText : FormatMoney(EndingBankroll);
}

// ---- 11 Total $ Won/Lost

void TCasinoStatCalc::ComputeWonLost() {
    WonLostAll = 0.0;
    for (int p = 0; p < SessionCount(); ++p) {
        const TCCSession& s = SessionAt(p);
        double& value = WonLost[static_cast<size_t>(p)];
        value = s.IsOpen() ? 0.0 : s.EndBankroll.GetValue() - s.StartBankroll.GetValue();
        WonLostAll += value;
    }
}

void TCasinoStatCalc::FormatWonLost() {
    TRowTexts& row = Row(RowWonLost);
    for (int p = 0; p < SessionCount(); ++p)
        row.Sessions[static_cast<size_t>(p)] =
            IsOpenAt(p) ? InPlayText : FormatMoney(WonLost[static_cast<size_t>(p)]);
    row.Cumulative = FormatMoney(WonLostAll);
}

// ---- 12 Return %

void TCasinoStatCalc::ComputeReturnPct() {
    for (int p = 0; p < SessionCount(); ++p) {
        const TCCSession& s = SessionAt(p);
        ReturnPct[static_cast<size_t>(p)] =
            s.IsOpen() ? 0.0f
                       : ReturnPercent(Dollars(WonLost[static_cast<size_t>(p)]),
                                       Dollars(s.TotalBet), 0.0f);
    }
    // The bets of open sessions count here while their results do not.
    ReturnPctAll = ReturnPercent(Dollars(WonLostAll), Dollars(TotalAmountBet), 0.0f);
}

void TCasinoStatCalc::FormatReturnPct() {
    TRowTexts& row = Row(RowReturn);
    for (int p = 0; p < SessionCount(); ++p)
        row.Sessions[static_cast<size_t>(p)] =
            IsOpenAt(p) ? InPlayText : FormatFloatCell(ReturnPct[static_cast<size_t>(p)]);
    row.Cumulative = FormatFloatCell(ReturnPctAll);
}

// ---- 13 Average $ Win/Loss per Hour

void TCasinoStatCalc::ComputeWonLostPerHour() {
    for (int p = 0; p < SessionCount(); ++p)
        WonLostPerHour[static_cast<size_t>(p)] = PerHour(Dollars(WonLost[static_cast<size_t>(p)]),
                                                         Seconds[static_cast<size_t>(p)], 0.0f);
    WonLostPerHourAll = PerHour(Dollars(WonLostAll), TotalSeconds, 0.0f);
}

void TCasinoStatCalc::FormatWonLostPerHour() {
    TRowTexts& row = Row(RowPerHour);
    for (int p = 0; p < SessionCount(); ++p)
        row.Sessions[static_cast<size_t>(p)] =
            IsOpenAt(p) ? InPlayText : FormatMoney(WonLostPerHour[static_cast<size_t>(p)]);
    row.Cumulative = FormatMoney(WonLostPerHourAll);
}

// ---- 15 Peak $ Win Level

void TCasinoStatCalc::ComputePeakLevel() {
    i64 peak = 0;
    for (int p = 0; p < SessionCount(); ++p)
        peak = std::max(peak, Dollars(SessionAt(p).PeakBankroll));
    PeakLevel = static_cast<double>(peak);
}

void TCasinoStatCalc::FormatPeakLevel() {
    TRowTexts& row = Row(RowPeak);
    for (int p = 0; p < SessionCount(); ++p)
        row.Sessions[static_cast<size_t>(p)] = FormatMoney(SessionAt(p).PeakBankroll.GetValue());
    row.Cumulative = FormatMoney(PeakLevel);
}

// ---- 16 Low $ Loss Level

void TCasinoStatCalc::ComputeLowLevel() {
    i64 low =
        Dollars(SessionCount() > 0 ? SessionAt(0).StartBankroll.GetValue() : CurrentBankroll());
    for (int p = 0; p < SessionCount(); ++p)
        low = std::min(low, Dollars(SessionAt(p).LowBankroll));
    LowLevel = static_cast<double>(low);
}

void TCasinoStatCalc::FormatLowLevel() {
    TRowTexts& row = Row(RowLow);
    for (int p = 0; p < SessionCount(); ++p)
        row.Sessions[static_cast<size_t>(p)] = FormatMoney(SessionAt(p).LowBankroll.GetValue());
    row.Cumulative = FormatMoney(LowLevel);
}
