// TStatCalcCraps: the session walk, the craps rows, the grid copy and the graphable series.
#include "craps/stats/StatCalcCraps.h"

#include "casino/CasinoPlayerData.h"
#include "craps/stats/StatCalcOwner.h"
#include "craps/stats/StatGrid.h"

#include <algorithm>

namespace {

constexpr int FirstBetRow = 56;
constexpr int FirstNetRow = 84;
constexpr int FirstReturnRow = 110;
constexpr int KindCount = static_cast<int>(TCCSession::StatRows);
// The right and wrong bettor blocks share one layout, twelve rows apart.
constexpr int WrongOffset = 12;

enum class TRowKind {
    None,
    CounterSum,
    CounterMax,
    MoneySum,
    MoneyMax,
    MoneyMin,
    RatioPerShoot,
    Return,
    Accuracy,
};

TRowKind KindOf(int id) {
    if ((id >= 19 && id <= 25) || id == 136 || id == 137)
        return TRowKind::CounterSum;
    if (id >= 26 && id <= 28)
        return TRowKind::CounterMax;
    if ((id >= FirstBetRow && id < FirstBetRow + KindCount) || id == 82 || id == 83 ||
        (id >= FirstNetRow && id < FirstNetRow + KindCount))
        return TRowKind::MoneySum;
    if (id >= FirstReturnRow && id < FirstReturnRow + KindCount)
        return TRowKind::Return;
    if (id == 138)
        return TRowKind::Accuracy;
    if (id >= 31 && id <= 52 && id != 41 && id != 42) {
        switch ((id - 31) % WrongOffset) {
        case 0:
        case 3:
        case 4:
            return TRowKind::CounterSum;
        case 1:
        case 5:
            return TRowKind::MoneySum;
        case 2:
        case 6:
            return TRowKind::RatioPerShoot;
        case 7:
            return TRowKind::CounterMax;
        case 8:
            return TRowKind::MoneyMax;
        case 9:
            return TRowKind::MoneyMin;
        }
    }
    return TRowKind::None;
}

struct TCounterField {
    int Id;
    u16 TCCSession::*Field;
};

struct TMoneyField {
    int Id;
    TMoney TCCSession::*Field;
};

constexpr TCounterField CounterFields[] = {
    {19, &TCCSession::TotalShoots},
    {20, &TCCSession::PassWins},
    {21, &TCCSession::Naturals},
    {22, &TCCSession::PointsMade},
    {23, &TCCSession::DontPassWins},
    {24, &TCCSession::CrapOuts},
    {25, &TCCSession::SevenOuts},
    {26, &TCCSession::LongestShoot},
    {27, &TCCSession::LongestPassStreak},
    {28, &TCCSession::LongestDontPassStreak},
    {31, &TCCSession::RightShoots},
    {34, &TCCSession::RightShootsWon},
    {35, &TCCSession::RightShootsLost},
    {38, &TCCSession::RightLongestWinStreak},
    {43, &TCCSession::WrongShoots},
    {46, &TCCSession::WrongShootsWon},
    {47, &TCCSession::WrongShootsLost},
    {50, &TCCSession::WrongLongestWinStreak},
    {136, &TCCSession::HighPercentageBets},
    {137, &TCCSession::LowPercentageBets},
};

constexpr TMoneyField MoneyFields[] = {
    {32, &TCCSession::RightTotalBet}, {36, &TCCSession::RightNet},
    {39, &TCCSession::RightMostWon},  {40, &TCCSession::RightMostLost},
    {44, &TCCSession::WrongTotalBet}, {48, &TCCSession::WrongNet},
    {51, &TCCSession::WrongMostWon},  {52, &TCCSession::WrongMostLost},
    {82, &TCCSession::TotalWon},      {83, &TCCSession::TotalLost},
};

// Read as the unsigned counts they are: a count past 32767 is a large count, not a negative one.
i32 CounterOf(const TCCSession& s, int id) {
    for (const TCounterField& f : CounterFields)
        if (f.Id == id)
            return s.*f.Field;
    return 0;
}

double MoneyOf(const TCCSession& s, int id) {
    if (id >= FirstBetRow && id < FirstBetRow + KindCount)
        return s.BetByRow[static_cast<size_t>(id - FirstBetRow)].GetValue();
    if (id >= FirstNetRow && id < FirstNetRow + KindCount)
        return s.NetByRow[static_cast<size_t>(id - FirstNetRow)].GetValue();
    for (const TMoneyField& f : MoneyFields)
        if (f.Id == id)
            return (s.*f.Field).GetValue();
    return 0.0;
}

// An average per shoot divides the money row just above it by its block's shoot count.
int ShootsRowOfRatio(int id) {
    return id < 43 ? 31 : 43;
}

} // namespace

TStatCalcCraps::TStatCalcCraps(TStatCalcOwner* owner) : TCasinoStatCalc(owner) {}

TStatCalcCraps::~TStatCalcCraps() = default;

bool TStatCalcCraps::IsDataRow(int id) {
    return (id >= 1 && id <= 3) || (id >= 6 && id <= 16) || (id >= 19 && id <= 28) ||
           (id >= 31 && id <= 40) || (id >= 43 && id <= 52) || (id >= 55 && id <= 79) ||
           (id >= 82 && id <= 107) || (id >= 110 && id <= 133) || (id >= 136 && id <= 138);
}

void TStatCalcCraps::GetSessionPtrs() {
    if (Record == nullptr) {
        // Pointers into another gambler's record must not outlive the switch away from him.
        History = nullptr;
        LastIndex = -1;
        return;
    }
    History = &Record->GetHistory();
    LastIndex = -1;
    for (i16 slot = History->FirstSession(); slot != -1 && LastIndex + 1 < MaxSessions;
         slot = History->NextSession()) {
        const TCCSession* session = History->GetSession(slot);
        if (session == nullptr)
            break;
        ++LastIndex;
        Sessions[static_cast<size_t>(LastIndex)] = session;
    }
}

std::string TStatCalcCraps::GetGameName(i16, TMoney) {
    return "Craps";
}

void TStatCalcCraps::ComputeTotalBets() {
    TotalBetCount = 0;
    for (int p = 0; p < SessionCount(); ++p) {
        const TCCSession& s = SessionAt(p);
        BetCount[static_cast<size_t>(p)] = s.BetsWon + s.BetsLost;
        TotalBetCount += BetCount[static_cast<size_t>(p)];
    }
}

void TStatCalcCraps::ComputeAll() {
    TCasinoStatCalc::ComputeAll();
    if (Record == nullptr)
        return;
    for (int id = 19; id <= LastStatId; ++id)
        ComputeCrapsRow(id);
}

void TStatCalcCraps::FormatAll() {
    TCasinoStatCalc::FormatAll();
    if (Record == nullptr)
        return;
    for (int id = 19; id <= LastStatId; ++id)
        FormatCrapsRow(id);
}

void TStatCalcCraps::ComputeCrapsRow(int id) {
    const size_t at = static_cast<size_t>(id);
    double& total = Cumulative[at];
    switch (KindOf(id)) {
    case TRowKind::None:
        return;
    case TRowKind::CounterSum: {
        i32 sum = 0;
        for (int p = 0; p < SessionCount(); ++p)
            sum += CounterOf(SessionAt(p), id);
        total = sum;
        return;
    }
    case TRowKind::CounterMax: {
        i32 most = 0;
        for (int p = 0; p < SessionCount(); ++p)
            most = std::max(most, CounterOf(SessionAt(p), id));
        total = most;
        return;
    }
    case TRowKind::MoneySum:
        total = 0.0;
        for (int p = 0; p < SessionCount(); ++p)
            total += MoneyOf(SessionAt(p), id);
        return;
    case TRowKind::MoneyMax: {
        i64 most = 0;
        for (int p = 0; p < SessionCount(); ++p)
            most = std::max(most, Dollars(MoneyOf(SessionAt(p), id)));
        total = static_cast<double>(most);
        return;
    }
    case TRowKind::MoneyMin: {
        i64 least = 0;
        for (int p = 0; p < SessionCount(); ++p)
            least = std::min(least, Dollars(MoneyOf(SessionAt(p), id)));
        total = static_cast<double>(least);
        return;
    }
    case TRowKind::RatioPerShoot:
        total = RatioOf(static_cast<double>(Dollars(Cumulative[static_cast<size_t>(id - 1)])),
                        Cumulative[static_cast<size_t>(ShootsRowOfRatio(id))], 0.0f);
        return;
    case TRowKind::Return: {
        const int kind = id - FirstReturnRow;
        for (int p = 0; p < SessionCount(); ++p) {
            const TCCSession& s = SessionAt(p);
            SessionFloats[at][static_cast<size_t>(p)] =
                ReturnPercent(Dollars(s.NetByRow[static_cast<size_t>(kind)]),
                              Dollars(s.BetByRow[static_cast<size_t>(kind)]), 0.0f);
        }
        total = ReturnPercent(Dollars(Cumulative[static_cast<size_t>(FirstNetRow + kind)]),
                              Dollars(Cumulative[static_cast<size_t>(FirstBetRow + kind)]), 0.0f);
        return;
    }
    case TRowKind::Accuracy:
        for (int p = 0; p < SessionCount(); ++p)
            SessionFloats[at][static_cast<size_t>(p)] =
                PercentOf(SessionAt(p).HighPercentageBets, BetCount[static_cast<size_t>(p)], 0.0f);
        total = PercentOf(Cumulative[136], TotalBetCount, 0.0f);
        return;
    }
}

void TStatCalcCraps::FormatCrapsRow(int id) {
    const size_t at = static_cast<size_t>(id);
    TRowTexts& row = Row(id);
    const double total = Cumulative[at];
    switch (KindOf(id)) {
    case TRowKind::None:
        return;
    case TRowKind::CounterSum:
    case TRowKind::CounterMax:
        for (int p = 0; p < SessionCount(); ++p)
            row.Sessions[static_cast<size_t>(p)] = FormatIntCell(CounterOf(SessionAt(p), id));
        row.Cumulative = FormatLongCell(static_cast<i32>(total));
        return;
    case TRowKind::MoneySum:
    case TRowKind::MoneyMax:
    case TRowKind::MoneyMin:
        for (int p = 0; p < SessionCount(); ++p)
            row.Sessions[static_cast<size_t>(p)] = FormatMoney(MoneyOf(SessionAt(p), id));
        row.Cumulative = FormatMoney(total);
        return;
    case TRowKind::RatioPerShoot:
        for (int p = 0; p < SessionCount(); ++p) {
            const TCCSession& s = SessionAt(p);
            row.Sessions[static_cast<size_t>(p)] =
                FormatFloatCell(RatioOf(static_cast<double>(Dollars(MoneyOf(s, id - 1))),
                                        CounterOf(s, ShootsRowOfRatio(id)), 0.0f));
        }
        row.Cumulative = FormatFloatCell(static_cast<float>(total));
        return;
    case TRowKind::Return:
    case TRowKind::Accuracy:
        for (int p = 0; p < SessionCount(); ++p)
            row.Sessions[static_cast<size_t>(p)] =
                FormatFloatCell(SessionFloats[at][static_cast<size_t>(p)]);
        row.Cumulative = FormatFloatCell(static_cast<float>(total));
        return;
    }
}

void TStatCalcCraps::CopyToDialog() {
    TCasinoStatCalc::CopyToDialog();
    if (Record == nullptr || Owner == nullptr)
        return;
    TStatGrid& grid = Owner->GetStatGrid();
    for (int id = 1; id <= LastStatId; ++id) {
        if (!IsDataRow(id))
            continue;
        // Cumulative $ Won/Lost and Total $ Bets repeat rows of their own section.
        const int source = id == 14 ? 11 : id == 55 ? 7 : id;
        const TRowTexts& row = Row(source);
        const size_t at = static_cast<size_t>(id);
        for (int p = 0; p < SessionCount(); ++p)
            grid.Cells[at][static_cast<size_t>(p + 1)] = row.Sessions[static_cast<size_t>(p)];
        grid.Cumulative[at] = row.Cumulative;
    }
}

bool TStatCalcCraps::GetGraphData(int id, float* values, int capacity) {
    const bool known = id == 6 || id == 7 || id == 8 || id == 11 || id == 14 || id == 15 ||
                       id == 16 || (id >= 20 && id <= 28);
    if (!known)
        return false;
    const int n = std::clamp(std::min(capacity, SessionCount()), 0, MaxSessions);
    for (int p = 0; p < n; ++p) {
        const TCCSession& s = SessionAt(p);
        const size_t at = static_cast<size_t>(p);
        double value = 0.0;
        switch (id) {
        case 6:
            value = BetCount[at];
            break;
        case 7:
            value = s.TotalBet.GetValue();
            break;
        case 8:
            value = AverageBet[at];
            break;
        case 11:
        case 14:
            value = WonLost[at];
            break;
        case 15:
            value = s.PeakBankroll.GetValue();
            break;
        case 16:
            value = s.LowBankroll.GetValue();
            break;
        default:
            value = CounterOf(s, id);
            break;
        }
        values[at] = ToFloat(value);
    }
    return true;
}
